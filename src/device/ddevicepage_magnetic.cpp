// Magnetic-switch settings and key calibration: the trigger tab's requests to the keyboard and
// the keyboard's calibration results.
#include "ddevicepage.h"

#include "cbnotice.h"
#include "ddatamanager.h"
#include "ddevicekeyboardlink.h"
#include "dragshowarea.h"
#include "dtriggersettingpage.h"
#include "hiddevicejoinframe.h"
#include "keyboardbutcustom.h"
#include "keyselectframe.h"
#include "magneticreports.h"
#include "mainhidinterface.h"
#include "textmovewidget.h"
#include "ui_ddevicepage.h"

#include <QCoreApplication>
#include <QDebug>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("DDevicePage", text);
}

bool queueReport(MainHidInterFace *hid, const HidReport &report)
{
    if (hid->sendCommand(report.data()) >= 0)
        return true;
    qDebug() << "USB serial port [Write Sensitivity-data] Failed ...";
    return false;
}

keyboardButCustom *keyAt(int row, int column)
{
    keySelectFrame *frame = DDataManager::getInstance()->keySelectFrame();
    if (!frame || row < 0 || row >= kKeyRows || column < 0 || column >= kKeyColumns)
        return nullptr;
    return frame->keyButtonMatrix()[row][column];
}

} // namespace

void DDevicePage::onMagnetsKeysApplyConfig(int selMode, int strengthNum_L, int strengthNum_R,
                                           int strengthNum_QuickTrigger_L, int strengthNum_QuickTrigger_R)
{
    if (!currentHid)
        return;
    QList<magneticreport::KeyPos> keys;
    if (keyboardView) {
        for (const keyboardButCustom *k : keyboardView->dragSelectedKeys()) {
            if (k)
                keys.append({k->indexX(), k->indexY()});
        }
    }
    if (keys.isEmpty()) {
        notice->showNotice(translated("Please select one Key first"), noticeAnchor());
        return;
    }
    const bool queued = queueReport(
        currentHid, magneticreport::applyActuation(selMode, keys, strengthNum_L, strengthNum_R,
                                                   strengthNum_QuickTrigger_L, strengthNum_QuickTrigger_R));
    notice->showNotice(translated(queued ? "Operate successful" : "Operate failed"), noticeAnchor());
}

void DDevicePage::onMagnetsKeyboardDefaultSensitivity()
{
    if (!currentHid)
        return;
    queueReport(currentHid, magneticreport::restoreDefaultSensitivity());
    triggerSettingPage->loadInitData();
}

void DDevicePage::onQueryDynamicDisplaySensitivityNum(int indexX, int indexY)
{
    // Through the link, which keeps one question in flight and drops answers for earlier clicks.
    if (currentLink)
        currentLink->queryKeyTrigger(indexX, indexY);
    else if (currentHid)
        queueReport(currentHid, magneticreport::queryKeyTrigger(indexX, indexY));
}

void DDevicePage::onKeyAntiShakeCurrentNum(int KeyAntiShakeNum)
{
    if (!currentHid)
        return;
    const bool queued = magneticreport::fitsByte(KeyAntiShakeNum) &&
                        queueReport(currentHid, magneticreport::setAntiShake(KeyAntiShakeNum));
    if (queued)
        DDataManager::getInstance()->setKeyAntiShakeNum(KeyAntiShakeNum);
    notice->showNotice(translated(queued ? "Operate successful" : "Operate failed"), noticeAnchor());
}

void DDevicePage::onKeyRateOfReturnCurrentNum(int rateOfReturnNumDel)
{
    if (!currentHid)
        return;
    const bool queued = magneticreport::fitsByte(rateOfReturnNumDel) &&
                        queueReport(currentHid, magneticreport::setReportRate(rateOfReturnNumDel));
    if (queued)
        DDataManager::getInstance()->setRateOfReturnNum(rateOfReturnNumDel);
    notice->showNotice(translated(queued ? "Operate successful" : "Operate failed"), noticeAnchor());
}

// The keyboard view as it is outside calibration: the selection overlay on top, key lights shown,
// no calibration colours left on the keys.
static void restoreViewAfterCalibration(hidDeviceJoinFrame *view, dragShowArea *drag)
{
    DDataManager *dm = DDataManager::getInstance();
    if (view)
        view->showMode(hidDeviceJoinFrame::ViewMode::Selection);
    if (drag)
        drag->setActive(true);
    if (keySelectFrame *frame = dm->keySelectFrame()) {
        frame->showSideLights(false);
        frame->setKeysHoverHighlight(true);
    }
    for (keyboardButCustom *k : dm->keyButtonList()) {
        if (!k)
            continue;
        k->setLightColorShown(false);
        k->setLightColor(QColor(0, 0, 0, 0));
    }
}

