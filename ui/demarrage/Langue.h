#pragma once
// The language of the interface. French is the source of every text and what
// everyone sees unless English is asked for, whatever the system's language;
// English comes from its Qt translation (i18n/vibralume_en.ts, compiled at
// build and embedded as :/i18n/vibralume_en.qm).

#include <QString>
#include <QStringList>
#include <optional>

namespace vibralume {

class Reglages;

class Langue {
public:
    static QString francais() { return QStringLiteral("fr"); }
    static QString anglais() { return QStringLiteral("en"); }
    /// Every language of the interface, French first.
    static QStringList toutes() { return {francais(), anglais()}; }

    /// The language to use: the command line's, else the one remembered,
    /// else French; anything but a language of the interface counts as none.
    static QString choisie(const std::optional<QString>& ligneDeCommande, const QString& retenue);

    /// The language of a run that starts, as choisie() says from the command
    /// line and from `retenue` (read from `reglages`); one given on the
    /// command line is remembered in `reglages` for the next runs.
    static QString auDemarrage(const std::optional<QString>& ligneDeCommande,
                               const QString& retenue, Reglages& reglages);

    /// Makes `langue` the interface's, before any window is built: its
    /// translation installed in the application (none for French, which
    /// removes an English one), Qt's own texts in that language, and numbers
    /// and dates as its readers write them.
    /// False when the translation could not be loaded: the interface stays French.
    static bool installe(const QString& langue);

    /// The language installed last; French before any.
    static QString installee();

    /// The embedded translation of `langue`; empty for French, the source.
    static QString fichierTraduction(const QString& langue);

    /// The language's name in itself, as a menu offers it: "Français", "English".
    static QString nom(const QString& langue);
};

} // namespace vibralume
