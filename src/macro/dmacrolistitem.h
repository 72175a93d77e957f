#pragma once

#include <QString>
#include <QWidget>
#include <memory>

class ArrowWidget;
class macroMenuToolWidget;

namespace Ui {
class DMacroListItem;
}

// One macro of the editor's list: its name, an inline rename editor and an operate button whose
// pop-up offers Export, Delete and Modify Name. Renaming is the one store write the row does itself.
class DMacroListItem : public QWidget
{
    Q_OBJECT

public:
    explicit DMacroListItem(QWidget *parent = nullptr);
    ~DMacroListItem() override;

    // False (and the row keeps no path) when the path does not fit; it is never cut short.
    bool setMacroXmlPath(const char *path);
    void setMacroInfo(QString index, QString name);
    void setSelected(bool selected);

    QString index() const { return macroIndex; }
    QString name() const { return macroName; }
    bool isSelected() const { return m_selected; }
    // The pop-up of the operate button; null until it is first opened.
    ArrowWidget *operatePopup() const { return operateMenu; }

signals:
    void sigMacroItemMouseClicked(QString strMacroIndex, QString strMacroName);
    void sigExportMacroChildList(QString strMacroIndex, QString strMacroName);
    void sigDeleteMacro(QString strMacroIndex, QString strMacroName);
    void sigModifyMacroItemNameIsEmpty();
    void sigModifyMacroItemNameSuccess();

public slots:
    void onCloseMenuWidow();
    void onMacroExport();
    void onMacroDelete();
    void onMacroModifyNanme();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private slots:
    void on_pushButton_MacroOperate_clicked();
    void on_pushButton_Save_clicked();
    void on_pushButton_Cancel_clicked();

private:
    std::unique_ptr<Ui::DMacroListItem> ui;
    char macroXmlPath[256] = {};
    QString macroName;
    QString macroIndex = QStringLiteral("-1");
    ArrowWidget *operateMenu = nullptr;
    QString borderColor = QStringLiteral("52,52,86");
    QString selectedColor = QStringLiteral("42,42,65");
    QString hoverColor = QStringLiteral("37,37,60");
    bool m_selected = false;
};
