#pragma once
// Test and benchmark helper: other programs loading the machine while the
// tone plays, as on a classroom computer that compiles, indexes or browses.
// The program that uses it starts copies of itself with one of the load
// arguments; `Charge::enfant` must be the first thing its main() does.

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStringList>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <sys/prctl.h>
#include <sys/resource.h>

namespace essai {

/// True when the private sound server's main thread runs at a real-time
/// priority (pulse_prive.sh raises it where allowed): a break heard under
/// load is then the player's, not the server's.
inline bool serveurEnTempsReel() {
    QFile pid(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/pulse/pid"));
    if (!pid.open(QIODevice::ReadOnly))
        return false;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(QString::fromLatin1(pid.readAll().trimmed())));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    // After the name in brackets, field 41 (the policy) is the 39th.
    const QByteArray texte = stat.readAll();
    const QList<QByteArray> champs = texte.mid(texte.lastIndexOf(')') + 2).split(' ');
    const int politique = champs.size() > 38 ? champs[38].toInt() : 0;
    return politique == 1 || politique == 2; // SCHED_FIFO, SCHED_RR
}

/// Busy loops on every core and a process that keeps claiming memory,
/// running as long as this object lives.
class Charge {
public:
    /// `calculs` busy loops and one process touching `mio` MiB over and
    /// over (none when 0), at niceness `gentillesse`.
    Charge(int calculs, int mio, int gentillesse) {
        const QString moi = QCoreApplication::applicationFilePath();
        const QString g = QString::number(gentillesse);
        for (int k = 0; k < calculs; ++k)
            lance(moi, {QStringLiteral("--charge-calcul"), g});
        if (mio > 0)
            lance(moi, {QStringLiteral("--charge-memoire"), g, QString::number(mio)});
    }

    ~Charge() {
        for (auto& p : enfants_) {
            p->kill();
            p->waitForFinished(2000);
        }
    }

    /// How many of the loads still run (they never end by themselves).
    int enMarche() const {
        int n = 0;
        for (const auto& p : enfants_)
            n += p->state() == QProcess::Running ? 1 : 0;
        return n;
    }
    int lancees() const { return int(enfants_.size()); }

    /// In a copy started as a load, does the work and never returns;
    /// otherwise returns at once.
    static void enfant(int argc, char** argv) {
        if (argc < 3 || std::strncmp(argv[1], "--charge-", 9) != 0)
            return;
        // Never outlive the program that asked for the load, even killed.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        setpriority(PRIO_PROCESS, 0, std::atoi(argv[2]));
        const auto fin = std::chrono::steady_clock::now() + std::chrono::minutes(5);
        if (std::strcmp(argv[1], "--charge-memoire") == 0 && argc >= 4) {
            const std::size_t octets = std::size_t(std::atoi(argv[3])) << 20;
            while (std::chrono::steady_clock::now() < fin) {
                // Large blocks come fresh from the kernel: every page
                // touched is a page fault and a zeroed page.
                std::unique_ptr<char[]> bloc(new char[octets]);
                for (std::size_t i = 0; i < octets; i += 4096)
                    bloc[i] = char(i);
                volatile char garde = bloc[octets / 2];
                (void)garde;
            }
        } else {
            volatile unsigned long n = 0;
            while (std::chrono::steady_clock::now() < fin)
                for (int k = 0; k < 1000000; ++k)
                    n = n + 1;
        }
        std::_Exit(0);
    }

private:
    void lance(const QString& programme, const QStringList& arguments) {
        auto p = std::make_unique<QProcess>();
        p->setProcessChannelMode(QProcess::ForwardedChannels);
        p->start(programme, arguments);
        if (p->waitForStarted(5000))
            enfants_.push_back(std::move(p));
    }

    std::vector<std::unique_ptr<QProcess>> enfants_;
};

} // namespace essai
