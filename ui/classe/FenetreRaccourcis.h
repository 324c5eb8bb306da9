#pragma once
// The list of the main window's keys, in a window of its own (F1), as the
// table of commands holds them.

#include <QWidget>

namespace vibralume {

class TableCommandes;

class FenetreRaccourcis : public QWidget {
    Q_OBJECT
public:
    /// A window of its own even with a parent; closing it only hides it.
    FenetreRaccourcis(const TableCommandes& commandes, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

} // namespace vibralume
