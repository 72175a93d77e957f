#include "dkeycommandpage.h"

#include "ddatamanager.h"
#include "keypagestyle.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>

namespace {

// Whether a stored value has the pattern's parts: as many comma-separated parts, each a number
// equal to the pattern's or matched by its "*". A garbled or short value is nobody's.
bool valueMatches(const QByteArray &pattern, const QByteArray &value)
{
    const QList<QByteArray> want = pattern.split(',');
    const QList<QByteArray> have = value.split(',');
    if (want.size() != have.size())
        return false;
    for (int i = 0; i < want.size(); ++i) {
        if (want.at(i) == "*")
            continue;
        const std::optional<int> n = keyfunctionitem::number(have.at(i).constData());
        if (!n || *n != want.at(i).toInt())
            return false;
    }
    return true;
}

bool isHallEffectLayout(int hidDeviceType)
{
    return hidDeviceType == 4 || hidDeviceType == 5;
}

} // namespace

DKeyCommandPage::DKeyCommandPage(QWidget *parent) : DKeyItemPage(parent), m_group(new QButtonGroup(this))
{
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::idClicked, this, &DKeyCommandPage::write);
}

DKeyCommandPage::~DKeyCommandPage() = default;

void DKeyCommandPage::setTitle(QLabel *title, const char *text)
{
    m_title = title;
    m_titleText = text;
    setTexts();
}

void DKeyCommandPage::addCommand(const char *button, const char *label, int type, int playMode,
                                 const QByteArray &value, bool playModeMatters,
                                 const std::optional<QByteArray> &valuePattern, Shown shown)
{
    auto *radio = findChild<QRadioButton *>(QLatin1String(button));
    Q_ASSERT(radio);
    m_group->addButton(radio, int(m_entries.size()));
    m_entries.push_back({radio, label, type, playMode, value, playModeMatters, valuePattern, shown});
    radio->setText(QCoreApplication::translate(metaObject()->className(), label));
    if (shown == Shown::Never)
        radio->hide();
}

void DKeyCommandPage::setTexts()
{
    const char *context = metaObject()->className();
    if (m_title)
        m_title->setText(QCoreApplication::translate(context, m_titleText));
    for (const Entry &e : m_entries)
        e.button->setText(QCoreApplication::translate(context, e.label));
}

void DKeyCommandPage::retranslate()
{
    // The form's set-up touches texts only: checked and hidden buttons stay as they are.
    retranslateForm();
    setTexts();
}

void DKeyCommandPage::applyTheme()
{
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    setStyleSheet(keypagestyle::radioSheet(c));
    if (m_title)
        keypagestyle::styleTitle(m_title, c);
}

void DKeyCommandPage::uncheckAll()
{
    // An exclusive group never lets its checked button go on request.
    m_group->setExclusive(false);
    for (const Entry &e : m_entries)
        e.button->setChecked(false);
    m_group->setExclusive(true);
}

bool DKeyCommandPage::shows(const Entry &e, int type, std::optional<int> playMode,
                            const QByteArray &value) const
{
    if (e.type != type)
        return false;
    if (e.playModeMatters && playMode != e.playMode)
        return false;
    return !e.valuePattern || valueMatches(*e.valuePattern, value);
}

void DKeyCommandPage::loadCurrentKeyInfo()
{
    DDataManager *dm = DDataManager::getInstance();
    const bool hallLayout = isHallEffectLayout(dm->hidDeviceType());
    for (const Entry &e : m_entries) {
        if (e.shown == Shown::UnlessHallKb)
            e.button->setVisible(!hallLayout);
    }
    takeCurrentKey();
    uncheckAll();

    KeyOperateInfo info{};
    if (!readItem(info))
        return;
    const std::optional<int> type = keyfunctionitem::number(info.type);
    if (!type)
        return;
    const std::optional<int> playMode = keyfunctionitem::number(info.playMode);
    for (const Entry &e : m_entries) {
        if (shows(e, *type, playMode, QByteArray(info.value))) {
            e.button->setChecked(true);
            return;
        }
    }
}

void DKeyCommandPage::write(int index)
{
    const Entry &e = m_entries.at(std::size_t(index));
    if (keyCode() == -1) {
        // Nothing loaded yet: there is no key to give the command to.
        uncheckAll();
        return;
    }
    writeItem(e.type, e.value, 1, e.playMode);
}
