// Renders the advanced-key widgets in two themes to PNG files under the build folder, for people to
// look at.
#include "dallkeysshowpage.h"
#include "ddatamanager.h"
#include "ddksshowwidget.h"
#include "dseniorkeyeventlistitem.h"
#include "dseniorkeyspage.h"
#include "dstrokeconfigview.h"
#include "gridmouse.h"
#include "seniorkeyrecord.h"
#include "storefixture.h"

#include "themeshots.h"
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QVBoxLayout>
#include <cstring>
#include <gtest/gtest.h>

namespace {

class AdvancedKeyShots : public ThemeShotTest
{
protected:
    QColor background() const { return ThemeColors::toColor(theme.SettingsBgColor); }

    void save(QWidget &w, const char *name) const { saveShot(w, name, background()); }
};

TEST_P(AdvancedKeyShots, GridEditor)
{
    QWidget host;
    host.setAutoFillBackground(true);
    QPalette p = host.palette();
    p.setColor(QPalette::Window, background());
    host.setPalette(p);
    host.resize(560, 240);
    auto *grid = new DDksShowWidget(&host);
    grid->setGeometry(0, 10, 560, 230);
    grid->setDrawAreaSize(540, 220);
    SeniorKeyInfoStu r = seniorkey::defaultRecord(1, SeniorKeyDKS);
    const int codes[16] = {2, 2, 2, 1, 1, 0, 2, 0, 2, 3, 1, 0, 0, 1, 0, 1};
    std::memcpy(r.grid, codes, sizeof codes);
    grid->setSeniorKeyInfoStu(r);
    host.show();
    // Hover the handle of the single action on the second row.
    gridmouse::move(grid, grid->crossingCenter(1, 0) + QPoint(6, 0));
    save(host, "dks-grid");
}

TEST_P(AdvancedKeyShots, TravelPointPopup)
{
    DStrokeConfigView view;
    SeniorKeyInfoStu r = seniorkey::defaultRecord(1, SeniorKeyDKS);
    r.stroke[0] = r.stroke[3] = 22;
    view.setSeniorKeyInfoStu(r);
    save(view, "dks-stroke-popup");
}

TEST_P(AdvancedKeyShots, ListRows)
{
    QWidget host;
    host.setAutoFillBackground(true);
    QPalette p = host.palette();
    p.setColor(QPalette::Window, background());
    host.setPalette(p);
    auto *layout = new QVBoxLayout(&host);
    const QMap<int, QString> names{
        {4, QStringLiteral("A")}, {5, QStringLiteral("B")}, {44, QStringLiteral("Space")}};
    const struct
    {
        int type;
        const char *k1;
        const char *k2;
        bool selected;
    } rows[] = {
        {SeniorKeyDKS, "4", "3,4", true}, {SeniorKeyMT, "44", "5", false}, {SeniorKeyTGL, "5", "", false}};
    int index = 1;
    for (const auto &c : rows) {
        auto *row = new DSeniorKeyEventListItem(&host);
        row->setKeyNameMap(names);
        SeniorKeyInfoStu r = seniorkey::defaultRecord(index++, c.type);
        std::strcpy(r.K1, c.k1);
        std::strcpy(r.K2, c.k2);
        r.tglFlag = c.type == SeniorKeyTGL ? 1 : 0;
        row->setSeniorKeyInfoStu(r);
        row->setSelectedStyle(c.selected);
        layout->addWidget(row);
    }
    host.resize(460, 170);
    save(host, "senior-key-rows");
}

// The dialog with one record of each kind selected in turn, on a scratch store.
class SeniorDialogShots : public AdvancedKeyShots
{
protected:
    void SetUp() override
    {
        AdvancedKeyShots::SetUp();
        ASSERT_TRUE(m_dir.isValid());
        XmlStore::instance().clearCache();
        m_path = QFile::encodeName(m_dir.path() + QStringLiteral("/SeniorKeyConfig.xml"));
        ASSERT_TRUE(CQuelmoXML_SeniorKey_CreateXMLFile(m_path.constData()));
        ASSERT_TRUE(CQuelmoXML_SeniorKey_CreateProFileXmlParentNode(m_path.constData()));
        ASSERT_TRUE(DDataManager::getInstance()->setSeniorKeyXmlPath(m_path.constData()));
    }
    void add(const SeniorKeyInfoStu &r) const
    {
        ASSERT_TRUE(CQuelmoXML_SeniorKey_AddInfoItem(m_path.constData(), r.type, r));
    }

    QTemporaryDir m_dir;
    QByteArray m_path;
};

TEST_P(SeniorDialogShots, DialogForEachKind)
{
    SeniorKeyInfoStu dks = seniorkey::defaultRecord(1, SeniorKeyDKS);
    std::strcpy(dks.K1, "4");
    std::strcpy(dks.K2, "3,5");
    std::strcpy(dks.K3, "44");
    const int codes[16] = {2, 2, 2, 1, 1, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0};
    std::memcpy(dks.grid, codes, sizeof codes);
    add(dks);
    SeniorKeyInfoStu mt = seniorkey::defaultRecord(2, SeniorKeyMT);
    std::strcpy(mt.K1, "224");
    std::strcpy(mt.K2, "5");
    mt.ValueTime = 300;
    add(mt);
    SeniorKeyInfoStu tgl = seniorkey::defaultRecord(3, SeniorKeyTGL);
    std::strcpy(tgl.K1, "44");
    tgl.tglFlag = 1;
    add(tgl);

    auto *dialog = new DSeniorKeysPage;
    dialog->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->findChild<DAllKeysShowPage *>() != nullptr; }, 3000));
    QTest::qWait(250); // the scroll bars get their theme
    const char *names[3] = {"senior-dialog-dks", "senior-dialog-mt", "senior-dialog-tgl"};
    for (int index = 1; index <= 3; ++index) {
        for (auto *row : dialog->findChildren<DSeniorKeyEventListItem *>()) {
            if (row->seniorKeyInfoStu().index == index)
                QTest::mouseClick(row, Qt::LeftButton);
        }
        save(*dialog, names[index - 1]);
    }
    // The explanation of the three kinds, as hovering its question mark shows it.
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(dialog->findChild<QWidget *>(QStringLiteral("toolButton_ExplainInfo02")), &enter);
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QStringLiteral("seniorKeysExplainTip2"))
            save(*w, "senior-explain-kinds");
    }
    delete dialog;

    // No records: the empty page, with the combination mode chosen.
    XmlStore::instance().clearCache();
    for (int index = 1; index <= 3; ++index)
        ASSERT_TRUE(SeniorKeyStore::current().remove(index == 1   ? SeniorKeyDKS
                                                     : index == 2 ? SeniorKeyMT
                                                                  : SeniorKeyTGL,
                                                     index));
    dialog = new DSeniorKeysPage;
    dialog->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->findChild<DAllKeysShowPage *>() != nullptr; }, 3000));
    dialog->findChild<QRadioButton *>(QStringLiteral("radioButton_CombinationKeys"))->setChecked(true);
    save(*dialog, "senior-dialog-empty");
    delete dialog;
}

INSTANTIATE_TEST_SUITE_P(Themes, SeniorDialogShots,
                         testing::Values(ThemeCase{0, "black"}, ThemeCase{1, "light"}), themeCaseName);

INSTANTIATE_TEST_SUITE_P(Themes, AdvancedKeyShots,
                         testing::Values(ThemeCase{0, "black"}, ThemeCase{1, "light"}), themeCaseName);

} // namespace
