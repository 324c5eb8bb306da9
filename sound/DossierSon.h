#pragma once
// Where the tone file lives. A program run from its build tree writes beside
// itself, and moves to the user's data folder for the rest of the run if it
// may not write there. An installed program writes in the data folder only:
// a system folder is no place for a file no package owns, even when the
// program runs with the right to write there.

#include <cstdint>
#include <filesystem>
#include <ostream>

namespace vibralume {

/// Chooses the tone file's folder, writes the tone there and knows whether it holds it.
class DossierSon {
public:
    /// What is tried when the folder cannot take the file.
    enum class Repli {
        DossierDonnees, ///< the data folder, for good
        Aucun,          ///< nothing: the folder is the data folder, made when missing
    };

    /// Writes into `dossier`; `journal` receives the one line that tells of a
    /// move to the data folder or of a tone that cannot be written.
    DossierSon(std::filesystem::path dossier, std::ostream& journal,
               Repli repli = Repli::DossierDonnees);

    /// The running program's: beside it in its build tree, else the data folder only.
    static DossierSon pourExecutable(std::ostream& journal);

    /// The folder in use.
    std::filesystem::path dossier() const { return dossier_; }
    /// test.wav in that folder.
    std::filesystem::path cheminTon() const;
    /// Writes the tone (see GenereSon), moving as Repli says on the first
    /// failure. False when F is invalid or no folder could take the file.
    bool genere(double F, int32_t P);
    /// True when the last genere succeeded: test.wav then holds that tone.
    /// False before any and after a failure, whatever old file lies there.
    bool tonDisponible() const { return disponible_; }

    /// True when `dossier` is the programs' folder of a build tree (a CMake
    /// cache beside it), not a place the program was installed into.
    static bool estArbreDeConstruction(const std::filesystem::path& dossier);
    /// The folder of the running executable.
    static std::filesystem::path dossierExecutable();
    /// $XDG_DATA_HOME/vibralume, or ~/.local/share/vibralume when that is unset
    /// or not absolute.
    static std::filesystem::path dossierDonnees();
    /// silence.wav, supplied next to the program.
    static std::filesystem::path cheminSilence();

private:
    bool ecrit(double F, int32_t P);
    void prepare();

    std::filesystem::path dossier_;
    std::ostream& journal_;
    Repli repli_;
    bool cree_;         ///< make dossier_ when missing
    bool pret_ = false; ///< dossier_ made and cleaned
    bool averti_ = false;
    bool disponible_ = false;
};

} // namespace vibralume
