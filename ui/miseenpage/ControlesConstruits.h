#pragma once
// A window's controls as its layout table built them: found by name while the
// window starts, walked in the table's order by whatever lays them out again,
// so that a zoom change looks nothing up.

#include "ui/miseenpage/DefControle.h"

#include <QHash>
#include <QString>
#include <vector>

class QWidget;

namespace vibralume {

class StyleZoom;

class ControlesConstruits {
public:
    ControlesConstruits() = default;
    /// The controls of `table`, to be added in its order; `style` zooms its
    /// scroll bars and option boxes.
    ControlesConstruits(const std::vector<DefControle>& table, StyleZoom* style);

    /// Adds the control of the table's next row.
    void ajoute(QWidget* w);
    /// The control named `nom`, or null. Each call is counted.
    QWidget* controle(const QString& nom) const;

    /// The table's rows, and the control built for each, in the same order.
    const std::vector<DefControle>& table() const { return *table_; }
    const std::vector<QWidget*>& parRang() const { return parRang_; }
    StyleZoom* style() const { return style_; }

    /// How many controls were looked up by name, in every window, since the
    /// program started.
    static long recherches();

private:
    const std::vector<DefControle>* table_ = nullptr;
    StyleZoom* style_ = nullptr;
    std::vector<QWidget*> parRang_;
    QHash<QString, QWidget*> parNom_;
};

} // namespace vibralume
