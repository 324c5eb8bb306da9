#pragma once
// What a screen reader is told of a control beyond its name, kept on the
// control itself: read each time the reader asks, it holds however early the
// reader first asked.

#include <QAccessible>
#include <QMetaType>
#include <QString>
#include <functional>
#include <optional>

class QObject;
class QWidget;

namespace vibralume {

struct FicheAccessible {
    /// Button or CheckBox for a control a click acts on; none otherwise.
    QAccessible::Role role = QAccessible::NoRole;
    /// A check box: whether it is ticked now.
    std::function<bool()> coche = {};
    /// A scroll bar: its value as a pupil reads it, in its unit.
    std::function<QString(int)> valeur = {};

    /// Gives `w` its fiche.
    static void pose(QWidget* w, const FicheAccessible& fiche);
    /// The fiche of `w`, if it was given one.
    static std::optional<FicheAccessible> de(const QObject* w);
};

} // namespace vibralume

Q_DECLARE_METATYPE(vibralume::FicheAccessible)
