#include "keytippopup.h"

#include <QFont>
#include <QFontMetrics>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

// Stand-in for the shared arrow pop-up until it lands on this branch: a rounded box with a
// downward arrow, drawn in the tip's 15-pixel shadow band.
class ArrowBox : public QWidget
{
public:
    ArrowBox() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::ToolTip)
    {
        setAttribute(Qt::WA_TranslucentBackground);
        setAttribute(Qt::WA_ShowWithoutActivating);
        // The tip must never take the pointer from the key it describes.
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFixedSize(KeyTipPopup::kWidth, KeyTipPopup::kHeight);
        auto *shadow = new QGraphicsDropShadowEffect(this);
        shadow->setOffset(0, 0);
        shadow->setColor(Qt::gray);
        shadow->setBlurRadius(15);
        setGraphicsEffect(shadow);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(46, 47, 80));
        const int x = KeyTipPopup::kArrowStartX;
        const int h = height();
        QPainterPath path;
        path.addRoundedRect(QRectF(15, 15, width() - 30, h - 30), 5, 5);
        QPainterPath arrow;
        arrow.moveTo(x, h - 15);
        arrow.lineTo(x + 7, h);
        arrow.lineTo(x + 15, h - 15);
        arrow.closeSubpath();
        p.drawPath(path.united(arrow));
    }
};

const char *const kWhite = "245,245,245";
const char *const kOrange = "255,143,31";

} // namespace

KeyTipPopup::KeyTipPopup(QObject *parent) : QObject(parent) {}

KeyTipPopup::~KeyTipPopup()
{
    delete m_popup; // a top-level window has no parent to take it along
}

void KeyTipPopup::ensurePopup()
{
    if (m_popup)
        return;
    auto *box = new ArrowBox;
    auto *layout = new QVBoxLayout(box);
    layout->setSpacing(0);
    layout->setContentsMargins(15, 15, 15, 15 + 12);
    for (QLabel **label : {&m_titleLabel, &m_subtitleLabel, &m_detailLabel}) {
        *label = new QLabel(box);
        (*label)->setAlignment(Qt::AlignCenter);
        (*label)->setStyleSheet(
            QStringLiteral("color: rgb(245, 245, 245); font: 75 12pt \"Microsoft YaHei\";"));
        layout->addWidget(*label);
    }
    m_popup = box;
}

void KeyTipPopup::setEventInfo(const QString &title, const QString &subtitle, const QString &detail,
                               bool remappable)
{
    m_title = title;
    m_subtitle = subtitle;
    m_detail = detail;
    m_remappable = remappable;
    ensurePopup();
    const bool warn = !remappable || title == QLatin1String("fn") || title == QLatin1String("Fn") ||
                      title == QLatin1String("FN");
    const QString style = QStringLiteral("color: rgb(%2); font: 75 12pt \"%1\";")
                              .arg(QStringLiteral("Microsoft YaHei"), QLatin1String(warn ? kOrange : kWhite));
    m_titleLabel->setStyleSheet(style);
    m_detailLabel->setStyleSheet(style);
    m_titleLabel->setText(title);
    m_subtitleLabel->setText(subtitle);
    QFont font(QStringLiteral("Microsoft YaHei"));
    font.setPointSize(12);
    const QFontMetrics fm(font);
    m_detailLabel->setText(fm.horizontalAdvance(detail) >= 215 ? fm.elidedText(detail, Qt::ElideRight, 215)
                                                               : detail);
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
