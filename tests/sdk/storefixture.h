#pragma once

#include "cquelmoxml.h"
#include "xmlstore.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstring>
#include <gtest/gtest.h>
#include <string>

// A scratch folder with one profile file holding profile "1", and helpers to read raw files.
class StoreTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        XmlStore::instance().clearCache();
        XmlStore::instance().takeMovedAside();
        m_profile = file("appProfile_Default.xml");
        ASSERT_TRUE(CQuelmoXML_CreateXMLFile(p()));
        ASSERT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(p(), "1", "Profile1", 0));
    }
    void TearDown() override { XmlStore::instance().setWriterForTesting({}); }

    QByteArray file(const char *name) const
    {
        return QFile::encodeName(m_dir.path() + QLatin1Char('/') + name);
    }
    const char *p() const { return m_profile.constData(); }

    static QByteArray readAll(const QByteArray &path)
    {
        QFile f(QFile::decodeName(path));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void writeRaw(const QByteArray &path, const QByteArray &data)
    {
        QFile f(QFile::decodeName(path));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(data), data.size());
    }

    QTemporaryDir m_dir;
    QByteArray m_profile;
};

inline MacroEventRecord macroEvent(const char *mark, const char *delay, const char *type, const char *code,
                                   const char *name, const char *explain)
{
    MacroEventRecord r;
    std::memset(&r, 0, sizeof r);
    std::strcpy(r.mark, mark);
    std::strcpy(r.delay, delay);
    std::strcpy(r.type, type);
    std::strcpy(r.keyCode, code);
    std::strcpy(r.codeName, name);
    std::strcpy(r.operateExplain, explain);
    return r;
}

inline std::string describe(const MacroEventRecord &r)
{
    return std::string(r.mark) + "/" + r.delay + "/" + r.type + "/" + r.keyCode + "/" + r.codeName + "/" +
           r.operateExplain;
}
