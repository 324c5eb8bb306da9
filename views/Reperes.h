#pragma once
// What the graphs window draws as the main window does: the sensor markers'
// colours, the end marks' greys, the ruler's height and a marker's width.
// The main window's layout table and the graphs both read them here.

#include <QColor>

namespace vibralume {

/// Fill of sensor markers 1 and 2, 0xRRGGBB as the layout tables give colours.
inline constexpr int RgbCapteur1 = 0x8080FF;
inline constexpr int RgbCapteur2 = 0xFF8000;
/// The model view's end marks: an open end, and a closed one with its wall.
inline constexpr int RgbBordOuvert = 0x808080;
inline constexpr int RgbBordFerme = 0xE0E0E0;
/// The ruler's height and a sensor marker's width, in twips.
inline constexpr int HauteurRegleTwips = 375;
inline constexpr int LargeurCapteurTwips = 240;

/// The colour of a 0xRRGGBB value.
inline QColor couleurRgb(int rgb) {
    return QColor::fromRgb(QRgb(0xFF000000u | unsigned(rgb)));
}

} // namespace vibralume
