#pragma once
// A read-only folder as a user meets it, also in a test run as root: the
// calling thread lays down the capabilities that write anywhere until the
// end of the scope. ferme() proves by a real write that the case is real.

#include <QFile>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace essai {

class LectureSeule {
public:
    explicit LectureSeule(const QString& dossier) : dossier_(dossier) {
        lu_ = ::syscall(SYS_capget, &entete_, avant_) == 0;
        __user_cap_data_struct apres[2] = {avant_[0], avant_[1]};
        apres[0].effective &= ~(1U << CAP_DAC_OVERRIDE | 1U << CAP_DAC_READ_SEARCH);
        if (lu_)
            ::syscall(SYS_capset, &entete_, apres);
        QFile::setPermissions(dossier_, QFile::ReadOwner | QFile::ExeOwner);
    }
    ~LectureSeule() {
        QFile::setPermissions(dossier_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (lu_)
            ::syscall(SYS_capset, &entete_, avant_);
    }
    bool ferme() const {
        QFile sonde(dossier_ + QStringLiteral("/.sonde"));
        return !sonde.open(QIODevice::WriteOnly) || !sonde.remove();
    }

private:
    QString dossier_;
    __user_cap_header_struct entete_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct avant_[2]{};
    bool lu_ = false;
};

} // namespace essai
