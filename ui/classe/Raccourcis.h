#pragma once
// The main window's keyboard: one shortcut for each thing a pupil clicks,
// active whatever control has the focus, each doing what its click does
// through the same handler, and only when that click could be made (its
// control shown and enabled). Also the zoom, full screen, volume and the
// list of shortcuts (F1).

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QAction;

namespace vibralume {

class OS;
class Volume;
class ZoomOS;

class Raccourcis : public QObject {
    Q_OBJECT
public:
    /// One line of the list: the keys as written for a pupil, and what they do.
    struct Ligne {
        QString touches;
        QString effet;
    };
    /// A group of lines under a heading.
    struct Groupe {
        QString titre;
        std::vector<Ligne> lignes;
    };

    Raccourcis(OS& os, ZoomOS& zoom, Volume& volume);

    /// Adds a shortcut under `groupe` in the list (no line when `touches` is
    /// empty: another key of the line before); returns its action (for a menu).
    QAction* ajoute(const QString& groupe, const QString& touches, const QString& effet,
                    const QList<QKeySequence>& sequences, std::function<void()> action);

    /// Every shortcut, as the list window shows them.
    const std::vector<Groupe>& groupes() const { return groupes_; }
    /// Shows the list of shortcuts (F1).
    void montreListe();

private:
    void ajouteTouches();

    OS& os_;
    ZoomOS& zoom_;
    Volume& volume_;
    std::vector<Groupe> groupes_;
    QWidget* liste_ = nullptr;
};

} // namespace vibralume
