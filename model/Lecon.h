#pragma once
// A lesson as a teacher keeps it: everything the pupils' window was set to,
// a title and the teacher's instructions.

#include "model/ChoixEleve.h"

#include <cstdint>
#include <string>

namespace vibralume {

struct Lecon {
    ValeursChoix choix;
    int16_t typeSoliton = 1;    ///< `TypeSoliton`: 1 short, 2 medium, 3 long
    int16_t trancheColoree = 0; ///< `TrancheColoree`: 0, or 3 to 47
    std::string titre;          ///< UTF-8, one line
    std::string consignes;      ///< UTF-8, plain text

    bool operator==(const Lecon&) const = default;
};

} // namespace vibralume
