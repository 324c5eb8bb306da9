#include "ui/demarrage/Traducteur.h"

#include "ui/demarrage/Langue.h"

#include <QTranslator>

namespace vibralume {

Traducteur::Traducteur(const QString& langue) : langue_(langue) {
    const QString fichier = Langue::fichierTraduction(langue);
    if (fichier.isEmpty())
        return;
    traduction_ = std::make_unique<QTranslator>();
    if (!traduction_->load(fichier))
        traduction_.reset();
}

Traducteur::~Traducteur() = default;

QString Traducteur::operator()(const char* contexte, const char* source) const {
    if (traduction_) {
        const QString t = traduction_->translate(contexte, source);
        if (!t.isEmpty())
            return t;
    }
    return QString::fromUtf8(source);
}

} // namespace vibralume
