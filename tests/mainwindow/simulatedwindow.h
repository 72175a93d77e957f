#pragma once
// The program's main window on the one keyboard TIDELUMEN_SIMULATE names, as the program starts.
#include "ddevicekeyboardlink.h"
#include "ddevicepage.h"
#include "devicepageprobe.h"
#include "dmainwidget.h"
#include "hiddevicemanager.h"
#include "simdownloadhandlers.h"
#include "simkeyboard.h"
#include "simulatedbackend.h"

#include <QTest>

#include <memory>

// Waits until `window`'s device page has opened its keyboard; the keyboard's onboard memory then
// comes back in `memory`. False when the page, the link or the keyboard never appeared.
inline bool waitForSimulatedKeyboard(DMainWidget &window, DDevicePage **page,
                                     std::shared_ptr<SimOnboardMemory> *memory)
{
    *page = window.findChild<DDevicePage *>();
    if (!*page)
        return false;
    DDevicePage &p = **page;
    if (!QTest::qWaitFor([&] { return devicepage::currentLink(p) && devicepage::currentLink(p)->isReady(); },
                         5000))
        return false;
    SimulatedBackend *sim = HidDeviceManager::instance().simulatedBackend();
    if (!sim || sim->keyboards().size() != 1)
        return false;
    *memory = sim->onboardMemory(*sim->keyboards().first());
    return *memory != nullptr;
}
