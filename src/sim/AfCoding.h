#pragma once

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <optional>

namespace zor::sim {

// Alternative frequencies as RDS carries them: one byte per VHF frequency
// (1 = 87.6 MHz ... 204 = 107.9 MHz in 100 kHz steps), 224 + n announcing a
// list of n frequencies, 205 filling an unused half of a pair. Every list is
// sent as pairs of bytes, the first byte in the high half of the word.
class AfCoding {
  public:
    static constexpr std::uint8_t filler = 205;
    static constexpr std::uint8_t countBase = 224;
    static constexpr int maxCount = 25;

    // The code of a frequency in MHz ("98.5"); nullopt outside 87.6 to 107.9
    // or for a text that is no number.
    static std::optional<std::uint8_t> code(const QByteArray& mhz);
    // The codes of an AF list text ("98.5,87.6,101.3"), frequencies that have
    // none left out.
    static QList<std::uint8_t> codes(const QByteArray& listText);

    // Method A: the count of frequencies with the first one, then the others
    // two by two, a filler completing the last pair. At most 25 frequencies;
    // an empty list is the single pair "no AF" (224, filler).
    static QList<std::uint16_t> methodA(const QList<std::uint8_t>& codes);
    // Method B: a list for one transmitter, its tuned frequency first. The
    // count (tuned frequency plus two for each pair that follows) with the
    // tuned frequency, then each alternative paired with the tuned frequency
    // in ascending order, which marks it as carrying the same programme. At
    // most 12 alternatives; empty when the list has no tuned frequency.
    static QList<std::uint16_t> methodB(const QList<std::uint8_t>& codes);

    static std::uint16_t pair(std::uint8_t high, std::uint8_t low) {
        return static_cast<std::uint16_t>((high << 8) | low);
    }
};

} // namespace zor::sim
