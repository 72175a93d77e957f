#pragma once

#include "dkeyitempage.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

class QButtonGroup;
class QLabel;
class QRadioButton;

// A page of radio buttons where every button stands for one complete key-function item: a click
// writes that item for the loaded key at once, a load checks the button of the key's stored item.
// A page is its command table and its form; everything else happens here.
class DKeyCommandPage : public DKeyItemPage
{
    Q_OBJECT

public:
    enum class Shown
    {
        Always,
        Never,        // kept only so that a stored item of its kind is still recognised
        UnlessHallKb, // hidden on the layouts of magnetic keyboards (hidDeviceType 4 or 5)
    };

    // One button of a page's table.
    struct Command
    {
        const char *button; // object name in the form
        const char *label;  // source text, translated in the page's class context
        int type;
        int playMode;
        const char *value;    // the value written
        bool playModeMatters; // a stored item shows on this button only with this play mode
        // The stored values shown on this button: comma-separated numbers, "*" for any part; none
        // for any value at all.
        const char *valuePattern;
        Shown shown = Shown::Always;
    };

    ~DKeyCommandPage() override;

    void retranslate() override;
    void applyTheme() override;
    void loadCurrentKeyInfo() override;

protected:
    explicit DKeyCommandPage(QWidget *parent);

    // The derived constructor hands over its form's title and buttons once, after setupUi.
    void setTitle(QLabel *title, const char *text);
    template <std::size_t N> void addCommands(const Command (&table)[N])
    {
        for (const Command &c : table)
            addCommand(c.button, c.label, c.type, c.playMode, c.value, c.playModeMatters,
                       c.valuePattern ? std::optional<QByteArray>(c.valuePattern) : std::nullopt, c.shown);
    }
    void addCommand(const char *button, const char *label, int type, int playMode, const QByteArray &value,
                    bool playModeMatters, const std::optional<QByteArray> &valuePattern, Shown shown);
    // Re-runs the form's own text set-up; the page's texts follow in retranslate().
    virtual void retranslateForm() = 0;

private:
    struct Entry
    {
        QRadioButton *button;
        const char *label;
        int type;
        int playMode;
        QByteArray value;
        bool playModeMatters;
        std::optional<QByteArray> valuePattern;
        Shown shown;
    };

    void setTexts();
    void uncheckAll();
    void write(int index);
    bool shows(const Entry &entry, int type, std::optional<int> playMode, const QByteArray &value) const;

    std::vector<Entry> m_entries;
    QButtonGroup *m_group = nullptr;
    QLabel *m_title = nullptr;
    const char *m_titleText = nullptr;
};
