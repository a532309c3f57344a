#include "app/toolkit/automatic_drag.h"
#include "tests/app/window/form_fixture.h"

#include <QTest>
#include <string>

namespace {

using CardsTest = FormFixture;

TEST_F(CardsTest, ElementsCreatedAtRunTimeTakeTheFirstElementsPlaceHidden) {
    createForm();
    toolkit::CardArray& cards = *form->TesselGarmin;
    ASSERT_EQ(cards.Load(2), com::S_OK);
    toolkit::CardElement* second = cards.item(2);
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(second->Visible());
    EXPECT_EQ(second->Left(), 6315);
    EXPECT_EQ(second->Top(), 1260);
    EXPECT_EQ(second->Width(), 4650);
    EXPECT_EQ(second->Height(), 1710);
    EXPECT_EQ(cards.Load(2), toolkit::CardArray::kElementExists);
    EXPECT_EQ(cards.Load(-1), com::E_INVALIDARG);
    // Placed like the panes place them: 45 twips in, one card height further down.
    second->setTop(1215 + 1710);
    EXPECT_EQ(second->widget()->geometry(), QRect(421, 195, 310, 114));
    // The preview still covers a card created later.
    const QObjectList& children = form->window()->children();
    EXPECT_LT(children.indexOf(second->widget()), children.indexOf(form->fraPreview));
}

TEST_F(CardsTest, ACardKeepsItsOwnSize) {
    createForm();
    toolkit::CardElement* card = form->TesselFiles->item(1);
    card->Move(420, 1260, 3000, 750);
    EXPECT_EQ(card->Width(), 4650);
    EXPECT_EQ(card->Height(), 1710);
}

TEST_F(CardsTest, OtherButtonsReportMouseDownAndClickWithTheIndex) {
    createForm();
    std::string events;
    for (auto* array : {form->TesselFiles.get(), form->TesselGarmin.get()}) {
        array->MouseDown = [&events, array](int index, int button, int, float, float) {
            events += array->name().toStdString() + " down " + std::to_string(index) + " " +
                      std::to_string(button) + "; ";
        };
        array->Click = [&events, array](int index) {
            events += array->name().toStdString() + " click " + std::to_string(index) + "; ";
        };
    }
    ASSERT_EQ(form->TesselGarmin->Load(3), com::S_OK);
    toolkit::CardElement* card = form->TesselGarmin->item(3);
    // After the first activation, whose layout of the (empty) panes hides every card.
    showActive();
    card->setVisible(true);
    QTest::mouseClick(card->widget(), Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(events, "TesselGarmin down 3 2; TesselGarmin click 3; ");
    events.clear();
    // A left press starts the automatic drag instead.
    QTest::mousePress(card->widget(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_TRUE(form->drag->dragging());
    QTest::mouseRelease(card->widget(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(events, "");
}

TEST_F(CardsTest, ACardDroppedOnTheOtherColumnOrItsCardsNamesItsArrayAndIndex) {
    createForm();
    std::string drops;
    form->imgGarminCardsArea->DragDrop = [&drops](const toolkit::DragSource& s, float, float) {
        drops += "area<-" + s.arrayName.toStdString() + std::to_string(s.index) + "; ";
    };
    form->TesselGarmin->DragDrop = [&drops](int index, const toolkit::DragSource& s, float, float) {
        drops += "card" + std::to_string(index) + "<-" + s.arrayName.toStdString() +
                 std::to_string(s.index) + "; ";
    };
    toolkit::CardElement* source = form->TesselFiles->item(1);
    showActive();
    source->setVisible(true);
    form->TesselGarmin->item(1)->setVisible(true);
    QWidget* window = form->window();
    QWidget* pressed = source->widget();
    const QPoint onGarminCard(421 + 200, 84 + 50);
    const QPoint onGarminColumn(418 + 150, 81 + 300);
    for (const QPoint target : {onGarminCard, onGarminColumn}) {
        QTest::mousePress(pressed, Qt::LeftButton, Qt::NoModifier, QPoint(150, 50));
        QTest::mouseMove(pressed, pressed->mapFrom(window, target));
        QTest::mouseRelease(pressed, Qt::LeftButton, Qt::NoModifier,
                            pressed->mapFrom(window, target));
    }
    EXPECT_EQ(drops, "card1<-TesselFiles1; area<-TesselFiles1; ");
}

} // namespace
