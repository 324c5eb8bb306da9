// The main window on a desktop whose window manager frames it with a title
// bar and borders (a private X server with openbox): every zoom step, and
// full screen and back, leave its frame centred where it stood and on the
// screen, however many steps are taken.

#include "Banc.h"
#include "ui/ZoomOS.h"

#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QWindow>

using namespace vibralume;

namespace {

QString sortie(const QString& programme, const QStringList& arguments) {
    QProcess p;
    p.start(programme, arguments);
    if (!p.waitForFinished(5000))
        qFatal("%s did not answer", qPrintable(programme));
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

/// The frame's margins around the window, as the window manager announces
/// them (left, top, right, bottom); none before it has framed the window.
QMargins margesVues(const QWidget& w) {
    const auto m = QRegularExpression(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)"))
                       .match(sortie(QStringLiteral("xprop"),
                                     {QStringLiteral("-id"), QString::number(w.winId()),
                                      QStringLiteral("_NET_FRAME_EXTENTS")}));
    if (!m.hasMatch())
        return {};
    return QMargins(m.captured(1).toInt(), m.captured(3).toInt(), m.captured(2).toInt(),
                    m.captured(4).toInt());
}

/// The window's frame on the screen as the X server has it. Qt's own
/// frameGeometry() learns the frame late and keeps stale ones for a while.
QRect cadre(const QWidget& w) {
    const QString info =
        sortie(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(w.winId())});
    auto valeur = [&](const char* nom) {
        const auto m = QRegularExpression(QStringLiteral("%1:\\s*(-?\\d+)").arg(QLatin1String(nom)))
                           .match(info);
        return m.hasMatch() ? m.captured(1).toInt() : -100000;
    };
    const QRect client(valeur("Absolute upper-left X"), valeur("Absolute upper-left Y"),
                       valeur("Width"), valeur("Height"));
    return client.marginsAdded(margesVues(w));
}

QPointF centre(const QWidget& w) {
    return QRectF(cadre(w)).center();
}

QString texte(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

class TstCadre : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        prepareApplication();
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    }

    // The keys' steps, 'F' for F11 (in or out), from a window in the middle
    // of the screen and from one near its bottom right corner, where 125 %
    // does not fit around the same centre: the frame is then kept on the
    // screen, and the next step down brings it back where it stood.
    void cadreEnPlace_data() {
        // Where the frame starts, from the screen's centre.
        QTest::addColumn<QPoint>("depuisCentre");
        QTest::addColumn<QString>("pas");
        QTest::newRow("centred") << QPoint(0, 0) << QStringLiteral("+--+F F-+F F+-");
        QTest::newRow("near the bottom right corner")
            << QPoint(120, 150) << QStringLiteral("+-F F-+");
    }
    void cadreEnPlace() {
        QFETCH(QPoint, depuisCentre);
        QFETCH(QString, pas);
        Banc b;
        ZoomOS zoom(*b.os);
        QWidget& os = *b.os;
        const QRect ecran = os.screen()->availableGeometry();
        QVERIFY2(ecran.width() >= 1280 && ecran.height() >= 1024, qPrintable(texte(ecran)));
        // Framed by the window manager, a title bar above the window: without
        // it, nothing here would be tested.
        QTRY_VERIFY(margesVues(os).top() > 5);
        const QMargins marges = margesVues(os);
        // The program has heard where the window manager put the window, as
        // it has long before a person presses the next key.
        auto entendu = [&] {
            QTRY_COMPARE(os.geometry(), cadre(os).marginsRemoved(marges));
            QTRY_COMPARE(os.windowHandle()->frameMargins(), marges);
        };
        QRect depart(QPoint(), os.size().grownBy(marges));
        depart.moveCenter(ecran.center() + depuisCentre);
        os.setGeometry(depart.marginsRemoved(marges));
        QTRY_COMPARE(cadre(os), depart);
        entendu();
        const QPointF voulu = centre(os);

        for (const QChar touche : pas) {
            if (touche == QLatin1Char('+'))
                zoom.agrandit();
            else if (touche == QLatin1Char('-'))
                zoom.reduit();
            else if (touche == QLatin1Char('F'))
                zoom.basculePleinEcran();
            else
                continue;
            if (zoom.pleinEcran()) {
                // Once the window manager has taken the frame away.
                QTRY_COMPARE(cadre(os), os.screen()->geometry());
                QTRY_COMPARE(os.geometry(), os.screen()->geometry());
                QTRY_COMPARE(os.windowHandle()->frameMargins(), QMargins());
                continue;
            }
            const QString ou =
                QStringLiteral("after '%1' at %2 %, frame at ").arg(touche).arg(zoom.zoom() * 100);
            const QSize taille = ZoomOS::taille(zoom.zoom()).grownBy(marges);
            QRectF autour{QPointF(), QSizeF(taille)};
            autour.moveCenter(voulu);
            if (ecran.contains(autour.toAlignedRect())) {
                QTRY_VERIFY2(cadre(os).size() == taille &&
                                 (centre(os) - voulu).manhattanLength() <= 1,
                             qPrintable(ou + texte(cadre(os))));
            } else {
                // Pushed back onto the screen, against its edge.
                QTRY_VERIFY2(cadre(os).size() == taille && (cadre(os).bottom() == ecran.bottom() ||
                                                            cadre(os).right() == ecran.right()),
                             qPrintable(ou + texte(cadre(os))));
            }
            QVERIFY2(ecran.contains(cadre(os)),
                     qPrintable(ou + texte(cadre(os)) + QStringLiteral(", off the screen")));
            entendu();
        }
        QCOMPARE(zoom.zoom(), 1.0);
        QCOMPARE(cadre(os), depart);
    }
};

QTEST_MAIN(TstCadre)
#include "tst_cadre.moc"
