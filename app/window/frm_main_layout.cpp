// The window as created: every control with its container, position and size in twips, text,
// font, colours, visibility and picture; the stacking order; the tab order; the context menu; the
// timer; and element 1 of both card arrays.
#include "app/program_folder.h"
#include "app/program_language.h"
#include "app/toolkit/automatic_drag.h"
#include "app/toolkit/twips.h"
#include "app/window/button_pictures.h"
#include "app/window/frm_main.h"
#include "cardctl/tessel_interface.h"
#include "platform/picture/picture_choice.h"
#include "platform/picture/picture_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QIcon>
#include <QPixmap>

namespace {

constexpr std::uint32_t kLightGrey = 0x00E0E0E0;
constexpr std::uint32_t kGrey = 0x00808080;
constexpr std::uint32_t kBlue = 0x00FF0000;
constexpr std::uint32_t kCyan = 0x00FFFF00;
constexpr std::uint32_t kBlack = 0x00000000;
constexpr std::uint32_t kSystemWindow = 0x80000005;
constexpr std::uint32_t kSystemWindowText = 0x80000008;

template <typename Control>
Control* place(QWidget* container, int left, int top, int width, int height) {
    auto* control = new Control(container);
    control->Move(left, top, width, height);
    return control;
}

toolkit::Label* folderLabel(QWidget* container, int left, int top) {
    auto* label = place<toolkit::Label>(container, left, top, 3750, 285);
    label->setCaption(QCoreApplication::translate("Panes", "No Directory Selected"));
    label->setTextFont(QStringLiteral("Arial"), 9.75, true, false);
    label->setForeColor(kWhite);
    label->setOpaque(false);
    return label;
}

toolkit::Label* paneTitle(QWidget* container, int left, const QString& caption) {
    auto* label = place<toolkit::Label>(container, left, 8175, 1920, 330);
    label->setCaption(caption);
    label->setTextFont(QStringLiteral("Arial"), 12, true, false);
    label->setForeColor(kWhite);
    label->setOpaque(false);
    label->setAlignment(toolkit::Label::Alignment::Center);
    return label;
}

toolkit::Shape* cardColumn(QWidget* container, int left) {
    auto* shape = place<toolkit::Shape>(container, left, 1215, 4740, 6930);
    shape->setFillColor(kSystemWindow);
    shape->setBorderColor(kSystemWindowText);
    shape->setBorderWidth(1);
    return shape;
}

toolkit::Label* messageLine(QWidget* container, int top) {
    auto* label = place<toolkit::Label>(container, 150, top, 2970, 360);
    label->setTextFont(QStringLiteral("Arial"), 9.75, true, false);
    label->setForeColor(kWhite);
    label->setBackColor(kBlue);
    label->setOpaque(true);
    label->setAlignment(toolkit::Label::Alignment::Center);
    return label;
}

} // namespace

QString frmMain::imagePath(const QString& fileName) const {
    return programFolder_ + QStringLiteral("/Images/") + fileName;
}

QImage frmMain::windowPicture(const QString& fileName) const {
    return readChosenPicture(programFolder_ + QStringLiteral("/Images"), fileName,
                             ProgramLanguage::installed(),
                             window_ ? window_->devicePixelRatioF() : 1.0);
}

bool frmMain::createControls(QString* error) {
    window_ = std::make_unique<toolkit::FormWindow>(11715, 8970);
    window_->setBackColor(Qt::black);
    const QImage skin = windowPicture(QStringLiteral("Skin.bmp"));
    if (!skin.isNull())
        window_->setPicture(skin);
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        // Each size as it is: the desktop picks the one for its density by device pixels.
        const QImage picture = ReadPictureFile(
            QFile::encodeName(imagePath(QStringLiteral("Icon-%1.png").arg(size))).toStdString());
        if (!picture.isNull())
            icon.addPixmap(QPixmap::fromImage(picture));
    }
    window_->setWindowIcon(icon);
    drag = new toolkit::AutomaticDrag(window_.get());

    createTopLevelControls();
    createPreviewFrame();
    createMessageFrame();
    if (!createCardArrays(error))
        return false;
    arrangeStacking();
    nameControls();
    arrangeTabOrder();

    Timer1 = new toolkit::Timer(window_.get());
    Timer1->setInterval(100);
    Timer1->setEnabled(false);

    mnuRtMenu.addItem(QStringLiteral("mnuPreview"),
                      QCoreApplication::translate("ContextMenu", "Preview Vehicle"));
    mnuRtMenu.addItem(QStringLiteral("mnuLine1"), QStringLiteral("-"));
    mnuRtMenu.addItem(QStringLiteral("mnuDeleteVehicle"),
                      QCoreApplication::translate("ContextMenu", "Delete Vehicle"));
    // Its caption names the other pane when the menu opens.
    mnuRtMenu.addItem(QStringLiteral("mnuCopyVehicle"),
                      QCoreApplication::translate("ContextMenu", "Copy to Garmin"));
    return true;
}

