#pragma once

#include <QString>

namespace zor {

// What a query operation brought back: the cleaned answer; where there was
// none, the no-value text (the key asked for, a blank and caption text 143);
// where the serial line stayed silent, caption text 145.
struct QueryResult {
    enum class Kind { Value, NoValue, NoReply };

    Kind kind = Kind::NoValue;
    QString text;
};

// The coder's answer is the value between the first two double quotes of what
// came back; without two double quotes there is no value (empty).
QString coderAnswer(const QString& received);

// The generator's answer on the bus: the part of the read buffer before its
// first line feed. Without a line feed the characters the driver delivered
// (`bytesRead` of them, clamped to the buffer) are the answer as received.
QString generatorAnswer(const QString& buffer, long long bytesRead);

} // namespace zor
