#pragma once
// The home page: the program's start-up window, with its animated band of
// dots, the credits and the button that opens the main window.

#include "model/Horloge.h"
#include "model/Module1.h"
#include "ui/miseenpage/ControlesConstruits.h"

#include <QTimer>
#include <QWidget>
#include <functional>

namespace vibralume {

class PictureBox;

class Accueil : public QWidget {
    Q_OBJECT
public:
    /// Builds, but does not show, the main window.
    using FabriqueOS = std::function<QWidget*()>;

    /// Builds the page at `zoom` (1 for 100 %) and starts its animation. The
    /// state and the generator belong to the caller; `fabrique` is called
    /// once, by the start button. The page deletes itself when it closes:
    /// create it with new.
    Accueil(Module1& m, Aleatoire& alea, FabriqueOS fabrique, QWidget* parent = nullptr,
            double zoom = 1);
    ~Accueil() override;

    /// A control by its name in the program ("Colonne", "Command1", ...).
    QWidget* controle(const QString& nom) const { return controles_.controle(nom); }
    template <class T> T* controle(const QString& nom) const {
        return qobject_cast<T*>(controles_.controle(nom));
    }
    QTimer& Timer1() { return timer1_; }

    /// One frame of the band, redrawn from scratch.
    void Timer1_Timer();
    /// One column of eleven dots scattered over the five units right of x.
    void tranche(const double& x);

protected:
    void closeEvent(QCloseEvent*) override;

private:
    void Form_Load();
    void Command1_Click();
    void Image1_Click();

    Module1& m_;
    Aleatoire& alea_;
    FabriqueOS fabrique_;
    ControlesConstruits controles_;
    QTimer timer1_;
    PictureBox* Colonne_;
};

} // namespace vibralume
