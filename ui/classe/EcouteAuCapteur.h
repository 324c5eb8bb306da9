#pragma once
// A second way of listening: the same tone, its loudness following the
// pressure's swing where sensor 1 stands, so that nodes and antinodes are
// found by ear. Applied at the output only; the tone file is not touched.
//
// It never disagrees with the listen button: it plays through the window's
// own listening (SonActif, the stop picture shown), for the pulses too, and
// it ends the moment that listening ends, whoever ends it.

#include <QObject>

namespace vibralume {

class OS;
class Son;

class EcouteAuCapteur : public QObject {
    Q_OBJECT
public:
    /// `son` is the window's.
    EcouteAuCapteur(OS& os, Son& son);

    /// As the window's choices have it.
    bool actif() const;
    /// The loudness applied on top of the volume: 1 while this way is off.
    double facteur() const { return actif() ? facteur_ : 1; }
    /// On: listening starts if it was off and follows sensor 1; refused
    /// while sensor 1 is off. Off: back to how it was before.
    void bascule();

signals:
    void facteurChange(double facteur);
    void basculee(bool actif);
    /// Asked for while sensor 1 is off.
    void refusee();

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void suit();
    /// Ends this way; `arreteSon` stops the tone too.
    void arrete(bool arreteSon);

    OS& os_;
    Son& son_;
    /// What was last told through `basculee`: the window's choices may end
    /// this way first (listening stopped), and it is told here afterwards.
    bool annonce_ = false;
    double facteur_ = 1;
    bool demarreIci_ = false; ///< listening was off when this way began
};

} // namespace vibralume
