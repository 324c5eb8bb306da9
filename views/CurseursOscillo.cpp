#include "views/CurseursOscillo.h"

#include "views/PictureBox.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace vibralume {

namespace {

/// One press of an arrow: a tenth of a division.
constexpr double PasClavier = 0.1;

} // namespace

CurseursOscillo::CurseursOscillo(PictureBox& oscillo, ChoixEleve& choix)
    : QWidget(&oscillo), oscillo_(oscillo), choix_(choix) {
    setObjectName(QStringLiteral("CurseursOscillo"));
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(tr("Curseurs de mesure"));
    oscillo.installEventFilter(this);
    place();
    setVisible(choix_.valeurs().curseurs.visibles);
}

void CurseursOscillo::place() {
    const int b = oscillo_.bordure();
    setGeometry(QRect(QPoint(b, b), oscillo_.interieur()));
}

void CurseursOscillo::actualise() {
    const bool visibles = choix_.valeurs().curseurs.visibles;
    if (visibles == isHidden())
        setVisible(visibles);
    // Asked at every tick: the screen under them is not copied again for nothing.
    if (choix_.valeurs().curseurs != dessines_)
        update();
}

void CurseursOscillo::choisit(Curseur k) {
    choisi_ = k;
    update();
}

double CurseursOscillo::valeur(Curseur k) const {
    const CurseursMesure& c = choix_.valeurs().curseurs;
    return estTemps(k) ? c.temps[std::size_t(k - Temps1)] : c.niveaux[std::size_t(k - Niveau1)];
}

void CurseursOscillo::ecrit(Curseur k, double valeur) {
    CurseursMesure c = choix_.valeurs().curseurs;
    (estTemps(k) ? c.temps[std::size_t(k - Temps1)] : c.niveaux[std::size_t(k - Niveau1)]) = valeur;
    if (c == choix_.valeurs().curseurs)
        return;
    choix_.curseurs(c);
    update();
    emit bouge();
}

void CurseursOscillo::deplace(Curseur k, double pas) {
    ecrit(k, valeur(k) + pas);
}

double CurseursOscillo::pixelsParDivision() const {
    return oscillo_.versPixelsX(1);
}

double CurseursOscillo::pixelDe(Curseur k) const {
    return estTemps(k) ? oscillo_.versPixelsX(valeur(k)) : oscillo_.versPixelsY(valeur(k));
}

double CurseursOscillo::divisionDe(Curseur k, QPointF pos) const {
    const QPointF u = oscillo_.versEchelle(pos);
    return estTemps(k) ? u.x() : u.y();
}

std::optional<CurseursOscillo::Curseur> CurseursOscillo::curseurA(QPointF pos) const {
    std::optional<Curseur> proche;
    double ecart = Portee * std::max(1.0, oscillo_.zoom());
    for (int i = 0; i < NbCurseurs; ++i) {
        const auto k = Curseur(i);
        const double d = std::abs((estTemps(k) ? pos.x() : pos.y()) - pixelDe(k));
        if (d <= ecart) {
            ecart = d;
            proche = k;
        }
    }
    return proche;
}

QColor CurseursOscillo::couleur(Curseur k) {
    return estTemps(k) ? QColor(0, 140, 70) : QColor(200, 0, 90);
}

void CurseursOscillo::paintEvent(QPaintEvent*) {
    dessines_ = choix_.valeurs().curseurs;
    QPainter p(this);
    const double zoom = oscillo_.zoom();
    const double largeur = std::max(1.0, std::round(zoom));
    for (int i = 0; i < NbCurseurs; ++i) {
        const auto k = Curseur(i);
        // The cursor the arrows move is the wider one while they do.
        const bool actif = hasFocus() && k == choisi_;
        QPen stylo(couleur(k), actif ? 2 * largeur : largeur, Qt::CustomDashLine, Qt::FlatCap);
        stylo.setDashPattern({5, 3});
        p.setPen(stylo);
        // On the middle of a pixel, so that a thin line stays one pixel wide.
        const double at = std::floor(pixelDe(k)) + 0.5;
        if (estTemps(k))
            p.drawLine(QPointF(at, 0), QPointF(at, height()));
        else
            p.drawLine(QPointF(0, at), QPointF(width(), at));
    }
}

bool CurseursOscillo::eventFilter(QObject* objet, QEvent* e) {
    if (objet == &oscillo_ && e->type() == QEvent::Resize)
        place();
    return QWidget::eventFilter(objet, e);
}

// While they have the focus, the arrows are the cursors', and Escape gives
// them back to the window.
bool CurseursOscillo::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride) {
        const auto* k = static_cast<QKeyEvent*>(e);
        const auto mods = k->modifiers() & ~Qt::KeypadModifier;
        const bool fleche = k->key() == Qt::Key_Left || k->key() == Qt::Key_Right ||
                            k->key() == Qt::Key_Up || k->key() == Qt::Key_Down;
        if ((fleche && (mods == Qt::NoModifier || mods == Qt::ShiftModifier)) ||
            (k->key() == Qt::Key_Escape && mods == Qt::NoModifier)) {
            e->accept();
            return true;
        }
    }
    return QWidget::event(e);
}

void CurseursOscillo::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        clearFocus();
        return;
    }
    const int sens = e->key() == Qt::Key_Right || e->key() == Qt::Key_Down ? 1
                     : e->key() == Qt::Key_Left || e->key() == Qt::Key_Up  ? -1
                                                                           : 0;
    const bool enTravers = e->key() == Qt::Key_Left || e->key() == Qt::Key_Right;
    if (sens == 0) {
        QWidget::keyPressEvent(e);
        return;
    }
    // A time moves across only, a level down only: the other arrows do nothing
    // rather than change the frequency under a pupil who is measuring.
    if (enTravers != estTemps(choisi_))
        return;
    const double pixel =
        1 / (estTemps(choisi_) ? oscillo_.versPixelsX(1) : oscillo_.versPixelsY(1));
    deplace(choisi_, sens * (e->modifiers() & Qt::ShiftModifier ? pixel : PasClavier));
}

void CurseursOscillo::mousePressEvent(QMouseEvent* e) {
    const auto k = e->button() == Qt::LeftButton ? curseurA(e->position()) : std::nullopt;
    if (!k) {
        // Not on a cursor: the screen's, as if the cursors were not there.
        e->ignore();
        return;
    }
    tenu_ = k;
    prise_ = valeur(*k) - divisionDe(*k, e->position());
    choisit(*k);
    setFocus(Qt::MouseFocusReason);
}

void CurseursOscillo::mouseMoveEvent(QMouseEvent* e) {
    if (tenu_) {
        ecrit(*tenu_, divisionDe(*tenu_, e->position()) + prise_);
        return;
    }
    const auto k = curseurA(e->position());
    if (!k)
        unsetCursor();
    else
        setCursor(estTemps(*k) ? Qt::SizeHorCursor : Qt::SizeVerCursor);
    e->ignore();
}

void CurseursOscillo::mouseReleaseEvent(QMouseEvent* e) {
    if (!tenu_) {
        e->ignore();
        return;
    }
    tenu_.reset();
}

} // namespace vibralume
