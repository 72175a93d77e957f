#include "dkeycalibrationexplaindia.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QVBoxLayout *column(QWidget *owner, const char *name, int spacing)
{
    auto *layout = new QVBoxLayout(owner);
    layout->setObjectName(QLatin1String(name));
    layout->setSpacing(spacing);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

QFrame *framed(QWidget *owner, const char *name)
{
    auto *frame = new QFrame(owner);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    return frame;
}

QLabel *line(QWidget *owner, const char *name, Qt::Alignment alignment)
{
    auto *label = new QLabel(owner);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(alignment);
    label->setWordWrap(true);
    return label;
}

// A page holding one frame with the given labels.
QWidget *page(QStackedWidget *stack, const char *name, const char *pageLayout, int pageSpacing,
              QFrame **frame, const char *frameName, const char *frameLayout, int frameSpacing)
{
    auto *p = new QWidget();
    p->setObjectName(QLatin1String(name));
    QVBoxLayout *outer = column(p, pageLayout, pageSpacing);
    *frame = framed(p, frameName);
    outer->addWidget(*frame);
    column(*frame, frameLayout, frameSpacing);
    stack->addWidget(p);
    return p;
}

} // namespace

void Ui_DKeyCalibrationExplainDia::setupUi(QWidget *panel)
{
    if (panel->objectName().isEmpty())
        panel->setObjectName(QStringLiteral("DKeyCalibrationExplainDia"));
    panel->resize(330, 163);
    panel->setStyleSheet(QStringLiteral("QLabel{font: 75 10pt \"微软雅黑\"; color: rgb(204, 204, 204);}"));
    verticalLayout = new QVBoxLayout(panel);
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    verticalLayout->setSpacing(3);
    verticalLayout->setContentsMargins(5, 5, 5, 5);
    stackedWidget = new QStackedWidget(panel);
    stackedWidget->setObjectName(QStringLiteral("stackedWidget"));
    verticalLayout->addWidget(stackedWidget);

    page_1 = page(stackedWidget, "page_1", "verticalLayout_3", 0, &frame, "frame", "verticalLayout_2", 3);
    frame->setStyleSheet(QStringLiteral("QFrame#frame{border: 0px; border-radius: 6px;}"));
    QLabel **steps[] = {&label_1, &label_2, &label_3, &label_4, &label_5};
    const char *stepNames[] = {"label_1", "label_2", "label_3", "label_4", "label_5"};
    for (int i = 0; i < 5; ++i) {
        *steps[i] = line(frame, stepNames[i], Qt::AlignLeft | Qt::AlignVCenter);
        frame->layout()->addWidget(*steps[i]);
    }
    page_2 = page(stackedWidget, "page_2", "verticalLayout_4", 6, &frame_2, "frame_2", "verticalLayout_5", 6);
    label_6 = line(frame_2, "label_6", Qt::AlignCenter);
    frame_2->layout()->addWidget(label_6);
    page_3 = page(stackedWidget, "page_3", "verticalLayout_7", 6, &frame_3, "frame_3", "verticalLayout_6", 6);
    label_7 = line(frame_3, "label_7", Qt::AlignCenter);
    frame_3->layout()->addWidget(label_7);
    page_4 = page(stackedWidget, "page_4", "verticalLayout_9", 6, &frame_4, "frame_4", "verticalLayout_8", 6);
    label_8 = line(frame_4, "label_8", Qt::AlignCenter);
    frame_4->layout()->addWidget(label_8);

    retranslateUi(panel);
    stackedWidget->setCurrentIndex(0);
}

void Ui_DKeyCalibrationExplainDia::retranslateUi(QWidget *panel)
{
    auto tr = [](const char *text) { return QCoreApplication::translate("DKeyCalibrationExplainDia", text); };
    panel->setWindowTitle(tr("DKeyCalibrationExplainDia"));
    label_1->setText(tr("1.Explain"));
    label_2->setText(tr("2.Explain"));
    label_3->setText(tr("3.Explain"));
    label_4->setText(tr("4.Explain"));
    label_5->setText(tr("5.Explain"));
    label_6->setText(tr("Explain"));
    label_7->setText(tr("Explain"));
    label_8->setText(tr("Explain"));
}

DKeyCalibrationExplainDia::DKeyCalibrationExplainDia(int type, QWidget *parent)
    : QWidget(parent), ui(new Ui_DKeyCalibrationExplainDia)
{
    ui->setupUi(this);
    auto tr = [](const char *text) { return QCoreApplication::translate("QObject", text); };
    switch (type) {
    case 0:
        ui->stackedWidget->setCurrentWidget(ui->page_1);
        ui->label_1->setText(tr("1.Into key calibration mode first;"));
        ui->label_2->setText(tr("2.Select one key;"));
        ui->label_3->setText(tr("3.Clicked \"Start calibration\";"));
        ui->label_4->setText(tr("4.Press the selected key;"));
        ui->label_5->setText(tr("5.Return key calibration results;"));
        break;
    case 2:
        ui->stackedWidget->setCurrentWidget(ui->page_3);
        ui->label_7->setText(tr("Set the required press key duration for triggering."));
        break;
    case 3:
        ui->stackedWidget->setCurrentWidget(ui->page_4);
        ui->label_8->setText(
            tr("When all keys calibration is enabled, please press all keys to complete the calibration."));
        break;
    default:
        // No explanation of its own: the form's placeholder page.
        ui->stackedWidget->setCurrentWidget(ui->page_2);
        break;
    }
}

DKeyCalibrationExplainDia::~DKeyCalibrationExplainDia()
{
    delete ui;
}
