#include "PdfTools.h"
#include "ReceiptFixture.h"
#include "TestMain.h"
#include "app/MailAddress.h"
#include "app/PdfMail.h"
#include "members/TSchedaIscritto.h"
#include "receipts/IncomeSummary.h"
#include "receipts/ReceiptCompanion.h"
#include "receipts/StatementDocument.h"
#include "receipts/TSchedaRicevutaExtra.h"
#include "receipts/TfrmAttestazione.h"
#include "receipts/TfrmMenuRicevute.h"
#include "receipts/TfrmRicevuta.h"
#include "receipts/YearlyStatement.h"
#include "reports/ReportRenderer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

using Box = Platform::Box;
using X = TSchedaRicevutaExtra;

const QString kTransfer = QStringLiteral("Bonifico bancario o postale");
const QString kCash = QStringLiteral("Contanti");

X paid(const QString& method, const QString& cancelled = QStringLiteral("No")) {
    X x;
    x.MetodoPagamento = method;
    x.Annullata = cancelled;
    x.Stampe = QStringLiteral("0");
    return x;
}

TSchedaRicevuta of(const QString& number, const QString& code, const QString& practitioner,
                   const QString& amount = QStringLiteral("120,50")) {
    TSchedaRicevuta r = receipt(number);
    r.CodiceFiscalePagatore = code;
    r.Praticante = practitioner;
    r.ImportoTotale = amount;
    return r;
}

// A statement in one line: payer, practitioner, receipts by number, total and traced total.
QString summary(const YearlyStatement::Gathered& g, const YearlyStatement::Statement& s) {
    QStringList numbers;
    for (const YearlyStatement::Receipt& r : g.receiptsOf(s))
        numbers << g.text(r, YearlyStatement::Column::Number);
    return QStringLiteral("%1/%2: %3 = %4, tracciabili %5")
        .arg(g.text(s, YearlyStatement::Detail::PayerCode), g.text(s, YearlyStatement::Detail::Practitioner),
             numbers.join(u' '), IncomeSummary::totalText(s.total), IncomeSummary::totalText(s.traceable));
}

struct StatementFolder : ReceiptFolder {
    void companion(const QList<X>& records, const QByteArray& tail = {}) const {
        QByteArray bytes;
        for (const X& x : records)
            bytes += RicevutaExtraCodec::encode(x);
        folder.write(QStringLiteral("2024_Extra.ric"), bytes + tail);
    }
    YearlyStatement::Gathered gather() const {
        return YearlyStatement::gather(path(), QStringLiteral("2024"));
    }
};

const QString kLuca = QStringLiteral("Rossi Luca");
const QString kAnna = QStringLiteral("Rossi Anna");
const QString kRossi = QStringLiteral("RSSMRA80A01H501U");
const QString kBianchi = QStringLiteral("BNCNNA85B41F205X");

} // namespace

class YearlyStatementTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void gathering_data() {
        QTest::addColumn<QList<TSchedaRicevuta>>("receipts");
        QTest::addColumn<QList<X>>("extras");
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<QStringList>("statements");
        // Each warning expected, by words it holds.
        QTest::addColumn<QStringList>("warnings");
        TSchedaRicevuta lastYear = of("3", kRossi, kLuca);
        lastYear.DataRicevuta = QStringLiteral("30/12/2023");
        TSchedaRicevuta selfPaid = of("2", kBianchi, QString());
        selfPaid.Pagatore = QStringLiteral("Bianchi Anna");
        // clang-format off
        QTest::newRow("cash and traceable")
            << QList{of("1", kRossi, kLuca), of("2", kRossi, kLuca, "79,50")} << QList{paid(kTransfer), paid(kCash)}
            << QByteArray() << QStringList{"RSSMRA80A01H501U/Rossi Luca: 1 2 = 200,00, tracciabili 120,50"}
            << QStringList{};
        QTest::newRow("cancelled left out, fiscal code in any case")
            << QList{of("1", kRossi, kLuca), of("2", kRossi, kLuca), of("3", "rssmra80a01h501u", "ROSSI LUCA", "10,00")}
            << QList{paid(kTransfer), paid(kTransfer, "Sì"), paid(kCash)}
            << QByteArray() << QStringList{"RSSMRA80A01H501U/Rossi Luca: 1 3 = 130,50, tracciabili 120,50"}
            << QStringList{};
        QTest::newRow("several practitioners per payer, payers by code")
            << QList{of("1", kRossi, kLuca), of("2", kBianchi, "Bianchi Sara"), of("3", kRossi, kAnna),
                     of("4", kRossi, kLuca, "10,00")}
            << QList{paid(kTransfer), paid(kCash), paid(QStringLiteral("Carta di debito, credito o prepagata")),
                     paid(kCash)}
            << QByteArray()
            << QStringList{"BNCNNA85B41F205X/Bianchi Sara: 2 = 120,50, tracciabili 0,00",
                           "RSSMRA80A01H501U/Rossi Anna: 3 = 120,50, tracciabili 120,50",
                           "RSSMRA80A01H501U/Rossi Luca: 1 4 = 130,50, tracciabili 120,50"}
            << QStringList{};
        QTest::newRow("no practitioner: the payer practises")
            << QList{selfPaid} << QList{paid(kTransfer)} << QByteArray()
            << QStringList{"BNCNNA85B41F205X/Bianchi Anna: 2 = 120,50, tracciabili 120,50"} << QStringList{};
        QTest::newRow("companion shorter: no way of payment is not traceable")
            << QList{of("1", kRossi, kLuca), of("2", kRossi, kLuca)} << QList{paid(kTransfer)} << QByteArray()
            << QStringList{"RSSMRA80A01H501U/Rossi Luca: 1 2 = 241,00, tracciabili 120,50"}
            << QStringList{"ricevuta n. 2 (posizione 2 dell'archivio) non indica il metodo di pagamento"};
        QTest::newRow("companion longer")
            << QList{of("1", kRossi, kLuca)} << QList{paid(kTransfer), paid(kCash), paid(kCash)} << QByteArray()
            << QStringList{"RSSMRA80A01H501U/Rossi Luca: 1 = 120,50, tracciabili 120,50"}
            << QStringList{"contiene 2 schede oltre l'ultima ricevuta (dalla posizione 2)"};
        QTest::newRow("garbage in the companion withholds the statement")
            << QList{of("1", kRossi, kLuca), of("2", kRossi, kLuca), of("3", kBianchi, kAnna)}
            << QList{paid(kTransfer)} << QByteArray(X::Size, '\xff') + RicevutaExtraCodec::encode(paid(kCash))
            << QStringList{"BNCNNA85B41F205X/Rossi Anna: 3 = 120,50, tracciabili 0,00"}
            << QStringList{"ricevuta n. 2 (posizione 2 dell'archivio) non sono leggibili: il metodo di pagamento, "
                           "l'annullamento o il numero di stampe non validi sono stati ignorati. L'attestazione di "
                           "Rossi Mario per Rossi Luca non è stata prodotta."};
        QTest::newRow("an amount that does not read withholds the statement")
            << QList{of("1", kRossi, kLuca), of("2", kRossi, kLuca, "12x,50"), of("3", kRossi, kAnna)}
            << QList{paid(kTransfer), paid(kTransfer), paid(kTransfer)} << QByteArray()
            << QStringList{"RSSMRA80A01H501U/Rossi Anna: 3 = 120,50, tracciabili 120,50"}
            << QStringList{"l'importo della ricevuta n. 2 (posizione 2 dell'archivio) non è leggibile"};
        QTest::newRow("a date of another year withholds the statement")
            << QList{of("1", kRossi, kLuca), of("2", kRossi, kAnna), lastYear}
            << QList{paid(kTransfer), paid(kTransfer), paid(kTransfer)} << QByteArray()
            << QStringList{"RSSMRA80A01H501U/Rossi Anna: 2 = 120,50, tracciabili 120,50"}
            << QStringList{"la data della ricevuta n. 3 (posizione 3 dell'archivio) non è una data dell'anno 2024"};
        // A year is read in two halves at once: the rules still run in archive order across them.
        QTest::newRow("withheld in the first half, new payer in the second")
            << QList{of("1", kRossi, kLuca, "12x,50"), of("2", kBianchi, kAnna), of("3", kRossi, kLuca),
                     of("4", "VRDGPP70C03L219K", "Verdi Ugo")}
            << QList{paid(kTransfer), paid(kCash)} << QByteArray()
            << QStringList{"BNCNNA85B41F205X/Rossi Anna: 2 = 120,50, tracciabili 0,00",
                           "VRDGPP70C03L219K/Verdi Ugo: 4 = 120,50, tracciabili 0,00"}
            << QStringList{"l'importo della ricevuta n. 1 (posizione 1 dell'archivio) non è leggibile. "
                           "L'attestazione di Rossi Mario per Rossi Luca non è stata prodotta.",
                           "ricevuta n. 4 (posizione 4 dell'archivio) non indica il metodo di pagamento"};
        QTest::newRow("no fiscal code")
            << QList{of("1", QString(), kLuca)} << QList{paid(kTransfer)} << QByteArray() << QStringList{}
            << QStringList{"ricevuta n. 1 (posizione 1 dell'archivio) non indica il codice fiscale del pagatore"};
        // clang-format on
    }
    void gathering() {
        QFETCH(QList<TSchedaRicevuta>, receipts);
        QFETCH(QList<X>, extras);
        QFETCH(QByteArray, tail);
        QFETCH(QStringList, warnings);
        StatementFolder f;
        f.seed(receipts);
        f.companion(extras, tail);
        const YearlyStatement::Gathered g = f.gather();
        QStringList statements;
        for (const YearlyStatement::Statement& s : g.statements)
            statements << summary(g, s);
        QTEST(statements, "statements");
        QCOMPARE(g.warnings.size(), warnings.size());
        for (qsizetype i = 0; i < warnings.size(); ++i)
            QVERIFY2(g.warnings[i].contains(warnings[i]), qPrintable(g.warnings[i]));
    }

    // The year is read in sixteen parts, each thread taking the next: while this thread reads the
    // first, the other takes the second, where a statement has its first receipt; this thread then
    // meets the statement again further on. Its texts still come from its first receipt of the year,
    // and its receipts are listed in archive order.
    void aStatementReadByBothThreadsIsOpenedAtItsFirstReceipt() {
        constexpr int kPart = 1000;
        QList<TSchedaRicevuta> receipts;
        QList<X> extras;
        for (int i = 1; i <= 16 * kPart; ++i) {
            TSchedaRicevuta r = i <= kPart ? of(QString::number(i), kBianchi, kAnna, "1,00")
                                           : of(QString::number(i), kRossi, kLuca, "1,00");
            r.Pagatore = QStringLiteral("Pagatore %1").arg(i);
            receipts << r;
            extras << paid(kCash);
        }
        StatementFolder f;
        f.seed(receipts);
        f.companion(extras);
        const YearlyStatement::Gathered g = f.gather();
        QCOMPARE(g.statements.size(), 2);
        QCOMPARE(g.text(g.statements[0], YearlyStatement::Detail::Payer), QStringLiteral("Pagatore 1"));
        const YearlyStatement::Statement& luca = g.statements[1];
        QCOMPARE(g.text(luca, YearlyStatement::Detail::Payer), QStringLiteral("Pagatore %1").arg(kPart + 1));
        QCOMPARE(luca.count, 15 * kPart);
        int expected = kPart + 1;
        for (const YearlyStatement::Receipt& r : g.receiptsOf(luca))
            QCOMPARE(g.text(r, YearlyStatement::Column::Number), QString::number(expected++));
        QCOMPARE(IncomeSummary::totalText(luca.total), QStringLiteral("15000,00"));
    }
    void aMissingArchiveGivesNothingAndIsNotCreated() {
        StatementFolder f;
        const YearlyStatement::Gathered g = f.gather();
        QVERIFY(g.statements.empty());
        QVERIFY(g.warnings.isEmpty());
        QVERIFY(!QFile::exists(f.path()));
    }

    void oneStatementAPageWithItsTexts() {
        StatementFolder f;
        TSchedaRicevuta luca = of("1", kRossi, kLuca);
        luca.Ricevente1 = QStringLiteral("A.S.D. Delfini Forlì");
        luca.Ricevente2 = QStringLiteral("Via del Mare 3");
        f.seed({luca, of("2", kRossi, kLuca, "79,50"), of("3", kRossi, kAnna), of("4", kBianchi, kAnna)});
        f.companion({paid(kTransfer), paid(kCash), paid(kTransfer), paid(kCash)});
        const YearlyStatement::Gathered g = f.gather();
        QCOMPARE(g.payers().size(), 2);
        QCOMPARE(g.payers()[1].code, kRossi);
        QCOMPARE(g.payers()[1].name, QStringLiteral("Rossi Mario"));

        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("a.pdf"));
        ReportRenderer(StatementDocument::make(g, g.of(kRossi), QDate(2025, 1, 20))).writePdf(pdf);
        QCOMPARE(PdfTools::pageCount(pdf), 2);
        const QStringList pages = PdfTools::text(pdf).split(u'\f');
        const QString anna = pages[0].simplified();
        const QString lucaPage = pages[1].simplified();
        QVERIFY2(lucaPage.contains(QStringLiteral("Attestazione delle spese sostenute per attività sportive "
                                                  "dilettantistiche - anno 2024")),
                 qPrintable(lucaPage));
        for (const QString& expected :
             {QStringLiteral("A.S.D. Delfini Forlì"), QStringLiteral("Via del Mare 3"),
              QStringLiteral("Rossi Mario"), kRossi, kLuca, QStringLiteral("Roma"),
              QStringLiteral("02/02/2015"), QStringLiteral("Nuoto"),
              QStringLiteral("01/03/2024 - 31/03/2024"), kTransfer, kCash, QStringLiteral("€ 79,50"),
              QStringLiteral("€ 200,00"), QStringLiteral("€ 120,50"), QStringLiteral("210 euro"),
              QStringLiteral("Data: 20/01/2025")})
            QVERIFY2(lucaPage.contains(expected), qPrintable(expected));
        QVERIFY(anna.contains(kAnna));
        QVERIFY(!anna.contains(kLuca));
        QVERIFY(!PdfTools::text(pdf).contains(kBianchi));

        // Every payer, each on pages of his own: a long year of receipts goes on over the next pages.
        QList<TSchedaRicevuta> many;
        for (int i = 1; i <= 90; ++i)
            many << of(QString::number(i), kBianchi, kAnna, QStringLiteral("1,00"));
        f.seed(many + QList{of("91", kRossi, kLuca)});
        f.companion({});
        const YearlyStatement::Gathered all = f.gather();
        ReportRenderer(StatementDocument::make(all, all.of({}), QDate(2025, 1, 20))).writePdf(pdf);
        QStringList allPages = PdfTools::text(pdf).split(u'\f', Qt::SkipEmptyParts);
        QVERIFY(allPages.size() > 2);
        const QString last = allPages.takeLast();
        QVERIFY(last.contains(kLuca));
        QVERIFY(!last.contains(kAnna));
        const QString before = allPages.join(QString());
        QVERIFY(before.contains(QStringLiteral("€ 90,00")));
        QVERIFY(!before.contains(kLuca));
    }

    void theDialogGivesOnePayerOrAllAndSendsOne() {
        StatementFolder f;
        f.seed({of("1", kRossi, kLuca), of("2", kRossi, kAnna), of("3", kBianchi, kAnna, "12x")});
        f.companion({paid(kTransfer), paid(kCash), paid(kTransfer)});
        TSchedaIscritto member;
        member.CognomeNome = QStringLiteral("Rossi Mario");
        member.CodiceFiscale = QStringLiteral("rssmra80a01h501u");
        member.Email = QStringLiteral("mario.rossi@example.it");
        f.folder.write(QString::fromLatin1(TSchedaIscritto::FileName),
                       RecordCodec<TSchedaIscritto>::encode(member));

        bool inspected = false;
        inspectNextModal([&](QWidget* w) {
            inspected = true;
            auto* list = w->findChild<QListView*>(QStringLiteral("lstPagatori"));
            QCOMPARE(list->model()->rowCount(), 1);
            QCOMPARE(list->model()->index(0, 0).data().toString(), kRossi + QStringLiteral("  Rossi Mario"));
            QVERIFY(w->findChild<QPlainTextEdit*>(QStringLiteral("txtAvvisi"))
                        ->toPlainText()
                        .contains(QStringLiteral("ricevuta n. 3")));
            const QString saved = f.folder.path(QStringLiteral("attestazione.pdf"));
            f.fake->fileNames.enqueue(saved);
            QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("btnSalvaPdf")), Qt::LeftButton);
            QCOMPARE(PdfTools::pageCount(saved), 2);
            QCOMPARE(f.fake->lastText(),
                     QStringLiteral("L'attestazione è stata salvata nel file %1.").arg(saved));

            // The address proposed is the member's; the user's correction is checked.
            f.fake->inputs.enqueue(QStringLiteral("mario rossi@example.it"));
            QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("btnEmail")), Qt::LeftButton);
            QCOMPARE(f.fake->lastText(), kRefusedMailAddress);
            QVERIFY(f.fake->mails.isEmpty());
            f.fake->inputs.enqueue(QStringLiteral(" mario.rossi@example.it "));
            QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("btnEmail")), Qt::LeftButton);
            QCOMPARE(f.fake->mails.size(), 1);
            const FakePlatform::MailHanded& mail = f.fake->mails.first();
            QCOMPARE(mail.address, QStringLiteral("mario.rossi@example.it"));
            QCOMPARE(mail.subject, StatementDocument::title(QStringLiteral("2024")));
            QVERIFY(mail.attachmentExisted);
            QVERIFY(mail.attachment.endsWith(QStringLiteral("/Attestazione_2024_RSSMRA80A01H501U.pdf")));
            QCOMPARE(PdfTools::pageCount(mail.attachment), 2);

            // Every payer at once is saved, never mailed.
            w->findChild<QCheckBox*>(QStringLiteral("chkTutti"))->setChecked(true);
            QVERIFY(!list->isEnabled());
            QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("btnEmail")), Qt::LeftButton);
            QCOMPARE(f.fake->mails.size(), 1);
            f.fake->mailResult = Platform::Mail::NoMailProgram;
            w->findChild<QCheckBox*>(QStringLiteral("chkTutti"))->setChecked(false);
            f.fake->inputs.enqueue(QStringLiteral("mario.rossi@example.it"));
            QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("btnEmail")), Qt::LeftButton);
            QCOMPARE(f.fake->lastText(), PdfMail::kNoMailProgram);
        });
        TfrmAttestazione::openYear(nullptr, QStringLiteral("2024"), f.path());
        QVERIFY(inspected);
        QVERIFY(f.fake->messages.first().text.contains(QStringLiteral("l'importo della ricevuta n. 3")));
    }

    // As a new user would: a receipt paid by transfer, one in cash for 1.200,00 (asked about), the
    // second cancelled, then the statement of the payer from the receipts menu, read back.
    void doneAsANewUserWould() {
        ReceiptFolder f;
        ScreenDriver<TfrmRicevuta> s;
        s.screen.openYear(QStringLiteral("2024"), f.path());
        s.show();
        const auto issue = [&](const QString& number, const QString& euros, const QString& method) {
            s.click("cmdNuovo");
            const TSchedaRicevuta r = receipt(number);
            for (auto [name, value] : {std::pair{"txtNumRic", r.NumeroRicevuta},
                                       {"txtPagatore", r.Pagatore},
                                       {"txtCodFisc", r.CodiceFiscalePagatore},
                                       {"txtSport", r.AttivitaSportiva},
                                       {"txtDal", r.PeriodoDal},
                                       {"txtAl", r.PeriodoAl},
                                       {"txtPraticante", r.Praticante},
                                       {"txtDataNasc", r.DataNascitaPraticante},
                                       {"txtImporto", euros},
                                       {"txtCents", QStringLiteral("00")}})
                s.field(name)->setText(value);
            s.screen.findChild<QComboBox*>(QStringLiteral("cboPagamento"))->setCurrentText(method);
            s.click("cmdSalva");
        };
        issue(QStringLiteral("1"), QStringLiteral("150"), kTransfer);
        issue(QStringLiteral("2"), QStringLiteral("1200"), kCash);
        QCOMPARE(f.fake->questions.size(), 1);
        QCOMPARE(f.count(), 2);
        const QByteArray before = f.folder.read(QStringLiteral("2024.ric"));
        f.fake->inputs.enqueue(QStringLiteral("Errore di importo"));
        s.click("cmdAnnullaRic");
        QVERIFY(ReceiptCompanion::load(f.path(), 2).cancelled());
        QCOMPARE(f.folder.read(QStringLiteral("2024.ric")), before);

        TfrmMenuRicevute menu;
        menu.show();
        const QString saved = f.folder.path(QStringLiteral("statement.pdf"));
        inspectNextModal([&](QWidget* w) {
            f.fake->fileNames.enqueue(saved);
            QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("btnSalvaPdf")), Qt::LeftButton);
        });
        QTest::mouseClick(menu.findChild<QPushButton*>(QStringLiteral("btnApriAttestazione")),
                          Qt::LeftButton);
        const QString text = PdfTools::text(saved).simplified();
        QVERIFY2(text.contains(QStringLiteral("Attestazione delle spese sostenute per attività sportive "
                                              "dilettantistiche - anno 2024")),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("€ 150,00")));
        QVERIFY(text.contains(kTransfer));
        QVERIFY(!text.contains(QStringLiteral("1200")));
        QVERIFY(!text.contains(kCash));
        QCOMPARE(f.folder.read(QStringLiteral("2024.ric")), before);
    }

    void theReceiptScreenSendsASavedReceipt() {
        ReceiptFolder f;
        f.seed({receipt(QStringLiteral("5"))});
        ScreenDriver<TfrmRicevuta> s;
        s.screen.openYear(QStringLiteral("2024"), f.path());
        s.show();
        s.click("cmdNuovo");
        s.click("cmdEmail");
        QCOMPARE(f.fake->lastText(),
                 QStringLiteral("Attenzione: per inviare la ricevuta per e-mail è necessario "
                                "prima salvarla in archivio."));
        s.click("cmdUltimo");
        f.fake->inputs.enqueue(QStringLiteral("-oProxy@example.it"));
        s.click("cmdEmail");
        QCOMPARE(f.fake->lastText(), kRefusedMailAddress);
        QCOMPARE(ReceiptCompanion::load(f.path(), 1).prints(), 0);
        f.fake->inputs.enqueue(QStringLiteral("anna@example.it"));
        s.click("cmdEmail");
        QCOMPARE(f.fake->mails.size(), 1);
        QCOMPARE(f.fake->mails[0].subject, QStringLiteral("Ricevuta n. 5"));
        QVERIFY(f.fake->mails[0].attachment.endsWith(QStringLiteral("/Ricevuta_5.pdf")));
        QVERIFY(PdfTools::text(f.fake->mails[0].attachment).contains(QStringLiteral("Ricevuta n. 5")));
        QCOMPARE(ReceiptCompanion::load(f.path(), 1).prints(), 1);
    }
};

ZANDORIO_TEST(YearlyStatementTest)
#include "tst_yearly_statement.moc"
