// The statement document embedded as :/documents/enonce.pdf: one A4 page, in French,
// with its fonts embedded and the model's key notions in its text; and its English
// twin :/documents/enonce_en.pdf, made by the same tool, with the same notions and the
// figure's words in English.

#include <QFile>
#include <QPdfDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestEnonce : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void unePageA4();
    void policesIncorporees();
    void texte_data();
    void texte();
    void anglaisUnePageA4();
    void anglais_data();
    void anglais();

private:
    QTemporaryDir dossier_;
    QString chemin_;
    QString texte_; // the page's text, every run of blanks made one space
    QString cheminAnglais_;
    QString texteAnglais_;
};

namespace {

// The page's text as pdftotext reads it, every run of blanks made one space.
QString texteDuPdf(const QString& chemin) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral(VIBRALUME_PDFTOTEXT),
                    {QStringLiteral("-enc"), QStringLiteral("UTF-8"), chemin, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(-1) || pdftotext.exitStatus() != QProcess::NormalExit ||
        pdftotext.exitCode() != 0)
        return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}

} // namespace

void TestEnonce::initTestCase() {
    QVERIFY(dossier_.isValid());
    chemin_ = dossier_.filePath(QStringLiteral("enonce.pdf"));
    QVERIFY(QFile::copy(QStringLiteral(":/documents/enonce.pdf"), chemin_));

    QProcess pdftotext;
    pdftotext.start(
        QStringLiteral(VIBRALUME_PDFTOTEXT),
        {QStringLiteral("-enc"), QStringLiteral("UTF-8"), chemin_, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(-1));
    QCOMPARE(pdftotext.exitStatus(), QProcess::NormalExit);
    QCOMPARE(pdftotext.exitCode(), 0);
    texte_ = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
    QVERIFY(!texte_.isEmpty());

    cheminAnglais_ = dossier_.filePath(QStringLiteral("enonce_en.pdf"));
    QVERIFY(QFile::copy(QStringLiteral(":/documents/enonce_en.pdf"), cheminAnglais_));
    texteAnglais_ = texteDuPdf(cheminAnglais_);
    QVERIFY(!texteAnglais_.isEmpty());
}

void TestEnonce::unePageA4() {
    QPdfDocument pdf;
    QCOMPARE(pdf.load(chemin_), QPdfDocument::Error::None);
    QCOMPARE(pdf.pageCount(), 1);
    const QSizeF taille = pdf.pagePointSize(0); // A4: 210 x 297 mm in points
    QVERIFY2(qAbs(taille.width() - 595.3) < 1 && qAbs(taille.height() - 841.9) < 1,
             qPrintable(QStringLiteral("%1 x %2 pt").arg(taille.width()).arg(taille.height())));
}

// The text must be set in Carlito, embedded, whatever fonts the reader's machine has.
void TestEnonce::policesIncorporees() {
    QFile f(chemin_);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray octets = f.readAll();
    QVERIFY(octets.startsWith("%PDF-"));
    QVERIFY(octets.contains("/FontFile2"));
    QVERIFY(octets.contains("Carlito"));
}

void TestEnonce::texte_data() {
    QTest::addColumn<QString>("phrase");
    QTest::newRow("title") << "Modèle microscopique de la propagation du son";
    QTest::newRow("particles") << "particules identiques, minuscules et sphériques";
    QTest::newRow("vacuum") << "il n’y a rien : c’est le vide";
    QTest::newRow("agitation") << "agitation perpétuelle";
    QTest::newRow("compressed") << "zone comprimée, où les particules sont plus proches";
    QTest::newRow("dilated") << "zone dilatée, où les particules sont plus éloignées";
    QTest::newRow("slice 1") << "forment la tranche 1";
    QTest::newRow("slice to slice") << "la tranche 1 pousse la tranche 2";
    QTest::newRow("no transport") << "sans transport de matière";
    QTest::newRow("alternation") << "alternent régulièrement tout le long du milieu";
    QTest::newRow("period") << "c’est la période T de l’onde";
    QTest::newRow("figure t + T/2") << "t + T/2";
    QTest::newRow("figure compression") << "compression";
    QTest::newRow("figure dilatation") << "dilatation";
}

void TestEnonce::texte() {
    QFETCH(QString, phrase);
    QVERIFY2(texte_.contains(phrase), qPrintable(phrase));
}

// The English statement: the same one A4 page, its own title, its fonts embedded.
void TestEnonce::anglaisUnePageA4() {
    QPdfDocument pdf;
    QCOMPARE(pdf.load(cheminAnglais_), QPdfDocument::Error::None);
    QCOMPARE(pdf.pageCount(), 1);
    const QSizeF taille = pdf.pagePointSize(0);
    QVERIFY(qAbs(taille.width() - 595.3) < 1 && qAbs(taille.height() - 841.9) < 1);
    QCOMPARE(pdf.metaData(QPdfDocument::MetaDataField::Title).toString(),
             QStringLiteral("Microscopic model of the propagation of sound"));
    QFile f(cheminAnglais_);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray octets = f.readAll();
    QVERIFY(octets.contains("/FontFile2") && octets.contains("Carlito"));
}

void TestEnonce::anglais_data() {
    QTest::addColumn<QString>("phrase");
    QTest::newRow("title") << "Microscopic model of the propagation of sound";
    QTest::newRow("particles") << "identical particles, tiny and spherical";
    QTest::newRow("vacuum") << "there is nothing: it is a vacuum";
    QTest::newRow("agitation") << "perpetual agitation";
    QTest::newRow("compressed") << "compressed region, where the particles are closer";
    QTest::newRow("rarefied") << "rarefied region, where the particles are further apart";
    QTest::newRow("slice 1") << "form slice 1";
    QTest::newRow("slice to slice") << "slice 1 pushes slice 2";
    QTest::newRow("no transport") << "without any transport of matter";
    QTest::newRow("alternation") << "alternate regularly all along the medium";
    QTest::newRow("period") << "this is the period T of the wave";
    QTest::newRow("figure t + T/2") << "t + T/2";
    QTest::newRow("figure slice") << "slice 1 2 3";
    QTest::newRow("figure compression") << "compression";
    QTest::newRow("figure rarefaction") << "rarefaction";
}

void TestEnonce::anglais() {
    QFETCH(QString, phrase);
    QVERIFY2(texteAnglais_.contains(phrase), qPrintable(phrase));
    // Nothing of the French left: its words, its accents.
    for (const char* francais : {"tranche", "dilatation", "particules", "é"})
        QVERIFY2(!texteAnglais_.contains(QString::fromUtf8(francais)), francais);
}

QTEST_MAIN(TestEnonce)
#include "enonce_test.moc"
