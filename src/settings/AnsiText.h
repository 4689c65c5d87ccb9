#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace zor {

// Windows-1252 ("ANSI") conversion, used for the settings files and the wire.
// Characters outside the code page become "?" as the Windows conversion does;
// the five bytes the code page leaves undefined read as the control
// characters of the same number, so every byte survives a round trip.
QByteArray toAnsi(QStringView text);
QString fromAnsi(QByteArrayView bytes);

// True when every character of the text has a byte in Windows-1252.
bool isAnsiText(QStringView text);

} // namespace zor
