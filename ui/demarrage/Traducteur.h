#pragma once
// Texts of the program in a language given, read straight from its
// translation: the command line is answered before the application exists,
// when no translation can be installed yet, and a message may speak the
// language just chosen rather than the one in use.

#include <QString>
#include <memory>

class QTranslator;

namespace vibralume {

class Traducteur {
public:
    /// `langue` is "fr" (the source: texts come back as written) or "en".
    explicit Traducteur(const QString& langue);
    ~Traducteur();

    /// `source` (UTF-8 French, as marked in `contexte`) in the language; the
    /// French when the translation lacks it.
    QString operator()(const char* contexte, const char* source) const;
    QString langue() const { return langue_; }

private:
    QString langue_;
    std::unique_ptr<QTranslator> traduction_;
};

} // namespace vibralume
