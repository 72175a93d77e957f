// Speed of the XML store on the paths the program uses most: assigning one key (the function
// pages' delete + add, one user action and so one atomic save), reading all items of both layers (the onboard
// download), and listing the profiles. Run with --benchmark_repetitions=N to get medians.
#include "cquelmoxml.h"
#include "storetransaction.h"
#include "xmlstore.h"

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int kKeysPerLayer = 132;

// Fills `path` with `profiles` full profiles: an item for every key, a bound macro, the default
// light items and five custom-light schemes, as a much-used configuration would hold.
void fillLayerFile(const QByteArray &path, int profiles)
{
    CQuelmoXML_CreateXMLFile(path);
    CQuelmoXML_ModifyXMLFileProfileIndex(path, 1);
    for (int p = 1; p <= 1; ++p) {
        const std::string index = std::to_string(p);
        CQuelmoXML_CreateProFileXmlParentNode(path, index.c_str(), ("Profile" + index).c_str(), 0);
        for (int k = 0; k < kKeysPerLayer; ++k) {
            const std::string code = std::to_string(k + 4);
            CQuelmoXML_AddProFileMacroWithKeyInfoItem(path, index.c_str(), code.c_str(), "Key",
                                                      k % 2 ? "0" : "6", "1", "1",
                                                      k % 2 ? "5" : "some typed text\nwith a line break");
        }
        QList<MacroEventRecord> events;
        for (int e = 0; e < 40; ++e) {
            MacroEventRecord r{};
            std::snprintf(r.mark, sizeof r.mark, "%d", e / 2 + 1);
            std::snprintf(r.delay, sizeof r.delay, "%d", 20);
            std::snprintf(r.type, sizeof r.type, "key");
            std::snprintf(r.keyCode, sizeof r.keyCode, "%d", 4 + e / 2);
            std::snprintf(r.codeName, sizeof r.codeName, "K");
            std::snprintf(r.operateExplain, sizeof r.operateExplain, e % 2 ? "up" : "down");
            events.append(r);
        }
        CQuelmoXML_AddProFileBindMacroItem(path, index.c_str(), events, "1", "Macro1");
        for (int target = 0; target < 3; ++target) {
            colorInfoData d{};
            d.hidType = target;
            d.ledType = 2;
            CQuelmoXML_AddProFileLightInfoItem(path, index.c_str(), d);
        }
        for (int s = 0; s < 5; ++s) {
            const std::string scheme = std::to_string(s);
            CQuelmoXML_AddProFileCustomLightNode(path, index.c_str(), scheme.c_str(), "Scheme", "UnUsing",
                                                 -1);
        }
        for (int k = 0; k < 60; ++k) {
            CustomLightItem item{};
            std::snprintf(item.keyCode, sizeof item.keyCode, "%d", k + 4);
            std::snprintf(item.codeName, sizeof item.codeName, "K");
            item.indexX = k / 22;
            item.indexY = k % 22;
            item.colorB = 255;
            item.transparentNum = 128;
            CQuelmoXML_AddProFileCustomLightDataInfo(path, index.c_str(), "0", item);
        }
    }
    // The other profiles are copies of the first, added the way an import adds them.
    const QByteArray copy = path + ".copy";
    CQuelmoXML_CreateXMLFile(copy);
    CQuelmoXML_ProFileExport(path, copy, "1", 0);
    for (int p = 2; p <= profiles; ++p)
        CQuelmoXML_ProFileImport(path, copy, "1");
}

struct Layers
{
    // Built once per size: filling goes through the store, one atomic save per call.
    static const Layers &get(int profiles)
    {
        static std::map<int, std::unique_ptr<Layers>> built;
        auto &slot = built[profiles];
        if (!slot)
            slot = std::make_unique<Layers>(profiles);
        return *slot;
    }
    explicit Layers(int profiles)
    {
        defaultLayer = QFile::encodeName(dir.path() + "/appProfile_Default.xml");
        fnLayer = QFile::encodeName(dir.path() + "/appProfile_FN.xml");
        fillLayerFile(defaultLayer, profiles);
        fillLayerFile(fnLayer, profiles);
    }
    QTemporaryDir dir;
    QByteArray defaultLayer;
    QByteArray fnLayer;
};

