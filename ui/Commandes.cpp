// The tick, and the handlers that run, pause and step the simulation, launch
// pulses and choose the wave, the boundary, the medium and the parameters.

#include "assets/Ressources.h"
#include "model/Demarrage.h"
#include "model/Legendes.h"
#include "model/Marche.h"
#include "model/Tick.h"
#include "ui/OS.h"
#include "views/Dessins.h"
#include "views/Etiquette.h"
#include "views/ImageControle.h"
#include "views/PictureBox.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace vibralume {

void OS::relieControles() {
    clic("Command1", &OS::Command1_Click);
    clic("Command2", &OS::Command2_Click);
    clic("Command3", &OS::Command3_Click);
    clic("SolitonCourt", [this] { Soliton_Click(1); });
    clic("SolitonMoyen", [this] { Soliton_Click(2); });
    clic("SolitonLong", [this] { Soliton_Click(3); });
    clic("Label11", &OS::Label11_Click);
    clic("Label31", &OS::Label31_Click);
    clic("Command4", &OS::Command4_Click);
    clic("Image5", &OS::Command4_Click);
    clic("Command5", &OS::Command5_Click);
    clic("Image6", &OS::Command5_Click);
    clic("Label15", &OS::AfficheModeleMicro);
    clic("Picture3", &OS::AfficheModeleMicro);

    // An option's click handler runs when it becomes selected.
    auto choisi = [this](QRadioButton* o, void (OS::*handler)()) {
        connect(o, &QRadioButton::toggled, this, [this, handler](bool oui) {
            if (oui)
                (this->*handler)();
        });
    };
    choisi(OndeProgressive_, &OS::OndeProgressive_Click);
    choisi(OndeStationnaire_, &OS::OndeStationnaire_Click);
    choisi(OndeStationnaire2_, &OS::OndeStationnaire2_Click);

    connect(frequence_, &QScrollBar::valueChanged, this, &OS::frequence_Change);
    for (QScrollBar* s : {v_, Amplitude_, AmplitudeSoliton_})
        connect(s, &QScrollBar::valueChanged, this, &OS::MajAffichage);
    relieMesures();
}

void OS::Timer1_Timer() {
    if (timer1_.isActive())
        AvanceTempsHorloge(m_, horloge_);
    EntreesTick e;
    e.progressive = OndeProgressive_->isChecked();
    e.periodique = visible("OndePeriodique");
    e.amortissement = Amortissement_->isChecked();
    e.gaz = Gaz_->isChecked();
    e.modeleVisible = visible("ModeleMicro");
    const double xVibreur = CalculeTranches(m_, e, alea_);
    if (e.modeleVisible) {
        if (e.progressive)
            DessineModeleProgressif(*ModeleMicro_, m_);
        else
            DessineModeleStationnaire(*ModeleMicro_, *VibreurOS_, m_);
    }
    if (visible("Vibreur")) {
        Vibreur_->Cls();
        DessineVibreur(xVibreur);
    }
    Capteurs();
}

void OS::Command1_Click() {
    timer1_.stop();
    Pause(m_);
    montre("Command1", false);
    montre("Command2", true);
}

void OS::Command2_Click() {
    Reprise(m_, horloge_);
    timer1_.start();
    montre("Command2", false);
    montre("Command1", true);
}

void OS::Command3_Click() {
    if (timer1_.isActive())
        Command1_Click();
    PasAPas(m_);
    Timer1_Timer();
}

void OS::Soliton_Click(int16_t type) {
    m_.TypeSoliton = type;
    MajAffichage();
    LanceSoliton(m_, horloge_);
}

void OS::Label11_Click() {
    Command5_Click();
    montre("OndePeriodique", false);
    montre("OndeSolitaire", true);
    OndeStationnaire_->setEnabled(false);
    OndeStationnaire2_->setEnabled(false);
    OndeProgressive_->setChecked(true);
    MajAffichage();
    controle("Command4")->setCursor(Qt::ForbiddenCursor);
}

void OS::Label31_Click() {
    montre("OndePeriodique", true);
    montre("OndeSolitaire", false);
    OndeStationnaire_->setEnabled(true);
    OndeStationnaire2_->setEnabled(true);
    MajAffichage();
    controle("Command4")->setCursor(curseurMain());
}

void OS::OndeProgressive_Click() {
    Amplitude_->setMaximum(20);
    MajAffichage();
    montre("VibreurOS", false);
    montre("BordOuvert", false);
    montre("BordFerme", false);
}

void OS::OndeStationnaire_Click() {
    Amplitude_->setMaximum(50);
    MajAffichage();
    montre("BordOuvert", true);
    montre("BordFerme", false);
    montre("VibreurOS", true);
    AnnuleElongations(m_);
}

void OS::OndeStationnaire2_Click() {
    montre("BordOuvert", false);
    montre("BordFerme", true);
    Amplitude_->setMaximum(50);
    MajAffichage();
    montre("VibreurOS", true);
    AnnuleElongations(m_);
}

void OS::Command4_Click() {
    if (visible("OndeSolitaire"))
        return;
    m_.SonActif = true;
    son_.JoueSon();
    montre("Command4", false);
    montre("Command5", true);
}

void OS::Command5_Click() {
    m_.SonActif = false;
    son_.ArreteSon();
    montre("Command4", true);
    montre("Command5", false);
}

void OS::frequence_Change() {
    static_cast<QLabel*>(controle("Label2"))
        ->setText(QString::fromStdString(LegendeFrequenceDefilee(int16_t(frequence_->value()))));
    MajAffichage();
}

void OS::AfficheModeleMicro() {
    montre("ModeleMicro", true);
    montre("Command3", true);
    const bool enMarche = timer1_.isActive();
    montre("Command2", !enMarche);
    montre("Command1", enMarche);
    montre("Label13", true);
    montre("Label14", true);
    montre("Picture4", false);
    montre("Picture2", true);
    if (!OndeProgressive_->isChecked())
        montre("VibreurOS", true);
    if (OndeStationnaire_->isChecked())
        montre("BordOuvert", true);
    if (OndeStationnaire2_->isChecked())
        montre("BordFerme", true);
}

} // namespace vibralume
