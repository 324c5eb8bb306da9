// The interface in French and in English, side by side in an English desktop
// session: French unless English is installed, whatever the system says; in
// English every caption, tooltip, key of the list, menu entry, screen reader
// name, window title, notice, measurement file and the statement itself say
// their English, and what is a name, a number or a symbol stays as it is.

#include "Banc.h"
#include "ui/accueil/Accueil.h"
#include "ui/accueil/MiseEnPageAccueil.h"
#include "ui/classe/Annonce.h"
#include "ui/classe/ComplementsOS.h"
#include "ui/classe/FenetreAPropos.h"
#include "ui/classe/MenuFond.h"
#include "ui/classe/TableCommandes.h"
#include "ui/classe/Volume.h"
#include "ui/classe/ZoomOS.h"
#include "ui/demarrage/Langue.h"
#include "ui/partage/Enregistrement.h"
#include "ui/partage/FenetreGraphes.h"
#include "ui/simulation/MiseEnPageOS.h"
#include "ui/simulation/VisionneuseEnonce.h"
#include "views/ConteneurEnonce.h"

#include <QMenu>
#include <QPdfDocument>
#include <QPdfView>
#include <QRegularExpression>
#include <QTreeWidget>

using namespace vibralume;

namespace {

QWidget* pasDeFenetre() {
    qFatal("the main window was asked for");
}

/// Captions that are names, numbers or symbols, left out of the translation.
const QStringList Inchangees = {
    "1", "2", "λ = ", "f   = ", "v  = ", "v = ", "Vibralume", "Vibralume 2026"};
/// Words English writes as French does: translated, and the same.
const QStringList MotsCommuns = {"Vibration", "Oscilloscope", "Pause"};
/// Captions the start-up writes again from the parameters.
const QStringList Recrites = {"Label2", "label3", "Label32", "Label23"};

/// The caption each scroll bar's description follows.
const QHash<QString, QString> LegendesDesBarres = {{"frequence", "Label2"},
                                                   {"Amplitude", "label3"},
                                                   {"AmplitudeSoliton", "Label32"},
                                                   {"v", "Label23"}};

/// What gives French away: its accents, its guillemets, its small words.
QString francais(const QString& texte) {
    static const QRegularExpression marques(
        QStringLiteral(
            "[éèêëàâçîïôûùœÉÈÀÇ«»]|\\b(le|la|les|des|du|une|et|pour|au|aux|Maj|Espace|Flèche|haut|"
            "bas|moins|Échap|Fenêtres|Touches)\\b"),
        QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch m = marques.match(texte);
    return m.hasMatch() ? m.captured() : QString();
}

/// The main window with its additions and the home page, built in one
/// language, with what is made of texts on demand made at once.
struct Fenetres {
    Banc banc;
    ComplementsOS complements{*banc.os, DemarrageOS{}, [](double) {}, nullptr};
    Module1 m;
    AleatoireScripte alea{{0.5}};
    Accueil accueil{m, alea, pasDeFenetre};
    QString csv;
    Fenetres() {
        accueil.Timer1().stop();
        complements.graphes();
        csv = complements.enregistrement().csv();
    }

    QWidget* controle(const QString& fenetre, const QString& nom) const {
        return fenetre == QLatin1String("Accueil") ? accueil.controle(nom) : banc.os->controle(nom);
    }
};

/// Every entry of a menu and of its submenus, the keys left out.
QStringList entrees(const QMenu* menu) {
    QStringList textes;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator())
            continue;
        textes << a->text().section(QLatin1Char('\t'), 0, 0);
        if (a->menu())
            textes << entrees(a->menu());
    }
    return textes;
}

QString titrePdf(const QPdfDocument& d) {
    return d.metaData(QPdfDocument::MetaDataField::Title).toString();
}

} // namespace

class TstAnglais : public QObject {
    Q_OBJECT
    std::unique_ptr<Fenetres> fr_;
    std::unique_ptr<Fenetres> en_;

