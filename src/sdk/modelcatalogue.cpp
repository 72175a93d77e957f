#include "modelcatalogue.h"

#include "hidreport.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>

namespace {

Q_LOGGING_CATEGORY(lcCatalogue, "tidelumen.sdk.catalogue")

// A catalogue larger than this is not a catalogue.
constexpr qint64 kMaxCatalogueBytes = 4 * 1024 * 1024;
constexpr int kMaxTextBytes = 127; // the widest record field less its terminator

bool parseHexId(const QJsonValue &v, uint16_t *out)
{
    static const QRegularExpression hex4(QStringLiteral("^[0-9A-Fa-f]{4}$"));
    const QString s = v.toString();
    if (!hex4.match(s).hasMatch())
        return false;
    *out = static_cast<uint16_t>(s.toUInt(nullptr, 16));
    return true;
}

bool parseInt(const QJsonObject &o, const char *name, int min, int max, int *out, QString *error,
              bool required = true)
{
    const QJsonValue v = o.value(QLatin1String(name));
    if (v.isUndefined() && !required)
        return true;
    const double d = v.toDouble(-1e300);
    if (!v.isDouble() || d != static_cast<int>(d) || d < min || d > max) {
        *error = QStringLiteral("\"%1\" must be a whole number from %2 to %3")
                     .arg(QLatin1String(name))
                     .arg(min)
                     .arg(max);
        return false;
    }
    *out = static_cast<int>(d);
    return true;
}

bool parseModel(const QJsonObject &o, ModelInfo *m, QString *error)
{
    static const QRegularExpression keyPattern(QStringLiteral("^[A-Za-z0-9_-]+$"));
    m->key = o.value(QLatin1String("key")).toString();
    // The key names folders and resources and is matched exactly, so it is never cut or escaped.
    if (!keyPattern.match(m->key).hasMatch() || m->key.size() > kMaxTextBytes) {
        *error = QStringLiteral("a model needs a \"key\" of 1 to %1 letters, digits, '-' or '_'")
                     .arg(kMaxTextBytes);
        return false;
    }
    const QString where = QStringLiteral("model %1: ").arg(m->key);
    m->deviceClass = o.value(QLatin1String("deviceClass")).toString(QStringLiteral("keyboard"));
    m->productName = o.value(QLatin1String("productName")).toString(m->key);
    m->deviceName = o.value(QLatin1String("deviceName")).toString(m->key);
    m->layoutFile =
        o.value(QLatin1String("layoutFile")).toString(QStringLiteral("KeyInfo_%1.config").arg(m->key));

    QString e;
    if (!parseInt(o, "keyCount", 1, hidproto::kMatrixRows * hidproto::kMatrixColumns, &m->keyCount, &e) ||
        !parseInt(o, "hidDeviceType", 0, 255, &m->hidDeviceType, &e) ||
        !parseInt(o, "sideLightLeds", 0, 60, &m->sideLightLeds, &e, false) ||
        !parseInt(o, "interfaceNumber", -1, 255, &m->interfaceNumber, &e, false)) {
        *error = where + e;
        return false;
    }
    const QJsonValue magnetic = o.value(QLatin1String("magnetic"));
    if (!magnetic.isUndefined() && !magnetic.isBool()) {
        *error = where + QStringLiteral("\"magnetic\" must be true or false");
        return false;
    }
    m->magnetic = magnetic.toBool(m->hidDeviceType == 4);
    const QJsonValue keyboardMode = o.value(QLatin1String("statusKeyboardMode"));
    if (!keyboardMode.isUndefined() && !keyboardMode.isBool()) {
        *error = where + QStringLiteral("\"statusKeyboardMode\" must be true or false");
        return false;
    }
    m->statusKeyboardMode = keyboardMode.toBool(false);

    const QJsonValue sdk = o.value(QLatin1String("sdkValues"));
    if (!sdk.isUndefined()) {
        const QJsonArray a = sdk.toArray();
        if (!sdk.isArray() || a.size() != 4) {
            *error = where + QStringLiteral("\"sdkValues\" must hold four whole numbers");
            return false;
        }
        for (int i = 0; i < 4; ++i)
            m->sdkValues[static_cast<std::size_t>(i)] = a.at(i).toInt();
    }

    const QJsonArray links = o.value(QLatin1String("links")).toArray();
    if (links.isEmpty()) {
        *error = where + QStringLiteral("\"links\" must list at least one link");
        return false;
    }
    for (const QJsonValue &lv : links) {
        const QJsonObject lo = lv.toObject();
        ModelLink link;
        const QString type = lo.value(QLatin1String("link")).toString();
        if (type == QLatin1String("cable"))
            link.type = LinkType::Cable;
        else if (type == QLatin1String("receiver"))
            link.type = LinkType::Receiver;
        else {
            *error = where + QStringLiteral("a link must be \"cable\" or \"receiver\"");
            return false;
        }
        if (m->link(link.type)) {
            *error = where + QStringLiteral("the %1 link is listed twice").arg(type);
            return false;
        }
        if (!parseHexId(lo.value(QLatin1String("vid")), &link.vendorId) ||
            !parseHexId(lo.value(QLatin1String("pid")), &link.productId)) {
            *error = where + QStringLiteral("\"vid\" and \"pid\" must be four hex digits");
            return false;
        }
        m->links.append(link);
    }

    const QJsonObject pic = o.value(QLatin1String("picture")).toObject();
    m->cardPicture = pic.value(QLatin1String("card")).toString();
    m->keyboardPicture = pic.value(QLatin1String("keyboard")).toString();
    m->pictureWidth = pic.value(QLatin1String("width")).toInt();
    m->pictureHeight = pic.value(QLatin1String("height")).toInt();

    const QJsonObject fw = o.value(QLatin1String("firmware")).toObject();
    m->firmware.controllerCode = fw.value(QLatin1String("controllerCode")).toString();
    m->firmware.twoDigitCode = fw.value(QLatin1String("twoDigitCode")).toString();
    m->firmware.deviceKindCode = fw.value(QLatin1String("deviceKindCode")).toString();
    m->firmware.vendorCode = fw.value(QLatin1String("vendorCode")).toString();
    return true;
}

bool idsClash(const QVector<ModelInfo> &models, QString *error)
{
    QSet<quint32> seen;
    for (const ModelInfo &m : models) {
        for (const ModelLink &l : m.links) {
            const quint32 id = (quint32(l.vendorId) << 16) | l.productId;
            if (seen.contains(id)) {
                *error = QStringLiteral("%1:%2 belongs to two models")
                             .arg(l.vendorId, 4, 16, QLatin1Char('0'))
                             .arg(l.productId, 4, 16, QLatin1Char('0'))
                             .toUpper();
                return true;
            }
            seen.insert(id);
        }
    }
    return false;
}

bool readFile(const QString &path, QByteArray *out, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = f.errorString();
        return false;
    }
    if (f.size() > kMaxCatalogueBytes) {
        *error = QStringLiteral("larger than %1 bytes").arg(kMaxCatalogueBytes);
        return false;
    }
    *out = f.readAll();
    return true;
}

} // namespace

