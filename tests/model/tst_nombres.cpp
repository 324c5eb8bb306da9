// Number text, pulse shape and the integer conversions.

#include "Doublures.h"
#include "model/Entiers.h"
#include "model/Sech.h"
#include "model/TexteNombre.h"

#include <QTest>
#include <clocale>
#include <cmath>
#include <limits>
#include <locale>

using namespace vibralume;

namespace {

/// A C++ locale writing a decimal comma, to catch stream-based formatting.
struct VirguleDecimale : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

} // namespace

class TestNombres : public QObject {
    Q_OBJECT

private slots:
    void texteNombre_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("demi") << 0.5 << " .5";
        QTest::newRow("1.8") << 1.8 << " 1.8";
        QTest::newRow("entier") << 15.0 << " 15";
        QTest::newRow("zero") << 0.0 << " 0";
        QTest::newRow("moins zero") << -0.0 << " 0";
        QTest::newRow("8.33") << 8.33 << " 8.33";
        QTest::newRow("longueur d'onde coupee") << std::floor(15 * 100 / 1.8) / 100 << " 8.33";
        QTest::newRow("negatif sous 1") << -0.25 << "-.25";
        QTest::newRow("negatif") << -1.5 << "-1.5";
        QTest::newRow("0.1*3") << 0.1 * 3 << " .3";
        QTest::newRow("un tiers") << 1.0 / 3 << " .333333333333333";
        QTest::newRow("deux tiers arrondi") << 2.0 / 3 << " .666666666666667";
        QTest::newRow("0.05") << 0.05 << " .05";
        QTest::newRow("petit") << 1e-5 << " .00001";
        QTest::newRow("zeros de fin") << 2500.0 << " 2500";
        QTest::newRow("15 chiffres") << 99999999999999.9 << " 99999999999999.9";
        QTest::newRow("arrondi a 1") << 0.9999999999999999 << " 1";
        QTest::newRow("immense") << 1e20 << " 1E+20";
    }
    void texteNombre() {
        QFETCH(double, x);
        QFETCH(QString, attendu);
        QCOMPARE(Q(TexteNombre(x)), attendu);
    }

    void texteNombreIgnoreLaLocale() {
        const std::locale avant =
            std::locale::global(std::locale(std::locale::classic(), new VirguleDecimale));
        // A printf-based text would follow LC_NUMERIC when such a locale exists.
        const char* c = std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
        if (!c) {
            c = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
        }
        const std::string texte = TexteNombre(1.8);
        std::locale::global(avant);
        std::setlocale(LC_NUMERIC, "C");
        QCOMPARE(Q(texte), QString(" 1.8"));
    }

    void partieDecimale_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("0.9") << 0.9 << ".9";
        QTest::newRow("0.05") << 0.05 << ".05";
        QTest::newRow("negatif") << -0.25 << ".25";
        QTest::newRow("entier") << 3.0 << "";
    }
    void partieDecimale() {
        QFETCH(double, x);
        QFETCH(QString, attendu);
        QCOMPARE(Q(PartieDecimale(x)), attendu);
    }

    void sech_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("attendu");
        QTest::newRow("sommet") << 0.0 << 1.0;
        QTest::newRow("1") << 1.0 << 0.6480542736638855;
        QTest::newRow("-1.5 symetrique") << -1.5 << 0.4250960349422805;
        QTest::newRow("49.9 minuscule") << 49.9 << 4.263196480425103e-22;
        QTest::newRow("-49.9") << -49.9 << 4.263196480425103e-22;
        QTest::newRow("coupure 50") << 50.0 << 0.0;
        QTest::newRow("-50") << -50.0 << 0.0;
        QTest::newRow("-1000 sans infini") << -1000.0 << 0.0;
        QTest::newRow("1e308") << 1e308 << 0.0;
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 0.0;
    }
    void sech() {
        QFETCH(double, x);
        QFETCH(double, attendu);
        const double y = Sech(x);
        QVERIFY(std::isfinite(y));
        if (attendu == 0) {
            QVERIFY2(y == 0, qPrintable(QString::number(y)));
        } else {
            QVERIFY2(std::fabs(y - attendu) <= 1e-14 * attendu, qPrintable(QString::number(y)));
        }
    }

    void enInt16_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<bool>("valide");
        QTest::addColumn<int>("attendu");
        QTest::newRow("2.5 vers pair") << 2.5 << true << 2;
        QTest::newRow("3.5 vers pair") << 3.5 << true << 4;
        QTest::newRow("-2.5") << -2.5 << true << -2;
        QTest::newRow("max") << 32767.4 << true << 32767;
        QTest::newRow("au-dela") << 32767.5 << false << 0;
        QTest::newRow("min pair") << -32768.5 << true << -32768;
        QTest::newRow("sous min") << -32769.0 << false << 0;
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << false << 0;
        QTest::newRow("infini") << std::numeric_limits<double>::infinity() << false << 0;
    }
    void enInt16() {
        QFETCH(double, x);
        QFETCH(bool, valide);
        QFETCH(int, attendu);
        const auto n = EnInt16(x);
        QCOMPARE(n.has_value(), valide);
        if (valide) {
            QCOMPARE(int(*n), attendu);
        }
    }
};

QTEST_APPLESS_MAIN(TestNombres)
#include "tst_nombres.moc"
