#include "tests/app/window/form_fixture.h"

#include <functional>
#include <QFontInfo>

namespace {

using LayoutTest = FormFixture;

struct Placement {
    const char* name;
    std::function<QWidget*(frmMain&)> widget;
    std::function<QWidget*(frmMain&)> container;
    QRect twips;
    QRect pixels;
    bool visible;
};

QWidget* topLevel(frmMain& f) {
    return f.window();
}
QWidget* preview(frmMain& f) {
    return f.fraPreview;
}
QWidget* message(frmMain& f) {
    return f.fraMessage;
}

const Placement kPlacements[] = {
    {"imgMin",
     [](frmMain& f) { return f.imgMin; },
     topLevel,
     {10710, 45, 375, 375},
     {714, 3, 25, 25},
     true},
    {"imgX",
     [](frmMain& f) { return f.imgX; },
     topLevel,
     {11235, 45, 375, 375},
     {749, 3, 25, 25},
     true},
    {"lblVersion",
     [](frmMain& f) { return f.lblVersion; },
     topLevel,
     {5910, 405, 705, 255},
     {394, 27, 47, 17},
     true},
    {"lblFileDir",
     [](frmMain& f) { return f.lblFileDir; },
     topLevel,
     {360, 885, 3750, 285},
     {24, 59, 250, 19},
     true},
    {"imgChangeDir",
     [](frmMain& f) { return f.imgChangeDir; },
     topLevel,
     {5085, 795, 375, 375},
     {339, 53, 25, 25},
     true},
    {"lblGarminDir",
     [](frmMain& f) { return f.lblGarminDir; },
     topLevel,
     {6270, 885, 3750, 285},
     {418, 59, 250, 19},
     true},
    {"imgChangeGarmin",
     [](frmMain& f) { return f.imgChangeGarmin; },
     topLevel,
     {10575, 810, 375, 375},
     {705, 54, 25, 25},
     true},
    {"imgFindGarmin",
     [](frmMain& f) { return f.imgFindGarmin; },
     topLevel,
     {10980, 810, 375, 375},
     {732, 54, 25, 25},
     true},
    {"shpFiles",
     [](frmMain& f) { return f.shpFiles; },
     topLevel,
     {375, 1215, 4740, 6930},
     {25, 81, 316, 462},
     true},
    {"imgLocalFiles",
     [](frmMain& f) { return f.imgLocalFiles; },
     topLevel,
     {990, 3735, 3540, 2250},
     {66, 249, 236, 150},
     true},
    {"imgFilesCardsArea",
     [](frmMain& f) { return f.imgFilesCardsArea; },
     topLevel,
     {375, 1215, 4740, 6930},
     {25, 81, 316, 462},
     true},
    {"VScrollFiles",
     [](frmMain& f) { return f.VScrollFiles; },
     topLevel,
     {5130, 1215, 330, 6930},
     {342, 81, 22, 462},
     true},
    {"shpGarmin",
     [](frmMain& f) { return f.shpGarmin; },
     topLevel,
     {6270, 1215, 4740, 6930},
     {418, 81, 316, 462},
     true},
    {"imgGarminFiles",
     [](frmMain& f) { return f.imgGarminFiles; },
     topLevel,
     {6900, 3735, 3540, 2250},
     {460, 249, 236, 150},
     true},
    {"imgGarminCardsArea",
     [](frmMain& f) { return f.imgGarminCardsArea; },
     topLevel,
     {6270, 1215, 4740, 6930},
     {418, 81, 316, 462},
     true},
    {"VScrollGarmin",
     [](frmMain& f) { return f.VScrollGarmin; },
     topLevel,
     {11025, 1215, 330, 6930},
     {735, 81, 22, 462},
     true},
    {"lblLocalFiles",
     [](frmMain& f) { return f.lblLocalFiles; },
     topLevel,
     {1860, 8175, 1920, 330},
     {124, 545, 128, 22},
     true},
    {"imgRefreshFiles",
     [](frmMain& f) { return f.imgRefreshFiles; },
     topLevel,
     {2265, 8490, 1125, 375},
     {151, 566, 75, 25},
     true},
    {"Label1",
     [](frmMain& f) { return f.Label1; },
     topLevel,
     {7815, 8175, 1920, 330},
     {521, 545, 128, 22},
     true},
    {"imgRefreshGarmin",
     [](frmMain& f) { return f.imgRefreshGarmin; },
     topLevel,
     {8250, 8490, 1125, 375},
     {550, 566, 75, 25},
     true},
    {"fraPreview", preview, topLevel, {705, 1350, 10000, 6915}, {47, 90, 667, 461}, false},
    {"fraMessage", message, topLevel, {3885, 3630, 3270, 1065}, {259, 242, 218, 71}, false},
    {"Plotter",
     [](frmMain& f) { return f.Plotter; },
     preview,
     {90, 105, 9810, 6300},
     {6, 7, 654, 420},
     true},
    {"imgRotate",
     [](frmMain& f) { return f.imgRotate; },
     preview,
     {4395, 6450, 1125, 375},
     {293, 430, 75, 25},
     true},
    {"imgXPreview",
     [](frmMain& f) { return f.imgXPreview; },
     preview,
     {9525, 6450, 375, 375},
     {635, 430, 25, 25},
     true},
    {"Shape2",
     [](frmMain& f) { return f.Shape2; },
     preview,
     {30, 45, 9930, 6835},
     {2, 3, 662, 456},
     true},
    {"lblMessage1",
     [](frmMain& f) { return f.lblMessage1; },
     message,
     {150, 150, 2970, 360},
     {10, 10, 198, 24},
     true},
    {"lblMessage2",
     [](frmMain& f) { return f.lblMessage2; },
     message,
     {150, 630, 2970, 360},
     {10, 42, 198, 24},
     true},
    {"Shape1",
     [](frmMain& f) { return f.Shape1; },
     message,
     {30, 45, 3195, 960},
     {2, 3, 213, 64},
     true},
};

TEST_F(LayoutTest, EveryControlSitsWhereTheLayoutPutsIt) {
    createForm();
    for (const Placement& p : kPlacements) {
        SCOPED_TRACE(p.name);
        QWidget* widget = p.widget(*form);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget(), p.container(*form));
        auto* twips = dynamic_cast<toolkit::TwipsGeometry*>(widget);
        ASSERT_NE(twips, nullptr);
        EXPECT_EQ(QRect(twips->Left(), twips->Top(), twips->Width(), twips->Height()), p.twips);
        EXPECT_EQ(widget->geometry(), p.pixels);
        EXPECT_EQ(twips->Visible(), p.visible);
    }
}

