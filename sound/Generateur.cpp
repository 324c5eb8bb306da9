#include "sound/Generateur.h"

#include "model/Constantes.h"
#include "sound/RemplacementAtomique.h"

#include <array>
#include <cmath>
#include <limits>

namespace vibralume {

namespace {

constexpr double FrequenceMax = 882000.0;
// The RIFF size field, 36 + 2 N, must fit in 32 unsigned bits.
constexpr double EchantillonsMax = (4294967295.0 - 36.0) / 2.0;

double nombreExact(double F) {
    return std::nearbyint(((1 / F) * 10) * FrequenceEchantillonnage);
}

// The file is little-endian whatever the machine.
void ecris32(SortieOctets& sortie, uint32_t valeur) {
    const char octets[4] = {
        static_cast<char>(valeur & 0xFF), static_cast<char>((valeur >> 8) & 0xFF),
        static_cast<char>((valeur >> 16) & 0xFF), static_cast<char>((valeur >> 24) & 0xFF)};
    sortie.ecris(octets, sizeof octets);
}

void ecris16(SortieOctets& sortie, uint16_t valeur) {
    const char octets[2] = {static_cast<char>(valeur & 0xFF), static_cast<char>(valeur >> 8)};
    sortie.ecris(octets, sizeof octets);
}

void ecrisTexte(SortieOctets& sortie, const char* texte, std::size_t taille) {
    sortie.ecris(texte, taille);
}

void ecrisBloc(SortieOctets& sortie, const std::array<int16_t, TailleBloc>& bloc, int nombre) {
    std::array<char, 2 * TailleBloc> octets;
    for (int i = 0; i < nombre; ++i) {
        const auto valeur = static_cast<uint16_t>(bloc[static_cast<std::size_t>(i)]);
        octets[static_cast<std::size_t>(2 * i)] = static_cast<char>(valeur & 0xFF);
        octets[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>(valeur >> 8);
    }
    sortie.ecris(octets.data(), static_cast<std::size_t>(2 * nombre));
}

// At resonance the peak is ten times the normal one and leaves the 16-bit
// range: the tone is clipped rather than wrapped around.
int16_t sature(double valeur) {
    if (valeur > std::numeric_limits<int16_t>::max()) {
        return std::numeric_limits<int16_t>::max();
    }
    if (valeur < std::numeric_limits<int16_t>::min()) {
        return std::numeric_limits<int16_t>::min();
    }
    return static_cast<int16_t>(valeur);
}

} // namespace

bool FrequenceValide(double F) {
    if (!std::isfinite(F) || F <= 0 || F > FrequenceMax) {
        return false;
    }
    // 882000 Hz gives half a sample, which rounds to none: a file without a
    // sample would be a silent, broken tone.
    const double N = nombreExact(F);
    return N >= 1 && N <= EchantillonsMax;
}

int32_t NombreEchantillons(double F) {
    return static_cast<int32_t>(nombreExact(F));
}

void EcritTon(double F, int32_t P, SortieOctets& sortie) {
    const int32_t N = NombreEchantillons(F);
    const auto octetsDonnees = static_cast<uint32_t>(2) * static_cast<uint32_t>(N);

    ecrisTexte(sortie, "RIFF", 4);
    ecris32(sortie, 36 + octetsDonnees);
    ecrisTexte(sortie, "WAVEfmt ", 8);
    ecris32(sortie, 16);
    ecris16(sortie, 1);
    ecris16(sortie, 1);
    ecris32(sortie, FrequenceEchantillonnage);
    ecris32(sortie, 16 / 8 * FrequenceEchantillonnage);
    ecris16(sortie, 2);
    ecris16(sortie, 16);
    ecrisTexte(sortie, "data", 4);
    ecris32(sortie, octetsDonnees);

    std::array<int16_t, TailleBloc> bloc;
    int rempli = 0;
    for (int32_t j = 0; j < N; ++j) {
        const double theta = (j * DeuxPi) * (F / FrequenceEchantillonnage);
        bloc[static_cast<std::size_t>(rempli++)] = sature(std::nearbyint(P * std::sin(theta)));
        if (rempli == TailleBloc && j < N - 1) {
            ecrisBloc(sortie, bloc, rempli);
            rempli = 0;
        }
    }
    ecrisBloc(sortie, bloc, rempli);
}

bool GenereSon(double F, const int32_t& P, const std::filesystem::path& dossier) {
    if (!FrequenceValide(F)) {
        return false;
    }
    RemplacementAtomique fichier(dossier / NomFichierSon);
    if (!fichier.ouvert()) {
        return false;
    }
    EcritTon(F, P, fichier);
    return fichier.valide();
}

} // namespace vibralume
