#pragma once
// Where the tone file lives. Normally in the program's own folder; when the
// program is installed where it may not write (a system folder), the tone goes
// to the user's data folder instead, for the rest of the run, and the player
// follows it there.

#include <cstdint>
#include <filesystem>
#include <ostream>

namespace vibralume {

/// Chooses the tone file's folder and writes the tone there.
class DossierSon {
public:
    /// Starts with `dossierProgramme`; `journal` receives the one line that
    /// tells of a move to the data folder.
    DossierSon(std::filesystem::path dossierProgramme, std::ostream& journal);

    /// The folder in use: the program's, until writing there has failed once.
    std::filesystem::path dossier() const;
    /// test.wav in that folder.
    std::filesystem::path cheminTon() const;
    /// Writes the tone (see GenereSon); on the first failure in the program's
    /// folder moves to the data folder for good and writes there. False when
    /// F is invalid or no folder could take the file.
    bool genere(double F, int32_t P);

    /// The folder of the running executable.
    static std::filesystem::path dossierExecutable();
    /// $XDG_DATA_HOME/vibralume, or ~/.local/share/vibralume when that is unset
    /// or not absolute.
    static std::filesystem::path dossierDonnees();
    /// silence.wav, supplied next to the program.
    static std::filesystem::path cheminSilence();

private:
    void bascule();

    std::filesystem::path programme_;
    std::ostream& journal_;
    std::filesystem::path repli_; ///< the data folder once moved there, empty before
    bool nettoye_ = false;
};

} // namespace vibralume
