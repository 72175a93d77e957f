// The advanced-keys dialog's form and its explanation pop-up.
#include "dseniorkeysrecordexplaindia.h"
#include "myslider.h"
#include "ui_dseniorkeyspage.h"

#include <QDialog>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "dseniorkeyspage.h"

namespace {

struct Form
{
    Form()
    {
        ui.setupUi(&dialog);
        dialog.show();
    }
    template <typename T> T *child(const char *name) const
    {
        return dialog.findChild<T *>(QLatin1String(name));
    }
    QDialog dialog;
    Ui::DSeniorKeysPage ui;
};

TEST(SeniorKeysForm, WidgetsTheDialogAddressesByName)
{
    Form f;
    const struct
    {
        const char *name;
        const char *cls;
    } widgets[] = {
        {"frame_Bg", "QFrame"},
        {"frame_Title", "QFrame"},
        {"label_Title", "QLabel"},
        {"pushButton_Close", "QPushButton"},
        {"widget_SeniorKeySetting", "QFrame"},
        {"frame_Left", "QFrame"},
        {"frame_Right", "QFrame"},
        {"radioButton_DKS", "QRadioButton"},
        {"radioButton_MT", "QRadioButton"},
        {"radioButton_TGL", "QRadioButton"},
        {"toolButton_ExplainInfo02", "QToolButton"},
        {"pushButton_NewCreate", "QPushButton"},
        {"stackedWidget_Left", "QStackedWidget"},
        {"page_SeniorKesOperate", "QWidget"},
        {"page_EmptyTipAll", "QWidget"},
        {"stackedWidget_2", "QStackedWidget"},
        {"page_DKS", "QWidget"},
        {"page_MT", "QWidget"},
        {"page_TGL", "QWidget"},
        {"toolButton_SeniorKey01", "QToolButton"},
        {"toolButton_SeniorKey04", "QToolButton"},
        {"label_Stroke01", "QLabel"},
        {"label_Stroke04", "QLabel"},
        {"toolButton_StrokeTip01", "QToolButton"},
        {"toolButton_StrokeTip04", "QToolButton"},
        {"widget_DksDrawPage", "QWidget"},
        {"toolButton_HoldKey", "QToolButton"},
        {"toolButton_ClickKey", "QToolButton"},
        {"horizontalSlider_HoldDuration", "QSlider"},
        {"label_HoldDuration", "QLabel"},
        {"toolButton_TglKey", "QToolButton"},
        {"label_EventTotalNum", "QLabel"},
        {"scrollArea_2", "QScrollArea"},
        {"scrollAreaWidgetContents_2", "QWidget"},
        {"label_TipInfo", "QLabel"},
        {"radioButton_SingleKey", "QRadioButton"},
        {"radioButton_CombinationKeys", "QRadioButton"},
        {"toolButton_ExplainInfo", "QToolButton"},
        {"scrollArea_3", "QScrollArea"},
        {"scrollAreaWidgetContents_3", "QWidget"},
        {"widget_5", "QWidget"},
        {"widget_6", "QWidget"},
    };
    for (const auto &w : widgets) {
        QWidget *found = f.child<QWidget>(w.name);
        ASSERT_NE(found, nullptr) << w.name;
        EXPECT_TRUE(found->inherits(w.cls)) << w.name << " is a " << found->metaObject()->className();
    }
    EXPECT_TRUE(f.ui.horizontalSlider_HoldDuration->inherits("QSlider"));
    // The list rows go into the list's own box, above its trailing spacer.
    EXPECT_EQ(f.ui.scrollAreaWidgetContents_2->layout(), f.ui.verticalLayout_11);
    EXPECT_EQ(f.ui.verticalLayout_11->count(), 1);
    EXPECT_NE(f.ui.verticalLayout_11->itemAt(0)->spacerItem(), nullptr);
}

TEST(SeniorKeysForm, StartsOnTheFirstPagesWithTheFirstChoicesOn)
{
    Form f;
    EXPECT_EQ(f.dialog.objectName(), QStringLiteral("DSeniorKeysPage"));
    EXPECT_EQ(f.ui.stackedWidget_Left->currentWidget(), f.ui.page_SeniorKesOperate);
    EXPECT_EQ(f.ui.stackedWidget_2->currentWidget(), f.ui.page_DKS);
    for (QAbstractButton *on : {static_cast<QAbstractButton *>(f.ui.radioButton_DKS),
                                static_cast<QAbstractButton *>(f.ui.radioButton_SingleKey),
                                static_cast<QAbstractButton *>(f.ui.toolButton_SeniorKey01),
                                static_cast<QAbstractButton *>(f.ui.toolButton_HoldKey),
                                static_cast<QAbstractButton *>(f.ui.toolButton_TglKey)})
        EXPECT_TRUE(on->isChecked()) << on->objectName().toStdString();
    EXPECT_FALSE(f.ui.toolButton_ClickKey->isChecked());
    EXPECT_EQ(f.ui.horizontalSlider_HoldDuration->minimum(), 15);
    EXPECT_EQ(f.ui.horizontalSlider_HoldDuration->maximum(), 100);
    for (int value : {5, 15, 42, 100, 400}) {
        f.ui.horizontalSlider_HoldDuration->setValue(value);
        EXPECT_EQ(f.ui.horizontalSlider_HoldDuration->value(), qBound(15, value, 100)) << value;
    }
}

TEST(SeniorKeysForm, ChoicesSharingAFrameExcludeEachOther)
{
    Form f;
    QTest::mouseClick(f.ui.radioButton_MT, Qt::LeftButton);
    EXPECT_TRUE(f.ui.radioButton_MT->isChecked());
    EXPECT_FALSE(f.ui.radioButton_DKS->isChecked());
    QTest::mouseClick(f.ui.radioButton_TGL, Qt::LeftButton);
    EXPECT_FALSE(f.ui.radioButton_MT->isChecked());
    QTest::mouseClick(f.ui.radioButton_CombinationKeys, Qt::LeftButton);
    EXPECT_FALSE(f.ui.radioButton_SingleKey->isChecked());
    // The kind choice and the mode choice do not touch each other.
    EXPECT_TRUE(f.ui.radioButton_TGL->isChecked());
}

TEST(SeniorKeysExplanation, TextsAndPages)
{
    const QString keyMode = DSeniorKeysRecordExplainDia::explanation(1);
    EXPECT_EQ(keyMode.count(QLatin1Char('\n')), 1);
    EXPECT_FALSE(keyMode.endsWith(QLatin1Char('\n')));
    EXPECT_TRUE(keyMode.startsWith(QStringLiteral("When \"Single Key\" is selected")));

    const QStringList kinds = DSeniorKeysRecordExplainDia::explanation(2).split(QLatin1Char('\n'));
    ASSERT_EQ(kinds.size(), 6);
    EXPECT_EQ(kinds[0], QStringLiteral("DKS:"));
    EXPECT_EQ(kinds[2], QStringLiteral("MT:"));
    EXPECT_EQ(kinds[4], QStringLiteral("TGL:"));
    EXPECT_EQ(kinds[5], QStringLiteral("Click this key to switch continuous triggering on or off."));

    for (int kind : {1, 2}) {
        DSeniorKeysRecordExplainDia dia(kind);
        auto *stack = dia.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
        ASSERT_NE(stack, nullptr);
        const char *page = kind == 1 ? "page_Explain01" : "page_Explain02";
        const char *label = kind == 1 ? "label_KeyRecordExplain" : "label_DksMtTglExplain";
        EXPECT_EQ(stack->currentWidget()->objectName(), QLatin1String(page));
        EXPECT_EQ(dia.findChild<QLabel *>(QLatin1String(label))->text(),
                  DSeniorKeysRecordExplainDia::explanation(kind));
    }
}

TEST(SeniorKeysExplanation, TipSitsElevenPixelsBelowTheButtonTopWithTheArrowUnderItsCentre)
{
    const QPoint bottomCentre(500, 300);
    const int buttonHeight = 16;
    const struct
    {
        int left;
        int arrowStart;
    } cases[] = {{360, 353}, {200, 193}};
    for (const auto &c : cases) {
        const QPoint topLeft = DSeniorKeysPage::explainTipPosition(bottomCentre, buttonHeight, c.left);
        EXPECT_EQ(topLeft.y(), bottomCentre.y() - buttonHeight + 11);
        // The arrow's tip is 7 pixels right of its start.
        EXPECT_EQ(topLeft.x() + c.arrowStart + 7, bottomCentre.x());
    }
}

} // namespace
