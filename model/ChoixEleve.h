#pragma once
// What a pupil or a teacher has set, in one place: the vibration and its
// parameters as their scroll bars hold them, the boundary, the medium, the
// sensors and where they stand, the green group, the time base, the panels
// open, the pace of time and the listening. The window's controls show it;
// the tick, the refresh, the graphs, the export and the listening read it.
//
// The choices the simulation's state already names (`TypeSoliton`,
// `TrancheColoree`, `BaseTemps`, `SonActif`) stay in Module1 under those
// names, where the tick and the sound read them; the functions below are
// the only ones that write them.

#include "model/Module1.h"
#include "model/Parametres.h"
#include "model/Tick.h"

#include <array>
#include <cstdint>

namespace vibralume {

enum class Vibration { Periodique, Solitaire };
enum class EtatMilieu { Gaz, Solide };

/// A pressure sensor: on or off, and where its marker's top-left corner
/// stands in the model's centimetres (it reads at its left edge).
struct Capteur {
    bool actif = false;
    double x = 0;
    double y = 0;

    bool operator==(const Capteur&) const = default;
};

/// Milliseconds per division of the five time bases, by `Sens` index.
inline constexpr std::array<double, 5> BasesTemps{200, 500, 1000, 1500, 2000};

/// The fractions of real time the simulation may run at, the first being real time.
inline constexpr std::array<int, 4> DiviseursTemps{1, 2, 4, 10};

/// Ranges of the scroll-bar values, as the window's bars have them.
inline constexpr int16_t FrequenceMin = 1, FrequenceMax = 40;
inline constexpr int16_t VitesseMin = 1, VitesseMax = 8;
inline constexpr int16_t AmplitudeSolitonMax = 50;
/// The amplitude's cap chosen by the boundary, before the refresh lowers it.
inline constexpr int16_t AmplitudeMaxProgressive = 20, AmplitudeMaxStationnaire = 50;

/// The oscilloscope's measuring cursors, in the screen's divisions: the
/// times across from the sweep's start, the levels down from the top edge
/// (3 is the rest level, smaller levels higher, as the traces have them).
struct CurseursMesure {
    bool visibles = false;
    std::array<double, 2> temps{3.0, 5.0};
    std::array<double, 2> niveaux{2.0, 4.0};

    bool operator==(const CurseursMesure&) const = default;
};

/// Where the cursors may stand: the grid's ten divisions across, six down.
inline constexpr double CurseurTempsMax = 10.0, CurseurNiveauMax = 6.0;

struct ValeursChoix {
    Vibration vibration = Vibration::Periodique;
    Bord bord = Bord::Progressive;
    bool amortissement = false;
    EtatMilieu milieu = EtatMilieu::Gaz;
    int16_t frequence = 18; ///< tenths of a hertz
    int16_t vitesse = 3;    ///< fifths of the speed in cm/s
    int16_t amplitude = 10; ///< tenths (progressive) or hundredths (standing) of a cm
    int16_t amplitudeMax = AmplitudeMaxProgressive; ///< the amplitude's largest value now
    int16_t amplitudeSoliton = 25;                  ///< tenths of a cm
    /// Sensors 1 and 2; the places are the markers' until the window sets them.
    std::array<Capteur, 2> capteurs{Capteur{false, 8.467, 1.482}, Capteur{false, 19.473, 1.482}};
    int16_t indexBaseTemps = 0; ///< in BasesTemps
    bool vibreurOuvert = true;
    bool modeleOuvert = false;
    bool oscilloscopeOuvert = false;
    int diviseurTemps = 1;        ///< one of DiviseursTemps
    bool ecouteAuCapteur = false; ///< the tone's loudness follows sensor 1
    CurseursMesure curseurs;

    bool operator==(const ValeursChoix&) const = default;
};

/// What one parameter refresh derived besides the state's own variables.
struct Derives {
    Marqueurs marques;        ///< where the amplitude markers stand
    int16_t amplitudeMax = 0; ///< the amplitude's cap, an eighth of a wavelength
};

/// The pupil's choices and the state variables that follow them.
class ChoixEleve {
public:
    /// `m` is the simulation's state, whose `TypeSoliton`, `TrancheColoree`,
    /// `BaseTemps` and `SonActif` these choices keep.
    explicit ChoixEleve(Module1& m) : m_(m) {}

    const ValeursChoix& valeurs() const { return c_; }
    bool solitaire() const { return c_.vibration == Vibration::Solitaire; }
    bool ecoute() const { return m_.SonActif; }
    /// Sensor n (1 or 2).
    const Capteur& capteur(int n) const { return c_.capteurs[std::size_t(n == 2)]; }

    /// The pulses travel on the medium with no boundary: choosing them
    /// brings the boundary back to none.
    void vibration(Vibration v);
    /// Sets the amplitude's cap too, as the boundary allows it.
    void bord(Bord b);
    void amortissement(bool oui) { c_.amortissement = oui; }
    void milieu(EtatMilieu e) { c_.milieu = e; }
    void frequence(int16_t valeur);
    void vitesse(int16_t valeur);
    /// Kept within 0 and the cap, as its scroll bar keeps it.
    void amplitude(int16_t valeur);
    /// A lower cap brings a larger amplitude down to it.
    void amplitudeMax(int16_t maximum);
    void amplitudeSoliton(int16_t valeur);
    /// 1 short, 2 medium, 3 long.
    void typeSoliton(int16_t type) { m_.TypeSoliton = type; }
    /// Sensor n (1 or 2) on or off; sensor 1 off ends listening at it.
    void capteur(int n, bool actif);
    void placeCapteur(int n, double x, double y);
    /// Centre of the green group, 0 for none.
    void trancheColoree(int16_t centre) { m_.TrancheColoree = centre; }
    /// Sets `BaseTemps` from the table; an index outside it changes nothing.
    void baseTemps(int16_t index);
    void vibreur(bool ouvert) { c_.vibreurOuvert = ouvert; }
    /// Closing the model closes the oscilloscope, which lies over it.
    void modele(bool ouvert);
    void oscilloscope(bool ouvert) { c_.oscilloscopeOuvert = ouvert; }
    /// Ignored unless one of DiviseursTemps.
    void diviseurTemps(int d);
    /// Listening on or off; off ends listening at the sensor too.
    void son(bool actif);
    /// Listening at sensor 1: only while sensor 1 is on.
    void ecouteAuCapteur(bool oui);

    /// Each cursor kept on the grid.
    void curseurs(const CurseursMesure& c);

    /// What the tick reads.
    EntreesTick entreesTick() const;
    /// `DureeBalayage`, `Freq`, `Celerite`, `AmplVib` or `AmplSoliton`,
    /// `NbOnde` and `Resonance` from the choices, in the one order that keeps
    /// each right for those after it.
    Derives majParametres();

private:
    Module1& m_;
    ValeursChoix c_;
};

} // namespace vibralume
