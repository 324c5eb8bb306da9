#pragma once
// The menu of the main window's background: a right click on the grey
// window or on a panel's background (not on the model and the marks over it,
// which keep their own right click, nor on a control a click acts on), or the
// Menu key or Shift+F10 anywhere in the window, offers saving and sharing,
// the zoom, the list of shortcuts, the About window and the language.

#include <QObject>
#include <QPoint>
#include <QString>
#include <initializer_list>
#include <vector>

class QAction;
class QMenu;

namespace vibralume {

class OS;
class TableCommandes;

class MenuFond : public QObject {
    Q_OBJECT
public:
    /// The entries show the commands of `table`, their keys beside them.
    MenuFond(OS& os, TableCommandes& table);
    /// Adds commands at the end; a null one is a separator.
    void ajoute(std::initializer_list<QAction*> commandes);
    /// Adds a submenu titled `titre` at the end.
    void ajouteSousMenu(const QString& titre, const std::vector<QAction*>& commandes);
    /// The same at the head of the menu, after what was put there before.
    void ajouteEnTete(std::initializer_list<QAction*> commandes);
    void ajouteSousMenuEnTete(const QString& titre, const std::vector<QAction*>& commandes);
    /// The menu as it would show at `pos` (window coordinates), or null
    /// where the background does not lie under the pointer.
    QMenu* menuA(QPoint pos);
    /// Opens the menu from the keyboard, by the control that has the focus
    /// or in the middle of the window, its first entry ready for Return.
    void ouvreAuClavier();

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    struct Entree {
        QAction* commande; ///< null for a separator or a submenu
        QString titre;     ///< a submenu's
        std::vector<QAction*> sousMenu;
    };

    QMenu* menu();
    void insere(bool enTete, Entree entree);
    /// Whether a right click on `w` (null: the window itself) is one on the background.
    bool estFond(const QWidget* w) const;

    OS& os_;
    TableCommandes& table_;
    std::vector<Entree> entrees_;
    std::size_t tete_ = 0; ///< where the next entry for the head goes
    QMenu* menu_ = nullptr;
};

} // namespace vibralume
