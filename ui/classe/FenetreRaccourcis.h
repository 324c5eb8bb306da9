#pragma once
// The list of the main window's keyboard shortcuts, in a window of its own (F1).

#include <QWidget>

namespace vibralume {

class Raccourcis;

class FenetreRaccourcis : public QWidget {
    Q_OBJECT
public:
    /// A window of its own even with a parent; closing it only hides it.
    FenetreRaccourcis(const Raccourcis& raccourcis, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

} // namespace vibralume
