#include "ui/demarrage/Langue.h"

#include "ui/demarrage/NomsTouches.h"
#include "ui/demarrage/Reglages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vibralume {

namespace {

/// The installed translation is found again by this name among the
/// application's children: the application owns it, nothing else keeps it.
const QString NomTraduction = QStringLiteral("TraductionVibralume");
/// Qt's own texts (dialog buttons, context menus), by the same means.
const QString NomTraductionQt = QStringLiteral("TraductionQt");
/// The keys' names that Qt writes too briefly in French.
const QString NomNomsTouches = QStringLiteral("NomsTouches");

QTranslator* traductionInstallee(const QString& nom = NomTraduction) {
    return QCoreApplication::instance() ? QCoreApplication::instance()->findChild<QTranslator*>(
                                              nom, Qt::FindDirectChildrenOnly)
                                        : nullptr;
}

void retire(const QString& nom) {
    if (QTranslator* avant = traductionInstallee(nom)) {
        QCoreApplication::removeTranslator(avant);
        delete avant;
    }
}

// Qt speaks English by itself; in French its buttons and menus come from the
// translations Qt ships (qt_fr.qm gathers qtbase_fr.qm and the other
// modules'). Without them they stay English, and the program runs on.
void installeQt(const QString& langue) {
    if (langue == Langue::anglais())
        return;
    auto* traduction = new QTranslator(QCoreApplication::instance());
    traduction->setObjectName(NomTraductionQt);
    if (!traduction->load(QLocale(langue), QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(traduction))
        delete traduction;
    // Installed last, asked first.
    auto* touches = new NomsTouches(QCoreApplication::instance());
    touches->setObjectName(NomNomsTouches);
    QCoreApplication::installTranslator(touches);
}

} // namespace

QString Langue::choisie(const std::optional<QString>& ligneDeCommande, const QString& retenue) {
    if (ligneDeCommande && toutes().contains(*ligneDeCommande))
        return *ligneDeCommande;
    return toutes().contains(retenue) ? retenue : francais();
}

QString Langue::auDemarrage(const std::optional<QString>& ligneDeCommande, const QString& retenue,
                            Reglages& reglages) {
    const QString langue = choisie(ligneDeCommande, retenue);
    if (ligneDeCommande && langue == *ligneDeCommande && langue != retenue)
        reglages.ecrisLangue(langue);
    return langue;
}

QString Langue::fichierTraduction(const QString& langue) {
    if (langue == anglais())
        return QStringLiteral(":/i18n/vibralume_en.qm");
    return {};
}

QString Langue::nom(const QString& langue) {
    return langue == anglais() ? QStringLiteral("English") : QStringLiteral("Français");
}

bool Langue::installe(const QString& langue) {
    retire(NomTraduction);
    retire(NomTraductionQt);
    retire(NomNomsTouches);
    const QString fichier = fichierTraduction(langue);
    bool reussi = langue == francais();
    if (!fichier.isEmpty()) {
        auto* traduction = new QTranslator(QCoreApplication::instance());
        traduction->setObjectName(NomTraduction);
        reussi = traduction->load(fichier) && QCoreApplication::installTranslator(traduction);
        if (!reussi)
            delete traduction;
    }
    // Numbers the program formats for people (the graphs' scales, the CSV
    // file's decimal mark) follow the language of its texts, never the
    // system's; this is the one place that chooses them.
    const bool anglaisInstalle = installee() == anglais();
    QLocale::setDefault(anglaisInstalle ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                        : QLocale(QLocale::French, QLocale::France));
    // Qt's texts in the language the interface got, French when English failed.
    installeQt(installee());
    return reussi;
}

QString Langue::installee() {
    const QTranslator* t = traductionInstallee();
    return t ? t->language().left(2) : francais();
}

} // namespace vibralume
