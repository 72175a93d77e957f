#include "dperformancepageform.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace {

QFrame *frameIn(QWidget *parent, const char *name)
{
    auto *f = new QFrame(parent);
    f->setObjectName(QLatin1String(name));
    f->setFrameShape(QFrame::StyledPanel);
    f->setFrameShadow(QFrame::Raised);
    return f;
}

template <typename W> W *named(QWidget *parent, const char *name)
{
    auto *w = new W(parent);
    w->setObjectName(QLatin1String(name));
    return w;
}

// -1 leaves a margin to the widget style.
template <typename Layout>
Layout *boxOn(QWidget *owner, const char *name, int spacing, int left, int top, int right, int bottom)
{
    auto *layout = new Layout(owner);
    layout->setObjectName(QLatin1String(name));
    layout->setSpacing(spacing);
    layout->setContentsMargins(left, top, right, bottom);
    return layout;
}

QLabel *caption(QWidget *parent, const char *name)
{
    auto *l = named<QLabel>(parent, name);
    l->setMinimumHeight(24);
    return l;
}

QLineEdit *timeEdit(QWidget *parent, const char *name)
{
    auto *e = named<QLineEdit>(parent, name);
    e->setMinimumHeight(22);
    e->setMaximumSize(120, 20);
    return e;
}

QPushButton *commandButton(QWidget *parent, const char *name, const char *icon)
{
    auto *b = named<QPushButton>(parent, name);
    b->setMinimumHeight(35);
    b->setIcon(QIcon(QLatin1String(icon)));
    b->setIconSize(QSize(20, 20));
    return b;
}

const char kPageStyle[] =
    R"(QFrame{border: none;}
QLabel#label, QLabel#label_2, QLabel#label_5{color: rgb(158, 158, 158); font: 75 12pt "微软雅黑";}
QLabel#label_3, QLabel#label_4{color: rgb(158, 158, 158); font: 75 10pt "微软雅黑";}
QCheckBox{color: rgb(158, 158, 158); font: 75 10pt "微软雅黑";}
QCheckBox:checked{color: rgb(255, 143, 31);}
QCheckBox::indicator{width: 13px; height: 13px;}
QCheckBox::indicator:unchecked{image: url(:/images/publicIco/checkBoxDef.png);}
QCheckBox::indicator:checked{image: url(:/images/publicIco/checkBoxSel.png);}
QPushButton{color: rgb(255, 143, 31); font: 75 11pt "微软雅黑"; border: 3px solid rgb(52, 52, 86); border-radius: 8px;}
QPushButton:hover{border: 3px solid rgb(255, 143, 31);}
QFrame#frame_Left, QFrame#frame_Center{border: 3px solid rgb(46, 47, 80); border-radius: 8px;}
QLineEdit{color: rgb(175, 175, 175); font: 75 10pt "微软雅黑"; background-color: rgb(26, 27, 49);
border: 1px solid rgb(175, 175, 175); border-radius: 4px;}
QLineEdit:hover, QLineEdit:focus{border: 1px solid rgb(255, 143, 31);})";

} // namespace

