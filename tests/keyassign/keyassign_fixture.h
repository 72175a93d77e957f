#pragma once

#include "cquelmoxml.h"
#include "dcustomkeyspage.h"
#include "ddatamanager.h"
#include "dkeyfunctionpage.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

// A function page that records what its host asks of it.
class RecordingPage : public DKeyFunctionPage
{
public:
    using DKeyFunctionPage::DKeyFunctionPage;
    void retranslate() override {}
    void loadCurrentKeyInfo() override { ++loads; }
    void clearKeyInfo() override { ++clears; }
    void takeCapturedKey(int hidUsage) override { captured.push_back(hidUsage); }

    int loads = 0;
    int clears = 0;
    std::vector<int> captured;

    // Lets a test act as the page: emit its signals.
    void startCapture(bool on) { emit sigMesgStartOrStopHook(on); }
    void reportSaved(int keyCode)
    {
        emit sigShoudUpdateKeyboard(keyCode);
        emit sigCustomKeyInfoSaveSuccessful();
    }
    void reportFailed(int type, int error) { emit sigCustomKeyInfoSaveFailed(type, error); }
};

// Every tab of the host, in the order of its type buttons.
constexpr int kAllTabs[] = {
    DCustomKeysPage::TabDefault,       DCustomKeysPage::TabMacro,          DCustomKeysPage::TabRemapKey,
    DCustomKeysPage::TabMouse,         DCustomKeysPage::TabText,           DCustomKeysPage::TabDisable,
    DCustomKeysPage::TabMultimedia,    DCustomKeysPage::TabCombinationKey, DCustomKeysPage::TabShortcuts,
    DCustomKeysPage::TabSwitchProfile, DCustomKeysPage::TabOpenApp,        DCustomKeysPage::TabKeyboardLight,
    DCustomKeysPage::TabSideLight,     DCustomKeysPage::TabKeyConfig,      DCustomKeysPage::TabSeniorKeys,
};

// The host's function page with this object name, built as the first opening of its tab builds it
// when no opening did yet; null when no tab has such a page.
inline DKeyFunctionPage *functionPageNamed(DCustomKeysPage &host, const char *name)
{
    for (int tabId : kAllTabs) {
        if (auto *p = host.findChild<DKeyFunctionPage *>(QLatin1String(name)))
            return p;
        host.functionPage(tabId);
    }
    return host.findChild<DKeyFunctionPage *>(QLatin1String(name));
}

// No key selected, on an ordinary keyboard with the Default layer shown.
inline void resetKeySelection()
{
    DDataManager *dm = DDataManager::getInstance();
    dm->resetCurrentKey();
    dm->setMagneticKeyboard(false);
    dm->setDefaultLayerSelected(true);
}

// A keyboard's three profile files in a scratch folder, published through the data manager as the
// device page publishes them: the Default layer file with profile "2" current, the heavy-press file
// with its profile "1".
class ProfileFolder
{
public:
    ProfileFolder()
    {
        for (const char *name : {"appProfile_Default.xml", "appProfile_FN.xml", "appProfile_Magnetic.xml"}) {
            const QByteArray file = QFile::encodeName(dir.filePath(QLatin1String(name)));
            EXPECT_TRUE(CQuelmoXML_CreateXMLFile(file.constData()));
            for (const char *index : {"1", "2"})
                EXPECT_TRUE(CQuelmoXML_CreateProFileXmlParentNode(file.constData(), index, "P", 0));
        }
        defaultLayer = QFile::encodeName(dir.filePath("appProfile_Default.xml"));
        fnLayer = QFile::encodeName(dir.filePath("appProfile_FN.xml"));
        heavy = QFile::encodeName(dir.filePath("appProfile_Magnetic.xml"));
        DDataManager *dm = DDataManager::getInstance();
        dm->setProfileXmlPath(defaultLayer.constData());
        dm->setProfileIndex(2);
        dm->setMagneticProfileXmlPath(heavy.constData());
    }

    // Points the host page at the same layer file and profile, as the device page does.
    void publishTo(DCustomKeysPage &page) const
    {
        page.setProfileXmlPath(defaultLayer.constData());
        page.setProfileIndex(2);
    }

    QTemporaryDir dir;
    QByteArray defaultLayer;
    QByteArray fnLayer;
    QByteArray heavy;
};
