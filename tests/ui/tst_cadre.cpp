// The main window on a desktop whose window manager frames it with a title
// bar and borders (a private X server with openbox): every zoom step, and
// full screen and back, leave its frame centred where it stood and on the
// screen.

#include "Banc.h"
#include "ui/classe/ZoomOS.h"

#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QWindow>

using namespace vibralume;

namespace {

/// The window's frame as the X server has it: the window's place and the
/// margins the window manager announces (none before it frames the window).
/// Qt's own frameGeometry() learns the frame late and keeps stale ones.
struct Cadre {
    QRect fenetre;
    QMargins marges;
    QRect rect() const { return fenetre.marginsAdded(marges); }
    QPointF centre() const { return QRectF(rect()).center(); }
};

Cadre cadre(const QWidget& w) {
    QProcess p;
    p.start(QStringLiteral("sh"),
            {QStringLiteral("-c"),
             QStringLiteral("xwininfo -id %1; xprop -id %1 _NET_FRAME_EXTENTS").arg(w.winId())});
    p.waitForFinished(5000);
    const QString s = QString::fromLocal8Bit(p.readAllStandardOutput());
    auto n = [&](const char* motif, int k = 1) {
        const auto m = QRegularExpression(QLatin1String(motif)).match(s);
        return m.hasMatch() ? m.captured(k).toInt() : 0;
    };
    const char* extents = "EXTENTS.*= (\\d+), (\\d+), (\\d+), (\\d+)";
    return {QRect(n("upper-left X: *(-?\\d+)"), n("upper-left Y: *(-?\\d+)"), n("Width: *(\\d+)"),
                  n("Height: *(\\d+)")),
            QMargins(n(extents, 1), n(extents, 3), n(extents, 2), n(extents, 4))};
}

QByteArray texte(const QRect& r) {
    QString s;
    QDebug(&s) << r;
    return s.toUtf8();
}

} // namespace

class TstCadre : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        prepareApplication();
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    }

    // The keys' steps, F for F11 (in or out), from the middle of the screen
    // and from near its bottom right corner, where 125 % does not fit around
    // the same centre: pushed back onto the screen, then back where it stood.
    void cadreEnPlace_data() {
        QTest::addColumn<QPoint>("depuisCentre"); // of the screen, where the frame starts
        QTest::addColumn<QString>("pas");
        QTest::newRow("centred") << QPoint(0, 0) << QStringLiteral("+--+FF-+FF+-");
        QTest::newRow("near the bottom right corner")
            << QPoint(120, 150) << QStringLiteral("+-FF-+");
    }
    void cadreEnPlace() {
        QFETCH(QPoint, depuisCentre);
        QFETCH(QString, pas);
        Banc b;
        ZoomOS zoom(*b.os);
        QWidget& os = *b.os;
        const QRect ecran = os.screen()->availableGeometry();
        QCOMPARE(ecran.size(), QSize(1280, 1024));
        // A title bar above the window: without it, nothing here is tested.
        QTRY_VERIFY(cadre(os).marges.top() > 5);
        const QMargins marges = cadre(os).marges;
        // The program has heard where the window stands, as it has long
        // before a person presses the next key.
        auto entendu = [&] {
            QTRY_COMPARE(os.geometry(), cadre(os).fenetre);
            QTRY_COMPARE(os.windowHandle()->frameMargins(), cadre(os).marges);
        };
        QRect depart(QPoint(), os.size().grownBy(marges));
        depart.moveCenter(ecran.center() + depuisCentre);
        os.setGeometry(depart.marginsRemoved(marges));
        QTRY_COMPARE(cadre(os).rect(), depart);
        entendu();
        const QPointF voulu = cadre(os).centre();

        for (const QChar touche : pas) {
            touche == QLatin1Char('+')   ? zoom.agrandit()
            : touche == QLatin1Char('-') ? zoom.reduit()
                                         : zoom.basculePleinEcran();
            if (zoom.pleinEcran()) {
                QTRY_COMPARE(cadre(os).rect(), os.screen()->geometry());
                entendu();
                continue;
            }
            const QSize taille = ZoomOS::taille(zoom.zoom()).grownBy(marges);
            QRectF autour{QPointF(), QSizeF(taille)};
            autour.moveCenter(voulu);
            const bool tient = ecran.contains(autour.toAlignedRect());
            // Centred where it stood, or pushed against the screen's edge.
            QTRY_VERIFY2(cadre(os).rect().size() == taille &&
                             (tient ? (cadre(os).centre() - voulu).manhattanLength() <= 1
                                    : cadre(os).rect().bottom() == ecran.bottom() ||
                                          cadre(os).rect().right() == ecran.right()),
                         texte(cadre(os).rect()).constData());
            QVERIFY2(ecran.contains(cadre(os).rect()), texte(cadre(os).rect()).constData());
            entendu();
        }
        QCOMPARE(zoom.zoom(), 1.0);
        QCOMPARE(cadre(os).rect(), depart);
    }
};

QTEST_MAIN(TstCadre)
#include "tst_cadre.moc"
