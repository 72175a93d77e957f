#include "deviceenumeration.h"

#include "cquelmohid.h"
#include "fixedtext.h"
#include "hidrecordbuilder.h"

#include <QLoggingCategory>

namespace {
Q_LOGGING_CATEGORY(lcEnum, "tidelumen.device.enumeration")

template <std::size_t N> QString textOf(const char (&field)[N])
{
    const std::string_view v = fixedtext::view(field);
    return QString::fromUtf8(v.data(), static_cast<int>(v.size()));
}
} // namespace

DeviceEnumeration DeviceEnumeration::run()
{
    DeviceEnumeration out;
    QStringList paths;
    QMap<QString, HidInfoStu> full;
    CQuelmoHid_GetHidInfoList(&paths);
    CQuelmoHid_GetHidInfoStuMapList(&full);
    // Models are taken out of the working copy as they are matched; a second keyboard of a model
    // is still recognised through the full copy.
    QMap<QString, HidInfoStu> working = full;

    for (const QString &path : paths) {
        hidStructInfoAll record{};
        if (!buildHidRecord(path, full, &record)) {
            qCInfo(lcEnum, "No record for %s; skipped", qUtf8Printable(path));
            continue;
        }
        const QString modelKey = textOf(record.modelKey);
        const bool firstOfModel = working.contains(modelKey);
        if (record.linkType == 0) {
            record.online = 1;
            out.cabled.append(record);
        } else {
            record.online = 0;
            out.receiver.append(record);
            if (firstOfModel)
                out.unreachableDongles.append(path);
        }
        if (firstOfModel)
            working.remove(modelKey);
        out.attached.insert(textOf(record.hidPath), record);
    }

    for (auto it = working.cbegin(); it != working.cend(); ++it) {
        const HidInfoStu &model = it.value();
        hidStructInfoAll record{};
        fillModelFields(model, &record);
        fixedtext::copy(record.modelKey, fixedtext::view(model.modelKey));
        record.online = 0;
        record.linkType = 0;
        out.offline.append(record);
    }
    return out;
}
