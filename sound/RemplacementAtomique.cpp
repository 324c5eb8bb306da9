#include "sound/RemplacementAtomique.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/types.h>
#include <unistd.h>

namespace vibralume {

namespace {

// ".test.wav-<pid>-<n>.tmp": hidden, unique per process and per attempt, and
// carrying the writer's pid so that leftovers of dead writers can be told
// from files being written right now by another instance.
std::string prefixeTemporaire(const std::filesystem::path& cible) {
    return "." + cible.filename().string() + "-";
}

constexpr const char* SuffixeTemporaire = ".tmp";

std::atomic<unsigned> compteur{0};

} // namespace

RemplacementAtomique::RemplacementAtomique(std::filesystem::path cible) : cible_(std::move(cible)) {
    const std::string prefixe = prefixeTemporaire(cible_) + std::to_string(::getpid()) + "-";
    for (int essai = 0; essai < 100; ++essai) {
        temporaire_ =
            cible_.parent_path() / (prefixe + std::to_string(compteur++) + SuffixeTemporaire);
        // 0666 under the umask, as for any file the program creates.
        descripteur_ = ::open(temporaire_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descripteur_ >= 0 || errno != EEXIST) {
            break;
        }
    }
    if (descripteur_ < 0) {
        erreur_ = errno;
        termine_ = true;
    }
}

RemplacementAtomique::~RemplacementAtomique() {
    abandonne();
}

void RemplacementAtomique::ecris(const char* octets, std::size_t taille) {
    if (erreur_ != 0 || termine_) {
        return;
    }
    while (taille > 0) {
        const ssize_t ecrits = ::write(descripteur_, octets, taille);
        if (ecrits < 0) {
            if (errno == EINTR) {
                continue;
            }
            echec(errno);
            return;
        }
        octets += ecrits;
        taille -= static_cast<std::size_t>(ecrits);
    }
}

bool RemplacementAtomique::valide() {
    if (termine_ || erreur_ != 0) {
        abandonne();
        return false;
    }
    // No fsync: the file only has to survive the program, not a power cut,
    // and syncing at every scroll-bar step would make the slider stutter.
    const int fermeture = ::close(descripteur_);
    descripteur_ = -1;
    if (fermeture != 0) {
        echec(errno);
        abandonne();
        return false;
    }
    if (std::rename(temporaire_.c_str(), cible_.c_str()) != 0) {
        echec(errno);
        abandonne();
        return false;
    }
    termine_ = true;
    return true;
}

int RemplacementAtomique::nettoieRestes(const std::filesystem::path& cible) {
    const std::string prefixe = prefixeTemporaire(cible);
    const std::string suffixe = SuffixeTemporaire;
    const pid_t moi = ::getpid();
    int retires = 0;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(cible.parent_path(), ec), fin; !ec && it != fin;
         it.increment(ec)) {
        const std::string nom = it->path().filename().string();
        if (nom.size() <= prefixe.size() + suffixe.size() || nom.rfind(prefixe, 0) != 0 ||
            nom.compare(nom.size() - suffixe.size(), suffixe.size(), suffixe) != 0) {
            continue;
        }
        const std::string milieu =
            nom.substr(prefixe.size(), nom.size() - prefixe.size() - suffixe.size());
        const auto tiret = milieu.find('-');
        if (tiret == std::string::npos || tiret == 0) {
            continue;
        }
        const std::string pid = milieu.substr(0, tiret);
        if (pid.find_first_not_of("0123456789") != std::string::npos || pid.size() > 9) {
            continue;
        }
        const pid_t auteur = static_cast<pid_t>(std::stol(pid));
        if (auteur == moi || auteur <= 0) {
            continue;
        }
        if (::kill(auteur, 0) != 0 && errno == ESRCH) {
            std::error_code ignore;
            if (std::filesystem::remove(it->path(), ignore)) {
                ++retires;
            }
        }
    }
    return retires;
}

void RemplacementAtomique::echec(int numero) {
    if (erreur_ == 0) {
        erreur_ = numero != 0 ? numero : EIO;
    }
}

void RemplacementAtomique::abandonne() {
    if (descripteur_ >= 0) {
        ::close(descripteur_);
        descripteur_ = -1;
    }
    if (!termine_) {
        ::unlink(temporaire_.c_str());
        termine_ = true;
    }
}

} // namespace vibralume
