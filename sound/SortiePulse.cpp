#include "sound/SortiePulse.h"

#include "sound/Generateur.h"

#include <pulse/simple.h>

namespace vibralume {

bool SortiePulse::ouvre() {
    ferme();
    const pa_sample_spec format{PA_SAMPLE_S16NE, uint32_t(FrequenceEchantillonnage), 1};
    // The server grows the rest to suit the latency; prebuffering the whole
    // latency starts (and, after vide, restarts) the stream on a full buffer.
    pa_buffer_attr tampon;
    tampon.maxlength = uint32_t(-1);
    tampon.tlength = uint32_t(pa_usec_to_bytes(pa_usec_t{LatenceMs} * 1000, &format));
    tampon.prebuf = uint32_t(-1);
    tampon.minreq = uint32_t(-1);
    tampon.fragsize = uint32_t(-1);
    flux_ = pa_simple_new(nullptr, "Vibralume", PA_STREAM_PLAYBACK, nullptr, "Son", &format,
                          nullptr, &tampon, nullptr);
    return flux_ != nullptr;
}

bool SortiePulse::ecris(const int16_t* echantillons, std::size_t n) {
    if (flux_ != nullptr &&
        pa_simple_write(flux_, echantillons, n * sizeof(int16_t), nullptr) == 0) {
        return true;
    }
    ferme();
    return false;
}

bool SortiePulse::vide() {
    if (flux_ != nullptr && pa_simple_flush(flux_, nullptr) == 0) {
        return true;
    }
    ferme();
    return false;
}

// Freed without draining: the server drops the stream and what it held.
void SortiePulse::ferme() {
    if (flux_ != nullptr) {
        pa_simple_free(flux_);
        flux_ = nullptr;
    }
}

} // namespace vibralume
