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

DossierSon::DossierSon(std::filesystem::path dossierProgramme, std::ostream& journal)
    : programme_(std::move(dossierProgramme)), journal_(journal) {}

std::filesystem::path DossierSon::dossier() const {
    return repli_.empty() ? programme_ : repli_;
}

std::filesystem::path DossierSon::cheminTon() const {
    return dossier() / NomFichierSon;
}

bool DossierSon::genere(double F, int32_t P) {
    if (!FrequenceValide(F)) {
        return false;
    }
    if (!nettoye_) {
        nettoye_ = true;
        RemplacementAtomique::nettoieRestes(cheminTon());
    }
    if (GenereSon(F, P, dossier())) {
        return true;
    }
    if (!repli_.empty()) {
        return false; // already said, when the move was made
    }
    bascule();
    const bool ecrit = GenereSon(F, P, repli_);
    // Said once, after the attempt, as it turned out: later refreshes go
    // straight to the data folder.
    journal_ << "vibralume : écriture impossible dans " << programme_.string();
    if (ecrit) {
        journal_ << " ; le son est écrit dans " << repli_.string();
    } else {
        journal_ << " ni dans " << repli_.string() << " ; le son reste muet";
    }
    journal_ << '\n' << std::flush;
    return ecrit;
}

void DossierSon::bascule() {
    repli_ = dossierDonnees();
    std::error_code ec;
    std::filesystem::create_directories(repli_, ec);
    RemplacementAtomique::nettoieRestes(repli_ / NomFichierSon);
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
