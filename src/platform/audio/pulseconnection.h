#pragma once

#include <QtGlobal>
#include <condition_variable>
#include <functional>
#include <mutex>

struct pa_context;
struct pa_threaded_mainloop;

/// The process's one connection to the sound server (PulseAudio, or PipeWire's PulseAudio
/// service). A connection that failed, or a server that went away, is replaced by a fresh one
/// at the next request, so a server that starts late or restarts is used without a restart of
/// the program. libpulse's main loop runs on a thread of its own that only moves samples and
/// reports states; everything else is called from the GUI thread.
class PulseConnection
{
public:
    static PulseConnection& instance();
    ~PulseConnection();
    PulseConnection(const PulseConnection&) = delete;
    PulseConnection& operator=(const PulseConnection&) = delete;

    /// A ready context, connected afresh when there is none or the last one failed; nullptr when
    /// no server is ready within limitMs (a missing server answers at once). Call unlocked.
    pa_context* context(int limitMs);
    /// Waits until ready() holds, asking it with the main loop locked after every notify(), or
    /// until limitMs have passed. Call unlocked.
    bool waitUntil(const std::function<bool()>& ready, int limitMs);
    /// Wakes waitUntil(); called from the main loop's thread.
    void notify();

    /// Holds the main loop's lock: pulse objects are touched only under it.
    class Lock
    {
    public:
        Lock();
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;
    };

private:
    PulseConnection();
    void dropContext();
    bool startConnecting();

    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    std::mutex m_wakeMutex;
    std::condition_variable m_wake;
    quint64 m_wakes = 0;
};
