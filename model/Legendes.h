#pragma once
// The numbers of the parameters' captions (UTF-8), written as the refresh and
// the frequency scroll handler write them; the words around them are the
// interface's, in its language.

#include <cstdint>
#include <string>

namespace vibralume {

/// `Label2`'s frequency as the refresh writes it: below 1 Hz the zero is
/// written before the point (" 1.8", "0.5").
std::string NombreLabel2(int16_t frequence);

/// `Label2`'s frequency as the `frequence` scroll handler writes it first,
/// with no special case (" .5").
std::string NombreFrequenceDefilee(int16_t frequence);

/// `label3`'s vibration amplitude: between 0 and 1 the zero is written before the point.
std::string NombreLabel3(double amplVib);

/// `lambda`: the wavelength cut to two decimals, or "-" without a frequency.
std::string LegendeLambda(double celerite, double freq);

/// `vit`: the speed.
std::string LegendeVit(double celerite);

/// `f`: the frequency; below 1 Hz the zero is written before the point.
std::string LegendeF(double freq);

} // namespace vibralume
