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

    connect(c_.frequence, &QScrollBar::valueChanged, this, &OS::frequence_Change);
    for (QScrollBar* s : {c_.v, c_.Amplitude, c_.AmplitudeSoliton})
        connect(s, &QScrollBar::valueChanged, this, &OS::MajAffichage);
}

void OS::Timer1_Timer() {
    if (timer1_.isActive())
        AvanceTempsHorloge(m_, horloge_);
    EntreesTick e;
    e.progressive = c_.OndeProgressive->isChecked();
    e.periodique = !c_.OndePeriodique->isHidden();
    e.amortissement = c_.Amortissement->isChecked();
    e.gaz = c_.Gaz->isChecked();
    e.modeleVisible = !c_.ModeleMicro->isHidden();
    CalculeTranches(m_, e, alea_);
    DessineEtat(c_, m_);
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
    m_.TypeSoliton = type;
    MajAffichage();
    LanceSoliton(m_, horloge_);
}

void OS::Label11_Click() {
    Command5_Click();
    c_.OndePeriodique->hide();
    c_.OndeSolitaire->show();
    c_.OndeStationnaire->setEnabled(false);
    c_.OndeStationnaire2->setEnabled(false);
    c_.OndeProgressive->setChecked(true);
    MajAffichage();
    c_.Command4->setCursor(Qt::ForbiddenCursor);
}

void OS::Label31_Click() {
    c_.OndePeriodique->show();
    c_.OndeSolitaire->hide();
    c_.OndeStationnaire->setEnabled(true);
    c_.OndeStationnaire2->setEnabled(true);
    MajAffichage();
    c_.Command4->setCursor(curseurMain());
}

void OS::OndeProgressive_Click() {
    c_.Amplitude->setMaximum(20);
    MajAffichage();
    c_.VibreurOS->hide();
    c_.BordOuvert->hide();
    c_.BordFerme->hide();
}

void OS::OndeStationnaire_Click() {
    c_.Amplitude->setMaximum(50);
    MajAffichage();
    c_.BordOuvert->show();
    c_.BordFerme->hide();
    c_.VibreurOS->show();
    AnnuleElongations(m_);
}

void OS::OndeStationnaire2_Click() {
    c_.BordOuvert->hide();
    c_.BordFerme->show();
    c_.Amplitude->setMaximum(50);
    MajAffichage();
    c_.VibreurOS->show();
    AnnuleElongations(m_);
}

void OS::Command4_Click() {
    if (!c_.OndeSolitaire->isHidden())
        return;
    m_.SonActif = true;
    son_.JoueSon();
    c_.Command4->hide();
    c_.Command5->show();
}

void OS::Command5_Click() {
    m_.SonActif = false;
    son_.ArreteSon();
    c_.Command4->show();
    c_.Command5->hide();
}

void OS::frequence_Change() {
    c_.Label2->setText(
        tr("fréquence : %1Hz")
            .arg(QString::fromStdString(NombreFrequenceDefilee(int16_t(c_.frequence->value())))));
    MajAffichage();
}

void OS::AfficheModeleMicro() {
    c_.ModeleMicro->show();
    c_.Command3->show();
    const bool enMarche = timer1_.isActive();
    c_.Command2->setVisible(!enMarche);
    c_.Command1->setVisible(enMarche);
    c_.Label13->show();
    c_.Label14->show();
    c_.Picture4->hide();
    c_.Picture2->show();
    if (!c_.OndeProgressive->isChecked())
        c_.VibreurOS->show();
    if (c_.OndeStationnaire->isChecked())
        c_.BordOuvert->show();
    if (c_.OndeStationnaire2->isChecked())
        c_.BordFerme->show();
}

} // namespace vibralume
