// Continuity of the tone as heard, and how soon a change is heard: the
// program's player on a private PulseAudio null sink (bench/continuite.sh
// starts it), the sink's monitor recorded and laid over the looped file
// sample for sample. Reports breaks per minute quiet, with the cores loaded
// by other programs and with the user-interface thread held, then the delays
// from a call to its effect in the recording (upper bounds: the recording
// reaches this program a little late).
//
//   bench_continuite [seconds per measure] [niceness of the load] [repetitions] [busy loops]

#include "sound/Generateur.h"
#include "sound/Lecture.h"
#include "sound/LitTon.h"
#include "tests/sound/Alignement.h"
#include "tests/sound/Charge.h"
#include "tests/sound/Enregistreur.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

using namespace vibralume;
using essai::Fe;
using essai::secondes;

namespace {

constexpr int32_t Crete = 16000;
constexpr qsizetype Fenetre = 441; // 10 ms: 1800 and 3000 Hz fall on exact bins

struct Banc {
    QTemporaryDir dossier;
    std::ostringstream journal;
    std::filesystem::path fichier{std::filesystem::path(dossier.path().toStdString()) / "test.wav"};
    Lecture lecture{[this] { return fichier; }, journal};
    essai::Enregistreur enregistreur;

    bool joue(double F) {
        if (!GenereSon(F, Crete, fichier.parent_path()))
            return false;
        lecture.JoueSon();
        return true;
    }
    std::vector<int16_t> boucle() const { return LitTon(fichier).value_or(std::vector<int16_t>{}); }
    const std::vector<int16_t>& s() const { return enregistreur.echantillons(); }
};

// Holds this thread (the user-interface thread here) for `ms` milliseconds,
// busy, as a window being built would.
void tient(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
    }
}

void continuite(Banc& b, const char* quoi, double duree, const std::function<void()>& pendant) {
    const essai::Alignement alignement(b.boucle());
    const qsizetype debut = b.enregistreur.maintenant();
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < qint64(duree * 1000)) {
        pendant();
        b.enregistreur.maintenant();
    }
    const qsizetype fin = debut + secondes(duree);
    b.enregistreur.attends(fin + Fenetre);
    const essai::Ruptures r = alignement.ruptures(b.s(), debut, fin);
    std::printf("%-50s %5.1f s, %3d breaks, %6.1f per minute, %lld samples off\n", quoi, duree,
                r.nombre, r.nombre * 60.0 / duree, static_cast<long long>(r.echantillonsFaux));
    for (std::size_t k = 0; k < std::min<std::size_t>(r.ou.size(), 8); ++k)
        std::printf("    break at %.3f s\n", double(r.ou[k] - debut) / Fe);
}

// The first 10 ms window from `i` on holding F at a quarter of the level or
// more and `autre` a hundred times weaker; its end, or -1.
qsizetype tonEntendu(const std::vector<int16_t>& s, qsizetype i, qsizetype fin, double F,
                     double autre) {
    const double fort = std::pow(Fenetre / 2.0 * Crete / 2, 2);
    for (; i + Fenetre <= fin; i += 44) {
        const double p = essai::puissance(s, i, i + Fenetre, F, false);
        if (p > fort && p > 100 * essai::puissance(s, i, i + Fenetre, autre, false))
            return i + Fenetre;
    }
    return -1;
}

struct Delais {
    std::vector<double> ms;
    int manques = 0;
    void ajoute(std::optional<double> d) {
        if (d)
            ms.push_back(*d);
        else
            ++manques;
    }
    std::string texte() const {
        if (ms.empty())
            return "never measured (" + std::to_string(manques) + " missed)";
        std::vector<double> v = ms;
        std::sort(v.begin(), v.end());
        char t[128];
        std::snprintf(t, sizeof t, "median %5.1f ms, max %5.1f ms (%zu times%s)", v[v.size() / 2],
                      v.back(), v.size(), manques ? ", some missed" : "");
        return t;
    }
};

// The longest a call kept the user-interface thread, in milliseconds.
struct Appels {
    double joue = 0, arrete = 0, gain = 0;
    template <class F> static void mesure(double& pire, F&& appel) {
        QElapsedTimer t;
        t.start();
        appel();
        pire = std::max(pire, double(t.nsecsElapsed()) / 1e6);
    }
};

