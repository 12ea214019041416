// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/xdg/xdglastwatch.h"

#include "platform/xdg/xdgfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
const QString momentFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");
// A valid file holds one moment; anything longer is not ours.
constexpr qint64 maxFileSize = 64;
} // namespace

XdgLastWatch::XdgLastWatch(QString path)
    : m_path(std::move(path))
{}

QString XdgLastWatch::defaultPath()
{
    return xdgStateFolder() + QStringLiteral("/lastwatch");
}

std::optional<QDateTime> XdgLastWatch::read() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray text = file.read(maxFileSize).trimmed();
    const QDateTime moment = QDateTime::fromString(QString::fromLatin1(text), momentFormat);
    if (!moment.isValid())
        return std::nullopt;
    return moment;
}

void XdgLastWatch::write(const QDateTime& moment)
{
    QDir().mkpath(QFileInfo(m_path).path());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(moment.toString(momentFormat).toLatin1() + '\n');
    file.commit();
}
