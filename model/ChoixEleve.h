#pragma once
// What a pupil or a teacher has set, in one place: the vibration and its
// parameters as their scroll bars hold them, the boundary, the medium, the
// sensors and where they stand, the green group, the time base, the panels
// open, the pace of time and the listening. The window's controls show it;
// the tick, the refresh, the graphs, the export and the listening read it.
//
// The variables of the simulation's own state that are choices too
// (`TypeSoliton`, `TrancheColoree`, `BaseTemps`, `SonActif`) stay in
// Module1 under their names; the functions below keep them in step.

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
};

/// Milliseconds per division of the five time bases, by `Sens` index.
inline constexpr std::array<double, 5> BasesTemps{200, 500, 1000, 1500, 2000};

/// The fractions of real time the simulation may run at, the first being real time.
inline constexpr std::array<int, 4> DiviseursTemps{1, 2, 4, 10};

struct ChoixEleve {
    Vibration vibration = Vibration::Periodique;
    Bord bord = Bord::Progressive;
    bool amortissement = false;
    EtatMilieu milieu = EtatMilieu::Gaz;
    int16_t frequence = 18;        ///< tenths of a hertz, 1 to 40
    int16_t vitesse = 3;           ///< fifths of the speed in cm/s, 1 to 8
    int16_t amplitude = 10;        ///< tenths (progressive) or hundredths (standing) of a cm
    int16_t amplitudeMax = 20;     ///< the amplitude's largest value as things stand
    int16_t amplitudeSoliton = 25; ///< tenths of a cm, 0 to 50
    std::array<Capteur, 2> capteurs{Capteur{false, 8.467, 1.482}, Capteur{false, 19.473, 1.482}};
    int16_t indexBaseTemps = 0; ///< 0 to 4, in BasesTemps
    bool vibreurOuvert = true;
    bool modeleOuvert = false;
    bool oscilloscopeOuvert = false;
    bool enMarche = true;        ///< the timer runs
    int diviseurTemps = 1;       ///< in DiviseursTemps
    bool ecouteAuCapteur = false; ///< listening follows the pressure at sensor 1

    bool operator==(const ChoixEleve&) const = default;
};

/// The simulation's choices and the state variables that follow them.
class Choix {
public:
    /// `m` is the simulation's state, whose `TypeSoliton`, `TrancheColoree`,
    /// `BaseTemps` and `SonActif` these choices keep.
    explicit Choix(Module1& m) : m_(m) {}

    const ChoixEleve& valeurs() const { return c_; }
    const Module1& etat() const { return m_; }

    void vibration(Vibration v);
    void bord(Bord b);
    void amortissement(bool oui) { c_.amortissement = oui; }
    void milieu(EtatMilieu e) { c_.milieu = e; }
    void frequence(int16_t valeur) { c_.frequence = valeur; }
    void vitesse(int16_t valeur) { c_.vitesse = valeur; }
    /// Kept within 0 and the maximum, as its scroll bar keeps it.
    void amplitude(int16_t valeur);
    /// A new maximum brings a larger amplitude down to it.
    void amplitudeMax(int16_t maximum);
    void amplitudeSoliton(int16_t valeur) { c_.amplitudeSoliton = valeur; }
    /// 1 short, 2 medium, 3 long.
    void typeSoliton(int16_t type) { m_.TypeSoliton = type; }
    /// Sensor n (1 or 2).
    void capteur(int n, bool actif);
    void placeCapteur(int n, double x, double y);
    void trancheColoree(int16_t centre) { m_.TrancheColoree = centre; }
    /// Sets `BaseTemps` from the table; an index outside it changes nothing.
    void baseTemps(int16_t index);
    void vibreur(bool ouvert) { c_.vibreurOuvert = ouvert; }
    /// Closing the model closes the oscilloscope, which cannot stay open without it.
    void modele(bool ouvert);
    /// Opens only while the model is open.
    void oscilloscope(bool ouvert);
    void marche(bool oui) { c_.enMarche = oui; }
    void diviseurTemps(int d) { c_.diviseurTemps = d; }
    /// Listening on or off; off ends listening at the sensor too.
    void son(bool actif);
    /// Listening at sensor 1: only while listening and with sensor 1 on.
    void ecouteAuCapteur(bool oui);

    /// What the tick reads.
    EntreesTick entreesTick() const;
    /// Frequency (Hz), speed (cm/s), amplitudes, wave number, resonance and
    /// sweep duration of the state, from the choices, in the one order that
    /// keeps them consistent; returns where the amplitude markers stand.
    Marqueurs majParametres();

private:
    Module1& m_;
    ChoixEleve c_;
};

} // namespace vibralume