    // English, not French, and not empty; the same where both languages
    // write it alike.
    static void verifieAnglais(const QString& anglais, const QString& source, const QString& ou) {
        const QString contexte = ou + QStringLiteral(": \"") + anglais + QStringLiteral("\"");
        QVERIFY2(!anglais.trimmed().isEmpty(), qPrintable(contexte));
        if (MotsCommuns.contains(source.trimmed())) {
            QCOMPARE(anglais, source);
            return;
        }
        QVERIFY2(anglais != source, qPrintable(contexte + QStringLiteral(" is the French")));
        const QString trace = francais(anglais);
        QVERIFY2(trace.isEmpty(), qPrintable(contexte + QStringLiteral(" has ") + trace));
    }

private slots:
    void initTestCase() {
        // The environment is English: the program must not follow it.
        QCOMPARE(QLocale::system().language(), QLocale::English);
        prepareApplication();
        QCOMPARE(Langue::installee(), Langue::francais());
        fr_ = std::make_unique<Fenetres>();
        QVERIFY(Langue::installe(Langue::anglais()));
        QCOMPARE(Langue::installee(), Langue::anglais());
        en_ = std::make_unique<Fenetres>();
    }
    void cleanupTestCase() {
        en_.reset();
        fr_.reset();
        QVERIFY(Langue::installe(Langue::francais()));
        QCOMPARE(Langue::installee(), Langue::francais());
    }

    // Every caption and tooltip of both layout tables.
    void legendes_data() {
        QTest::addColumn<QString>("fenetre");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("bulle");
        auto lignes = [](const char* fenetre, const std::vector<DefControle>& table) {
            for (const DefControle& d : table) {
                const QString nom = QString::fromLatin1(d.nom);
                if (d.legende && !Recrites.contains(nom))
                    QTest::addRow("%s %s", fenetre, d.nom)
                        << fenetre << nom << QString::fromUtf8(d.legende) << false;
                if (d.bulle)
                    QTest::addRow("%s %s tooltip", fenetre, d.nom)
                        << fenetre << nom << QString::fromUtf8(d.bulle) << true;
            }
        };
        lignes("OS", MiseEnPageOS());
        lignes("Accueil", MiseEnPageAccueil());
    }
    void legendes() {
        QFETCH(QString, fenetre);
        QFETCH(QString, nom);
        QFETCH(QString, source);
        QFETCH(bool, bulle);
        QWidget* enFrancais = fr_->controle(fenetre, nom);
        QWidget* enAnglais = en_->controle(fenetre, nom);
        QVERIFY(enFrancais && enAnglais);
        const QString francais = bulle ? enFrancais->toolTip() : texteDe(enFrancais);
        const QString anglais = bulle ? enAnglais->toolTip() : texteDe(enAnglais);
        QCOMPARE(francais, source);
        if (Inchangees.contains(source))
            QCOMPARE(anglais, source);
        else
            verifieAnglais(anglais, source, nom);
    }

