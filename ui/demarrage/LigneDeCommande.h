#pragma once
// The program's command line. It is read before any window or display is
// opened, so that --help, --version and a wrong argument are answered from a
// terminal with no display; only a clean reading goes on to the windows.

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

namespace vibralume {

/// What the command line asked for; an unset field means "as without options".
struct Options {
    std::optional<int> zoomPourcent; ///< 50 to 400
    bool zoomAjuste = false;         ///< fit the window to the screen
    std::optional<int> volume;       ///< 0 to 100
    std::optional<QString> langue;   ///< "fr" or "en"
    bool sansAccueil = false;        ///< straight to the main window
    /// A lesson file to open in the main window, straight away.
    std::optional<QString> lecon;
};

/// The program ends at once: `texte` goes to standard output when `code` is 0
/// (help, version), to standard error otherwise (an argument refused).
struct Fin {
    int code = 0;
    QString texte;
};

/// What the command line asks for: a run with options, or an end at once.
using Demande = std::variant<Options, Fin>;

/// Reads and checks the command line with QCommandLineParser.
class LigneDeCommande {
public:
    /// Exit code for an argument refused.
    static constexpr int CodeErreur = 2;

    /// Reads `arguments`, the program's name first as in argv. Qt's own
    /// options (-platform, -style, ...) are accepted and left to QApplication.
    /// The help and the refusals are in the language of --langue when it is
    /// given, else in `langueRetenue` (the settings'), else in French.
    static Demande lis(const QStringList& arguments,
                       const QString& langueRetenue = QStringLiteral("fr"));

    /// argv as a list, decoded from the locale's encoding.
    static QStringList arguments(int argc, char** argv);

    /// Prints the text where it belongs and returns the exit code.
    static int termine(const Fin& fin);

    /// The help text: usage line, description and options, in `langue`.
    static QString aide(const QString& langue = QStringLiteral("fr"));
};

} // namespace vibralume
