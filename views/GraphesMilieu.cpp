#include "views/GraphesMilieu.h"

#include "model/Mesure.h"
#include "views/Dessins.h"
#include "views/PictureBox.h"
#include "views/Twips.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace vibralume {

namespace {

// Room around the plots at 100 %, in logical pixels.
constexpr double MargeGauche = 62;
constexpr double MargeDroite = 18;
constexpr double MargeHaut = 30;
constexpr double Intervalle = 34; ///< between the plots: the pressure plot's caption
constexpr double SousRegle = 24;  ///< below the ruler: the axis caption
/// The displacement plot's share of the height the two plots have.
constexpr double PartDeplacement = 0.55;
/// The displacement axis reaches this far beyond its half-scale, so a full swing shows whole.
constexpr double MargeDeplacement = 1.12;
/// The pressure axis spans the oscilloscope's screen, level 0 at the top and 6
/// at the bottom, and is numbered in divisions from the rest level, a
/// compression (a smaller level) upwards.
constexpr double NiveauHaut = -0.3;
constexpr double NiveauBas = 6.3;
constexpr int DivisionsEcran = 6;
/// The main window's ruler's height, and a sensor marker's width in the model.
constexpr double HauteurRegle = HauteurRegleTwips;
constexpr double LargeurMarqueur = LargeurCapteurTwips / TwipsParCm;
/// The strip at the foot of each plot where the nodes and antinodes are lettered.
constexpr double BandeLettres = 16;
/// Half the width of a slice's share of the medium (cm), for the green band.
constexpr double DemiTranche = 0.25;
/// Radius of the dots of the places a sensor reads.
constexpr double RayonPression = 2.5;

const QColor GrisCadre{150, 150, 150};
const QColor GrisGrille{228, 228, 228};
const QColor GrisTexte{90, 90, 90};
/// The model view's end marks: an open end, a closed one and its wall.
const QColor GrisBordOuvert = couleurRgb(RgbBordOuvert);
const QColor GrisBordFerme = couleurRgb(RgbBordFerme);

QString nombre(double v) {
    return QLocale().toString(v, 'g', 3);
}

} // namespace

QString GraphesMilieu::graduationPression(int niveau) {
    const QLocale langue;
    const int divisions = int(NiveauRepos) - niveau;
    const QString texte = langue.toString(divisions);
    return divisions > 0 ? langue.positiveSign() + texte : texte;
}

GraphesMilieu::GraphesMilieu(QWidget* parent)
    : QWidget(parent), regle_(std::make_unique<PictureBox>()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 260);
    regle_->setEchelleCentimetres();
}

GraphesMilieu::~GraphesMilieu() = default;

void GraphesMilieu::montre(ContenuGraphes contenu) {
    contenu_ = std::move(contenu);
    dessine();
}

void GraphesMilieu::setZoom(double zoom) {
    if (zoom == zoom_ || !(zoom > 0))
        return;
    zoom_ = zoom;
    dispose();
    dessine();
}

double GraphesMilieu::pixelX(double x) const {
    return cadreDeplacement_.left() + x * pxParCm_;
}

QPointF GraphesMilieu::pixelDeplacement(double x, double deplacement) const {
    const QRectF zone = zoneDeplacement();
    const double demi = zone.height() / 2 / MargeDeplacement;
    return {pixelX(x), zone.center().y() - deplacement / contenu_.demiEchelle * demi};
}

QPointF GraphesMilieu::pixelPression(double x, double niveau) const {
    const QRectF zone = zonePression();
    const double parDivision = zone.height() / (NiveauBas - NiveauHaut);
    return {pixelX(x), zone.top() + (niveau - NiveauHaut) * parDivision};
}

QRectF GraphesMilieu::zoneDeplacement() const {
    return cadreDeplacement_.adjusted(0, 0, 0, -BandeLettres * zoom_);
}

QRectF GraphesMilieu::zonePression() const {
    return cadrePression_.adjusted(0, 0, 0, -BandeLettres * zoom_);
}

QFont GraphesMilieu::police(double pixels, bool gras) const {
    QFont f;
    f.setFamilies({QStringLiteral("Carlito")});
    f.setPixelSize(std::max(6, int(std::nearbyint(pixels * zoom_))));
    f.setBold(gras);
    return f;
}

