#pragma once
// Keeping and sharing what the class saw: a picture of the whole window (at
// the zoom in use, or twice as fine for print), a picture of the
// oscilloscope, the window's picture on the clipboard, and the measurements
// of the last two sweeps as a CSV file. Files are written whole or not at all.

#include "model/Historique.h"

#include <QDateTime>
#include <QFileDevice>
#include <QImage>
#include <QObject>
#include <QString>
#include <functional>

namespace vibralume {

class OS;

class Enregistrement : public QObject {
    Q_OBJECT
public:
    /// Asks where to save, given a title, a proposed path and a filter; an
    /// empty answer cancels.
    using Choix = std::function<QString(const QString& titre, const QString& proposition,
                                        const QString& filtre)>;
    /// Tells the user that something could not be saved.
    using Alerte = std::function<void(const QString& message)>;
    /// Hands a save's bytes to the file opened for them and says how many
    /// went; a test puts a full disk in its place.
    using Ecriture = std::function<qint64(QIODevice& fichier, const QByteArray& octets)>;

    /// Follows the sensors of `os` from now on. Without `choix` a file dialog
    /// asks, without `alerte` a message box tells.
    explicit Enregistrement(OS& os, Choix choix = {}, Alerte alerte = {});

    /// Another way to ask and to tell (tests, or a window of the program's own).
    void setChoix(Choix choix) { choix_ = std::move(choix); }
    void setAlerte(Alerte alerte) { alerte_ = std::move(alerte); }
    void setEcriture(Ecriture ecriture) { ecriture_ = std::move(ecriture); }

    /// The window as it is seen, `echelle` times as many pixels.
    QImage imageFenetre(double echelle = 1) const;
    /// The oscilloscope panel alone (screen, sensors and time base).
    QImage imageOscilloscope(double echelle = 1) const;
    /// The measurements of the current sweep and the previous one, with the
    /// parameters as comment lines.
    QString csv() const;
    const HistoriqueCapteurs& historique() const { return historique_; }
    /// Forgets the measurements, as at a fresh start.
    void videHistorique() { historique_.vide(); }

    void enregistreImageFenetre();
    void enregistreImageImpression();
    void enregistreImageOscilloscope();
    void copieImageFenetre();
    void exporteMesures();

    /// Writes `octets` to `chemin` through a temporary file put in place when
    /// whole; on failure nothing is left behind, an older file of that name
    /// stays as it was, and the alert says why.
    bool ecris(const QString& chemin, const QByteArray& octets);
    /// Why a file could not be written, in the interface's language, from
    /// the system's error number or else from the file's error.
    static QString raison(int numero, QFileDevice::FileError erreur);

    /// Asks where (through `choix`, or this object's own way of asking), then
    /// writes `image` as a PNG file named after `quoi`.
    void enregistreImage(const QImage& image, const QString& quoi, const QString& titre,
                         const Choix& choix = {});

    /// "vibralume-<quoi>-2026-12-08-14-03-25.<extension>" in the usual folder.
    static QString proposition(const QString& quoi, const QString& extension,
                               const QDateTime& quand, bool image);

private:
    QImage rendu(QWidget* w, double echelle) const;
    /// The file dialog: a name typed bare gets the proposed name's extension.
    QString demande(const QString& titre, const QString& proposition, const QString& filtre);

    OS& os_;
    Choix choix_;
    Alerte alerte_;
    Ecriture ecriture_;
    HistoriqueCapteurs historique_;
};

} // namespace vibralume
