#include "ui/simulation/OS.h"

#include "assets/Ressources.h"
#include "model/Demarrage.h"
#include "ui/miseenpage/Construction.h"
#include "ui/simulation/MiseEnPageOS.h"
#include "ui/simulation/PanneauMesures.h"
#include "ui/simulation/VisionneuseEnonce.h"
#include "views/ConteneurEnonce.h"
#include "views/Dessins.h"
#include "views/Etiquette.h"
#include "views/PictureBox.h"
#include "views/Twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPdfView>
#include <QRadioButton>
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
    c_ = resoudControlesOS(controles_);

    // Drawing state at load.
    c_.ModeleMicro->setFillSolid(true);
    c_.ModeleMicro->setFillColor(Qt::black);

    timer1_.setParent(this); // findable by name; destroyed as a member first
    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer1_.setInterval(20);
    timer1_.setTimerType(Qt::PreciseTimer);
    connect(&timer1_, &QTimer::timeout, this, &OS::Timer1_Timer);
    mesures_ = std::make_unique<PanneauMesures>(*this, c_, m_, choix_, [this] { MajAffichage(); });
    relieControles();

    Form_Load();
    timer1_.start();
}

// What watches this window from outside (the classroom additions, by event
// filters and the application's focus signal) reads it as it goes: it is
// hidden while still whole, and then nothing watches it any more, so that
// the controls' own destruction reaches no one.
OS::~OS() {
    hide();
    const QList<QObject*> observateurs = findChildren<QObject*>();
    QList<QWidget*> vus = findChildren<QWidget*>();
    vus.append(this);
    for (QObject* o : observateurs) {
        QObject::disconnect(qApp, nullptr, o, nullptr);
        for (QWidget* w : vus)
            w->removeEventFilter(o);
    }
}

void OS::Form_Load() {
    Demarrage(m_);
    // Selecting the progressive wave runs its handler only if that changes
    // the selection, as a click would.
    c_.OndeProgressive->setChecked(true);
    MajAffichage();
    DessineRegle();
    mesures_->AfficheQuadrillage();
    c_.Micro1->hide();
    c_.Micro2->hide();
    alea_.amorcer(horloge_.secondes());
}

void OS::DessineRegle() {
    vibralume::DessineRegle(*c_.Regle);
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
