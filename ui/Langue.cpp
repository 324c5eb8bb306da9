#include "ui/Langue.h"

#include "ui/Reglages.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace vibralume {

namespace {

/// The installed translation is found again by this name among the
/// application's children: the application owns it, nothing else keeps it.
const QString NomTraduction = QStringLiteral("TraductionVibralume");

QTranslator* traductionInstallee() {
    return QCoreApplication::instance() ? QCoreApplication::instance()->findChild<QTranslator*>(
                                              NomTraduction, Qt::FindDirectChildrenOnly)
                                        : nullptr;
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
    if (QTranslator* avant = traductionInstallee()) {
        QCoreApplication::removeTranslator(avant);
        delete avant;
    }
    // Numbers the program formats for people (the graphs' scales, the CSV
    // file's decimal mark) follow the language of its texts, never the system's.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const QString fichier = fichierTraduction(langue);
    if (fichier.isEmpty())
        return langue == francais();
    auto* traduction = new QTranslator(QCoreApplication::instance());
    traduction->setObjectName(NomTraduction);
    if (!traduction->load(fichier) || !QCoreApplication::installTranslator(traduction)) {
        delete traduction;
        return false;
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    return true;
}

QString Langue::installee() {
    const QTranslator* t = traductionInstallee();
    return t ? t->language().left(2) : francais();
}

} // namespace vibralume