ModelCatalogue &ModelCatalogue::instance()
{
    static ModelCatalogue catalogue;
    static const bool loaded = catalogue.load();
    Q_UNUSED(loaded)
    return catalogue;
}

QString ModelCatalogue::embeddedFile()
{
    return QStringLiteral(":/images/configDir/models.json");
}

QString ModelCatalogue::userFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/UserConfig/models.json");
}

bool ModelCatalogue::load()
{
    QByteArray data;
    QString error;
    QVector<ModelInfo> embedded;
    if (!readFile(embeddedFile(), &data, &error) || !parse(data, &embedded, &error)) {
        qCCritical(lcCatalogue, "The embedded model catalogue is unusable: %s", qUtf8Printable(error));
        m_models.clear();
        return false;
    }
    m_models = embedded;

    const QString user = userFile();
    if (!QFile::exists(user))
        return true;
    QVector<ModelInfo> extra;
    if (!readFile(user, &data, &error) || !parse(data, &extra, &error) || !merge(extra, &error))
        qCWarning(lcCatalogue, "Ignoring the user model catalogue %s: %s", qUtf8Printable(user),
                  qUtf8Printable(error));
    return true;
}

bool ModelCatalogue::parse(const QByteArray &json, QVector<ModelInfo> *out, QString *error)
{
    QJsonParseError pe;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &pe);
    if (doc.isNull()) {
        *error = QStringLiteral("not JSON (%1 at byte %2)").arg(pe.errorString()).arg(pe.offset);
        return false;
    }
    const QJsonValue list = doc.object().value(QLatin1String("models"));
    if (!list.isArray()) {
        *error = QStringLiteral("no \"models\" list");
        return false;
    }
    QVector<ModelInfo> models;
    QSet<QString> keys;
    for (const QJsonValue &v : list.toArray()) {
        if (!v.isObject()) {
            *error = QStringLiteral("every entry of \"models\" must be an object");
            return false;
        }
        ModelInfo m;
        if (!parseModel(v.toObject(), &m, error))
            return false;
        if (keys.contains(m.key)) {
            *error = QStringLiteral("model %1 is listed twice").arg(m.key);
            return false;
        }
        keys.insert(m.key);
        models.append(m);
    }
    if (idsClash(models, error))
        return false;
    *out = models;
    return true;
}

