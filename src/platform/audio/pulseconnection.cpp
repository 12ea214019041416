#include "platform/audio/pulseconnection.h"

#include "core/programinfo.h"

#include <QElapsedTimer>
#include <chrono>
#include <pulse/context.h>
#include <pulse/thread-mainloop.h>

namespace {

void onContextState(pa_context*, void* connection)
{
    static_cast<PulseConnection*>(connection)->notify();
}

} // namespace

PulseConnection& PulseConnection::instance()
{
    static PulseConnection connection;
    return connection;
}

PulseConnection::PulseConnection()
    : m_loop(pa_threaded_mainloop_new())
{
    if (!m_loop)
        return;
    // Named before the start: named after it, libpulse renames the calling thread instead.
    pa_threaded_mainloop_set_name(m_loop, "zib-sound");
    if (pa_threaded_mainloop_start(m_loop) < 0) {
        pa_threaded_mainloop_free(m_loop);
        m_loop = nullptr;
    }
}

PulseConnection::~PulseConnection()
{
    if (!m_loop)
        return;
    {
        Lock lock;
        dropContext();
    }
    pa_threaded_mainloop_stop(m_loop);
    pa_threaded_mainloop_free(m_loop);
}

PulseConnection::Lock::Lock()
{
    if (pa_threaded_mainloop* loop = instance().m_loop)
        pa_threaded_mainloop_lock(loop);
}

PulseConnection::Lock::~Lock()
{
    if (pa_threaded_mainloop* loop = instance().m_loop)
        pa_threaded_mainloop_unlock(loop);
}

void PulseConnection::notify()
{
    {
        const std::lock_guard guard(m_wakeMutex);
        ++m_wakes;
    }
    m_wake.notify_all();
}

bool PulseConnection::waitUntil(const std::function<bool()>& ready, int limitMs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    for (;;) {
        quint64 seen = 0;
        {
            const std::lock_guard guard(m_wakeMutex);
            seen = m_wakes;
        }
        {
            const Lock lock;
            if (ready())
                return true;
        }
        const qint64 left = limitMs - elapsed.elapsed();
        if (left <= 0)
            return false;
        // A notify() between the look above and this wait has changed m_wakes: no wake is lost.
        std::unique_lock guard(m_wakeMutex);
        m_wake.wait_for(guard, std::chrono::milliseconds(left), [&] { return m_wakes != seen; });
    }
}

pa_context* PulseConnection::context(int limitMs)
{
    if (!m_loop)
        return nullptr;
    {
        const Lock lock;
        const pa_context_state_t state = m_context ? pa_context_get_state(m_context) : PA_CONTEXT_FAILED;
        if (state == PA_CONTEXT_READY)
            return m_context;
        if (!PA_CONTEXT_IS_GOOD(state) && !startConnecting())
            return nullptr;
    }
    const bool settled = waitUntil(
        [this] {
            const pa_context_state_t state = pa_context_get_state(m_context);
            return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
        },
        limitMs);
    const Lock lock;
    if (settled && pa_context_get_state(m_context) == PA_CONTEXT_READY)
        return m_context;
    // A server that does not answer in time is asked afresh next time, not waited on forever.
    dropContext();
    return nullptr;
}

bool PulseConnection::startConnecting()
{
    dropContext();
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(m_loop);
    m_context = pa_context_new(api, ProgramInfo::title().toUtf8().constData());
    if (!m_context)
        return false;
    pa_context_set_state_callback(m_context, onContextState, this);
    // No autospawn: the alarm clock uses the user's sound server, it does not start one.
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        dropContext();
        return false;
    }
    return true;
}

void PulseConnection::dropContext()
{
    if (!m_context)
        return;
    pa_context_set_state_callback(m_context, nullptr, nullptr);
    pa_context_disconnect(m_context);
    pa_context_unref(m_context);
    m_context = nullptr;
}
