#pragma once
// The looping source fed to the audio output: the tone file's samples,
// repeated end to start with no gap, so a tone of whole periods plays as one
// continuous sine.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vibralume {

/// An endless stream of bytes repeating a block of 16-bit samples.
class BoucleTon {
public:
    /// Replaces the samples; the next read starts at the first of the new ones.
    void remplace(std::vector<int16_t> echantillons);
    /// Number of samples in one turn of the loop.
    std::size_t nombreEchantillons() const { return echantillons_.size(); }
    /// Fills `destination` with the next whole samples, up to `octets` bytes
    /// (in the machine's byte order); returns the bytes given, 0 when empty.
    std::size_t lis(char* destination, std::size_t octets);

private:
    std::vector<int16_t> echantillons_;
    std::size_t position_ = 0;
};

} // namespace vibralume
