// Build-time tool: lays out the statement of the model (enonce.html) on one A4 page and
// draws the figure, a row of slices at t, t + T/2 and t + T, where the HTML says FIGURE.
//
//   genere_enonce <enonce.html> <enonce.pdf> <font.ttf>...
//
// The same tool makes every language's statement: the words drawn in the figure and the
// document's title come from the HTML's <meta> elements (figure-tranche,
// figure-compression, figure-dilatation, titre), so each language's file carries its own.
//
// The fonts are registered from the given files, so the document does not depend on the
// fonts installed on the build machine. Fails (exit 1) if the text and figure do not fit
// on one page.

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QtMath>

#include <cstdio>
#include <map>
#include <memory>

namespace {

constexpr int resolution = 1200; // dots per inch of the PDF's coordinates
constexpr qreal pxParMm = resolution / 25.4;

// The PDF writer cannot tell which letters a ligature glyph ("ti", "tt") stands for, so a
// ligature would leave a hole in the text that readers copy or search. Qt shapes without
// ligatures when letters are spaced: a spacing of a few 1/64 of a dot does that unseen.
constexpr qreal espacementSansLigature = 0.05;

QFont sansLigature(QFont police) {
    police.setLetterSpacing(QFont::AbsoluteSpacing, espacementSansLigature);
    return police;
}

// The words of the document that are not in its flowing text.
struct Mots {
    QString tranche;
    QString compression;
    QString dilatation;
    QString titre;
};

// <meta name="..." content="..."> of the HTML, by name.
std::map<QString, QString> metas(const QString& html) {
    static const QRegularExpression meta(
        QStringLiteral("<meta\\s+name=\"([^\"]+)\"\\s+content=\"([^\"]*)\"\\s*/?>"));
    std::map<QString, QString> valeurs;
    for (auto it = meta.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        valeurs[m.captured(1)] = m.captured(2);
    }
    return valeurs;
}

qreal mm(qreal valeur) {
    return valeur * pxParMm;
}

std::unique_ptr<QTextDocument> document(const QString& html, QPdfWriter& pdf) {
    auto doc = std::make_unique<QTextDocument>();
    doc->documentLayout()->setPaintDevice(&pdf);
    doc->setDocumentMargin(0);
    doc->setDefaultFont(QFont(QStringLiteral("Carlito"), 11));
    doc->setHtml(html);
    QTextCursor tout(doc.get());
    tout.select(QTextCursor::Document);
    QTextCharFormat espacement;
    espacement.setFontLetterSpacingType(QFont::AbsoluteSpacing);
    espacement.setFontLetterSpacing(espacementSansLigature);
    tout.mergeCharFormat(espacement);
    doc->setTextWidth(pdf.width());
    return doc;
}

// Displacement of slice i (1 to 18, resting i steps to the right of the vibrating
// surface) at phase ωt, in steps: a progressive wave of wavelength 9 steps whose
// compressions sit at slices 3 and 12 at the first instant.
qreal deplacement(qreal i, qreal omegaT) {
    const qreal amplitude = 0.5;
    const qreal k = 2 * M_PI / 9;
    return amplitude * qSin(omegaT - k * i + k * 3);
}

// Draws the figure from `origine` (device units), `largeur` wide; returns its height.
qreal dessineFigure(QPainter& p, QPointF origine, qreal largeur, const Mots& mots) {
    const int nbTranches = 18;
    const int nbParticules = 5;
    const int trancheSuivie = 6;
    const qreal etiquettes = mm(20);                                // column of the instants' names
    const qreal pas = (largeur - etiquettes - mm(12)) / nbTranches; // rest spacing
    const qreal ecartParticules = mm(2.4);
    const qreal rayon = mm(1.05);
    const qreal hauteurRangee = (nbParticules - 1) * ecartParticules + 2 * rayon;
    const qreal hauteurNumeros = mm(5);
    const qreal interRangee = mm(8);
    const QColor navy(0, 0, 64), gris(128, 128, 128), orange(255, 128, 0);

    // Fixed jitter of the particles inside a slice: a gas is not a crystal.
    const qreal decalage[nbParticules] = {0.10, -0.12, 0.04, -0.06, 0.12};

    QFont police(QStringLiteral("Carlito"));
    police.setPointSizeF(9);
    QFont petite(QStringLiteral("Carlito"));
    petite.setPointSizeF(8);
    petite.setItalic(true);

    const qreal x0 = origine.x() + etiquettes + mm(6); // rest position of the surface
    auto xRepos = [&](int i) { return x0 + i * pas; };

    // Slice numbers above the first row.
    p.setFont(sansLigature(petite));
    p.setPen(QColor(64, 64, 64));
    p.drawText(QRectF(origine.x(), origine.y(), etiquettes, hauteurNumeros),
               Qt::AlignLeft | Qt::AlignBottom, mots.tranche);
    for (int i = 1; i <= nbTranches; ++i) {
        const QRectF cadre(xRepos(i) - pas / 2, origine.y(), pas, hauteurNumeros);
        p.drawText(cadre, Qt::AlignHCenter | Qt::AlignBottom, QString::number(i));
    }
    const qreal haut = origine.y() + hauteurNumeros + mm(2);

    const QString instants[3] = {QStringLiteral("t"), QStringLiteral("t\u00a0+\u00a0T/2"),
                                 QStringLiteral("t\u00a0+\u00a0T")};
    const qreal phases[3] = {0, M_PI, 2 * M_PI};
    const qreal bas = haut + 3 * hauteurRangee + 2 * interRangee;

    // Rest position of the followed slice, across all three rows.
    QPen pointille(orange, mm(0.3), Qt::DashLine);
    p.setPen(pointille);
    p.drawLine(QPointF(xRepos(trancheSuivie), haut - mm(1)),
               QPointF(xRepos(trancheSuivie), bas + mm(1)));

    for (int r = 0; r < 3; ++r) {
        const qreal y = haut + r * (hauteurRangee + interRangee);

        p.setFont(sansLigature(police));
        p.setPen(navy);
        p.drawText(QRectF(origine.x(), y, etiquettes, hauteurRangee),
                   Qt::AlignLeft | Qt::AlignVCenter, instants[r]);

        // The vibrating surface, moved like the wave at its own place.
        const qreal xSurface = x0 + deplacement(0, phases[r]) * pas;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(64, 64, 64));
        p.drawRect(QRectF(xSurface - mm(1.8), y - mm(1.5), mm(1.8), hauteurRangee + mm(3)));

        // The slices.
        p.setPen(QPen(Qt::black, mm(0.15)));
        for (int i = 1; i <= nbTranches; ++i) {
            const qreal x = xRepos(i) + deplacement(i, phases[r]) * pas;
            p.setBrush(i == trancheSuivie ? orange : gris);
            for (int j = 0; j < nbParticules; ++j) {
                const qreal dx = decalage[(i + j) % nbParticules] * pas * 0.5;
                p.drawEllipse(QPointF(x + dx, y + rayon + j * ecartParticules), rayon, rayon);
            }
        }

        // Names of the zones under the row: compressions where the slices crowd.
        p.setFont(sansLigature(petite));
        p.setPen(QColor(64, 64, 64));
        const bool inverse = r == 1;
        const qreal centres[4] = {3, 7.5, 12, 16.5};
        for (int z = 0; z < 4; ++z) {
            const bool compression = (z % 2 == 0) != inverse;
            const QRectF cadre(xRepos(0) + centres[z] * pas - 2 * pas, y + hauteurRangee, 4 * pas,
                               interRangee * 0.75);
            p.drawText(cadre, Qt::AlignCenter, compression ? mots.compression : mots.dilatation);
        }
    }

