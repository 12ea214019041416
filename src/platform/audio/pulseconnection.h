// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

struct pa_context;
struct pa_threaded_mainloop;

/// The process's one connection to the sound server (PulseAudio, or PipeWire's PulseAudio
/// service). A connection that failed, or a server that went away, is replaced by a fresh one
/// at the next request, so a server that starts late or restarts is used without a restart of
/// the program. libpulse's main loop runs on a thread of its own that only moves samples and
/// reports states; everything else is called from the GUI thread, and nothing here waits for
/// the server.
class PulseConnection
{
public:
    /// How long a server may take to answer a connection or a new stream before it counts as
    /// not answering. A missing server refuses at once.
    static constexpr int AnswerLimitMs = 750;

    enum class Answer {
        Ready,      // connected: context() may be used
        Waiting,    // connecting, within the limit
        Unanswered, // connecting for longer than the limit, or a stream got no answer
        Refused,    // no server, or it refused the connection
    };

    static PulseConnection& instance();
    ~PulseConnection();
    PulseConnection(const PulseConnection&) = delete;
    PulseConnection& operator=(const PulseConnection&) = delete;

    /// Where the connection stands, connecting afresh when there is none or the last one failed.
    /// Never waits. Call unlocked.
    Answer request();
    /// The connected context; use it under a Lock and only after request() said Ready.
    pa_context* context() const { return m_context; }
    /// A stream on the ready connection got no answer in time: the server hangs. Connects
    /// afresh, so that the server's return is noticed, and counts as unanswered until then.
    void giveUp();

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
    Answer answerLocked();

    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    QElapsedTimer m_attempt;
    bool m_unanswered = false;
};
