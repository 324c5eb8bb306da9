#pragma once
// The program's sound: the tone file written into its folder and played by
// the looping player, which never plays a file the last write did not make.

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
    void JoueSon() override;
    void ArreteSon() override { lecture_.ArreteSon(); }
    bool tonDisponible() const override { return dossier_.tonDisponible(); }
    Lecture& lecture() { return lecture_; }

private:
    DossierSon& dossier_;
    Lecture lecture_;
};

} // namespace vibralume
