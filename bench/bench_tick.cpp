// The timer tick of the running window, model view and vibrator shown, drawn
// into the backing images at device pixel ratios 1 and 2; the parameter
// refresh end to end; and a zoom change.

#include "model/Module1.h"
#include "tests/model/Doublures.h"
#include "ui/classe/ComplementsOS.h"
#include "ui/classe/Curseurs.h"
#include "ui/classe/FenetreCurseurs.h"
#include "ui/classe/ZoomOS.h"
#include "ui/demarrage/Application.h"
#include "ui/miseenpage/ControlesConstruits.h"
#include "ui/simulation/OS.h"
#include "views/Etiquette.h"
#include "views/PictureBox.h"

#include <QApplication>
#include <QScrollBar>
#include <benchmark/benchmark.h>
#include <memory>

using namespace vibralume;

namespace {

class SonMuet : public Son {
public:
    bool GenereSon(double, const int32_t&) override { return true; }
    void JoueSon() override {}
    void ArreteSon() override {}
    bool tonDisponible() const override { return true; }
};

struct Fenetre {
    Module1 m;
    HorlogeManuelle horloge{36000.0};
    AleatoireScripte alea{{0.13, 0.71, 0.42, 0.96, 0.05, 0.58, 0.87, 0.33}};
    SonMuet son;
    std::unique_ptr<OS> os;

    explicit Fenetre(qreal dpr) {
        os = std::make_unique<OS>(m, horloge, alea, son);
        os->Timer1().stop();
        for (const char* nom : {"ModeleMicro", "VibreurOS", "Vibreur"})
            os->controle<PictureBox>(nom)->setRatio(dpr);
        emit os->controle<Etiquette>("Label15")->clicked();
        // The bench calls the tick itself, as the running timer would.
        os->Timer1().start(1 << 30);
    }
};

void Tick(benchmark::State& etat, qreal dpr, bool stationnaire) {
    Fenetre f(dpr);
    if (stationnaire)
        f.os->controle<QWidget>("OndeStationnaire")->setProperty("checked", true);
    for (auto _ : etat) {
        f.horloge.lecture += 0.02;
        f.os->Timer1_Timer();
    }
}

void MajAffichage(benchmark::State& etat) {
    Fenetre f(1);
    for (auto _ : etat)
        f.os->MajAffichage();
}

// Both sensors on, the oscilloscope open: each tick adds two segments.
void TickCapteurs(benchmark::State& etat, qreal dpr) {
    Fenetre f(dpr);
    f.os->controle<PictureBox>("Oscillo")->setRatio(dpr);
    for (const char* nom : {"Label13", "capteur1", "Capteur2"})
        emit f.os->controle<Etiquette>(nom)->clicked();
    for (auto _ : etat) {
        f.horloge.lecture += 0.02;
        f.os->Timer1_Timer();
    }
}

// The same with the measuring cursors shown: their readout is asked for at
// every sample.
void TickCurseurs(benchmark::State& etat) {
    Fenetre f(1);
    ComplementsOS complements{*f.os, DemarrageOS{}, [](double) {}, nullptr};
    for (const char* nom : {"Label13", "capteur1", "Capteur2"})
        emit f.os->controle<Etiquette>(nom)->clicked();
    f.os->show();
    complements.curseurs().bascule();
    if (!complements.curseurs().fenetre().isVisible()) {
        etat.SkipWithError("the cursors' readout is not shown");
        return;
    }
    for (auto _ : etat) {
        f.horloge.lecture += 0.02;
        f.os->Timer1_Timer();
    }
}

// A zoom change with everything open: the layout placed again, the drawings
// made again. Each iteration is one change from `depuis` to `vers` (the way
// back is not timed).
void Zoom(benchmark::State& etat, double depuis, double vers) {
    Fenetre f(1);
    for (const char* nom : {"Label13", "capteur1", "Capteur2"})
        emit f.os->controle<Etiquette>(nom)->clicked();
    f.os->show();
    ZoomOS z(*f.os);
    z.setZoom(depuis);
    long recherches = 0;
    for (auto _ : etat) {
        const long avant = ControlesConstruits::recherches();
        z.setZoom(vers);
        recherches += ControlesConstruits::recherches() - avant;
        etat.PauseTiming();
        z.setZoom(depuis);
        etat.ResumeTiming();
    }
    // Controls looked up by name in one change.
    etat.counters["recherches"] =
        benchmark::Counter(double(recherches), benchmark::Counter::kAvgIterations);
}

// The same with a sweep of 19 s traced by both sensors at 2 s per division:
// the zoom draws its 1900 segments again.
void ZoomBalayage(benchmark::State& etat) {
    Fenetre f(1);
    for (const char* nom : {"Label13", "capteur1", "Capteur2"})
        emit f.os->controle<Etiquette>(nom)->clicked();
    f.os->controle<QWidget>("Sens_4")->setProperty("checked", true);
    f.os->show();
    for (int i = 0; i < 950; ++i) {
        f.horloge.lecture += 0.02;
        f.os->Timer1_Timer();
    }
    ZoomOS z(*f.os);
    for (auto _ : etat) {
        z.setZoom(1.25);
        etat.PauseTiming();
        z.setZoom(1);
        etat.ResumeTiming();
    }
}

} // namespace

BENCHMARK(ZoomBalayage)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(Zoom, 100_to_125, 1.0, 1.25)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(Zoom, 100_to_200, 1.0, 2.0)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(Zoom, 375_to_400, 3.75, 4.0)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(Zoom, 200_to_100, 2.0, 1.0)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(Tick, progressive_dpr1, 1.0, false)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(Tick, progressive_dpr2, 2.0, false)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(Tick, standing_dpr1, 1.0, true)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(TickCapteurs, sensors_dpr1, 1.0)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(TickCapteurs, sensors_dpr2, 2.0)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(TickCurseurs)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(MajAffichage)->Repetitions(10)->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    prepareApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
