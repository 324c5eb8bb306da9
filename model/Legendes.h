#pragma once
// Caption texts of the parameters (UTF-8), as the refresh and the frequency
// scroll handler write them.

#include <cstdint>
#include <string>

namespace vibralume {

/// `Label2` as the refresh writes it; below 1 Hz the zero is written before the point.
std::string LegendeLabel2(int16_t frequence);

/// `Label2` as the `frequence` scroll handler writes it first, with no special case.
std::string LegendeFrequenceDefilee(int16_t frequence);

/// `Label23`: "v=" then the speed and "cm/s".
std::string LegendeLabel23(double celerite);

/// `Label32`: the pulse amplitude, with no special case below 1.
std::string LegendeLabel32(double amplSoliton);

/// `label3`: the vibration amplitude; between 0 and 1 the zero is written before the point.
std::string LegendeLabel3(double amplVib);

/// `lambda`: the wavelength cut to two decimals, or "-" without a frequency.
std::string LegendeLambda(double celerite, double freq);

/// `vit`: the speed.
std::string LegendeVit(double celerite);

/// `f`: the frequency; below 1 Hz the zero is written before the point.
std::string LegendeF(double freq);

} // namespace vibralume
