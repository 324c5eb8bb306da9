#include "ui/classe/FenetreRaccourcis.h"

#include "assets/Ressources.h"
#include "ui/classe/TableCommandes.h"
#include "ui/miseenpage/Construction.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vibralume {

FenetreRaccourcis::FenetreRaccourcis(const TableCommandes& commandes, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FenetreRaccourcis"));
    setWindowTitle(tr("Raccourcis clavier - Vibralume"));
    setWindowIcon(iconeProgramme());
    setAttribute(Qt::WA_QuitOnClose, false);

    auto* liste = new QTreeWidget(this);
    liste->setObjectName(QStringLiteral("liste"));
    liste->setColumnCount(2);
    liste->setHeaderLabels({tr("Touches"), tr("Effet")});
    liste->setRootIsDecorated(false);
    liste->setSelectionMode(QAbstractItemView::NoSelection);
    liste->setAccessibleName(tr("Raccourcis clavier"));
    for (const TableCommandes::Groupe& g : commandes.groupes()) {
        auto* titre = new QTreeWidgetItem(liste, {g.titre});
        titre->setFirstColumnSpanned(true);
        QFont gras = font();
        gras.setBold(true);
        titre->setFont(0, gras);
        for (const TableCommandes::Ligne& l : g.lignes)
            new QTreeWidgetItem(titre, {l.touches, l.effet});
        titre->setExpanded(true);
    }
    liste->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    liste->header()->setStretchLastSection(true);
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(liste);
    resize(560, 620);
    centreSurEcran(this);
}

void FenetreRaccourcis::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_F1) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

} // namespace vibralume
