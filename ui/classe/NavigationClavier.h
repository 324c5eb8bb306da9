#pragma once
// Moving through the main window with the keyboard: Tab reaches every control
// a pupil can click or set, in reading order (a group of options at its
// selected one, the sensor markers while they are shown); a visible mark
// shows which one has the focus once the keyboard is used; Return activates
// it. A control that moves with the arrows takes them from the window while
// it has the focus: a scroll bar, a group of options (from one option to the
// next), a sensor marker and the model (its highlighted slices); Escape takes
// the focus off, giving the arrows back to the window. Every other key stays
// the window's.

#include <QObject>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QKeyEvent;
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
    /// Whether `w` moves with the arrows while it has the focus.
    bool prendLesFleches(const QWidget* w) const;
    /// What the focused `w` does with `k`, when it takes that key from the
    /// window: empty where the control moves by itself (an option).
    std::optional<std::function<void()>> geste(QWidget* w, const QKeyEvent* k) const;

    OS& os_;
    std::vector<QWidget*> ordre_;
    /// Panels and the placeholders they cover when open.
    std::vector<std::pair<QWidget*, QWidget*>> panneaux_;
    QWidget* marque_;
};

} // namespace vibralume
