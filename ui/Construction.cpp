#include "ui/Construction.h"

#include "assets/Ressources.h"
#include "views/BoutonCommande.h"
#include "views/ConteneurEnonce.h"
#include "views/Etiquette.h"
#include "views/Forme.h"
#include "views/ImageControle.h"
#include "views/Oscilloscope.h"
#include "views/PictureBox.h"
#include "views/Trait.h"
#include "views/Twips.h"

#include <QApplication>
#include <QCheckBox>
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

QFont resoudPolice(const DefPolice& p) {
    QFont f;
    const QString famille = QString::fromLatin1(p.famille ? p.famille : "Calibri");
    // Calibri and Arial are served by their metric twins, embedded in the
    // program; the lambda of the symbol font is an ordinary Greek letter here.
    f.setFamilies({famille == QLatin1String("Calibri") ? QStringLiteral("Carlito")
                                                       : QStringLiteral("Liberation Sans")});
    f.setPixelSize(pointsEnPixels(p.pt > 0 ? p.pt : 8));
    f.setBold(p.gras);
    f.setItalic(p.italique);
    f.setUnderline(p.souligne);
    return f;
}

namespace {

bool estLeger(Genre g) {
    return g == Genre::Etiq || g == Genre::Img || g == Genre::Ligne || g == Genre::Forme;
}

// The picture of a button: at the size it was drawn, or stretched to fill the
// button inside its bevel when the button has no caption.
void imageBouton(QPushButton* b, const QString& nom, QSize taille = {}) {
    if (taille.isEmpty())
        taille = QSvgRenderer(QStringLiteral(":/images/%1.svg").arg(nom)).defaultSize();
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
        if (d.police.famille)
            b->setFont(resoudPolice(d.police));
        return b;
    }
    case Genre::Etiq: {
        auto* e = new Etiquette(parent);
        if (d.legende)
            e->setText(QString::fromUtf8(d.legende));
        const Qt::Alignment h = d.align == Aligne::Centre   ? Qt::AlignHCenter
                                : d.align == Aligne::Droite ? Qt::AlignRight
                                                            : Qt::AlignLeft;
        e->setAlignment(h | Qt::AlignTop);
        if (d.bordure) {
            e->setFrameStyle(QFrame::Box | QFrame::Plain);
            e->setLineWidth(1);
        }
        e->setFont(resoudPolice(d.police));
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
        const QPointF a = boite->versEchelle(QPointF(d.x, d.y) / TwipsParPixel);
        const QPointF z = boite->versEchelle(QPointF(d.l, d.h) / TwipsParPixel);
        t->setPoints(a.x(), a.y(), z.x(), z.y());
        t->setCouleur(resoudCouleur(d.texte));
        return t;
    }
    case Genre::Forme:
        return new Forme(resoudCouleur(d.texte), resoudCouleur(d.fond), parent);
    case Genre::Bouton: {
        auto* b = new BoutonCommande(parent);
        couleurs(b, d);
        if (d.legende) {
            b->setText(QString::fromUtf8(d.legende));
            b->setFont(resoudPolice(d.police));
            // Beside a caption the picture keeps the size it was drawn at.
            if (d.image)
                imageBouton(b, QString::fromLatin1(d.image));
        }
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
        auto* o = new QRadioButton(QString::fromUtf8(d.legende), parent);
        o->setFont(resoudPolice(d.police));
        o->setChecked(d.coche);
        couleurs(o, d);
        return o;
    }
    case Genre::Case: {
        auto* c = new QCheckBox(QString::fromUtf8(d.legende), parent);
        c->setFont(resoudPolice(d.police));
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

QHash<QString, QWidget*> construitControles(QWidget* fenetre,
                                            const std::vector<DefControle>& table) {
    QHash<QString, QWidget*> controles;
    for (const DefControle& d : table) {
        QWidget* parent = *d.dans ? controles.value(QString::fromLatin1(d.dans)) : fenetre;
        if (!parent)
            throw std::logic_error(std::string("container listed after its control: ") + d.nom);
        QWidget* w = cree(d, parent);
        w->setObjectName(QString::fromLatin1(d.nom));
        if (d.index >= 0)
            w->setProperty("Index", d.index);
        if (d.genre != Genre::Ligne) {
            const auto* boite = qobject_cast<PictureBox*>(parent);
            const int b = boite ? boite->bordure() : 0;
            w->setGeometry(b + twips(d.x), b + twips(d.y), twips(d.l), twips(d.h));
        }
        if (d.genre == Genre::Bouton && d.image && !d.legende)
            imageBouton(static_cast<QPushButton*>(w), QString::fromLatin1(d.image),
                        w->size() - QSize(4, 4));
        pointeur(w, d);
        if (d.bulle)
            w->setToolTip(QString::fromUtf8(d.bulle));
        w->setVisible(d.visible);
        controles.insert(w->objectName(), w);
    }
    // Controls painted on their container's surface lie behind the windowed
    // ones; within each layer the first listed lies in front.
    for (bool leger : {true, false})
        for (auto it = table.rbegin(); it != table.rend(); ++it)
            if (estLeger(it->genre) == leger)
                controles.value(QString::fromLatin1(it->nom))->raise();
    return controles;
}

} // namespace vibralume
