#pragma once
// How a window is described: one row per control, positions in twips, in the
// order that decides which sibling lies in front (the first listed).

namespace vibralume {

enum class Genre { Boite, Etiq, Img, Ligne, Forme, Bouton, Barre, Option, Case, Cadre, Ole };
enum class Pointeur { Defaut, Fleche, Main, Saisie, Interdit };
enum class Aligne { Gauche, Centre, Droite };
enum class Echelle { Pixels, Centimetres, Oscillo };

/// Colours as 0xRRGGBB, or one of the roles below.
namespace couleur {
inline constexpr int Aucune = -1;     ///< transparent / not set
inline constexpr int SysTexte = -2;   ///< the platform's window text
inline constexpr int SysFond = -3;    ///< the platform's window background
inline constexpr int SysBouton = -4;  ///< the platform's button text
inline constexpr int SysInactif = -5; ///< the platform's inactive title bar
inline constexpr int Marine = 0x000040;
inline constexpr int Gris224 = 0xE0E0E0;
inline constexpr int Gris192 = 0xC0C0C0;
inline constexpr int Gris128 = 0x808080;
inline constexpr int Gris64 = 0x404040;
inline constexpr int Blanc = 0xFFFFFF;
inline constexpr int Noir = 0x000000;
} // namespace couleur

struct DefPolice {
    const char* famille = nullptr; ///< "Calibri", "Arial" or "Symbol"
    double pt = 0;
    bool gras = false;
    bool italique = false;
    bool souligne = false;
};

struct DefControle {
    const char* nom;
    Genre genre;
    const char* dans; ///< container's name; "" for the window itself
    int x, y, l, h;   ///< left, top, width, height; for a line: x1, y1, x2, y2
    bool visible = true;
    const char* legende = nullptr; ///< caption, French: the source of its translation
    int texte = couleur::Aucune;   ///< text or line colour
    int fond = couleur::Aucune;    ///< background; Aucune = transparent
    DefPolice police = {};
    Aligne align = Aligne::Gauche;
    bool bordure = false;
    Pointeur pointeur = Pointeur::Defaut;
    const char* bulle = nullptr; ///< tooltip, French: the source of its translation
    const char* image = nullptr; ///< picture resource name
    int min = 0, max = 0, valeur = 0, petit = 0, grand = 0; ///< scroll bars
    bool coche = false;                                     ///< option and check boxes
    int index = -1;                                         ///< element of a control array
    Echelle echelle = Echelle::Pixels;
    int epaisseur = 1; ///< line width of a picture box's drawing
};

inline constexpr DefPolice calibri(double pt) {
    return {"Calibri", pt};
}
inline constexpr DefPolice calibriGras(double pt) {
    return {"Calibri", pt, true};
}
inline constexpr DefPolice calibriItalique(double pt) {
    return {"Calibri", pt, false, true};
}
inline constexpr DefPolice calibriSouligne(double pt) {
    return {"Calibri", pt, false, false, true};
}
inline constexpr DefPolice arial(double pt) {
    return {"Arial", pt};
}

} // namespace vibralume
