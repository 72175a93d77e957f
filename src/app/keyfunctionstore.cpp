#include "keyfunctionstore.h"

#include "cquelmoxml.h"
#include "fixedtext.h"
#include "profilenodeinfo.h"

#include <QList>

namespace {

// The SDK's XML store.
class SdkKeyFunctionStore final : public KeyFunctionStore
{
public:
    bool selectProFileKeyOperateInfo(const char *profilePath, const char *profileIndex, const char *keyCode,
                                     KeyOperateInfo *info) override
    {
        return CQuelmoXML_SelectProFileKeyOperateInfo(profilePath, profileIndex, keyCode, info);
    }
    bool selectMacroAllNodes(const char *macroPath, std::vector<MacroNode> &nodes) override
    {
        return CQuelmoXML_SelectMacroAllNodes(macroPath, &nodes);
    }
    bool selectProfileName(const char *profilePath, const char *profileIndex, QString &name) override
    {
        // A zeroed buffer: a profile that is not found must never show leftover bytes.
        ProfileNodeInfo node{};
        if (!CQuelmoXML_SelectProfileNodeInfo(profilePath, profileIndex, &node))
            return false;
        const std::string_view text = fixedtext::view(node.name);
        name = QString::fromUtf8(text.data(), static_cast<int>(text.size()));
        return true;
    }
    bool selectAllSeniorKeys(const char *seniorKeyPath, std::vector<SeniorKeyInfoStu> &keys) override
    {
        QList<SeniorKeyInfoStu> records;
        if (!CQuelmoXML_SeniorKey_SelectAllInfoItem(seniorKeyPath, &records))
            return false;
        keys.assign(records.cbegin(), records.cend());
        return true;
    }
};

} // namespace

KeyFunctionStore &defaultKeyFunctionStore()
{
    static SdkKeyFunctionStore store;
    return store;
}
