// The player when the sound server fails. First, on the private PulseAudio
// server that bench/serveur.sh starts: the tone playing, the server killed
// as a crash would, left away a few seconds, started again; measured are the
// delays from the kill to the player's "no output" state, and from the
// server's return (its socket takes connections again) to the "playing"
// state, then the tone is checked in a recording. Then, on a server that
// takes the connection and never answers: the user-interface thread's
// longest stall while the player is asked to play, stop and change its gain,
// and how long each call and the player's destruction took.
//
//   bench_serveur [repetitions] [seconds away] [seconds on the mute server]

#include "sound/Generateur.h"
#include "sound/Lecture.h"
#include "tests/sound/Enregistreur.h"
#include "tests/sound/ServeurMuet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace vibralume;
using essai::secondes;

namespace {

constexpr int32_t Crete = 16000;

std::string resume(std::vector<double> v) {
    if (v.empty())
        return "never measured";
    std::sort(v.begin(), v.end());
    char t[96];
    std::snprintf(t, sizeof t, "median %6.1f ms, max %6.1f ms (%zu times)", v[v.size() / 2],
                  v.back(), v.size());
    return t;
}

// Runs the event loop until `fait` or `ms` have passed; false on the latter.
template <class F> bool attends(F&& fait, int ms) {
    QElapsedTimer t;
    t.start();
    while (!fait()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        ::usleep(500);
    }
    return true;
}

// True when a client may connect to the Unix socket `chemin`.
bool accepte(const QByteArray& chemin) {
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    std::memcpy(adresse.sun_path, chemin.constData(),
                std::min<std::size_t>(std::size_t(chemin.size()), sizeof adresse.sun_path - 1));
    const int s = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool ok = ::connect(s, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) == 0;
    ::close(s);
    return ok;
}

// pulse_prive.sh with `action` on the private server, on a thread of its
// own: this one goes on taking the player's reports meanwhile.
class Serveur {
public:
    explicit Serveur(const char* action) {
        const std::string commande =
            "sh '" + qEnvironmentVariable("VIBRALUME_PULSE_SCRIPT").toStdString() + "' " + action +
            " '" + qEnvironmentVariable("VIBRALUME_PULSE_DOSSIER").toStdString() + "' >/dev/null";
        fil_ = std::thread([this, commande] { code_ = std::system(commande.c_str()); });
    }
    ~Serveur() { fil_.join(); }
    bool fini() const { return code_ >= 0; }
    bool reussi() const { return code_ == 0; }

private:
    std::atomic<int> code_{-1};
    std::thread fil_;
};

int retours(int repetitions, double absence) {
    QTemporaryDir dossier;
    const std::filesystem::path fichier = dossier.path().toStdString();
    if (!GenereSon(1800.0, Crete, fichier))
        return 1;
    std::ostringstream journal;
    Lecture lecture([&] { return fichier / "test.wav"; }, journal);
    const QByteArray socket = qEnvironmentVariable("PULSE_SERVER").mid(5).toLocal8Bit();
    std::vector<double> perte, etatRetour;
    int entendus = 0;
    lecture.JoueSon();
    for (int k = 0; k < repetitions; ++k) {
        if (!attends([&] { return lecture.joue(); }, 5000)) {
            std::cerr << "the tone does not play\n";
            return 1;
        }
        {
            // From the script's start: the kill comes a few milliseconds later.
            QElapsedTimer t;
            t.start();
            Serveur coupe("coupe");
            if (attends([&] { return lecture.etat() == EtatSortie::SansSortie; }, 5000))
                perte.push_back(double(t.elapsed()));
            attends([&] { return coupe.fini(); }, 10000);
            if (!coupe.reussi())
                return 1;
        }
        // Away a little longer each time: the return falls anywhere
        // between two attempts.
        attends([] { return false; }, int(absence * 1000) + 230 * k);

        // The server's return: its socket takes connections again.
        Serveur demarrage("start");
        if (!attends([&] { return accepte(socket); }, 10000)) {
            std::cerr << "the private server does not come back\n";
            return 1;
        }
        QElapsedTimer depuis;
        depuis.start();
        double joue = -1;
        auto etat = QObject::connect(&lecture, &Lecture::etatChange, [&](EtatSortie e) {
            if (e == EtatSortie::Joue && joue < 0)
                joue = double(depuis.nsecsElapsed()) / 1e6;
        });
        attends([&] { return joue >= 0 && demarrage.fini(); }, 10000);
        QObject::disconnect(etat);
        if (!demarrage.reussi())
            return 1;
        if (joue >= 0)
            etatRetour.push_back(joue);
        // And the tone heard: the recorder needs the server up, so it comes
        // after; the samples reach it late, in a block, from a sink just
        // started, which says nothing of when the tone came back.
        essai::Enregistreur enregistreur;
        if (const QString pourquoi = enregistreur.demarre(); !pourquoi.isEmpty()) {
            std::cerr << pourquoi.toStdString() << '\n';
            return 1;
        }
        const qsizetype i = enregistreur.maintenant();
        enregistreur.attends(i + secondes(0.5));
        entendus +=
            std::abs(essai::frequenceDominante(enregistreur.echantillons(), i, i + secondes(0.5)) -
                     1800.0) < 2.0;
    }
    const std::string lignes = journal.str();
    std::printf("server killed while playing, away %.1f s and more, started again (%d times)\n"
                "  kill to \"no output\":            %s\n"
                "  return to \"playing\":            %s\n"
                "    (samples written to a connected stream, heard within its latency)\n"
                "  tone heard again afterwards:    %d times of %d\n"
                "  journal: %zu lines\n",
                absence, repetitions, resume(perte).c_str(), resume(etatRetour).c_str(), entendus,
                repetitions, std::size_t(std::count(lignes.begin(), lignes.end(), '\n')));
    return 0;
}

// The longest a call kept this thread, in milliseconds.
template <class F> void mesure(double& pire, F&& appel) {
    QElapsedTimer t;
    t.start();
    appel();
    pire = std::max(pire, double(t.nsecsElapsed()) / 1e6);
}

int muet(double duree) {
    QTemporaryDir dossier(QStringLiteral("/tmp/vibralume-muet.XXXXXX"));
    const QString chemin = dossier.filePath(QStringLiteral("native"));
    essai::ServeurMuet serveur(chemin);
    if (!serveur.ecoute())
        return 1;
    // No thread of the player's runs yet: the client library reads it at its next connection.
    qputenv("PULSE_SERVER", "unix:" + chemin.toLocal8Bit());
    const std::filesystem::path fichier = dossier.path().toStdString();
    if (!GenereSon(1800.0, Crete, fichier))
        return 1;
    std::ostringstream journal;
    auto lecture = std::make_unique<Lecture>([&] { return fichier / "test.wav"; }, journal);

    // A tick every 2 ms: the longest gap between two is the longest stall.
    QElapsedTimer horloge;
    horloge.start();
    qint64 precedent = horloge.nsecsElapsed();
    double pireEcart = 0, joue = 0, arrete = 0, gain = 0;
    int n = 0;
    QTimer tic;
    tic.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tic, &QTimer::timeout, [&] {
        const qint64 maintenant = horloge.nsecsElapsed();
        pireEcart = std::max(pireEcart, double(maintenant - precedent) / 1e6);
        precedent = maintenant;
        // A pupil's clicks and the sensor's loudness, over and over.
        if (++n % 50 == 0) {
            switch (n / 50 % 3) {
            case 0:
                mesure(joue, [&] { lecture->JoueSon(); });
                break;
            case 1:
                mesure(arrete, [&] { lecture->ArreteSon(); });
                break;
            default:
                mesure(gain, [&] { lecture->setGain(0.5); });
                break;
            }
        }
    });
    mesure(joue, [&] { lecture->JoueSon(); });
    precedent = horloge.nsecsElapsed();
    tic.start(2);
    const int connexions = [&] {
        attends([] { return false; }, int(duree * 1000));
        return serveur.accepte();
    }();
    tic.stop();
    double fin = 0;
    mesure(fin, [&] { lecture.reset(); });
    std::printf("server that never answers, %.1f s (%d connections pending, none answered)\n"
                "  longest stall of the UI thread: %6.1f ms (ticks every 2 ms)\n"
                "  longest calls: JoueSon %.2f ms, ArreteSon %.2f ms, setGain %.3f ms\n"
                "  destruction: %.1f ms (the thread let go)\n",
                duree, connexions, pireEcart, joue, arrete, gain, fin);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 5;
    const double absence = argc > 2 ? std::atof(argv[2]) : 4;
    const double duree = argc > 3 ? std::atof(argv[3]) : 10;
    if (!qEnvironmentVariableIsSet("VIBRALUME_PULSE_SCRIPT")) {
        std::cerr << "run through bench/serveur.sh: it starts the private sound server\n";
        return 2;
    }
    if (const int r = retours(repetitions, absence); r != 0)
        return r;
    return muet(duree);
}
