// Text stays readable in every theme: the main window, the profile drop-down list and the title
// bar are rendered, and for each visible text the contrast ratio (WCAG 2) between its background
// (the most frequent colour of its area) and its text (the colour of its area that differs most
// from that background) is computed from the pixels drawn.
#include "ddatamanager.h"
#include "ddevicepage.h"
#include "devicepageprobe.h"
#include "dmainwidget.h"
#include "hiddevicemanager.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

double luminance(QRgb c)
{
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct Reading
{
    QRgb background = 0;
    QRgb text = 0;
    double ratio = 1.0;
};

// Background: the most frequent colour of the area; text: the colour that contrasts most with it.
Reading read(const QImage &image, const QRect &area)
{
    QHash<QRgb, int> counts;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000u];
    Reading out;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most)
            most = it.value(), out.background = it.key();
    }
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double ratio = contrast(it.key(), out.background);
        if (ratio > out.ratio)
            out.ratio = ratio, out.text = it.key();
    }
    return out;
}

QString describe(const Reading &r)
{
    return QStringLiteral("%1 on %2: %3")
        .arg(QColor(r.text).name(), QColor(r.background).name())
        .arg(r.ratio, 0, 'f', 2);
}

// The visible texts of `root`: labels with plain text, buttons and combo boxes.
QList<QWidget *> textWidgets(QWidget *root)
{
    QList<QWidget *> out;
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(root) || w->width() < 4 || w->height() < 4)
            continue;
        if (auto *label = qobject_cast<QLabel *>(w)) {
            if (!label->text().trimmed().isEmpty() && !label->text().contains(QLatin1Char('<')))
                out << w;
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            if (!button->text().trimmed().isEmpty())
                out << w;
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            if (!combo->currentText().isEmpty())
                out << w;
        }
    }
    return out;
}

constexpr double kText = 4.5;
constexpr double kIcon = 3.0; // non-text controls: the window buttons

class ThemeContrast : public testing::TestWithParam<int>
{
};

TEST_P(ThemeContrast, TextIsReadableInTheWindowTheDropDownAndTheTitleBar)
{
    const int theme = GetParam();
    qputenv("TIDELUMEN_SIMULATE", "TL87");
    DDataManager *dm = DDataManager::getInstance();
    QSettings(dm->userConfigPath() + QStringLiteral("/QuelmoConfig.ini"), QSettings::IniFormat)
        .setValue(QStringLiteral("Theme/selectThemeIndex"), theme);
    dm->setBgImageUsing(false);
    const QString appDirWas = dm->applicationDirPath();
    dm->setApplicationDirPath(QStringLiteral(TL_OUTPUT_DIR)); // the keyboard pictures lie there
    HidDeviceManager::instance().setBackend(nullptr);
    {
        DMainWidget window;
        window.resize(1400, 860);
        window.show();
        auto *page = window.findChild<DDevicePage *>();
        ASSERT_NE(page, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return devicepage::currentCard(*page) != nullptr; }, 5000));
        QTest::qWait(400);
        const QImage shot = window.grab().toImage();
        shot.save(QStringLiteral(TL_SHOT_DIR "/theme-%1.png").arg(theme));

        for (QWidget *w : textWidgets(&window)) {
            const QRect area(w->mapTo(&window, QPoint(0, 0)), w->size());
            const Reading r = read(shot, area);
            EXPECT_GE(r.ratio, kText) << w->metaObject()->className() << " " << w->objectName().toStdString()
                                      << ": " << describe(r).toStdString();
        }
        for (const char *name :
             {"pushButton_Setting", "pushButton_Min", "pushButton_Max", "pushButton_Close"}) {
            auto *button = window.findChild<QWidget *>(QLatin1String(name));
            ASSERT_NE(button, nullptr) << name;
            const Reading r = read(shot, QRect(button->mapTo(&window, QPoint(0, 0)), button->size()));
            EXPECT_GE(r.ratio, kIcon) << name << ": " << describe(r).toStdString();
        }

        // The profile list opened: every entry, the one under the pointer and the others.
        auto *combo = window.findChild<QComboBox *>(QStringLiteral("comboBox_profileList"));
        ASSERT_NE(combo, nullptr);
        combo->addItem(QStringLiteral("Second profile"));
        combo->showPopup();
        QTest::qWait(300);
        QAbstractItemView *view = combo->view();
        ASSERT_TRUE(view->isVisible());
        const QImage list = view->grab().toImage();
        list.save(QStringLiteral(TL_SHOT_DIR "/theme-%1-list.png").arg(theme));
        for (int row = 0; row < combo->count(); ++row) {
            const Reading r = read(list, view->visualRect(view->model()->index(row, 0)));
            EXPECT_GE(r.ratio, kText) << "list entry " << row << ": " << describe(r).toStdString();
        }
        combo->hidePopup();
    }
    dm->setApplicationDirPath(appDirWas);
    HidDeviceManager::instance().setBackend(nullptr);
    qunsetenv("TIDELUMEN_SIMULATE");
}

INSTANTIATE_TEST_SUITE_P(Themes, ThemeContrast, testing::Range(0, 5));

} // namespace
