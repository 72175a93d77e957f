#include "keytippopup.h"

#include "arrowwidget.h"
#include "dcustomeventtipexplain.h"

KeyTipPopup::KeyTipPopup(QObject *parent) : QObject(parent) {}

KeyTipPopup::~KeyTipPopup()
{
    delete m_popup; // a top-level window has no parent to take it along
}

QWidget *KeyTipPopup::popup() const
{
    return m_popup;
}

void KeyTipPopup::ensurePopup()
{
    if (m_popup)
        return;
    m_popup = new ArrowWidget(1);
    // The tip must never take the pointer or the activation from the key it describes.
    m_popup->setAttribute(Qt::WA_ShowWithoutActivating);
    m_popup->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_popup->setWidgetSize(kWidth, kHeight);
    m_popup->setArrowStartX(kArrowStartX);
    m_content = new DCustomEventTipExplain;
    m_popup->setCenterWidget(m_content);
}

void KeyTipPopup::setEventInfo(const QString &title, const QString &subtitle, const QString &detail,
                               bool remappable)
{
    m_title = title;
    m_subtitle = subtitle;
    m_detail = detail;
    m_remappable = remappable;
    ensurePopup();
    m_content->setEventInfo(title, subtitle, detail, remappable);
}

void KeyTipPopup::showAbove(QWidget *key)
{
    ensurePopup();
    const QPoint anchor = key->mapToGlobal(QPoint(key->width() / 2, key->height()));
    m_popup->move(anchor - QPoint(kWidth / 2, key->height() + kHeight));
    m_popup->show();
}

void KeyTipPopup::hide()
{
    if (m_popup)
        m_popup->hide();
}

bool KeyTipPopup::isShown() const
{
    return m_popup && m_popup->isVisible();
}
