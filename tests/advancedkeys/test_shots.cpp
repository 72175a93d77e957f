// Renders the advanced-key widgets in two themes to PNG files under the build folder, for people to
// look at.
#include "ddatamanager.h"
#include "ddksshowwidget.h"
#include "dseniorkeyeventlistitem.h"
#include "dstrokeconfigview.h"
#include "gridmouse.h"
#include "seniorkeyrecord.h"

#include "themeshots.h"
#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QSet>
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

INSTANTIATE_TEST_SUITE_P(Themes, AdvancedKeyShots,
                         testing::Values(ThemeCase{0, "black"}, ThemeCase{1, "light"}), themeCaseName);

} // namespace