bool ModelCatalogue::merge(const QVector<ModelInfo> &models, QString *error)
{
    QVector<ModelInfo> merged = m_models;
    for (const ModelInfo &m : models) {
        auto it =
            std::find_if(merged.begin(), merged.end(), [&](const ModelInfo &x) { return x.key == m.key; });
        if (it != merged.end())
            *it = m;
        else
            merged.append(m);
    }
    if (idsClash(merged, error))
        return false;
    m_models = merged;
    return true;
}

const ModelInfo *ModelCatalogue::find(const QString &key) const
{
    for (const ModelInfo &m : m_models) {
        if (m.key == key)
            return &m;
    }
    return nullptr;
}

const ModelInfo *ModelCatalogue::findByIds(uint16_t vendorId, uint16_t productId, LinkType *link) const
{
    for (const ModelInfo &m : m_models) {
        for (const ModelLink &l : m.links) {
            if (l.vendorId == vendorId && l.productId == productId) {
                if (link)
                    *link = l.type;
                return &m;
            }
        }
    }
    return nullptr;
}

QVector<ModelLink> ModelCatalogue::bootLoaderIds()
{
    return {{LinkType::Cable, 0x0416, 0x3F00},
            {LinkType::Cable, 0x1FC9, 0xF7DF},
            {LinkType::Cable, 0x0416, 0x3F01}};
}

QString ModelCatalogue::udevRules() const
{
    // sysfs spells the USB identifiers in lower-case hex.
    auto rule = [](const ModelLink &l) {
        return QStringLiteral("SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"%1\", ATTRS{idProduct}==\"%2\", "
                              "TAG+=\"uaccess\"\n")
            .arg(l.vendorId, 4, 16, QLatin1Char('0'))
            .arg(l.productId, 4, 16, QLatin1Char('0'));
    };
    QString text = QStringLiteral(
        "# Tidelumen: lets the user at the seat open the supported keyboards, their receivers and the\n"
        "# boot loaders of the firmware update through hidraw.\n"
        "# Generated from images/configDir/models.json; a test fails when the two disagree.\n");
    for (const ModelInfo &m : m_models) {
        for (const ModelLink &l : m.links) {
            text += QStringLiteral("\n# %1, %2\n")
                        .arg(m.key, l.type == LinkType::Cable ? QStringLiteral("cable")
                                                              : QStringLiteral("receiver"));
            text += rule(l);
        }
    }
    text += QStringLiteral("\n# Boot loaders\n");
    for (const ModelLink &l : bootLoaderIds())
        text += rule(l);
    return text;
}
