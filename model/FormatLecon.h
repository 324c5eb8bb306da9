#pragma once
// The lesson file's rules in one table: each field's name, kind, unit and the
// values the window's controls can take. The file's reader and writer walk
// it, and the README's list of fields is written from it.

#include "model/Lecon.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace vibralume {

/// The format this program writes and the newest it reads.
inline constexpr int VersionFormatLecon = 1;
/// Larger files are refused unread.
inline constexpr long long TailleMaxLecon = 1 << 20;
inline constexpr std::size_t LongueurMaxTitre = 120;
inline constexpr std::size_t LongueurMaxConsignes = 20000;

enum class GenreChamp { Entier, Reel, Booleen, Texte, Mot };

/// A field's value as the file holds it: true/false, a number, or a text.
using ValeurChamp = std::variant<bool, double, std::string>;

struct ChampLecon {
    std::string_view nom;
    GenreChamp genre;
    double min = 0;                           ///< numbers: the smallest allowed
    double max = 0;                           ///< numbers: the largest allowed
    bool zeroAussi = false;                   ///< 0 allowed besides min to max
    std::span<const double> valeurs = {};     ///< numbers: when set, the only ones allowed
    std::span<const std::string_view> mots{}; ///< words: the ones allowed
    std::size_t longueurMax = 0;              ///< texts: most characters (code points)
    ValeurChamp (*lis)(const Lecon&) = nullptr;
    void (*ecris)(Lecon&, const ValeurChamp&) = nullptr;
    std::string_view unite = {}; ///< for the documentation
    std::string_view sens = {};  ///< for the documentation
};

/// Every field, in the order the documentation lists them.
std::span<const ChampLecon> ChampsLecon();
/// The field named `nom`, or null.
const ChampLecon* ChampLeconNomme(std::string_view nom);

enum class Ecart { Aucun, Genre, Valeur };
/// Whether `v` is of the field's kind and among its values.
Ecart VerifieChamp(const ChampLecon& champ, const ValeurChamp& v);

/// Rules that tie fields together, as the window's controls keep them.
enum class Contrainte {
    Aucune,
    AmplitudeTropGrande,    ///< above the cap the frequency and speed give
    BordAvecSoliton,        ///< pulses travel with no boundary only
    OscilloscopeSansModele, ///< the oscilloscope lies over the open model
};
Contrainte VerifieEnsemble(const Lecon& lecon);
/// The amplitude's cap for these scroll-bar values of frequency and speed.
int16_t AmplitudePermise(int16_t frequence, int16_t vitesse);
/// Sets what the refresh derives (the amplitude's cap), as the window would.
void CompleteLecon(Lecon& lecon);

/// The field's line in the README's table of fields.
std::string LigneDocumentation(const ChampLecon& champ);

} // namespace vibralume
