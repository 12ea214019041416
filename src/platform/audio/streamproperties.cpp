// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio/streamproperties.h"

#include "core/programinfo.h"

#include <pulse/proplist.h>

namespace {

// Not "event" or "notification": desktops mute those with their alert sounds and "do not
// disturb". Not "music" or "video", which PulseAudio's role-cork pauses while a call runs, and
// not "phone", which intended-roles routes to a headset.
constexpr const char* AlarmRole = "alarm";

void set(pa_proplist* list, const char* key, const QString& value)
{
    pa_proplist_sets(list, key, value.toUtf8().constData());
}

} // namespace

pa_proplist* applicationProperties()
{
    pa_proplist* list = pa_proplist_new();
    set(list, PA_PROP_APPLICATION_NAME, ProgramInfo::title());
    set(list, PA_PROP_APPLICATION_ID, ProgramInfo::applicationId());
    set(list, PA_PROP_APPLICATION_ICON_NAME, ProgramInfo::applicationId());
    return list;
}

pa_proplist* streamProperties(const QString& mediaName)
{
    pa_proplist* list = applicationProperties();
    set(list, PA_PROP_MEDIA_NAME, mediaName);
    pa_proplist_sets(list, PA_PROP_MEDIA_ROLE, AlarmRole);
    return list;
}
