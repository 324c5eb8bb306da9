#include "ui/demarrage/NomsTouches.h"

#include <cstring>

namespace vibralume {

QString NomsTouches::translate(const char* contexte, const char* source, const char*, int) const {
    // Qt names keys in this context when it writes a key sequence for people.
    if (!contexte || !source || std::strcmp(contexte, "QShortcut") != 0)
        return {};
    static const struct {
        const char* qt;
        const char* nom;
    } noms[] = {{"Right", "Flèche droite"}, {"Left", "Flèche gauche"}, {"Up", "Flèche haut"},
                {"Down", "Flèche bas"},     {"PgUp", "Page haut"},     {"PgDown", "Page bas"}};
    for (const auto& n : noms)
        if (std::strcmp(source, n.qt) == 0)
            return QString::fromUtf8(n.nom);
    return {};
}

} // namespace vibralume