void Ui_DPerformancePage::setupUi(QWidget *page)
{
    if (page->objectName().isEmpty())
        page->setObjectName(QStringLiteral("DPerformancePage"));
    page->resize(1096, 250);
    page->setMinimumHeight(250);
    auto *outer = boxOn<QHBoxLayout>(page, "horizontalLayout", 0, 0, 0, 0, 0);
    frame_Bg03 = frameIn(page, "frame_Bg03");
    frame_Bg03->setStyleSheet(QString::fromUtf8(kPageStyle));
    outer->addWidget(frame_Bg03);
    auto *columns = boxOn<QHBoxLayout>(frame_Bg03, "horizontalLayout_2", 15, 11, 10, -1, 9);

    frame_Left = frameIn(frame_Bg03, "frame_Left");
    frame_Left->setFixedWidth(282);
    auto *left = boxOn<QVBoxLayout>(frame_Left, "verticalLayout", 0, 0, -1, 6, -1);
    QFrame *frame_3 = frameIn(frame_Left, "frame_3");
    auto *titleRow = boxOn<QVBoxLayout>(frame_3, "verticalLayout_3", 6, 6, 0, 0, 6);
    label = caption(frame_3, "label");
    titleRow->addWidget(label);
    left->addWidget(frame_3);
    frame_4 = frameIn(frame_Left, "frame_4");
    auto *boxes = boxOn<QVBoxLayout>(frame_4, "verticalLayout_2", 10, 12, 3, 0, -1);
    checkBox_disableWindowsKey = named<QCheckBox>(frame_4, "checkBox_disableWindowsKey");
    checkBox_disableSHIFT_TAB = named<QCheckBox>(frame_4, "checkBox_disableSHIFT_TAB");
    checkBox_disableALT_TAB = named<QCheckBox>(frame_4, "checkBox_disableALT_TAB");
    checkBox_disableALT_F4 = named<QCheckBox>(frame_4, "checkBox_disableALT_F4");
    for (QCheckBox *b : {checkBox_disableWindowsKey, checkBox_disableSHIFT_TAB, checkBox_disableALT_TAB,
                         checkBox_disableALT_F4})
        boxes->addWidget(b);
    left->addWidget(frame_4);
    left->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding));
    columns->addWidget(frame_Left);

    frame_Center = frameIn(frame_Bg03, "frame_Center");
    frame_Center->setFixedWidth(240);
    auto *sleep = boxOn<QVBoxLayout>(frame_Center, "verticalLayout_4", 4, 6, -1, 6, 3);
    label_2 = caption(frame_Center, "label_2");
    label_2->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);
    sleep->addWidget(label_2);
    QFrame *frame_5 = frameIn(frame_Center, "frame_5");
    auto *lightRow = boxOn<QHBoxLayout>(frame_5, "horizontalLayout_3", 6, 6, 0, 0, -1);
    lineEdit_LightSleep = timeEdit(frame_5, "lineEdit_LightSleep");
    lightRow->addWidget(lineEdit_LightSleep);
    label_3 = named<QLabel>(frame_5, "label_3");
    lightRow->addWidget(label_3);
    sleep->addWidget(frame_5);
    label_5 = caption(frame_Center, "label_5");
    label_5->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);
    sleep->addWidget(label_5);
    QFrame *frame_6 = frameIn(frame_Center, "frame_6");
    auto *keyboardRow = boxOn<QHBoxLayout>(frame_6, "horizontalLayout_4", 6, 6, 0, 0, -1);
    lineEdit_KeyboardSleep = timeEdit(frame_6, "lineEdit_KeyboardSleep");
    keyboardRow->addWidget(lineEdit_KeyboardSleep);
    label_4 = named<QLabel>(frame_6, "label_4");
    keyboardRow->addWidget(label_4);
    sleep->addWidget(frame_6);
    frame_ProhibitSleep = frameIn(frame_Center, "frame_ProhibitSleep");
    auto *prohibitRow = boxOn<QHBoxLayout>(frame_ProhibitSleep, "horizontalLayout_6", 6, 2, 0, 0, 0);
    checkBox_ProhibitSleep = named<QCheckBox>(frame_ProhibitSleep, "checkBox_ProhibitSleep");
    prohibitRow->addWidget(checkBox_ProhibitSleep);
    sleep->addWidget(frame_ProhibitSleep);
    QFrame *frame_7 = frameIn(frame_Center, "frame_7");
    auto *submitRow = boxOn<QHBoxLayout>(frame_7, "horizontalLayout_5", 6, -1, 6, -1, 6);
    pushButton_SubmitSleepTime = named<QPushButton>(frame_7, "pushButton_SubmitSleepTime");
    pushButton_SubmitSleepTime->setMinimumSize(100, 40);
    submitRow->addWidget(pushButton_SubmitSleepTime);
    sleep->addWidget(frame_7);
    sleep->addItem(new QSpacerItem(20, 1, QSizePolicy::Minimum, QSizePolicy::Expanding));
    columns->addWidget(frame_Center);

    frame_Right = frameIn(frame_Bg03, "frame_Right");
    frame_Right->setFixedWidth(285);
    auto *right = boxOn<QVBoxLayout>(frame_Right, "verticalLayout_5", 20, 3, 0, -1, -1);
    pushButton_keyboardProperties =
        commandButton(frame_Right, "pushButton_keyboardProperties", ":/images/capabilitySel.png");
    right->addWidget(pushButton_keyboardProperties);
    pushButton_Restore = commandButton(frame_Right, "pushButton_Restore", ":/images/Reset.png");
    right->addWidget(pushButton_Restore);
    right->addItem(new QSpacerItem(20, 86, QSizePolicy::Minimum, QSizePolicy::Expanding));
    columns->addWidget(frame_Right);
    columns->addItem(new QSpacerItem(281, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));

    retranslateUi(page);
    QMetaObject::connectSlotsByName(page);
}

void Ui_DPerformancePage::retranslateUi(QWidget *page)
{
    auto tr = [](const char *text) { return QCoreApplication::translate("DPerformancePage", text); };
    page->setWindowTitle(tr("DPerformancePage"));
    label->setText(tr("If Win Lock is on:"));
    checkBox_disableWindowsKey->setText(tr("Disable Windows key"));
    checkBox_disableSHIFT_TAB->setText(tr("Disable SHIFT+TAB"));
    checkBox_disableALT_TAB->setText(tr("Disable ALT+TAB"));
    checkBox_disableALT_F4->setText(tr("Disable ALT+F4"));
    label_2->setText(tr("Light into sleep:"));
    lineEdit_LightSleep->setText(tr("666"));
    lineEdit_LightSleep->setPlaceholderText(tr("0~60000"));
    label_3->setText(tr("Second"));
    label_5->setText(tr("Keyboard into sleep:"));
    lineEdit_KeyboardSleep->setText(tr("333"));
    lineEdit_KeyboardSleep->setPlaceholderText(tr("5~1000"));
    label_4->setText(tr("Minute"));
    checkBox_ProhibitSleep->setText(tr("Prohibit Sleep"));
    pushButton_SubmitSleepTime->setText(tr("Submit"));
    pushButton_keyboardProperties->setText(tr("Keyboard properties"));
    pushButton_Restore->setText(tr("Reset current profile"));
}
