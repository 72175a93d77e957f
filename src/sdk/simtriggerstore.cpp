#include "simtriggerstore.h"

#include "simkeyboard.h"

#include <QFile>
#include <QLoggingCategory>
#include <QSaveFile>

#include <cstring>

namespace simtriggerstore {

namespace {

Q_LOGGING_CATEGORY(lcSimStore, "tidelumen.sdk.simulation")

using Triggers = decltype(SimKeyboardState::keyTriggers);
constexpr int kBytes = static_cast<int>(sizeof(Triggers));

void save(const Triggers &triggers, const QString &file)
{
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(reinterpret_cast<const char *>(triggers.data()), kBytes) != kBytes || !out.commit())
        qCWarning(lcSimStore, "cannot store the simulated key settings in %s", qUtf8Printable(file));
}

} // namespace

void attach(SimKeyboard &keyboard, const QString &file)
{
    QFile in(file);
    if (in.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = in.readAll();
        if (bytes.size() == kBytes) {
            keyboard.update([&](SimKeyboardState &s) {
                std::memcpy(s.keyTriggers.data(), bytes.constData(), static_cast<std::size_t>(kBytes));
            });
        } else {
            qCWarning(lcSimStore, "%s is no key-settings file; the defaults stand", qUtf8Printable(file));
        }
    }
    const SimKeyboard::Handler inner = keyboard.handler(hidproto::out::Magnetic);
    keyboard.setHandler(hidproto::out::Magnetic, [inner, file](SimKeyboard &kb, const HidReport &report) {
        const Triggers before = kb.stateLocked().keyTriggers;
        if (inner)
            inner(kb, report);
        if (kb.stateLocked().keyTriggers != before)
            save(kb.stateLocked().keyTriggers, file);
    });
}

} // namespace simtriggerstore