void frmMain::createTopLevelControls() {
    QWidget* form = window_.get();
    imgMin = place<toolkit::ImageControl>(form, 10710, 45, 375, 375);
    SetButtonPicture(imgMin, ButtonPictures::kMinUp);
    imgX = place<toolkit::ImageControl>(form, 11235, 45, 375, 375);
    SetButtonPicture(imgX, ButtonPictures::kXUp);

    lblVersion = place<toolkit::Label>(form, 5910, 405, 705, 255);
    lblVersion->setCaption(QStringLiteral("v052209"));
    lblVersion->setTextFont(QStringLiteral("Arial"), 8.25, true, true);
    lblVersion->setForeColor(kLightGrey);
    lblVersion->setOpaque(false);

    lblFileDir = folderLabel(form, 360, 885);
    imgChangeDir = place<toolkit::ImageControl>(form, 5085, 795, 375, 375);
    SetButtonPicture(imgChangeDir, ButtonPictures::kDirUp);
    lblGarminDir = folderLabel(form, 6270, 885);
    imgChangeGarmin = place<toolkit::ImageControl>(form, 10575, 810, 375, 375);
    SetButtonPicture(imgChangeGarmin, ButtonPictures::kDirUp);
    imgFindGarmin = place<toolkit::ImageControl>(form, 10980, 810, 375, 375);
    SetButtonPicture(imgFindGarmin, ButtonPictures::kGpsUp);

    shpFiles = cardColumn(form, 375);
    imgLocalFiles = place<toolkit::ImageControl>(form, 990, 3735, 3540, 2250);
    imgLocalFiles->showPicture(windowPicture(QStringLiteral("LocalFiles.gif")));
    imgFilesCardsArea = place<toolkit::ImageControl>(form, 375, 1215, 4740, 6930);
    VScrollFiles = place<toolkit::VScrollBar>(form, 5130, 1215, 330, 6930);

    shpGarmin = cardColumn(form, 6270);
    imgGarminFiles = place<toolkit::ImageControl>(form, 6900, 3735, 3540, 2250);
    imgGarminFiles->showPicture(windowPicture(QStringLiteral("GarminFiles.gif")));
    imgGarminCardsArea = place<toolkit::ImageControl>(form, 6270, 1215, 4740, 6930);
    VScrollGarmin = place<toolkit::VScrollBar>(form, 11025, 1215, 330, 6930);
    // The card columns take cards dragged from the other pane.
    for (toolkit::ImageControl* area : {imgFilesCardsArea, imgGarminCardsArea}) {
        drag->addDropTarget(area, [area](const toolkit::DragSource& source, float x, float y) {
            if (area->DragDrop)
                area->DragDrop(source, x, y);
        });
    }

    lblLocalFiles = paneTitle(form, 1860, QCoreApplication::translate("Panes", "Local Files"));
    imgRefreshFiles = place<toolkit::ImageControl>(form, 2265, 8490, 1125, 375);
    SetButtonPicture(imgRefreshFiles, ButtonPictures::kRefreshUp);
    Label1 = paneTitle(form, 7815, QCoreApplication::translate("Panes", "Garmin Files"));
    imgRefreshGarmin = place<toolkit::ImageControl>(form, 8250, 8490, 1125, 375);
    SetButtonPicture(imgRefreshGarmin, ButtonPictures::kRefreshUp);
}

void frmMain::createPreviewFrame() {
    fraPreview = place<toolkit::Frame>(window_.get(), 705, 1350, 10000, 6915);
    fraPreview->setBackColor(kGrey);
    fraPreview->setCaption(QStringLiteral("&H00C0C0C0&"));
    fraPreview->setVisible(false);

    Shape2 = place<toolkit::Shape>(fraPreview, 30, 45, 9930, 6835);
    Shape2->setFillColor(kGrey);
    Shape2->setBorderColor(kCyan);
    Shape2->setBorderWidth(1);
    imgRotate = place<toolkit::ImageControl>(fraPreview, 4395, 6450, 1125, 375);
    SetButtonPicture(imgRotate, ButtonPictures::kRotateUp);
    imgXPreview = place<toolkit::ImageControl>(fraPreview, 9525, 6450, 375, 375);
    SetButtonPicture(imgXPreview, ButtonPictures::kXUp);
    Plotter = place<toolkit::PictureBox>(fraPreview, 90, 105, 9810, 6300);
    Plotter->setBackColor(kBlack);
    Plotter->Cls();
}

