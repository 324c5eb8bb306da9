#include "ui/OS.h"

#include "assets/Ressources.h"
#include "model/Demarrage.h"
#include "ui/Construction.h"
#include "ui/MiseEnPageOS.h"
#include "ui/VisionneuseEnonce.h"
#include "views/ConteneurEnonce.h"
#include "views/Dessins.h"
#include "views/Etiquette.h"
#include "views/ImageControle.h"
#include "views/PictureBox.h"
#include "views/Trait.h"
#include "views/Twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QPdfView>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

namespace vibralume {

OS::OS(Module1& m, Horloge& horloge, Aleatoire& alea, Son& son, QWidget* parent)
    : QWidget(parent), m_(m), horloge_(horloge), alea_(alea), son_(son) {
    setObjectName(QStringLiteral("OS"));
    setWindowTitle(QStringLiteral("Vibralume"));
    setWindowIcon(iconeProgramme());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(FondOS));
    setPalette(pal);
    setAutoFillBackground(true);
    setFixedSize(twips(LargeurOS), twips(HauteurOS));
    centreAuPremierAffichage(this);
    setCursor(Qt::ArrowCursor);

    controles_ = construitControles(this, MiseEnPageOS());
    ModeleMicro_ = controle<PictureBox>(QStringLiteral("ModeleMicro"));
    VibreurOS_ = controle<PictureBox>(QStringLiteral("VibreurOS"));
    Vibreur_ = controle<PictureBox>(QStringLiteral("Vibreur"));
    Regle_ = controle<PictureBox>(QStringLiteral("Regle"));
    Oscillo_ = controle<PictureBox>(QStringLiteral("Oscillo"));
    frequence_ = controle<QScrollBar>(QStringLiteral("frequence"));
    v_ = controle<QScrollBar>(QStringLiteral("v"));
    Amplitude_ = controle<QScrollBar>(QStringLiteral("Amplitude"));
    AmplitudeSoliton_ = controle<QScrollBar>(QStringLiteral("AmplitudeSoliton"));
    OndeProgressive_ = controle<QRadioButton>(QStringLiteral("OndeProgressive"));
    OndeStationnaire_ = controle<QRadioButton>(QStringLiteral("OndeStationnaire"));
    OndeStationnaire2_ = controle<QRadioButton>(QStringLiteral("OndeStationnaire2"));
    Gaz_ = controle<QRadioButton>(QStringLiteral("Gaz"));
    Amortissement_ = controle<QCheckBox>(QStringLiteral("Amortissement"));
    Vib0_ = controle<Trait>(QStringLiteral("Vib0"));
    Vib_AmplG_ = controle<Trait>(QStringLiteral("Vib_AmplG"));
    Vib_AmplD_ = controle<Trait>(QStringLiteral("Vib_AmplD"));

    // Drawing state at load.
    ModeleMicro_->setFillSolid(true);
    ModeleMicro_->setFillColor(Qt::black);

    timer1_.setParent(this); // findable by name; destroyed as a member first
    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer1_.setInterval(20);
    timer1_.setTimerType(Qt::PreciseTimer);
    connect(&timer1_, &QTimer::timeout, this, &OS::Timer1_Timer);
    relieControles();
    connect(controle<ConteneurEnonce>(QStringLiteral("EnonceModele")),
            &ConteneurEnonce::doubleClicked, this, &OS::EnonceModele_DblClick);

    Form_Load();
    timer1_.start();
}

OS::~OS() = default;

void OS::Form_Load() {
    Demarrage(m_);
    // Selecting the progressive wave runs its handler only if that changes
    // the selection, as a click would.
    OndeProgressive_->setChecked(true);
    MajAffichage();
    DessineRegle();
    AfficheQuadrillage();
    montre("Micro1", false);
    montre("Micro2", false);
    alea_.amorcer(horloge_.secondes());
}

bool OS::visible(const char* nom) const {
    const QWidget* w = controle(QString::fromLatin1(nom));
    return w && !w->isHidden();
}

void OS::montre(const char* nom, bool oui) {
    if (QWidget* w = controle(QString::fromLatin1(nom)))
        w->setVisible(oui);
}

void OS::DessineRegle() {
    vibralume::DessineRegle(*Regle_);
}

void OS::DessineVibreur(double x) {
    vibralume::DessineVibreur(*Vibreur_, x);
}

void OS::AfficheQuadrillage() {
    vibralume::AfficheQuadrillage(*Oscillo_);
}

void OS::closeEvent(QCloseEvent* e) {
    son_.ArreteSon();
    QWidget::closeEvent(e);
}

void OS::EnonceModele_DblClick() {
    // One reading window for the whole run, built at the first reading: a
    // double click brings it back, at the top of the page once it was closed.
    if (!visionneuse_)
        visionneuse_ = new VisionneuseEnonce(this);
    else if (visionneuse_->isHidden())
        visionneuse_->vue()->verticalScrollBar()->setValue(0);
    visionneuse_->setWindowState(visionneuse_->windowState() & ~Qt::WindowMinimized);
    visionneuse_->show();
    visionneuse_->raise();
    visionneuse_->activateWindow();
}

} // namespace vibralume
