#pragma once

#include "cquelmoxml.h"
#include "ddatamanager.h"
#include "ddevicekeyboardlink.h"
#include "ddevicepage.h"
#include "devicepageprobe.h"
#include "linkfixture.h"
#include "xmlstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

// A device page over simulated keyboards, with each test's profile folders starting empty.
class PageFixture : public SimFixture
{
protected:
    void SetUp() override
    {
        SimFixture::SetUp();
        DDataManager *dm = DDataManager::getInstance();
        dm->loadTheme(0);
        // Simulated serial numbers repeat from test to test: so would their profile folders.
        const QDir config(dm->userConfigPath());
        for (const QString &model : config.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            QDir(config.filePath(model)).removeRecursively();
        XmlStore::instance().clearCache();
    }

    void TearDown() override
    {
        page.reset();
        flushDeletes();
        SimFixture::TearDown();
    }

    // Builds the page and lets it enumerate and open what is plugged in: the page does that from
    // a timer shortly after it is built, and the wait returns only once that has finished.
    void openPage()
    {
        page = std::make_unique<DDevicePage>();
        page->resize(1280, 700);
        QTest::qWait(300);
        // The start-up listing runs from a timer; a loaded machine may start it late. It always
        // lists at least one card per catalogue model.
        EXPECT_TRUE(QTest::qWaitFor([this] { return !devicepage::cardsInListOrder(*page).isEmpty(); }, 5000))
            << "the device page never listed its cards";
    }

    static void flushDeletes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    QByteArray layerFile() const { return QFile::encodeName(page->layerFilePath()); }

    std::unique_ptr<DDevicePage> page;
};
