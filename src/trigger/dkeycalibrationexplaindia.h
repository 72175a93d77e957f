#pragma once

#include <QWidget>

class QFrame;
class QLabel;
class QStackedWidget;
class QVBoxLayout;

// The form of the calibration explanation panel: four pages of explanatory lines.
struct Ui_DKeyCalibrationExplainDia
{
    QVBoxLayout *verticalLayout = nullptr;
    QStackedWidget *stackedWidget = nullptr;
    QWidget *page_1 = nullptr;
    QFrame *frame = nullptr;
    QLabel *label_1 = nullptr;
    QLabel *label_2 = nullptr;
    QLabel *label_3 = nullptr;
    QLabel *label_4 = nullptr;
    QLabel *label_5 = nullptr;
    QWidget *page_2 = nullptr;
    QFrame *frame_2 = nullptr;
    QLabel *label_6 = nullptr;
    QWidget *page_3 = nullptr;
    QFrame *frame_3 = nullptr;
    QLabel *label_7 = nullptr;
    QWidget *page_4 = nullptr;
    QFrame *frame_4 = nullptr;
    QLabel *label_8 = nullptr;

    void setupUi(QWidget *panel);
    void retranslateUi(QWidget *panel);
};

// The help panel shown above a question-mark button of the trigger tab. The explanation type picks
// the page: 0 the single-key calibration steps, 2 the actuation point, 3 all-keys calibration.
class DKeyCalibrationExplainDia : public QWidget
{
    Q_OBJECT

public:
    explicit DKeyCalibrationExplainDia(int type, QWidget *parent = nullptr);
    ~DKeyCalibrationExplainDia() override;

    DKeyCalibrationExplainDia(const DKeyCalibrationExplainDia &) = delete;
    DKeyCalibrationExplainDia &operator=(const DKeyCalibrationExplainDia &) = delete;

private:
    Ui_DKeyCalibrationExplainDia *ui;
};
