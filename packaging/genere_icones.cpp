// Build-time tool: draws the program icon, an SVG, as the PNG sizes of the
// hicolor icon theme, with Qt's own SVG renderer (the one that draws the icon
// in the running program).
//
//   genere_icones <icone.svg> <folder> <name> <size>...
//
// writes <folder>/<size>x<size>/apps/<name>.png for every size. Fails (exit 1)
// if the SVG cannot be read or a file cannot be written.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 5) {
        std::fprintf(stderr, "usage: genere_icones <icone.svg> <folder> <name> <size>...\n");
        return 1;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "genere_icones: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    for (const QString& taille : args.mid(4)) {
        const int n = taille.toInt();
        const QString dossier = QStringLiteral("%1/%2x%2/apps").arg(args[2]).arg(n);
        const QString fichier = QStringLiteral("%1/%2.png").arg(dossier, args[3]);
        QImage image(n, n, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p, QRectF(0, 0, n, n));
        p.end();
        if (n <= 0 || !QDir().mkpath(dossier) || !image.save(fichier, "PNG")) {
            std::fprintf(stderr, "genere_icones: cannot write %s\n", qPrintable(fichier));
            return 1;
        }
    }
    return 0;
}
