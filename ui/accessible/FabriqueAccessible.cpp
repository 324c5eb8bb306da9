#include "ui/accessible/FabriqueAccessible.h"

#include "ui/accessible/BarreAccessible.h"
#include "ui/accessible/ControleAccessible.h"
#include "views/ConteneurEnonce.h"
#include "views/Etiquette.h"
#include "views/ImageControle.h"
#include "views/PictureBox.h"

#include <QAccessible>
#include <QScrollBar>

namespace vibralume {

namespace {

// The program's own widgets always get their own interface: one asked for
// while the window is being built, and kept, then reads what is set later.
QAccessibleInterface* fabrique(const QString& classe, QObject* objet) {
    auto* w = qobject_cast<QWidget*>(objet);
    if (!w)
        return nullptr;
    // The scroll bars of the window's panels, not those of a list or a page.
    if (classe == QLatin1String("QScrollBar") && qobject_cast<PictureBox*>(w->parentWidget()))
        return new BarreAccessible(static_cast<QScrollBar*>(w));
    if (qobject_cast<ImageControle*>(w) || qobject_cast<PictureBox*>(w) ||
        qobject_cast<Etiquette*>(w) || qobject_cast<ConteneurEnonce*>(w))
        return new ControleAccessible(w);
    return nullptr;
}

} // namespace

void installeAccessibilite() {
    QAccessible::installFactory(fabrique);
}

} // namespace vibralume
