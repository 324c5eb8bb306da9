#include "sound/SonLecture.h"

namespace vibralume {

SonLecture::SonLecture(DossierSon& dossier, std::ostream& journal)
    : dossier_(dossier), lecture_([this] { return dossier_.cheminTon(); }, journal) {}

// After a failed write the file on disk is an older tone, or none: the
// pitch heard would not be the one the window shows.
void SonLecture::JoueSon() {
    if (dossier_.tonDisponible()) {
        lecture_.JoueSon();
    } else {
        lecture_.ArreteSon();
    }
}

} // namespace vibralume
