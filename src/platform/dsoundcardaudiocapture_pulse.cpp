// Loopback capture through the PulseAudio client library (also served by PipeWire's pulse server):
// a record stream on the monitor of the default sink, run by a threaded main loop. The loop's
// thread only copies what is readable into packets; the GUI thread starts and stops it.
#include "dsoundcardaudiocapture.h"

#include <QDebug>
#include <QMutex>
#include <QMutexLocker>
#include <atomic>
#include <dlfcn.h>
#include <pulse/pulseaudio.h>

namespace {

// The client library is opened when a capture first starts, not with the program: with the
// libraries it pulls in it would cost every start tens of milliseconds and some megabytes, for a
// light effect most users never choose. Inside this namespace the calls below go through these
// pointers (objects, so the library's own declarations are not looked up for them).
namespace pulse {

#define TL_PULSE_CALLS(X)                                                                                    \
    X(pa_context_connect)                                                                                    \
    X(pa_context_disconnect)                                                                                 \
    X(pa_context_get_server_info)                                                                            \
    X(pa_context_get_state)                                                                                  \
    X(pa_context_new)                                                                                        \
    X(pa_context_set_state_callback)                                                                         \
    X(pa_context_set_subscribe_callback)                                                                     \
    X(pa_context_subscribe)                                                                                  \
    X(pa_context_unref)                                                                                      \
    X(pa_gettimeofday)                                                                                       \
    X(pa_operation_get_state)                                                                                \
    X(pa_operation_unref)                                                                                    \
    X(pa_stream_connect_record)                                                                              \
    X(pa_stream_disconnect)                                                                                  \
    X(pa_stream_drop)                                                                                        \
    X(pa_stream_get_state)                                                                                   \
    X(pa_stream_new)                                                                                         \
    X(pa_stream_peek)                                                                                        \
    X(pa_stream_readable_size)                                                                               \
    X(pa_stream_set_read_callback)                                                                           \
    X(pa_stream_set_state_callback)                                                                          \
    X(pa_stream_unref)                                                                                       \
    X(pa_threaded_mainloop_free)                                                                             \
    X(pa_threaded_mainloop_get_api)                                                                          \
    X(pa_threaded_mainloop_lock)                                                                             \
    X(pa_threaded_mainloop_new)                                                                              \
    X(pa_threaded_mainloop_signal)                                                                           \
    X(pa_threaded_mainloop_start)                                                                            \
    X(pa_threaded_mainloop_stop)                                                                             \
    X(pa_threaded_mainloop_unlock)                                                                           \
    X(pa_threaded_mainloop_wait)                                                                             \
    X(pa_timeval_add)                                                                                        \
    X(pa_usec_to_bytes)

#define TL_PULSE_POINTER(name) decltype(&::name) name = nullptr;
TL_PULSE_CALLS(TL_PULSE_POINTER)
#undef TL_PULSE_POINTER

// Opens the library once; false when it or one of its calls is missing. It stays loaded: a loop
// thread may still run in it.
bool load()
{
    static const bool loaded = [] {
        void *library = ::dlopen("libpulse.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!library) {
            qWarning("[Music rhythm] cannot load the PulseAudio client library: %s", ::dlerror());
            return false;
        }
#define TL_PULSE_RESOLVE(name)                                                                               \
    name = reinterpret_cast<decltype(name)>(::dlsym(library, #name));                                        \
    if (!name) {                                                                                             \
        qWarning("[Music rhythm] the PulseAudio client library lacks %s", #name);                            \
        return false;                                                                                        \
    }
        TL_PULSE_CALLS(TL_PULSE_RESOLVE)
#undef TL_PULSE_RESOLVE
        return true;
    }();
    return loaded;
}

constexpr int kConnectTimeoutMs = 2000;
constexpr pa_usec_t kPacketUsec = 10 * 1000;

class PulseSoundCardCapture final : public DSoundCardAudioCapture
{
public:
    explicit PulseSoundCardCapture(const QString &server) : m_server(server.toUtf8()) {}
    ~PulseSoundCardCapture() override { stop(); }

    int start() override;
    int stop() override;
    bool isRunning() const override { return m_running.load(); }
    QString currentOutputName() const override
    {
        QMutexLocker lock(&m_nameMutex);
        return m_outputName;
    }

private:
    // Waits on the loop (lock held) until done() holds or the time is up.
    template <typename Done> bool waitFor(Done done);
    void release();
    void ended();
    void askServerInfo();

    static void onContextState(pa_context *context, void *self);
    static void onStreamState(pa_stream *stream, void *self);
    static void onStreamRead(pa_stream *stream, size_t bytes, void *self);
    static void onServerEvent(pa_context *context, pa_subscription_event_type_t type, uint32_t index,
                              void *self);
    static void onServerInfo(pa_context *context, const pa_server_info *info, void *self);
    static void onTimeout(pa_mainloop_api *api, pa_time_event *event, const struct timeval *tv, void *self);

    QByteArray m_server;
    pa_threaded_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    pa_stream *m_stream = nullptr;
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_stopping{false};
    bool m_timedOut = false;
    mutable QMutex m_nameMutex;
    QString m_outputName;
};

template <typename Done> bool PulseSoundCardCapture::waitFor(Done done)
{
    m_timedOut = false;
    pa_mainloop_api *api = pa_threaded_mainloop_get_api(m_loop);
    struct timeval when;
    pa_gettimeofday(&when);
    pa_timeval_add(&when, pa_usec_t(kConnectTimeoutMs) * 1000);
    pa_time_event *timer = api->time_new(api, &when, &PulseSoundCardCapture::onTimeout, this);
    while (!done() && !m_timedOut)
        pa_threaded_mainloop_wait(m_loop);
    api->time_free(timer);
    return done();
}

int PulseSoundCardCapture::start()
{
    if (m_running)
        return 0;
    if (!load())
        return -1;
    release(); // what a stream that died on its own left behind
    m_loop = pa_threaded_mainloop_new();
    if (!m_loop)
        return -1;
    if (pa_threaded_mainloop_start(m_loop) < 0) {
        release();
        return -1;
    }
    pa_threaded_mainloop_lock(m_loop);
    bool ok = false;
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), "Tidelumen");
    if (m_context) {
        pa_context_set_state_callback(m_context, &PulseSoundCardCapture::onContextState, this);
        ok = pa_context_connect(m_context, m_server.isEmpty() ? nullptr : m_server.constData(),
                                PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0 &&
             waitFor([this] {
                 return !PA_CONTEXT_IS_GOOD(pa_context_get_state(m_context)) ||
                        pa_context_get_state(m_context) == PA_CONTEXT_READY;
             }) &&
             pa_context_get_state(m_context) == PA_CONTEXT_READY;
    }
    if (ok) {
        // Follow changes of the default output; the device check compares the name.
        pa_context_set_subscribe_callback(m_context, &PulseSoundCardCapture::onServerEvent, this);
        if (pa_operation *op = pa_context_subscribe(m_context, PA_SUBSCRIPTION_MASK_SERVER, nullptr, nullptr))
            pa_operation_unref(op);
        if (pa_operation *op =
                pa_context_get_server_info(m_context, &PulseSoundCardCapture::onServerInfo, this)) {
            waitFor([op] { return pa_operation_get_state(op) != PA_OPERATION_RUNNING; });
            pa_operation_unref(op);
        }
        // The server converts whatever the output runs at into the one format the analysis reads.
        const pa_sample_spec spec{PA_SAMPLE_S16LE, uint32_t(kSampleRate), uint8_t(kChannels)};
        m_stream = pa_stream_new(m_context, "Music rhythm", &spec, nullptr);
        ok = m_stream != nullptr;
        if (ok) {
            pa_stream_set_state_callback(m_stream, &PulseSoundCardCapture::onStreamState, this);
            pa_stream_set_read_callback(m_stream, &PulseSoundCardCapture::onStreamRead, this);
            pa_buffer_attr attr;
            attr.maxlength = uint32_t(-1);
            attr.tlength = uint32_t(-1);
            attr.prebuf = uint32_t(-1);
            attr.minreq = uint32_t(-1);
            attr.fragsize = uint32_t(pa_usec_to_bytes(kPacketUsec, &spec));
            ok = pa_stream_connect_record(m_stream, "@DEFAULT_MONITOR@", &attr, PA_STREAM_ADJUST_LATENCY) >=
                     0 &&
                 waitFor([this] {
                     return !PA_STREAM_IS_GOOD(pa_stream_get_state(m_stream)) ||
                            pa_stream_get_state(m_stream) == PA_STREAM_READY;
                 }) &&
                 pa_stream_get_state(m_stream) == PA_STREAM_READY;
        }
    }
    if (ok)
        m_running = true;
    pa_threaded_mainloop_unlock(m_loop);
    if (!ok) {
        release();
        return -1;
    }
    return 0;
}

int PulseSoundCardCapture::stop()
{
    m_running = false;
    release();
    return 0;
}

void PulseSoundCardCapture::release()
{
    if (!m_loop)
        return;
    m_stopping = true;
    // Joins the loop's thread; its callbacks never block, so this returns promptly.
    pa_threaded_mainloop_stop(m_loop);
    if (m_stream) {
        pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        pa_stream_set_read_callback(m_stream, nullptr, nullptr);
        pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
        m_stream = nullptr;
    }
    if (m_context) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_set_subscribe_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
    }
    pa_threaded_mainloop_free(m_loop);
    m_loop = nullptr;
    m_stopping = false;
}

void PulseSoundCardCapture::ended()
{
    if (m_stopping || !m_running.exchange(false))
        return;
    emit captureEnded();
}

void PulseSoundCardCapture::askServerInfo()
{
    if (pa_operation *op = pa_context_get_server_info(m_context, &PulseSoundCardCapture::onServerInfo, this))
        pa_operation_unref(op);
}

void PulseSoundCardCapture::onContextState(pa_context *context, void *self)
{
    auto *capture = static_cast<PulseSoundCardCapture *>(self);
    if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context)))
        capture->ended();
    pa_threaded_mainloop_signal(capture->m_loop, 0);
}

