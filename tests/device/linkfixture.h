#pragma once

#include "fixedtext.h"
#include "hiddevicemanager.h"
#include "hidstructinfoall.h"
#include "modelcatalogue.h"
#include "simkeyboard.h"
#include "simulatedbackend.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

// Puts a fresh set of simulated keyboards behind the SDK's device calls for one test.
class SimFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto backend = std::make_unique<SimulatedBackend>();
        m_backend = backend.get();
        HidDeviceManager::instance().setBackend(std::move(backend));
    }

    // No keyboard of one test stays reachable in the next.
    void TearDown() override
    {
        HidDeviceManager::instance().setBackend(std::make_unique<SimulatedBackend>());
    }

    std::shared_ptr<SimKeyboard> addKeyboard(const char *modelKey, LinkType link = LinkType::Cable)
    {
        const ModelInfo *model = ModelCatalogue::instance().find(QString::fromLatin1(modelKey));
        EXPECT_NE(model, nullptr) << modelKey;
        return model ? m_backend->addKeyboard(*model, link) : nullptr;
    }

    static hidStructInfoAll recordFor(const SimKeyboard &kb)
    {
        hidStructInfoAll r;
        std::memset(&r, 0, sizeof(r));
        fixedtext::copy(r.hidPath, kb.path());
        fixedtext::copy(r.modelKey, kb.model().key);
        r.online = 1;
        r.linkType = static_cast<int32_t>(kb.linkType());
        r.keyCount = kb.model().keyCount;
        return r;
    }

    // The reports the keyboard received, without the periodic handshakes.
    static QVector<HidReport> receivedWithoutHandshakes(const SimKeyboard &kb)
    {
        QVector<HidReport> out;
        for (const HidReport &r : kb.received()) {
            if (r[1] != 0x00)
                out.append(r);
        }
        return out;
    }

    template <typename Pred> static bool waitFor(Pred pred, int ms = 3000)
    {
        return QTest::qWaitFor(pred, ms);
    }

    SimulatedBackend *m_backend = nullptr;
};