void frmMain::createMessageFrame() {
    fraMessage = place<toolkit::Frame>(window_.get(), 3885, 3630, 3270, 1065);
    fraMessage->setBackColor(kBlack);
    fraMessage->setVisible(false);

    Shape1 = place<toolkit::Shape>(fraMessage, 30, 45, 3195, 960);
    Shape1->setFillColor(kBlue);
    Shape1->setBorderColor(kBlue);
    lblMessage1 = messageLine(fraMessage, 150);
    lblMessage2 = messageLine(fraMessage, 630);
}

bool frmMain::createCardArrays(QString* error) {
    const toolkit::CardArray::EventIds ids{tessel::DIID___Tessel, tessel::DISPID_MouseDown,
                                           tessel::DISPID_Click};
    TesselFiles = std::make_unique<toolkit::CardArray>(QStringLiteral("TesselFiles"),
                                                       QString::fromLatin1(tessel::kProgId), ids,
                                                       window_.get(), drag);
    TesselGarmin = std::make_unique<toolkit::CardArray>(QStringLiteral("TesselGarmin"),
                                                        QString::fromLatin1(tessel::kProgId), ids,
                                                        window_.get(), drag);
    const struct {
        toolkit::CardArray* array;
        int left;
    } arrays[] = {{TesselFiles.get(), 420}, {TesselGarmin.get(), 6315}};
    for (const auto& [array, left] : arrays) {
        QString reason;
        const com::HRESULT status = array->Load(1, &reason);
        if (com::FAILED(status)) {
            if (error) {
                const QString regsvr = registrationTool(programFolder_);
                const QString library = programFolder_ + QStringLiteral("/libtessel.so");
                *error = QCoreApplication::translate(
                             "StartUp", "The card control \"%1\" cannot be created: it is not "
                                        "registered or its library is missing.\n\n%2\n\n"
                                        "Register it, then start the program again:\n%3 %4")
                             .arg(QString::fromLatin1(tessel::kProgId), reason, regsvr, library);
            }
            return false;
        }
        toolkit::CardElement* card = array->item(1);
        // The card keeps its own extent of 310 x 114 pixels (4650 x 1710 twips).
        card->Move(left, 1260, 4650, 1710);
        card->setVisible(false);
    }
    return true;
}

void frmMain::arrangeStacking() {
    // Front to back. Frames, the scroll bars and the cards own windows of their own and lie above
    // every label, image and shape; among the others the order below holds.
    QWidget* const frontToBack[] = {
        fraPreview,
        TesselGarmin->item(1)->widget(),
        TesselFiles->item(1)->widget(),
        VScrollGarmin,
        fraMessage,
        VScrollFiles,
        lblVersion,
        imgMin,
        imgX,
        Label1,
        lblLocalFiles,
        imgGarminCardsArea,
        imgFilesCardsArea,
        imgRefreshGarmin,
        imgRefreshFiles,
        imgFindGarmin,
        imgChangeGarmin,
        imgChangeDir,
        lblFileDir,
        imgGarminFiles,
        imgLocalFiles,
        shpGarmin,
        shpFiles,
        lblGarminDir,
    };
    for (auto it = std::rbegin(frontToBack); it != std::rend(frontToBack); ++it) {
        if (*it)
            (*it)->raise();
    }
    for (QWidget* w : {static_cast<QWidget*>(Shape2), static_cast<QWidget*>(imgRotate),
                       static_cast<QWidget*>(imgXPreview), static_cast<QWidget*>(Plotter)})
        w->raise();
    for (QWidget* w : {static_cast<QWidget*>(Shape1), static_cast<QWidget*>(lblMessage1),
                       static_cast<QWidget*>(lblMessage2)})
        w->raise();
}

void frmMain::arrangeTabOrder() {
    // The buttons follow the panes in reading order; the preview's are reached while it shows.
    QWidget* const order[] = {VScrollFiles,
                              VScrollGarmin,
                              TesselFiles->item(1)->widget(),
                              TesselGarmin->item(1)->widget(),
                              Plotter,
                              imgChangeDir,
                              imgRefreshFiles,
                              imgChangeGarmin,
                              imgFindGarmin,
                              imgRefreshGarmin,
                              imgMin,
                              imgX,
                              imgRotate,
                              imgXPreview};
    QWidget* previous = nullptr;
    for (QWidget* w : order) {
        if (!w)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}
