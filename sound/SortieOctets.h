#pragma once
// Where the tone file's bytes go, so that the writer can be watched byte by
// byte and write by write.

#include <cstddef>

namespace vibralume {

/// Receives bytes in the order they are written; one call per write.
class SortieOctets {
public:
    virtual ~SortieOctets() = default;
    /// Appends `taille` bytes; a failure is remembered by the output, not reported here.
    virtual void ecris(const char* octets, std::size_t taille) = 0;
};

} // namespace vibralume
