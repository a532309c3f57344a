// The contract of the test server library: a small control with a property, a method with an
// optional argument and an event with a by-reference argument, created through the component
// model exactly like the card.
#pragma once

#include "platform/com/com_types.h"

namespace counter {

inline constexpr const char* kProgId = "MotorhallTest.Counter";
inline constexpr com::CLSID CLSID_Counter{
    0x765809AF, 0x0CB8, 0x4D27, {0x92, 0x9F, 0xD8, 0xA1, 0x56, 0x0E, 0xE8, 0x8F}};
inline constexpr com::IID IID_ICounter{
    0x88164C4A, 0x71EE, 0x4EF1, {0x8D, 0x75, 0xD3, 0x79, 0x4C, 0xE7, 0x40, 0x90}};
inline constexpr com::IID DIID_CounterEvents{
    0xD0347A65, 0x6959, 0x4B90, {0x8E, 0x68, 0xCA, 0x17, 0x9B, 0xFE, 0xCF, 0x62}};
inline constexpr com::GUID LIBID_CounterLibrary{
    0xE8736D20, 0x9090, 0x4EF4, {0xAF, 0x0A, 0x25, 0xB8, 0xE7, 0xE1, 0x7E, 0x39}};

inline constexpr com::DISPID DISPID_Count = 1;
inline constexpr com::DISPID DISPID_Label = 2;
// Add(amount As Long, Optional times) As Long: adds amount (times times, default 1) and gives
// the new count; before storing it raises Changing(ByRef proposed As Long), whose handler may
// change the value that is stored.
inline constexpr com::DISPID DISPID_Add = 3;
inline constexpr com::DISPID DISPID_Changing = 1;

inline constexpr std::uint32_t kMiscStatus = 0x00020191;

} // namespace counter
