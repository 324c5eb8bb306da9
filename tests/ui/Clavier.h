#pragma once
// The main window with its keyboard on a test bench.

#include "Banc.h"
#include "ui/classe/ComplementsOS.h"
#include "ui/classe/ZoomOS.h"
#include "ui/simulation/PanneauMesures.h"

namespace vibralume {

// The window with its keyboard, active, the model and the oscilloscope open.
struct Clavier : Banc {
    double gain = -1;
    ComplementsOS complements{*os, DemarrageOS{}, [this](double g) { gain = g; }, nullptr};
    Clavier() {
        // 100 %, whatever the test screen's size made the start zoom.
        complements.zoom().zoomNormal();
        QApplication::setActiveWindow(os.get());
        os->activateWindow();
        os->Timer1().start(1 << 30); // running, as far as the buttons can tell
        os->AfficheModeleMicro();
        os->mesures().AfficheOscilloscope();
    }
    QAbstractButton* option(const char* nom) const { return os->controle<QAbstractButton>(nom); }
    // The options as they stand, to see that a key ticked none of them.
    QList<bool> options() const {
        QList<bool> etats;
        for (QAbstractButton* b : os->findChildren<QAbstractButton*>())
            if (b->isCheckable())
                etats << b->isChecked();
        return etats;
    }
};

} // namespace vibralume
