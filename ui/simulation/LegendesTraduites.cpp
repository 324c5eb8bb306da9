#include "ui/simulation/LegendesTraduites.h"

namespace vibralume {

namespace {

// The model's words before a number, as model/Legendes writes them; the
// longer first, as "Amplitude : " begins none of the others but could.
constexpr const char* Debuts[] = {
    QT_TRANSLATE_NOOP("LegendesTraduites", "Amplitude du soliton : "),
    QT_TRANSLATE_NOOP("LegendesTraduites", "Amplitude : "),
    QT_TRANSLATE_NOOP("LegendesTraduites", "fréquence : "),
};

} // namespace

QString LegendesTraduites::traduit(const std::string& francais) {
    const QString texte = QString::fromStdString(francais);
    for (const char* debut : Debuts) {
        const QString source = QString::fromUtf8(debut);
        if (texte.startsWith(source))
            return tr(debut) + texte.mid(source.size());
    }
    return texte;
}

} // namespace vibralume
