#pragma once
// The main simulation window: its controls, laid out from its table, and the
// handlers that run the simulation, refresh the parameters and open panels.

#include "model/Horloge.h"
#include "model/Module1.h"
#include "ui/Construction.h"

#include <QHash>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <type_traits>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QRadioButton;
class QScrollBar;

namespace vibralume {

class PictureBox;
class Trait;
class VisionneuseEnonce;

/// What the window needs of the sound: a looping tone and its stop.
class Son {
public:
    virtual ~Son() = default;
    virtual void JoueSon() = 0;
    virtual void ArreteSon() = 0;
};

class OS : public QWidget {
    Q_OBJECT
public:
    /// Builds the window and runs its start-up; the state, the clock, the
    /// generator and the sound belong to the caller and outlive the window.
    OS(Module1& m, Horloge& horloge, Aleatoire& alea, Son& son, QWidget* parent = nullptr);
    ~OS() override;

    /// A control by its name in the program ("ModeleMicro", "Sens_2", ...).
    QWidget* controle(const QString& nom) const { return controles_.value(nom); }
    template <class T> T* controle(const QString& nom) const {
        return qobject_cast<T*>(controles_.value(nom));
    }
    QTimer& Timer1() { return timer1_; }
    Module1& etat() { return m_; }

    // Procedures other parts of the window call.
    void MajAffichage();
    void Timer1_Timer();
    void DessineRegle();
    void DessineVibreur(double x);
    void AfficheQuadrillage();

protected:
    void closeEvent(QCloseEvent*) override;

private:
    void Form_Load();
    void relieControles();

    // Run and parameter controls.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Soliton_Click(int16_t type);
    void Label11_Click();
    void Label31_Click();
    void OndeProgressive_Click();
    void OndeStationnaire_Click();
    void OndeStationnaire2_Click();
    void frequence_Change();
    void Command4_Click();
    void Command5_Click();
    void AfficheModeleMicro();

    /// Wires a control's click to a handler of this window or to any action.
    template <class F> void clic(const char* nom, F action);

    bool visible(const char* nom) const;
    void montre(const char* nom, bool oui);

    Module1& m_;
    Horloge& horloge_;
    Aleatoire& alea_;
    Son& son_;
    QHash<QString, QWidget*> controles_;
    QTimer timer1_;

    // The controls the handlers use most.
    PictureBox* ModeleMicro_;
    PictureBox* VibreurOS_;
    PictureBox* Vibreur_;
    PictureBox* Regle_;
    PictureBox* Oscillo_;
    QScrollBar* frequence_;
    QScrollBar* v_;
    QScrollBar* Amplitude_;
    QScrollBar* AmplitudeSoliton_;
    QRadioButton* OndeProgressive_;
    QRadioButton* OndeStationnaire_;
    QRadioButton* OndeStationnaire2_;
    QRadioButton* Gaz_;
    QCheckBox* Amortissement_;
    Trait* Vib0_;
    Trait* Vib_AmplG_;
    Trait* Vib_AmplD_;

private:
    // Oscilloscope, panels and sensors (ui/Mesures.cpp).
    class Glissement;
    void relieMesures();
    void Sens_Click(int16_t Index);
    void AfficheOscilloscope();
    void CacheOscillo_Click();
    void Capteurs();
    void TraceCapteur(int16_t n);
    /// A sensor's abscissa: its marker's left edge in the model's centimetres.
    float abscisseCapteur(const QWidget* marqueur) const;
    void CacheVibreur_Click();
    void AfficheVibreur();
    void CacherModeleMicro_Click();
    void ActiveCapteur(int16_t n);
    void DesactiveCapteur(int16_t n);
    void capteur_Click(int16_t n);
    void Micro_MouseDown(QLabel* marqueur, QPoint prise);
    void ModeleMicro_DragOver(QWidget* Source, double X, double Y);
    void ModeleMicro_DragDrop(QWidget* Source, double X, double Y);
    void ModeleMicro_MouseUp(Qt::MouseButton bouton, double X, double Y);

    QLabel* Micro1_ = nullptr;
    QLabel* Micro2_ = nullptr;
    Glissement* glissement_ = nullptr;

private:
    // The statement of the model.
    /// Opens the statement in its own window, or brings the open one forward.
    void EnonceModele_DblClick();
    QPointer<VisionneuseEnonce> visionneuse_;
};

template <class F> void OS::clic(const char* nom, F action) {
    QWidget* w = controle(QString::fromLatin1(nom));
    if constexpr (std::is_member_function_pointer_v<F>)
        surClic(w, this, [this, action] { (this->*action)(); });
    else
        surClic(w, this, action);
}

} // namespace vibralume
