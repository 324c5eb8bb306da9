#include "views/PictureBox.h"

#include "model/TexteNombre.h"
#include "views/Twips.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace vibralume {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    dpr_ = devicePixelRatioF();
    refaitImage();
}

PictureBox::~PictureBox() {
    termine();
}

void PictureBox::setFond(const QColor& c) {
    fond_ = c;
    toutEstTrace();
    Cls();
    update();
}

void PictureBox::setBordure(bool b) {
    bordure_ = b;
    refaitImage();
    rogneEnfants();
    update();
}

QSize PictureBox::interieur() const {
    const int b = 2 * bordure();
    return QSize(std::max(0, width() - b), std::max(0, height() - b));
}

int PictureBox::bordure() const {
    return bordure_ ? epaisseur(1, zoom_) : 0;
}

void PictureBox::setEchellePixels() {
    uxBase_ = uyBase_ = 1;
    ux_ = uy_ = zoom_;
}

void PictureBox::setEchelleCentimetres() {
    setEchelleUtilisateur(TwipsParCm, TwipsParCm);
}

void PictureBox::setEchelleUtilisateur(double twipsParUniteX, double twipsParUniteY) {
    uxBase_ = twipsParUniteX / TwipsParPixel;
    uyBase_ = twipsParUniteY / TwipsParPixel;
    ux_ = uxBase_ * zoom_;
    uy_ = uyBase_ * zoom_;
}

void PictureBox::setZoom(double zoom) {
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    ux_ = uxBase_ * zoom_;
    uy_ = uyBase_ * zoom_;
    styloAJour_ = false;
    // What was drawn at the old scale would not line up with the new one:
    // the image is made anew, at the new size, when next drawn or shown.
    termine();
    tampons_.clear();
    traitsLarges_.clear();
    image_ = QImage();
    verifiePour_ = QSize();
    rogneEnfants();
    update();
}

double PictureBox::largeurStylo() const {
    return std::max(1.0, std::nearbyint(drawWidth_ * zoom_ * dpr_));
}

QPointF PictureBox::versPixels(double x, double y) const {
    return QPointF(x * ux_, y * uy_);
}

QPointF PictureBox::versEchelle(QPointF px) const {
    return QPointF(px.x() / ux_, px.y() / uy_);
}

void PictureBox::setRatio(qreal dpr) {
    dprFixe_ = true;
    if (dpr != dpr_) {
        dpr_ = dpr;
        refaitImage();
    }
}

void PictureBox::setDrawWidth(int w) {
    drawWidth_ = std::max(1, w);
    styleChange();
}

void PictureBox::setDrawStyle(StyleTrait s) {
    drawStyle_ = s;
    styleChange();
}

void PictureBox::setForeColor(const QColor& c) {
    if (c != foreColor_) {
        foreColor_ = c;
        styleChange();
    }
}

void PictureBox::setFillColor(const QColor& c) {
    if (c != fillColor_) {
        fillColor_ = c;
        styleChange();
    }
}

void PictureBox::setFillSolid(bool plein) {
    fillSolid_ = plein;
    styleChange();
}

void PictureBox::styleChange() {
    styloAJour_ = false;
    ++versionStyle_;
}

// The backing image is painted in device pixels with no transform: every
// primitive lands on whole device pixels, crisp and exact at any device pixel
// ratio, and the painter keeps to its fast integer paths.
QPointF PictureBox::aligne(double x, double y) const {
    return QPointF(std::nearbyint(x * ux_ * dpr_), std::nearbyint(y * uy_ * dpr_));
}

// The widget may be resized while hidden, before any resize event: the
// backing image follows the size whenever it is drawn on or read.
void PictureBox::assureImage() {
    // Hundreds of primitives a tick ask: since the image was last found
    // right, only the widget's size may have changed behind its back.
    if (size() == verifiePour_)
        return;
    const QSize taille = interieur();
    const QSize voulue(std::max(1, int(std::ceil(taille.width() * dpr_))),
                       std::max(1, int(std::ceil(taille.height() * dpr_))));
    if (image_.size() != voulue)
        refaitImage();
    verifiePour_ = size();
}

