#include "PdfTools.h"
#include "TestMain.h"
#include "entries/EntrySlip.h"
#include "reports/ReportRenderer.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

TSchedaIngresso shown() {
    TSchedaIngresso e;
    e.Giorno = QStringLiteral("05");
    e.Mese = QStringLiteral("Marzo");
    e.Ore = QStringLiteral("09");
    e.Minuti = QStringLiteral("30");
    e.AttivitaSvolta = QStringLiteral(" Pilates ");
    e.IngressiRimanenti = QStringLiteral("9");
    e.CognomeNome = QStringLiteral("Rossi Mario");
    e.NumeroTessera = QStringLiteral("T-12");
    e.Note = QStringLiteral("Nota lunga ") + QString(230, u'x') + QStringLiteral(" FINE");
    e.Incaricato = QStringLiteral("Segreteria");
    return e;
}

const ReportElement* withText(const ReportTemplate& slip, const QString& text) {
    for (const ReportElement& e : slip.elements())
        if (e.text == text)
            return &e;
    return nullptr;
}

} // namespace

class EntrySlipTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bothCopiesCarryTheScreensValues() {
        ReportTemplate slip =
            EntrySlip::make(shown(), QStringLiteral("2024"), QDateTime(QDate(2024, 3, 5), QTime(9, 41, 7)));
        QCOMPARE(slip.name(), QStringLiteral("Scheda Ingresso"));
        QCOMPARE(slip.orientation(), QPageLayout::Portrait);
        QCOMPARE(slip.margins(), QMarginsF(10, 10, 10, 10));
        const QList<std::pair<const char*, QString>> values = {
            {"txtDataRit", "05 Marzo 2024"}, {"txtOraRit", "09:30"},
            {"txtAttivita", "Pilates"},      {"txtIngressi", "9"},
            {"txtAttrezzature", ""},         {"txtTesserato", "Rossi Mario"},
            {"txtNumTessera", "T-12"},       {"txtIncaricato", "Segreteria"}};
        for (const auto& [name, value] : values) {
            QCOMPARE(slip.element(QString::fromLatin1(name) + "_A").text, value);
            QCOMPARE(slip.element(QString::fromLatin1(name) + "_B").text, value);
        }
        QCOMPARE(slip.element("txtCalce").text,
                 QStringLiteral("Stampa eseguita in data 05/03/2024 alle ore 09:41:07"));

        // The lower copy is the upper one 108 mm lower.
        QCOMPARE(slip.element("txtDataRit_A").box, QRectF(44, 7.5, 144, 3.5));
        QCOMPARE(slip.element("txtDataRit_B").box, QRectF(44, 115.5, 144, 3.5));
        QCOMPARE(slip.element("txtIncaricato_B").box, QRectF(44, 170.5, 144, 3.5));
        QCOMPARE(withText(slip, "FIRMA DELL'INCARICATO:")->box, QRectF(1, 71, 58, 3.5));
        QCOMPARE(withText(slip, "FIRMA DELL'ABBONATO:")->box, QRectF(1, 179, 58, 3.5));
        QCOMPARE(withText(slip, "COPIA PER L'ISCRITTO")->box, QRectF(109, 74, 80, 5.8));
        QCOMPARE(withText(slip, "COPIA PER STRUTTURA SPORTIVA")->box, QRectF(109, 182, 80, 5.8));
        QCOMPARE(withText(slip, "Persona incaricata:")->box, QRectF(2, 62.5, 37.8, 3.5));
        int lines = 0;
        for (const ReportElement& e : slip.elements())
            if (e.kind == ReportElement::Kind::Line && e.box.width() == 190)
                QCOMPARE(e.box.top(), lines++ == 0 ? 95.0 : 203.0);
        QCOMPARE(lines, 2);
    }

    void printedSlipShowsTwoCopiesAndCutsALongNote() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("slip.pdf");
        ReportRenderer(
            EntrySlip::make(shown(), QStringLiteral("2024"), QDateTime(QDate(2024, 3, 5), QTime(9, 41))))
            .writePdf(pdf);
        QCOMPARE(PdfTools::pageCount(pdf), 1);
        const QString text = PdfTools::text(pdf);
        QCOMPARE(text.count(QStringLiteral("SCHEDA INGRESSO IN PALESTRA")), 2);
        QCOMPARE(text.count(QStringLiteral("05 Marzo 2024")), 2);
        QCOMPARE(text.count(QStringLiteral("Cognome e nome Iscritto:")), 2);
        QVERIFY(text.indexOf(QStringLiteral("COPIA PER L'ISCRITTO")) <
                text.indexOf(QStringLiteral("COPIA PER STRUTTURA SPORTIVA")));
        QVERIFY(text.contains(QStringLiteral("Stampa eseguita in data 05/03/2024 alle ore 09:41:00")));
        QCOMPARE(text.count(QStringLiteral("Nota lunga xxx")), 2);
        QVERIFY(!text.contains(QStringLiteral("FINE")));
    }
};

ZANDORIO_TEST(EntrySlipTest)
#include "tst_slip.moc"
