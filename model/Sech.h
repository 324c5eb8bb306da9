#pragma once
// Profile of the solitary pulse.

namespace vibralume {

/// 2 / (exp(-x) + exp(x)) for |x| < 50, and 0 beyond (and for NaN): never inf or NaN.
double Sech(double x);

} // namespace vibralume