QPainter& PictureBox::peintre() {
    assureImage();
    if (!peintre_) {
        peintre_ = std::make_unique<QPainter>(&image_);
        peintre_->setRenderHint(QPainter::Antialiasing, false);
        styloAJour_ = false;
    }
    if (!styloAJour_)
        appliqueStylo();
    return *peintre_;
}

void PictureBox::appliqueStylo() {
    peintre_->setPen(stylo());
    peintre_->setBrush(brosse());
    styloAJour_ = true;
}

QBrush PictureBox::brosse() const {
    return fillSolid_ ? QBrush(fillColor_) : QBrush(Qt::NoBrush);
}

QPen PictureBox::stylo() const {
    QPen stylo(foreColor_);
    stylo.setWidthF(largeurStylo());
    if (drawWidth_ > 1) {
        // Wide lines are always solid, with round ends.
        stylo.setCapStyle(Qt::RoundCap);
        stylo.setJoinStyle(Qt::RoundJoin);
    } else {
        stylo.setCapStyle(Qt::SquareCap);
        stylo.setStyle(drawStyle_ == StyleTrait::Pointille ? Qt::DotLine : Qt::SolidLine);
    }
    return stylo;
}

void PictureBox::termine() {
    if (peintre_) {
        peintre_->end();
        peintre_.reset();
    }
}

void PictureBox::refaitImage() {
    termine();
    verifiePour_ = QSize();
    tampons_.clear();
    traitsLarges_.clear();
    const QSize taille = interieur();
    QImage neuve(std::max(1, int(std::ceil(taille.width() * dpr_))),
                 std::max(1, int(std::ceil(taille.height() * dpr_))), QImage::Format_RGB32);
    neuve.fill(fond_);
    if (!image_.isNull()) {
        QPainter p(&neuve);
        p.drawImage(QPointF(0, 0), image_);
    }
    image_ = std::move(neuve);
    // Whatever the old image held may show anywhere: the next clear repaints all.
    toutEstTrace();
}

void PictureBox::toutEstTrace() {
    trace_ = QRect(0, 0, std::numeric_limits<int>::max() / 2, std::numeric_limits<int>::max() / 2);
}

// Only the area drawn on since the last clear is filled again, in place
// (under the painter if one is open on the image): the rod of the vibrator,
// not its whole box.
void PictureBox::Cls() {
    assureImage();
    if (fond_.alpha() != 255 || image_.format() != QImage::Format_RGB32)
        image_.fill(fond_);
    else
        remplit(trace_, fond_.rgb());
    currentX = currentY = 0;
    // Only what was drawn since the last clear differs from the background.
    // What is drawn next mostly lands in the same place: counted as waiting
    // already, it asks for no repaint of its own.
    if (!trace_.isEmpty()) {
        const QRect dessin = zoneEcran(trace_);
        saleImage_ |= trace_;
        sale_ = zoneEcran(saleImage_);
        update(dessin);
    }
    trace_ = QRect();
}

QRect PictureBox::zoneEcran(const QRect& r) const {
    const int b = bordure();
    return QRectF(r.x() / dpr_, r.y() / dpr_, r.width() / dpr_, r.height() / dpr_)
               .toAlignedRect()
               .adjusted(b - 1, b - 1, b + 1, b + 1) &
           rect();
}

// What a primitive changed, in the image's device pixels: the screen repaints
// that and no more (an oscilloscope segment, the rod of the vibrator).
void PictureBox::marque(const QRectF& r) {
    marque(r.toAlignedRect());
}

namespace {

// The union and the inclusion of rectangles, inline: a disc asks for both.
inline void etend(QRect& a, const QRect& b) {
    if (a.isEmpty())
        a = b;
    else
        a.setCoords(std::min(a.left(), b.left()), std::min(a.top(), b.top()),
                    std::max(a.right(), b.right()), std::max(a.bottom(), b.bottom()));
}

inline bool contient(const QRect& a, const QRect& b) {
    return !a.isEmpty() && a.left() <= b.left() && a.top() <= b.top() && b.right() <= a.right() &&
           b.bottom() <= a.bottom();
}

} // namespace

