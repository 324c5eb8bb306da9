// Every English caption fits the room its control has, on both windows and at
// every zoom a teacher can choose: measured with the control's own font, as
// the control lays it out, it is never wider than the control, nor, when it
// takes more than one line, taller. The captions the refresh rewrites are
// measured with every value they can show.

#include "Banc.h"
#include "ui/accueil/Accueil.h"
#include "ui/accueil/MiseEnPageAccueil.h"
#include "ui/classe/ZoomOS.h"
#include "ui/demarrage/Langue.h"
#include "ui/simulation/MiseEnPageOS.h"
#include "views/BoutonCommande.h"
#include "views/Etiquette.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <cmath>
#include <map>
#include <set>

using namespace vibralume;

namespace {

QWidget* pasDeFenetre() {
    qFatal("the main window was asked for");
}

// What `texte` would overflow in `w` with its font and size now; empty when it fits.
QString depasse(QWidget* w, const QString& texte) {
    const QFontMetricsF fm(w->font(), w);
    if (auto* e = qobject_cast<Etiquette*>(w)) {
        // As Etiquette lays its caption out: word-wrapped to its width, one
        // line after the other at the font's height.
        const QRect zone = e->contentsRect();
        QTextLayout mise(texte, e->font(), e);
        QTextOption option(e->alignment() & Qt::AlignHorizontal_Mask);
        option.setWrapMode(QTextOption::WordWrap);
        mise.setTextOption(option);
        int lignes = 0;
        mise.beginLayout();
        for (QTextLine l = mise.createLine(); l.isValid(); l = mise.createLine()) {
            l.setLineWidth(zone.width());
            ++lignes;
            const QString morceau = texte.mid(l.textStart(), l.textLength()).trimmed();
            const qreal largeur = fm.horizontalAdvance(morceau);
            if (largeur > zone.width())
                return QStringLiteral("line \"%1\" is %2 px wide, room for %3")
                    .arg(morceau)
                    .arg(largeur, 0, 'f', 1)
                    .arg(zone.width());
        }
        mise.endLayout();
        const qreal hauteur = lignes * fm.height();
        if (lignes > 1 && hauteur > zone.height())
            return QStringLiteral("%1 lines are %2 px high, room for %3")
                .arg(lignes)
                .arg(hauteur, 0, 'f', 1)
                .arg(zone.height());
        return {};
    }
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        QStyleOptionButton o;
        o.initFrom(b);
        o.text = texte;
        qreal place = 0;
        qreal besoin = fm.horizontalAdvance(texte);
        if (qobject_cast<QRadioButton*>(b)) {
            place = b->style()->subElementRect(QStyle::SE_RadioButtonContents, &o, b).width();
        } else if (qobject_cast<QCheckBox*>(b)) {
            place = b->style()->subElementRect(QStyle::SE_CheckBoxContents, &o, b).width();
        } else {
            // A command button draws its picture, 4 pixels, then its caption,
            // inside its two-line bevel.
            auto* bouton = qobject_cast<BoutonCommande*>(b);
            if (!bouton)
                return QStringLiteral("not a command button");
            place = b->width() - 4 * bouton->epaisseur();
            if (!b->icon().isNull())
                besoin += b->iconSize().width() + 4;
        }
        if (besoin > place)
            return QStringLiteral("needs %1 px, room for %2").arg(besoin, 0, 'f', 1).arg(place);
        return {};
    }
    return QStringLiteral("not a captioned control");
}

/// Every zoom the keys and the options may choose: 50 % to 400 % by 25 %.
std::vector<double> zooms() {
    std::vector<double> z;
    for (double x = ZoomOS::Minimum; x <= ZoomOS::Maximum + 1e-9; x += ZoomOS::Pas)
        z.push_back(x);
    return z;
}

} // namespace

