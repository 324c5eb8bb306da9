#include "ui/demarrage/LigneDeCommande.h"

#include "ui/demarrage/Langue.h"
#include "ui/demarrage/Traducteur.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QRegularExpression>
#include <iostream>

#ifndef VIBRALUME_VERSION
#error "VIBRALUME_VERSION comes from project(... VERSION ...) in CMakeLists.txt"
#endif

namespace vibralume {

namespace {

const QString Programme = QStringLiteral("vibralume");

// Qt's own options, which QApplication takes out of the arguments: read here
// only so that the arguments can be checked before any display is opened.
const QStringList OptionsQtAvecValeur = {
    QStringLiteral("platform"),      QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"), QStringLiteral("plugin"),
    QStringLiteral("qmljsdebugger"), QStringLiteral("qwindowgeometry"),
    QStringLiteral("qwindowicon"),   QStringLiteral("qwindowtitle"),
    QStringLiteral("session"),       QStringLiteral("display"),
    QStringLiteral("geometry"),      QStringLiteral("title"),
    QStringLiteral("icon"),          QStringLiteral("name"),
    QStringLiteral("visual"),        QStringLiteral("style"),
    QStringLiteral("stylesheet"),
};
const QStringList OptionsQtSansValeur = {
    QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("sync"),
    QStringLiteral("nograb"),  QStringLiteral("dograb"),
};

// The texts of the help and of the refusals, French as the source of their
// translations; said in the language asked for, with no application yet.
constexpr const char* Contexte = "LigneDeCommande";

struct Analyseur {
    const Traducteur& t;
    QCommandLineParser p;
    QCommandLineOption aide{
        {QStringLiteral("h"), QStringLiteral("help")},
        t(Contexte, QT_TRANSLATE_NOOP("LigneDeCommande", "Affiche cette aide et quitte."))};
    QCommandLineOption version{
        {QStringLiteral("v"), QStringLiteral("version")},
        t(Contexte,
          QT_TRANSLATE_NOOP("LigneDeCommande", "Affiche la version du programme et quitte."))};
    QCommandLineOption zoom{
        QStringLiteral("zoom"),
        t(Contexte, QT_TRANSLATE_NOOP("LigneDeCommande",
                                      "Taille des fenêtres : un pourcentage entier de 50 à 400, "
                                      "ou « fit » (ou « ajuste ») pour les ajuster à l'écran.")),
        t(Contexte, QT_TRANSLATE_NOOP("LigneDeCommande", "pourcentage|fit"))};
    QCommandLineOption volume{
        QStringLiteral("volume"),
        t(Contexte,
          QT_TRANSLATE_NOOP("LigneDeCommande", "Volume du son, en pourcentage entier de 0 à 100.")),
        QStringLiteral("0-100")};
    QCommandLineOption langue{
        QStringLiteral("langue"),
        t(Contexte, QT_TRANSLATE_NOOP("LigneDeCommande",
                                      "Langue de l'interface : fr (français, par défaut) ou en "
                                      "(anglais) ; gardée pour les fois suivantes.")),
        QStringLiteral("fr|en")};
    QCommandLineOption sansAccueil{
        QStringLiteral("sans-accueil"),
        t(Contexte, QT_TRANSLATE_NOOP("LigneDeCommande",
                                      "Ouvre directement la fenêtre principale, sans la page "
                                      "d'accueil."))};
    QList<QCommandLineOption> propres{aide, version, zoom, volume, langue, sansAccueil};

    explicit Analyseur(const Traducteur& traducteur) : t(traducteur) {
        // Qt's options are single words after one dash (-platform, -style);
        // ours read the same with one dash or two.
        p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        p.addOptions(propres);
        for (const QString& nom : OptionsQtAvecValeur)
            p.addOption(cachee(nom, QStringLiteral("valeur")));
        for (const QString& nom : OptionsQtSansValeur)
            p.addOption(cachee(nom, {}));
    }

    static QCommandLineOption cachee(const QString& nom, const QString& valeur) {
        QCommandLineOption o(nom, QString(), valeur);
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        return o;
    }

