#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace zor {

// Windows-1252 ("ANSI") conversion, used for the settings files and the wire.
// Characters outside the code page become "?" as the Windows conversion does.
QByteArray toAnsi(const QString& text);
QString fromAnsi(const QByteArray& bytes);

// True when every character of the text has a byte in Windows-1252.
bool isAnsiText(QStringView text);

} // namespace zor
