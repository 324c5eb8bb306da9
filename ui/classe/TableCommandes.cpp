#include "ui/classe/TableCommandes.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <algorithm>

namespace vibralume {

TableCommandes::TableCommandes(QWidget& fenetre) : QObject(&fenetre), fenetre_(fenetre) {
    // Before the shortcuts are matched to a key, the rules as things stand:
    // a key is refused exactly where its click would be.
    QCoreApplication::instance()->installEventFilter(this);
}

QAction* TableCommandes::ajoute(const Commande& c) {
    auto* a = new QAction(c.texte.isEmpty() ? c.effet : c.texte, this);
    a->setObjectName(QString::fromLatin1(c.nom));
    a->setToolTip(c.effet);
    a->setShortcuts(c.touches + c.autres);
    // The window's keys whatever control has the focus, never a control's.
    a->setShortcutContext(Qt::WindowShortcut);
    a->setAutoRepeat(c.repete);
    a->setCheckable(bool(c.coche));
    connect(a, &QAction::triggered, this, c.fait);
    fenetre_.addAction(a);
    actions_.push_back(a);
    regles_.push_back({a, c.groupe, c.permise, c.coche, int(c.touches.size())});
    if (!c.touches.isEmpty())
        for (QWidget* image : c.images)
            if (image->toolTip().isEmpty())
                image->setToolTip(QStringLiteral("%1 (%2)").arg(c.effet, texte(c.touches)));
    if (c.permise)
        a->setEnabled(c.permise());
    if (c.coche)
        a->setChecked(c.coche());
    return a;
}

QAction* TableCommandes::action(const char* nom) const {
    const QString n = QString::fromLatin1(nom);
    const auto it = std::find_if(actions_.begin(), actions_.end(),
                                 [&n](const QAction* a) { return a->objectName() == n; });
    return it == actions_.end() ? nullptr : *it;
}

void TableCommandes::actualise() {
    for (const Regle& r : regles_) {
        if (r.permise)
            r.action->setEnabled(r.permise());
        if (r.coche)
            r.action->setChecked(r.coche());
    }
}

std::vector<TableCommandes::Groupe> TableCommandes::groupes() const {
    std::vector<Groupe> groupes;
    for (const Regle& r : regles_) {
        if (r.listees == 0)
            continue;
        auto it = std::find_if(groupes.begin(), groupes.end(),
                               [&r](const Groupe& g) { return g.titre == r.groupe; });
        if (it == groupes.end())
            it = groupes.insert(groupes.end(), Groupe{r.groupe, {}});
        it->lignes.push_back(
            {texte(r.action->shortcuts().mid(0, r.listees)), r.action->toolTip(), r.action});
    }
    return groupes;
}

QString TableCommandes::texte(const QList<QKeySequence>& touches) {
    QStringList textes;
    for (const QKeySequence& t : touches)
        textes << t.toString(QKeySequence::NativeText);
    return textes.join(QStringLiteral(" / "));
}

bool TableCommandes::eventFilter(QObject* objet, QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride)
        actualise();
    return QObject::eventFilter(objet, e);
}

} // namespace vibralume
