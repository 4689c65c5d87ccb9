// Feeds arbitrary instrument replies through the answer extraction of both
// queries and the bus read buffer, and checks what the operator gets shown.

#include "link/BusAdapter.h"
#include "link/BusStatusText.h"
#include "link/GpibCodes.h"
#include "link/QueryAnswer.h"
#include "settings/AnsiText.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

void checkCoderAnswer(const QString& received) {
    const QString answer = zor::coderAnswer(received);
    require(!answer.contains(QLatin1Char('"')));
    if (!answer.isEmpty())
        require(received.contains(QLatin1Char('"') + answer + QLatin1Char('"')));
}

void checkBusBuffers(const QByteArray& bytes) {
    const QString coderBuffer = zor::overlayRead(QString(70, QLatin1Char(' ')), bytes);
    require(coderBuffer.size() == 70);
    checkCoderAnswer(coderBuffer);

    const QString generatorBuffer = zor::overlayRead(QString(20, QLatin1Char(' ')), bytes);
    require(generatorBuffer.size() == 20);
    const QString answer = zor::generatorAnswer(generatorBuffer, bytes.size());
    require(answer.size() <= 20);
    require(!answer.contains(QLatin1Char('\n')));
    require(generatorBuffer.startsWith(answer));
}

void checkStatusTexts(const std::uint8_t* data, std::size_t size) {
    if (size < 6)
        return;
    const auto word = [data](std::size_t at) {
        return zor::toInt16(data[at] | (data[at + 1] << 8));
    };
    const QString status =
        zor::statusWordText(word(0)) + zor::errorText(word(0), word(2)) + zor::countText(word(4));
    require(status.startsWith(QLatin1String("\r\nibsta = &H")));
    require(status.contains(QLatin1String("\r\nibcnt = 0x")));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    checkCoderAnswer(zor::fromAnsi(bytes));
    checkBusBuffers(bytes);
    checkStatusTexts(data, size);
    return 0;
}