    return bas + interRangee * 0.75 - origine.y();
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: genere_enonce enonce.html enonce.pdf font.ttf...\n");
        return 2;
    }
    for (int i = 3; i < argc; ++i) {
        if (QFontDatabase::addApplicationFont(QString::fromLocal8Bit(argv[i])) < 0) {
            std::fprintf(stderr, "genere_enonce: cannot load font %s\n", argv[i]);
            return 1;
        }
    }

    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "genere_enonce: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString html = QString::fromUtf8(source.readAll());
    const std::map<QString, QString> valeurs = metas(html);
    Mots mots;
    for (auto [nom, mot] :
         {std::pair{"figure-tranche", &mots.tranche},
          std::pair{"figure-compression", &mots.compression},
          std::pair{"figure-dilatation", &mots.dilatation}, std::pair{"titre", &mots.titre}}) {
        const auto it = valeurs.find(QString::fromLatin1(nom));
        if (it == valeurs.end() || it->second.isEmpty()) {
            std::fprintf(stderr, "genere_enonce: no <meta name=\"%s\" content=...> in %s\n", nom,
                         argv[1]);
            return 1;
        }
        *mot = it->second;
    }
    const QString repere = QStringLiteral("<!-- FIGURE -->");
    const qsizetype position = html.indexOf(repere);
    if (position < 0) {
        std::fprintf(stderr, "genere_enonce: no FIGURE mark in %s\n", argv[1]);
        return 1;
    }
    // Both halves keep the head (styles) of the file.
    const qsizetype debutCorps = html.indexOf(QStringLiteral("<body>"));
    const QString entete = html.left(debutCorps + 6);
    const QString avant = html.left(position) + QStringLiteral("</body></html>");
    const QString apres = entete + html.mid(position + repere.size());

    const QString sortie = QString::fromLocal8Bit(argv[2]);
    QPdfWriter pdf(sortie);
    pdf.setResolution(resolution);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(18, 12, 18, 12), QPageLayout::Millimeter));
    pdf.setTitle(mots.titre);
    pdf.setCreator(QStringLiteral("Vibralume"));

    const auto haut = document(avant, pdf);
    const auto basDoc = document(apres, pdf);

    QPainter p;
    if (!p.begin(&pdf)) {
        std::fprintf(stderr, "genere_enonce: cannot write %s\n", argv[2]);
        return 1;
    }
    p.setRenderHint(QPainter::Antialiasing);
    qreal y = 0;
    haut->drawContents(&p);
    y += haut->size().height() + mm(3);
    y += dessineFigure(p, QPointF(0, y), pdf.width(), mots) + mm(2);
    p.save();
    p.translate(0, y);
    basDoc->drawContents(&p);
    p.restore();
    y += basDoc->size().height();
    p.end();

    if (y > pdf.height()) {
        std::fprintf(stderr, "genere_enonce: the statement is %.0f mm too long for one page\n",
                     (y - pdf.height()) / pxParMm);
        QFile::remove(sortie);
        return 1;
    }
    return 0;
}
