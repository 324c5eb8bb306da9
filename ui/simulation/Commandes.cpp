// The tick, and the handlers that run, pause and step the simulation, launch
// pulses and choose the wave, the boundary, the medium and the parameters.

#include "assets/Ressources.h"
#include "model/Demarrage.h"
#include "model/Legendes.h"
#include "model/Marche.h"
#include "model/Tick.h"
#include "ui/simulation/DessinEtat.h"
#include "ui/simulation/OS.h"
#include "ui/simulation/PanneauMesures.h"
#include "views/ConteneurEnonce.h"
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
    connect(c_.Command1, &ImageControle::clicked, this, &OS::Command1_Click);
    connect(c_.Command2, &ImageControle::clicked, this, &OS::Command2_Click);
    connect(c_.Command3, &ImageControle::clicked, this, &OS::Command3_Click);
    connect(c_.SolitonCourt, &QPushButton::clicked, this, [this] { Soliton_Click(1); });
    connect(c_.SolitonMoyen, &QPushButton::clicked, this, [this] { Soliton_Click(2); });
    connect(c_.SolitonLong, &QPushButton::clicked, this, [this] { Soliton_Click(3); });
    connect(c_.Label11, &Etiquette::clicked, this, &OS::Label11_Click);
    connect(c_.Label31, &Etiquette::clicked, this, &OS::Label31_Click);
    connect(c_.Command4, &PictureBox::clicked, this, &OS::Command4_Click);
    connect(c_.Image5, &ImageControle::clicked, this, &OS::Command4_Click);
    connect(c_.Command5, &PictureBox::clicked, this, &OS::Command5_Click);
    connect(c_.Image6, &ImageControle::clicked, this, &OS::Command5_Click);
    connect(c_.Label15, &Etiquette::clicked, this, &OS::AfficheModeleMicro);
    connect(c_.Picture3, &PictureBox::clicked, this, &OS::AfficheModeleMicro);
    connect(c_.EnonceModele, &ConteneurEnonce::doubleClicked, this, &OS::EnonceModele_DblClick);

    // An option's click handler runs when it becomes selected.
    auto choisi = [this](QRadioButton* o, void (OS::*handler)()) {
        connect(o, &QRadioButton::toggled, this, [this, handler](bool oui) {
            if (oui)
                (this->*handler)();
        });
    };
    choisi(c_.OndeProgressive, &OS::OndeProgressive_Click);
    choisi(c_.OndeStationnaire, &OS::OndeStationnaire_Click);
    choisi(c_.OndeStationnaire2, &OS::OndeStationnaire2_Click);

    // A bar's value is the pupil's choice as it arrives; the refresh reads
    // the choices, never the bars.
    connect(c_.frequence, &QScrollBar::valueChanged, this, &OS::frequence_Change);
    auto barre = [this](QScrollBar* s, void (ChoixEleve::*choisit)(int16_t)) {
        connect(s, &QScrollBar::valueChanged, this, [this, choisit](int valeur) {
            (choix_.*choisit)(int16_t(valeur));
            MajAffichage();
        });
    };
    barre(c_.v, &ChoixEleve::vitesse);
    barre(c_.Amplitude, &ChoixEleve::amplitude);
    barre(c_.AmplitudeSoliton, &ChoixEleve::amplitudeSoliton);
    connect(c_.Amortissement, &QCheckBox::toggled, this,
            [this](bool oui) { choix_.amortissement(oui); });
    connect(c_.Gaz, &QRadioButton::toggled, this,
            [this](bool oui) { choix_.milieu(oui ? EtatMilieu::Gaz : EtatMilieu::Solide); });
}

void OS::Timer1_Timer() {
    if (timer1_.isActive())
        AvanceTempsHorloge(m_, horloge_);
    CalculeTranches(m_, choix_.entreesTick(), alea_);
    DessineEtat(c_, m_, choix_.valeurs());
    mesures_->Capteurs();
}

void OS::Command1_Click() {
    timer1_.stop();
    Pause(m_);
    c_.Command1->hide();
    c_.Command2->show();
}

void OS::Command2_Click() {
    Reprise(m_, horloge_);
    timer1_.start();
    c_.Command2->hide();
    c_.Command1->show();
}

void OS::Command3_Click() {
    if (timer1_.isActive())
        Command1_Click();
    PasAPas(m_);
    Timer1_Timer();
}

void OS::Soliton_Click(int16_t type) {
    choix_.typeSoliton(type);
    MajAffichage();
    LanceSoliton(m_, horloge_);
}

void OS::Label11_Click() {
    Command5_Click();
    choix_.vibration(Vibration::Solitaire);
    c_.OndePeriodique->hide();
    c_.OndeSolitaire->show();
    c_.OndeStationnaire->setEnabled(false);
    c_.OndeStationnaire2->setEnabled(false);
    c_.OndeProgressive->setChecked(true);
    MajAffichage();
    c_.Command4->setCursor(Qt::ForbiddenCursor);
}

void OS::Label31_Click() {
    choix_.vibration(Vibration::Periodique);
    c_.OndePeriodique->show();
    c_.OndeSolitaire->hide();
    c_.OndeStationnaire->setEnabled(true);
    c_.OndeStationnaire2->setEnabled(true);
    MajAffichage();
    c_.Command4->setCursor(curseurMain());
}

void OS::OndeProgressive_Click() {
    choix_.bord(Bord::Progressive);
    c_.Amplitude->setMaximum(choix_.valeurs().amplitudeMax);
    MajAffichage();
    c_.VibreurOS->hide();
    c_.BordOuvert->hide();
    c_.BordFerme->hide();
}

void OS::OndeStationnaire_Click() {
    choix_.bord(Bord::OuvertOuvert);
    c_.Amplitude->setMaximum(choix_.valeurs().amplitudeMax);
    MajAffichage();
    c_.BordOuvert->show();
    c_.BordFerme->hide();
    c_.VibreurOS->show();
    AnnuleElongations(m_);
}

void OS::OndeStationnaire2_Click() {
    c_.BordOuvert->hide();
    c_.BordFerme->show();
    choix_.bord(Bord::OuvertFerme);
    c_.Amplitude->setMaximum(choix_.valeurs().amplitudeMax);
    MajAffichage();
    c_.VibreurOS->show();
    AnnuleElongations(m_);
}

void OS::Command4_Click() {
    if (choix_.solitaire())
        return;
    choix_.son(true);
    son_.JoueSon();
    c_.Command4->hide();
    c_.Command5->show();
}

void OS::Command5_Click() {
    choix_.son(false);
    son_.ArreteSon();
    c_.Command4->show();
    c_.Command5->hide();
}

void OS::frequence_Change() {
    choix_.frequence(int16_t(c_.frequence->value()));
    c_.Label2->setText(
        tr("fréquence : %1Hz")
            .arg(QString::fromStdString(NombreFrequenceDefilee(choix_.valeurs().frequence))));
    MajAffichage();
}

void OS::AfficheModeleMicro() {
    choix_.modele(true);
    c_.ModeleMicro->show();
    c_.Command3->show();
    const bool enMarche = timer1_.isActive();
    c_.Command2->setVisible(!enMarche);
    c_.Command1->setVisible(enMarche);
    c_.Label13->show();
    c_.Label14->show();
    c_.Picture4->hide();
    c_.Picture2->show();
    const Bord bord = choix_.valeurs().bord;
    if (bord != Bord::Progressive)
        c_.VibreurOS->show();
    if (bord == Bord::OuvertOuvert)
        c_.BordOuvert->show();
    if (bord == Bord::OuvertFerme)
        c_.BordFerme->show();
}

} // namespace vibralume
