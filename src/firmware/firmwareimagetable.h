#pragma once

#include "firmwareimage.h"

#include <QMap>
#include <QString>
#include <QVector>

// Which image family each model uses and which images the program carries, each with the SHA-256
// of its bytes. The table is built with the images and embedded beside them.
class FirmwareImageTable
{
public:
    struct Row
    {
        QString model;
        ImageFamily family = ImageFamily::BinLayoutA;
        QMap<QString, QByteArray> sha256; // image name -> lower-case hex digest
    };

    // Where the embedded images and their table live.
    static QString resourceFolder() { return QStringLiteral(":/images/UpdateFirmwareFile/"); }
    static QString tableFileName() { return QStringLiteral("imagetable.json"); }

    // Reads a table; a malformed table or row is refused as a whole, with the reason.
    bool parse(const QByteArray &json, QString *error = nullptr);
    bool load(const QString &path, QString *error = nullptr);
    QByteArray toJson() const;

    void addRow(const Row &row) { m_rows.append(row); }
    const QVector<Row> &rows() const { return m_rows; }
    // The row of a model identifier (exact), or null.
    const Row *row(const QString &model) const;

private:
    QVector<Row> m_rows;
};
