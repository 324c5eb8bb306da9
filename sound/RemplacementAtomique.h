#pragma once
// Replacing a file so that nobody ever sees half of it: the new content goes
// to a temporary file in the same folder, which is renamed over the target
// once complete. A rename within one file system is atomic, so a reader (the
// player) gets the old file or the new one, even if the writer is killed.

#include "sound/SortieOctets.h"

#include <filesystem>

namespace vibralume {

/// Writes a new version of one file and puts it in place only when whole.
class RemplacementAtomique : public SortieOctets {
public:
    /// Creates the temporary file next to `cible`; see ouvert().
    explicit RemplacementAtomique(std::filesystem::path cible);
    /// Removes the temporary file unless valide() has put it in place.
    ~RemplacementAtomique() override;
    RemplacementAtomique(const RemplacementAtomique&) = delete;
    RemplacementAtomique& operator=(const RemplacementAtomique&) = delete;

    /// False when the temporary file could not be created (folder missing or read-only).
    bool ouvert() const { return descripteur_ >= 0; }
    /// errno of the first failure, 0 while all went well.
    int erreur() const { return erreur_; }

    void ecris(const char* octets, std::size_t taille) override;
    /// Closes the temporary file and renames it over the target; false, and
    /// the target untouched, if anything failed on the way.
    bool valide();

    /// Removes the temporaries of `cible` left by writers killed mid-write
    /// (those whose process is gone); returns how many were removed.
    static int nettoieRestes(const std::filesystem::path& cible);

private:
    void echec(int numero);
    void abandonne();

    std::filesystem::path cible_;
    std::filesystem::path temporaire_;
    int descripteur_ = -1;
    int erreur_ = 0;
    bool termine_ = false;
};

} // namespace vibralume
