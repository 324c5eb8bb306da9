#pragma once
// A control the program draws itself (a picture, a picture box, a caption,
// the statement's frame) as a screen reader sees it: a caption reads as text,
// and a control a click acts on is a button or a check box that the reader
// can press, doing what the click does.

#include <QAccessibleWidget>

namespace vibralume {

class ControleAccessible : public QAccessibleWidget {
public:
    explicit ControleAccessible(QWidget* w);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

    /// Does what a click on `w` does (a double click on the statement's
    /// frame); false for a widget of another kind.
    static bool clique(QWidget* w);
};

} // namespace vibralume