void PulseSoundCardCapture::onStreamState(pa_stream *stream, void *self)
{
    auto *capture = static_cast<PulseSoundCardCapture *>(self);
    if (!PA_STREAM_IS_GOOD(pa_stream_get_state(stream)))
        capture->ended();
    pa_threaded_mainloop_signal(capture->m_loop, 0);
}

void PulseSoundCardCapture::onStreamRead(pa_stream *stream, size_t, void *self)
{
    auto *capture = static_cast<PulseSoundCardCapture *>(self);
    // Everything readable now, so no backlog builds up between wake-ups.
    while (pa_stream_readable_size(stream) > 0) {
        const void *data = nullptr;
        size_t bytes = 0;
        if (pa_stream_peek(stream, &data, &bytes) < 0 || bytes == 0)
            return;
        if (data) // null data is a hole the server reports: nothing was recorded there
            emit capture->sigSendCaptureAudioData(QByteArray(static_cast<const char *>(data), int(bytes)));
        pa_stream_drop(stream);
    }
}

void PulseSoundCardCapture::onServerEvent(pa_context *, pa_subscription_event_type_t type, uint32_t,
                                          void *self)
{
    if ((type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK) == PA_SUBSCRIPTION_EVENT_SERVER)
        static_cast<PulseSoundCardCapture *>(self)->askServerInfo();
}

