#include "model/TexteNombre.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace vibralume {

namespace {

constexpr int ChiffresSignificatifs = 15;

/// The exponent field of "d.ddde+XX" as an integer.
int LitExposant(std::string_view champ) {
    bool negatif = false;
    if (!champ.empty() && (champ.front() == '+' || champ.front() == '-')) {
        negatif = champ.front() == '-';
        champ.remove_prefix(1);
    }
    int valeur = 0;
    std::from_chars(champ.data(), champ.data() + champ.size(), valeur);
    return negatif ? -valeur : valeur;
}

/// |x| (finite, non-zero) without sign, positional unless it needs more than 15 places.
std::string TexteMagnitude(double a) {
    // to_chars is locale-independent; rounding to 15 significant digits first is
    // what turns 0.1 * 3 (0.30000000000000004) into 0.3.
    char tampon[40];
    const auto fin = std::to_chars(tampon, tampon + sizeof tampon, a, std::chars_format::scientific,
                                   ChiffresSignificatifs - 1)
                         .ptr;
    const std::string_view texte(tampon, static_cast<size_t>(fin - tampon));
    const size_t e = texte.find('e');
    std::string chiffres(1, texte[0]);
    if (e > 2) {
        chiffres.append(texte.substr(2, e - 2));
    }
    const int exposant = LitExposant(texte.substr(e + 1));
    while (chiffres.size() > 1 && chiffres.back() == '0') {
        chiffres.pop_back();
    }
    const int n = static_cast<int>(chiffres.size());

    if (exposant >= ChiffresSignificatifs || exposant < -ChiffresSignificatifs) {
        std::string s(1, chiffres[0]);
        if (n > 1) {
            s += '.';
            s.append(chiffres, 1);
        }
        const int m = std::abs(exposant);
        s += exposant < 0 ? "E-" : "E+";
        if (m < 10) {
            s += '0';
        }
        return s + std::to_string(m);
    }
    if (exposant < 0) {
        return "." + std::string(static_cast<size_t>(-exposant - 1), '0') + chiffres;
    }
    const int entiers = exposant + 1;
    if (n <= entiers) {
        return chiffres + std::string(static_cast<size_t>(entiers - n), '0');
    }
    return chiffres.substr(0, static_cast<size_t>(entiers)) + "." +
           chiffres.substr(static_cast<size_t>(entiers));
}

} // namespace

std::string TexteNombre(double x) {
    if (std::isnan(x)) {
        return " NaN";
    }
    if (std::isinf(x)) {
        return x > 0 ? " Inf" : "-Inf";
    }
    // -0 is not negative: it is written " 0".
    const std::string signe = x < 0 ? "-" : " ";
    if (x == 0) {
        return signe + "0";
    }
    return signe + TexteMagnitude(std::fabs(x));
}

std::string PartieDecimale(double x) {
    const std::string texte = TexteNombre(std::fabs(x));
    const size_t point = texte.find('.');
    return point == std::string::npos ? std::string() : texte.substr(point);
}

} // namespace vibralume
