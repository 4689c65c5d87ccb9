#pragma once

#include <cstdint>

namespace zor::sim {

// Where a block stands in its group; each place adds its own offset word to
// the checkword, so a receiver finds the group's start in the bit stream.
enum class BlockOffset { A, B, C, CPrime, D };

// One 26-bit RDS block: the 16-bit information word followed by its 10-bit
// checkword (the remainder of the word times x^10 divided by
// x^10+x^8+x^7+x^5+x^4+x^3+1) plus the offset word of its place.
class RdsBlock {
  public:
    static std::uint16_t checkword(std::uint16_t info, BlockOffset offset);
    // The 26 bits, most significant first in bit 25.
    static std::uint32_t bits(std::uint16_t info, BlockOffset offset);
    static std::uint16_t offsetWord(BlockOffset offset);
};

} // namespace zor::sim
