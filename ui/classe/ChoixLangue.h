#pragma once
// The choice of the interface's language in the background's menu: French or
// English, the one chosen ticked. A choice is remembered in the settings and
// takes effect at the next start, as a message says in the language chosen
// (and in the one in use): every text of the window, of its list of keys, of
// its menu and for screen readers is made once, when the window is built.

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace vibralume {

class MenuFond;
class TableCommandes;
class Reglages;

class ChoixLangue : public QObject {
    Q_OBJECT
public:
    /// Tells the user something (a message box by default).
    using Message = std::function<void(const QString& texte)>;

    /// Adds one command per language to `table`, and their submenu at the
    /// end of `menu`. `enCours` is the
    /// language of the texts now; `reglages` (may be null) remembers the
    /// choice; messages are shown over `fenetre`, which owns this object.
    ChoixLangue(TableCommandes& table, MenuFond& menu, Reglages* reglages, const QString& enCours,
                QWidget& fenetre);

    /// The language chosen last; the one in use until a choice is made.
    QString choisie() const { return choisie_; }
    /// Chooses `langue` (a language of the interface, else nothing happens):
    /// remembered, and said when it is not the one in use.
    void choisis(const QString& langue);
    /// Another way to tell (tests).
    void setMessage(Message message) { message_ = std::move(message); }

    /// What is said when `langue` is chosen while `enCours` is in use: in
    /// `langue`, then in `enCours` when they differ.
    static QString annonce(const QString& langue, const QString& enCours);

signals:
    void choisieChange(const QString& langue);

private:
    Reglages* reglages_;
    QString enCours_;
    QString choisie_;
    Message message_;
};

} // namespace vibralume