// Hundreds of discs a tick land where the first ones asked for a repaint:
// the test stays in whole device pixels, and only a wider area asks again.
void PictureBox::marque(const QRect& r) {
    if (r.isEmpty())
        return;
    etend(trace_, r);
    if (!contient(saleImage_, r)) {
        etend(saleImage_, r);
        sale_ = zoneEcran(saleImage_);
        update(sale_);
    }
}

void PictureBox::Line(float x1, float y1, float x2, float y2, const QColor& c) {
    assureImage();
    const QPointF a = aligne(x1, y1), z = aligne(x2, y2);
    const TraitLarge* t =
        drawWidth_ > 1 ? traitLarge(QPoint(int(z.x() - a.x()), int(z.y() - a.y())), c) : nullptr;
    const QPoint coin = t ? a.toPoint() - t->depart : QPoint();
    if (t && image_.rect().contains(QRect(coin, t->taille))) {
        tamponne(t->traits, coin.x(), coin.y(), t->taille);
    } else {
        QPainter& p = peintre();
        if (c != foreColor_) {
            QPen stylo = p.pen();
            stylo.setColor(c);
            p.setPen(stylo);
            styloAJour_ = false;
        }
        p.drawLine(a, z);
    }
    const double e = largeurStylo() / 2 + 1;
    marque(QRectF(a, z).normalized().adjusted(-e, -e, e, e));
    currentX = x2;
    currentY = y2;
}

void PictureBox::Box(float x1, float y1, float x2, float y2, const QColor& c) {
    // Both corners are inside the box, as with the platform's filled boxes.
    assureImage();
    const QRectF r = QRectF(aligne(x1, y1), aligne(x2, y2)).normalized();
    if (c.alpha() == 255 && image_.format() == QImage::Format_RGB32) {
        // Whole pixels of one opaque colour: filled in place.
        remplit(r.toRect().adjusted(0, 0, 1, 1), c.rgb());
    } else {
        peintre().fillRect(r.adjusted(0, 0, 1, 1), c);
    }
    marque(r.adjusted(0, 0, 1, 1));
    currentX = x2;
    currentY = y2;
}

void PictureBox::Circle(float x, float y, float rayon) {
    assureImage();
    const QPointF c = aligne(x, y);
    const double r = std::nearbyint(rayon * ux_ * dpr_);
    // The particles are hundreds of identical discs: draw one once, then
    // stamp its pixels, which wide outlines would otherwise make slow.
    const Tampon& t = tampon(r);
    const QPointF coin(c.x() - r - t.marge, c.y() - r - t.marge);
    if (t.net)
        tamponne(t.traits, int(coin.x()), int(coin.y()), t.image.size());
    else
        peintre().drawImage(coin, t.image);
    marque(QRect(coin.toPoint(), t.image.size()));
    currentX = x;
    currentY = y;
}

bool PictureBox::traitsDe(const QImage& image, std::vector<Trait>& traits) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* ligne = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width();) {
            const int a = qAlpha(ligne[x]);
            if (a != 0 && a != 255)
                return false;
            if (a == 0) {
                ++x;
                continue;
            }
            const int debut = x;
            while (x < image.width() && ligne[x] == ligne[debut])
                ++x;
            traits.push_back({y, debut, x - debut, ligne[debut]});
        }
    }
    return true;
}

