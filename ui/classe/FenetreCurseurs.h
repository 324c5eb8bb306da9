#pragma once
// What the measuring cursors read, in a small window of its own beside the
// main window, so that nothing of the main window is covered: Δt, 1/Δt and
// the level between them; with both sensors on, their distance and the speed
// it gives. Numbers with the interface language's decimal mark.

#include "model/LectureCurseurs.h"

#include <QFont>
#include <QWidget>

class QLabel;

namespace vibralume {

class FenetreCurseurs : public QWidget {
    Q_OBJECT
public:
    explicit FenetreCurseurs(QWidget* parent);

    /// Shows `l`; the distance and the speed only when `capteurs` (both sensors on).
    void montre(const LectureCurseurs& l, bool capteurs);
    /// Its lines as a screen reader would read them, one sentence.
    QString resume() const;
    /// Beside `fenetre`'s frame, level with `panneau`, on `fenetre`'s screen;
    /// over the window only where the screen leaves no room on either side.
    void placePres(const QWidget& fenetre, const QWidget& panneau);
    /// Its text as large as the main window's at `zoom` (1 for 100 %): read from the back of the
    /// class too.
    void setZoom(double zoom);

private:
    void elargitPourTitre();
    /// A line: its name, and its value named `objet`; `nomLigne` receives the name's label.
    QLabel* ajouteLigne(const QString& nom, const char* objet, QLabel** nomLigne = nullptr);

    QLabel* dt_;
    QLabel* frequence_;
    QLabel* niveaux_;
    QLabel* distance_;
    QLabel* celerite_;
    QLabel* nomDistance_ = nullptr;
    QLabel* nomCelerite_ = nullptr;
    QFont police_; ///< at 100 %
};

} // namespace vibralume
