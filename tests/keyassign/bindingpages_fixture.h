#pragma once

#include "cquelmoxml.h"
#include "dcustomkeyspage.h"
#include "ddatamanager.h"
#include "dkeyfunctionpage.h"
#include "fixedtext.h"
#include "keyassign_fixture.h"
#include "keyfunctionitem.h"
#include "xmlstore.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

// The host page over a scratch keyboard folder with its own macro and advanced-key stores, as the
// main window and the device page publish them. Pages are reached the way a user reaches them.
class BindingPages : public testing::Test
{
protected:
    BindingPages()
    {
        XmlStore::instance().clearCache();
        DDataManager *dm = DDataManager::getInstance();
        dm->setMagneticKeyboard(false);
        dm->setDefaultLayerSelected(true);
        macroFile = QFile::encodeName(folder.dir.filePath(QStringLiteral("appMacro.xml")));
        EXPECT_TRUE(CQuelmoXML_CreateXMLFile(macroFile.constData()));
        EXPECT_TRUE(dm->setMacroXmlPath(macroFile.constData()));
        seniorFile = QFile::encodeName(folder.dir.filePath(QStringLiteral("SeniorKeyConfig.xml")));
        EXPECT_TRUE(CQuelmoXML_SeniorKey_CreateXMLFile(seniorFile.constData()));
        EXPECT_TRUE(CQuelmoXML_SeniorKey_CreateProFileXmlParentNode(seniorFile.constData()));
        EXPECT_TRUE(dm->setSeniorKeyXmlPath(seniorFile.constData()));
        folder.publishTo(*host);
    }
    ~BindingPages() override
    {
        XmlStore::instance().setWriterForTesting({});
        DDataManager::getInstance()->resetCurrentKey();
    }

    DKeyFunctionPage *page(const char *name) const
    {
        auto *p = functionPageNamed(*host, name);
        EXPECT_NE(p, nullptr) << name;
        return p;
    }
    template <class W> W *widget(const char *pageName, const char *name) const
    {
        auto *w = page(pageName)->findChild<W *>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << pageName << " " << name;
        return w;
    }
    // Selects the key and opens the tab with its type button, as a click on both does.
    void open(int keyCode, const char *typeButton)
    {
        DDataManager::getInstance()->setCurrentKey(keyCode, QStringLiteral("K%1").arg(keyCode));
        host->findChild<QToolButton *>(QLatin1String(typeButton))->click();
    }
    // Selects the key on the keyboard view: the host opens the tab of its stored item.
    void select(int keyCode)
    {
        DDataManager::getInstance()->setCurrentKey(keyCode, QStringLiteral("K%1").arg(keyCode));
        host->onKeyButtonClickedReturnKeyCodeAndKeyChar(keyCode, QStringLiteral("K%1").arg(keyCode));
    }
    // A pick in the open list: the entry becomes current and is reported as activated, also when
    // it was current already.
    static void pick(QComboBox *combo, int entry)
    {
        combo->setCurrentIndex(entry);
        emit combo->activated(entry);
    }
    static QStringList entries(const QComboBox *combo)
    {
        QStringList out;
        for (int i = 0; i < combo->count(); ++i)
            out << combo->itemText(i);
        return out;
    }

    keyfunctionitem::Target layer() const { return {folder.defaultLayer, "2"}; }
    bool stored(int keyCode, KeyOperateInfo &info) const
    {
        return keyfunctionitem::read(layer(), keyCode, info);
    }
    // Every later write to a store file fails, as on a full disk.
    static void failWrites()
    {
        XmlStore::instance().setWriterForTesting([](QIODevice &, const QByteArray &) { return qint64(-1); });
    }

    ProfileFolder folder;
    QByteArray macroFile;
    QByteArray seniorFile;
    std::unique_ptr<DCustomKeysPage> host = std::make_unique<DCustomKeysPage>();
};

// What a page told its host, recorded from the moment it is made.
struct PageSignals
{
    explicit PageSignals(DKeyFunctionPage *page)
        : updated(page, &DKeyFunctionPage::sigShoudUpdateKeyboard),
          saved(page, &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful),
          failed(page, &DKeyFunctionPage::sigCustomKeyInfoSaveFailed),
          cancelled(page, &DKeyFunctionPage::sigClickedCancel)
    {
    }
    int writes() const { return saved.count(); }
    QSignalSpy updated;
    QSignalSpy saved;
    QSignalSpy failed;
    QSignalSpy cancelled;
};
