#include "TestMain.h"
#include "training/TSchedaAllenamento.h"
#include "training/TrainingDocument.h"

#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

using R = TSchedaAllenamento;

const QDate kCreated(2024, 3, 5);

// The document's 99 pieces for a card whose every value is `v` (already in RTF form).
QList<QByteArray> pieces(const QByteArray& v) {
    return {
        R"({\rtf1\ansi\ansicpg1252\deff0\deflang1040{\fonttbl{\f0\fswiss\fprq2\fcharset0 Verdana;}{\f1\fnil Verdana;}})",
        R"({\colortbl ;\red0\green0\blue0;})",
        R"(\viewkind4\uc1\pard\nowidctlpar\qc\cf1\b\f0\fs24 SCHEDA DI ALLENAMENTO)",
        R"(\par \fs16 (Data creazione documento: \b0 05/03/2024\b ))",
        R"(\par \fs24 ________________________________________________)",
        R"(\par \pard\nowidctlpar\fs20)",
        R"(\par \pard\nowidctlpar\qj Nome allenamento:)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Tipologia:)",
        R"(\par \b0 )" + v + R"(\b)",
        R"(\par)",
        R"(\par Finalit\'e0:)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Livello:)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Data inizio:)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Data fine:)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Gruppi muscolari interessati:)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Istruttore:)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Dieta:)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Iscritto:)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Codice fiscale:)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Cellulare:)",
        R"(\par \b0 )" + v,
        R"(\par \b)",
        R"(\par E-mail:)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Numero tessera:)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Peso in kg (inizio):)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Giro vita (inizio):)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Fianchi (inizio):)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Torace (inizio):)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Addome (inizio):)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Peso in kg (fine):)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Giro vita (fine):)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Fianchi (fine):)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Torace (fine):)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Addome (fine):)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Altri risultati conseguiti:)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Riscaldamento:)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Esercizi:)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Stretching:)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Durata totale:)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Tempo per recupero:)",
        R"(\par \b0 )" + v,
        R"(\par)",
        R"(\par \b Frequenza:)",
        R"(\par \b0 )" + v + R"(\b\f1\fs24)",
        R"(\par })",
    };
}

R everyField(const QString& value) {
    R r;
    for (const auto& f : R::fields())
        r.*f.member = value;
    return r;
}

} // namespace

class TrainingDocumentTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void emptyCardHoldsEveryPiece() {
        const QList<QByteArray> expected = pieces({});
        QCOMPARE(expected.size(), 99);
        QCOMPARE(TrainingDocument::rtf(R{}, kCreated), expected.join());
    }

    void valuesAreWrittenAsRtfText_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("written");
        // clang-format off
        QTest::newRow("blanks at the ends go") << "  Rossi Mario " << QByteArray("Rossi Mario");
        QTest::newRow("accents as single bytes") << "Finalità più" << QByteArray("Finalit\xE0 pi\xF9");
        QTest::newRow("euro sign in the code page") << "10 €" << QByteArray("10 \x80");
        QTest::newRow("braces escaped") << "serie {3x10}" << QByteArray(R"(serie \{3x10\})");
        QTest::newRow("backslash escaped") << R"(A\B)" << QByteArray(R"(A\\B)");
        // A paragraph end, which keeps the justified plain paragraph going: no manual line break.
        QTest::newRow("each line break a new paragraph") << "panca\r\nsquat\r\n\r\ncurl" << QByteArray(R"(panca\par squat\par \par curl)");
        QTest::newRow("a bare LF too") << "a\nb" << QByteArray(R"(a\par b)");
        QTest::newRow("tab") << "a\tb" << QByteArray(R"(a\tab b)");
        QTest::newRow("control characters left out") << QString::fromUtf16(u"a\u0001b\u001B[1mc\u007F\u0085d") << QByteArray("ab[1mcd");
        QTest::newRow("outside the code page") << "Ω 😀" << QByteArray(R"(\u937? \u-10179?\u-8704?)");
        // clang-format on
    }
    void valuesAreWrittenAsRtfText() {
        QFETCH(QString, value);
        QFETCH(QByteArray, written);
        QCOMPARE(TrainingDocument::rtf(everyField(value), kCreated), pieces(written).join());
    }

    void documentHasNoLineBreak() {
        const QByteArray doc = TrainingDocument::rtf(everyField(QStringLiteral("a\r\nb")), kCreated);
        QVERIFY(!doc.contains('\r'));
        QVERIFY(!doc.contains('\n'));
        QVERIFY(!doc.contains(R"(\line)"));
    }

    // A word processor reads every value back: accents, braces and backslashes as typed, the
    // exercises one a line, each a justified paragraph of its own in plain type (a line ended by a
    // manual break inside one paragraph would be stretched to the page's width).
    void wordProcessorReadsItBack() {
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            QSKIP("LibreOffice is not installed");
        R r;
        r.NomeAllenamento = QStringLiteral("Forza {base}");
        r.Finalita = QStringLiteral("Più resistenza");
        r.Istruttore = QStringLiteral(R"(Nicolò \ Bianchi)");
        r.Esercizi = QStringLiteral("Panca 3x10\r\nSquat 4x8\r\nCurl Ω");
        QTemporaryDir dir;
        const QString rtf = dir.filePath(QStringLiteral("scheda.rtf"));
        QFile file(rtf);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(TrainingDocument::rtf(r, kCreated));
        file.close();
        const auto convert = [&](const QString& filter, const QString& extension) {
            QProcess process;
            process.start(soffice, {QStringLiteral("-env:UserInstallation=file://") +
                                        dir.filePath(QStringLiteral("profile")),
                                    QStringLiteral("--headless"), QStringLiteral("--convert-to"), filter,
                                    QStringLiteral("--outdir"), dir.path(), rtf});
            process.waitForFinished(120000);
            QFile converted(dir.filePath(QStringLiteral("scheda.") + extension));
            return converted.open(QIODevice::ReadOnly) ? QString::fromUtf8(converted.readAll()) : QString();
        };

        const QStringList lines = convert(QStringLiteral("txt:Text (encoded):UTF8"), QStringLiteral("txt"))
                                      .remove(QChar(0xFEFF))
                                      .split(QRegularExpression(QStringLiteral("\r?\n")));
        QVERIFY(lines.contains(QStringLiteral("Forza {base}")));
        QVERIFY(lines.contains(QStringLiteral("Più resistenza")));
        QVERIFY(lines.contains(QStringLiteral(R"(Nicolò \ Bianchi)")));
        QVERIFY(lines.contains(QStringLiteral("(Data creazione documento: 05/03/2024)")));
        const qsizetype panca = lines.indexOf(QStringLiteral("Panca 3x10"));
        QVERIFY(panca > 0);
        QCOMPARE(lines.mid(panca, 3), (QStringList{QStringLiteral("Panca 3x10"), QStringLiteral("Squat 4x8"),
                                                   QStringLiteral("Curl Ω")}));

        // The same document as HTML: each paragraph's alignment and text, tags left out.
        const QString html = convert(QStringLiteral("html:HTML (StarWriter)"), QStringLiteral("html"));
        QVERIFY(!html.isEmpty());
        QHash<QString, QString> alignOf;
        const QRegularExpression paragraph(QStringLiteral(R"(<p([^>]*)>(.*?)</p>)"),
                                           QRegularExpression::DotMatchesEverythingOption);
        for (const QRegularExpressionMatch& m : paragraph.globalMatch(html)) {
            const QString text = QString(m.captured(2)).remove(QRegularExpression(QStringLiteral("<[^>]*>")));
            alignOf.insert(text.simplified(), m.captured(1).contains(QStringLiteral("align=\"justify\""))
                                                  ? QStringLiteral("justify")
                                                  : QStringLiteral("other"));
        }
        for (const char* exercise : {"Panca 3x10", "Squat 4x8"})
            QCOMPARE(alignOf.value(QLatin1String(exercise)), QStringLiteral("justify"));
    }
};

ZANDORIO_TEST(TrainingDocumentTest)
#include "tst_document.moc"
