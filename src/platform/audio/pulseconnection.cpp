// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/pulseconnection.h"

#include "core/programinfo.h"
#include "platform/audio/streamproperties.h"

#include <pulse/context.h>
#include <pulse/thread-mainloop.h>

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

PulseConnection::Answer PulseConnection::request()
{
    if (!m_loop)
        return Answer::Refused;
    const Lock lock;
    const Answer answer = answerLocked();
    if (answer != Answer::Refused)
        return answer;
    m_unanswered = false;
    if (!startConnecting())
        return Answer::Refused;
    // A missing server or a refusing one fails inside the connect call already.
    const Answer fresh = answerLocked();
    if (fresh == Answer::Refused)
        dropContext();
    return fresh;
}

PulseConnection::Answer PulseConnection::answerLocked()
{
    const pa_context_state_t state = m_context ? pa_context_get_state(m_context) : PA_CONTEXT_FAILED;
    if (state == PA_CONTEXT_READY) {
        m_unanswered = false;
        return Answer::Ready;
    }
    if (!PA_CONTEXT_IS_GOOD(state))
        return Answer::Refused;
    // Still connecting: the attempt is kept, so that a server that only hangs for a while is
    // used as soon as it answers.
    if (m_attempt.elapsed() >= AnswerLimitMs)
        m_unanswered = true;
    return m_unanswered ? Answer::Unanswered : Answer::Waiting;
}

void PulseConnection::giveUp()
{
    if (!m_loop)
        return;
    const Lock lock;
    if (startConnecting())
        m_unanswered = true;
}

bool PulseConnection::startConnecting()
{
    dropContext();
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(m_loop);
    pa_proplist* properties = applicationProperties();
    m_context = pa_context_new_with_proplist(api, ProgramInfo::title().toUtf8().constData(), properties);
    pa_proplist_free(properties);
    if (!m_context)
        return false;
    m_attempt.start();
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
    pa_context_disconnect(m_context);
    pa_context_unref(m_context);
    m_context = nullptr;
}
