#include "ReceiptFixture.h"
#include "TestMain.h"
#include "receipts/ReceiptCompanion.h"
#include "receipts/TfrmExpRic.h"

#include <QTableView>

class ReceiptExportTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void threeReceiptsGiveAHeaderAndThreeRowsOfThirteenCells() {
        ReceiptFolder f;
        TSchedaRicevuta third = receipt(QStringLiteral("3"), QStringLiteral("Verdi & Figli"));
        third.IndirizzoPraticante = QString::fromUtf8("Via Forlì 2");
        f.seed({receipt(QStringLiteral("1")), receipt(QStringLiteral("2"), QStringLiteral("Bianchi Anna")),
                third});
        ReceiptCompanion::cancel(f.path(), 2, QStringLiteral("Errore"), QDate(2024, 3, 6));
        TfrmExpRic screen(nullptr, f.path());
        QCOMPARE(screen.windowTitle(), QStringLiteral(" Esporta archivio ricevute in Microsoft Excel"));
        screen.show();

        const QAbstractItemModel* grid = screen.findChild<QTableView*>("grdRecords")->model();
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(grid->columnCount(), 14);
        QCOMPARE(grid->headerData(11, Qt::Horizontal).toString(), QStringLiteral("Indirizzo"));
        QCOMPARE(grid->index(2, 0).data().toString(), QStringLiteral("3"));
        QCOMPARE(grid->index(1, 3).data().toString(), QStringLiteral("Bianchi Anna"));
        QCOMPARE(grid->index(2, 12).data().toString(), QStringLiteral("120,50"));
        // Cancelled receipts are marked in a column of their own.
        QCOMPARE(grid->index(1, 13).data().toString(), QStringLiteral("Sì"));
        QCOMPARE(grid->index(0, 13).data().toString(), QString());

        f.fake->answers << true << false;
        screen.findChild<QToolButton*>("cmdEsporta")->click();
        const QByteArray file = f.folder.read(QStringLiteral("Ricevute.xls"));
        QVERIFY(file.contains("<x:Name>Riepilogo Ricevute</x:Name>"));
        QVERIFY(file.contains("width=400>Indirizzo di residenza</td>"));
        QVERIFY(file.contains("width=200>Totale: \x80</td>"));
        QCOMPARE(file.count("<tr>"), 4);
        QCOMPARE(file.count("<td style=\"text-align: left; mso-number-format:'\\@';\""), 3 * 13);
        QVERIFY(file.contains("width=150>Annullata</td></tr>"));
        QVERIFY(file.contains(">S\xec</td>"));
        QVERIFY(file.contains(">Verdi &amp; Figli</td>"));
        QVERIFY(file.contains(">Via Forl\xec 2</td>"));
        QVERIFY(!file.contains("CENTOVENTI"));
        QVERIFY(!file.contains("Delfini"));
        QCOMPARE(f.fake->opened, QStringList());
    }
};

ZANDORIO_TEST(ReceiptExportTest)
#include "tst_receipt_export.moc"
