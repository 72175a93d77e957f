#pragma once

#include <QString>
#include <QWidget>
#include <memory>

namespace Ui {
class DCatchKeyAndMouseItem;
}

// One line of the macro editor's event list: delay, kind and press/release icons and the event's
// text. It keeps the six texts of its stored event for the editor to read back.
class DCatchKeyAndMouseItem : public QWidget
{
    Q_OBJECT

public:
    DCatchKeyAndMouseItem(QString mark, QWidget *parent = nullptr);
    ~DCatchKeyAndMouseItem() override;

    void setEventInfo(int delay, QString type, int keyCode, QString codeName, QString operateExplain);
    void setDelay(int delay);
    void setHighlight(bool on);
    void setAccentHighlight(bool on);

    QString mark() const { return m_mark; }
    QString delay() const { return m_delay; }
    QString type() const { return m_type; }
    QString keyCode() const { return m_keyCode; }
    QString codeName() const { return m_codeName; }
    QString operateExplain() const { return m_operateExplain; }

signals:
    void sigKeyOrMouseEventClick(QString delay, QString type, QString keyCode, QString codeName,
                                 QString operateExplain);
    void sigDeleteKeyAndMouseEvent();

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private slots:
    void on_pushButton_Delete_clicked();

private:
    void applyLook(const QString &background, const QString &labelColor);

    std::unique_ptr<Ui::DCatchKeyAndMouseItem> ui;
    QString m_mark;
    QString m_delay;
    QString m_type;
    QString m_keyCode;
    QString m_codeName;
    QString m_operateExplain;
    QString borderColor;
    QString selectedColor;
    QString backgroundColor;
    QString textColor;
    QString accentColor;
    QString fontFamily;
};