    // The captions the refresh writes: their words translated, their
    // numbers and units as the model writes them, after a scroll too.
    void legendesRecrites_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("francais");
        QTest::addColumn<QString>("anglais");
        QTest::newRow("Label2") << "Label2"
                                << "fréquence :  1.8Hz"
                                << "frequency:  1.8Hz";
        QTest::newRow("label3") << "label3"
                                << "Amplitude :  1cm"
                                << "Amplitude:  1cm";
        QTest::newRow("Label32") << "Label32"
                                 << "Amplitude du soliton :  0cm"
                                 << "Pulse amplitude:  0cm";
        QTest::newRow("Label23") << "Label23"
                                 << "v= 15cm/s"
                                 << "v= 15cm/s";
        QTest::newRow("lambda") << "lambda"
                                << " 8.33cm"
                                << " 8.33cm";
    }
    void legendesRecrites() {
        QFETCH(QString, nom);
        QTEST(texteDe(fr_->banc.os->controle(nom)), "francais");
        QTEST(texteDe(en_->banc.os->controle(nom)), "anglais");
    }
    void frequenceDefilee() {
        Banc b; // English is installed
        b.barre("frequence")->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(b.texte("Label2"), QStringLiteral("frequency:  1.7Hz"));
        b.barre("frequence")->setValue(5);
        QCOMPARE(b.texte("Label2"), QStringLiteral("frequency: 0.5Hz"));
    }

    // The list of keys: every heading and effect English, the keys named as
    // an English keyboard names them; the keys themselves do not change.
    void raccourcis() {
        const auto& fr = fr_->complements.commandes().groupes();
        const auto& en = en_->complements.commandes().groupes();
        QCOMPARE(en.size(), fr.size());
        int lignes = 0;
        for (std::size_t g = 0; g < en.size(); ++g) {
            verifieAnglais(en[g].titre, fr[g].titre, QStringLiteral("heading"));
            QCOMPARE(en[g].lignes.size(), fr[g].lignes.size());
            for (std::size_t l = 0; l < en[g].lignes.size(); ++l, ++lignes) {
                verifieAnglais(en[g].lignes[l].effet, fr[g].lignes[l].effet, en[g].titre);
                QVERIFY2(francais(en[g].lignes[l].touches).isEmpty(),
                         qPrintable(en[g].lignes[l].touches));
            }
        }
        QVERIFY(lignes > 30);
        QCOMPARE(en_->banc.os->actions().size(), fr_->banc.os->actions().size());
        for (qsizetype i = 0; i < en_->banc.os->actions().size(); ++i)
            QCOMPARE(en_->banc.os->actions()[i]->shortcuts(),
                     fr_->banc.os->actions()[i]->shortcuts());

        en_->complements.montreRaccourcis();
        auto* liste = en_->banc.os->findChild<QTreeWidget*>(QStringLiteral("liste"));
        QVERIFY(liste);
        verifieAnglais(liste->window()->windowTitle(),
                       QStringLiteral("Raccourcis clavier - Vibralume"), QStringLiteral("list"));
        QCOMPARE(liste->headerItem()->text(0), QStringLiteral("Keys"));
        liste->window()->close();
    }

    // The background's menu, submenus included; each language keeps its own name.
    void menu() {
        QMenu* fr = fr_->complements.menu().menuA(QPoint(5, 400));
        QMenu* en = en_->complements.menu().menuA(QPoint(5, 400));
        QVERIFY(fr && en);
        const QStringList francais = entrees(fr);
        const QStringList anglais = entrees(en);
        QCOMPARE(anglais.size(), francais.size());
        for (qsizetype i = 0; i < anglais.size(); ++i) {
            if (francais[i] == Langue::nom(Langue::francais()) ||
                francais[i] == Langue::nom(Langue::anglais()))
                QCOMPARE(anglais[i], francais[i]);
            else
                verifieAnglais(anglais[i], francais[i], QStringLiteral("menu"));
        }
        QVERIFY(anglais.contains(QStringLiteral("Language")));
        QVERIFY(anglais.contains(QStringLiteral("Français")));
    }

    // What a screen reader says of each control.
    void nomsAccessibles() {
        int noms = 0;
        for (QWidget* en : en_->banc.os->findChildren<QWidget*>()) {
            if (en->objectName().isEmpty())
                continue;
            QWidget* fr = fr_->banc.os->controle(en->objectName());
            if (!fr)
                continue;
            for (bool description : {false, true}) {
                const QString f = description ? fr->accessibleDescription() : fr->accessibleName();
                const QString e = description ? en->accessibleDescription() : en->accessibleName();
                if (f.isEmpty() || Inchangees.contains(f))
                    continue;
                ++noms;
                // The scroll bars read their captions, values included.
                if (description && LegendesDesBarres.contains(en->objectName()))
                    QCOMPARE(e, texteDe(en_->banc.os->controle(
                                    LegendesDesBarres.value(en->objectName()))));
                else
                    verifieAnglais(e, f, en->objectName());
            }
        }
        QVERIFY(noms > 60);
    }

    // The windows around the main one, and what a key says for a moment.
    void fenetresEtAnnonces() {
        verifieAnglais(en_->accueil.windowTitle(), fr_->accueil.windowTitle(),
                       QStringLiteral("home"));
        verifieAnglais(en_->complements.graphes().windowTitle(),
                       fr_->complements.graphes().windowTitle(), QStringLiteral("graphs"));
        const QString apropos = FenetreAPropos::texte();
        QVERIFY2(apropos.contains(QStringLiteral("Free software")), qPrintable(apropos));
        QVERIFY2(francais(QString(apropos).remove(QStringLiteral("Liberation Sans"))).isEmpty(),
                 qPrintable(francais(apropos)));
        en_->banc.os->EnonceModele_DblClick();
        auto* v = en_->banc.os->findChild<VisionneuseEnonce*>();
        QVERIFY(v);
        verifieAnglais(v->windowTitle(), QStringLiteral("Enoncé du modèle microscopique"),
                       QStringLiteral("statement"));
        v->close();

        en_->complements.zoom().zoomNormal();
        en_->complements.zoom().agrandit();
        auto* annonce = en_->banc.os->findChild<Annonce*>();
        QVERIFY(annonce);
        QCOMPARE(annonce->text(), QStringLiteral("Zoom 125%"));
        en_->complements.volume().basculeMuet();
        QCOMPARE(annonce->text(), QStringLiteral("Sound off"));
        en_->complements.volume().basculeMuet();
        en_->complements.zoom().zoomNormal();
    }

    // The statement in the frame and in its reading window is the one of
    // the language: its own title, its own words.
    void enonce() {
        auto* fr = fr_->banc.os->controle<ConteneurEnonce>(QStringLiteral("EnonceModele"));
        auto* en = en_->banc.os->controle<ConteneurEnonce>(QStringLiteral("EnonceModele"));
        QCOMPARE(fr->document().status(), QPdfDocument::Status::Ready);
        QCOMPARE(en->document().status(), QPdfDocument::Status::Ready);
        QCOMPARE(titrePdf(fr->document()),
                 QStringLiteral("Modèle microscopique de la propagation du son"));
        QCOMPARE(titrePdf(en->document()),
                 QStringLiteral("Microscopic model of the propagation of sound"));
        en_->banc.os->EnonceModele_DblClick();
        auto* v = en_->banc.os->findChild<VisionneuseEnonce*>();
        QVERIFY(v && v->vue()->document());
        QCOMPARE(titrePdf(*v->vue()->document()), titrePdf(en->document()));
        v->close();
    }

    // The measurements as an English spreadsheet reads them: a decimal point,
    // commas between fields, English words in the comments and the header.
    void mesuresCsv() {
        const QString& fr = fr_->csv;
        const QString& en = en_->csv;
        QVERIFY2(fr.contains(QStringLiteral("# fréquence f = 1,8 Hz")), qPrintable(fr));
        QVERIFY2(fr.contains(QStringLiteral("temps (s);capteur 1 (div);capteur 2 (div)")),
                 qPrintable(fr));
        QVERIFY2(en.contains(QStringLiteral("# frequency f = 1.8 Hz")), qPrintable(en));
        QVERIFY2(en.contains(QStringLiteral("# wavelength λ = 8.33 cm")), qPrintable(en));
        QVERIFY2(en.contains(QStringLiteral("# boundary conditions: No boundary conditions")),
                 qPrintable(en));
        QVERIFY2(en.contains(QStringLiteral("# time base: 0.2 s/div")), qPrintable(en));
        QVERIFY2(en.contains(QStringLiteral("time (s),sensor 1 (div),sensor 2 (div)")),
                 qPrintable(en));
        QVERIFY2(francais(en).isEmpty(), qPrintable(francais(en)));
    }
};

QTEST_MAIN(TstAnglais)
#include "tst_anglais.moc"