    bool prendValeur(const QString& nom) const {
        for (const QCommandLineOption& o : propres)
            if (o.names().contains(nom))
                return !o.valueName().isEmpty();
        return OptionsQtAvecValeur.contains(nom);
    }
};

// "--zoom=fit" -> "zoom"; "-h" -> "h".
QString nomDe(const QString& argument) {
    QString nom = argument.section(QLatin1Char('='), 0, 0);
    while (nom.startsWith(QLatin1Char('-')))
        nom.remove(0, 1);
    return nom;
}

bool estOption(const QString& argument) {
    return argument.size() > 1 && argument.startsWith(QLatin1Char('-'));
}

// The argument as the user typed it, without its value.
QString commeTape(const QStringList& arguments, const QString& nom) {
    for (const QString& a : arguments.mid(1))
        if (estOption(a) && nomDe(a) == nom)
            return a.section(QLatin1Char('='), 0, 0);
    return (nom.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + nom;
}

// The language the answer is given in: the last valid --langue of the
// command line, read before anything else (a refusal is said in it too),
// else the one remembered.
QString langueDeLaReponse(const QStringList& arguments, const QString& retenue) {
    QString langue = Langue::choisie(std::nullopt, retenue);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--"))
            break;
        if (!estOption(a) || nomDe(a) != QLatin1String("langue"))
            continue;
        const QString valeur =
            a.contains(QLatin1Char('=')) ? a.section(QLatin1Char('='), 1) : arguments.value(i + 1);
        if (Langue::toutes().contains(valeur.toLower()))
            langue = valeur.toLower();
    }
    return langue;
}

QString texte(const Analyseur& a, const char* source) {
    return a.t(Contexte, source);
}

Fin refus(const Analyseur& a, const QString& message) {
    return {LigneDeCommande::CodeErreur,
            texte(a, QT_TRANSLATE_NOOP("LigneDeCommande", "%1 : %2")).arg(Programme, message) +
                QStringLiteral("\n\n") + LigneDeCommande::aide(a.t.langue())};
}

// QCommandLineParser says what went wrong in English whatever the language;
// said again in the answer's language from what it found.
Fin refusAnalyse(const Analyseur& a, const QStringList& arguments) {
    QStringList inconnues;
    for (const QString& nom : a.p.unknownOptionNames())
        inconnues << commeTape(arguments, nom);
    if (inconnues.size() == 1)
        return refus(a, texte(a, QT_TRANSLATE_NOOP("LigneDeCommande", "option inconnue : %1"))
                            .arg(inconnues.front()));
    if (!inconnues.isEmpty())
        return refus(a, texte(a, QT_TRANSLATE_NOOP("LigneDeCommande", "options inconnues : %1"))
                            .arg(inconnues.join(", ")));
    const QString derniere = arguments.size() > 1 ? arguments.back() : QString();
    if (estOption(derniere) && !derniere.contains(QLatin1Char('=')) &&
        a.prendValeur(nomDe(derniere)))
        return refus(a,
                     texte(a, QT_TRANSLATE_NOOP("LigneDeCommande", "l'option %1 attend une valeur"))
                         .arg(derniere));
    for (const QString& arg : arguments.mid(1)) {
        if (estOption(arg) && arg.contains(QLatin1Char('=')) && !a.prendValeur(nomDe(arg)))
            return refus(a, texte(a, QT_TRANSLATE_NOOP("LigneDeCommande",
                                                       "l'option %1 ne prend pas de valeur"))
                                .arg(arg.section(QLatin1Char('='), 0, 0)));
    }
    return refus(a, a.p.errorText());
}

// "150" or "150%", between the bounds.
std::optional<int> pourcentage(const QString& texte, int min, int max) {
    static const QRegularExpression forme(QStringLiteral("^[0-9]{1,3}%?$"));
    if (!forme.match(texte).hasMatch())
        return std::nullopt;
    const int n =
        texte.left(texte.endsWith(QLatin1Char('%')) ? texte.size() - 1 : texte.size()).toInt();
    if (n < min || n > max)
        return std::nullopt;
    return n;
}

Fin valeurRefusee(const Analyseur& a, const QString& option, const QString& valeur,
                  const char* attendu) {
    return refus(
        a, texte(a, QT_TRANSLATE_NOOP("LigneDeCommande", "valeur refusée pour --%1 : « %2 » ; %3"))
               .arg(option, valeur, texte(a, attendu)));
}

// Words filled into lines of at most `largeur` characters, each indented.
QString enLignes(const QString& texte, int retrait, int largeur) {
    QString resultat;
    QString ligne;
    for (const QString& mot : texte.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!ligne.isEmpty() && retrait + ligne.size() + 1 + mot.size() > largeur) {
            resultat += ligne + QLatin1Char('\n') + QString(retrait, QLatin1Char(' '));
            ligne.clear();
        }
        ligne += (ligne.isEmpty() ? QString() : QStringLiteral(" ")) + mot;
    }
    return resultat + ligne + QLatin1Char('\n');
}

} // namespace

