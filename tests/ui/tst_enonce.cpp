// The statement of the model in the main window: the small frame showing the
// top of its page, and the reading window that a double click opens.

#include "Banc.h"
#include "ui/simulation/VisionneuseEnonce.h"
#include "views/ConteneurEnonce.h"

#include <QPainter>
#include <QPdfDocument>
#include <QPdfView>
#include <QScreen>
#include <QScrollBar>

using namespace vibralume;

namespace {

ConteneurEnonce* conteneur(const Banc& b) {
    return b.os->controle<ConteneurEnonce>(QStringLiteral("EnonceModele"));
}

// The reading windows open, shown or not.
QList<VisionneuseEnonce*> visionneuses(const Banc& b) {
    return b.os->findChildren<VisionneuseEnonce*>();
}

void doubleClic(QWidget* w, Qt::MouseButton bouton = Qt::LeftButton) {
    QTest::mouseDClick(w, bouton, {}, QPoint(w->width() / 2, w->height() / 2));
}

// Windows whose deletion was asked for are gone afterwards.
void supprimeFermees() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool proches(QRgb a, QRgb b) {
    return qAbs(qRed(a) - qRed(b)) <= 2 && qAbs(qGreen(a) - qGreen(b)) <= 2 &&
           qAbs(qBlue(a) - qBlue(b)) <= 2;
}

} // namespace

