// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qsettingsstore.h"

#include <QSettings>
#include <QStringList>

QString QSettingsStore::read(const QString& name) const
{
    const QSettings settings(organization, application);
    const QVariant value = settings.value(name);
    // A hand-edited INI value holding commas comes back as a list; keep it as the text it was.
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

bool QSettingsStore::write(const QString& name, const QString& value)
{
    QSettings settings(organization, application);
    settings.setValue(name, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
