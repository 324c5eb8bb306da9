#pragma once
// The tone file: ten periods of a sine at the vibrator's frequency times
// 1000, as a 16-bit mono PCM WAV file, "test.wav", that the player loops.

#include "sound/SortieOctets.h"

#include <cstdint>
#include <filesystem>

namespace vibralume {

/// Samples per second of the tone file.
inline constexpr int32_t FrequenceEchantillonnage = 44100;
/// Samples per write: the tone goes to the file in blocks, never sample by sample.
inline constexpr int TailleBloc = 512;
/// Name of the tone file in its folder.
inline constexpr const char* NomFichierSon = "test.wav";

/// True when F makes a tone file: finite, above 0, at most 882000 Hz, with at
/// least one sample and not more than the file's 32-bit sizes can count.
bool FrequenceValide(double F);

/// Ten periods at F Hz in whole samples: nearbyint(((1 / F) * 10) * 44100). F must be valid.
int32_t NombreEchantillons(double F);

/// Sends the tone file for F (valid) and peak P to `sortie`: the 44-byte
/// header field by field, then the samples in blocks of up to 512.
void EcritTon(double F, int32_t P, SortieOctets& sortie);

/// Replaces `dossier`/test.wav by the tone at F Hz with peak P; returns false
/// and leaves the old file as it was when F is invalid or writing fails.
bool GenereSon(double F, const int32_t& P, const std::filesystem::path& dossier);

} // namespace vibralume
