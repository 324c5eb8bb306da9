#pragma once
// The captions the refresh writes from the model's texts, in the interface's
// language. The model writes them in French (plain C++, no translations): the
// words before the number are translated here; the number and its unit stay.

#include <QCoreApplication>
#include <string>

namespace vibralume {

class LegendesTraduites {
    Q_DECLARE_TR_FUNCTIONS(LegendesTraduites)
public:
    /// `francais` (UTF-8, as model/Legendes writes it) with its leading words
    /// translated; a text without words of its own comes back as it is.
    static QString traduit(const std::string& francais);
};

} // namespace vibralume
