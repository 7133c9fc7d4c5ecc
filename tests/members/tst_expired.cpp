#include "FakePlatform.h"
#include "PdfTools.h"
#include "TempProgramFolder.h"
#include "TestMain.h"
#include "members/TSchedaIscritto.h"
#include "members/TfrmCertScaduti.h"
#include "members/TfrmTessereScadute.h"
#include "members/TfrmTiratori.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

using Box = Platform::Box;

TSchedaIscritto member(const QString& name, const QString& cardExpiry, const QString& certificateExpiry) {
    TSchedaIscritto r;
    r.CognomeNome = name;
    r.TelCasa = QStringLiteral("0543 1");
    r.TelCellulare = QStringLiteral("333 2");
    r.CodiceFiscale = QStringLiteral("CF") + name.toUpper();
    r.AttivitaSportiva = QStringLiteral("Nuoto");
    r.NumeroTessera = QStringLiteral("T-") + name;
    r.Quota = QStringLiteral("10,00");
    r.ScadenzaTessera = cardExpiry;
    r.ScadenzaCertificato = certificateExpiry;
    return r;
}

// Today is 05/03/2024 on the fake clock.
const QList<TSchedaIscritto> kArchive = {
    member(QStringLiteral("Oggi"), QStringLiteral("05/03/2024"), QStringLiteral("05/03/2024")),
    member(QStringLiteral("Ieri"), QStringLiteral("04/03/2024"), QStringLiteral("01/01/2030")),
    member(QStringLiteral("Senza date"), QString(), QString()),
    member(QStringLiteral("Dopo"), QStringLiteral("31/12/2023"), QStringLiteral("31/12/2023")),
    member(QStringLiteral("Certificato"), QStringLiteral("01/01/2030"), QStringLiteral("04/03/2024")),
};

QString cardLine(const QString& name, const QString& expiry) {
    return name.leftJustified(30) + QStringLiteral("  Tel. ") + QStringLiteral("0543 1").leftJustified(16) +
           QStringLiteral("  Cel. ") + QStringLiteral("333 2").leftJustified(16) +
           QStringLiteral("  Tessera n. ") + QString(QStringLiteral("T-") + name).leftJustified(24) +
           QStringLiteral("  Scad. ") + expiry + QStringLiteral("  Quota: € 10,00");
}

QString certificateLine(const QString& name, const QString& expiry) {
    return name.leftJustified(32) + QStringLiteral("  Cel. ") + QStringLiteral("333 2").leftJustified(20) +
           QStringLiteral("  C.F. ") + QString(QStringLiteral("CF") + name.toUpper()).leftJustified(16) +
           QStringLiteral("  Sport: ") + QStringLiteral("Nuoto").leftJustified(32) +
           QStringLiteral("  Scad. certificato: ") + expiry;
}

struct Fixture {
    explicit Fixture(const QList<TSchedaIscritto>& members = kArchive) {
        QByteArray bytes;
        for (const TSchedaIscritto& m : members)
            bytes += MemberCodec::encode(m);
        folder.write(TSchedaIscritto::FileName, bytes);
        card.show();
    }
    static QStringList lines(QDialog& dialog) {
        const QAbstractItemModel* model = dialog.findChild<QListView*>(QStringLiteral("lstRecords"))->model();
        QStringList all;
        for (int row = 0; row < model->rowCount(); ++row)
            all << model->index(row, 0).data().toString();
        return all;
    }

    FakePlatformScope fake;
    TempProgramFolder folder;
    TfrmTiratori card;
};

} // namespace

class ExpiredListTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void expiredCardsFromTheDayAfterExpiry() {
        Fixture f;
        {
            TfrmTessereScadute dialog(&f.card);
            QCOMPARE(dialog.windowTitle(), QStringLiteral(" Riepilogo tessere scadute"));
            dialog.show();
            // Expired yesterday and last year; expiring today is still valid; the member without
            // dates does not stop the list.
            QCOMPARE(Fixture::lines(dialog),
                     QStringList({cardLine(QStringLiteral("Dopo"), QStringLiteral("31/12/2023")),
                                  cardLine(QStringLiteral("Ieri"), QStringLiteral("04/03/2024"))}));
        }
        f.fake->date = QDate(2024, 3, 6);
        TfrmTessereScadute dialog(&f.card);
        dialog.show();
        QVERIFY(
            Fixture::lines(dialog).contains(cardLine(QStringLiteral("Oggi"), QStringLiteral("05/03/2024"))));
        QCOMPARE(Fixture::lines(dialog).size(), 3);
    }

    void expiredCertificatesOnly() {
        Fixture f;
        TfrmCertScaduti dialog(&f.card);
        QCOMPARE(dialog.windowTitle(), QStringLiteral(" Riepilogo certificati medici scaduti"));
        dialog.show();
        QCOMPARE(Fixture::lines(dialog),
                 QStringList({certificateLine(QStringLiteral("Certificato"), QStringLiteral("04/03/2024")),
                              certificateLine(QStringLiteral("Dopo"), QStringLiteral("31/12/2023"))}));
    }

    void doubleClickLoadsTheLaterIdenticalMemberIntoTheCard() {
        TSchedaIscritto first = member(QStringLiteral("Rossi"), QStringLiteral("01/01/2024"), QString());
        first.Note = QStringLiteral("il primo");
        TSchedaIscritto second = first;
        second.Note = QStringLiteral("il secondo");
        Fixture f({member(QStringLiteral("Altro"), QStringLiteral("01/01/2030"), QString()), first, second});

        TfrmTessereScadute dialog(&f.card);
        dialog.show();
        auto* list = dialog.findChild<QListView*>(QStringLiteral("lstRecords"));
        QCOMPARE(list->model()->rowCount(), 2);
        const QModelIndex index = list->model()->index(0, 0);
        const QPoint at = list->visualRect(index).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);

        QVERIFY(!dialog.isVisible());
        QCOMPARE(f.card.findChild<QLineEdit*>(QStringLiteral("txtNote"))->text(),
                 QStringLiteral("il secondo"));
        QCOMPARE(f.card.findChild<QLabel*>(QStringLiteral("lblPosizione"))->text(), QStringLiteral("3"));
    }

    void emptyArchiveListsNothingAndTheFinderSaysSo() {
        Fixture f(QList<TSchedaIscritto>{});
        TfrmCertScaduti dialog(&f.card);
        dialog.show();
        QVERIFY(Fixture::lines(dialog).isEmpty());
        dialog.findChild<QPushButton*>(QStringLiteral("btnTrova"))->click();
        QCOMPARE(f.fake->messages,
                 QList<FakePlatform::Shown>(
                     {{Box::Notice,
                       QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.")}}));
    }

    void printsTheListUnderItsTitle() {
        QFETCH(bool, certificates);
        QFETCH(QString, title);
        Fixture f;
        QTemporaryDir dir;
        f.fake->printTo = dir.filePath(QStringLiteral("lista.pdf"));
        std::unique_ptr<QDialog> dialog;
        if (certificates)
            dialog = std::make_unique<TfrmCertScaduti>(&f.card);
        else
            dialog = std::make_unique<TfrmTessereScadute>(&f.card);
        dialog->show();
        dialog->findChild<QPushButton*>(QStringLiteral("btnStampa"))->click();
        const QString text = PdfTools::text(f.fake->printTo);
        QVERIFY2(text.contains(title), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Dopo")));
        QVERIFY(text.contains(QStringLiteral("Stampa eseguita in data 05/03/2024")));
    }
    void printsTheListUnderItsTitle_data() {
        QTest::addColumn<bool>("certificates");
        QTest::addColumn<QString>("title");
        QTest::newRow("cards") << false << QStringLiteral("Riepilogo tessere scadute");
        QTest::newRow("certificates") << true << QStringLiteral("Riepilogo certificati medici scaduti");
    }

    void cardButtonsOpenTheLists() {
        QFETCH(QString, button);
        QFETCH(QString, dialog);
        Fixture f;
        QString opened;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            opened = modal->objectName();
            modal->findChild<QPushButton*>(QStringLiteral("btnChiudi"))->click();
        });
        QTest::mouseClick(f.card.findChild<QToolButton*>(button), Qt::LeftButton);
        QCOMPARE(opened, dialog);
        QVERIFY(!QApplication::activeModalWidget());
    }
    void cardButtonsOpenTheLists_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("dialog");
        // clang-format off
        QTest::newRow("cards") << "cmdScadute" << "frmTessereScadute";
        QTest::newRow("certificates") << "cmdScadCert" << "frmCertScaduti";
        // clang-format on
    }
};

ZANDORIO_TEST(ExpiredListTest)
#include "tst_expired.moc"
