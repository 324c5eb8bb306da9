#pragma once
// A playback stream on the sound server, through its client library's
// blocking interface: every call here may wait on the server (30 s when it
// takes the connection and never answers), so only the sound's thread makes
// them.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>

struct pa_simple;

namespace vibralume {

/// The tone's stream, 16-bit mono at 44100 Hz, on the default output.
class SortiePulse {
public:
    SortiePulse() = default;
    SortiePulse(const SortiePulse&) = delete;
    SortiePulse& operator=(const SortiePulse&) = delete;
    ~SortiePulse() { ferme(); }

    /// Connects to the server and opens the stream; false when either fails.
    bool ouvre();
    bool ouverte() const { return flux_ != nullptr; }
    /// Queues `n` samples; false when the connection is lost (the stream is then closed).
    bool ecris(const int16_t* echantillons, std::size_t n);
    /// How long a sample written now waits before it is heard: what is
    /// queued, and the device's own delay. Nothing when the connection is
    /// lost (the stream is then closed).
    std::optional<std::chrono::microseconds> enAvance();
    /// Drops what the server still holds, so that what comes next is heard at once.
    bool vide();
    /// Silences and lets the stream and the connection go.
    void ferme();

    /// Latency asked of the server: it keeps about 20 ms in the device and
    /// lets the stream queue the rest.
    static constexpr int LatenceMs = 80;
    /// What is kept ahead of the loudspeaker: 40 ms queued over the device's
    /// 20, so that a top-up may come 35 ms late without a break, and a gain
    /// applied as samples are written is heard within 60 ms, under the 100 ms
    /// that the sensor's loudness needs to follow the wave.
    static constexpr int AvanceMs = 60;
    /// Queued before the stream starts, and starts again after it ran dry or was emptied.
    static constexpr int DemarrageMs = 10;

private:
    pa_simple* flux_ = nullptr;
};

} // namespace vibralume
