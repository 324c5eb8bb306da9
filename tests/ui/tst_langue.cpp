// Choosing the language: French unless English is asked for, whatever the
// system's language; asked for on the command line or in the background's
// menu, it is remembered in the settings and read back at the next start,
// and the menu's choice is said in the language chosen.

#include "Banc.h"
#include "ui/classe/ChoixLangue.h"
#include "ui/classe/ComplementsOS.h"
#include "ui/classe/MenuFond.h"
#include "ui/demarrage/Langue.h"
#include "ui/demarrage/Reglages.h"

#include <QDialogButtonBox>
#include <QMenu>
#include <QPushButton>
#include <optional>

using namespace vibralume;

namespace {

// The main window with its menu, remembering in a settings file of its own.
struct Lecon : Banc {
    QTemporaryDir dossier;
    QString fichier = dossier.filePath(QStringLiteral("vibralume.ini"));
    std::ostringstream journal;
    Reglages reglages{fichier, journal};
    ComplementsOS complements{*os, DemarrageOS{}, [](double) {}, &reglages};
    QStringList messages;
    Lecon() {
        complements.langue().setMessage([this](const QString& message) { messages << message; });
    }
    /// The language submenu's entries, ticked or not, as the menu opens.
    QMenu* sousMenu() {
        QMenu* menu = complements.menu().menuA(QPoint(5, 400));
        for (QAction* a : menu->actions())
            if (a->menu() && a->text() == QStringLiteral("Langue"))
                return a->menu();
        return nullptr;
    }
    QAction* entree(const QString& texte) {
        QMenu* s = sousMenu();
        emit s->aboutToShow();
        for (QAction* a : s->actions())
            if (a->text() == texte)
                return a;
        return nullptr;
    }
    /// The language the settings file holds, read by a new reader as the next start does.
    QString retenue() const {
        std::ostringstream j;
        return Reglages(fichier, j).lis().langue;
    }
};

std::optional<QString> option(const QString& s) {
    return s.isEmpty() ? std::nullopt : std::optional<QString>(s);
}

} // namespace

