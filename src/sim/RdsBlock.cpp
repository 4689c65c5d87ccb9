#include "sim/RdsBlock.h"

namespace zor::sim {

namespace {

constexpr std::uint32_t generator = 0x5B9; // x^10+x^8+x^7+x^5+x^4+x^3+1

} // namespace

std::uint16_t RdsBlock::offsetWord(BlockOffset offset) {
    switch (offset) {
    case BlockOffset::A:
        return 0x0FC;
    case BlockOffset::B:
        return 0x198;
    case BlockOffset::C:
        return 0x168;
    case BlockOffset::CPrime:
        return 0x350;
    case BlockOffset::D:
        return 0x1B4;
    }
    return 0;
}

std::uint16_t RdsBlock::checkword(std::uint16_t info, BlockOffset offset) {
    std::uint32_t remainder = static_cast<std::uint32_t>(info) << 10;
    for (int bit = 25; bit >= 10; --bit) {
        if (remainder & (1u << bit))
            remainder ^= generator << (bit - 10);
    }
    return static_cast<std::uint16_t>(remainder ^ offsetWord(offset));
}

std::uint32_t RdsBlock::bits(std::uint16_t info, BlockOffset offset) {
    return (static_cast<std::uint32_t>(info) << 10) | checkword(info, offset);
}

} // namespace zor::sim
