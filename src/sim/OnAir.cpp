#include "sim/OnAir.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zor::sim {

namespace {

constexpr int catchUpMs = 40;
constexpr qint64 chunkSamples = MpxSignal::sampleRate / 10;

} // namespace

OnAir::OnAir(const InstrumentState& state) : encoder_(state) {
    buffer_.resize(static_cast<std::size_t>(chunkSamples));
}

bool OnAir::openHex(const QString& path, QString* error) {
    return hex_.open(path, error);
}

bool OnAir::openMpx(const QString& path, QString* error) {
    if (!wav_.open(path, MpxSignal::sampleRate, error))
        return false;
    signal_ = std::make_unique<MpxSignal>(encoder_.state(), [this] { return takeFrame(); });
    return true;
}

RdsFrame OnAir::takeFrame() {
    const RdsFrame frame = encoder_.next();
    if (hex_.isOpen())
        hex_.write(frame);
    return frame;
}

bool OnAir::renderSamples(qint64 count) {
    while (count > 0) {
        const qint64 chunk = std::min(count, chunkSamples);
        signal_->render(buffer_.data(), chunk);
        if (!wav_.append(buffer_.data(), chunk)) {
            std::fprintf(stderr, "zor-sim: the WAV file takes no more; the multiplex stops\n");
            signal_.reset();
            return false;
        }
        count -= chunk;
    }
    return true;
}

void OnAir::start(Clock::time_point now) {
    started_ = now;
    catchUp(now);
}

void OnAir::catchUp(Clock::time_point now) {
    const double elapsed = std::chrono::duration<double>(now - started_).count();
    if (signal_) {
        const auto due = static_cast<qint64>(elapsed * MpxSignal::sampleRate);
        renderSamples(due - signal_->samplesRendered());
    }
    const auto slotsDue = static_cast<qint64>(elapsed / GroupEncoder::slotSeconds) + 1;
    while (encoder_.slotsSent() < slotsDue)
        takeFrame();
}

int OnAir::msUntilNextCatchUp(Clock::time_point now) const {
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(now - started_).count();
    return static_cast<int>(catchUpMs - elapsed % catchUpMs);
}

qint64 OnAir::writeGroups(qint64 count) {
    qint64 written = 0;
    while (written < count) {
        const RdsFrame frame = takeFrame();
        if (frame.kind() == RdsFrame::Kind::Silent)
            break;
        ++written;
    }
    return written;
}

bool OnAir::writeSeconds(double seconds) {
    return signal_ && renderSamples(std::llround(seconds * MpxSignal::sampleRate));
}

} // namespace zor::sim