class TstLangue : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QCOMPARE(QLocale::system().language(), QLocale::English);
        prepareApplication();
    }

    // The command line's language over the remembered one, French otherwise;
    // one asked for on the command line is written for the next start.
    void auDemarrage_data() {
        QTest::addColumn<QString>("ligne");   // empty: not given
        QTest::addColumn<QString>("retenue"); // empty: nothing stored
        QTest::addColumn<QString>("langue");
        QTest::addColumn<QString>("ensuite"); // what the next start reads
        QTest::newRow("nothing at all") << ""
                                        << ""
                                        << "fr"
                                        << "fr";
        QTest::newRow("remembered English") << ""
                                            << "en"
                                            << "en"
                                            << "en";
        QTest::newRow("English asked for") << "en"
                                           << ""
                                           << "en"
                                           << "en";
        QTest::newRow("English over French") << "en"
                                             << "fr"
                                             << "en"
                                             << "en";
        QTest::newRow("French over English") << "fr"
                                             << "en"
                                             << "fr"
                                             << "fr";
    }
    void auDemarrage() {
        QFETCH(QString, ligne);
        QFETCH(QString, retenue);
        QTemporaryDir d;
        const QString fichier = d.filePath(QStringLiteral("vibralume.ini"));
        std::ostringstream journal;
        Reglages r(fichier, journal);
        if (!retenue.isEmpty())
            r.ecrisLangue(retenue);
        const QString lue = r.lis().langue;
        QTEST(Langue::auDemarrage(option(ligne), lue, r), "langue");
        std::ostringstream j;
        QTEST(Reglages(fichier, j).lis().langue, "ensuite");
        // Nothing asked for, nothing written: no settings file is made for it.
        if (ligne.isEmpty() && retenue.isEmpty())
            QVERIFY(!QFile::exists(fichier));
        QCOMPARE(journal.str(), std::string());
    }

    // From the menu: English ticked once chosen, remembered, read back by the
    // next start, and said in English then in French; back to French,
    // remembered again and nothing to say, the window being French already.
    void menu() {
        Lecon l;
        QVERIFY(l.sousMenu());
        QVERIFY(l.entree(QStringLiteral("Français"))->isChecked());
        QVERIFY(!l.entree(QStringLiteral("English"))->isChecked());

        l.entree(QStringLiteral("English"))->trigger();
        QCOMPARE(l.complements.langue().choisie(), Langue::anglais());
        QCOMPARE(l.retenue(), Langue::anglais());
        QVERIFY(l.entree(QStringLiteral("English"))->isChecked());
        QVERIFY(!l.entree(QStringLiteral("Français"))->isChecked());
        QCOMPARE(l.messages.size(), 1);
        QVERIFY2(l.messages[0].startsWith(QStringLiteral("Vibralume will be in English")),
                 qPrintable(l.messages[0]));
        QVERIFY2(l.messages[0].endsWith(QStringLiteral("Vibralume sera en anglais à son prochain "
                                                       "démarrage.")),
                 qPrintable(l.messages[0]));
        // The window itself stays as it was built, in French.
        QCOMPARE(l.texte("Label1"), QStringLiteral("Modèle microscopique"));

        // Chosen again: nothing new.
        l.entree(QStringLiteral("English"))->trigger();
        QCOMPARE(l.messages.size(), 1);

        l.entree(QStringLiteral("Français"))->trigger();
        QCOMPARE(l.retenue(), Langue::francais());
        QVERIFY(l.entree(QStringLiteral("Français"))->isChecked());
        QCOMPARE(l.messages.size(), 1);
        QCOMPARE(l.journal.str(), std::string());
    }

    // In an English window the choice of French is said in French first.
    void annonce() {
        const QString fr = ChoixLangue::annonce(Langue::francais(), Langue::anglais());
        QVERIFY2(fr.startsWith(QStringLiteral("Vibralume sera en français")), qPrintable(fr));
        QVERIFY2(fr.endsWith(QStringLiteral("Vibralume will be in French the next time it "
                                            "starts.")),
                 qPrintable(fr));
        // The language in use chosen again: said once.
        QCOMPARE(ChoixLangue::annonce(Langue::anglais(), Langue::anglais()),
                 QStringLiteral("Vibralume will be in English the next time it starts."));
    }

    // Started in English, the menu ticks English and its own title is English.
    void menuEnAnglais() {
        QVERIFY(Langue::installe(Langue::anglais()));
        {
            Banc b;
            ComplementsOS c{*b.os, DemarrageOS{}, [](double) {}, nullptr};
            QMenu* menu = c.menu().menuA(QPoint(5, 400));
            QMenu* langue = nullptr;
            for (QAction* a : menu->actions())
                if (a->menu() && a->text() == QStringLiteral("Language"))
                    langue = a->menu();
            QVERIFY(langue);
            emit langue->aboutToShow();
            QCOMPARE(langue->actions().size(), 2);
            QCOMPARE(langue->actions()[1]->text(), QStringLiteral("English"));
            QVERIFY(langue->actions()[1]->isChecked());
            QVERIFY(!langue->actions()[0]->isChecked());
            QCOMPARE(c.langue().choisie(), Langue::anglais());
        }
        QVERIFY(Langue::installe(Langue::francais()));
        QCOMPARE(Langue::installee(), Langue::francais());
    }

    // Qt's own texts (dialog buttons, standard menus) follow the interface,
    // and none of the French is left once English is chosen.
    void textesDeQt() {
        for (const auto& [langue, annuler] :
             {std::pair{"fr", "Annuler"}, {"en", "Cancel"}, {"fr", "Annuler"}}) {
            QVERIFY(Langue::installe(QString::fromLatin1(langue)));
            QDialogButtonBox boutons(QDialogButtonBox::Cancel);
            QCOMPARE(boutons.button(QDialogButtonBox::Cancel)->text(),
                     QString::fromLatin1(annuler));
        }
    }
};

QTEST_MAIN(TstLangue)
#include "tst_langue.moc"
