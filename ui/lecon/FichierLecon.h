#pragma once
// A lesson file read and checked field by field against the lesson's rules,
// or written: JSON, UTF-8. A file that breaks a rule is refused whole, with a
// sentence in the interface's language that names the file and the problem.

#include "model/Lecon.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <variant>

namespace vibralume {

class FichierLecon {
    Q_DECLARE_TR_FUNCTIONS(FichierLecon)
public:
    /// The lesson in `chemin`, or why it cannot be opened.
    static std::variant<Lecon, QString> lis(const QString& chemin);
    /// The lesson in `octets`, read from `chemin` (named in the refusal).
    static std::variant<Lecon, QString> decode(const QByteArray& octets, const QString& chemin);
    /// The file's bytes for `lecon`.
    static QByteArray encode(const Lecon& lecon);
    /// The name's ending, without its dot.
    static QString extension() { return QStringLiteral("vibralume"); }
};

} // namespace vibralume
