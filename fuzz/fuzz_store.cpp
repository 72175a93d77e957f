// Feeds arbitrary bytes to the store's two ways in: a profile file imported from elsewhere, and
// a store file of our own that something else has changed (profile, macro and advanced-key
// reads, then a write). The store serves its files from memory here: no file I/O per input.
#include "cquelmoxml.h"
#include "xmlstore.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void put(const QByteArray &path, const uint8_t *data, size_t size)
{
    XmlStore::instance().putMemoryFile(
        path.constData(), QByteArray(reinterpret_cast<const char *>(data), static_cast<int>(size)));
}

const char kTarget[] = "<tidelumen version=\"1\" currentProfile=\"1\"><profile index=\"1\"><name>P</name>"
                       "</profile></tidelumen>";

void readEverything(const char *p)
{
    CQuelmoXML_GetCreateXMLFileProfileIndex(p);
    ProfileNodeList profiles;
    CQuelmoXML_SelectProFileAllNodes(p, &profiles);
    for (const auto &[index, name] : profiles) {
        const char *i = index.c_str();
        ProfileNodeInfo info;
        CQuelmoXML_SelectProfileNodeInfo(p, i, &info);
        QStringList codes;
        CQuelmoXML_ProFileKeyInfoSelectAll(p, i, &codes);
        for (const QString &code : codes) {
            KeyOperateInfo item;
            resetKeyOperateInfo(item);
            if (CQuelmoXML_SelectProFileKeyOperateInfo(p, i, code.toLatin1().constData(), &item) &&
                std::strcmp(item.type, "1") == 0) {
                QList<MacroEventRecord> events;
                CQuelmoXML_ProFileMacroWithKeyInfoSelectAll(p, i, item.value, "", &events);
                CQuelmoXML_GetProFileValueNum(p, i, "1", item.value);
            }
        }
        QList<CustomLightNode> schemes;
        CQuelmoXML_SelectProFileCustomLightAllNodes(p, i, &schemes);
        for (const CustomLightNode &s : schemes) {
            QList<CustomLightItem> items;
            CQuelmoXML_ProFileCustomLightInfoSelectAll(p, i, s.index, &items);
        }
        for (int target = 0; target < 3; ++target) {
            const int type = CQuelmoXML_SelectProFileMouseLightTypeUsingIndex(p, i, target);
            int values[14];
            CQuelmoXML_SelectProfileColorDataInfo(p, i, target, type, values);
        }
        CQuelmoXML_SelectProFileLightTypeRuningStatus(p, i);
        CQuelmoXML_SelectProFileLightSynchronizeStatus(p, i);
        char switches[4][8] = {"0", "0", "0", "0"};
        CQuelmoXML_GetProFileFunctionInfo(p, i, switches);
        int light = 0, keyboard = 0;
        CQuelmoXML_GetProFileIntoSleepTimeInfo(p, i, &light, &keyboard);
    }
    std::vector<MacroNode> macros;
    CQuelmoXML_SelectMacroAllNodes(p, &macros);
    for (const MacroNode &m : macros) {
        QList<MacroEventRecord> events;
        CQuelmoXML_SelectAllKeyOrMouseEvent(p, m.index.c_str(), &events);
    }
    QList<SeniorKeyInfoStu> seniorKeys;
    CQuelmoXML_SeniorKey_SelectAllInfoItem(p, &seniorKeys);
}

// The store reports every unusable file; thousands of runs a second need no such lines.
void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

void dropBackups()
{
    XmlStore::instance().takeMovedAside();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QtMessageHandler previous = qInstallMessageHandler(quiet);
    (void)previous;
    static const bool memory = (XmlStore::instance().setMemoryFilesForTesting(true), true);
    (void)memory;
    static const QByteArray source("/fuzz/import.xml");
    static const QByteArray target("/fuzz/target.xml");
    static const QByteArray store("/fuzz/store.xml");

    // Import: either the profile is refused and the target is unchanged, or it is added and the
    // target still reads back as a store.
    put(target, reinterpret_cast<const uint8_t *>(kTarget), sizeof kTarget - 1);
    put(source, data, size);
    if (CQuelmoXML_ProFileImport(target, source, "1")) {
        XmlStore::instance().clearCache();
        if (!CQuelmoXML_IsExistenceSelectProfileNode(target, "2"))
            std::abort();
        readEverything(target.constData());
    }

    // Our own store file, changed behind our back.
    put(store, data, size);
    readEverything(store.constData());
    QList<CustomLightItem> items;
    CQuelmoXML_XmlCustomLightInfoSelectAll(store.constData(), "0", &items);
    ProfileNodeList profiles;
    if (CQuelmoXML_SelectProFileAllNodes(store.constData(), &profiles) && !profiles.empty()) {
        const char *i = profiles.front().first.c_str();
        if (CQuelmoXML_AddProFileMacroWithKeyInfoItem(store.constData(), i, "4", "A", "6", "1", "1",
                                                      "x\ny")) {
            XmlStore::instance().clearCache();
            KeyOperateInfo item;
            resetKeyOperateInfo(item);
            if (!CQuelmoXML_SelectProFileKeyOperateInfo(store.constData(), i, "4", &item) ||
                std::strcmp(item.value, "x\ny") != 0)
                std::abort();
        }
    }
    dropBackups();
    return 0;
}