Demande LigneDeCommande::lis(const QStringList& arguments, const QString& langueRetenue) {
    const Traducteur t(langueDeLaReponse(arguments, langueRetenue));
    Analyseur a(t);
    if (!a.p.parse(arguments))
        return refusAnalyse(a, arguments);
    // One word: the lesson to open, read (and refused if need be) by the window.
    const QStringList mots = a.p.positionalArguments();
    if (mots.size() > 1)
        return refus(a,
                     texte(a, QT_TRANSLATE_NOOP("LigneDeCommande", "argument inattendu : « %1 »"))
                         .arg(mots[1]));
    if (a.p.isSet(a.aide))
        return Fin{0, aide(t.langue())};
    if (a.p.isSet(a.version))
        return Fin{0, Programme + QLatin1Char(' ') + QStringLiteral(VIBRALUME_VERSION) +
                          QLatin1Char('\n')};

    Options o;
    if (a.p.isSet(a.zoom)) {
        const QString z = a.p.value(a.zoom);
        if (z.compare(QStringLiteral("fit"), Qt::CaseInsensitive) == 0 ||
            z.compare(QStringLiteral("ajuste"), Qt::CaseInsensitive) == 0) {
            o.zoomAjuste = true;
        } else if (const auto p = pourcentage(z, 50, 400)) {
            o.zoomPourcent = p;
        } else {
            return valeurRefusee(a, QStringLiteral("zoom"), z,
                                 QT_TRANSLATE_NOOP("LigneDeCommande",
                                                   "attendu un pourcentage entier de 50 à 400, "
                                                   "ou « fit »"));
        }
    }
    if (a.p.isSet(a.volume)) {
        const QString v = a.p.value(a.volume);
        o.volume = pourcentage(v, 0, 100);
        if (!o.volume)
            return valeurRefusee(
                a, QStringLiteral("volume"), v,
                QT_TRANSLATE_NOOP("LigneDeCommande", "attendu un pourcentage entier de 0 à 100"));
    }
    if (a.p.isSet(a.langue)) {
        const QString l = a.p.value(a.langue).toLower();
        if (!Langue::toutes().contains(l))
            return valeurRefusee(a, QStringLiteral("langue"), a.p.value(a.langue),
                                 QT_TRANSLATE_NOOP("LigneDeCommande", "attendu « fr » ou « en »"));
        o.langue = l;
    }
    o.sansAccueil = a.p.isSet(a.sansAccueil);
    if (!mots.isEmpty())
        o.lecon = mots.front();
    return o;
}

QStringList LigneDeCommande::arguments(int argc, char** argv) {
    QStringList liste;
    for (int i = 0; i < argc; ++i)
        liste << QString::fromLocal8Bit(argv[i]);
    return liste;
}

int LigneDeCommande::termine(const Fin& fin) {
    std::ostream& flux = fin.code == 0 ? std::cout : std::cerr;
    flux << fin.texte.toLocal8Bit().constData() << std::flush;
    return fin.code;
}

QString LigneDeCommande::aide(const QString& langue) {
    constexpr int Largeur = 79;
    const Traducteur t(langue);
    const Analyseur a(t);
    QStringList entetes;
    for (const QCommandLineOption& o : a.propres) {
        QStringList noms;
        for (const QString& nom : o.names())
            noms << (nom.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + nom;
        QString entete = QStringLiteral("  ") + noms.join(QStringLiteral(", "));
        if (!o.valueName().isEmpty())
            entete += QStringLiteral(" <%1>").arg(o.valueName());
        entetes << entete;
    }
    qsizetype colonne = 0;
    for (const QString& e : entetes)
        colonne = std::max(colonne, e.size() + 2);

    QString texte = t(Contexte, QT_TRANSLATE_NOOP("LigneDeCommande",
                                                  "Utilisation : %1 [options] [leçon.vibralume]"))
                        .arg(Programme) +
                    QLatin1Char('\n');
    texte += enLignes(t(Contexte, QT_TRANSLATE_NOOP("LigneDeCommande",
                                                    "Simulation d'une onde sonore qui se propage "
                                                    "dans un gaz ou dans un solide, pour la "
                                                    "classe de physique.")),
                      0, Largeur);
    texte += QLatin1Char('\n') + t(Contexte, QT_TRANSLATE_NOOP("LigneDeCommande", "Options :")) +
             QLatin1Char('\n');
    for (qsizetype i = 0; i < entetes.size(); ++i)
        texte += entetes[i].leftJustified(colonne) +
                 enLignes(a.propres[i].description(), int(colonne), Largeur);
    return texte;
}

} // namespace vibralume
