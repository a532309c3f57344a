#include "platform/com/com_types.h"

#include <QCoreApplication>

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
    {S_OK, "S_OK", QT_TRANSLATE_NOOP("ComponentModel", "Success")},
    {S_FALSE, "S_FALSE", QT_TRANSLATE_NOOP("ComponentModel", "Success, with a negative answer")},
    {E_NOTIMPL, "E_NOTIMPL", QT_TRANSLATE_NOOP("ComponentModel", "Not implemented")},
    {E_NOINTERFACE, "E_NOINTERFACE",
     QT_TRANSLATE_NOOP("ComponentModel", "No such interface supported")},
    {E_POINTER, "E_POINTER", QT_TRANSLATE_NOOP("ComponentModel", "Invalid pointer")},
    {E_FAIL, "E_FAIL", QT_TRANSLATE_NOOP("ComponentModel", "Unspecified error")},
    {E_UNEXPECTED, "E_UNEXPECTED", QT_TRANSLATE_NOOP("ComponentModel", "Catastrophic failure")},
    {E_ACCESSDENIED, "E_ACCESSDENIED", QT_TRANSLATE_NOOP("ComponentModel", "Access is denied")},
    {E_OUTOFMEMORY, "E_OUTOFMEMORY", QT_TRANSLATE_NOOP("ComponentModel", "Not enough memory")},
    {E_INVALIDARG, "E_INVALIDARG",
     QT_TRANSLATE_NOOP("ComponentModel", "The parameter is incorrect")},
    {CLASS_E_NOAGGREGATION, "CLASS_E_NOAGGREGATION",
     QT_TRANSLATE_NOOP("ComponentModel", "Class does not support aggregation")},
    {CLASS_E_CLASSNOTAVAILABLE, "CLASS_E_CLASSNOTAVAILABLE",
     QT_TRANSLATE_NOOP("ComponentModel", "The library does not provide this class")},
    {REGDB_E_CLASSNOTREG, "REGDB_E_CLASSNOTREG",
     QT_TRANSLATE_NOOP("ComponentModel", "Class not registered")},
    {REGDB_E_WRITEREGDB, "REGDB_E_WRITEREGDB",
     QT_TRANSLATE_NOOP("ComponentModel", "Could not write to the registry")},
    {CO_E_CLASSSTRING, "CO_E_CLASSSTRING",
     QT_TRANSLATE_NOOP("ComponentModel", "Invalid class string")},
    {CO_E_DLLNOTFOUND, "CO_E_DLLNOTFOUND",
     QT_TRANSLATE_NOOP("ComponentModel", "The class's library could not be found")},
    {CO_E_ERRORINDLL, "CO_E_ERRORINDLL",
     QT_TRANSLATE_NOOP("ComponentModel", "The class's library could not be used")},
    {DISP_E_UNKNOWNINTERFACE, "DISP_E_UNKNOWNINTERFACE",
     QT_TRANSLATE_NOOP("ComponentModel", "Unknown interface")},
    {DISP_E_MEMBERNOTFOUND, "DISP_E_MEMBERNOTFOUND",
     QT_TRANSLATE_NOOP("ComponentModel", "Member not found")},
    {DISP_E_PARAMNOTFOUND, "DISP_E_PARAMNOTFOUND",
     QT_TRANSLATE_NOOP("ComponentModel", "Parameter not found")},
    {DISP_E_TYPEMISMATCH, "DISP_E_TYPEMISMATCH",
     QT_TRANSLATE_NOOP("ComponentModel", "Type mismatch")},
    {DISP_E_UNKNOWNNAME, "DISP_E_UNKNOWNNAME", QT_TRANSLATE_NOOP("ComponentModel", "Unknown name")},
    {DISP_E_EXCEPTION, "DISP_E_EXCEPTION",
     QT_TRANSLATE_NOOP("ComponentModel", "Exception occurred")},
    {DISP_E_OVERFLOW, "DISP_E_OVERFLOW",
     QT_TRANSLATE_NOOP("ComponentModel", "Out of present range")},
    {DISP_E_BADPARAMCOUNT, "DISP_E_BADPARAMCOUNT",
     QT_TRANSLATE_NOOP("ComponentModel", "Invalid number of parameters")},
    {CONNECT_E_NOCONNECTION, "CONNECT_E_NOCONNECTION",
     QT_TRANSLATE_NOOP("ComponentModel", "No such connection")},
    {SELFREG_E_CLASS, "SELFREG_E_CLASS",
     QT_TRANSLATE_NOOP("ComponentModel", "Failed to register or unregister the class")},
    {CONNECT_E_CANNOTCONNECT, "CONNECT_E_CANNOTCONNECT",
     QT_TRANSLATE_NOOP("ComponentModel", "The sink does not support the outgoing interface")},
    {CTL_E_FILENOTFOUND, "CTL_E_FILENOTFOUND",
     QT_TRANSLATE_NOOP("ComponentModel", "File not found")},
    {CTL_E_INVALIDPROPERTYVALUE, "CTL_E_INVALIDPROPERTYVALUE",
     QT_TRANSLATE_NOOP("ComponentModel", "Invalid property value")},
    {CTL_E_INVALIDPICTURE, "CTL_E_INVALIDPICTURE",
     QT_TRANSLATE_NOOP("ComponentModel", "Invalid picture")},
};

} // namespace

QString describeHResult(HRESULT hr) {
    const QString code = QString::asprintf("0x%08X", static_cast<unsigned>(hr));
    for (const KnownStatus& known : kKnownStatuses) {
        if (known.code == hr)
            return QStringLiteral("%1 (%2): %3")
                .arg(QLatin1String(known.name), code,
                     QCoreApplication::translate("ComponentModel", known.text));
    }
    return QStringLiteral("status %1").arg(code);
}

} // namespace com
