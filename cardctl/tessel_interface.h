// The contract between the card control library Tessel and its hosts: identities, member
// numbers and the direct-call interface. A host includes this file, the way a program imports
// a type library, and creates cards by the programmatic identifier through the component
// model; it never links the library. The identifiers are fixed and never change.
#pragma once

#include "platform/com/interface_traits.h"

namespace tessel {

using com::DISPID;
using com::HRESULT;

inline constexpr const char* kProgId = "Project1.Tessel";

// {C7651AB5-C0B1-4895-8DD7-1C7B99695E12}
inline constexpr com::CLSID CLSID_Tessel{
    0xC7651AB5, 0xC0B1, 0x4895, {0x8D, 0xD7, 0x1C, 0x7B, 0x99, 0x69, 0x5E, 0x12}};
// _Tessel, the dual default interface: {6A0415FE-BB58-4699-A74A-379DE4F4EBAE}
inline constexpr com::IID IID__Tessel{
    0x6A0415FE, 0xBB58, 0x4699, {0xA7, 0x4A, 0x37, 0x9D, 0xE4, 0xF4, 0xEB, 0xAE}};
// __Tessel, the dispatch-only event interface: {6C956BD7-ADE5-43D1-956F-EC9B7B42351D}
inline constexpr com::IID DIID___Tessel{
    0x6C956BD7, 0xADE5, 0x43D1, {0x95, 0x6F, 0xEC, 0x9B, 0x7B, 0x42, 0x35, 0x1D}};
// The type library "Project1" 1.0: {8964BEC7-52F5-4625-A7AD-ECAED7473042}
inline constexpr com::GUID LIBID_Project1{
    0x8964BEC7, 0x52F5, 0x4625, {0xA7, 0xAD, 0xEC, 0xAE, 0xD7, 0x47, 0x30, 0x42}};

// Properties of _Tessel.
inline constexpr DISPID DISPID_DataLine1 = 0x6803000A;
inline constexpr DISPID DISPID_DataLine2 = 0x68030009;
inline constexpr DISPID DISPID_DataLine3 = 0x68030008;
inline constexpr DISPID DISPID_DataLine4 = 0x68030007;
inline constexpr DISPID DISPID_ImageFile = 0x68030006;
inline constexpr DISPID DISPID_BackColor = 0x68030005;
inline constexpr DISPID DISPID_TextColorLine1 = 0x68030004;
inline constexpr DISPID DISPID_TextColorLine2 = 0x68030003;
inline constexpr DISPID DISPID_TextColorLine3 = 0x68030002;
inline constexpr DISPID DISPID_TextColorLine4 = 0x68030001;
inline constexpr DISPID DISPID_Selected = 0x68030000;
// Methods of _Tessel.
// LoadImageFromFile() As Long
inline constexpr DISPID DISPID_LoadImageFromFile = 0x6003000B;
// BltImageFromContext(hDC As Long, Optional lngSrcXStart = 0, Optional lngSrcYStart = 0) As Long
inline constexpr DISPID DISPID_BltImageFromContext = 0x6003000C;

// Events of __Tessel. MouseMove, MouseDown and MouseUp pass Button (16-bit: 1 left, 2 right,
// 4 middle), Shift (16-bit: 1 Shift, 2 Ctrl, 4 Alt), X and Y (32-bit float, pixels from the
// top-left corner of the part under the pointer), all by reference; Click passes nothing.
inline constexpr DISPID DISPID_MouseMove = 1;
inline constexpr DISPID DISPID_MouseDown = 2;
inline constexpr DISPID DISPID_MouseUp = 3;
inline constexpr DISPID DISPID_Click = 4;

// The card reports this miscellaneous status: set client site first, activate when visible,
// inside-out, cannot link inside, recompose on resize.
inline constexpr std::uint32_t kMiscStatus = 0x00020191;

// Colours are 0x00BBGGRR, or 0x800000nn for system colour nn.
using OLE_COLOR = com::OLE_COLOR;

// The direct-call side of the dual interface: its entries follow IDispatch's in exactly this
// order, which is the binary contract. Every member returns a status and passes its value by
// reference. The optional arguments of BltImageFromContext are variants that may be missing
// (com::variantMissing()) or null.
struct _Tessel : com::IDispatch {
    virtual HRESULT put_DataLine1(QString* value) = 0;
    virtual HRESULT put_DataLine2(QString* value) = 0;
    virtual HRESULT put_DataLine3(QString* value) = 0;
    virtual HRESULT put_DataLine4(QString* value) = 0;
    virtual HRESULT put_ImageFile(QString* value) = 0;
    virtual HRESULT get_DataLine1(QString* value) = 0;
    virtual HRESULT get_DataLine2(QString* value) = 0;
    virtual HRESULT get_DataLine3(QString* value) = 0;
    virtual HRESULT get_DataLine4(QString* value) = 0;
    virtual HRESULT get_ImageFile(QString* value) = 0;
    virtual HRESULT put_BackColor(OLE_COLOR* value) = 0;
    virtual HRESULT get_BackColor(OLE_COLOR* value) = 0;
    virtual HRESULT put_TextColorLine1(OLE_COLOR* value) = 0;
    virtual HRESULT get_TextColorLine1(OLE_COLOR* value) = 0;
    virtual HRESULT put_TextColorLine2(OLE_COLOR* value) = 0;
    virtual HRESULT get_TextColorLine2(OLE_COLOR* value) = 0;
    virtual HRESULT put_TextColorLine3(OLE_COLOR* value) = 0;
    virtual HRESULT get_TextColorLine3(OLE_COLOR* value) = 0;
    virtual HRESULT put_TextColorLine4(OLE_COLOR* value) = 0;
    virtual HRESULT get_TextColorLine4(OLE_COLOR* value) = 0;
    virtual HRESULT put_Selected(com::VARIANT_BOOL* value) = 0;
    virtual HRESULT get_Selected(com::VARIANT_BOOL* value) = 0;
    virtual HRESULT LoadImageFromFile(std::int32_t* result) = 0;
    virtual HRESULT BltImageFromContext(std::int32_t* hDC, com::VARIANT* lngSrcXStart,
                                        com::VARIANT* lngSrcYStart, std::int32_t* result) = 0;

protected:
    ~_Tessel() = default;
};

} // namespace tessel

template <>
struct com::InterfaceTraits<tessel::_Tessel> {
    using Base = com::IDispatch;
    static const IID& iid() { return tessel::IID__Tessel; }
};
