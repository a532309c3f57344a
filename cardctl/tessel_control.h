// The card control Tessel: the object a host creates. It keeps the card's state and
// persistent image, implements the dual interface _Tessel (by DISPID and by direct call),
// raises the events of __Tessel through its connection point, and hands its widget to the
// container. The widget may come and go (a container may destroy it with its window); the
// state and the picture stay with the object.
#pragma once

#include "cardctl/card_events.h"
#include "cardctl/persistent_image.h"
#include "cardctl/tessel_interface.h"
#include "platform/com/com_object.h"
#include "platform/com/com_ptr.h"
#include "platform/com/connection_point.h"

#include <array>
#include <QImage>
#include <QPointer>

namespace tessel {

class CardWidget;

class TesselControl final
    : public com::ComObject<TesselControl, _Tessel, com::IConnectionPointContainer,
                            com::IWidgetControl>,
      private CardEvents {
public:
    explicit TesselControl(com::ServerModule& module);
    ~TesselControl() override;
    // Fails when the drawing layer cannot give the persistent image.
    HRESULT initialise();

    // IDispatch
    HRESULT GetTypeInfoCount(std::uint32_t* count) override;
    HRESULT GetTypeInfo(std::uint32_t index, com::LCID locale, com::ITypeInfo** out) override;
    HRESULT GetIDsOfNames(const com::IID& iid, const QString* names, std::uint32_t count,
                          com::LCID locale, DISPID* ids) override;
    HRESULT Invoke(DISPID member, const com::IID& iid, com::LCID locale, std::uint16_t flags,
                   com::DISPPARAMS* params, com::VARIANT* result, com::EXCEPINFO* exception,
                   std::uint32_t* argError) override;

    // _Tessel
    HRESULT put_DataLine1(QString* value) override { return putDataLine(0, value); }
    HRESULT put_DataLine2(QString* value) override { return putDataLine(1, value); }
    HRESULT put_DataLine3(QString* value) override { return putDataLine(2, value); }
    HRESULT put_DataLine4(QString* value) override { return putDataLine(3, value); }
    HRESULT put_ImageFile(QString* value) override;
    HRESULT get_DataLine1(QString* value) override { return getDataLine(0, value); }
    HRESULT get_DataLine2(QString* value) override { return getDataLine(1, value); }
    HRESULT get_DataLine3(QString* value) override { return getDataLine(2, value); }
    HRESULT get_DataLine4(QString* value) override { return getDataLine(3, value); }
    HRESULT get_ImageFile(QString* value) override;
    HRESULT put_BackColor(OLE_COLOR* value) override;
    HRESULT get_BackColor(OLE_COLOR* value) override;
    HRESULT put_TextColorLine1(OLE_COLOR* value) override { return putTextColor(0, value); }
    HRESULT get_TextColorLine1(OLE_COLOR* value) override { return getTextColor(0, value); }
    HRESULT put_TextColorLine2(OLE_COLOR* value) override { return putTextColor(1, value); }
    HRESULT get_TextColorLine2(OLE_COLOR* value) override { return getTextColor(1, value); }
    HRESULT put_TextColorLine3(OLE_COLOR* value) override { return putTextColor(2, value); }
    HRESULT get_TextColorLine3(OLE_COLOR* value) override { return getTextColor(2, value); }
    HRESULT put_TextColorLine4(OLE_COLOR* value) override { return putTextColor(3, value); }
    HRESULT get_TextColorLine4(OLE_COLOR* value) override { return getTextColor(3, value); }
    HRESULT put_Selected(com::VARIANT_BOOL* value) override;
    HRESULT get_Selected(com::VARIANT_BOOL* value) override;
    HRESULT LoadImageFromFile(std::int32_t* result) override;
    HRESULT BltImageFromContext(std::int32_t* hDC, com::VARIANT* lngSrcXStart,
                                com::VARIANT* lngSrcYStart, std::int32_t* result) override;

    // IConnectionPointContainer
    HRESULT FindConnectionPoint(const com::IID& iid, com::IConnectionPoint** out) override;

    // IWidgetControl
    HRESULT GetMiscStatus(std::uint32_t* status) override;
    HRESULT SetParentWidget(QWidget* parent) override;
    HRESULT GetWidget(QWidget** widget) override;
    HRESULT Move(std::int32_t left, std::int32_t top, std::int32_t width,
                 std::int32_t height) override;
    HRESULT Show(bool visible) override;

private:
    HRESULT putDataLine(int line, QString* value);
    HRESULT getDataLine(int line, QString* value);
    HRESULT putTextColor(int line, OLE_COLOR* value);
    HRESULT getTextColor(int line, OLE_COLOR* value);
    // Makes the widget show the whole state, after it was made.
    void showStateInWidget();
    void destroyWidget();

    // CardEvents
    void raiseMouseEvent(DISPID event, std::int16_t button, std::int16_t shift, float x,
                         float y) override;
    void raiseClick() override;

    com::ServerModule& module_;
    com::ComPtr<com::ConnectionPoint> events_;
    PersistentImage image_;
    QPointer<CardWidget> widget_;

    // The card's state, in the order of its declaration.
    com::VARIANT_BOOL Selected = com::VARIANT_FALSE;
    std::array<QString, 4> DataLine;
    OLE_COLOR BackColor = 0;
    std::array<OLE_COLOR, 4> TextColorLine{};
    QString ImageFile;
    // The picture LoadImageFromFile put into ItemImage.
    QImage itemPicture_;
};

} // namespace tessel
