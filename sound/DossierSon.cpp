#include "sound/DossierSon.h"

#include "sound/Generateur.h"
#include "sound/RemplacementAtomique.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace vibralume {

namespace {

constexpr const char* SousDossier = "vibralume";

std::filesystem::path dossierPersonnel() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0') {
        return home;
    }
    if (const passwd* compte = ::getpwuid(::getuid()); compte != nullptr && compte->pw_dir) {
        return compte->pw_dir;
    }
    return std::filesystem::temp_directory_path();
}

} // namespace

DossierSon::DossierSon(std::filesystem::path dossier, std::ostream& journal, Repli repli)
    : dossier_(std::move(dossier)), journal_(journal), repli_(repli), cree_(repli == Repli::Aucun) {
}

DossierSon DossierSon::pourExecutable(std::ostream& journal) {
    const std::filesystem::path programme = dossierExecutable();
    if (estArbreDeConstruction(programme)) {
        return DossierSon(programme, journal, Repli::DossierDonnees);
    }
    return DossierSon(dossierDonnees(), journal, Repli::Aucun);
}

std::filesystem::path DossierSon::cheminTon() const {
    return dossier_ / NomFichierSon;
}

bool DossierSon::genere(double F, int32_t P) {
    // An old file is never left to pass for the tone of new parameters.
    disponible_ = ecrit(F, P);
    return disponible_;
}

bool DossierSon::ecrit(double F, int32_t P) {
    if (!FrequenceValide(F)) {
        return false;
    }
    if (!pret_) {
        prepare();
    }
    if (GenereSon(F, P, dossier_)) {
        return true;
    }
    const std::filesystem::path refuse = dossier_;
    if (repli_ == Repli::Aucun) {
        if (!averti_) {
            averti_ = true;
            journal_ << "vibralume : écriture impossible dans " << refuse.string()
                     << " ; le son reste muet" << '\n'
                     << std::flush;
        }
        return false;
    }
    repli_ = Repli::Aucun;
    cree_ = true;
    dossier_ = dossierDonnees();
    prepare();
    const bool ecrit = GenereSon(F, P, dossier_);
    // Said once, after the attempt, as it turned out: later refreshes go
    // straight to the data folder.
    averti_ = true;
    journal_ << "vibralume : écriture impossible dans " << refuse.string();
    if (ecrit) {
        journal_ << " ; le son est écrit dans " << dossier_.string();
    } else {
        journal_ << " ni dans " << dossier_.string() << " ; le son reste muet";
    }
    journal_ << '\n' << std::flush;
    return ecrit;
}

void DossierSon::prepare() {
    pret_ = true;
    if (cree_) {
        std::error_code ec;
        std::filesystem::create_directories(dossier_, ec);
    }
    RemplacementAtomique::nettoieRestes(cheminTon());
}

bool DossierSon::estArbreDeConstruction(const std::filesystem::path& dossier) {
    std::error_code ec;
    return std::filesystem::is_regular_file(dossier.parent_path() / "CMakeCache.txt", ec);
}

std::filesystem::path DossierSon::dossierExecutable() {
    std::error_code ec;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || executable.empty()) {
        return std::filesystem::current_path(ec);
    }
    return executable.parent_path();
}

std::filesystem::path DossierSon::cheminSilence() {
    return dossierExecutable() / "silence.wav";
}

std::filesystem::path DossierSon::dossierDonnees() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg != nullptr && std::filesystem::path(xdg).is_absolute()) {
        return std::filesystem::path(xdg) / SousDossier;
    }
    return dossierPersonnel() / ".local" / "share" / SousDossier;
}

} // namespace vibralume