void BM_AssignOneKey(benchmark::State &state)
{
    const Layers &layers = Layers::get(static_cast<int>(state.range(0)));
    const char *path = layers.defaultLayer.constData();
    int n = 0;
    for (auto _ : state) {
        const char *value = (++n % 2) ? "7" : "8";
        StoreTransaction assignment;
        bool ok = CQuelmoXML_DeleteProFileMacroWithKeyInfoItem(path, "1", "20", "Key");
        ok = CQuelmoXML_AddProFileMacroWithKeyInfoItem(path, "1", "20", "Key", "0", "1", "1", value) && ok;
        ok = assignment.commit() && ok;
        if (!ok)
            state.SkipWithError("store call failed");
    }
    state.counters["fileKiB"] =
        static_cast<double>(QFile(QFile::decodeName(layers.defaultLayer)).size()) / 1024.0;
}

void readAllItems(benchmark::State &state, bool cold)
{
    const Layers &layers = Layers::get(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (cold)
            XmlStore::instance().clearCache();
        int found = 0;
        for (const QByteArray &path : {layers.defaultLayer, layers.fnLayer}) {
            const int index = CQuelmoXML_GetCreateXMLFileProfileIndex(path);
            const std::string indexText = std::to_string(index);
            for (int k = 0; k < kKeysPerLayer; ++k) {
                KeyOperateInfo info;
                resetKeyOperateInfo(info);
                const std::string code = std::to_string(k + 4);
                found += CQuelmoXML_SelectProFileKeyOperateInfo(path, indexText.c_str(), code.c_str(), &info);
            }
        }
        if (found != 2 * kKeysPerLayer)
            state.SkipWithError("items missing");
    }
}

void BM_ReadAll264Items(benchmark::State &state)
{
    readAllItems(state, false);
}

void BM_ReadAll264ItemsFromDisk(benchmark::State &state)
{
    readAllItems(state, true);
}

void BM_ListProfiles(benchmark::State &state)
{
    const Layers &layers = Layers::get(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        ProfileNodeList nodes;
        if (!CQuelmoXML_SelectProFileAllNodes(layers.defaultLayer, &nodes))
            state.SkipWithError("listing failed");
        benchmark::DoNotOptimize(nodes);
    }
}

// Saving a painted custom scheme: every key of a 104-key board coloured, the whole scheme replaced
// in one store call. "writes" counts the file writes of one save.
void BM_SaveFullCustomScheme(benchmark::State &state)
{
    const Layers &layers = Layers::get(static_cast<int>(state.range(0)));
    const char *path = layers.defaultLayer.constData();
    QList<CustomLightItem> scheme;
    for (int k = 0; k < 104; ++k) {
        CustomLightItem item{};
        std::snprintf(item.keyCode, sizeof item.keyCode, "%d", k + 4);
        std::snprintf(item.codeName, sizeof item.codeName, "K%d", k);
        item.indexX = k / 22;
        item.indexY = k % 22;
        item.colorR = k;
        item.colorG = 255 - k;
        item.colorB = 128;
        item.transparentNum = 128;
        scheme.append(item);
    }
    int writes = 0;
    XmlStore::instance().setWriterForTesting([&writes](QIODevice &device, const QByteArray &data) {
        ++writes;
        return device.write(data);
    });
    int n = 0;
    for (auto _ : state) {
        scheme[0].colorB = ++n % 256; // a different scheme each time, as painting gives
        if (!CQuelmoXML_ReplaceProFileCustomLightDataInfo(path, "1", "0", scheme))
            state.SkipWithError("store call failed");
    }
    XmlStore::instance().setWriterForTesting({});
    state.counters["writes"] = benchmark::Counter(writes, benchmark::Counter::kAvgIterations);
    state.counters["fileKiB"] =
        static_cast<double>(QFile(QFile::decodeName(layers.defaultLayer)).size()) / 1024.0;
}

// Argument: profiles per layer file (1, or the 10 a file may hold).
BENCHMARK(BM_AssignOneKey)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadAll264Items)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadAll264ItemsFromDisk)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveFullCustomScheme)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ListProfiles)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
