#include "keyfunctionstore.h"

namespace {

// Stand-in until the XML store lands on this branch: finds nothing, so tips show "no function".
class NoKeyFunctionStore final : public KeyFunctionStore
{
public:
    bool selectProFileKeyOperateInfo(const char *, const char *, const char *, KeyOperateInfo *) override
    {
        return false;
    }
    bool selectMacroAllNodes(const char *, std::vector<MacroNode> &) override { return false; }
    bool selectProfileName(const char *, const char *, QString &) override { return false; }
    bool selectAllSeniorKeys(const char *, std::vector<SeniorKeyInfoStu> &) override { return false; }
};

} // namespace

KeyFunctionStore &defaultKeyFunctionStore()
{
    static NoKeyFunctionStore store;
    return store;
}