TEST_F(LayoutTest, ElementOneOfEachCardArrayIsAHiddenCardAtItsPlace) {
    createForm();
    const struct {
        toolkit::CardArray* array;
        const char* name;
        QRect twips;
        QRect pixels;
    } cards[] = {
        {form->TesselFiles.get(), "TesselFiles", {420, 1260, 4650, 1710}, {28, 84, 310, 114}},
        {form->TesselGarmin.get(), "TesselGarmin", {6315, 1260, 4650, 1710}, {421, 84, 310, 114}}};
    for (const auto& c : cards) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.array->name(), c.name);
        toolkit::CardElement* card = c.array->item(1);
        ASSERT_NE(card, nullptr);
        EXPECT_FALSE(c.array->exists(0));
        EXPECT_FALSE(c.array->exists(2));
        EXPECT_EQ(QRect(card->Left(), card->Top(), card->Width(), card->Height()), c.twips);
        EXPECT_EQ(card->widget()->geometry(), c.pixels);
        EXPECT_EQ(card->widget()->parentWidget(), form->window());
        EXPECT_FALSE(card->Visible());
        // Element 1 exists: loading it again is an error and leaves it alone.
        EXPECT_EQ(c.array->Load(1), toolkit::CardArray::kElementExists);
        EXPECT_EQ(c.array->item(1), card);
    }
}

TEST_F(LayoutTest, WindowIsTheBorderlessSkinnedFormOfFixedSize) {
    createForm();
    toolkit::FormWindow* window = form->window();
    EXPECT_EQ(window->size(), QSize(781, 598));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window->Picture().size(), QSize(782, 598));
    EXPECT_FALSE(window->windowIcon().isNull());
}

TEST_F(LayoutTest, ASkinOrWatermarkCutShortIsNotShown) {
    // The watermark as a bitmap under its name: the reader goes by the content.
    writePicture(QStringLiteral("LocalFiles.gif"), {236, 150}, Qt::green);
    for (const char* name : {"Skin.bmp", "LocalFiles.gif"}) {
        QFile file(imagePath(name));
        ASSERT_TRUE(file.resize(3000));
    }
    createForm();
    EXPECT_TRUE(form->window()->Picture().isNull());
    EXPECT_TRUE(form->imgLocalFiles->Picture().isNull());
    EXPECT_EQ(form->imgGarminFiles->Picture().size(), QSize(236, 150));
    EXPECT_FALSE(form->window()->windowIcon().isNull());
}

TEST_F(LayoutTest, LabelsCarryTheirTextsAndFonts) {
    createForm();
    const struct {
        toolkit::Label* label;
        const char* caption;
        int pixelSize;
        bool italic;
    } labels[] = {{form->lblVersion, "v052209", 11, true},
                  {form->lblFileDir, "No Directory Selected", 13, false},
                  {form->lblGarminDir, "No Directory Selected", 13, false},
                  {form->lblLocalFiles, "Local Files", 16, false},
                  {form->Label1, "Garmin Files", 16, false},
                  {form->lblMessage1, "", 13, false},
                  {form->lblMessage2, "", 13, false}};
    for (const auto& l : labels) {
        SCOPED_TRACE(l.caption);
        EXPECT_EQ(l.label->Caption().toStdString(), l.caption);
        EXPECT_EQ(l.label->font().pixelSize(), l.pixelSize);
        EXPECT_TRUE(l.label->font().bold());
        EXPECT_EQ(l.label->font().italic(), l.italic);
    }
}

