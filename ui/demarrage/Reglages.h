#pragma once
// What the program remembers between runs: the zoom, full screen, the volume
// and its mute, the language. Kept in the user's settings file (QSettings, the
// desktop's usual place); whatever is unreadable, damaged or out of range is
// replaced by its default, and said once on the journal. A damaged file is
// moved aside for a clean one, so that what is set afterwards is remembered;
// a file that cannot be written is said once, at the first change lost.

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <memory>
#include <ostream>

class QSettings;

namespace vibralume {

struct ValeursReglages {
    int zoomPourcent = 100; ///< 50 to 400
    bool pleinEcran = false;
    int volume = 100; ///< percent of the tone as the file defines it
    bool muet = false;
    QString langue = QStringLiteral("fr"); ///< "fr" or "en"
};

class Reglages {
    Q_DECLARE_TR_FUNCTIONS(Reglages)
public:
    /// The user's settings file; `journal` hears of a damaged one.
    explicit Reglages(std::ostream& journal);
    /// A given settings file (INI), for tests.
    Reglages(const QString& fichier, std::ostream& journal);
    ~Reglages();

    /// The values stored, each checked; defaults where there are none.
    ValeursReglages lis();

    void ecrisZoom(int pourcent);
    void ecrisPleinEcran(bool oui);
    void ecrisVolume(int pourcent);
    void ecrisMuet(bool oui);
    void ecrisLangue(const QString& langue);
    /// The lesson files opened or saved last, the latest first; texts only.
    QStringList leconsRecentes();
    void ecrisLeconsRecentes(const QStringList& chemins);

    /// Where the settings live.
    QString fichier() const;
    /// Where a damaged settings file is moved: beside it, this name plus ".endommage".
    QString fichierEndommage() const;

private:
    void ecris(const QString& cle, const QVariant& valeur);
    void signale(const QString& texte);
    bool endommage(const QByteArray& octets);
    bool metDeCote();

    std::unique_ptr<QSettings> settings_;
    std::ostream& journal_;
    bool averti_ = false;
    bool avertiEcriture_ = false;
};

} // namespace vibralume
