#include "ui/miseenpage/ControlesConstruits.h"

#include <QWidget>

namespace vibralume {

namespace {

// Only the user-interface thread builds and lays out windows.
long recherchesFaites = 0;

} // namespace

ControlesConstruits::ControlesConstruits(const std::vector<DefControle>& table, StyleZoom* style)
    : table_(&table), style_(style) {
    parRang_.reserve(table.size());
}

void ControlesConstruits::ajoute(QWidget* w) {
    parRang_.push_back(w);
    parNom_.insert(w->objectName(), w);
}

QWidget* ControlesConstruits::controle(const QString& nom) const {
    ++recherchesFaites;
    return parNom_.value(nom);
}

long ControlesConstruits::recherches() {
    return recherchesFaites;
}

} // namespace vibralume
