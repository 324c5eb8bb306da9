#pragma once
// Test and benchmark helper: lays a recording over the tone file played in a
// loop and finds, sample for sample, every place where what was heard is not
// the loop's continuation (a gap, a repeated or a lost stretch).

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace essai {

/// What a recording holds that the looped file does not.
struct Ruptures {
    int nombre = 0;                 ///< departures from the loop
    qsizetype echantillonsFaux = 0; ///< samples that are not the loop's continuation
    qsizetype compares = 0;         ///< samples compared
    std::vector<qsizetype> ou;      ///< first sample of each departure
};

/// Finds where in the loop a recording stands.
class Alignement {
public:
    /// Samples to match before a place counts as found again: long enough
    /// that no stretch of another phase matches by chance.
    static constexpr qsizetype Fenetre = 441;

    explicit Alignement(std::vector<int16_t> boucle) : boucle_(std::move(boucle)) {
        for (std::size_t k = 0; k < boucle_.size(); ++k)
            places_[boucle_[k]].push_back(qsizetype(k));
    }

    qsizetype tour() const { return qsizetype(boucle_.size()); }
    int16_t echantillon(qsizetype phase) const { return boucle_[std::size_t(phase % tour())]; }

    /// The phase p such that s[i + k] is the loop's sample p + k for the
    /// next Fenetre samples (or to the end), -1 when there is none.
    qsizetype phase(const std::vector<int16_t>& s, qsizetype i) const {
        const auto candidats = places_.find(s[std::size_t(i)]);
        if (candidats == places_.end())
            return -1;
        const qsizetype n = std::min<qsizetype>(Fenetre, qsizetype(s.size()) - i);
        for (qsizetype p : candidats->second) {
            qsizetype k = 1;
            while (k < n && s[std::size_t(i + k)] == echantillon(p + k))
                ++k;
            if (k == n)
                return p;
        }
        return -1;
    }

    /// Compares [debut, fin) with the loop, from the phase found at debut;
    /// after a departure, the comparison takes up again where the loop is
    /// found again, so every break counts once.
    Ruptures ruptures(const std::vector<int16_t>& s, qsizetype debut, qsizetype fin) const {
        Ruptures r;
        fin = std::min(fin, qsizetype(s.size()) - Fenetre);
        qsizetype i = debut;
        qsizetype p = -1;
        while (i < fin && (p = phase(s, i)) < 0) {
            ++i; // not even the start is the loop: all of it is a departure
        }
        if (i > debut) {
            r.nombre = 1;
            r.ou.push_back(debut);
            r.echantillonsFaux = i - debut;
        }
        while (i < fin) {
            ++r.compares;
            if (s[std::size_t(i)] == echantillon(p)) {
                ++i;
                ++p;
                continue;
            }
            ++r.nombre;
            r.ou.push_back(i);
            // A pure jump is found again at once; a gap only after it.
            qsizetype j = i;
            while (j < fin && (p = phase(s, j)) < 0)
                ++j;
            r.echantillonsFaux += std::max<qsizetype>(j - i, 1);
            r.compares += j - i - 1;
            i = j;
        }
        return r;
    }

    /// The first sample from `avant` on that is the loop times `gain` instead
    /// of the loop itself, `avant` being a place where the loop plays
    /// untouched; -1 when none comes before `fin` or when something else
    /// (a break) comes first.
    qsizetype gainEntendu(const std::vector<int16_t>& s, qsizetype avant, qsizetype fin,
                          double gain) const {
        qsizetype p = phase(s, avant);
        if (p < 0)
            return -1;
        fin = std::min(fin, qsizetype(s.size()));
        for (qsizetype i = avant; i < fin; ++i, ++p) {
            const int e = echantillon(p);
            if (s[std::size_t(i)] == e)
                continue;
            return std::abs(s[std::size_t(i)] - std::lround(e * gain)) <= 1 ? i : -1;
        }
        return -1;
    }

private:
    std::vector<int16_t> boucle_;
    std::unordered_map<int16_t, std::vector<qsizetype>> places_;
};

} // namespace essai
