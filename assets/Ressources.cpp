#include "assets/Ressources.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtGlobal>

namespace {

// Draws an SVG resource into a pixmap of `taille` logical pixels at `dpr`, keeping the
// result: the same picture is asked for again at every repaint.
QPixmap rendu(const QString& chemin, QSize taille, qreal dpr) {
    if (dpr <= 0) {
        dpr = 1;
    }
    const QString cle = QStringLiteral("%1|%2x%3|%4")
                            .arg(chemin)
                            .arg(taille.width())
                            .arg(taille.height())
                            .arg(dpr, 0, 'g', 6);
    static QHash<QString, QPixmap> cache;
    if (const auto it = cache.constFind(cle); it != cache.constEnd()) {
        return it.value();
    }

    QPixmap resultat;
    QSvgRenderer svg(chemin);
    const QSize pixels(qRound(taille.width() * dpr), qRound(taille.height() * dpr));
    if (svg.isValid() && !pixels.isEmpty()) {
        QImage toile(pixels, QImage::Format_ARGB32_Premultiplied);
        toile.fill(Qt::transparent);
        QPainter p(&toile);
        svg.render(&p, QRectF(QPointF(0, 0), QSizeF(pixels)));
        p.end();
        toile.setDevicePixelRatio(dpr);
        resultat = QPixmap::fromImage(toile);
    } else {
        qWarning("Ressources: cannot draw %s", qPrintable(chemin));
    }
    cache.insert(cle, resultat);
    return resultat;
}

qreal ratioEcran(qreal dpr) {
    if (dpr > 0) {
        return dpr;
    }
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

// QCursor takes the hot spot in the pixmap's device-independent pixels and scales it
// with the pixmap's device pixel ratio itself: the drawing's own coordinates go in as
// they are.
QCursor curseur(const QString& nom, QPoint pointChaud, qreal dpr) {
    const QPixmap dessin =
        rendu(QStringLiteral(":/cursors/%1.svg").arg(nom), QSize(32, 32), ratioEcran(dpr));
    return QCursor(dessin, pointChaud.x(), pointChaud.y());
}

} // namespace

void chargePolices() {
    static bool chargees = false;
    if (chargees) {
        return;
    }
    chargees = true;

    static const char* const fichiers[] = {
        "Carlito-Regular.ttf",       "Carlito-Bold.ttf",           "Carlito-Italic.ttf",
        "Carlito-BoldItalic.ttf",    "LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf",
        "LiberationSans-Italic.ttf",
    };
    for (const char* fichier : fichiers) {
        const QString chemin = QStringLiteral(":/fonts/") + QLatin1String(fichier);
        if (QFontDatabase::addApplicationFont(chemin) < 0) {
            qWarning("Ressources: cannot load the font %s", qPrintable(chemin));
        }
    }
    // The windows ask for the families they were designed with; these are metric twins.
    QFont::insertSubstitution(QStringLiteral("Calibri"), QStringLiteral("Carlito"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

QPixmap image(const QString& nom, QSize taille, qreal dpr) {
    return rendu(QStringLiteral(":/images/%1.svg").arg(nom), taille, dpr);
}

QCursor curseurMain(qreal dpr) {
    return curseur(QStringLiteral("main"), QPoint(12, 1), dpr);
}

QCursor curseurSaisie(qreal dpr) {
    return curseur(QStringLiteral("saisie"), QPoint(4, 16), dpr);
}

QIcon iconeProgramme() {
    QIcon icone;
    for (const int cote : {16, 24, 32, 48, 64, 128, 256}) {
        icone.addPixmap(image(QStringLiteral("icone"), QSize(cote, cote), 1));
    }
    return icone;
}
