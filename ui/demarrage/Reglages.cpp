#include "ui/demarrage/Reglages.h"

#include <QFile>
#include <QSettings>
#include <QStringDecoder>
#include <QStringList>
#include <algorithm>
#include <cstdio>

namespace vibralume {

namespace {

const QString CleZoom = QStringLiteral("affichage/zoom");
const QString ClePleinEcran = QStringLiteral("affichage/pleinEcran");
const QString CleVolume = QStringLiteral("son/volume");
const QString CleMuet = QStringLiteral("son/muet");
const QString CleLangue = QStringLiteral("interface/langue");
const QString CleLecons = QStringLiteral("lecons/recentes");
const QStringList Cles{CleZoom, ClePleinEcran, CleVolume, CleMuet, CleLangue, CleLecons};

/// An integer within [min, max] written as such, or nothing.
bool entier(const QVariant& v, int min, int max, int& sortie) {
    bool ok = false;
    const int n = v.toString().trimmed().toInt(&ok);
    if (!ok || n < min || n > max)
        return false;
    sortie = n;
    return true;
}

/// "true" or "false" as QSettings writes them, or nothing.
bool booleen(const QVariant& v, bool& sortie) {
    const QString t = v.toString().trimmed().toLower();
    if (t != QLatin1String("true") && t != QLatin1String("false"))
        return false;
    sortie = t == QLatin1String("true");
    return true;
}

/// A settings file is lines of UTF-8 text; anything else was damaged (a disk
/// fault, a file of another program), whatever the reader makes of it.
bool estDuTexte(const QByteArray& octets) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString texte = utf8.decode(octets);
    if (utf8.hasError())
        return false;
    return std::none_of(texte.begin(), texte.end(), [](QChar c) {
        return c.category() == QChar::Other_Control && c != u'\n' && c != u'\r' && c != u'\t';
    });
}

} // namespace

Reglages::Reglages(std::ostream& journal)
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QStringLiteral("vibralume"),
                                            QStringLiteral("vibralume"))),
      journal_(journal) {}

Reglages::Reglages(const QString& fichier, std::ostream& journal)
    : settings_(std::make_unique<QSettings>(fichier, QSettings::IniFormat)), journal_(journal) {}

Reglages::~Reglages() = default;

QString Reglages::fichier() const {
    return settings_->fileName();
}

QString Reglages::fichierEndommage() const {
    return fichier() + QStringLiteral(".endommage");
}

void Reglages::signale(const QString& texte) {
    if (averti_)
        return;
    averti_ = true;
    journal_ << "vibralume : " << texte.toStdString() << '\n' << std::flush;
}

/// Not the lines of text QSettings writes, or a value it cannot decode.
bool Reglages::endommage(const QByteArray& octets) {
    if (settings_->status() == QSettings::FormatError || !estDuTexte(octets))
        return true;
    return std::any_of(Cles.begin(), Cles.end(), [this](const QString& cle) {
        return settings_->contains(cle) && !settings_->value(cle).isValid();
    });
}

// QSettings writes back what it could parse of a damaged file along with every
// new value, damage included: the file goes aside, whole, for whoever wants to
// look at it, and a fresh one takes its place, read by a new QSettings (the
// old one's FormatError would stay and hide a failed write).
bool Reglages::metDeCote() {
    const QString nom = fichier();
    const QString aCote = fichierEndommage();
    settings_.reset();
    const bool deplace =
        std::rename(QFile::encodeName(nom).constData(), QFile::encodeName(aCote).constData()) == 0;
    settings_ = std::make_unique<QSettings>(nom, QSettings::IniFormat);
    return deplace;
}

ValeursReglages Reglages::lis() {
    ValeursReglages v;
    QFile brut(fichier());
    const bool ouvert = !brut.exists() || brut.open(QIODevice::ReadOnly);
    const QByteArray octets = brut.isOpen() ? brut.readAll() : QByteArray();
    brut.close();
    if (!ouvert || settings_->status() == QSettings::AccessError) {
        signale(QStringLiteral("réglages illisibles dans %1, valeurs par défaut").arg(fichier()));
        return v;
    }
    if (endommage(octets)) {
        if (metDeCote())
            signale(tr("réglages endommagés dans %1, mis de côté dans %2 ; valeurs par défaut")
                        .arg(fichier(), fichierEndommage()));
        else
            signale(
                QStringLiteral("réglages endommagés dans %1, valeurs par défaut").arg(fichier()));
        return v;
    }
    QStringList fautives;
    auto lit = [&](const QString& cle, auto&& verifie) {
        if (settings_->contains(cle) && !verifie(settings_->value(cle)))
            fautives << cle;
    };
    lit(CleZoom, [&](const QVariant& x) { return entier(x, 50, 400, v.zoomPourcent); });
    lit(ClePleinEcran, [&](const QVariant& x) { return booleen(x, v.pleinEcran); });
    lit(CleVolume, [&](const QVariant& x) { return entier(x, 0, 100, v.volume); });
    lit(CleMuet, [&](const QVariant& x) { return booleen(x, v.muet); });
    lit(CleLangue, [&](const QVariant& x) {
        const QString l = x.toString().trimmed();
        if (l != QLatin1String("fr") && l != QLatin1String("en"))
            return false;
        v.langue = l;
        return true;
    });
    if (!fautives.isEmpty())
        signale(tr("réglages invalides dans %1, valeurs par défaut pour %2")
                    .arg(fichier(), fautives.join(QStringLiteral(", "))));
    return v;
}

// A read-only file (or folder) keeps the settings it has; the teacher hears
// once that the changes of this lesson will not be kept.
void Reglages::ecris(const QString& cle, const QVariant& valeur) {
    settings_->setValue(cle, valeur);
    settings_->sync();
    if (settings_->status() != QSettings::AccessError || avertiEcriture_)
        return;
    avertiEcriture_ = true;
    journal_ << "vibralume : "
             << tr("réglages impossibles à écrire dans %1, les changements ne seront pas "
                   "retenus")
                    .arg(fichier())
                    .toStdString()
             << '\n'
             << std::flush;
}

void Reglages::ecrisZoom(int pourcent) {
    ecris(CleZoom, pourcent);
}

void Reglages::ecrisPleinEcran(bool oui) {
    ecris(ClePleinEcran, oui);
}

void Reglages::ecrisVolume(int pourcent) {
    ecris(CleVolume, pourcent);
}

void Reglages::ecrisMuet(bool oui) {
    ecris(CleMuet, oui);
}

void Reglages::ecrisLangue(const QString& langue) {
    ecris(CleLangue, langue);
}

QStringList Reglages::leconsRecentes() {
    // One path is read back as a text, several as a list.
    const QVariant v = settings_->value(CleLecons);
    QStringList chemins =
        v.typeId() == QMetaType::QString ? QStringList{v.toString()} : v.toStringList();
    chemins.removeAll(QString());
    return chemins.mid(0, 5);
}

void Reglages::ecrisLeconsRecentes(const QStringList& chemins) {
    ecris(CleLecons, chemins);
}

} // namespace vibralume
