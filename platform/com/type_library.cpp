#include "platform/com/type_library.h"

namespace com {

const MemberDescription* InterfaceDescription::member(DISPID id) const {
    for (const MemberDescription& m : members) {
        if (m.id == id)
            return &m;
    }
    return nullptr;
}

const MemberDescription* InterfaceDescription::member(const QString& name) const {
    for (const MemberDescription& m : members) {
        if (name.compare(QLatin1String(m.name), Qt::CaseInsensitive) == 0)
            return &m;
    }
    return nullptr;
}

HRESULT idsOfNames(const InterfaceDescription& description, const QString* names,
                   std::uint32_t count, DISPID* ids) {
    if (count == 0)
        return S_OK;
    if (!names || !ids)
        return E_POINTER;
    const MemberDescription* member = description.member(names[0]);
    ids[0] = member ? member->id : DISPID_UNKNOWN;
    bool allKnown = member != nullptr;
    for (std::uint32_t i = 1; i < count; ++i) {
        ids[i] = DISPID_UNKNOWN;
        if (!member)
            continue;
        for (std::size_t p = 0; p < member->parameters.size(); ++p) {
            if (names[i].compare(QLatin1String(member->parameters[p].name), Qt::CaseInsensitive) ==
                0)
                ids[i] = static_cast<DISPID>(p);
        }
        allKnown = allKnown && ids[i] != DISPID_UNKNOWN;
    }
    return allKnown ? S_OK : DISP_E_UNKNOWNNAME;
}

} // namespace com
