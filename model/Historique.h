#pragma once
// What the sensors read, tick after tick, over the oscilloscope's current
// sweep and the one before: the rows a pupil exports to draw the same curves
// in a spreadsheet.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vibralume {

/// One tick: the simulated time and the level of each sensor that was on.
struct LigneMesure {
    double temps = 0; ///< s, from the start of the earlier sweep kept
    std::optional<double> capteur1;
    std::optional<double> capteur2;
};

class HistoriqueCapteurs {
public:
    /// Records a tick at `tempsMs` into a sweep of `dureeBalayage` seconds;
    /// rows older than the previous sweep go, and a second reading of the
    /// same instant replaces the first.
    void ajoute(int32_t tempsMs, double dureeBalayage, std::optional<double> capteur1,
                std::optional<double> capteur2);
    /// The rows of the previous sweep and of the current one, in time order.
    std::vector<LigneMesure> lignes() const;
    void vide();

private:
    struct Entree {
        int64_t balayage; ///< the sweep of the row
        int32_t tempsMs;
        std::optional<double> capteur1;
        std::optional<double> capteur2;
    };
    std::vector<Entree> entrees_;
    double duree_ = 0; ///< s, the sweep of every row kept
};

/// The rows as CSV text whatever the C library's locale: the comment lines
/// first (each after "# "), a header line, then one line per row,
/// `separateur` between fields, `decimale` as the decimal mark; a sensor that
/// was off leaves its field empty. A field holding the separator, a quote or
/// a line break is quoted as spreadsheets expect (a comment line is one field).
std::string CsvMesures(const std::vector<LigneMesure>& lignes,
                       const std::vector<std::string>& commentaires,
                       const std::vector<std::string>& entetes, char separateur, char decimale);

} // namespace vibralume
