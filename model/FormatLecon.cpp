#include "model/FormatLecon.h"

#include "model/Parametres.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace vibralume {

namespace {

using V = ValeurChamp;

double nombre(const V& v) {
    return std::get<double>(v);
}

// The words of each choice, in the order of its enumeration.
constexpr std::array<std::string_view, 2> MotsVibration{"periodique", "solitaire"};
constexpr std::array<std::string_view, 3> MotsBord{"progressive", "ouvert-ouvert", "ouvert-ferme"};
constexpr std::array<std::string_view, 2> MotsMilieu{"gaz", "solide"};
constexpr std::array<double, 5> ValeursBaseTemps{200, 500, 1000, 1500, 2000};
constexpr std::array<double, 4> ValeursRalenti{1, 2, 4, 10};
constexpr std::array<double, 1> ValeursFormat{VersionFormatLecon};
static_assert(ValeursBaseTemps.size() == BasesTemps.size());
static_assert(ValeursRalenti.size() == DiviseursTemps.size());

template <std::size_t N> V mot(const std::array<std::string_view, N>& mots, auto valeur) {
    return std::string(mots[std::size_t(valeur)]);
}
template <class E, std::size_t N>
E choixDe(const std::array<std::string_view, N>& mots, const V& v) {
    return E(std::ranges::find(mots, std::string_view(std::get<std::string>(v))) - mots.begin());
}

// Where a marker may stand: its corner anywhere over the model, 24.96 cm by 3.2 cm.
constexpr double ModeleLargeur = 24.96, ModeleHauteur = 3.2;

Capteur& capteur(Lecon& l, int n) {
    return l.choix.capteurs[std::size_t(n - 1)];
}

// clang-format off
const std::array Champs{
    ChampLecon{.nom = "format", .genre = GenreChamp::Entier, .min = 1, .max = VersionFormatLecon,
        .valeurs = ValeursFormat,
        .lis = [](const Lecon&) { return V(double(VersionFormatLecon)); },
        .ecris = [](Lecon&, const V&) {},
        .sens = "version of these rules; required"},
    ChampLecon{.nom = "titre", .genre = GenreChamp::Texte, .longueurMax = LongueurMaxTitre,
        .lis = [](const Lecon& l) { return V(l.titre); },
        .ecris = [](Lecon& l, const V& v) { l.titre = std::get<std::string>(v); },
        .sens = "shown in the window's title"},
    ChampLecon{.nom = "consignes", .genre = GenreChamp::Texte, .longueurMax = LongueurMaxConsignes,
        .lis = [](const Lecon& l) { return V(l.consignes); },
        .ecris = [](Lecon& l, const V& v) { l.consignes = std::get<std::string>(v); },
        .sens = "the teacher's instructions, plain text"},
    ChampLecon{.nom = "vibration", .genre = GenreChamp::Mot, .mots = MotsVibration,
        .lis = [](const Lecon& l) { return mot(MotsVibration, l.choix.vibration); },
        .ecris = [](Lecon& l, const V& v) { l.choix.vibration = choixDe<Vibration>(MotsVibration, v); },
        .sens = "periodic vibration or solitary pulses"},
    ChampLecon{.nom = "bord", .genre = GenreChamp::Mot, .mots = MotsBord,
        .lis = [](const Lecon& l) { return mot(MotsBord, l.choix.bord); },
        .ecris = [](Lecon& l, const V& v) { l.choix.bord = choixDe<Bord>(MotsBord, v); },
        .sens = "no boundary, open at both ends, or open left and closed right; "
                "`progressive` with pulses"},
    ChampLecon{.nom = "milieu", .genre = GenreChamp::Mot, .mots = MotsMilieu,
        .lis = [](const Lecon& l) { return mot(MotsMilieu, l.choix.milieu); },
        .ecris = [](Lecon& l, const V& v) { l.choix.milieu = choixDe<EtatMilieu>(MotsMilieu, v); },
        .sens = "gas or solid"},
    ChampLecon{.nom = "amortissement", .genre = GenreChamp::Booleen,
        .lis = [](const Lecon& l) { return V(l.choix.amortissement); },
        .ecris = [](Lecon& l, const V& v) { l.choix.amortissement = std::get<bool>(v); },
        .sens = "damping simulated"},
    ChampLecon{.nom = "frequence", .genre = GenreChamp::Entier, .min = FrequenceMin, .max = FrequenceMax,
        .lis = [](const Lecon& l) { return V(double(l.choix.frequence)); },
        .ecris = [](Lecon& l, const V& v) { l.choix.frequence = int16_t(nombre(v)); },
        .unite = "0.1 Hz", .sens = "the vibrator's frequency: 18 is 1.8 Hz"},
    ChampLecon{.nom = "vitesse", .genre = GenreChamp::Entier, .min = VitesseMin, .max = VitesseMax,
        .lis = [](const Lecon& l) { return V(double(l.choix.vitesse)); },
        .ecris = [](Lecon& l, const V& v) { l.choix.vitesse = int16_t(nombre(v)); },
        .unite = "5 cm/s", .sens = "the speed of propagation: 3 is 15 cm/s"},
    ChampLecon{.nom = "amplitude", .genre = GenreChamp::Entier, .min = 0,
        .max = double(62.5 * VitesseMax / FrequenceMin),
        .lis = [](const Lecon& l) { return V(double(l.choix.amplitude)); },
        .ecris = [](Lecon& l, const V& v) { l.choix.amplitude = int16_t(nombre(v)); },
        .unite = "0.1 cm, or 0.01 cm with a boundary",
        .sens = "the periodic vibration's amplitude; at most the nearest whole number to "
                "62.5 × `vitesse` / `frequence`"},
    ChampLecon{.nom = "amplitudeSoliton", .genre = GenreChamp::Entier, .min = 0, .max = AmplitudeSolitonMax,
        .lis = [](const Lecon& l) { return V(double(l.choix.amplitudeSoliton)); },
        .ecris = [](Lecon& l, const V& v) { l.choix.amplitudeSoliton = int16_t(nombre(v)); },
        .unite = "0.1 cm", .sens = "the pulses' amplitude"},
    ChampLecon{.nom = "typeSoliton", .genre = GenreChamp::Entier, .min = 1, .max = 3,
        .lis = [](const Lecon& l) { return V(double(l.typeSoliton)); },
        .ecris = [](Lecon& l, const V& v) { l.typeSoliton = int16_t(nombre(v)); },
        .sens = "the last pulse's width: 1 short, 2 medium, 3 long"},
    ChampLecon{.nom = "trancheColoree", .genre = GenreChamp::Entier, .min = 3, .max = 47, .zeroAussi = true,
        .lis = [](const Lecon& l) { return V(double(l.trancheColoree)); },
        .ecris = [](Lecon& l, const V& v) { l.trancheColoree = int16_t(nombre(v)); },
        .unite = "slice", .sens = "centre of the five green slices; 0 for none"},
    ChampLecon{.nom = "capteur1", .genre = GenreChamp::Booleen,
        .lis = [](const Lecon& l) { return V(l.choix.capteurs[0].actif); },
        .ecris = [](Lecon& l, const V& v) { capteur(l, 1).actif = std::get<bool>(v); },
        .sens = "sensor 1 on"},
    ChampLecon{.nom = "capteur1X", .genre = GenreChamp::Reel, .min = 0, .max = ModeleLargeur,
        .lis = [](const Lecon& l) { return V(l.choix.capteurs[0].x); },
        .ecris = [](Lecon& l, const V& v) { capteur(l, 1).x = nombre(v); },
        .unite = "cm", .sens = "left edge of sensor 1's marker on the model, where it reads"},
    ChampLecon{.nom = "capteur1Y", .genre = GenreChamp::Reel, .min = 0, .max = ModeleHauteur,
        .lis = [](const Lecon& l) { return V(l.choix.capteurs[0].y); },
        .ecris = [](Lecon& l, const V& v) { capteur(l, 1).y = nombre(v); },
        .unite = "cm", .sens = "top edge of sensor 1's marker"},
    ChampLecon{.nom = "capteur2", .genre = GenreChamp::Booleen,
        .lis = [](const Lecon& l) { return V(l.choix.capteurs[1].actif); },
        .ecris = [](Lecon& l, const V& v) { capteur(l, 2).actif = std::get<bool>(v); },
        .sens = "sensor 2 on"},
    ChampLecon{.nom = "capteur2X", .genre = GenreChamp::Reel, .min = 0, .max = ModeleLargeur,
        .lis = [](const Lecon& l) { return V(l.choix.capteurs[1].x); },
        .ecris = [](Lecon& l, const V& v) { capteur(l, 2).x = nombre(v); },
        .unite = "cm", .sens = "left edge of sensor 2's marker"},
    ChampLecon{.nom = "capteur2Y", .genre = GenreChamp::Reel, .min = 0, .max = ModeleHauteur,
        .lis = [](const Lecon& l) { return V(l.choix.capteurs[1].y); },
        .ecris = [](Lecon& l, const V& v) { capteur(l, 2).y = nombre(v); },
        .unite = "cm", .sens = "top edge of sensor 2's marker"},
    ChampLecon{.nom = "baseTemps", .genre = GenreChamp::Entier, .min = 200, .max = 2000,
        .valeurs = ValeursBaseTemps,
        .lis = [](const Lecon& l) { return V(BasesTemps[std::size_t(l.choix.indexBaseTemps)]); },
        .ecris = [](Lecon& l, const V& v) {
            l.choix.indexBaseTemps = int16_t(std::ranges::find(BasesTemps, nombre(v)) - BasesTemps.begin());
        },
        .unite = "ms per division", .sens = "the oscilloscope's time base"},
    ChampLecon{.nom = "vibreurOuvert", .genre = GenreChamp::Booleen,
        .lis = [](const Lecon& l) { return V(l.choix.vibreurOuvert); },
        .ecris = [](Lecon& l, const V& v) { l.choix.vibreurOuvert = std::get<bool>(v); },
        .sens = "the vibrator's panel open"},
    ChampLecon{.nom = "modeleOuvert", .genre = GenreChamp::Booleen,
        .lis = [](const Lecon& l) { return V(l.choix.modeleOuvert); },
        .ecris = [](Lecon& l, const V& v) { l.choix.modeleOuvert = std::get<bool>(v); },
        .sens = "the model's panel open"},
    ChampLecon{.nom = "oscilloscopeOuvert", .genre = GenreChamp::Booleen,
        .lis = [](const Lecon& l) { return V(l.choix.oscilloscopeOuvert); },
        .ecris = [](Lecon& l, const V& v) { l.choix.oscilloscopeOuvert = std::get<bool>(v); },
        .sens = "the oscilloscope's panel open; only with the model's"},
    ChampLecon{.nom = "ralenti", .genre = GenreChamp::Entier, .min = 1, .max = 10,
        .valeurs = ValeursRalenti,
        .lis = [](const Lecon& l) { return V(double(l.choix.diviseurTemps)); },
        .ecris = [](Lecon& l, const V& v) { l.choix.diviseurTemps = int(nombre(v)); },
        .sens = "slow motion: time runs at 1/`ralenti` of real time"},
    ChampLecon{.nom = "curseurs", .genre = GenreChamp::Booleen,
        .lis = [](const Lecon& l) { return V(l.choix.curseurs.visibles); },
        .ecris = [](Lecon& l, const V& v) { l.choix.curseurs.visibles = std::get<bool>(v); },
        .sens = "the oscilloscope's measuring cursors shown"},
    ChampLecon{.nom = "curseurTemps1", .genre = GenreChamp::Reel, .min = 0, .max = CurseurTempsMax,
        .lis = [](const Lecon& l) { return V(l.choix.curseurs.temps[0]); },
        .ecris = [](Lecon& l, const V& v) { l.choix.curseurs.temps[0] = nombre(v); },
        .unite = "division", .sens = "first time cursor, from the screen's left edge"},
    ChampLecon{.nom = "curseurTemps2", .genre = GenreChamp::Reel, .min = 0, .max = CurseurTempsMax,
        .lis = [](const Lecon& l) { return V(l.choix.curseurs.temps[1]); },
        .ecris = [](Lecon& l, const V& v) { l.choix.curseurs.temps[1] = nombre(v); },
        .unite = "division", .sens = "second time cursor"},
    ChampLecon{.nom = "curseurNiveau1", .genre = GenreChamp::Reel, .min = 0, .max = CurseurNiveauMax,
        .lis = [](const Lecon& l) { return V(l.choix.curseurs.niveaux[0]); },
        .ecris = [](Lecon& l, const V& v) { l.choix.curseurs.niveaux[0] = nombre(v); },
        .unite = "division", .sens = "first level cursor, from the screen's top edge (3 is rest)"},
    ChampLecon{.nom = "curseurNiveau2", .genre = GenreChamp::Reel, .min = 0, .max = CurseurNiveauMax,
        .lis = [](const Lecon& l) { return V(l.choix.curseurs.niveaux[1]); },
        .ecris = [](Lecon& l, const V& v) { l.choix.curseurs.niveaux[1] = nombre(v); },
        .unite = "division", .sens = "second level cursor"},
};
// clang-format on

/// Characters as a reader counts them: UTF-8 bytes that begin one.
std::size_t caracteres(const std::string& texte) {
    return std::size_t(std::ranges::count_if(
        texte, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string ecrit(double x) {
    std::array<char, 32> tampon{};
    const auto fin = std::to_chars(tampon.data(), tampon.data() + tampon.size(), x).ptr;
    return std::string(tampon.data(), fin);
}

} // namespace

std::span<const ChampLecon> ChampsLecon() {
    return Champs;
}

const ChampLecon* ChampLeconNomme(std::string_view nom) {
    const auto it = std::ranges::find(Champs, nom, &ChampLecon::nom);
    return it == Champs.end() ? nullptr : &*it;
}

Ecart VerifieChamp(const ChampLecon& c, const ValeurChamp& v) {
    switch (c.genre) {
    case GenreChamp::Booleen:
        return std::holds_alternative<bool>(v) ? Ecart::Aucun : Ecart::Genre;
    case GenreChamp::Texte:
        if (!std::holds_alternative<std::string>(v))
            return Ecart::Genre;
        return caracteres(std::get<std::string>(v)) <= c.longueurMax ? Ecart::Aucun : Ecart::Valeur;
    case GenreChamp::Mot:
        if (!std::holds_alternative<std::string>(v))
            return Ecart::Genre;
        return std::ranges::find(c.mots, std::string_view(std::get<std::string>(v))) != c.mots.end()
                   ? Ecart::Aucun
                   : Ecart::Valeur;
    case GenreChamp::Entier:
    case GenreChamp::Reel:
        break;
    }
    if (!std::holds_alternative<double>(v))
        return Ecart::Genre;
    const double x = nombre(v);
    if (!std::isfinite(x) || (c.genre == GenreChamp::Entier && std::floor(x) != x))
        return Ecart::Genre;
    if (!c.valeurs.empty())
        return std::ranges::find(c.valeurs, x) != c.valeurs.end() ? Ecart::Aucun : Ecart::Valeur;
    const bool dedans = (x >= c.min && x <= c.max) || (c.zeroAussi && x == 0);
    return dedans ? Ecart::Aucun : Ecart::Valeur;
}

int16_t AmplitudePermise(int16_t frequence, int16_t vitesse) {
    return AmplitudeMax(CeleritePour(vitesse), FreqPour(frequence));
}

Contrainte VerifieEnsemble(const Lecon& l) {
    const ValeursChoix& c = l.choix;
    if (c.vibration == Vibration::Solitaire && c.bord != Bord::Progressive)
        return Contrainte::BordAvecSoliton;
    if (c.amplitude > AmplitudePermise(c.frequence, c.vitesse))
        return Contrainte::AmplitudeTropGrande;
    if (c.oscilloscopeOuvert && !c.modeleOuvert)
        return Contrainte::OscilloscopeSansModele;
    return Contrainte::Aucune;
}

void CompleteLecon(Lecon& l) {
    l.choix.amplitudeMax = AmplitudePermise(l.choix.frequence, l.choix.vitesse);
    l.choix.ecouteAuCapteur = false;
}

std::string LigneDocumentation(const ChampLecon& c) {
    std::string permis;
    auto liste = [&permis](const auto& elements, auto&& texte) {
        for (const auto& e : elements)
            permis += (permis.empty() ? "" : ", ") + texte(e);
    };
    std::string genre;
    switch (c.genre) {
    case GenreChamp::Entier:
    case GenreChamp::Reel:
        genre = c.genre == GenreChamp::Entier ? "integer" : "number";
        if (!c.valeurs.empty())
            liste(c.valeurs, ecrit);
        else
            permis = (c.zeroAussi ? "0, or " : "") + ecrit(c.min) + " to " + ecrit(c.max);
        break;
    case GenreChamp::Booleen:
        genre = "boolean";
        permis = "`true`, `false`";
        break;
    case GenreChamp::Texte:
        genre = "text";
        permis = "up to " + std::to_string(c.longueurMax) + " characters";
        break;
    case GenreChamp::Mot:
        genre = "text";
        liste(c.mots, [](std::string_view m) { return "`" + std::string(m) + "`"; });
        break;
    }
    return "| `" + std::string(c.nom) + "` | " + genre + " | " + permis + " | " +
           std::string(c.unite) + " | " + std::string(c.sens) + " |";
}

} // namespace vibralume
