#pragma once
// Says when the listen control promises a tone that cannot be heard: no
// sound server, one that does not answer, or a tone file that could not be
// written. A small mark over the stop picture, its tooltip and its name for
// screen readers tell why; they go the moment the tone plays. The control
// itself keeps its picture and place.

#include "sound/EtatSortie.h"

#include <QObject>
#include <QTimer>

class QLabel;

namespace vibralume {

class Lecture;
class OS;
class Son;

class TemoinSon : public QObject {
    Q_OBJECT
public:
    /// `lecture` plays `son`'s tone for `os`.
    TemoinSon(OS& os, const Lecture& lecture, const Son& son);

    /// The listen control shows a tone playing, and none is heard.
    bool sansSon() const { return sansSon_; }
    /// Why, in the interface's language; empty while the tone is heard.
    QString raison() const;

    /// How long a connection may take before the control says there is no
    /// sound: a server answers in a few milliseconds, a hung one never.
    static constexpr int AttenteMs = 400;

signals:
    void sansSonChange(bool sansSon);

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void etatChange(EtatSortie etat);
    void evalue();
    void place();

    OS& os_;
    const Lecture& lecture_;
    const Son& son_;
    QLabel* marque_;
    QTimer attente_;
    bool rechercheLongue_ = false;
    bool sansSon_ = false;
};

} // namespace vibralume
