#pragma once
// Slow motion for the lesson: time runs at 1, 1/2, 1/4 or 1/10 of real time,
// chosen in turn by a key or the background menu, shown in the window's title.

#include "model/ChoixEleve.h"

#include <QObject>
#include <QString>

namespace vibralume {

class HorlogeRalentie;

class Ralenti : public QObject {
    Q_OBJECT
public:
    /// Slows `horloge` (the main window's clock) and titles `fenetre`, as
    /// `choix` (the window's) holds the pace.
    Ralenti(QWidget& fenetre, HorlogeRalentie& horloge, ChoixEleve& choix);

    int diviseur() const { return choix_.valeurs().diviseurTemps; }
    /// The next fraction, back to real time after 1/10.
    void suivant();
    void choisit(int diviseur);
    /// "Vibralume", or "Vibralume — ralenti x1/4"; with a lesson open,
    /// "Vibralume — <its title>", and the pace after it.
    QString titre() const;
    /// The title of the lesson open (empty for none), in the window's title.
    void setLecon(const QString& titre);

signals:
    void change(int diviseur);

private:
    QWidget& fenetre_;
    HorlogeRalentie& horloge_;
    ChoixEleve& choix_;
    QString lecon_;
};

} // namespace vibralume
