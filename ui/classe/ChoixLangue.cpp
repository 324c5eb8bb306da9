#include "ui/classe/ChoixLangue.h"

#include "ui/classe/MenuFond.h"
#include "ui/classe/TableCommandes.h"
#include "ui/demarrage/Langue.h"
#include "ui/demarrage/Reglages.h"
#include "ui/demarrage/Traducteur.h"

#include <QAction>
#include <QMessageBox>
#include <QWidget>

namespace vibralume {

namespace {

/// The sentence for each language, French as the source of its translation.
const char* phraseDe(const QString& langue) {
    return langue == Langue::anglais()
               ? QT_TRANSLATE_NOOP("ChoixLangue", "Vibralume sera en anglais à son prochain "
                                                  "démarrage.")
               : QT_TRANSLATE_NOOP("ChoixLangue", "Vibralume sera en français à son prochain "
                                                  "démarrage.");
}

} // namespace

ChoixLangue::ChoixLangue(TableCommandes& table, MenuFond& menu, Reglages* reglages,
                         const QString& enCours, QWidget& fenetre)
    : QObject(&fenetre), reglages_(reglages), enCours_(enCours), choisie_(enCours) {
    message_ = [&fenetre](const QString& texte) {
        QMessageBox::information(&fenetre, QStringLiteral("Vibralume"), texte);
    };
    // Each language offered under its own name, whatever the language in use.
    std::vector<QAction*> langues;
    for (const QString& langue : Langue::toutes()) {
        const QByteArray nom = "langue_" + langue.toLatin1();
        langues.push_back(table.ajoute({.nom = nom.constData(),
                                        .groupe = tr("Langue"),
                                        .effet = Langue::nom(langue),
                                        .fait =
                                            [this, langue, &table] {
                                                choisis(langue);
                                                // The tick on the one chosen alone.
                                                table.actualise();
                                            },
                                        .coche = [this, langue] { return choisie_ == langue; }}));
    }
    menu.ajoute({nullptr});
    menu.ajouteSousMenu(tr("Langue"), langues);
}

QString ChoixLangue::annonce(const QString& langue, const QString& enCours) {
    QString texte = Traducteur(langue)("ChoixLangue", phraseDe(langue));
    if (enCours != langue)
        texte += QStringLiteral("\n\n") + Traducteur(enCours)("ChoixLangue", phraseDe(langue));
    return texte;
}

void ChoixLangue::choisis(const QString& langue) {
    if (!Langue::toutes().contains(langue) || langue == choisie_)
        return;
    choisie_ = langue;
    if (reglages_)
        reglages_->ecrisLangue(langue);
    emit choisieChange(langue);
    // Back to the language in use, nothing waits for the next start.
    if (langue != enCours_ && message_)
        message_(annonce(langue, enCours_));
}

} // namespace vibralume
