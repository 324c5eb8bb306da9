#pragma once
// Every control of the main window that its handlers use, typed, found once
// when the window is built.

#include <array>

class QCheckBox;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace vibralume {

class ControlesConstruits;
class ConteneurEnonce;
class Etiquette;
class ImageControle;
class PictureBox;
class Trait;

struct ControlesOS {
    // Top band: the model, its run controls and the ruler.
    PictureBox* ModeleMicro;
    PictureBox* VibreurOS;
    PictureBox* BordOuvert;
    PictureBox* BordFerme;
    Etiquette* Micro1;
    Etiquette* Micro2;
    PictureBox* Regle;
    PictureBox* Picture3;
    Etiquette* Label15;
    ImageControle* Command1;
    ImageControle* Command2;
    ImageControle* Command3;
    ImageControle* CacherModeleMicro;

    // Left column: the vibration, its source and listening.
    PictureBox* OndeSolitaire;
    QPushButton* SolitonCourt;
    QPushButton* SolitonMoyen;
    QPushButton* SolitonLong;
    QScrollBar* AmplitudeSoliton;
    Etiquette* Label31;
    Etiquette* Label32;
    PictureBox* OndePeriodique;
    Etiquette* Label11;
    QScrollBar* Amplitude;
    QScrollBar* frequence;
    Etiquette* label3;
    Etiquette* Label2;
    PictureBox* Vibreur;
    Trait* Vib_AmplD;
    Trait* Vib_AmplG;
    Trait* Vib0;
    PictureBox* Picture1;
    Etiquette* Label12;
    ImageControle* CacheVibreur;
    PictureBox* Command5;
    ImageControle* Image6;
    PictureBox* Command4;
    ImageControle* Image5;

    // Middle column: the wave's properties and the oscilloscope.
    Etiquette* lambda;
    Etiquette* vit;
    Etiquette* f;
    PictureBox* Oscilloscope;
    ImageControle* micro1_noncoche;
    ImageControle* micro1_coche;
    ImageControle* micro2_noncoche;
    ImageControle* micro2_coche;
    Etiquette* capteur1;
    Etiquette* Capteur2;
    std::array<QRadioButton*, 5> Sens; ///< by Index
    PictureBox* Oscillo;
    PictureBox* Picture2;
    Etiquette* Label13;
    Etiquette* Label14;
    PictureBox* Picture4;
    ImageControle* CacheOscillo;

    // Right column: the medium and the statement.
    QScrollBar* v;
    Etiquette* Label23;
    QRadioButton* Solide;
    QRadioButton* Gaz;
    QCheckBox* Amortissement;
    QRadioButton* OndeStationnaire2;
    QRadioButton* OndeStationnaire;
    QRadioButton* OndeProgressive;
    ConteneurEnonce* EnonceModele;
};

/// Looks every control up by its name in the window's table; throws
/// std::logic_error naming the first one missing or of another kind.
ControlesOS resoudControlesOS(const ControlesConstruits& controles);

} // namespace vibralume
