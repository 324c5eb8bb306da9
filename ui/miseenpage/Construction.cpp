#include "ui/miseenpage/Construction.h"

#include "assets/Ressources.h"
#include "views/BoutonCommande.h"
#include "views/ConteneurEnonce.h"
#include "views/Etiquette.h"
#include "views/Forme.h"
#include "views/ImageControle.h"
#include "views/Oscilloscope.h"
#include "views/PictureBox.h"
#include "views/StyleZoom.h"
#include "views/Trait.h"
#include "views/Twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSvgRenderer>
#include <stdexcept>

namespace vibralume {

QString traduitMiseEnPage(const char* texte) {
    return QCoreApplication::translate(ContexteMiseEnPage, texte);
}

QColor resoudCouleur(int c) {
    const QPalette pal = QApplication::palette();
    switch (c) {
    case couleur::SysTexte:
        return pal.color(QPalette::WindowText);
    case couleur::SysFond:
        return pal.color(QPalette::Base);
    case couleur::SysBouton:
        return pal.color(QPalette::ButtonText);
    case couleur::SysInactif:
        // Desktop palettes have no role for an inactive title bar: take the
        // classic mid grey, which reads well on the white vibrator view.
        return QColor(128, 128, 128);
    default:
        return QColor::fromRgb(QRgb(c));
    }
}

QFont resoudPolice(const DefPolice& p, double zoom) {
    QFont f;
    const QString famille = QString::fromLatin1(p.famille ? p.famille : "Calibri");
    // Calibri and Arial are served by their metric twins, embedded in the
    // program; the lambda of the symbol font is an ordinary Greek letter here.
    f.setFamilies({famille == QLatin1String("Calibri") ? QStringLiteral("Carlito")
                                                       : QStringLiteral("Liberation Sans")});
    f.setPixelSize(pointsEnPixels(p.pt > 0 ? p.pt : 8, zoom));
    f.setBold(p.gras);
    f.setItalic(p.italique);
    f.setUnderline(p.souligne);
    return f;
}

namespace {

bool estLeger(Genre g) {
    return g == Genre::Etiq || g == Genre::Img || g == Genre::Ligne || g == Genre::Forme;
}

// The picture of a button: at the size it was drawn (times the zoom), or at
// the size given.
void imageBouton(QPushButton* b, const QString& nom, double zoom, QSize taille = {}) {
    if (taille.isEmpty())
        taille = QSvgRenderer(QStringLiteral(":/images/%1.svg").arg(nom)).defaultSize() * zoom;
    QIcon icone;
    for (const qreal dpr : {1.0, 2.0})
        icone.addPixmap(image(nom, taille, dpr));
    b->setIcon(icone);
    b->setIconSize(taille);
}

void couleurs(QWidget* w, const DefControle& d) {
    QPalette pal = w->palette();
    if (d.texte != couleur::Aucune) {
        pal.setColor(QPalette::WindowText, resoudCouleur(d.texte));
        pal.setColor(QPalette::ButtonText, resoudCouleur(d.texte));
        pal.setColor(QPalette::Text, resoudCouleur(d.texte));
    }
    if (d.fond != couleur::Aucune) {
        pal.setColor(QPalette::Window, resoudCouleur(d.fond));
        pal.setColor(QPalette::Button, resoudCouleur(d.fond));
        w->setAutoFillBackground(true);
    }
    w->setPalette(pal);
}

QWidget* cree(const DefControle& d, QWidget* parent) {
    switch (d.genre) {
    case Genre::Boite: {
        auto* b = new PictureBox(parent);
        b->setBordure(d.bordure);
        b->setFond(resoudCouleur(d.fond));
        b->setForeColor(resoudCouleur(d.texte));
        b->setDrawWidth(d.epaisseur);
        if (d.echelle == Echelle::Centimetres)
            b->setEchelleCentimetres();
        else if (d.echelle == Echelle::Oscillo)
            b->setEchelleUtilisateur(TwipsParDivisionX, TwipsParDivisionY);
        return b;
    }
    case Genre::Etiq: {
        auto* e = new Etiquette(parent);
        if (d.legende)
            e->setText(traduitMiseEnPage(d.legende));
        const Qt::Alignment h = d.align == Aligne::Centre   ? Qt::AlignHCenter
                                : d.align == Aligne::Droite ? Qt::AlignRight
                                                            : Qt::AlignLeft;
        e->setAlignment(h | Qt::AlignTop);
        if (d.bordure)
            e->setFrameStyle(QFrame::Box | QFrame::Plain);
        couleurs(e, d);
        return e;
    }
    case Genre::Img: {
        auto* i = new ImageControle(parent);
        i->setNomImage(QString::fromLatin1(d.image));
        return i;
    }
    case Genre::Ligne: {
        auto* boite = qobject_cast<PictureBox*>(parent);
        if (!boite)
            throw std::logic_error("a line lies on a picture box");
        auto* t = new Trait(boite);
        // End points in the box's scale units, whatever its zoom.
        const QPointF a = boite->versEchelle(QPointF(d.x, d.y) / TwipsParPixel * boite->zoom());
        const QPointF z = boite->versEchelle(QPointF(d.l, d.h) / TwipsParPixel * boite->zoom());
        t->setPoints(a.x(), a.y(), z.x(), z.y());
        t->setCouleur(resoudCouleur(d.texte));
        return t;
    }
    case Genre::Forme:
        return new Forme(resoudCouleur(d.texte), resoudCouleur(d.fond), parent);
    case Genre::Bouton: {
        auto* b = new BoutonCommande(parent);
        couleurs(b, d);
        if (d.legende)
            b->setText(traduitMiseEnPage(d.legende));
        return b;
    }
    case Genre::Barre: {
        auto* s = new QScrollBar(Qt::Horizontal, parent);
        s->setRange(d.min, d.max);
        s->setValue(d.valeur);
        s->setSingleStep(d.petit);
        s->setPageStep(d.grand);
        return s;
    }
    case Genre::Option: {
        auto* o = new QRadioButton(traduitMiseEnPage(d.legende), parent);
        o->setChecked(d.coche);
        couleurs(o, d);
        return o;
    }
    case Genre::Case: {
        auto* c = new QCheckBox(traduitMiseEnPage(d.legende), parent);
        c->setChecked(d.coche);
        couleurs(c, d);
        return c;
    }
    case Genre::Cadre: {
        auto* c = new QWidget(parent);
        couleurs(c, d);
        return c;
    }
    case Genre::Ole: {
        auto* o = new ConteneurEnonce(parent);
        couleurs(o, d);
        return o;
    }
    }
    throw std::logic_error("unknown control kind");
}

// Everything of a control that follows the zoom: its place and size inside
// its container's border, its font, its lines and its pictures. The window's
// own children are shifted by `origine`.
void place(QWidget* w, const DefControle& d, QWidget* fenetre, double zoom, QPoint origine) {
    if (d.genre == Genre::Ligne) {
        static_cast<Trait*>(w)->replace();
        return;
    }
    QWidget* parent = w->parentWidget();
    // A drawing surface at its new scale before its new size: its image is
    // then made once, at the new size, with nothing to carry over.
    if (d.genre == Genre::Boite)
        static_cast<PictureBox*>(w)->setZoom(zoom);
    const auto* boite = qobject_cast<PictureBox*>(parent);
    const int b = boite ? boite->bordure() : 0;
    const QPoint o = parent == fenetre ? origine : QPoint();
    w->setGeometry(o.x() + b + twips(d.x, zoom), o.y() + b + twips(d.y, zoom), twips(d.l, zoom),
                   twips(d.h, zoom));
    const int e = epaisseur(1, zoom);
    switch (d.genre) {
    case Genre::Boite:
        if (d.police.famille)
            w->setFont(resoudPolice(d.police, zoom));
        break;
    case Genre::Etiq: {
        auto* etiquette = static_cast<Etiquette*>(w);
        w->setFont(resoudPolice(d.police, zoom));
        if (d.bordure)
            etiquette->setLineWidth(e);
        // The text's width at 100 %: inside the border, one pixel wide there.
        etiquette->setMiseDeReference(resoudPolice(d.police, 1),
                                      twips(d.l, 1) - (d.bordure ? 2 * epaisseur(1, 1) : 0));
        break;
    }
    case Genre::Forme:
        static_cast<Forme*>(w)->setEpaisseur(e);
        break;
    case Genre::Bouton: {
        auto* bouton = static_cast<BoutonCommande*>(w);
        bouton->setEpaisseur(e);
        if (d.legende) {
            bouton->setFont(resoudPolice(d.police, zoom));
            // Beside a caption the picture keeps the size it was drawn at.
            if (d.image)
                imageBouton(bouton, QString::fromLatin1(d.image), zoom);
        } else if (d.image) {
            // Without one, it fills the button inside its bevel.
            imageBouton(bouton, QString::fromLatin1(d.image), zoom,
                        w->size() - QSize(4 * e, 4 * e));
        }
        break;
    }
    case Genre::Option:
    case Genre::Case:
        w->setFont(resoudPolice(d.police, zoom));
        break;
    case Genre::Ole:
        static_cast<QFrame*>(w)->setLineWidth(e);
        break;
    default:
        break;
    }
}

void pointeur(QWidget* w, const DefControle& d) {
    switch (d.pointeur) {
    case Pointeur::Main:
        w->setCursor(curseurMain());
        break;
    case Pointeur::Saisie:
        w->setCursor(curseurSaisie());
        break;
    case Pointeur::Interdit:
        w->setCursor(Qt::ForbiddenCursor);
        break;
    case Pointeur::Fleche:
        w->setCursor(Qt::ArrowCursor);
        break;
    case Pointeur::Defaut:
        // Windowed controls show the arrow; captions, pictures and shapes
        // show their container's pointer.
        if (!estLeger(d.genre))
            w->setCursor(Qt::ArrowCursor);
        break;
    }
}

} // namespace

void centreSurEcran(QWidget* fenetre) {
    if (const QScreen* ecran = fenetre->screen()) {
        const QRect zone = ecran->availableGeometry();
        fenetre->move(zone.x() + (zone.width() - fenetre->width()) / 2,
                      zone.y() + (zone.height() - fenetre->height()) / 2);
    }
}

namespace {

// Watches a window for its first show, centres it, then goes away.
class CentrageInitial : public QObject {
public:
    explicit CentrageInitial(QWidget* fenetre) : QObject(fenetre) {
        fenetre->installEventFilter(this);
    }
    bool eventFilter(QObject* objet, QEvent* e) override {
        if (e->type() == QEvent::Show) {
            centreSurEcran(static_cast<QWidget*>(objet));
            objet->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

} // namespace

void centreAuPremierAffichage(QWidget* fenetre) {
    new CentrageInitial(fenetre);
}

ControlesConstruits construitControles(QWidget* fenetre, const std::vector<DefControle>& table,
                                       double zoom) {
    auto* style = new StyleZoom(fenetre);
    style->setObjectName(QStringLiteral("StyleZoom"));
    ControlesConstruits controles(table, style);
    for (const DefControle& d : table) {
        QWidget* parent = *d.dans ? controles.controle(QString::fromLatin1(d.dans)) : fenetre;
        if (!parent)
            throw std::logic_error(std::string("container listed after its control: ") + d.nom);
        QWidget* w = cree(d, parent);
        w->setObjectName(QString::fromLatin1(d.nom));
        if (d.index >= 0)
            w->setProperty("Index", d.index);
        if (d.genre == Genre::Barre || d.genre == Genre::Option || d.genre == Genre::Case)
            w->setStyle(style);
        pointeur(w, d);
        if (d.bulle)
            w->setToolTip(traduitMiseEnPage(d.bulle));
        controles.ajoute(w);
    }
    // Placed before they are shown: a control shown without a size of its
    // own would first be sized to its contents, for nothing.
    placeControles(fenetre, controles, zoom);
    const std::vector<QWidget*>& widgets = controles.parRang();
    for (std::size_t i = 0; i < table.size(); ++i)
        widgets[i]->setVisible(table[i].visible);
    // Controls painted on their container's surface lie behind the windowed
    // ones; within each layer the first listed lies in front.
    for (bool leger : {true, false})
        for (std::size_t i = table.size(); i-- > 0;)
            if (estLeger(table[i].genre) == leger)
                widgets[i]->raise();
    return controles;
}

void placeControles(QWidget* fenetre, const ControlesConstruits& controles, double zoom,
                    QPoint origine) {
    if (StyleZoom* style = controles.style())
        style->setZoom(zoom);
    const std::vector<DefControle>& table = controles.table();
    const std::vector<QWidget*>& widgets = controles.parRang();
    for (std::size_t i = 0; i < table.size(); ++i)
        place(widgets[i], table[i], fenetre, zoom, origine);
}

} // namespace vibralume