TEST_F(LayoutTest, ImageButtonsShowTheirUpPicturesAtTheirOwnSize) {
    createForm();
    const struct {
        toolkit::ImageControl* image;
        const char* stem;
    } buttons[] = {{form->imgMin, "MinButton"},
                   {form->imgX, "XButton"},
                   {form->imgChangeDir, "DirButton"},
                   {form->imgChangeGarmin, "DirButton"},
                   {form->imgFindGarmin, "GPSButton"},
                   {form->imgRefreshFiles, "RefreshButton"},
                   {form->imgRefreshGarmin, "RefreshButton"},
                   {form->imgRotate, "RotateButton"},
                   {form->imgXPreview, "XButton"}};
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.stem);
        EXPECT_EQ(shown(b.image), upColour(b.stem));
        EXPECT_EQ(b.image->Picture().size(), b.image->size());
    }
    EXPECT_EQ(form->imgLocalFiles->Picture().size(), QSize(236, 150));
    EXPECT_EQ(form->imgGarminFiles->Picture().size(), QSize(236, 150));
    EXPECT_TRUE(form->imgFilesCardsArea->Picture().isNull());
    EXPECT_TRUE(form->imgGarminCardsArea->Picture().isNull());
}

TEST_F(LayoutTest, WhatTheStackingHides) {
    createForm();
    form->Show();
    QWidget* window = form->window();
    QWidget* filesCard = form->TesselFiles->item(1)->widget();
    const QPoint inFilesCard(28 + 150, 84 + 50);
    const QPoint inGarminCard(421 + 150, 84 + 50);
    // Before any card shows, the column offers its drop target, above watermark and background.
    EXPECT_EQ(window->childAt(inFilesCard), form->imgFilesCardsArea);
    EXPECT_EQ(window->childAt(QPoint(66 + 100, 249 + 70)), form->imgFilesCardsArea);
    form->TesselFiles->item(1)->setVisible(true);
    form->TesselGarmin->item(1)->setVisible(true);
    QWidget* hit = window->childAt(inFilesCard);
    EXPECT_TRUE(hit == filesCard || filesCard->isAncestorOf(hit));
    // The preview covers the cards of both panes.
    form->fraPreview->setVisible(true);
    for (const QPoint p : {inFilesCard, inGarminCard}) {
        QWidget* covered = window->childAt(p);
        EXPECT_TRUE(form->fraPreview->isAncestorOf(covered));
    }
    // Its buttons lie above the grey panel.
    EXPECT_EQ(window->childAt(form->imgRotate->mapTo(window, QPoint(5, 5))), form->imgRotate);
    EXPECT_EQ(window->childAt(form->imgXPreview->mapTo(window, QPoint(5, 5))), form->imgXPreview);
    // The message labels lie above the blue panel.
    form->fraPreview->setVisible(false);
    form->fraMessage->setVisible(true);
    EXPECT_EQ(window->childAt(form->lblMessage1->mapTo(window, QPoint(5, 5))), form->lblMessage1);
    EXPECT_EQ(window->childAt(form->lblMessage2->mapTo(window, QPoint(5, 5))), form->lblMessage2);
}

TEST_F(LayoutTest, TabOrderRunsThroughScrollBarsCardsAndPlotter) {
    createForm();
    QWidget* const order[] = {form->VScrollFiles, form->VScrollGarmin,
                              form->TesselFiles->item(1)->widget(),
                              form->TesselGarmin->item(1)->widget(), form->Plotter};
    std::vector<int> positions;
    QWidget* w = order[0];
    for (int step = 0; step < 500 && positions.size() < std::size(order); ++step) {
        if (w == order[positions.size()])
            positions.push_back(step);
        w = w->nextInFocusChain();
    }
    EXPECT_EQ(positions.size(), std::size(order));
}

TEST_F(LayoutTest, MenuAndTimerAreSetUp) {
    createForm();
    EXPECT_EQ(form->mnuRtMenu.Caption(), "RtMenu");
    const auto& items = form->mnuRtMenu.items();
    ASSERT_EQ(items.size(), 4u);
    // The copy item names the other pane of the card it opens on: Garmin for a local card.
    const char* expected[][2] = {{"mnuPreview", "Preview Vehicle"},
                                 {"mnuLine1", "-"},
                                 {"mnuDeleteVehicle", "Delete Vehicle"},
                                 {"mnuCopyVehicle", "Copy to Garmin"}};
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i]->name.toStdString(), expected[i][0]);
        EXPECT_EQ(items[i]->caption.toStdString(), expected[i][1]);
    }
    EXPECT_EQ(form->Timer1->Interval(), 100);
    EXPECT_FALSE(form->Timer1->Enabled());
}

} // namespace
