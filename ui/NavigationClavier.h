#pragma once
// Moving through the main window with the keyboard: Tab reaches every control
// a pupil can click or set, in reading order (a group of options at its
// selected one); a visible mark shows which one has the focus once the
// keyboard is used; Return activates it; a focused scroll bar keeps its own
// arrows, and a focused group of options its arrows to go from one to the next.

#include <QObject>
#include <utility>
#include <vector>

class QWidget;

namespace vibralume {

class OS;

class NavigationClavier : public QObject {
    Q_OBJECT
public:
    explicit NavigationClavier(OS& os);

    /// The controls in the order Tab visits them (those hidden are passed by).
    const std::vector<QWidget*>& ordre() const { return ordre_; }

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void suit(QWidget* focus);

    OS& os_;
    std::vector<QWidget*> ordre_;
    /// Panels and the placeholders they cover when open.
    std::vector<std::pair<QWidget*, QWidget*>> panneaux_;
    QWidget* marque_;
};

} // namespace vibralume
