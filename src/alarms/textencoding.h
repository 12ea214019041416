// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

/// Text of the events file as read from disk: a leading UTF-8 byte-order mark is skipped; the rest is
/// UTF-8 when valid, else Windows-1252, the code page that files written on Windows use.
QString decodeEventsText(QByteArrayView bytes);
/// Windows-1252 bytes to text; the five bytes the code page leaves unassigned map to U+0081 etc.
QString decodeWindows1252(QByteArrayView bytes);
/// Text to the platform's 8-bit encoding (UTF-8 on Linux) for writing the events file.
QByteArray encodeEventsText(const QString& text);
