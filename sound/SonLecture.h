#pragma once
// The program's sound: the tone file written into its folder and played by
// the looping player.

#include "sound/DossierSon.h"
#include "sound/Lecture.h"
#include "sound/Son.h"

#include <ostream>

namespace vibralume {

class SonLecture : public Son {
public:
    /// Writes into `dossier` and plays what it holds; the player's notices go to `journal`.
    SonLecture(DossierSon& dossier, std::ostream& journal);

    bool GenereSon(double F, const int32_t& P) override { return dossier_.genere(F, P); }
    void JoueSon() override { lecture_.JoueSon(); }
    void ArreteSon() override { lecture_.ArreteSon(); }
    Lecture& lecture() { return lecture_; }

private:
    DossierSon& dossier_;
    Lecture lecture_;
};

} // namespace vibralume
