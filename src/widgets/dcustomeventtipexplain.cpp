#include "dcustomeventtipexplain.h"
#include "themecolors.h"

#include <QFontMetrics>
#include <QLabel>
#include <QVBoxLayout>

namespace {
const char kFontFamily[] = "Microsoft YaHei";

QLabel *makeLabel(const QString &text, const QString &objectName, const QString &style, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setFixedSize(230, 30);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(style);
    return label;
}
} // namespace

DCustomEventTipExplain::DCustomEventTipExplain(QWidget *parent) : QWidget(parent)
{
    const QString style12 = QStringLiteral("color: rgb(245, 245, 245); font: bold 12pt \"Microsoft YaHei\";");
    m_titleLabel =
        makeLabel(QStringLiteral("A"), QStringLiteral("label_Title"),
                  QStringLiteral("color: rgb(245, 245, 245); font: bold 14pt \"Microsoft YaHei\";"), this);
    m_subtitleLabel = makeLabel(tr("Default"), QStringLiteral("label_SubTitle"), style12, this);
    m_detailLabel = makeLabel(QStringLiteral("ABC666666CFK"), QStringLiteral("label_Detail"), style12, this);
    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 12);
    box->addWidget(m_titleLabel);
    box->addWidget(m_subtitleLabel);
    box->addWidget(m_detailLabel);
}

void DCustomEventTipExplain::setEventInfo(const QString &title, const QString &subtitle,
                                          const QString &detail, bool remappable)
{
    const bool fnKey =
        title == QLatin1String("fn") || title == QLatin1String("Fn") || title == QLatin1String("FN");
    const QString colour =
        (fnKey || !remappable) ? QStringLiteral("255,143,31") : QStringLiteral("245,245,245");
    const QString style = QStringLiteral("color: %2; font: bold 12pt \"%1\";")
                              .arg(QLatin1String(kFontFamily), ThemeColors::css(colour));
    m_titleLabel->setStyleSheet(style);
    m_detailLabel->setStyleSheet(style);
    m_titleLabel->setText(title);
    m_subtitleLabel->setText(subtitle);

    const QFontMetrics metrics(QFont(QLatin1String(kFontFamily), 12, QFont::Normal));
    QString shown = detail;
    m_detailElided = metrics.horizontalAdvance(detail) >= kDetailElideWidth;
    if (m_detailElided)
        shown = metrics.elidedText(detail, Qt::ElideRight, kDetailElideWidth);
    m_detailLabel->setText(shown);
}
