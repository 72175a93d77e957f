#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class ArrowWidget;
class DCustomEventTipExplain;
class QWidget;

// The key tip of the keyboard view: an arrow pop-up above a key with the key's caption, its
// function and the function's detail. One pop-up is created per key layer and reused for every
// hover.
class KeyTipPopup : public QObject
{
    Q_OBJECT

public:
    explicit KeyTipPopup(QObject *parent = nullptr);
    ~KeyTipPopup() override;

    // Fills the tip; `remappable` false shows the caption in the warning colour.
    void setEventInfo(const QString &title, const QString &subtitle, const QString &detail, bool remappable);
    // Shows the tip with its bottom edge on the top edge of `key`, centred on it.
    void showAbove(QWidget *key);
    void hide();
    bool isShown() const;

    QString title() const { return m_title; }
    QString subtitle() const { return m_subtitle; }
    QString detail() const { return m_detail; }
    bool remappable() const { return m_remappable; }
    // The pop-up window itself, for screenshots.
    QWidget *popup() const;

    static constexpr int kWidth = 260;
    static constexpr int kHeight = 120;
    static constexpr int kArrowStartX = 123;

private:
    void ensurePopup();

    QPointer<ArrowWidget> m_popup;
    DCustomEventTipExplain *m_content = nullptr;
    QString m_title;
    QString m_subtitle;
    QString m_detail;
    bool m_remappable = true;
};
