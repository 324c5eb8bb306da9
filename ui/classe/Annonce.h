#pragma once
// A short notice shown over the main window for a moment ("Zoom 150 %",
// "Volume 40 %"), in a small window of its own, so that what a key did can
// be seen without changing the window's look.

#include <QLabel>
#include <QTimer>

namespace vibralume {

class Annonce : public QLabel {
    Q_OBJECT
public:
    /// Duration a notice stays, in milliseconds.
    static constexpr int DureeMs = 1500;

    /// Notices shown over `fenetre`.
    explicit Annonce(QWidget* fenetre);
    /// Shows `texte` centred near the top of the window for a moment.
    void montre(const QString& texte);

private:
    QWidget* fenetre_;
    QTimer minuterie_;
};

} // namespace vibralume
