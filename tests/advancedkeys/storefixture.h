#pragma once

#include "cquelmoxml.h"
#include "ddatamanager.h"
#include "seniorkeyrecord.h"
#include "xmlstore.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A scratch advanced-key store that the data manager points at, as the main window sets it up.
class SeniorStoreTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        XmlStore::instance().clearCache();
        m_path = QFile::encodeName(m_dir.path() + QStringLiteral("/SeniorKeyConfig.xml"));
        ASSERT_TRUE(CQuelmoXML_SeniorKey_CreateXMLFile(s()));
        ASSERT_TRUE(CQuelmoXML_SeniorKey_CreateProFileXmlParentNode(s()));
        ASSERT_TRUE(DDataManager::getInstance()->setSeniorKeyXmlPath(s()));
    }
    void TearDown() override { XmlStore::instance().setWriterForTesting({}); }

    const char *s() const { return m_path.constData(); }

    void add(const SeniorKeyInfoStu &r) { ASSERT_TRUE(CQuelmoXML_SeniorKey_AddInfoItem(s(), r.type, r)); }

    // Every later write to a store file fails, as on a full disk.
    static void failWrites()
    {
        XmlStore::instance().setWriterForTesting([](QIODevice &, const QByteArray &) { return qint64(-1); });
    }

    QTemporaryDir m_dir;
    QByteArray m_path;
};
