#pragma once
// The French names of a few keys, where Qt's own translation writes them too
// briefly for a pupil: "Droite" alone reads as a direction, not as the arrow
// key, and "Page préc" as a cut word. Installed after Qt's translation, it is
// asked first; every other key keeps Qt's name.

#include <QTranslator>

namespace vibralume {

class NomsTouches : public QTranslator {
    Q_OBJECT
public:
    using QTranslator::QTranslator;

    QString translate(const char* contexte, const char* source, const char* desambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }
};

} // namespace vibralume
