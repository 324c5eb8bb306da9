#pragma once
// Hand-driven stand-ins for the clock and the random generator, so that every
// tick in a test is reproducible.

#include "model/Horloge.h"

#include <QString>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace vibralume {

/// A clock that reads whatever the test last set.
class HorlogeManuelle : public Horloge {
public:
    explicit HorlogeManuelle(double s = 0) : lecture(s) {}
    double secondes() override { return lecture; }
    double lecture;
};

/// Hands out a fixed list of numbers in order (cycling) and counts the draws.
class AleatoireScripte : public Aleatoire {
public:
    explicit AleatoireScripte(std::vector<double> valeurs) : valeurs_(std::move(valeurs)) {}
    double suivant() override { return valeurs_[tirages++ % valeurs_.size()]; }
    void amorcer(double) override {}
    std::size_t tirages = 0;

private:
    std::vector<double> valeurs_;
};

/// Readable comparisons of UTF-8 captions.
inline QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace vibralume
