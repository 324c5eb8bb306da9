#pragma once
// About Vibralume: its name, version, licence and credits, in a window of its own.

#include <QDialog>

namespace vibralume {

class FenetreAPropos : public QDialog {
    Q_OBJECT
public:
    explicit FenetreAPropos(QWidget* parent);
    /// The text shown, for those who read it aloud or test it.
    static QString texte();
};

} // namespace vibralume