const PictureBox::Tampon& PictureBox::tampon(double r) {
    // Discs come in runs of the same kind: the last one used, with the
    // drawing state unchanged since, is the one.
    if (dernier_ < tampons_.size() && versionDernier_ == versionStyle_ &&
        tampons_[dernier_].rayon == r)
        return tampons_[dernier_];
    versionDernier_ = versionStyle_;
    const auto pareil = [&](const Tampon& t) {
        return t.rayon == r && t.plein == fillSolid_ && t.largeur == drawWidth_ &&
               t.style == drawStyle_ && t.trait == foreColor_ && t.remplissage == fillColor_;
    };
    if (dernier_ < tampons_.size() && pareil(tampons_[dernier_]))
        return tampons_[dernier_];
    for (size_t k = 0; k < tampons_.size(); ++k)
        if (pareil(tampons_[k])) {
            dernier_ = k;
            return tampons_[k];
        }
    if (tampons_.size() >= 8)
        tampons_.erase(tampons_.begin());
    Tampon t{r, foreColor_, fillColor_, fillSolid_, drawWidth_, drawStyle_, {}, 0, {}, false};
    t.marge = int(std::ceil(largeurStylo())) + 1;
    const int cote = int(2 * (r + t.marge)) + 1;
    t.image = QImage(cote, cote, QImage::Format_ARGB32_Premultiplied);
    t.image.fill(Qt::transparent);
    QPainter q(&t.image);
    q.setRenderHint(QPainter::Antialiasing, false);
    q.setPen(stylo());
    q.setBrush(brosse());
    q.drawEllipse(QRectF(t.marge, t.marge, 2 * r, 2 * r));
    q.end();
    // Drawn without antialiasing, the disc is made of opaque and clear pixels
    // only; the runs of opaque ones are what stamping it copies.
    t.net = image_.format() == QImage::Format_RGB32 && traitsDe(t.image, t.traits);
    situe(t.traits);
    tampons_.push_back(std::move(t));
    dernier_ = tampons_.size() - 1;
    return tampons_.back();
}

namespace {

// A run of a disc is a few pixels to a few dozen: four at a time, the last
// four overlapping the ones before, rather than one at a time.
inline void remplitTrait(QRgb* pixels, int n, QRgb pixel) {
    if (n < 4) {
        for (int i = 0; i < n; ++i)
            pixels[i] = pixel;
        return;
    }
    const QRgb quatre[4] = {pixel, pixel, pixel, pixel};
    for (int i = 0; i + 4 < n; i += 4)
        std::memcpy(pixels + i, quatre, sizeof quatre);
    std::memcpy(pixels + n - 4, quatre, sizeof quatre);
}

} // namespace

void PictureBox::situe(std::vector<Trait>& traits) const {
    const qsizetype pas = image_.bytesPerLine() / qsizetype(sizeof(QRgb));
    for (Trait& tr : traits)
        tr.decalage = tr.y * pas + tr.x;
}

// An opaque premultiplied pixel is the same 32-bit value as the image's own
// pixel of that colour: stamping is filling the runs, exactly what blending
// the stamp would give.
void PictureBox::tamponne(const std::vector<Trait>& traits, int x, int y, QSize taille) {
    const int largeur = image_.width(), hauteur = image_.height();
    uchar* bits = image_.bits();
    const qsizetype pas = image_.bytesPerLine();
    if (x >= 0 && y >= 0 && x + taille.width() <= largeur && y + taille.height() <= hauteur) {
        // Nearly every disc lies wholly inside: each run is filled where it
        // starts, with nothing to cut.
        QRgb* coin = reinterpret_cast<QRgb*>(bits + y * pas) + x;
        for (const Trait& tr : traits)
            remplitTrait(coin + tr.decalage, tr.n, tr.pixel);
        return;
    }
    for (const Trait& tr : traits) {
        const int ligne = y + tr.y;
        if (ligne < 0 || ligne >= hauteur)
            continue;
        const int debut = std::max(0, x + tr.x), fin = std::min(largeur, x + tr.x + tr.n);
        if (debut < fin)
            remplitTrait(reinterpret_cast<QRgb*>(bits + ligne * pas) + debut, fin - debut,
                         tr.pixel);
    }
}

void PictureBox::remplit(const QRect& r, QRgb pixel) {
    const QRect dedans = r & image_.rect();
    if (dedans.isEmpty())
        return;
    // The image's own fill, over a view of just that part of its pixels.
    QImage vue(image_.bits() + dedans.y() * image_.bytesPerLine() + dedans.x() * 4, dedans.width(),
               dedans.height(), image_.bytesPerLine(), QImage::Format_RGB32);
    vue.fill(pixel);
}

