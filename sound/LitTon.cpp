#include "sound/LitTon.h"

#include "sound/Generateur.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace vibralume {

namespace {

uint32_t lit32(const std::string& o, std::size_t i) {
    return static_cast<uint32_t>(static_cast<unsigned char>(o[i])) |
           static_cast<uint32_t>(static_cast<unsigned char>(o[i + 1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(o[i + 2])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(o[i + 3])) << 24;
}

uint16_t lit16(const std::string& o, std::size_t i) {
    return static_cast<uint16_t>(static_cast<unsigned char>(o[i]) |
                                 static_cast<unsigned char>(o[i + 1]) << 8);
}

bool formatAttendu(const std::string& o, std::size_t debut, uint32_t taille) {
    return taille >= 16 && lit16(o, debut) == 1 // PCM
           && lit16(o, debut + 2) == 1          // mono
           && lit32(o, debut + 4) == static_cast<uint32_t>(FrequenceEchantillonnage) &&
           lit16(o, debut + 14) == 16;
}

} // namespace

std::optional<std::vector<int16_t>> LitTon(const std::filesystem::path& chemin) {
    std::ifstream fichier(chemin, std::ios::binary);
    if (!fichier) {
        return std::nullopt;
    }
    const std::string o{std::istreambuf_iterator<char>(fichier), std::istreambuf_iterator<char>()};
    if (o.size() < 12 || o.compare(0, 4, "RIFF") != 0 || o.compare(8, 4, "WAVE") != 0) {
        return std::nullopt;
    }
    bool formatLu = false;
    std::size_t i = 12;
    while (i + 8 <= o.size()) {
        const uint32_t taille = lit32(o, i + 4);
        const std::size_t debut = i + 8;
        const std::size_t reste = o.size() - debut;
        if (o.compare(i, 4, "fmt ") == 0) {
            if (taille > reste || !formatAttendu(o, debut, taille)) {
                return std::nullopt;
            }
            formatLu = true;
        } else if (o.compare(i, 4, "data") == 0) {
            if (!formatLu) {
                return std::nullopt;
            }
            const std::size_t n = std::min<std::size_t>(taille, reste) / 2;
            if (n == 0) {
                return std::nullopt;
            }
            std::vector<int16_t> echantillons(n);
            for (std::size_t k = 0; k < n; ++k) {
                echantillons[k] = static_cast<int16_t>(lit16(o, debut + 2 * k));
            }
            return echantillons;
        }
        // Chunks are padded to an even length.
        i = debut + static_cast<std::size_t>(taille) + (taille & 1U);
    }
    return std::nullopt;
}

} // namespace vibralume
