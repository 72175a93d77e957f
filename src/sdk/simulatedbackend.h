#pragma once

#include "hidbackend.h"
#include "modelinfo.h"

#include <memory>
#include <mutex>

class SimKeyboard;

// The simulated keyboards as a device back end: each plugged keyboard is one interface with a
// syspath-shaped path, and opening it gives a channel straight into its firmware model.
class SimulatedBackend : public HidBackend
{
public:
    // A new keyboard of `model` on `link`, answering the start-up exchange, plugged in.
    std::shared_ptr<SimKeyboard> addKeyboard(const ModelInfo &model, LinkType link = LinkType::Cable);
    QVector<std::shared_ptr<SimKeyboard>> keyboards() const;
    std::shared_ptr<SimKeyboard> keyboardAt(const QByteArray &path) const;

    QVector<HidInterfaceInfo> interfaces() override;
    std::unique_ptr<HidChannel> open(const QByteArray &path, HidOpenError *error) override;

private:
    mutable std::mutex m_mutex;
    QVector<std::shared_ptr<SimKeyboard>> m_keyboards;
    quint64 m_made = 0;
};
