#pragma once

#include "seniorkeycombination.h"
#include "seniorkeyinfostu.h"
#include "seniorkeystore.h"

#include <QDialog>
#include <QMap>
#include <QPointer>
#include <QSet>
#include <QString>

#include <memory>

class ArrowWidget;
class CbNotice;
class DAllKeysShowPage;
class DDksShowWidget;
class DSeniorKeyEventListItem;
class QButtonGroup;
class QToolButton;
class QVBoxLayout;

namespace Ui {
class DSeniorKeysPage;
}

// The advanced-keys dialog: creates, shows, edits and deletes the advanced keys of the store and
// binds keys and key combinations to their slots. Every change goes to the store at once; the
// keyboard gets the records with the next onboard download.
class DSeniorKeysPage : public QDialog
{
    Q_OBJECT

public:
    explicit DSeniorKeysPage(QWidget *parent = nullptr);
    ~DSeniorKeysPage() override;

    // The record being edited; index 0 while none is selected.
    SeniorKeyInfoStu currentSeniorKey() const { return m_currentSeniorKey; }
    bool hasSelection() const { return m_selectedItem != nullptr; }

    // Where the explanation pop-up's top-left corner goes for a question-mark button whose
    // bottom-centre point is `bottomCentre` (global) and whose height is `buttonHeight`.
    static QPoint explainTipPosition(const QPoint &bottomCentre, int buttonHeight, int leftOffset);

signals:
    void sigSeniorKeysPageClose();

public slots:
    void onScrollSheetSet();
    void onLoadDksPage();
    void onDksPageMouseMovePointXY(int posX, int posY);
    void onTheSeniorKeyInfoStuNeedUpdate_DKS();
    void onOperateTypeChanged(int index);
    void onSksSelKeyChanged(int index);
    void onMtSelKeyChanged(int index);
    void onAllKeysInfoAlreadyLoaded();
    void onKeyListClicked(int keyDec, QString keyCharacter);
    void onDeleteSeniorKeyEventItem(int keyType, int bindingIndex);
    void onSeniorKeyEventItemClick(int bindingIndex);
    void onSliderHoldDurationValue(int HoldDurationValue);
    void onSliderHoldDurationReleased();
    void onLickActivited_Stroke01(QString str);
    void onLickActivited_Stroke04(QString str);
    void onTheStrokeConfigViewClose();
    void onTheDKSStrokeStuChanged();
    void on_pushButton_Close_clicked();
    void on_pushButton_NewCreate_clicked();
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void applyTheme();
    void loadSeniorKeyEventList();
    void clearSeniorKeyEventList();
    void selectSeniorKey(int index);
    void showSeniorKeyInfo();
    void showStrokeLabels();
    QString keyDisplayText(const char *field, int capacity) const;
    QString strokeLinkText(const QString &text) const;
    void openStrokeConfigView();
    void showExplainTip(int kind, QToolButton *button);
    void hideExplainTips();

    // Binding: the field a slot stands for, and the write of a bound or unbound slot.
    char *targetField(int slot);
    void bindText(const QString &text, const char *logWhat);
    void storeCurrent(const char *logWhat);
    void addCombinationKey(int keyDec);
    void resetCombination();
    void deleteSeniorKey(int keyType, int bindingIndex);
    // The indexes that key assignments of every keyboard's profiles refer to.
    static QSet<int> boundIndexes();

    std::unique_ptr<Ui::DSeniorKeysPage> ui;
    CbNotice *m_notice = nullptr;
    QString m_scrollBarStyle;
    QString m_linkColor;
    QString m_linkFont;
    bool m_listChanged = false;
    // The last read of the store failed: the cache may not be what the store holds.
    bool m_readFailed = false;
    SeniorKeyStore m_store;
    DDksShowWidget *m_dksShowWidget = nullptr;
    DAllKeysShowPage *m_allKeysShowPage = nullptr;
    QVBoxLayout *m_eventListLayout = nullptr;
    QToolButton *m_currentKeyButton = nullptr;
    SeniorKeyInfoStu m_currentSeniorKey{};
    int m_hoverKeyIndex = -1;
    int m_selectKeyIndex = 1;
    int m_createType = SeniorKeyDKS;
    QMap<int, SeniorKeyInfoStu> m_seniorKeyMap;
    QMap<int, DSeniorKeyEventListItem *> m_eventItemMap;
    QMap<int, QString> m_keyNameMap;
    DSeniorKeyEventListItem *m_selectedItem = nullptr;
    SeniorKeyCombination m_combination;
    // One pop-up per question mark, made at the first hover and kept; they are top-level
    // windows, so the dialog deletes them itself.
    QPointer<ArrowWidget> m_explainTips[2];
    QPointer<ArrowWidget> m_explainTip;
    QPointer<QWidget> m_strokeOverlay;
    QButtonGroup *m_typeGroup = nullptr;
    QButtonGroup *m_dksKeyGroup = nullptr;
    QButtonGroup *m_mtKeyGroup = nullptr;
};