void GraphesMilieu::dispose() {
    tailleDisposee_ = size();
    const double z = zoom_;
    const double largeur = std::max(40.0, width() - (MargeGauche + MargeDroite) * z);
    pxParCm_ = largeur / LargeurModele;
    // The ruler is the main window's, at the scale that puts its
    // centimetres on the plots' ones.
    const double zoomRegle = pxParCm_ * TwipsParPixel / TwipsParCm;
    regle_->setZoom(zoomRegle);
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans")});
    f.setPixelSize(pointsEnPixels(8, zoomRegle));
    regle_->setFont(f);
    const double hRegle = twips(HauteurRegle, zoomRegle);
    const double plots =
        std::max(80.0, height() - (MargeHaut + Intervalle + SousRegle) * z - hRegle);
    // On whole pixels, so that the ruler's image is copied pixel for pixel.
    const double gauche = std::round(MargeGauche * z);
    cadreDeplacement_ = QRectF(gauche, std::round(MargeHaut * z), largeur, plots * PartDeplacement);
    cadrePression_ = QRectF(gauche, cadreDeplacement_.bottom() + Intervalle * z, largeur,
                            plots * (1 - PartDeplacement));
    placeRegle_ = QRectF(gauche, std::round(cadrePression_.bottom()),
                         std::ceil(largeur + MargeDroite * z / 2), hRegle);
    regle_->resize(placeRegle_.size().toSize());
    regle_->setRatio(devicePixelRatioF());
    regle_->Cls();
    DessineRegle(*regle_);
}

void GraphesMilieu::resizeEvent(QResizeEvent*) {
    dessine();
}

void GraphesMilieu::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(QPointF(0, 0), image_);
}

void GraphesMilieu::dessine() {
    if (tailleDisposee_ != size())
        dispose();
    const qreal dpr = devicePixelRatioF();
    if (image_.size() != size() * dpr) {
        image_ = QImage(size() * dpr, QImage::Format_RGB32);
        image_.setDevicePixelRatio(dpr);
    }
    image_.fill(Qt::white);
    if (contenu_.points.empty()) {
        update();
        return;
    }
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    dessineCadres(p);
    dessineGroupe(p);
    dessineBord(p);
    dessinePlaces(p);
    dessinePression(p);
    dessineDeplacement(p);
    dessineCapteurs(p);
    p.drawImage(placeRegle_, regle_->image());
    p.setFont(police(14));
    p.setPen(Qt::black);
    p.drawText(QRectF(0, placeRegle_.bottom(), width(), SousRegle * zoom_), Qt::AlignCenter,
               tr("position le long du milieu (cm)"));
    update();
}

