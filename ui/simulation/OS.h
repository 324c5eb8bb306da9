#pragma once
// The main simulation window: its controls, laid out from its table, the
// parameter refresh, the tick, and the handlers that run the simulation and
// set its parameters. The measuring side (oscilloscope, sensors, panels) is
// the PanneauMesures it owns.

#include "model/ChoixEleve.h"
#include "model/Horloge.h"
#include "model/Module1.h"
#include "sound/Son.h"
#include "ui/miseenpage/ControlesConstruits.h"
#include "ui/simulation/ControlesOS.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace vibralume {

class PanneauMesures;
class VisionneuseEnonce;

class OS : public QWidget {
    Q_OBJECT
public:
    /// Builds the window and runs its start-up; the state, the clock, the
    /// generator and the sound belong to the caller and outlive the window.
    /// Throws std::logic_error when the layout lacks a control the handlers use.
    OS(Module1& m, Horloge& horloge, Aleatoire& alea, Son& son, QWidget* parent = nullptr);
    ~OS() override;

    /// A control by its name in the program ("ModeleMicro", "Sens_2", ...),
    /// for tools and tests; the handlers use the typed controls().
    QWidget* controle(const QString& nom) const { return controles_.controle(nom); }
    template <class T> T* controle(const QString& nom) const {
        return qobject_cast<T*>(controles_.controle(nom));
    }
    const ControlesOS& controles() const { return c_; }
    /// Every control as built from the layout, for what lays the window out again.
    const ControlesConstruits& construits() const { return controles_; }
    PanneauMesures& mesures() { return *mesures_; }
    QTimer& Timer1() { return timer1_; }
    Module1& etat() { return m_; }
    /// What the pupil has set: the controls show it, everything else reads it.
    ChoixEleve& choix() { return choix_; }
    const ChoixEleve& choix() const { return choix_; }

    // Procedures other parts of the window call.
    void MajAffichage();
    void Timer1_Timer();
    void DessineRegle();

    // Run and parameter controls, under the names of their controls.
    void Command1_Click(); ///< pause
    void Command2_Click(); ///< run
    void Command3_Click(); ///< one step of 25 ms
    /// A pulse button: 1 short, 2 medium, 3 long.
    void Soliton_Click(int16_t type);
    void Label11_Click(); ///< the solitary vibration
    void Label31_Click(); ///< the periodic vibration
    void OndeProgressive_Click();
    void OndeStationnaire_Click();
    void OndeStationnaire2_Click();
    void frequence_Change();
    void Command4_Click(); ///< listen
    void Command5_Click(); ///< stop listening
    /// Opens the model panel.
    void AfficheModeleMicro();
    /// Opens the statement in its own window, or brings it back.
    void EnonceModele_DblClick();

protected:
    void closeEvent(QCloseEvent*) override;

private:
    void Form_Load();
    void relieControles();

    Module1& m_;
    ChoixEleve choix_{m_};
    Horloge& horloge_;
    Aleatoire& alea_;
    Son& son_;
    ControlesConstruits controles_;
    ControlesOS c_;
    QTimer timer1_;
    std::unique_ptr<PanneauMesures> mesures_;
    QPointer<VisionneuseEnonce> visionneuse_;
};

} // namespace vibralume