void DDevicePage::onCalibrationMode(int selMode)
{
    const bool entering = selMode != 0;
    DDataManager *dm = DDataManager::getInstance();
    dm->setCalibrationRunning(entering);
    if (keySelectFrame *frame = dm->keySelectFrame())
        frame->setKeysCustomLightMode(entering);
    setCalibrationKey(-1, -1);
    if (entering) {
        if (keyboardView)
            keyboardView->showMode(hidDeviceJoinFrame::ViewMode::LitKeys);
        if (keySelectFrame *frame = dm->keySelectFrame()) {
            frame->showSideLights(false);
            frame->setKeysHoverHighlight(true);
        }
    } else {
        restoreViewAfterCalibration(keyboardView, dragArea);
    }
    if (currentHid)
        queueReport(currentHid, magneticreport::calibrationSelection({}));
    triggerSettingPage->update();
}

void DDevicePage::onTheMagneticKeyboardCalibrationPoint(int keyPointX, int keyPointY)
{
    setCalibrationKey(keyPointX, keyPointY);
    if (currentHid)
        queueReport(currentHid, magneticreport::calibrationSelection({{keyPointX, keyPointY}}));
    triggerSettingPage->update();
}

void DDevicePage::onKeyCalibrationStartRuning()
{
    if (!DDataManager::getInstance()->isCalibrationRunning()) {
        onEveryPageBackTip(translated("Please switch to key calibration mode first"));
        return;
    }
    if (calibrationKeyX == -1 || calibrationKeyY == -1) {
        onEveryPageBackTip(translated("Please select one Key first"));
        return;
    }
    if (!currentHid)
        return;
    const bool queued =
        queueReport(currentHid, magneticreport::calibrateKey(calibrationKeyX, calibrationKeyY));
    notice->showNotice(translated(queued ? "Operate successful" : "Operate failed"), noticeAnchor());
}

void DDevicePage::onTheMagneticKeyboardCalibrationStatusBack(int keyCalibrationStatus)
{
    onEveryPageBackTip(translated(magneticreport::singleKeyStatusTip(keyCalibrationStatus)));
}

void DDevicePage::onAllKeysCalibrationMode(int selMode)
{
    const bool starting = selMode != 0;
    DDataManager *dm = DDataManager::getInstance();
    if (starting) {
        ui->widget_MoveTip->show();
        onEveryPageBackTip(translated("The key calibration runing"));
    } else {
        ui->widget_MoveTip->hide();
    }
    dm->setCalibrationRunning(starting);
    if (keySelectFrame *frame = dm->keySelectFrame())
        frame->setKeysCustomLightMode(starting);
    setCalibrationKey(-1, -1);
    if (starting) {
        if (keyboardView)
            keyboardView->showMode(hidDeviceJoinFrame::ViewMode::Keys);
        if (keySelectFrame *frame = dm->keySelectFrame()) {
            frame->showSideLights(false);
            frame->setKeysHoverHighlight(false);
        }
    } else {
        restoreViewAfterCalibration(keyboardView, dragArea);
    }
    if (currentHid)
        queueReport(currentHid, magneticreport::calibrateAllKeys(starting));
}

void DDevicePage::onMagneticKeyboardAllKeysCalibrationStatusBack(int keyCalibrationStatus)
{
    const magneticreport::AllKeysOutcome outcome = magneticreport::allKeysOutcome(keyCalibrationStatus);
    if (outcome.markKeys) {
        allKeysCalibrationList.clear();
        const QMap<int, int> bitmap = currentLink ? currentLink->calibratedKeys() : QMap<int, int>();
        for (const magneticreport::KeyPos &p : magneticreport::keysOfBitmap(bitmap)) {
            if (keyboardButCustom *k = keyAt(p.first, p.second)) {
                allKeysCalibrationList.append(QPoint(p.first, p.second));
                k->setSelected(true, true);
            }
        }
    }
    if (!outcome.finished)
        return;

    // Every final status ends the run, so the trigger tab is never left in calibration mode.
    DDataManager::getInstance()->setCalibrationRunning(false);
    ui->widget_MoveTip->hide();
    triggerSettingPage->endAllKeysCalibration();
    qDebug().noquote() << outcome.logLine;
    for (const QPoint &p : qAsConst(allKeysCalibrationList)) {
        if (keyboardButCustom *k = keyAt(p.x(), p.y()))
            k->setSelected(false, true);
    }
    allKeysCalibrationList.clear();
    onEveryPageBackTip(translated(outcome.tip));
}
