#include "cardctl/tessel_control.h"

#include "cardctl/background_picture.h"
#include "cardctl/card_widget.h"
#include "cardctl/picture_holder.h"
#include "cardctl/rectangle_outline.h"
#include "cardctl/text_line.h"
#include "platform/gdi/system_colours.h"
#include "platform/picture/ole_colour.h"
#include "platform/picture/picture_file.h"

#include <optional>
#include <QApplication>
#include <QFile>
#include <QFileInfo>

namespace tessel {

namespace {

// The design values of the card's parts, which the card's state starts from.
constexpr OLE_COLOR kDesignBackColor = 0x80000004;
constexpr OLE_COLOR kDesignTextColor = 0x00FFFF00;
constexpr OLE_COLOR kThumbnailFrameColour = 0x80000008;

// Where the thumbnail goes in the persistent image.
constexpr int kThumbnailLeft = 6;
constexpr int kThumbnailTop = 6;
constexpr int kThumbnailSize = 100;

} // namespace

TesselControl::TesselControl(com::ServerModule& module)
    : ComObject(&module)
    , module_(module)
    , events_(com::ConnectionPoint::create(DIID___Tessel))
    , image_(kCardWidth, kCardHeight) {
    // Every card starts from its parts' design values; no stored property set is read.
    TextColorLine.fill(kDesignTextColor);
    BackColor = kDesignBackColor;
}

TesselControl::~TesselControl() {
    events_->disconnectAll();
    destroyWidget();
}

HRESULT TesselControl::initialise() {
    if (!image_.isValid())
        return com::E_OUTOFMEMORY;
    gdi::COLORREF back = 0;
    gdi::OleTranslateColor(BackColor, &back);
    image_.fill(QRect(0, 0, kCardWidth, kCardHeight), back);
    image_.drawPicture(backgroundPicture(), QPoint(0, 0));
    return com::S_OK;
}

HRESULT TesselControl::putDataLine(int line, QString* value) {
    if (!value)
        return com::E_POINTER;
    DataLine[static_cast<std::size_t>(line)] = *value;
    if (widget_)
        widget_->line(line)->setText(*value);
    return com::S_OK;
}

HRESULT TesselControl::getDataLine(int line, QString* value) {
    if (!value)
        return com::E_POINTER;
    *value = DataLine[static_cast<std::size_t>(line)];
    return com::S_OK;
}

HRESULT TesselControl::put_ImageFile(QString* value) {
    if (!value)
        return com::E_POINTER;
    ImageFile = *value;
    return com::S_OK;
}

HRESULT TesselControl::get_ImageFile(QString* value) {
    if (!value)
        return com::E_POINTER;
    *value = ImageFile;
    return com::S_OK;
}

HRESULT TesselControl::put_BackColor(OLE_COLOR* value) {
    if (!value)
        return com::E_POINTER;
    BackColor = *value;
    gdi::COLORREF rgb = 0;
    if (!gdi::OleTranslateColor(*value, &rgb))
        return com::CTL_E_INVALIDPROPERTYVALUE;
    // The colour shows where the background picture does not reach; a thumbnail already
    // copied in stays.
    image_.fill(QRect(0, kBackgroundHeight, kCardWidth, kCardHeight - kBackgroundHeight), rgb);
    if (widget_)
        widget_->update();
    return com::S_OK;
}

HRESULT TesselControl::get_BackColor(OLE_COLOR* value) {
    if (!value)
        return com::E_POINTER;
    *value = BackColor;
    return com::S_OK;
}

HRESULT TesselControl::putTextColor(int line, OLE_COLOR* value) {
    if (!value)
        return com::E_POINTER;
    TextColorLine[static_cast<std::size_t>(line)] = *value;
    const std::optional<QColor> colour = qColorFromOle(*value);
    if (!colour)
        return com::CTL_E_INVALIDPROPERTYVALUE;
    if (widget_)
        widget_->line(line)->setColour(*colour);
    return com::S_OK;
}

HRESULT TesselControl::getTextColor(int line, OLE_COLOR* value) {
    if (!value)
        return com::E_POINTER;
    *value = TextColorLine[static_cast<std::size_t>(line)];
    return com::S_OK;
}

HRESULT TesselControl::put_Selected(com::VARIANT_BOOL* value) {
    if (!value)
        return com::E_POINTER;
    Selected = *value;
    if (widget_)
        widget_->selectionFrame()->setVisible(Selected != com::VARIANT_FALSE);
    return com::S_OK;
}

HRESULT TesselControl::get_Selected(com::VARIANT_BOOL* value) {
    if (!value)
        return com::E_POINTER;
    *value = Selected;
    return com::S_OK;
}

HRESULT TesselControl::LoadImageFromFile(std::int32_t* result) {
    if (!result)
        return com::E_POINTER;
    *result = 0;
    const QFileInfo file(ImageFile);
    if (ImageFile.isEmpty() || !file.isFile() || file.isHidden())
        return com::S_OK;
    // A file cut short is no picture: its missing pixels would show what memory held.
    const QImage picture = ReadPictureFile(QFile::encodeName(ImageFile).toStdString());
    if (picture.isNull())
        return com::CTL_E_INVALIDPICTURE;
    // ItemImage shows the picture unscaled from its corner; what lies beyond the card's edge
    // is never seen, so it is not kept.
    const QRect visible(0, 0, kCardWidth - PictureHolder::kDesignGeometry.left(),
                        kCardHeight - PictureHolder::kDesignGeometry.top());
    itemPicture_ =
        picture.copy(visible & picture.rect()).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (widget_)
        widget_->itemImage()->setPicture(itemPicture_);
    *result = 1;
    return com::S_OK;
}

HRESULT TesselControl::BltImageFromContext(std::int32_t* hDC, com::VARIANT* lngSrcXStart,
                                           com::VARIANT* lngSrcYStart, std::int32_t* result) {
    if (!hDC || !result)
        return com::E_POINTER;
    *result = 0;
    // A source position that is not a number is an error of the copy step: the result is 0.
    std::int32_t sourceX = 0;
    std::int32_t sourceY = 0;
    if (lngSrcXStart && !com::isMissing(*lngSrcXStart) &&
        com::FAILED(com::toI4(*lngSrcXStart, &sourceX)))
        return com::S_OK;
    if (lngSrcYStart && !com::isMissing(*lngSrcYStart) &&
        com::FAILED(com::toI4(*lngSrcYStart, &sourceY)))
        return com::S_OK;
    // A context that is not valid makes the copy fail by itself, which is not an error: the
    // persistent image keeps its content and the result is 1.
    image_.copyBlock(*hDC, QPoint(sourceX, sourceY),
                     QRect(kThumbnailLeft, kThumbnailTop, kThumbnailSize, kThumbnailSize));
    if (widget_)
        widget_->repaint();
    *result = 1;
    return com::S_OK;
}

HRESULT TesselControl::FindConnectionPoint(const com::IID& iid, com::IConnectionPoint** out) {
    if (!out)
        return com::E_POINTER;
    *out = nullptr;
    if (iid != DIID___Tessel)
        return com::CONNECT_E_NOCONNECTION;
    return events_->QueryInterface(com::IID_IConnectionPoint, reinterpret_cast<void**>(out));
}

HRESULT TesselControl::GetMiscStatus(std::uint32_t* status) {
    if (!status)
        return com::E_POINTER;
    *status = kMiscStatus;
    return com::S_OK;
}

HRESULT TesselControl::SetParentWidget(QWidget* parent) {
    if (!parent) {
        destroyWidget();
        return com::S_OK;
    }
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return com::E_UNEXPECTED;
    if (widget_) {
        if (widget_->parentWidget() != parent) {
            widget_->setParent(parent);
            widget_->hide();
        }
        return com::S_OK;
    }
    widget_ = new CardWidget(module_, &image_, this, parent);
    widget_->hide();
    showStateInWidget();
    return com::S_OK;
}

HRESULT TesselControl::GetWidget(QWidget** widget) {
    if (!widget)
        return com::E_POINTER;
    *widget = widget_.data();
    return widget_ ? com::S_OK : com::S_FALSE;
}

HRESULT TesselControl::Move(std::int32_t left, std::int32_t top, std::int32_t width,
                            std::int32_t height) {
    if (!widget_)
        return com::E_UNEXPECTED;
    // The card keeps its fixed size: any other size snaps back to 310 x 114.
    widget_->setGeometry(left, top, width, height);
    return com::S_OK;
}

HRESULT TesselControl::Show(bool visible) {
    if (!widget_)
        return com::E_UNEXPECTED;
    widget_->setVisible(visible);
    return com::S_OK;
}

void TesselControl::showStateInWidget() {
    for (int i = 0; i < 4; ++i) {
        TextLine* line = widget_->line(i);
        line->setText(DataLine[static_cast<std::size_t>(i)]);
        std::optional<QColor> colour = qColorFromOle(TextColorLine[static_cast<std::size_t>(i)]);
        if (!colour)
            colour = qColorFromOle(kDesignTextColor);
        if (colour)
            line->setColour(*colour);
    }
    widget_->thumbnailFrame()->setLineColour(
        qColorFromOle(kThumbnailFrameColour).value_or(QColor()));
    widget_->selectionFrame()->setVisible(Selected != com::VARIANT_FALSE);
    if (!itemPicture_.isNull())
        widget_->itemImage()->setPicture(itemPicture_);
}

void TesselControl::destroyWidget() {
    CardWidget* widget = widget_.data();
    widget_.clear();
    if (!widget)
        return;
    widget->detach();
    widget->hide();
    // Inside a host's handler for the widget's own input the widget must outlive the call;
    // it keeps the library loaded until it is gone.
    if (widget->isRaisingEvent())
        widget->deleteLater();
    else
        delete widget;
}

void TesselControl::raiseMouseEvent(DISPID event, std::int16_t button, std::int16_t shift, float x,
                                    float y) {
    // A handler may release the host's last reference to this card.
    AddRef();
    const com::ComPtr<TesselControl> keepAlive = com::ComPtr<TesselControl>::attach(this);
    std::int16_t buttonArgument = button;
    std::int16_t shiftArgument = shift;
    float xArgument = x;
    float yArgument = y;
    com::VARIANT arguments[] = {com::variantByRef(&yArgument), com::variantByRef(&xArgument),
                                com::variantByRef(&shiftArgument),
                                com::variantByRef(&buttonArgument)};
    com::DISPPARAMS params{arguments, nullptr, 4, 0};
    events_->fire(event, params);
}

void TesselControl::raiseClick() {
    AddRef();
    const com::ComPtr<TesselControl> keepAlive = com::ComPtr<TesselControl>::attach(this);
    com::DISPPARAMS params;
    events_->fire(DISPID_Click, params);
}

} // namespace tessel
