#include "model/Historique.h"

#include <cmath>
#include <cstdio>

namespace vibralume {

void HistoriqueCapteurs::ajoute(int32_t tempsMs, double dureeBalayage,
                                std::optional<double> capteur1, std::optional<double> capteur2) {
    const auto balayage = static_cast<int64_t>(std::floor(tempsMs / (dureeBalayage * 1000)));
    // Only the previous sweep and this one; a new time base or a time moved
    // back starts the count again.
    std::erase_if(entrees_, [balayage](const Entree& e) {
        return e.balayage < balayage - 1 || e.balayage > balayage;
    });
    entrees_.push_back({balayage, {tempsMs / 1000.0, capteur1, capteur2}});
}

std::vector<LigneMesure> HistoriqueCapteurs::lignes() const {
    std::vector<LigneMesure> l;
    l.reserve(entrees_.size());
    for (const Entree& e : entrees_)
        l.push_back(e.ligne);
    return l;
}

void HistoriqueCapteurs::vide() {
    entrees_.clear();
}

namespace {

std::string nombre(double x, const char* format, char decimale) {
    char texte[64];
    std::snprintf(texte, sizeof texte, format, x);
    std::string s(texte);
    for (char& c : s)
        if (c == '.')
            c = decimale;
    return s;
}

} // namespace

std::string CsvMesures(const std::vector<LigneMesure>& lignes,
                       const std::vector<std::string>& commentaires,
                       const std::vector<std::string>& entetes, char separateur, char decimale) {
    std::string csv;
    for (const std::string& c : commentaires)
        csv += "# " + c + "\n";
    for (std::size_t k = 0; k < entetes.size(); ++k)
        csv += (k ? std::string(1, separateur) : std::string()) + entetes[k];
    csv += "\n";
    for (const LigneMesure& l : lignes) {
        // Milliseconds of simulated time: three decimals say all.
        csv += nombre(l.temps, "%.3f", decimale);
        for (const std::optional<double>& n : {l.capteur1, l.capteur2}) {
            csv += separateur;
            if (n)
                csv += nombre(*n, "%.6g", decimale);
        }
        csv += "\n";
    }
    return csv;
}

} // namespace vibralume
