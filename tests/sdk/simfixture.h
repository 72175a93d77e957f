#pragma once

#include "cquelmohid.h"
#include "hiddevicemanager.h"
#include "modelcatalogue.h"
#include "simkeyboard.h"
#include "simulatedbackend.h"

#include <QFile>

#include <gtest/gtest.h>
#include <memory>

// Puts a fresh simulated back end and the embedded catalogue in place for one test, and an empty
// simulated back end back afterwards, so that no test ever reaches a real keyboard.
class SimulatedDevices : public testing::Test
{
protected:
    void SetUp() override
    {
        QFile::remove(ModelCatalogue::userFile());
        ASSERT_TRUE(ModelCatalogue::instance().load());
        auto backend = std::make_unique<SimulatedBackend>();
        sim = backend.get();
        HidDeviceManager::instance().setBackend(std::move(backend));
    }

    void TearDown() override
    {
        HidDeviceManager::instance().setBackend(std::make_unique<SimulatedBackend>());
        QFile::remove(ModelCatalogue::userFile());
        ModelCatalogue::instance().load();
    }

    std::shared_ptr<SimKeyboard> add(const QString &key, LinkType link = LinkType::Cable)
    {
        const ModelInfo *model = ModelCatalogue::instance().find(key);
        EXPECT_NE(model, nullptr) << key.toStdString();
        return model ? sim->addKeyboard(*model, link) : nullptr;
    }

    SimulatedBackend *sim = nullptr;
};

// Writes one report through the SDK calls the I/O thread uses.
inline int writeReport(int handle, const HidReport &report, const QByteArray &path)
{
    return CQuelmoHid_HidWriteBuff(handle, report.data(), path.constData());
}

// Reads turns with the I/O loop's pause in between until a report arrives or `turns` run out.
inline int readReport(int handle, HidReport *report, int turns = 500)
{
    uint32_t w1 = 0, w2 = 0;
    CQuelmoHid_highPrecisionTimerInit(&w1, &w2);
    CQuelmoHid_highPrecisionTimerStart(&w1, &w2);
    int n = 0;
    for (int i = 0; i < turns; ++i) {
        n = CQuelmoHid_HidReadBuff(handle, report->data());
        if (n != 0)
            break;
        CQuelmoHid_highPrecisionTimerRuning(100, &w1, &w2);
    }
    CQuelmoHid_highPrecisionTimerStop(&w1, &w2);
    return n;
}
