#include "platform/com/com_types.h"

namespace com {

namespace {

struct KnownStatus {
    HRESULT code;
    const char* name;
    const char* text;
};

// One entry per code; where the component model gives two names to one value, the one this
// system returns is listed.
constexpr KnownStatus kKnownStatuses[] = {
    {S_OK, "S_OK", "Success"},
    {S_FALSE, "S_FALSE", "Success, with a negative answer"},
    {E_NOTIMPL, "E_NOTIMPL", "Not implemented"},
    {E_NOINTERFACE, "E_NOINTERFACE", "No such interface supported"},
    {E_POINTER, "E_POINTER", "Invalid pointer"},
    {E_FAIL, "E_FAIL", "Unspecified error"},
    {E_UNEXPECTED, "E_UNEXPECTED", "Catastrophic failure"},
    {E_ACCESSDENIED, "E_ACCESSDENIED", "Access is denied"},
    {E_OUTOFMEMORY, "E_OUTOFMEMORY", "Not enough memory"},
    {E_INVALIDARG, "E_INVALIDARG", "The parameter is incorrect"},
    {CLASS_E_NOAGGREGATION, "CLASS_E_NOAGGREGATION", "Class does not support aggregation"},
    {CLASS_E_CLASSNOTAVAILABLE, "CLASS_E_CLASSNOTAVAILABLE",
     "The library does not provide this class"},
    {REGDB_E_CLASSNOTREG, "REGDB_E_CLASSNOTREG", "Class not registered"},
    {REGDB_E_WRITEREGDB, "REGDB_E_WRITEREGDB", "Could not write to the registry"},
    {CO_E_CLASSSTRING, "CO_E_CLASSSTRING", "Invalid class string"},
    {CO_E_DLLNOTFOUND, "CO_E_DLLNOTFOUND", "The class's library could not be found"},
    {CO_E_ERRORINDLL, "CO_E_ERRORINDLL", "The class's library could not be used"},
    {DISP_E_UNKNOWNINTERFACE, "DISP_E_UNKNOWNINTERFACE", "Unknown interface"},
    {DISP_E_MEMBERNOTFOUND, "DISP_E_MEMBERNOTFOUND", "Member not found"},
    {DISP_E_PARAMNOTFOUND, "DISP_E_PARAMNOTFOUND", "Parameter not found"},
    {DISP_E_TYPEMISMATCH, "DISP_E_TYPEMISMATCH", "Type mismatch"},
    {DISP_E_UNKNOWNNAME, "DISP_E_UNKNOWNNAME", "Unknown name"},
    {DISP_E_EXCEPTION, "DISP_E_EXCEPTION", "Exception occurred"},
    {DISP_E_OVERFLOW, "DISP_E_OVERFLOW", "Out of present range"},
    {DISP_E_BADPARAMCOUNT, "DISP_E_BADPARAMCOUNT", "Invalid number of parameters"},
    {CONNECT_E_NOCONNECTION, "CONNECT_E_NOCONNECTION", "No such connection"},
    {SELFREG_E_CLASS, "SELFREG_E_CLASS", "Failed to register or unregister the class"},
    {CONNECT_E_CANNOTCONNECT, "CONNECT_E_CANNOTCONNECT",
     "The sink does not support the outgoing interface"},
    {CTL_E_FILENOTFOUND, "CTL_E_FILENOTFOUND", "File not found"},
    {CTL_E_INVALIDPROPERTYVALUE, "CTL_E_INVALIDPROPERTYVALUE", "Invalid property value"},
    {CTL_E_INVALIDPICTURE, "CTL_E_INVALIDPICTURE", "Invalid picture"},
};

} // namespace

QString describeHResult(HRESULT hr) {
    const QString code = QString::asprintf("0x%08X", static_cast<unsigned>(hr));
    for (const KnownStatus& known : kKnownStatuses) {
        if (known.code == hr)
            return QStringLiteral("%1 (%2): %3")
                .arg(QLatin1String(known.name), code, QLatin1String(known.text));
    }
    return QStringLiteral("status %1").arg(code);
}

} // namespace com
