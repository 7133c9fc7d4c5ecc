#include "FakePlatform.h"
#include "TempProgramFolder.h"
#include "TestMain.h"
#include "members/TSchedaIscritto.h"
#include "members/TfrmExpTiratori.h"
#include "storage/Text.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

TSchedaIscritto member(int n) {
    TSchedaIscritto r;
    r.CognomeNome = QStringLiteral("Iscritto %1").arg(n);
    r.Sesso = QStringLiteral("F");
    r.DataNascita = QStringLiteral("0%1/01/1990").arg(n);
    r.Citta = QStringLiteral("Città %1").arg(n);
    r.Quota = QStringLiteral("%1,00").arg(n * 10);
    r.Note = QStringLiteral("nota %1").arg(n);
    r.File01 = QStringLiteral("allegato.pdf");
    return r;
}

} // namespace

class MemberExportTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void threeMembersGiveThreeNumberedRowsWithoutTheSex() {
        FakePlatformScope fake;
        TempProgramFolder folder;
        folder.write(TSchedaIscritto::FileName, MemberCodec::encode(member(1)) +
                                                    MemberCodec::encode(member(2)) +
                                                    MemberCodec::encode(member(3)));
        TfrmExpTiratori screen;
        QCOMPARE(screen.windowTitle(), QStringLiteral(" Esportazione archivio iscritti in Microsoft Excel"));
        screen.show();

        const QAbstractItemModel* grid = screen.findChild<QTableView*>(QStringLiteral("grdRecords"))->model();
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(grid->columnCount(), 26);
        QCOMPARE(grid->headerData(5, Qt::Horizontal).toString(), QStringLiteral("Indirizzo di residenza"));
        QCOMPARE(grid->headerData(25, Qt::Horizontal).toString(), QStringLiteral("Note"));
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(grid->index(row, 0).data().toString(), QString::number(row + 1));
            QCOMPARE(grid->index(row, 1).data().toString(), member(row + 1).CognomeNome);
            QCOMPARE(grid->index(row, 6).data().toString(), member(row + 1).Citta);
            QCOMPARE(grid->index(row, 25).data().toString(), member(row + 1).Note);
        }

        fake->answers << true << false;
        screen.findChild<QToolButton*>(QStringLiteral("cmdEsporta"))->click();
        const QString file = Text::fromWin1252(folder.read("Archivio_Iscritti.xls"));
        QCOMPARE(file.count(QStringLiteral("<tr>")), 4);
        QCOMPARE(file.count(QStringLiteral(
                     "<td style=\"text-align: left; mso-number-format:'\\@';\" sdnum=\"1040;0;@\">")),
                 3 * 25);
        QVERIFY(file.contains(QStringLiteral("<x:Name>Riepilogo Iscritti</x:Name>")));
        QVERIFY(file.contains(QStringLiteral("width=250>Cognome e nome</td>")));
        QVERIFY(file.contains(QStringLiteral(
            "<td style=\"text-align: left; mso-number-format:'\\@';\" sdnum=\"1040;0;@\">Città 3</td>")));
        QVERIFY(!file.contains(QStringLiteral(">F<")));
        QVERIFY(!file.contains(QStringLiteral("allegato")));
    }

    void guideShowsTheExportPage() {
        FakePlatformScope fake;
        TempProgramFolder folder;
        TfrmExpTiratori screen;
        screen.show();
        QString title, text;
        QTimer::singleShot(0, [&] {
            QWidget* guide = QApplication::activeModalWidget();
            title = guide->findChild<QLabel*>(QStringLiteral("lblTitolo"))->text();
            text = guide->findChild<QPlainTextEdit*>(QStringLiteral("txtGuida"))->toPlainText();
            guide->findChild<QPushButton*>(QStringLiteral("btnChiudi"))->click();
        });
        screen.findChild<QToolButton*>(QStringLiteral("cmdGuida"))->click();
        QCOMPARE(title, QStringLiteral("Esportazione archivio iscritti in Microsoft Excel"));
        const QStringList paragraphs = text.split(QStringLiteral("\n\n"));
        QCOMPARE(paragraphs.size(), 3);
        QVERIFY(paragraphs[0].startsWith(
            QStringLiteral("Il pulsante Esporta archivio consente di esportare tutti")));
        QVERIFY(paragraphs[1].endsWith(QStringLiteral("al messaggio di domanda che appare.")));
        QCOMPARE(paragraphs[2],
                 QStringLiteral("A questo punto è sufficiente salvare il file sul proprio disco fisso "
                                "assegnandogli un nome qualsiasi."));
    }

    void emptyArchiveExportsTheHeaderRowOnly() {
        FakePlatformScope fake;
        TempProgramFolder folder;
        TfrmExpTiratori screen;
        screen.show();
        QCOMPARE(screen.findChild<QTableView*>(QStringLiteral("grdRecords"))->model()->rowCount(), 0);
        fake->answers << true << false;
        screen.findChild<QToolButton*>(QStringLiteral("cmdEsporta"))->click();
        const QString file = Text::fromWin1252(folder.read("Archivio_Iscritti.xls"));
        QCOMPARE(file.count(QStringLiteral("<tr>")), 1);
        QVERIFY(file.endsWith(QStringLiteral("width=400>Note</td></tr></table></body></html>")));
    }
};

ZANDORIO_TEST(MemberExportTest)
#include "tst_member_export.moc"
