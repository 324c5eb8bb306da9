#pragma once
// The window's sound, played through the looping player.

#include "sound/Lecture.h"
#include "ui/OS.h"

namespace vibralume {

class SonLecture : public Son {
public:
    void JoueSon() override { lecture_.JoueSon(); }
    void ArreteSon() override { lecture_.ArreteSon(); }
    Lecture& lecture() { return lecture_; }

private:
    Lecture lecture_;
};

} // namespace vibralume
