#pragma once

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class DCustomLightListItem;
}

// One custom colour scheme in the lighting page's list: its name, a check box that puts the scheme
// in a keyboard slot, and an inline editor (double click) that renames it in the profile. The page
// drives the selection look and the check box; the row itself only renames.
class DCustomLightListItem : public QWidget
{
    Q_OBJECT

public:
    explicit DCustomLightListItem(QWidget *parent = nullptr);
    ~DCustomLightListItem() override;

    void setCustomLightInfo(const QString &index, const QString &name, const QString &usingStatus,
                            int usingFlagIndex);
    void applyTheme();
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }
    // Changes the check box without telling the page: only clicks are reported.
    void setUsingChecked(bool checked);

    QString customLightIndex() const { return m_index; }
    QString customLightName() const { return m_name; }
    QString usingStatus() const { return m_usingStatus; }
    int usingFlagIndex() const { return m_usingFlagIndex; }
    void setUsingStatus(const QString &status) { m_usingStatus = status; }
    void setUsingFlagIndex(int slot) { m_usingFlagIndex = slot; }

signals:
    void sigCustomLightItemMouseClicked(QString strCustomLightIndex, QString strCustomLightName);
    void sigModifyCustomLightItemNameIsEmpty();
    void sigModifyCustomLightItemNameSuccess();
    void sigCustomLightUsingStatus(bool isUsing);
    // The profile refused the new name (for example one too long for it); the editor stays open.
    void sigModifyCustomLightItemNameFailed();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private slots:
    void on_checkBox_clicked();
    void on_pushButton_Save_clicked();
    void on_pushButton_Cancel_clicked();

private:
    std::unique_ptr<Ui::DCustomLightListItem> ui;
    bool m_selected = false;
    QString m_index = QStringLiteral("-1");
    QString m_name;
    QString m_usingStatus;
    int m_usingFlagIndex = -1;
    QString m_selectedBackground = QStringLiteral("42,42,65");
    QString m_hoverBackground = QStringLiteral("37,37,60");
    QString m_normalBackground;
    QString m_textColour;
    QString m_selectedTextColour;
    QString m_fontFamily;
};