class TstAnglaisTient : public QObject {
    Q_OBJECT
    // Every text each rewritten caption of the main window can show.
    std::map<QString, std::set<QString>> variantes_;

private slots:
    void initTestCase() {
        prepareApplication();
        QVERIFY(Langue::installe(Langue::anglais()));
        // The refresh's captions, swept over every value of their scroll bars.
        Banc b;
        auto note = [&] {
            for (const char* nom : {"Label2", "label3", "Label32", "Label23", "lambda", "f", "vit"})
                variantes_[QString::fromLatin1(nom)].insert(b.texte(nom));
        };
        for (int v = b.barre("v")->minimum(); v <= b.barre("v")->maximum(); ++v) {
            b.barre("v")->setValue(v);
            for (int f = b.barre("frequence")->minimum(); f <= b.barre("frequence")->maximum();
                 ++f) {
                b.barre("frequence")->setValue(f);
                note();
            }
            // The amplitude's maximum depends on the speed and the frequency.
            for (int f : {1, 40}) {
                b.barre("frequence")->setValue(f);
                for (int a = 0; a <= b.barre("Amplitude")->maximum(); ++a) {
                    b.barre("Amplitude")->setValue(a);
                    note();
                }
            }
        }
        for (int a = 0; a <= b.barre("AmplitudeSoliton")->maximum(); ++a) {
            b.barre("AmplitudeSoliton")->setValue(a);
            note();
        }
        // The sweep reached the ends: 0.1 Hz to 4 Hz, 5 to 40 cm/s.
        QVERIFY(variantes_["f"].count(QStringLiteral("0.1Hz")));
        QVERIFY(variantes_["f"].count(QStringLiteral(" 4Hz")));
        QVERIFY(variantes_["vit"].count(QStringLiteral(" 40cm/s")));
        QVERIFY(variantes_["Label2"].count(QStringLiteral("frequency: 0.1Hz")));
    }
    void cleanupTestCase() { Langue::installe(Langue::francais()); }

    void fenetrePrincipale_data() {
        QTest::addColumn<double>("zoom");
        for (double z : zooms())
            QTest::newRow(qPrintable(QStringLiteral("%1 %").arg(z * 100))) << z;
    }
    void fenetrePrincipale() {
        QFETCH(double, zoom);
        Banc b;
        ZoomOS z(*b.os);
        z.setZoom(zoom);
        QCOMPARE(b.os->width(), ZoomOS::taille(zoom).width());
        QStringList fautes;
        int mesures = 0;
        for (const DefControle& d : MiseEnPageOS()) {
            const QString nom = QString::fromLatin1(d.nom);
            QWidget* w = b.os->controle(nom);
            std::set<QString> textes =
                variantes_.count(nom) ? variantes_[nom] : std::set<QString>{};
            if (d.legende)
                textes.insert(texteDe(w));
            for (const QString& t : textes) {
                ++mesures;
                if (const QString faute = depasse(w, t); !faute.isEmpty())
                    fautes << nom + QStringLiteral(": ") + faute;
            }
        }
        QVERIFY(mesures > 50);
        QVERIFY2(fautes.isEmpty(), qPrintable(fautes.join(QLatin1Char('\n'))));
    }

    void pageDAccueil_data() { fenetrePrincipale_data(); }
    void pageDAccueil() {
        QFETCH(double, zoom);
        Module1 m;
        AleatoireScripte alea{{0.5}};
        Accueil a(m, alea, pasDeFenetre, nullptr, zoom);
        a.Timer1().stop();
        QStringList fautes;
        int mesures = 0;
        for (const DefControle& d : MiseEnPageAccueil()) {
            if (!d.legende)
                continue;
            QWidget* w = a.controle(QString::fromLatin1(d.nom));
            ++mesures;
            if (const QString faute = depasse(w, texteDe(w)); !faute.isEmpty())
                fautes << QString::fromLatin1(d.nom) + QStringLiteral(": ") + faute;
        }
        QCOMPARE(mesures, 8);
        QVERIFY2(fautes.isEmpty(), qPrintable(fautes.join(QLatin1Char('\n'))));
    }

    // The measure itself: a caption one word too long for its control is
    // caught, wide or wrapped onto a line too many.
    void mesureFiable() {
        Banc b;
        QVERIFY(depasse(b.w("Label1"), texteDe(b.w("Label1"))).isEmpty());
        QVERIFY(!depasse(b.w("Label1"), texteDe(b.w("Label1")).repeated(4)).isEmpty());
        // Twice the words: as wide as the room, but a line too many.
        const QString deux = texteDe(b.w("Label21")) + QLatin1Char(' ') + texteDe(b.w("Label21"));
        QVERIFY(depasse(b.w("Label21"), deux).contains(QStringLiteral("lines")));
        QVERIFY(!depasse(b.w("Gaz"), QStringLiteral("Gas, a long way from a solid")).isEmpty());
        QVERIFY(!depasse(b.w("Amortissement"), QStringLiteral("Simulate a damping of the wave"))
                     .isEmpty());
    }
};

QTEST_MAIN(TstAnglaisTient)
#include "tst_anglais_tient.moc"
