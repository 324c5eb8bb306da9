#pragma once
// Lessons in class: the state of the window kept in a lesson file with a
// title and the teacher's instructions, opened again by the menu, the keys,
// the last five lessons, a file dropped on the window or the command line;
// the example lessons shipped with the program; and one command that brings
// everything back to a fresh start between two classes. With a lesson open,
// its title is in the window's and its instructions in a window of their own.

#include "model/Lecon.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QAction;

namespace vibralume {

class ComplementsOS;
class EtatLecon;
class FenetreConsignes;
class OS;
class Reglages;

class Lecons : public QObject {
    Q_OBJECT
public:
    /// Tells the user why a lesson could not be opened.
    using Alerte = std::function<void(const QString& message)>;
    /// Asks for a file to open (`enregistrer` false) or to save to, given a
    /// proposed path; an empty answer cancels.
    using ChoixFichier = std::function<QString(bool enregistrer, const QString& proposition)>;
    /// Asks for the title and the instructions before saving; none cancels.
    using Saisie = std::function<std::optional<std::pair<QString, QString>>(
        const QString& titre, const QString& consignes)>;

    /// The commands go into the table and the menu of `complements`;
    /// `reglages` (may be null) keeps the last lessons. What the window is
    /// set to now is what "back to the start" returns to.
    Lecons(OS& os, ComplementsOS& complements, Reglages* reglages);
    ~Lecons() override;

    void setAlerte(Alerte alerte) { alerte_ = std::move(alerte); }
    void setChoixFichier(ChoixFichier choix) { choixFichier_ = std::move(choix); }
    void setSaisie(Saisie saisie) { saisie_ = std::move(saisie); }

    /// Opens the lesson in `chemin` (a file, or an example's resource); a
    /// file that cannot be opened is said and changes nothing.
    bool ouvre(const QString& chemin);
    /// Asks which lesson to open, and opens it.
    void demandeOuverture();
    /// Asks for the title, the instructions and the file, and saves.
    void demandeEnregistrement();
    /// Writes the window's state with `titre` and `consignes` to `chemin`.
    bool enregistre(const QString& chemin, const QString& titre, const QString& consignes);
    /// Everything as at a fresh start: choices, panels, traces, time, title.
    void retourAuDebut();
    /// Shows the lesson's instructions again.
    void montreConsignes();

    /// The lesson open: its title and instructions (empty without one).
    QString titre() const { return titre_; }
    QString consignes() const { return consignes_; }
    /// The last lessons opened or saved, the latest first.
    QStringList recentes() const { return recentes_; }
    /// The example lessons for the interface's language, in their order.
    static QStringList exemples();
    /// The instructions' window, null until first shown.
    FenetreConsignes* fenetreConsignes() const;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void ajouteCommandes();
    void pose(const Lecon& lecon);
    void retiens(const QString& chemin);
    void majRecentes();
    void majTitre();

    OS& os_;
    ComplementsOS& complements_;
    Reglages* reglages_;
    std::unique_ptr<EtatLecon> etat_;
    Lecon depart_;
    QString titre_;
    QString consignes_;
    QStringList recentes_;
    std::vector<QAction*> actionsRecentes_;
    QPointer<FenetreConsignes> consignesFenetre_;
    Alerte alerte_;
    ChoixFichier choixFichier_;
    Saisie saisie_;
};

} // namespace vibralume
