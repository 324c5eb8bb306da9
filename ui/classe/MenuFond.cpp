#include "ui/classe/MenuFond.h"

#include "ui/accessible/FicheAccessible.h"
#include "ui/classe/TableCommandes.h"
#include "ui/simulation/ControlesOS.h"
#include "ui/simulation/OS.h"
#include "views/ConteneurEnonce.h"
#include "views/PictureBox.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>

namespace vibralume {

MenuFond::MenuFond(OS& os, TableCommandes& table) : QObject(&os), os_(os), table_(table) {
    os.installEventFilter(this);
}

void MenuFond::insere(bool enTete, Entree entree) {
    if (enTete)
        entrees_.insert(entrees_.begin() + std::ptrdiff_t(tete_++), std::move(entree));
    else
        entrees_.push_back(std::move(entree));
    delete menu_;
    menu_ = nullptr;
}

void MenuFond::ajoute(std::initializer_list<QAction*> commandes) {
    for (QAction* a : commandes)
        insere(false, {a, {}, {}});
}

void MenuFond::ajouteSousMenu(const QString& titre, const std::vector<QAction*>& commandes) {
    insere(false, {nullptr, titre, commandes});
}

void MenuFond::ajouteEnTete(std::initializer_list<QAction*> commandes) {
    for (QAction* a : commandes)
        insere(true, {a, {}, {}});
}

void MenuFond::ajouteSousMenuEnTete(const QString& titre, const std::vector<QAction*>& commandes) {
    insere(true, {nullptr, titre, commandes});
}

QMenu* MenuFond::menuA(QPoint pos) {
    // Shapes let the mouse through: the navy bands are background too.
    return estFond(os_.childAt(pos)) ? menu() : nullptr;
}

bool MenuFond::estFond(const QWidget* w) const {
    const ControlesOS& c = os_.controles();
    for (const QWidget* x = w; x && x != &os_; x = x->parentWidget())
        if (x == c.ModeleMicro || x == c.VibreurOS)
            return false;
    if (!w)
        return true;
    // A placeholder and its invitation are the panel that will open there.
    for (const QWidget* invitation : {c.Picture1, c.Picture2, c.Picture3})
        if (w == invitation || w->parentWidget() == invitation)
            return true;
    const auto fiche = FicheAccessible::de(w);
    return !(fiche && fiche->role != QAccessible::NoRole) &&
           !qobject_cast<const QAbstractButton*>(w) && !qobject_cast<const QAbstractSlider*>(w) &&
           !qobject_cast<const ConteneurEnonce*>(w);
}

void MenuFond::ouvreAuClavier() {
    // By the control the keyboard went to; not by one focused unseen.
    const QWidget* f = QApplication::focusWidget();
    const bool vu =
        f && os_.isAncestorOf(f) && f->isVisible() && os_.testAttribute(Qt::WA_KeyboardFocusChange);
    const QWidget* pres = vu ? f : &os_;
    QMenu* m = menu();
    m->popup(pres->mapToGlobal(pres->rect().center()));
    for (QAction* a : m->actions())
        if (!a->isSeparator() && a->isEnabled()) {
            m->setActiveAction(a);
            break;
        }
}

QMenu* MenuFond::menu() {
    if (!menu_) {
        menu_ = new QMenu(&os_);
        menu_->setObjectName(QStringLiteral("MenuFond"));
        // Each entry enabled and ticked as things stand when the menu opens.
        connect(menu_, &QMenu::aboutToShow, &table_, &TableCommandes::actualise);
        for (const Entree& e : entrees_) {
            if (e.commande)
                menu_->addAction(e.commande);
            else if (!e.titre.isEmpty())
                menu_->addMenu(e.titre)->addActions({e.sousMenu.begin(), e.sousMenu.end()});
            else
                menu_->addSeparator();
        }
        table_.actualise();
    }
    return menu_;
}

bool MenuFond::eventFilter(QObject* objet, QEvent* e) {
    if (objet == &os_ && e->type() == QEvent::ContextMenu) {
        auto* c = static_cast<QContextMenuEvent*>(e);
        if (QMenu* menu = menuA(c->pos())) {
            menu->popup(c->globalPos());
            return true;
        }
    }
    return QObject::eventFilter(objet, e);
}

} // namespace vibralume
