#pragma once
// Test helpers: reading a tone file's bytes and checking them against the
// format by hand, independently of the writer's code.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace essai {

inline QByteArray litOctets(const std::filesystem::path& chemin) {
    QFile fichier(QString::fromStdString(chemin.string()));
    if (!fichier.open(QIODevice::ReadOnly)) {
        return {};
    }
    return fichier.readAll();
}

inline uint32_t le32(const QByteArray& o, qsizetype i) {
    return uint32_t(uint8_t(o[i])) | uint32_t(uint8_t(o[i + 1])) << 8 |
           uint32_t(uint8_t(o[i + 2])) << 16 | uint32_t(uint8_t(o[i + 3])) << 24;
}

inline int16_t echantillon(const QByteArray& o, qsizetype j) {
    return int16_t(uint16_t(uint8_t(o[44 + 2 * j]) | uint8_t(o[44 + 2 * j + 1]) << 8));
}

/// The sample the tone should hold at j, straight from the definition, clipped to 16 bits.
inline int16_t echantillonAttendu(int j, double F, int32_t P) {
    const double v = std::nearbyint(P * std::sin((j * 6.2831853) * (F / 44100)));
    return int16_t(v > 32767 ? 32767 : v < -32768 ? -32768 : v);
}

/// Files in a folder other than test.wav (leftover temporaries).
inline QStringList autresFichiers(const QString& dossier) {
    QStringList noms = QDir(dossier).entryList(QDir::Files | QDir::Hidden | QDir::System);
    noms.removeAll(QStringLiteral("test.wav"));
    return noms;
}

} // namespace essai
