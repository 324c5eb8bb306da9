// The English translation as a source and as built: lupdate, run again over
// the program's sources, finds exactly the texts the file holds (none new
// without English, none stale); every text has an English that keeps its
// place markers; the file embedded in the program gives them all; and no
// picture carries words, which a translation could not reach.

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>
#include <map>
#include <set>

namespace {

struct Message {
    QString contexte;
    QString source;
    QString traduction;
    QString type; ///< "unfinished", "vanished", "obsolete", or empty when finished
};

std::vector<Message> lis(const QString& chemin, QString* erreur) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) {
        *erreur = f.errorString();
        return {};
    }
    std::vector<Message> messages;
    QXmlStreamReader xml(&f);
    QString contexte;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            contexte = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            m = Message{contexte, {}, {}, {}};
        else if (xml.name() == QLatin1String("source"))
            m.source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            m.type = xml.attributes().value(QLatin1String("type")).toString();
            m.traduction = xml.readElementText();
            messages.push_back(m);
        }
    }
    if (xml.hasError())
        *erreur = xml.errorString();
    return messages;
}

QString cle(const Message& m) {
    return m.contexte + QStringLiteral(" | ") + m.source;
}

/// The place markers of a text (%1, %2...), in order of number.
std::multiset<QString> marques(const QString& texte) {
    static const QRegularExpression marque(QStringLiteral("%\\d"));
    std::multiset<QString> m;
    for (auto it = marque.globalMatch(texte); it.hasNext();)
        m.insert(it.next().captured());
    return m;
}

/// Words English writes as French does.
const QStringList MotsCommuns = {"Vibration", "Oscilloscope", "oscilloscope",
                                 "Pause",     "compression",  "Ctrl"};

} // namespace

class TstTraductions : public QObject {
    Q_OBJECT
    std::vector<Message> messages_;

private slots:
    void initTestCase() {
        QString erreur;
        messages_ = lis(QStringLiteral(VIBRALUME_TS), &erreur);
        QVERIFY2(erreur.isEmpty(), qPrintable(erreur));
        QVERIFY(messages_.size() > 250);
    }

    // lupdate over today's sources, into a copy: every text the program marks
    // is in the file, and the file holds no text the program lost.
    void aJour() {
        QTemporaryDir d;
        const QString copie = d.filePath(QStringLiteral("vibralume_en.ts"));
        QVERIFY(QFile::copy(QStringLiteral(VIBRALUME_TS), copie));
        QFile::setPermissions(copie, QFile::ReadOwner | QFile::WriteOwner);
        QProcess lupdate;
        lupdate.start(QStringLiteral(VIBRALUME_LUPDATE),
                      {QStringLiteral("@" VIBRALUME_SOURCES_LST), QStringLiteral("-ts"), copie,
                       QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral("-no-obsolete"), QStringLiteral("-silent")});
        QVERIFY2(lupdate.waitForFinished(-1), qPrintable(lupdate.errorString()));
        QCOMPARE(lupdate.exitStatus(), QProcess::NormalExit);
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
        QString erreur;
        const std::vector<Message> frais = lis(copie, &erreur);
        QVERIFY2(erreur.isEmpty(), qPrintable(erreur));
        std::set<QString> avant, apres;
        for (const Message& m : messages_)
            avant.insert(cle(m));
        QStringList nouveaux;
        for (const Message& m : frais) {
            apres.insert(cle(m));
            if (!avant.count(cle(m)))
                nouveaux << cle(m);
        }
        QStringList perdus;
        for (const QString& c : avant)
            if (!apres.count(c))
                perdus << c;
        QVERIFY2(nouveaux.isEmpty(),
                 qPrintable(QStringLiteral("French texts without English (run the "
                                           "update_translations target, then translate):\n") +
                            nouveaux.join(QLatin1Char('\n'))));
        QVERIFY2(perdus.isEmpty(), qPrintable(QStringLiteral("texts the program no longer has:\n") +
                                              perdus.join(QLatin1Char('\n'))));
    }

    // Every text finished, with an English that keeps its place markers and
    // none of French's accents; an English written as the French only where
    // both languages share its words (key names, symbols).
    void finies() {
        static const QRegularExpression accents(QStringLiteral("[éèêëàâçîïôûùœ«»]"),
                                                QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression mot(QStringLiteral("[A-Za-z]{4,}"));
        QStringList fautes;
        for (const Message& m : messages_) {
            const QString ou = cle(m) + QStringLiteral(" -> ") + m.traduction;
            if (!m.type.isEmpty())
                fautes << m.type + QStringLiteral(": ") + ou;
            else if (m.traduction.trimmed().isEmpty())
                fautes << QStringLiteral("empty: ") + ou;
            else if (marques(m.traduction) != marques(m.source))
                fautes << QStringLiteral("place markers differ: ") + ou;
            else if (m.traduction.contains(accents))
                fautes << QStringLiteral("French accents: ") + ou;
            else if (m.traduction == m.source)
                for (auto it = mot.globalMatch(m.source); it.hasNext();)
                    if (const QString w = it.next().captured(); !MotsCommuns.contains(w))
                        fautes << QStringLiteral("left in French (%1): ").arg(w) + ou;
        }
        QVERIFY2(fautes.isEmpty(), qPrintable(fautes.join(QLatin1Char('\n'))));
    }

    // The file the program embeds is this one, compiled whole.
    void compilee() {
        QTranslator t;
        QVERIFY(t.load(QStringLiteral(":/i18n/vibralume_en.qm")));
        QVERIFY2(t.language().startsWith(QLatin1String("en")), qPrintable(t.language()));
        QStringList fautes;
        for (const Message& m : messages_) {
            const QString dit =
                t.translate(m.contexte.toUtf8().constData(), m.source.toUtf8().constData());
            if (dit != m.traduction)
                fautes << cle(m) + QStringLiteral(" gives \"") + dit + QLatin1Char('"');
        }
        QVERIFY2(fautes.isEmpty(), qPrintable(fautes.join(QLatin1Char('\n'))));
    }

    // Words drawn inside a picture would stay French: every picture and
    // cursor is drawn with shapes only.
    void imagesSansMots() {
        int images = 0;
        QStringList fautes;
        for (const QString& dossier : {QStringLiteral(":/images"), QStringLiteral(":/cursors")}) {
            QDirIterator it(dossier, {QStringLiteral("*.svg")});
            while (it.hasNext()) {
                const QString chemin = it.next();
                ++images;
                QFile f(chemin);
                QVERIFY(f.open(QIODevice::ReadOnly));
                QXmlStreamReader xml(&f);
                while (!xml.atEnd()) {
                    xml.readNext();
                    if (xml.isStartElement() && (xml.name() == QLatin1String("text") ||
                                                 xml.name() == QLatin1String("tspan") ||
                                                 xml.name() == QLatin1String("textPath") ||
                                                 xml.name() == QLatin1String("image")))
                        fautes << chemin + QStringLiteral(": <") + xml.name().toString() +
                                      QLatin1Char('>');
                }
                QVERIFY2(!xml.hasError(), qPrintable(chemin + xml.errorString()));
            }
        }
        QCOMPARE(images, 21);
        QVERIFY2(fautes.isEmpty(), qPrintable(fautes.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TstTraductions)
#include "tst_traductions.moc"
