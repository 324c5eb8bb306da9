// The sensors' history: two sweeps kept, a new time base or a time moved back
// starting afresh, and the CSV text a spreadsheet reads.

#include "model/Historique.h"

#include <QTest>
#include <clocale>

using namespace vibralume;

class TestHistorique : public QObject {
    Q_OBJECT
private slots:
    // Rows fed at 20 ms steps; which times remain after each sequence, from
    // the start of the earlier sweep kept.
    void balayagesGardes_data() {
        QTest::addColumn<QList<int>>("temps");     // ms, in the order fed
        QTest::addColumn<QList<double>>("durees"); // s, the sweep of each row
        QTest::addColumn<QList<int>>("restent");
        QTest::newRow("within one sweep")
            << QList<int>{0, 500, 1999} << QList<double>{2, 2, 2} << QList<int>{0, 500, 1999};
        QTest::newRow("two sweeps")
            << QList<int>{100, 2100, 3900} << QList<double>{2, 2, 2} << QList<int>{100, 2100, 3900};
        QTest::newRow("third sweep drops the first")
            << QList<int>{100, 2100, 3900, 4000} << QList<double>{2, 2, 2, 2}
            << QList<int>{100, 1900, 2000};
        QTest::newRow("late in the lesson")
            << QList<int>{2201500, 2202100} << QList<double>{2, 2} << QList<int>{1500, 2100};
        // As the oscilloscope's screen, wiped by a new time base.
        QTest::newRow("a longer time base starts afresh")
            << QList<int>{100, 2100, 4100, 4200} << QList<double>{2, 2, 2, 10} << QList<int>{4200};
        QTest::newRow("a shorter one too")
            << QList<int>{100, 9000, 9100} << QList<double>{10, 10, 2} << QList<int>{1100};
        QTest::newRow("even within its first sweep")
            << QList<int>{100, 1500} << QList<double>{2, 10} << QList<int>{1500};
        QTest::newRow("time moved back")
            << QList<int>{8100, 9000, 100} << QList<double>{2, 2, 2} << QList<int>{100};
        QTest::newRow("time moved back within a sweep")
            << QList<int>{8100, 9000, 8500} << QList<double>{2, 2, 2} << QList<int>{500};
        // Slowed down, two ticks can fall on one millisecond.
        QTest::newRow("the same instant twice")
            << QList<int>{100, 102, 102} << QList<double>{2, 2, 2} << QList<int>{100, 102};
    }
    void balayagesGardes() {
        QFETCH(QList<int>, temps);
        QFETCH(QList<double>, durees);
        QFETCH(QList<int>, restent);
        HistoriqueCapteurs h;
        for (qsizetype k = 0; k < temps.size(); ++k)
            h.ajoute(temps[k], durees[k], 3.0, std::nullopt);
        QList<int> vus;
        for (const LigneMesure& l : h.lignes())
            vus << int(std::lround(l.temps * 1000));
        QCOMPARE(vus, restent);
    }

    // Whatever the C library's locale (a French desktop here); a line that
    // holds the separator or a quote is quoted.
    void csv() {
        QVERIFY2(std::setlocale(LC_ALL, "fr_FR.UTF-8"),
                 "no fr_FR.UTF-8: scripts/prepare.sh makes it");
        const std::vector<LigneMesure> lignes = {
            {36000.02, 3.0, std::nullopt}, {36000.04, 2.875, 3.25}, {36000.06, std::nullopt, 4.0}};
        QCOMPARE(
            QString::fromStdString(CsvMesures(lignes, {"f = 1,8 Hz", "milieu : gaz"},
                                              {"temps (s)", "capteur 1", "capteur 2"}, ';', ',')),
            QStringLiteral("# f = 1,8 Hz\n# milieu : gaz\ntemps (s);capteur 1;capteur 2\n"
                           "36000,020;3;\n36000,040;2,875;3,25\n36000,060;;4\n"));
        QCOMPARE(QString::fromStdString(CsvMesures({{1.5, 2.5, std::nullopt}}, {"a, \"b\""},
                                                   {"t", "a", "b"}, ',', '.')),
                 QStringLiteral("\"# a, \"\"b\"\"\"\nt,a,b\n1.500,2.5,\n"));
        std::setlocale(LC_ALL, "C");
    }
};

QTEST_MAIN(TestHistorique)
#include "tst_historique.moc"
