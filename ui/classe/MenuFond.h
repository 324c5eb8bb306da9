#pragma once
// The menu of the main window's background: a right click on the grey
// window or on a panel's background (not on the model and the marks over it,
// which keep their own right click, nor on a control a click acts on), or the
// Menu key or Shift+F10 anywhere in the window, offers saving and sharing,
// the zoom, the list of shortcuts, the About window and the language.

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
    /// Opens the menu from the keyboard, by the control that has the focus
    /// or in the middle of the window, its first entry ready for Return.
    void ouvreAuClavier();

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    QMenu* menu();
    void remplit(QMenu* menu, const std::vector<Entree>& entrees);
    /// Whether a right click on `w` (null: the window itself) is one on the background.
    bool estFond(const QWidget* w) const;

    OS& os_;
    std::vector<Entree> entrees_;
    QMenu* menu_ = nullptr;
};

} // namespace vibralume
