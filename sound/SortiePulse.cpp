#include "sound/SortiePulse.h"

#include "sound/Generateur.h"

#include <pulse/simple.h>

namespace vibralume {

bool SortiePulse::ouvre() {
    ferme();
    const pa_sample_spec format{PA_SAMPLE_S16NE, uint32_t(FrequenceEchantillonnage), 1};
    pa_buffer_attr tampon;
    tampon.maxlength = uint32_t(-1);
    tampon.tlength = uint32_t(pa_usec_to_bytes(pa_usec_t{LatenceMs} * 1000, &format));
    tampon.prebuf = uint32_t(pa_usec_to_bytes(pa_usec_t{DemarrageMs} * 1000, &format));
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

std::optional<std::chrono::microseconds> SortiePulse::enAvance() {
    if (flux_ != nullptr) {
        const pa_usec_t t = pa_simple_get_latency(flux_, nullptr);
        if (t != pa_usec_t(-1)) {
            return std::chrono::microseconds(t);
        }
    }
    ferme();
    return std::nullopt;
}

bool SortiePulse::vide() {
    if (flux_ != nullptr && pa_simple_flush(flux_, nullptr) == 0) {
        return true;
    }
    ferme();
    return false;
}

// Emptied first, so that the server takes back what the device still holds
// of it, then freed without draining: silent at once.
void SortiePulse::ferme() {
    if (flux_ != nullptr) {
        pa_simple_flush(flux_, nullptr);
        pa_simple_free(flux_);
        flux_ = nullptr;
    }
}

} // namespace vibralume
