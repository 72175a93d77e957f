#include "firmwareimagetable.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

} // namespace

bool FirmwareImageTable::parse(const QByteArray &json, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (!doc.isObject())
        return fail(error, parseError.errorString());
    static const QRegularExpression digest(QStringLiteral("^[0-9a-f]{64}$"));
    QVector<Row> rows;
    for (const QJsonValue &v : doc.object().value(QLatin1String("models")).toArray()) {
        const QJsonObject o = v.toObject();
        Row row;
        row.model = o.value(QLatin1String("model")).toString();
        if (row.model.isEmpty())
            return fail(error, QStringLiteral("a row without a model"));
        if (!firmwareimage::familyFromName(o.value(QLatin1String("family")).toString(), &row.family))
            return fail(error, QStringLiteral("unknown image family for %1").arg(row.model));
        for (const QJsonValue &i : o.value(QLatin1String("images")).toArray()) {
            const QJsonObject image = i.toObject();
            const QString name = image.value(QLatin1String("name")).toString();
            const QString sha = image.value(QLatin1String("sha256")).toString().toLower();
            // Names are plain file names inside the image folder, never paths.
            if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.startsWith(QLatin1Char('.')))
                return fail(error, QStringLiteral("bad image name '%1' for %2").arg(name, row.model));
            if (!digest.match(sha).hasMatch())
                return fail(error, QStringLiteral("bad SHA-256 for %1").arg(name));
            row.sha256.insert(name, sha.toLatin1());
        }
        rows.append(row);
    }
    m_rows = rows;
    return true;
}

bool FirmwareImageTable::load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, file.errorString());
    return parse(file.readAll(), error);
}

QByteArray FirmwareImageTable::toJson() const
{
    QJsonArray models;
    for (const Row &row : m_rows) {
        QJsonArray images;
        for (auto it = row.sha256.cbegin(); it != row.sha256.cend(); ++it)
            images.append(QJsonObject{{QStringLiteral("name"), it.key()},
                                      {QStringLiteral("sha256"), QString::fromLatin1(it.value())}});
        models.append(QJsonObject{{QStringLiteral("model"), row.model},
                                  {QStringLiteral("family"), firmwareimage::familyName(row.family)},
                                  {QStringLiteral("images"), images}});
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("models"), models}}).toJson();
}

const FirmwareImageTable::Row *FirmwareImageTable::row(const QString &model) const
{
    for (const Row &r : m_rows) {
        if (r.model == model)
            return &r;
    }
    return nullptr;
}