class TstEnonce : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(); }

    // The frame shows the top of the page at its own width, cut at its bottom
    // edge inside an intact border: the title, dark on the page's white.
    void apercu() {
        Banc b;
        ConteneurEnonce* c = conteneur(b);
        QVERIFY(c);
        QCOMPARE(c->document().status(), QPdfDocument::Status::Ready);
        const QImage vue = c->grab().toImage();
        const qreal dpr = vue.devicePixelRatio();
        const QRect dedans(QPoint(1, 1) * dpr, (c->size() - QSize(2, 2)) * dpr);

        QPdfDocument pdf;
        QVERIFY(chargeEnonce(pdf));
        const QSizeF pt = pdf.pagePointSize(0);
        const QImage rendu =
            pdf.render(0, QSize(dedans.width(), qRound(dedans.width() * pt.height() / pt.width())));
        // The page on white paper.
        QImage page(rendu.size(), QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter(&page).drawImage(0, 0, rendu);
        // Far taller than the frame: what is seen is a cut, not the whole page.
        QVERIFY(page.height() > 10 * dedans.height());

        int sombres = 0, clairs = 0, differents = 0;
        for (int y = 0; y < dedans.height(); ++y)
            for (int x = 0; x < dedans.width(); ++x) {
                const QRgb p = vue.pixel(dedans.topLeft() + QPoint(x, y));
                sombres += qGray(p) < 100;
                clairs += qGray(p) > 230;
                differents += !proches(p, page.pixel(x, y));
            }
        const int n = dedans.width() * dedans.height();
        QCOMPARE(differents, 0);
        QVERIFY2(sombres >= 20, qPrintable(QString::number(sombres)));
        QVERIFY2(clairs > n * 3 / 4, qPrintable(QString::number(clairs)));

        // The page never covers the border, at the bottom least of all.
        const QRgb bord = c->palette().color(QPalette::WindowText).rgb();
        for (int x = 0; x < vue.width(); ++x) {
            QVERIFY(proches(vue.pixel(x, 0), bord));
            QVERIFY(proches(vue.pixel(x, vue.height() - 1), bord));
        }
        for (int y = 0; y < vue.height(); ++y) {
            QVERIFY(proches(vue.pixel(0, y), bord));
            QVERIFY(proches(vue.pixel(vue.width() - 1, y), bord));
        }
    }

    // Only a double click with the left button opens the statement.
    void ouvertureParDoubleClic_data() {
        QTest::addColumn<bool>("double_");
        QTest::addColumn<int>("bouton");
        QTest::addColumn<bool>("ouvre");
        QTest::newRow("left double click") << true << int(Qt::LeftButton) << true;
        QTest::newRow("left click") << false << int(Qt::LeftButton) << false;
        QTest::newRow("right double click") << true << int(Qt::RightButton) << false;
    }
    void ouvertureParDoubleClic() {
        QFETCH(bool, double_);
        QFETCH(int, bouton);
        QFETCH(bool, ouvre);
        Banc b;
        ConteneurEnonce* c = conteneur(b);
        const auto bt = Qt::MouseButton(bouton);
        if (double_)
            doubleClic(c, bt);
        else
            QTest::mouseClick(c, bt, {}, QPoint(c->width() / 2, c->height() / 2));
        QCOMPARE(visionneuses(b).size(), ouvre ? 1 : 0);
    }

    // The reading window: a window of its own, showing the one-page document,
    // on the screen, and not keeping the program alive once the main window
    // is closed.
    void visionneuse() {
        Banc b;
        doubleClic(conteneur(b));
        const QList<VisionneuseEnonce*> liste = visionneuses(b);
        QCOMPARE(liste.size(), 1);
        VisionneuseEnonce* v = liste.first();
        QVERIFY(v->isWindow());
        QVERIFY(v->isVisible());
        QCOMPARE(v->windowTitle(), QStringLiteral("Enoncé du modèle microscopique"));
        QVERIFY(!v->windowIcon().isNull());
        QVERIFY(!v->testAttribute(Qt::WA_QuitOnClose));

        QPdfView* vue = v->findChild<QPdfView*>();
        QVERIFY(vue);
        QCOMPARE(vue, v->vue());
        QVERIFY(vue->isVisible());
        QVERIFY(vue->document());
        QCOMPARE(vue->document()->status(), QPdfDocument::Status::Ready);
        QCOMPARE(vue->document()->pageCount(), 1);
        QCOMPARE(vue->zoomMode(), QPdfView::ZoomMode::FitToWidth);

        const QRect ecran = b.os->screen()->availableGeometry();
        QVERIFY(ecran.contains(v->geometry()));
        QVERIFY(v->height() > v->width());
    }

    // A second double click brings the open window back instead of opening
    // another one.
    void uneSeuleVisionneuse() {
        Banc b;
        doubleClic(conteneur(b));
        QCOMPARE(visionneuses(b).size(), 1);
        VisionneuseEnonce* premiere = visionneuses(b).first();
        doubleClic(conteneur(b));
        supprimeFermees();
        QCOMPARE(visionneuses(b).size(), 1);
        QCOMPARE(visionneuses(b).first(), premiere);
        QVERIFY(premiere->isVisible());

        // Even hidden behind the main window or minimised, it is found again.
        premiere->showMinimized();
        doubleClic(conteneur(b));
        QCOMPARE(visionneuses(b).size(), 1);
        QVERIFY(premiere->isVisible());
        QVERIFY(!premiere->isMinimized());
    }

    // Escape or the close box closes the window; the next double click shows
    // the same window again, at the top of the page: one viewer serves every
    // reading, however often the statement is opened.
    void fermeture_data() {
        QTest::addColumn<bool>("echap");
        QTest::newRow("Escape") << true;
        QTest::newRow("close box") << false;
    }
    void fermeture() {
        QFETCH(bool, echap);
        Banc b;
        doubleClic(conteneur(b));
        QPointer<VisionneuseEnonce> v = visionneuses(b).value(0);
        QVERIFY(v);
        for (int fois = 0; fois < 10; ++fois) {
            v->resize(v->width(), 200);
            v->vue()->verticalScrollBar()->setValue(v->vue()->verticalScrollBar()->maximum());
            QVERIFY(v->vue()->verticalScrollBar()->value() > 0);
            if (echap)
                QTest::keyClick(v->vue(), Qt::Key_Escape);
            else
                QVERIFY(v->close());
            QVERIFY(!v->isVisible());
            supprimeFermees();
            QVERIFY(!v.isNull());

            doubleClic(conteneur(b));
            QCOMPARE(visionneuses(b).size(), 1);
            QCOMPARE(visionneuses(b).first(), v.data());
            QVERIFY(v->isVisible());
            QCOMPARE(v->vue()->verticalScrollBar()->value(), 0);
        }
    }

    // Other keys are the view's: they do not close the window.
    void autreTouche() {
        Banc b;
        doubleClic(conteneur(b));
        VisionneuseEnonce* v = visionneuses(b).value(0);
        QVERIFY(v);
        QTest::keyClick(v->vue(), Qt::Key_Down);
        QTest::keyClick(v->vue(), Qt::Key_Q);
        QVERIFY(v->isVisible());
    }
};

QTEST_MAIN(TstEnonce)
#include "tst_enonce.moc"
