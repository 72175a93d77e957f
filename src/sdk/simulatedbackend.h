#pragma once

#include "hidbackend.h"
#include "modelinfo.h"

#include <functional>
#include <memory>
#include <mutex>

class SimBootLoader;
class SimKeyboard;
class SimOnboardMemory;
class SimScheduler;

// The simulated keyboards as a device back end: each plugged keyboard is one interface with a
// syspath-shaped path, and opening it gives a channel straight into its firmware model.
class SimulatedBackend : public HidBackend
{
public:
    SimulatedBackend();
    // Stops the keyboards' own doings (boot-loader switches) before anything else goes.
    ~SimulatedBackend() override;

    // A new keyboard of `model` on `link`, plugged in, answering everything the program asks:
    // the start-up exchange, the link's settings and the onboard download. The program's
    // simulation and the tests both build their keyboards here, so they never differ.
    std::shared_ptr<SimKeyboard> addKeyboard(const ModelInfo &model, LinkType link = LinkType::Cable);
    // What the download wrote into a keyboard of this back end, and its acknowledgement controls;
    // null for a keyboard made elsewhere.
    std::shared_ptr<SimOnboardMemory> onboardMemory(const SimKeyboard &keyboard) const;
    // The boot loader of a keyboard of this back end; null for a keyboard made elsewhere.
    std::shared_ptr<SimBootLoader> bootLoader(const SimKeyboard &keyboard) const;
    // How every boot loader of the back end, present and future, reads the version of the image it
    // received, for the keyboard to report after the update.
    void setImageVersionReader(std::function<QString(const QByteArray &image)> reader);
    QVector<std::shared_ptr<SimKeyboard>> keyboards() const;
    std::shared_ptr<SimKeyboard> keyboardAt(const QByteArray &path) const;

    // Told of every plug and unplug of the back end's keyboards, including those added later, so
    // the program can treat them like system device events. Called on the thread that plugs.
    using PlugObserver =
        std::function<void(const QByteArray &path, uint16_t vendorId, uint16_t productId, bool plugged)>;
    void setPlugObserver(PlugObserver observer);

    QVector<HidInterfaceInfo> interfaces() override;
    std::unique_ptr<HidChannel> open(const QByteArray &path, HidOpenError *error) override;

private:
    // Shared with the keyboards, which may outlive the back end (a test keeps them): once the
    // back end is gone they find no observer.
    struct PlugNotifier
    {
        std::mutex mutex;
        PlugObserver observer;
    };

    mutable std::mutex m_mutex;
    const std::shared_ptr<PlugNotifier> m_notifier = std::make_shared<PlugNotifier>();
    QVector<std::shared_ptr<SimKeyboard>> m_keyboards;
    QVector<std::shared_ptr<SimOnboardMemory>> m_memories; // one per keyboard, same order
    QVector<std::shared_ptr<SimBootLoader>> m_bootLoaders; // one per keyboard, same order
    std::function<QString(const QByteArray &)> m_versionReader;
    const std::shared_ptr<SimScheduler> m_scheduler;
    quint64 m_made = 0;
};