void delais(Banc& b, const char* quoi, int repetitions) {
    Delais ton, gain, arret, arretRecu;
    Appels appels;
    const auto ms = [](qsizetype de, qsizetype a) { return 1000.0 * double(a - de) / Fe; };
    for (int k = 0; k < repetitions; ++k) {
        // Steady 1800 Hz, then 3000 Hz.
        b.joue(1800);
        b.enregistreur.attends(b.enregistreur.maintenant() + secondes(0.4));
        GenereSon(3000, Crete, b.fichier.parent_path());
        qsizetype appel = b.enregistreur.maintenant();
        Appels::mesure(appels.joue, [&] { b.lecture.JoueSon(); });
        b.enregistreur.attends(appel + secondes(0.4));
        const qsizetype nouveau =
            tonEntendu(b.s(), appel - Fenetre, appel + secondes(0.4), 3000, 1800);
        ton.ajoute(nouveau < 0 ? std::nullopt : std::optional(ms(appel, nouveau)));

        // The gain lowered to a quarter on the steady 3000 Hz.
        const essai::Alignement alignement(b.boucle());
        appel = b.enregistreur.maintenant();
        Appels::mesure(appels.gain, [&] { b.lecture.setGain(0.25); });
        b.enregistreur.attends(appel + secondes(0.3));
        const qsizetype change =
            alignement.gainEntendu(b.s(), appel - secondes(0.05), appel + secondes(0.3), 0.25);
        gain.ajoute(change < 0 ? std::nullopt : std::optional(ms(appel, change)));
        b.lecture.setGain(1);

        // And stopped.
        b.enregistreur.attends(b.enregistreur.maintenant() + secondes(0.2));
        appel = b.enregistreur.maintenant();
        const qint64 heure = b.enregistreur.horloge();
        Appels::mesure(appels.arrete, [&] { b.lecture.ArreteSon(); });
        b.enregistreur.attends(appel + secondes(0.3));
        qsizetype dernier = appel;
        for (qsizetype i = appel; i < appel + secondes(0.3); ++i)
            if (std::abs(int(b.s()[std::size_t(i)])) > essai::Seuil)
                dernier = i + 1;
        arret.ajoute(ms(appel, dernier));
        // The index at the call lags behind by the recording's latency, so
        // a prompt stop reads 0 there; when the first silent sample reached
        // this program bounds it from above, that latency included.
        arretRecu.ajoute(double(b.enregistreur.arrivee(dernier) - heure));
    }
    std::printf("%s\n  new tone heard:    %s\n  gain heard:        %s\n  silent after stop: %s\n"
                "    silence received: %s\n"
                "  longest calls: JoueSon %.2f ms, setGain %.3f ms, ArreteSon %.2f ms\n",
                quoi, ton.texte().c_str(), gain.texte().c_str(), arret.texte().c_str(),
                arretRecu.texte().c_str(), appels.joue, appels.gain, appels.arrete);
}

} // namespace

int main(int argc, char** argv) {
    essai::Charge::enfant(argc, argv);
    QCoreApplication app(argc, argv);
    const double duree = argc > 1 ? std::atof(argv[1]) : 20;
    const int gentillesse = argc > 2 ? std::atoi(argv[2]) : 0;
    const int repetitions = argc > 3 ? std::atoi(argv[3]) : 10;
    const int calculs = argc > 4 ? std::atoi(argv[4]) : 6;
    if (!qEnvironmentVariableIsSet("PULSE_SERVER")) {
        std::cerr << "run through bench/continuite.sh: it starts the private sound server\n";
        return 2;
    }
    std::printf("sound server's main thread %s\n", essai::serveurEnTempsReel()
                                                       ? "at a real-time priority"
                                                       : "at an ordinary priority");
    Banc b;
    if (const QString pourquoi = b.enregistreur.demarre(); !pourquoi.isEmpty()) {
        std::cerr << pourquoi.toStdString() << '\n';
        return 1;
    }
    b.joue(1800);
    b.enregistreur.attends(b.enregistreur.maintenant() + secondes(0.5));

    // The event loop free: waits on the recording, 10 ms at a time.
    const auto libre = [&] { b.enregistreur.attends(b.enregistreur.maintenant() + Fenetre); };
    continuite(b, "quiet machine", duree, libre);
    {
        essai::Charge charge(calculs, 300, gentillesse);
        const std::string quoi = std::to_string(calculs) + " busy loops + 300 MiB touched, nice " +
                                 std::to_string(gentillesse);
        continuite(b, quoi.c_str(), duree, libre);
        std::printf("    (%d of %d loads still running)\n", charge.enMarche(), charge.lancees());
    }
    {
        // As the window's own ticks load it: a frame drawn every 20 ms.
        essai::Charge charge(calculs, 300, gentillesse);
        continuite(b, "the same, UI thread busy 10 ms every 20 ms", duree, [&] {
            tient(10);
            b.enregistreur.attends(b.enregistreur.maintenant() + Fenetre);
        });
    }
    continuite(b, "UI thread held 200 ms, free 20 ms", duree, [&] {
        tient(200);
        b.enregistreur.attends(b.enregistreur.maintenant() + 2 * Fenetre);
    });

    delais(b, "quiet machine", repetitions);
    {
        essai::Charge charge(calculs, 300, gentillesse);
        delais(b, ("loaded, nice " + std::to_string(gentillesse)).c_str(), repetitions);
    }
    if (!b.journal.str().empty())
        std::cout << "journal: " << b.journal.str();
    return 0;
}
