#pragma once
// A playback stream on the sound server, through its client library's
// blocking interface: every call here may wait on the server (30 s when it
// takes the connection and never answers), so only the sound's thread makes
// them.

#include <cstddef>
#include <cstdint>

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
    /// Queues `n` samples, waiting while the server's buffer is full; false
    /// when the connection is lost (the stream is then closed).
    bool ecris(const int16_t* echantillons, std::size_t n);
    /// Drops what the server still holds, so that what comes next is heard at once.
    bool vide();
    /// Silences and lets the stream and the connection go.
    void ferme();

    /// Latency asked of the server, from a sample written to it being heard.
    /// The server splits it: about 60 ms queued for this stream, taken up
    /// 20 ms at a time, and about 20 ms in the device. So a write may come
    /// 40 ms late without a break, and a gain applied as samples are written
    /// is heard within about 80 ms, under the 100 ms that the sensor's
    /// loudness needs to follow the wave.
    static constexpr int LatenceMs = 80;

private:
    pa_simple* flux_ = nullptr;
};

} // namespace vibralume
