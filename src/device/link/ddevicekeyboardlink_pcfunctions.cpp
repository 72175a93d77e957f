// The key functions a keyboard hands to the computer with input 0x20: typing a text, switching the
// profile and launching an application.
#include "ddevicekeyboardlink.h"

#include "applauncher.h"
#include "cquelmoxml.h"
#include "keyinjector.h"
#include "keyoperateinfo.h"

#include <QDebug>

#include <cstdlib>

namespace {
constexpr std::size_t kKeyCodeByte = 9;
constexpr std::size_t kPressedByte = 10;
} // namespace

void DDeviceKeyboardLink::setKeyInjector(std::shared_ptr<KeyInjector> injector)
{
    m_keyInjector = std::move(injector);
}

void DDeviceKeyboardLink::setAppLauncher(AppLauncher launcher)
{
    m_appLauncher = std::move(launcher);
}

void DDeviceKeyboardLink::setKeyItemLookup(KeyItemLookup lookup)
{
    m_keyItemLookup = std::move(lookup);
}

void DDeviceKeyboardLink::runPcKeyFunction(const unsigned char *report)
{
    if (report[kPressedByte] == 0)
        return; // releases are ignored

    KeyOperateInfo info;
    resetKeyOperateInfo(info);
    const QByteArray index = profileIndexText();
    const QByteArray keyCode = QByteArray::number(report[kKeyCodeByte]);
    const KeyItemLookup &lookup = m_keyItemLookup ? m_keyItemLookup : CQuelmoXML_SelectProFileKeyOperateInfo;
    lookup(m_profileXmlPath, index.constData(), keyCode.constData(), &info);
    // The store leaves fields NUL-terminated; be safe against a lookup that does not.
    info.type[sizeof(info.type) - 1] = '\0';
    info.value[sizeof(info.value) - 1] = '\0';

    switch (std::atoi(info.type)) {
    case KeyOperateText: {
        if (!m_keyInjector)
            m_keyInjector = KeyInjector::createSystem();
        if (!m_keyInjector->isAvailable()) {
            qDebug() << "[PC key] text keys are unavailable: no X server for synthetic input";
            return;
        }
        if (!m_keyInjector->pasteText(QString::fromUtf8(info.value)))
            qDebug() << "[PC key] pasting the text of key" << report[kKeyCodeByte] << "failed";
        return;
    }
    case KeyOperateSwitchProfile:
        emit sigCustomEventChangProfile(std::atoi(info.value));
        return;
    case KeyOperateLaunchApp: {
        const QString path = QString::fromUtf8(info.value);
        if (m_appLauncher)
            m_appLauncher(path);
        else
            applauncher::launch(path); // the outcome is logged by the launcher
        return;
    }
    default:
        // Disable, no item, and shortcuts: the keyboard sends shortcuts by itself.
        return;
    }
}
