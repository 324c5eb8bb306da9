#include "ui/Reglages.h"

#include <QFile>
#include <QSettings>
#include <QStringDecoder>
#include <QStringList>
#include <algorithm>

namespace vibralume {

namespace {

const QString CleZoom = QStringLiteral("affichage/zoom");
const QString ClePleinEcran = QStringLiteral("affichage/pleinEcran");
const QString CleVolume = QStringLiteral("son/volume");
const QString CleMuet = QStringLiteral("son/muet");
const QString CleLangue = QStringLiteral("interface/langue");

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

void Reglages::signale(const QString& raison) {
    if (averti_)
        return;
    averti_ = true;
    journal_ << "vibralume : réglages " << raison.toStdString() << " dans "
             << fichier().toStdString() << ", valeurs par défaut" << '\n'
             << std::flush;
}

ValeursReglages Reglages::lis() {
    ValeursReglages v;
    QFile brut(fichier());
    if (brut.exists() && !brut.open(QIODevice::ReadOnly)) {
        signale(QStringLiteral("illisibles"));
        return v;
    }
    const QByteArray octets = brut.isOpen() ? brut.readAll() : QByteArray();
    if (settings_->status() != QSettings::NoError || !estDuTexte(octets)) {
        signale(settings_->status() == QSettings::AccessError ? QStringLiteral("illisibles")
                                                              : QStringLiteral("endommagés"));
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
        signale(QStringLiteral("invalides (%1)").arg(fautives.join(QStringLiteral(", "))));
    return v;
}

void Reglages::ecris(const QString& cle, const QVariant& valeur) {
    settings_->setValue(cle, valeur);
    settings_->sync();
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

} // namespace vibralume
