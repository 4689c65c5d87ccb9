#pragma once

#include <array>
#include <bitset>
#include <cstdint>

namespace zor::sim {

// What the coder sends in the time of one group (104 bits, about 87.6 ms):
// a group of four blocks, 104 bits of a test pattern, or nothing while RDS
// is switched off.
class RdsFrame {
  public:
    static constexpr int bitCount = 104;
    enum class Kind { Group, TestPattern, Silent };

    // Blocks A, B, C (C' for a version B group) and D.
    static RdsFrame group(const std::array<std::uint16_t, 4>& words);
    // The data bits of test pattern 1 to 4: 00000000, 11111111, 01010101,
    // 11001100, repeated; 104 is a multiple of their length of eight.
    static RdsFrame testPattern(int pattern);
    static RdsFrame silent();

    Kind kind() const { return kind_; }
    const std::array<std::uint16_t, 4>& words() const { return words_; }
    bool isVersionB() const { return (words_[1] & 0x0800) != 0; }
    // Data bit i (0 = first on air) before differential encoding.
    bool bit(int i) const { return bits_[static_cast<std::size_t>(bitCount - 1 - i)]; }

  private:
    Kind kind_ = Kind::Silent;
    std::array<std::uint16_t, 4> words_{};
    std::bitset<bitCount> bits_;
};

} // namespace zor::sim
