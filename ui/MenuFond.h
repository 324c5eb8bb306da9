#pragma once
// The menu of the main window's background: a right click on the grey
// window (not on a control, so the model keeps its own right click) offers
// saving and sharing, the zoom, the list of shortcuts, the About window and
// the language.

#include <QObject>
#include <QPoint>
#include <functional>
#include <vector>

class QAction;
class QMenu;

namespace vibralume {

class OS;

class MenuFond : public QObject {
    Q_OBJECT
public:
    /// One entry: its text, the keys shown beside it (empty: none), and what
    /// it does. An entry with no text is a separator; one with entries of
    /// its own opens them as a submenu; one with `coche` shows a tick beside
    /// it whenever that says so.
    struct Entree {
        QString texte;
        QString touches;
        std::function<void()> action;
        // Initialised here, so that the three-field entries stay complete.
        std::vector<Entree> sousMenu = {};
        std::function<bool()> coche = {};
    };

    explicit MenuFond(OS& os);
    /// Adds entries at the end (another part of the program's commands).
    void ajoute(const std::vector<Entree>& entrees);
    /// The menu as it would show at `pos` (window coordinates), or null
    /// where the background does not lie under the pointer.
    QMenu* menuA(QPoint pos);

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void remplit(QMenu* menu, const std::vector<Entree>& entrees);

    OS& os_;
    std::vector<Entree> entrees_;
    QMenu* menu_ = nullptr;
};

} // namespace vibralume
