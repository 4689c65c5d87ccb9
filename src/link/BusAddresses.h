#pragma once

#include <QString>
#include <cstdint>

namespace zor {

// The generator's address when "ZOR1" holds none: the address the bundled
// settings give the generator.
inline constexpr std::int16_t kUsualGeneratorAddress = 28;
// The second address when "VEX2" holds none: no second device, an address no
// generator can have.
inline constexpr std::int16_t kNoSecondDevice = -1;

// "ZOR1": its leading number rounded to a whole address and held within the
// bus's 0 to 30; kUsualGeneratorAddress when the text holds no number.
std::int16_t generatorAddress(const QString& text);
// "VEX2": its leading number rounded (it is only compared with the
// generator's); kNoSecondDevice when the text holds no number.
std::int16_t secondAddress(const QString& text);

} // namespace zor
