#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A catalogue written to a scratch file, for loads the shipped resources cannot show: broken text,
// a layout without some key.
class CatalogueFile
{
public:
    explicit CatalogueFile(const QByteArray &text)
    {
        m_path = m_dir.path() + QStringLiteral("/catalogue.config");
        QFile file(m_path);
        if (file.open(QIODevice::WriteOnly))
            file.write(text);
    }
    QString path() const { return m_path; }
    // A path in the scratch folder that names no file.
    QString missingPath() const { return m_dir.path() + QStringLiteral("/missing.config"); }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

// One key record with every member the on-screen keyboard reads.
inline QByteArray keyRecord(int x, int y, int dec, int qtDec, const QByteArray &characterJson)
{
    return QByteArray("{\"PosX\":") + QByteArray::number(x) + ",\"PosY\":" + QByteArray::number(y) +
           ",\"Width\":30,\"Height\":33,\"Dec\":" + QByteArray::number(dec) +
           ",\"qtDec\":" + QByteArray::number(qtDec) + ",\"Character\":" + characterJson + "}";
}