void PulseSoundCardCapture::onServerInfo(pa_context *, const pa_server_info *info, void *self)
{
    auto *capture = static_cast<PulseSoundCardCapture *>(self);
    if (info) {
        QMutexLocker lock(&capture->m_nameMutex);
        capture->m_outputName = QString::fromUtf8(info->default_sink_name ? info->default_sink_name : "");
    }
    pa_threaded_mainloop_signal(capture->m_loop, 0);
}

void PulseSoundCardCapture::onTimeout(pa_mainloop_api *, pa_time_event *, const struct timeval *, void *self)
{
    auto *capture = static_cast<PulseSoundCardCapture *>(self);
    capture->m_timedOut = true;
    pa_threaded_mainloop_signal(capture->m_loop, 0);
}

#undef TL_PULSE_CALLS

} // namespace pulse
} // namespace

namespace {
DSoundCardAudioCapture::Factory &captureFactory()
{
    static DSoundCardAudioCapture::Factory factory;
    return factory;
}
} // namespace

std::unique_ptr<DSoundCardAudioCapture> DSoundCardAudioCapture::create()
{
    if (captureFactory())
        return captureFactory()();
    return createSystem();
}

void DSoundCardAudioCapture::setFactory(Factory factory)
{
    captureFactory() = std::move(factory);
}

std::unique_ptr<DSoundCardAudioCapture> DSoundCardAudioCapture::createSystem(const QString &server)
{
    return std::make_unique<pulse::PulseSoundCardCapture>(server);
}
