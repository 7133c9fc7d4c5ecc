#include "PdfTools.h"
#include "ReceiptFixture.h"
#include "TestMain.h"
#include "app/ArchiveMessages.h"
#include "receipts/ReceiptCompanion.h"
#include "receipts/TfrmTrovaRic.h"

#include <QDir>
#include <QListView>
#include <QPushButton>

namespace {

// The receipt search on the archive of 2024, opened by the receipt screen in the mode "ricevuta";
// what it opens is recorded as number@position.
struct SearchFixture : ReceiptFolder {
    SearchFixture()
        : dialog(nullptr, path(), [this](const TSchedaRicevuta& r, int position) {
              opened << r.NumeroRicevuta + u'@' + QString::number(position);
          }) {
        dialog.setModeKey(QStringLiteral("ricevuta"));
        dialog.show();
    }
    QLineEdit* filter(const char* name) const { return dialog.findChild<QLineEdit*>(name); }
    QListView* list() const { return dialog.findChild<QListView*>("lstRecords"); }
    QStringList numbers() const {
        QStringList found;
        for (int row = 0; row < list()->model()->rowCount(); ++row)
            found << list()->model()->index(row, 0).data().toString().mid(8, 12).trimmed();
        return found;
    }
    void search() const { QTest::mouseClick(dialog.findChild<QPushButton*>("btnCerca"), Qt::LeftButton); }

    QStringList opened;
    TfrmTrovaRic dialog;
};

} // namespace

class ReceiptSearchTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void filtersMustAllMatch_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field2");
        QTest::addColumn<QString>("text2");
        QTest::addColumn<QStringList>("numbers");
        // clang-format off
        QTest::newRow("no filter, archive order") << "" << "" << "" << "" << QStringList{"5", "2", "3", "4"};
        QTest::newRow("payer and sport") << "txtPagatore" << "rossi" << "txtSport" << "NUOTO" << QStringList{"5", "3"};
        QTest::newRow("trailing blank is searched for") << "txtPagatore" << "rossi " << "" << "" << QStringList{"5", "2"};
        QTest::newRow("blank filter is no filter") << "txtNumRic" << "   " << "" << "" << QStringList{"5", "2", "3", "4"};
        QTest::newRow("month of the issue date") << "txtData" << "/04/" << "" << "" << QStringList{"4"};
        QTest::newRow("address") << "txtIndirizzo" << "via roma" << "txtDal" << "2024" << QStringList{"5", "2", "3", "4"};
        // clang-format on
    }
    void filtersMustAllMatch() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, field2);
        QFETCH(QString, text2);
        SearchFixture f;
        TSchedaRicevuta april = receipt(QStringLiteral("4"), QStringLiteral("Verdi Luca"));
        april.DataRicevuta = QStringLiteral("02/04/2024");
        f.seed({receipt(QStringLiteral("5")),
                receipt(QStringLiteral("2"), QStringLiteral("Rossi Anna"), QStringLiteral("Tennis")),
                receipt(QStringLiteral("3"), QStringLiteral("Bianchi Rossi"), QStringLiteral("nuoto libero")),
                april});
        if (!field.isEmpty())
            f.filter(field.toLatin1())->setText(text);
        if (!field2.isEmpty())
            f.filter(field2.toLatin1())->setText(text2);
        f.search();
        QTEST(f.numbers(), "numbers");
        const int count = f.list()->model()->rowCount();
        QCOMPARE(f.dialog.findChild<QLabel*>("lblTrovate")->text(),
                 QStringLiteral("Il presente elenco contiene %1 schede.").arg(count));
    }

    void doubleClickOpensTheLastReceiptWithThatLine() {
        SearchFixture f;
        f.seed({receipt(QStringLiteral("1")), receipt(QStringLiteral("2")), receipt(QStringLiteral("1"))});
        f.search();
        f.list()->setCurrentIndex(f.list()->model()->index(0, 0));
        QTest::keyClick(f.list(), Qt::Key_Return);
        QCOMPARE(f.opened, QStringList{"1@3"});
        QVERIFY(!f.dialog.isVisible());
    }

    void cancelledReceiptIsMarkedAndStillOpens() {
        SearchFixture f;
        f.seed({receipt(QStringLiteral("1")), receipt(QStringLiteral("2")), receipt(QStringLiteral("3"))});
        ReceiptCompanion::cancel(f.path(), 2, QStringLiteral("Errore"), QDate(2024, 3, 6));
        f.search();
        const auto line = [&](int row) { return f.list()->model()->index(row, 0).data().toString(); };
        QVERIFY(line(1).endsWith(QStringLiteral("  ANNULLATA")));
        QVERIFY(!line(0).contains(QStringLiteral("ANNULLATA")));
        QVERIFY(!line(2).contains(QStringLiteral("ANNULLATA")));
        f.list()->setCurrentIndex(f.list()->model()->index(1, 0));
        QTest::keyClick(f.list(), Qt::Key_Return);
        QCOMPARE(f.opened, QStringList{"2@2"});
    }

    void eachSearchListsOnlyItsOwnLines() {
        // A search is built in the memory of the list before it: nothing of that list is left.
        SearchFixture f;
        f.seed({receipt(QStringLiteral("1")), receipt(QStringLiteral("2"), QStringLiteral("Bianchi Anna")),
                receipt(QStringLiteral("3"))});
        f.search();
        QCOMPARE(f.numbers(), (QStringList{"1", "2", "3"}));
        f.filter("txtPagatore")->setText(QStringLiteral("bianchi"));
        f.search();
        QCOMPARE(f.numbers(), QStringList{"2"});
        f.filter("txtPagatore")->clear();
        f.search();
        QCOMPARE(f.numbers(), (QStringList{"1", "2", "3"}));
        f.filter("txtPagatore")->setText(QStringLiteral("nessuno"));
        f.search();
        QCOMPARE(f.numbers(), QStringList{});
    }

    void anotherModeOpensNothing() {
        SearchFixture f;
        f.dialog.setModeKey(QStringLiteral("incassi"));
        f.seed({receipt(QStringLiteral("1"))});
        f.search();
        f.list()->setCurrentIndex(f.list()->model()->index(0, 0));
        QTest::keyClick(f.list(), Qt::Key_Return);
        QVERIFY(f.opened.isEmpty());
        QVERIFY(!f.dialog.isVisible());
    }

    void unreadableArchiveKeepsTheFilters() {
        SearchFixture f;
        QVERIFY(QDir(f.folder.path()).mkdir(QStringLiteral("2024.ric")));
        f.search();
        QCOMPARE(f.fake->takeMessages(),
                 (QList<FakePlatform::Shown>{{Platform::Box::Notice, ArchiveMessages::kFailure}}));
        QVERIFY(f.dialog.findChild<QWidget*>("panAvvio")->isVisible());
    }

    void printedListIsTheReceiptsSummary() {
        SearchFixture f;
        f.seed({receipt(QStringLiteral("1")), receipt(QStringLiteral("2"), QStringLiteral("Bianchi Anna"))});
        f.search();
        f.fake->printTo = f.folder.path(QStringLiteral("lista.pdf"));
        QTest::mouseClick(f.dialog.findChild<QPushButton*>("btnStampa"), Qt::LeftButton);
        const QString text = PdfTools::text(f.fake->printTo);
        QVERIFY(text.contains(QStringLiteral("Riepilogo ricevute emesse")));
        QVERIFY(text.contains(QStringLiteral("Bianchi Anna")));
        QVERIFY(text.contains(QStringLiteral("Stampa eseguita in data 05/03/2024")));
    }
};

ZANDORIO_TEST(ReceiptSearchTest)
#include "tst_receipt_search.moc"
