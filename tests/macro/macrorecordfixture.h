#pragma once

// The macro editor over a store file, with the key-assignment host's part of the hooks played by
// the test: starting and stopping the hooks is recorded, and key and mouse events go in through the
// data manager exactly as the hooks deliver them.
#include "cbnotice.h"
#include "dcatchkeyandmouseitem.h"
#include "ddatamanager.h"
#include "dmacrolistitem.h"
#include "dmacropage.h"
#include "fixedtext.h"
#include "macropageprobe.h"
#include "macrostorefixture.h"

#include <QPointer>
#include <QTest>

class MacroPageOnStore : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DDataManager *dm = DDataManager::getInstance();
        hookConnection =
            QObject::connect(dm, &DDataManager::sigHookRuningStrtusCtrl_MacroRecord, [this](bool start) {
                hookOn = start && hookStarts;
                ++hookCalls;
                DDataManager::getInstance()->setMacroRecordHookRunning(start ? hookStarts : true);
            });
    }
    void TearDown() override
    {
        delete page;
        QObject::disconnect(hookConnection);
        DDataManager::getInstance()->setMacroRecordHookRunning(false);
    }
    void open()
    {
        page = new DMacroPage;
        ASSERT_TRUE(page->setMacroXmlPath(store.path()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !macroRows().isEmpty(); }, 2000));
    }
    QList<DMacroListItem *> macroRows() { return rowsOf<DMacroListItem>(page, "verticalLayout_17"); }
    QList<DCatchKeyAndMouseItem *> eventRows()
    {
        return rowsOf<DCatchKeyAndMouseItem>(page, "verticalLayout_20");
    }
    QString toast() { return page->findChild<CbNotice *>()->text(); }

    // Virtual-key press or release as the hook reports it (flag 1 and hookFlag 0, or 0 and 0x80).
    static void key(int vk, bool press)
    {
        DDataManager::getInstance()->forwardMacroKeyboardEvent(vk, 0, press ? 1 : 0, press ? 0 : 0x80);
    }
    static void tap(int vk)
    {
        key(vk, true);
        key(vk, false);
    }
    static void mouse(int message) { DDataManager::getInstance()->forwardMacroMouseEvent(0, message, 0); }

    QList<MacroEventRecord> stored(const char *index)
    {
        QList<MacroEventRecord> events;
        CQuelmoXML_SelectAllKeyOrMouseEvent(store.path(), index, &events);
        return events;
    }
    template <std::size_t N> static QString text(const char (&f)[N])
    {
        const std::string_view v = fixedtext::view(f);
        return QString::fromUtf8(v.data(), static_cast<int>(v.size()));
    }
    // "mark type code name side [delay]" per event, for whole-list comparisons.
    static QStringList describe(const QList<MacroEventRecord> &events, bool withDelay = false)
    {
        QStringList out;
        for (const MacroEventRecord &r : events) {
            QString line = QStringLiteral("%1 %2 %3 %4 %5")
                               .arg(text(r.mark), text(r.type), text(r.keyCode), text(r.codeName),
                                    text(r.operateExplain));
            if (withDelay)
                line += QLatin1Char(' ') + text(r.delay);
            out << line;
        }
        return out;
    }
    static QStringList describeRows(const QList<DCatchKeyAndMouseItem *> &rows)
    {
        QStringList out;
        for (const DCatchKeyAndMouseItem *r : rows)
            out << QStringLiteral("%1 %2 %3 %4 %5")
                       .arg(r->mark(), r->type(), r->keyCode(), r->codeName(), r->operateExplain());
        return out;
    }

    MacroStoreFile store{QStringLiteral("recording.xml")};
    QPointer<DMacroPage> page;
    QMetaObject::Connection hookConnection;
    bool hookStarts = true;
    bool hookOn = false;
    int hookCalls = 0;
};
