#pragma once
// Reading back a tone file for the player.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace vibralume {

/// The samples of a PCM WAV file, 16-bit mono at 44100 Hz, in the machine's
/// byte order; nothing when the file is missing, unreadable, of another
/// format or without a sample. A data chunk longer than the file is cut to it.
std::optional<std::vector<int16_t>> LitTon(const std::filesystem::path& chemin);

} // namespace vibralume
