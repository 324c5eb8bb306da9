#pragma once
// Finding a window's controls once, by name, as the kind the code expects.

#include "ui/miseenpage/ControlesConstruits.h"

#include <QString>
#include <QWidget>
#include <stdexcept>
#include <string>

namespace vibralume {

/// Resolves the controls of one window: a name the window lacks, or a control
/// of another kind than the code expects, stops the start-up with a message
/// that names it, instead of a handler that silently does nothing later.
class Resolveur {
public:
    Resolveur(const ControlesConstruits& controles, const char* fenetre)
        : controles_(controles), fenetre_(fenetre) {}

    /// Points `cible` at the control `nom`.
    template <class T> void operator()(T*& cible, const char* nom) const { cible = trouve<T>(nom); }

    template <class T> T* trouve(const char* nom) const {
        QWidget* w = controles_.controle(QString::fromLatin1(nom));
        if (!w)
            throw std::logic_error(std::string("vibralume : la fenêtre ") + fenetre_ +
                                   " n'a pas de contrôle « " + nom + " »");
        T* t = qobject_cast<T*>(w);
        if (!t)
            throw std::logic_error(std::string("vibralume : le contrôle « ") + nom +
                                   " » de la fenêtre " + fenetre_ + " est un " +
                                   w->metaObject()->className() + ", pas un " +
                                   T::staticMetaObject.className());
        return t;
    }

private:
    const ControlesConstruits& controles_;
    const char* fenetre_;
};

} // namespace vibralume
