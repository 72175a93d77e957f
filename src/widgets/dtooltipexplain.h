#pragma once

#include <QWidget>

class QLabel;

// One line of help text, shown inside an ArrowWidget.
class DToolTipExplain : public QWidget
{
    Q_OBJECT

public:
    explicit DToolTipExplain(QWidget *parent = nullptr);

    void setTipText(const QString &text);

private:
    QLabel *m_label = nullptr;
};
