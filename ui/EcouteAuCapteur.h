#pragma once
// A second way of listening: the same tone, its loudness following the
// pressure's swing where sensor 1 stands, so that nodes and antinodes are
// found by ear. Applied at the output only; the tone file is not touched.

#include <QObject>
#include <functional>

namespace vibralume {

class OS;
class Son;

class EcouteAuCapteur : public QObject {
    Q_OBJECT
public:
    /// `son` is the window's; `facteurChange` hears of every new loudness.
    EcouteAuCapteur(OS& os, Son& son);

    bool actif() const { return actif_; }
    /// The loudness applied on top of the volume: 1 while this way is off.
    double facteur() const { return actif_ ? facteur_ : 1; }
    /// On: listening starts (through the listen button while the periodic
    /// vibration is shown, by itself for the pulses) and follows sensor 1.
    /// Off: back to how it was.
    void bascule();

signals:
    void facteurChange(double facteur);
    void basculee(bool actif);

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void suit();
    void arrete();

    OS& os_;
    Son& son_;
    bool actif_ = false;
    double facteur_ = 1;
    bool parLeBouton_ = false; ///< the listen button was pressed for it
    bool seul_ = false;        ///< the tone was started here, for the pulses
};

} // namespace vibralume
