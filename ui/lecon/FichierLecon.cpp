#include "ui/lecon/FichierLecon.h"

#include "model/FormatLecon.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QStringList>
#include <cerrno>

namespace vibralume {

namespace {

QString nom(std::string_view n) {
    return QString::fromUtf8(n.data(), qsizetype(n.size()));
}

QString nombre(double x) {
    return QLocale().toString(x, 'g', 10);
}

/// Why a field's value is refused.
QString ecartDe(const ChampLecon& c, const QJsonValue& v, Ecart ecart) {
    const QString n = nom(c.nom);
    if (ecart == Ecart::Genre) {
        switch (c.genre) {
        case GenreChamp::Entier:
            return FichierLecon::tr("le champ « %1 » doit être un nombre entier").arg(n);
        case GenreChamp::Reel:
            return FichierLecon::tr("le champ « %1 » doit être un nombre").arg(n);
        case GenreChamp::Booleen:
            return FichierLecon::tr("le champ « %1 » doit valoir true ou false").arg(n);
        case GenreChamp::Texte:
        case GenreChamp::Mot:
            return FichierLecon::tr("le champ « %1 » doit être un texte").arg(n);
        }
    }
    if (c.genre == GenreChamp::Texte)
        return FichierLecon::tr("le champ « %1 » dépasse %2 caractères").arg(n).arg(c.longueurMax);
    QStringList permis;
    QString valeur;
    if (c.genre == GenreChamp::Mot) {
        for (std::string_view m : c.mots)
            permis << QStringLiteral("« %1 »").arg(nom(m));
        valeur = QStringLiteral("« %1 »").arg(v.toString());
    } else {
        for (double x : c.valeurs)
            permis << nombre(x);
        valeur = nombre(v.toDouble());
    }
    QString intervalle;
    if (!permis.isEmpty())
        intervalle =
            FichierLecon::tr("valeurs permises : %1").arg(permis.join(QStringLiteral(", ")));
    else if (c.zeroAussi)
        intervalle = FichierLecon::tr("0, ou de %1 à %2").arg(nombre(c.min), nombre(c.max));
    else
        intervalle = FichierLecon::tr("de %1 à %2").arg(nombre(c.min), nombre(c.max));
    return FichierLecon::tr("le champ « %1 » vaut %2, hors de ce que permettent les commandes (%3)")
        .arg(n, valeur, intervalle);
}

ValeurChamp valeurDe(const QJsonValue& v) {
    if (v.isBool())
        return v.toBool();
    if (v.isDouble())
        return v.toDouble();
    return v.toString().toStdString();
}

QJsonValue jsonDe(const ValeurChamp& v) {
    if (const bool* b = std::get_if<bool>(&v))
        return *b;
    if (const double* x = std::get_if<double>(&v))
        return *x;
    return QString::fromStdString(std::get<std::string>(v));
}

QString refus(const QString& chemin, const QString& raison) {
    return FichierLecon::tr("La leçon « %1 » n'a pas pu être ouverte : %2.")
        .arg(QDir::toNativeSeparators(chemin), raison);
}

/// Why the system would not let the file be read.
QString raisonSysteme(int numero) {
    switch (numero) {
    case EACCES:
    case EPERM:
        return FichierLecon::tr("accès refusé");
    case ENOENT:
    case ENOTDIR:
    case ELOOP:
        return FichierLecon::tr("le fichier n'existe pas");
    case EISDIR:
        return FichierLecon::tr("c'est un dossier");
    default:
        return FichierLecon::tr("erreur de lecture");
    }
}

QString raisonContrainte(Contrainte c, const Lecon& l) {
    switch (c) {
    case Contrainte::AmplitudeTropGrande:
        return FichierLecon::tr("le champ « amplitude » vaut %1, hors de ce que permettent les "
                                "commandes avec cette fréquence et cette vitesse (de 0 à %2)")
            .arg(l.choix.amplitude)
            .arg(AmplitudePermise(l.choix.frequence, l.choix.vitesse));
    case Contrainte::BordAvecSoliton:
        return FichierLecon::tr("le champ « bord » doit valoir « progressive » avec la vibration "
                                "« solitaire »");
    case Contrainte::OscilloscopeSansModele:
        return FichierLecon::tr("le champ « oscilloscopeOuvert » ne peut valoir true que si "
                                "« modeleOuvert » vaut true");
    case Contrainte::Aucune:
        break;
    }
    return {};
}

} // namespace

std::variant<Lecon, QString> FichierLecon::lis(const QString& chemin) {
    const QFileInfo info(chemin);
    if (!info.exists())
        return refus(chemin, tr("le fichier n'existe pas"));
    if (info.isDir())
        return refus(chemin, tr("c'est un dossier"));
    // A pipe or a device would keep the window waiting on a read that never ends.
    if (!info.isFile())
        return refus(chemin, tr("ce n'est pas un fichier ordinaire"));
    const QString tropGros = tr("le fichier dépasse %1 Mio, ce n'est pas une leçon").arg(1);
    if (info.size() > TailleMaxLecon)
        return refus(chemin, tropGros);
    QFile fichier(chemin);
    errno = 0;
    if (!fichier.open(QIODevice::ReadOnly))
        return refus(chemin, raisonSysteme(errno));
    // At most one byte beyond the limit: a file that grows is caught too.
    errno = 0;
    const QByteArray octets = fichier.read(TailleMaxLecon + 1);
    if (fichier.error() != QFileDevice::NoError)
        return refus(chemin, raisonSysteme(errno));
    if (octets.size() > TailleMaxLecon)
        return refus(chemin, tropGros);
    return decode(octets, chemin);
}

std::variant<Lecon, QString> FichierLecon::decode(const QByteArray& octets, const QString& chemin) {
    QJsonParseError erreur;
    const QJsonDocument document = QJsonDocument::fromJson(octets, &erreur);
    if (erreur.error != QJsonParseError::NoError)
        return refus(chemin, tr("ce n'est pas un fichier de leçon (JSON illisible près de l'octet "
                                "%1)")
                                 .arg(erreur.offset));
    if (!document.isObject())
        return refus(chemin, tr("ce n'est pas un fichier de leçon (pas d'objet JSON)"));
    const QJsonObject objet = document.object();
    const QJsonValue format = objet.value(QStringLiteral("format"));
    if (format.isUndefined())
        return refus(chemin, tr("le champ « format » manque"));
    // Said before anything else: a newer file may hold fields unknown here.
    if (format.isDouble() && format.toDouble() > VersionFormatLecon)
        return refus(chemin, tr("elle vient d'une version plus récente de Vibralume (format %1, "
                                "cette version lit le format %2)")
                                 .arg(nombre(format.toDouble()))
                                 .arg(VersionFormatLecon));
    Lecon lecon;
    for (auto it = objet.begin(); it != objet.end(); ++it) {
        const ChampLecon* champ = ChampLeconNomme(it.key().toStdString());
        if (!champ)
            return refus(chemin, tr("champ inconnu « %1 »").arg(it.key()));
        const QJsonValue v = it.value();
        const bool simple = v.isBool() || v.isDouble() || v.isString();
        const Ecart ecart = simple ? VerifieChamp(*champ, valeurDe(v)) : Ecart::Genre;
        if (ecart != Ecart::Aucun)
            return refus(chemin, ecartDe(*champ, v, ecart));
        champ->ecris(lecon, valeurDe(v));
    }
    if (const Contrainte c = VerifieEnsemble(lecon); c != Contrainte::Aucune)
        return refus(chemin, raisonContrainte(c, lecon));
    CompleteLecon(lecon);
    return lecon;
}

QByteArray FichierLecon::encode(const Lecon& lecon) {
    QJsonObject objet;
    for (const ChampLecon& champ : ChampsLecon())
        objet.insert(nom(champ.nom), jsonDe(champ.lis(lecon)));
    return QJsonDocument(objet).toJson(QJsonDocument::Indented);
}

} // namespace vibralume