// Frames, grid every centimetre, graduations and captions.
void GraphesMilieu::dessineCadres(QPainter& p) {
    const double z = zoom_;
    p.setPen(QPen(GrisGrille, 1));
    for (const QRectF& c : {cadreDeplacement_, cadrePression_})
        for (int k = 1; k < LargeurModele; ++k)
            p.drawLine(QPointF(pixelX(k), c.top()), QPointF(pixelX(k), c.bottom()));

    p.setFont(police(12));
    const QFontMetricsF fm(p.font());
    auto graduation = [&](double y, const QString& texte) {
        p.setPen(QPen(GrisCadre, 1));
        p.drawLine(QPointF(cadreDeplacement_.left() - 4 * z, y),
                   QPointF(cadreDeplacement_.left(), y));
        p.setPen(Qt::black);
        p.drawText(QRectF(0, y - fm.height() / 2, cadreDeplacement_.left() - 6 * z, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, texte);
    };
    const double demi = contenu_.demiEchelle;
    for (double d : {-demi, -demi / 2, 0.0, demi / 2, demi})
        graduation(pixelDeplacement(0, d).y(), nombre(d));
    for (int n = 0; n <= DivisionsEcran; ++n)
        graduation(pixelPression(0, n).y(), graduationPression(n));

    // The lines of rest: no displacement, the level of a medium at rest.
    p.setPen(QPen(GrisCadre, 1, Qt::DashLine));
    p.drawLine(pixelDeplacement(0, 0), pixelDeplacement(LargeurModele, 0));
    p.drawLine(pixelPression(0, NiveauRepos), pixelPression(LargeurModele, NiveauRepos));
    p.setPen(QPen(GrisCadre, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(cadreDeplacement_);
    p.drawRect(cadrePression_);
    p.setPen(QPen(GrisGrille, 1));
    for (const QRectF& zone : {zoneDeplacement(), zonePression()})
        p.drawLine(zone.bottomLeft(), zone.bottomRight());

    p.setFont(police(14, true));
    p.setPen(Qt::black);
    const double hLegende = MargeHaut * z;
    p.drawText(QRectF(cadreDeplacement_.left(), 0, cadreDeplacement_.width(), hLegende),
               Qt::AlignLeft | Qt::AlignVCenter, tr("déplacement des tranches (cm)"));
    p.drawText(QRectF(cadrePression_.left(), cadreDeplacement_.bottom(), cadrePression_.width(),
                      Intervalle * z),
               Qt::AlignLeft | Qt::AlignVCenter,
               tr("pression lue par un capteur (divisions de l'oscilloscope)"));
    p.setFont(police(12));
    p.setPen(GrisTexte);
    // Left, over the first centimetres, where no sensor reads the medium.
    const QRectF coinPression = zonePression().adjusted(4 * z, 2 * z, -4 * z, -2 * z);
    p.drawText(coinPression, Qt::AlignLeft | Qt::AlignTop, tr("compression"));
    p.drawText(coinPression, Qt::AlignLeft | Qt::AlignBottom, tr("dilatation"));
    if (!contenu_.places.empty()) {
        p.setFont(police(13));
        p.drawText(QRectF(cadreDeplacement_.left(), 0, cadreDeplacement_.width(), hLegende),
                   Qt::AlignRight | Qt::AlignVCenter, tr("N : nœud    V : ventre"));
    }
}

// The highlighted group, a pale band over both plots where those of its
// slices that are seen rest.
void GraphesMilieu::dessineGroupe(QPainter& p) {
    const int t = contenu_.trancheColoree;
    double debut = qInf(), fin = -qInf();
    for (const PointDeplacement& pt : contenu_.points)
        if (t != 0 && std::abs(pt.tranche - t) <= 2) {
            debut = std::min(debut, pt.x);
            fin = std::max(fin, pt.x);
        }
    if (debut > fin)
        return;
    const double gauche = pixelX(debut - DemiTranche);
    const double droite = pixelX(fin + DemiTranche);
    QColor pale = VertTranches;
    pale.setAlpha(55);
    for (const QRectF& c : {cadreDeplacement_, cadrePression_})
        p.fillRect(QRectF(QPointF(gauche, c.top()), QPointF(droite, c.bottom())) & c, pale);
}

// Where a standing wave's medium ends, the model view's end mark over both
// plots: nothing of the medium is drawn on it.
void GraphesMilieu::dessineBord(QPainter& p) {
    const double fin = FinMilieuVu(contenu_.bord);
    const double x = pixelX(fin);
    if (!std::isfinite(fin) || x >= cadreDeplacement_.right())
        return;
    const bool ferme = contenu_.bord == Bord::OuvertFerme;
    for (const QRectF& c : {cadreDeplacement_, cadrePression_}) {
        p.fillRect(QRectF(QPointF(x, c.top()), c.bottomRight()),
                   ferme ? GrisBordFerme : GrisBordOuvert);
        p.setPen(QPen(GrisCadre, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(c);
        if (ferme) {
            p.setPen(
                QPen(Qt::black, std::max(1.0, std::round(2 * zoom_)), Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(x, c.top()), QPointF(x, c.bottom()));
        }
    }
}

// Nodes and antinodes: a dashed line and a letter at the foot of each plot.
void GraphesMilieu::dessinePlaces(QPainter& p) {
    p.setFont(police(13, true));
    const QFontMetricsF fm(p.font());
    for (const PlaceRemarquable& pl : contenu_.places) {
        const QRectF c = pl.grandeur == Grandeur::Deplacement ? zoneDeplacement() : zonePression();
        const double x = pixelX(pl.x);
        if (x < c.left() || x > c.right())
            continue;
        const QColor couleur = pl.nature == NoeudOuVentre::Noeud ? CouleurNoeud : CouleurVentre;
        p.setPen(QPen(couleur, 1, Qt::DashLine));
        p.drawLine(QPointF(x, c.top()), QPointF(x, c.bottom()));
        p.setPen(couleur);
        p.drawText(QRectF(x - fm.height(), c.bottom(), 2 * fm.height(), BandeLettres * zoom_),
                   Qt::AlignCenter, pl.nature == NoeudOuVentre::Noeud ? tr("N") : tr("V"));
    }
}

void GraphesMilieu::dessineDeplacement(QPainter& p) {
    const double z = zoom_;
    p.save();
    p.setClipRect(zoneDeplacement());
    QPainterPath courbe;
    for (const PointDeplacement& pt : contenu_.points) {
        const QPointF q = pixelDeplacement(pt.x, pt.deplacement);
        if (courbe.elementCount() == 0)
            courbe.moveTo(q);
        else
            courbe.lineTo(q);
    }
    p.setPen(QPen(CouleurDeplacement, 1.5 * z));
    p.setBrush(Qt::NoBrush);
    p.drawPath(courbe);
    const int t = contenu_.trancheColoree;
    for (const PointDeplacement& pt : contenu_.points) {
        const bool vert = t != 0 && t - 2 <= pt.tranche && pt.tranche <= t + 2;
        p.setPen(vert ? QPen(Qt::black, 1) : Qt::NoPen);
        p.setBrush(vert ? VertTranches : CouleurDeplacement);
        const double r = (vert ? 4.5 : 3) * z;
        p.drawEllipse(pixelDeplacement(pt.x, pt.deplacement), r, r);
    }
    p.restore();
}

// Each place a sensor can read, a dot at its level, joined place to place;
// left of the vibrator, where a sensor reads the fixed level of outside, in
// grey and dotted.
void GraphesMilieu::dessinePression(QPainter& p) {
    const double z = zoom_;
    p.save();
    p.setClipRect(zonePression());
    for (bool dedans : {false, true}) {
        const QColor couleur = dedans ? CouleurPression : GrisCadre;
        QPainterPath courbe;
        for (const PointPression& pt : contenu_.pressions) {
            if (pt.dansMilieu != dedans)
                continue;
            const QPointF q = pixelPression(pt.x, pt.niveau);
            if (courbe.elementCount() == 0)
                courbe.moveTo(q);
            else
                courbe.lineTo(q);
        }
        QPen stylo(couleur, (dedans ? 2 : 1.5) * z);
        if (!dedans)
            stylo.setStyle(Qt::DotLine);
        p.setPen(stylo);
        p.setBrush(Qt::NoBrush);
        p.drawPath(courbe);
        p.setPen(Qt::NoPen);
        p.setBrush(couleur);
        for (const PointPression& pt : contenu_.pressions)
            if (pt.dansMilieu == dedans)
                p.drawEllipse(pixelPression(pt.x, pt.niveau), RayonPression * z, RayonPression * z);
    }
    p.restore();
}

// Each sensor that is on, where it reads: an upright line across both plots
// in its colour, its numbered marker on the pressure plot, and a dot on the
// level it reads.
void GraphesMilieu::dessineCapteurs(QPainter& p) {
    const double z = zoom_;
    p.setFont(police(11, true));
    const QFontMetricsF fm(p.font());
    for (std::size_t k = 0; k < contenu_.capteurs.size(); ++k) {
        const auto& capteur = contenu_.capteurs[k];
        if (!capteur)
            continue;
        const QColor couleur = k == 0 ? CouleurMarqueur1 : CouleurMarqueur2;
        const double x = std::round(pixelX(capteur->x));
        if (x < cadreDeplacement_.left() || x > cadreDeplacement_.right())
            continue;
        // Crisp, so the colour is whole on the pixels it covers.
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(couleur, std::max(2.0, std::round(2 * z)), Qt::SolidLine, Qt::FlatCap));
        for (const QRectF& c : {cadreDeplacement_, cadrePression_})
            p.drawLine(QPointF(x, c.top() + 1), QPointF(x, c.bottom() - 1));
        const double largeur = std::round(std::max(LargeurMarqueur * pxParCm_, fm.height()));
        const QRectF marqueur(x - std::round(largeur / 2), cadrePression_.top() + 2 * z, largeur,
                              fm.height() + 2 * z);
        p.fillRect(marqueur, couleur);
        p.setPen(Qt::white);
        p.drawText(marqueur, Qt::AlignCenter, QString::number(k + 1));
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(couleur);
        const QPointF lu = pixelPression(capteur->x, capteur->niveau);
        if (zonePression().contains(lu))
            p.drawEllipse(lu, 4.5 * z, 4.5 * z);
    }
}

} // namespace vibralume
