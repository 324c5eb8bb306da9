#include "ui/partage/Enregistrement.h"

#include "ui/simulation/ControlesOS.h"
#include "ui/simulation/OS.h"
#include "ui/simulation/PanneauMesures.h"
#include "views/Etiquette.h"
#include "views/PictureBox.h"

#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QRadioButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <cerrno>

namespace vibralume {

Enregistrement::Enregistrement(OS& os, Choix choix, Alerte alerte)
    : QObject(&os), os_(os), choix_(std::move(choix)), alerte_(std::move(alerte)) {
    if (!choix_)
        choix_ = [this](const QString& titre, const QString& proposition, const QString& filtre) {
            return demande(titre, proposition, filtre);
        };
    if (!alerte_)
        alerte_ = [this](const QString& message) {
            QMessageBox::warning(&os_, QStringLiteral("Vibralume"), message);
        };
    ecriture_ = [](QIODevice& fichier, const QByteArray& octets) { return fichier.write(octets); };
    // Every tick's levels, as the oscilloscope plotted them.
    connect(&os.mesures(), &PanneauMesures::echantillonne, this, [this] {
        PanneauMesures& p = os_.mesures();
        const Module1& m = os_.etat();
        auto niveau = [&](int16_t n) {
            return p.capteurActif(n) ? std::optional<double>(m.PressionPrec[std::size_t(n)])
                                     : std::nullopt;
        };
        historique_.ajoute(m.TempsMs, m.DureeBalayage, niveau(1), niveau(2));
    });
}

QImage Enregistrement::rendu(QWidget* w, double echelle) const {
    const qreal dpr = w->devicePixelRatioF() * echelle;
    QImage image(w->size() * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(os_.palette().color(QPalette::Window));
    w->render(&image);
    return image;
}

QImage Enregistrement::imageFenetre(double echelle) const {
    return rendu(&os_, echelle);
}

QImage Enregistrement::imageOscilloscope(double echelle) const {
    return rendu(os_.controles().Oscilloscope, echelle);
}

QString Enregistrement::proposition(const QString& quoi, const QString& extension,
                                    const QDateTime& quand, bool image) {
    QString dossier = QStandardPaths::writableLocation(image ? QStandardPaths::PicturesLocation
                                                             : QStandardPaths::DocumentsLocation);
    if (dossier.isEmpty() || !QDir(dossier).exists())
        dossier = QDir::homePath();
    return QDir(dossier).filePath(
        QStringLiteral("vibralume-%1-%2.%3")
            .arg(quoi, quand.toString(QStringLiteral("yyyy-MM-dd-HH-mm-ss")), extension));
}

QString Enregistrement::demande(const QString& titre, const QString& proposition,
                                const QString& filtre) {
    QFileDialog dialogue(&os_, titre, proposition, filtre);
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setDefaultSuffix(QFileInfo(proposition).suffix());
    dialogue.selectFile(proposition);
    if (dialogue.exec() != QDialog::Accepted)
        return {};
    return dialogue.selectedFiles().value(0);
}

QString Enregistrement::raison(int numero, QFileDevice::FileError erreur) {
    switch (numero) {
    case ENOSPC:
    case EDQUOT:
        return tr("le disque est plein");
    case EACCES:
    case EPERM:
        return tr("accès refusé");
    case EROFS:
        return tr("le disque est en lecture seule");
    case ENOENT:
    case ENOTDIR:
        return tr("le dossier n'existe pas");
    case EISDIR:
        return tr("un dossier porte ce nom");
    case ENAMETOOLONG:
        return tr("le nom est trop long");
    case EIO:
        return tr("erreur du disque");
    default:
        break;
    }
    switch (erreur) {
    case QFileDevice::ResourceError: // Qt's word for a write that found no room
        return tr("le disque est plein");
    case QFileDevice::PermissionsError:
        return tr("accès refusé");
    case QFileDevice::OpenError:
        return tr("le fichier n'a pas pu être créé");
    case QFileDevice::RenameError:
        return tr("l'ancien fichier n'a pas pu être remplacé");
    default:
        return tr("erreur d'écriture");
    }
}

bool Enregistrement::ecris(const QString& chemin, const QByteArray& octets) {
    QSaveFile fichier(chemin);
    // Unbuffered: a file of a few kB would otherwise wait in Qt's buffer until
    // commit(), which does not check that last flush and would put a short
    // file in place of the old one. Each step's errno is read before anything
    // else can change it.
    errno = 0;
    bool fait = fichier.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (fait) {
        errno = 0;
        fait =
            ecriture_(fichier, octets) == octets.size() && fichier.error() == QFileDevice::NoError;
    }
    if (fait) {
        errno = 0;
        fait = fichier.commit();
    }
    if (!fait) {
        int numero = errno;
        // cancelWriting() overwrites the file's error with its own words.
        const QFileDevice::FileError erreur = fichier.error();
        fichier.cancelWriting();
        if (numero == 0 && QFileInfo(chemin).isDir())
            numero = EISDIR;
        alerte_(tr("Le fichier « %1 » n'a pas pu être enregistré : %2.")
                    .arg(QDir::toNativeSeparators(chemin), raison(numero, erreur)));
    }
    return fait;
}

void Enregistrement::enregistreImage(const QImage& image, const QString& quoi, const QString& titre,
                                     const Choix& choix) {
    const QString chemin = (choix ? choix : choix_)(
        titre, proposition(quoi, QStringLiteral("png"), QDateTime::currentDateTime(), true),
        tr("Images PNG (*.png)"));
    if (chemin.isEmpty())
        return;
    QByteArray png;
    QBuffer tampon(&png);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "PNG");
    ecris(chemin, png);
}

void Enregistrement::enregistreImageFenetre() {
    //: A word of a file name: no accents, no spaces
    const QString quoi = tr("fenetre");
    enregistreImage(imageFenetre(), quoi, tr("Enregistrer l'image de la fenêtre"));
}

void Enregistrement::enregistreImageImpression() {
    //: A word of a file name: no accents, no spaces
    const QString quoi = tr("fenetre");
    enregistreImage(imageFenetre(2), quoi,
                    tr("Enregistrer l'image de la fenêtre pour l'impression"));
}

void Enregistrement::enregistreImageOscilloscope() {
    //: A word of a file name: no accents, no spaces
    const QString quoi = tr("oscilloscope");
    enregistreImage(imageOscilloscope(), quoi, tr("Enregistrer l'image de l'oscilloscope"));
}

void Enregistrement::copieImageFenetre() {
    QGuiApplication::clipboard()->setImage(imageFenetre());
}

namespace {

QString nombre(double x, QChar decimale) {
    return QString::number(x, 'g', 12).replace(QLatin1Char('.'), decimale);
}

/// The number of a caption as the window shows it (" 8.33cm" gives 8.33).
QString valeur(const Etiquette* legende, const QString& unite, QChar decimale) {
    QString t = legende->text().trimmed();
    if (t.endsWith(unite))
        t.chop(unite.size());
    return t.trimmed().replace(QLatin1Char('.'), decimale);
}

} // namespace

QString Enregistrement::csv() const {
    const ControlesOS& c = os_.controles();
    const Module1& m = os_.etat();
    // French spreadsheets read a decimal comma and fields apart by
    // semicolons; others a point and commas.
    const bool francais = QLocale().language() == QLocale::French;
    const QChar decimale = francais ? QLatin1Char(',') : QLatin1Char('.');
    const char separateur = francais ? ';' : ',';
    const ValeursChoix& choix = os_.choix().valeurs();
    // The captions the pupil chose from, in the interface's language.
    const QRadioButton* bords[] = {c.OndeProgressive, c.OndeStationnaire, c.OndeStationnaire2};
    const QString bord = bords[std::size_t(choix.bord)]->text();
    const QString base = c.Sens[std::size_t(choix.indexBaseTemps)]->text();
    const bool periodique = choix.vibration == Vibration::Periodique;
    const std::vector<QString> commentaires = {
        tr("Vibralume, mesures des capteurs de pression, %1")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))),
        tr("fréquence f = %1 Hz").arg(valeur(c.f, QStringLiteral("Hz"), decimale)),
        tr("célérité v = %1 cm/s").arg(valeur(c.vit, QStringLiteral("cm/s"), decimale)),
        tr("longueur d'onde λ = %1 cm").arg(valeur(c.lambda, QStringLiteral("cm"), decimale)),
        periodique
            ? tr("vibration périodique, amplitude %1 cm").arg(nombre(m.AmplVib, decimale))
            : tr("vibration solitaire, amplitude %1 cm").arg(nombre(m.AmplSoliton, decimale)),
        tr("milieu : %1").arg(choix.milieu == EtatMilieu::Gaz ? tr("gaz") : tr("solide")),
        tr("amortissement : %1").arg(choix.amortissement ? tr("oui") : tr("non")),
        tr("conditions aux limites : %1").arg(bord),
        tr("sensibilité horizontale : %1").arg(base),
        tr("niveaux en divisions de l'oscilloscope : 3 au repos, moins de 3 en compression ; "
           "vide quand le capteur est éteint"),
    };
    std::vector<std::string> lignes;
    for (const QString& l : commentaires)
        lignes.push_back(l.toStdString());
    const std::vector<std::string> entetes = {tr("temps (s)").toStdString(),
                                              tr("capteur 1 (div)").toStdString(),
                                              tr("capteur 2 (div)").toStdString()};
    return QString::fromStdString(
        CsvMesures(historique_.lignes(), lignes, entetes, separateur, decimale.toLatin1()));
}

void Enregistrement::exporteMesures() {
    const QString chemin = choix_(
        tr("Exporter les mesures"),
        //: A word of a file name: no accents, no spaces
        proposition(tr("mesures"), QStringLiteral("csv"), QDateTime::currentDateTime(), false),
        tr("Fichiers CSV (*.csv)"));
    if (!chemin.isEmpty())
        ecris(chemin, csv().toUtf8());
}

} // namespace vibralume
