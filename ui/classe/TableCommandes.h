#pragma once
// Every command of the main window, once: a QAction with its text (what the
// menu shows and screen readers read), the effect the key list tells, its
// keys and when it can be used. The window's keys, the background's menu,
// the key list (F1) and the tooltips of the pictures a command acts on all
// read it, so that none of them can tell another key than the one that works.

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QWidget;

namespace vibralume {

class TableCommandes : public QObject {
    Q_OBJECT
public:
    struct Commande {
        // Each initialised here: a command says only what it needs.
        const char* nom = nullptr;        ///< the action's objectName, for tools and tests
        QString groupe = {};              ///< heading in the key list
        QString effet = {};               ///< its line in the key list
        QList<QKeySequence> touches = {}; ///< listed, the first shown in the menu
        std::function<void()> fait = {};
        /// When it can be used (always when empty): checked before each key
        /// and each time the menu opens, so a key never acts where a click could not.
        std::function<bool()> permise = {};
        QString texte = {};               ///< in the menu, when not the effect
        QList<QKeySequence> autres = {};  ///< other keys for the same, not listed
        bool repete = false;              ///< held down, it repeats
        std::function<bool()> coche = {}; ///< shows a tick in the menu when set
        /// Pictures it acts on: a tooltip tells its effect and key, where
        /// they have none of their own.
        std::vector<QWidget*> images = {};
    };

    /// One line of the key list.
    struct Ligne {
        QString touches;
        QString effet;
        const QAction* action;
    };
    struct Groupe {
        QString titre;
        std::vector<Ligne> lignes;
    };

    /// The commands act in `fenetre` whatever control has the focus.
    explicit TableCommandes(QWidget& fenetre);

    QAction* ajoute(const Commande& commande);
    /// Every command, in the order added.
    const std::vector<QAction*>& actions() const { return actions_; }
    /// The command named `nom`, or null.
    QAction* action(const char* nom) const;
    /// Enables each command as its rule says now, and ticks it.
    void actualise();
    /// The key list: commands with keys, by heading, in the order added.
    std::vector<Groupe> groupes() const;
    /// Keys as the desktop's language names them ("Maj+F10", "Shift+F10").
    static QString texte(const QList<QKeySequence>& touches);

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    struct Regle {
        QAction* action;
        QString groupe;
        std::function<bool()> permise;
        std::function<bool()> coche;
        int listees; ///< how many of its keys the list tells
    };

    QWidget& fenetre_;
    std::vector<QAction*> actions_;
    std::vector<Regle> regles_;
};

} // namespace vibralume
