#include "model/Historique.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vibralume {

void HistoriqueCapteurs::ajoute(int32_t tempsMs, double dureeBalayage,
                                std::optional<double> capteur1, std::optional<double> capteur2) {
    const auto balayage = static_cast<int64_t>(std::floor(tempsMs / (dureeBalayage * 1000)));
    // As the oscilloscope's screen: a new time base or a time moved back
    // starts afresh. Slowed down, two ticks can fall on the same millisecond:
    // the later reading is the one drawn.
    if (dureeBalayage != duree_ || (!entrees_.empty() && tempsMs < entrees_.back().tempsMs))
        entrees_.clear();
    duree_ = dureeBalayage;
    if (!entrees_.empty() && entrees_.back().tempsMs == tempsMs)
        entrees_.pop_back();
    std::erase_if(entrees_, [balayage](const Entree& e) { return e.balayage < balayage - 1; });
    entrees_.push_back({balayage, tempsMs, capteur1, capteur2});
}

std::vector<LigneMesure> HistoriqueCapteurs::lignes() const {
    std::vector<LigneMesure> l;
    if (entrees_.empty())
        return l;
    // The export reads like one screen of the oscilloscope and the one
    // before: its clock starts with the earlier sweep.
    const double origine = std::round(entrees_.front().balayage * duree_ * 1000);
    l.reserve(entrees_.size());
    for (const Entree& e : entrees_)
        l.push_back({(e.tempsMs - origine) / 1000, e.capteur1, e.capteur2});
    return l;
}

void HistoriqueCapteurs::vide() {
    entrees_.clear();
}

namespace {

// Not printf: under a French desktop its decimal mark is a comma whatever
// the file asks for.
std::string nombre(double x, std::chars_format format, int precision, char decimale) {
    char texte[64];
    char* fin = std::to_chars(texte, texte + sizeof texte, x, format, precision).ptr;
    std::string s(texte, static_cast<std::size_t>(fin - texte));
    std::replace(s.begin(), s.end(), '.', decimale);
    return s;
}

std::string champ(const std::string& texte, char separateur) {
    if (texte.find_first_of(std::string{separateur, '"', '\n', '\r'}) == std::string::npos)
        return texte;
    std::string s = "\"";
    for (char c : texte)
        s += c == '"' ? std::string("\"\"") : std::string(1, c);
    return s + '"';
}

} // namespace

std::string CsvMesures(const std::vector<LigneMesure>& lignes,
                       const std::vector<std::string>& commentaires,
                       const std::vector<std::string>& entetes, char separateur, char decimale) {
    std::string csv;
    for (const std::string& c : commentaires)
        csv += champ("# " + c, separateur) + "\n";
    for (std::size_t k = 0; k < entetes.size(); ++k)
        csv += (k ? std::string(1, separateur) : std::string()) + champ(entetes[k], separateur);
    csv += "\n";
    for (const LigneMesure& l : lignes) {
        // Milliseconds of simulated time: three decimals say all.
        csv += nombre(l.temps, std::chars_format::fixed, 3, decimale);
        for (const std::optional<double>& n : {l.capteur1, l.capteur2}) {
            csv += separateur;
            if (n)
                csv += nombre(*n, std::chars_format::general, 6, decimale);
        }
        csv += "\n";
    }
    return csv;
}

} // namespace vibralume
