#include "ui/classe/MenuFond.h"

#include "ui/accessible/FicheAccessible.h"
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

MenuFond::MenuFond(OS& os) : QObject(&os), os_(os) {
    os.installEventFilter(this);
}

void MenuFond::ajoute(const std::vector<Entree>& entrees) {
    entrees_.insert(entrees_.end(), entrees.begin(), entrees.end());
    delete menu_;
    menu_ = nullptr;
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
        remplit(menu_, entrees_);
    }
    return menu_;
}

void MenuFond::remplit(QMenu* menu, const std::vector<Entree>& entrees) {
    for (const Entree& e : entrees) {
        if (e.texte.isEmpty()) {
            menu->addSeparator();
            continue;
        }
        if (!e.sousMenu.empty()) {
            remplit(menu->addMenu(e.texte), e.sousMenu);
            continue;
        }
        // The keys are shown, not taken: the window's shortcuts do that.
        QAction* a = menu->addAction(e.touches.isEmpty() ? e.texte
                                                         : e.texte + QLatin1Char('\t') + e.touches);
        if (e.action)
            connect(a, &QAction::triggered, this, e.action);
        if (e.coche) {
            // Ticked as things stand each time the menu opens, whatever a
            // click on it did to the tick meanwhile.
            a->setCheckable(true);
            a->setChecked(e.coche());
            connect(menu, &QMenu::aboutToShow, a, [a, coche = e.coche] { a->setChecked(coche()); });
        }
    }
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
