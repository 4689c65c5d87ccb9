#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The frames on the Unix socket between the bus shim (libzor-gpib-sim.so) and
// zor-sim. One frame is a type byte, the payload length as four bytes (least
// significant first) and the payload. Plain C++ only: the shim carries no Qt.
namespace zor::gpibwire {

enum class FrameType : char {
    Hello = 'H',      // shim -> sim: payload = primary address, secondary address (one byte each)
    Write = 'W',      // shim -> sim: one bus message; its end stands for END on the last byte
    Clear = 'C',      // shim -> sim: selected device clear
    Local = 'L',      // shim -> sim: go to local
    Listener = 'h',   // sim -> shim: answer to Hello; payload "1" a device listens there, "0" none
    Ack = 'a',        // sim -> shim: Write, Clear or Local carried out
    NoListener = 'n', // sim -> shim: Write, Clear or Local refused, no device at that address
    Data = 'd',       // sim -> shim: one message the device talks, END on its last byte
};

inline constexpr std::size_t headerSize = 5;
inline constexpr std::uint32_t maxPayload = 1u << 20;

struct Frame {
    FrameType type;
    std::string payload;
};

inline std::string encodeFrame(FrameType type, std::string_view payload) {
    const auto length = static_cast<std::uint32_t>(payload.size());
    std::string frame;
    frame.reserve(headerSize + payload.size());
    frame.push_back(static_cast<char>(type));
    for (int shift = 0; shift < 32; shift += 8)
        frame.push_back(static_cast<char>((length >> shift) & 0xFFu));
    frame.append(payload);
    return frame;
}

// Takes the first complete frame off the front of `buffer`. Returns nullopt
// while the frame is incomplete; sets `broken` when the bytes can never form a
// frame (a length beyond maxPayload), after which the connection is useless.
inline std::optional<Frame> takeFrame(std::string& buffer, bool& broken) {
    broken = false;
    if (buffer.size() < headerSize)
        return std::nullopt;
    std::uint32_t length = 0;
    for (int i = 0; i < 4; ++i)
        length |= static_cast<std::uint32_t>(static_cast<unsigned char>(buffer[1 + i])) << (8 * i);
    if (length > maxPayload) {
        broken = true;
        return std::nullopt;
    }
    if (buffer.size() < headerSize + length)
        return std::nullopt;
    Frame frame{static_cast<FrameType>(buffer[0]), buffer.substr(headerSize, length)};
    buffer.erase(0, headerSize + length);
    return frame;
}

} // namespace zor::gpibwire
