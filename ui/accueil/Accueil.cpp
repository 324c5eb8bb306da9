#include "ui/accueil/Accueil.h"

#include "assets/Ressources.h"
#include "model/Accueil.h"
#include "ui/accueil/MiseEnPageAccueil.h"
#include "ui/miseenpage/Construction.h"
#include "ui/miseenpage/Resolveur.h"
#include "views/Forme.h"
#include "views/ImageControle.h"
#include "views/PictureBox.h"
#include "views/Twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPushButton>
#include <QScreen>
#include <stdexcept>

namespace vibralume {

Accueil::Accueil(Module1& m, Aleatoire& alea, FabriqueOS fabrique, QWidget* parent, double zoom)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_(m), alea_(alea),
      fabrique_(std::move(fabrique)) {
    if (!fabrique_)
        throw std::invalid_argument("the home page needs a way to build the main window");
    setObjectName(QStringLiteral("Accueil"));
    // Without a title bar the caption only names the window to the taskbar.
    setWindowTitle(tr("Vibralume - page d'accueil"));
    setWindowIcon(iconeProgramme());
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, resoudCouleur(FondAccueil));
    setPalette(pal);
    setAutoFillBackground(true);
    setFixedSize(twips(LargeurAccueil, zoom), twips(HauteurAccueil, zoom));
    centreAuPremierAffichage(this);
    setCursor(Qt::ArrowCursor);

    controles_ = construitControles(this, MiseEnPageAccueil(), zoom);
    const Resolveur r(controles_, "Accueil");
    Colonne_ = r.trouve<PictureBox>("Colonne");
    // The logo lies inside its frame: rounded to whole pixels on its own, it
    // would cover the frame's right and bottom edges.
    auto* logo = r.trouve<ImageControle>("Image2");
    const int e = epaisseur(1, zoom);
    logo->setGeometry(logo->geometry() &
                      r.trouve<Forme>("Shape1")->geometry().adjusted(e, e, -e, -e));
    Colonne_->setEchelleUtilisateur(LargeurColonne / UnitesColonneX,
                                    HauteurColonne / UnitesColonneY);
    connect(r.trouve<QPushButton>("Command1"), &QPushButton::clicked, this,
            &Accueil::Command1_Click);
    connect(r.trouve<ImageControle>("Image1"), &ImageControle::clicked, this,
            &Accueil::Image1_Click);

    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer1_.setInterval(25);
    connect(&timer1_, &QTimer::timeout, this, &Accueil::Timer1_Timer);

    Form_Load();
    timer1_.start();
}

Accueil::~Accueil() = default;

void Accueil::Form_Load() {
    ChargeAccueil(m_);
}

void Accueil::Timer1_Timer() {
    const std::vector<double> colonnes = ColonnesAccueil(m_);
    Colonne_->Cls();
    for (const double& x : colonnes)
        tranche(x);
}

void Accueil::tranche(const double& x) {
    for (int i = 0; i <= 10; ++i) {
        // Two separate statements: the draws' order is part of the picture.
        const double r1 = alea_.suivant();
        const double r2 = alea_.suivant();
        Colonne_->PSet(float(x + 5 * r1), float(i + r2), Colonne_->foreColor());
    }
}

void Accueil::Command1_Click() {
    // The main window is up before this one goes, so the program never finds
    // itself without a window in between.
    QWidget* os = fabrique_();
    os->show();
    close();
}

void Accueil::Image1_Click() {
    // Straight out: no window gets a chance to refuse or to clean up.
    QCoreApplication::exit(0);
}

void Accueil::closeEvent(QCloseEvent* e) {
    timer1_.stop();
    QWidget::closeEvent(e);
}

} // namespace vibralume