// Wide lines with round ends go through the painter's stroker, slow for the
// few segments a tick draws; the same segment moved by whole pixels is the
// same pixels moved, so each kind is drawn once and stamped after.
const PictureBox::TraitLarge* PictureBox::traitLarge(QPoint d, const QColor& c) {
    if (c.alpha() != 255 || image_.format() != QImage::Format_RGB32)
        return nullptr;
    const double largeur = largeurStylo();
    for (const TraitLarge& t : traitsLarges_)
        if (t.vecteur == d && t.largeur == largeur && t.couleur == c)
            return t.net ? &t : nullptr;
    // The trace of a sensor gives a few dozen kinds of segment at most.
    constexpr size_t Plafond = 64;
    if (traitsLarges_.size() >= Plafond)
        traitsLarges_.erase(traitsLarges_.begin());
    const int m = int(std::ceil(largeur / 2)) + 1;
    TraitLarge t{d,
                 largeur,
                 c,
                 QPoint(m + std::max(0, -d.x()), m + std::max(0, -d.y())),
                 QSize(std::abs(d.x()) + 2 * m + 1, std::abs(d.y()) + 2 * m + 1),
                 {},
                 false};
    QImage image(t.taille, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter q(&image);
    q.setRenderHint(QPainter::Antialiasing, false);
    QPen stylo = this->stylo();
    stylo.setColor(c);
    q.setPen(stylo);
    q.drawLine(t.depart, t.depart + d);
    q.end();
    t.net = traitsDe(image, t.traits);
    situe(t.traits);
    traitsLarges_.push_back(std::move(t));
    return traitsLarges_.back().net ? &traitsLarges_.back() : nullptr;
}

void PictureBox::PSet(float x, float y, const QColor& c) {
    QPainter& p = peintre();
    const QPointF pt = aligne(x, y);
    if (drawWidth_ <= 1) {
        const double w = largeurStylo();
        p.fillRect(QRectF(pt, QSizeF(w, w)), c);
        marque(QRectF(pt, QSizeF(w, w)));
    } else {
        const QImage& d = point(c);
        const QPointF coin(pt.x() - d.width() / 2, pt.y() - d.height() / 2);
        p.drawImage(coin, d);
        marque(QRectF(coin, d.size()));
    }
    currentX = x;
    currentY = y;
}

// A wide point is a round dot as many pixels across as the line is wide:
// every pixel whose centre lies within the disc, so a 4-pixel dot is the
// round 12-pixel dot, not the squarish one a small ellipse rasterises to.
const QImage& PictureBox::point(const QColor& c) {
    const int n = std::max(2, int(largeurStylo()));
    if (point_.width() != n || pointCouleur_ != c) {
        point_ = QImage(n, n, QImage::Format_ARGB32_Premultiplied);
        point_.fill(Qt::transparent);
        const double r = n / 2.0;
        for (int j = 0; j < n; ++j)
            for (int i = 0; i < n; ++i) {
                const double dx = i + 0.5 - r, dy = j + 0.5 - r;
                if (dx * dx + dy * dy <= r * r)
                    point_.setPixelColor(i, j, c);
            }
        pointCouleur_ = c;
    }
    return point_;
}

void PictureBox::Print(double nombre) {
    QPainter& p = peintre();
    // A glyph may reach past its advance: the next clear fills everything.
    toutEstTrace();
    const QString texte = QString::fromStdString(TexteNombre(nombre)) + QLatin1Char(' ');
    QFont police = font();
    police.setPixelSize(int(std::nearbyint(QFontInfo(font()).pixelSize() * dpr_)));
    p.save();
    p.setFont(police);
    p.setPen(foreColor_);
    const QFontMetricsF fm(police, &image_);
    const QPointF haut = aligne(currentX, currentY);
    p.drawText(QPointF(haut.x(), haut.y() + fm.ascent()), texte);
    p.restore();
    marque(QRectF(haut, QSizeF(fm.horizontalAdvance(texte), fm.height())));
    // The next print starts on the following line, at the left edge.
    currentX = 0;
    currentY += fm.height() / dpr_ / uy_;
}

const QImage& PictureBox::image() {
    termine();
    assureImage();
    return image_;
}

void PictureBox::paintEvent(QPaintEvent* e) {
    // The painter on the image, if open, stays so: it draws at once, so the
    // image is whole, and the next tick need not open it again.
    assureImage();
    sale_ = saleImage_ = QRect();
    QPainter p(this);
    const int b = bordure();
    // A finer device than the image (a picture saved for print) gets it smoothed.
    if (p.device()->devicePixelRatioF() != dpr_)
        p.setRenderHint(QPainter::SmoothPixmapTransform);
    // Only the part of the image asked for: most ticks change a few pixels.
    // The region asked for is often a rectangle with holes where children
    // lie; copied one rectangle at a time, each under a clip of its own, the
    // image is a plain copy, not a clipped fill the painter would hand out
    // to worker threads at every tick.
    const QRect dedans(QPoint(b, b), interieur());
    for (const QRect& r : e->region()) {
        const QRect zone = r & dedans;
        if (zone.isEmpty())
            continue;
        const QRectF source((zone.x() - b) * dpr_, (zone.y() - b) * dpr_, zone.width() * dpr_,
                            zone.height() * dpr_);
        p.setClipRect(zone);
        p.drawImage(QRectF(zone), image_, source);
    }
    p.setClipping(false);
    if (b) {
        // The border, b logical pixels wide, inside the outer size.
        const QRegion cadre = QRegion(rect()) - QRegion(rect().adjusted(b, b, -b, -b));
        for (const QRect& r : cadre)
            p.fillRect(r, Qt::black);
    }
}

void PictureBox::resizeEvent(QResizeEvent*) {
    if (!dprFixe_)
        dpr_ = devicePixelRatioF();
    refaitImage();
    rogneEnfants();
}

// A control's place is measured inside its container's border, and whatever
// reaches beyond the interior is not painted: the border stays whole under a
// caption or an option that is wider than the room it was given.
void PictureBox::rogne(QWidget* enfant) const {
    if (enfant->isWindow())
        return;
    const QRect place = enfant->geometry();
    const QRect vu = place & QRect(bordure(), bordure(), interieur().width(), interieur().height());
    if (vu == place) {
        if (!enfant->mask().isEmpty())
            enfant->clearMask();
        return;
    }
    // An empty mask would mean no mask at all: a child wholly outside keeps
    // one pixel beyond its own corner, which shows nothing.
    const QRegion masque =
        vu.isEmpty() ? QRegion(-1, -1, 1, 1) : QRegion(vu.translated(-place.topLeft()));
    if (enfant->mask() != masque)
        enfant->setMask(masque);
}

void PictureBox::rogneEnfants() const {
    for (QObject* o : children())
        if (auto* w = qobject_cast<QWidget*>(o))
            rogne(w);
}

void PictureBox::childEvent(QChildEvent* e) {
    if (e->added() && e->child()->isWidgetType())
        e->child()->installEventFilter(this);
    QWidget::childEvent(e);
}

bool PictureBox::eventFilter(QObject* objet, QEvent* e) {
    if ((e->type() == QEvent::Move || e->type() == QEvent::Resize) && objet->parent() == this)
        rogne(static_cast<QWidget*>(objet));
    return QWidget::eventFilter(objet, e);
}

void PictureBox::mousePressEvent(QMouseEvent* e) {
    appuye_ = true;
    e->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
    const QPointF interieur = e->position() - QPointF(bordure(), bordure());
    const QPointF u = versEchelle(interieur);
    const bool dedans = rect().contains(e->position().toPoint());
    emit mouseUp(e->button(), u.x(), u.y());
    if (appuye_ && dedans && e->button() == Qt::LeftButton)
        emit clicked();
    appuye_ = false;
}

} // namespace vibralume
