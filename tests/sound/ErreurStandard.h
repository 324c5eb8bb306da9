#pragma once
// Test helper: what is written on the standard error, caught at the file
// descriptor, where a library writes without going through Qt's messages.

#include <QByteArray>

#include <cstdio>
#include <unistd.h>

namespace essai {

/// Diverts the standard error into a file from construction to `rend`.
class ErreurStandard {
public:
    ErreurStandard() : fichier_(std::tmpfile()) {
        if (fichier_ != nullptr) {
            std::fflush(stderr);
            garde_ = ::dup(2);
            if (garde_ >= 0 && ::dup2(::fileno(fichier_), 2) >= 0)
                lu_.clear();
        }
    }
    ErreurStandard(const ErreurStandard&) = delete;
    ErreurStandard& operator=(const ErreurStandard&) = delete;
    ~ErreurStandard() {
        rend();
        if (fichier_ != nullptr)
            std::fclose(fichier_);
    }

    /// Gives the standard error back; what was written on it meanwhile
    /// ("?" when it could not be diverted).
    QByteArray rend() {
        if (fichier_ == nullptr || garde_ < 0)
            return lu_;
        std::fflush(stderr);
        ::dup2(garde_, 2);
        ::close(garde_);
        garde_ = -1;
        std::rewind(fichier_);
        char morceau[4096];
        std::size_t n;
        while ((n = std::fread(morceau, 1, sizeof morceau, fichier_)) > 0)
            lu_.append(morceau, qsizetype(n));
        return lu_;
    }

private:
    std::FILE* fichier_;
    int garde_ = -1;
    QByteArray lu_{"?"};
};

} // namespace essai
