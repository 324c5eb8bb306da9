#include "model/Legendes.h"

#include "model/TexteNombre.h"

#include <cmath>

namespace vibralume {

std::string NombreLabel2(int16_t frequence) {
    const double x = frequence / 10.0;
    if (frequence >= 10) {
        return TexteNombre(x);
    }
    return "0" + PartieDecimale(x);
}

std::string NombreFrequenceDefilee(int16_t frequence) {
    return TexteNombre(frequence / 10.0);
}

std::string NombreLabel3(double amplVib) {
    if (amplVib >= 1 || amplVib == 0) {
        return TexteNombre(amplVib);
    }
    return "0" + PartieDecimale(amplVib);
}

std::string LegendeLambda(double celerite, double freq) {
    if (!(freq > 0)) {
        return "-";
    }
    // Cut, not rounded: 15 cm/s at 1.8 Hz reads 8.33, never 8.34.
    return TexteNombre(std::floor(celerite * 100 / freq) / 100) + "cm";
}

std::string LegendeVit(double celerite) {
    return TexteNombre(celerite) + "cm/s";
}

std::string LegendeF(double freq) {
    if (freq >= 1) {
        return TexteNombre(freq) + "Hz";
    }
    return "0" + PartieDecimale(freq) + "Hz";
}

} // namespace vibralume
