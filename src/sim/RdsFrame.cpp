#include "sim/RdsFrame.h"

#include "sim/RdsBlock.h"

namespace zor::sim {

RdsFrame RdsFrame::group(const std::array<std::uint16_t, 4>& words) {
    RdsFrame frame;
    frame.kind_ = Kind::Group;
    frame.words_ = words;
    const BlockOffset third = frame.isVersionB() ? BlockOffset::CPrime : BlockOffset::C;
    const std::array offsets = {BlockOffset::A, BlockOffset::B, third, BlockOffset::D};
    for (std::size_t block = 0; block < 4; ++block) {
        const std::uint32_t bits = RdsBlock::bits(words[block], offsets[block]);
        for (int i = 0; i < 26; ++i)
            frame.bits_[(3 - block) * 26 + static_cast<std::size_t>(i)] = (bits >> i) & 1u;
    }
    return frame;
}

RdsFrame RdsFrame::testPattern(int pattern) {
    static constexpr std::array<std::uint8_t, 4> patterns = {0x00, 0xFF, 0x55, 0xCC};
    RdsFrame frame;
    frame.kind_ = Kind::TestPattern;
    const std::uint8_t byte = patterns[static_cast<std::size_t>(pattern - 1) % patterns.size()];
    for (int i = 0; i < bitCount; ++i)
        frame.bits_[static_cast<std::size_t>(bitCount - 1 - i)] = (byte >> (7 - i % 8)) & 1u;
    return frame;
}

RdsFrame RdsFrame::silent() {
    return RdsFrame();
}

} // namespace zor::sim
