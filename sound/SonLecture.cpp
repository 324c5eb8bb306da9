#include "sound/SonLecture.h"

namespace vibralume {

SonLecture::SonLecture(DossierSon& dossier, std::ostream& journal)
    : dossier_(dossier), lecture_([this] { return dossier_.cheminTon(); }, journal) {}

} // namespace vibralume
