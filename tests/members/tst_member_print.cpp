#include "FakePlatform.h"
#include "PdfTools.h"
#include "TempProgramFolder.h"
#include "TestMain.h"
#include "members/PhotoFrame.h"
#include "members/TSchedaIscritto.h"
#include "members/TfrmAnteprimaTiratori.h"
#include "members/TfrmStampaTiratori.h"
#include "members/TfrmTiratori.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

using Box = Platform::Box;

TSchedaIscritto sample() {
    TSchedaIscritto r;
    r.CognomeNome = QStringLiteral("Rossi Mario");
    r.Sesso = QStringLiteral("M");
    r.DataNascita = QStringLiteral("12/04/1980");
    r.LuogoNascita = QStringLiteral("Forlì");
    r.CodiceFiscale = QStringLiteral("RSSMRA80D12D704X");
    r.ScadenzaCertificato = QStringLiteral("30/06/2025");
    r.AttivitaSportiva = QStringLiteral("Nuoto agonistico");
    r.NumeroTessera = QStringLiteral("A-0042");
    r.Quota = QStringLiteral("120,50");
    r.RilascioTessera = QStringLiteral("01/01/2024");
    r.ScadenzaTessera = QStringLiteral("31/12/2024");
    r.Praticante = QStringLiteral("Rossi Luca");
    return r;
}

// Prints (or previews) through the dialog into a PDF; returns its path.
QString run(QDialog& dialog, FakePlatform& fake, const QTemporaryDir& dir) {
    fake.printTo = dir.filePath(QStringLiteral("scheda.pdf"));
    dialog.show();
    dialog.findChild<QPushButton*>(QStringLiteral("btnStampa"))->click();
    return fake.printTo;
}

} // namespace

class MemberPrintTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sheetShowsTheCardAsItStands() {
        FakePlatformScope fake;
        TempProgramFolder folder;
        TfrmTiratori card;
        card.show();
        card.showRecord(sample(), 3);
        // Typed but never saved: the sheet still shows it.
        card.findChild<QLineEdit*>(QStringLiteral("txtNote"))
            ->setText(QStringLiteral("  Allergico al cloro  "));

        QTemporaryDir dir;
        TfrmStampaTiratori dialog(&card);
        QCOMPARE(dialog.windowTitle(), QStringLiteral(" Stampa scheda"));
        QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("btnStampa"))->text(),
                 QStringLiteral("Stampa"));
        QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("btnAnnulla"))->text(),
                 QStringLiteral("Annulla"));
        const QString pdf = run(dialog, *fake, dir);
        QCOMPARE(fake->printDialogs, 1);
        QVERIFY(fake->messages.isEmpty());

        const QString text = PdfTools::text(pdf).simplified();
        for (const char* expected :
             {"Rossi Mario", "LUOGO DI NASCITA", "Forlì", "12/04/1980", "RSSMRA80D12D704X",
              "Nuoto agonistico", "QUOTA: €", "120,50", "A-0042", "DATA DI SCADENZA CERTIFICATO MEDICO",
              "30/06/2025", "Rossi Luca", "Allergico al cloro", "NOTE"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
        QCOMPARE(PdfTools::pageCount(pdf), 1);
    }

    void previewShowsTheSameSheet() {
        FakePlatformScope fake;
        TempProgramFolder folder;
        TfrmTiratori card;
        card.show();
        card.showRecord(sample(), 1);
        QTemporaryDir dir;
        TfrmAnteprimaTiratori dialog(&card);
        QCOMPARE(dialog.windowTitle(), QStringLiteral(" Anteprima di stampa"));
        QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("btnStampa"))->text(),
                 QStringLiteral("Mostra anteprima"));
        const QString pdf = run(dialog, *fake, dir);
        QCOMPARE(fake->previews, 1);
        QCOMPARE(fake->printDialogs, 0);
        QVERIFY(PdfTools::text(pdf).contains(QStringLiteral("Nuoto agonistico")));
    }

    void theCardsPhotoFillsThePhotoBox() {
        FakePlatformScope fake;
        TempProgramFolder folder;
        TfrmTiratori card;
        card.show();
        card.showRecord(sample(), 1);
        QImage photo(300, 400, QImage::Format_RGB32);
        photo.fill(Qt::red);
        card.findChild<PhotoFrame*>(QStringLiteral("imgFoto"))->setImage(photo);

        QTemporaryDir dir;
        TfrmStampaTiratori dialog(&card);
        const QImage page = PdfTools::firstPage(run(dialog, *fake, dir), 2);
        // The photo box lies 11 mm below the printable area's top, itself 10 mm down the sheet.
        const QColor centre = page.pixelColor(2 * 105, 2 * (10 + 11 + 70));
        QVERIFY2(centre.red() > 200 && centre.green() < 60, qPrintable(centre.name()));
        const QColor besides = page.pixelColor(2 * 20, 2 * (10 + 11 + 70));
        QVERIFY2(besides.red() > 240 && besides.green() > 240, qPrintable(besides.name()));
    }

    void failureShowsTheDialogsWarning() {
        QFETCH(bool, preview);
        QFETCH(QString, warning);
        FakePlatformScope fake;
        TempProgramFolder folder;
        TfrmTiratori card;
        card.show();
        QTemporaryDir dir;
        fake->printTo = dir.path(); // a folder: the printer cannot write there
        std::unique_ptr<QDialog> dialog;
        if (preview)
            dialog = std::make_unique<TfrmAnteprimaTiratori>(&card);
        else
            dialog = std::make_unique<TfrmStampaTiratori>(&card);
        dialog->show();
        dialog->findChild<QPushButton*>(QStringLiteral("btnStampa"))->click();
        QCOMPARE(fake->messages, QList<FakePlatform::Shown>({{Box::Warning, warning}}));
        QVERIFY(!dialog->isVisible());
    }
    void failureShowsTheDialogsWarning_data() {
        QTest::addColumn<bool>("preview");
        QTest::addColumn<QString>("warning");
        // clang-format off
        QTest::newRow("print") << false << QStringLiteral("Attenzione: la stampa non è andata a buon fine.\n\r\n\rSi consiglia di ridurre le dimensioni della foto.");
        QTest::newRow("preview") << true << QStringLiteral("Attenzione: la visualizzazione dell'anteprima di stampa non è andata a buon fine.\n\r\n\rSi consiglia di ridurre le dimensioni della foto.");
        // clang-format on
    }

    void cardButtonsOpenTheirDialogs() {
        QFETCH(QString, button);
        QFETCH(QString, dialog);
        FakePlatformScope fake;
        TempProgramFolder folder;
        TfrmTiratori card;
        card.show();
        QString opened;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            opened = modal->objectName();
            qobject_cast<QDialog*>(modal)->reject();
        });
        QTest::mouseClick(card.findChild<QToolButton*>(button), Qt::LeftButton);
        QCOMPARE(opened, dialog);
        QVERIFY(!QApplication::activeModalWidget());
    }
    void cardButtonsOpenTheirDialogs_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("dialog");
        // clang-format off
        QTest::newRow("print") << "cmdStampa" << "frmStampaTiratori";
        QTest::newRow("preview") << "cmdAnteprima" << "frmAnteprimaTiratori";
        QTest::newRow("export") << "cmdEsporta" << "frmExpTiratori";
        // clang-format on
    }

    void cancellingPrintsNothingAndSaysNothing() {
        FakePlatformScope fake;
        TempProgramFolder folder;
        TfrmTiratori card;
        card.show();
        fake->printAccepted = false;
        TfrmStampaTiratori dialog(&card);
        dialog.show();
        dialog.findChild<QPushButton*>(QStringLiteral("btnStampa"))->click();
        QCOMPARE(fake->printDialogs, 1);
        QVERIFY(fake->messages.isEmpty());
        QVERIFY(!dialog.isVisible());
    }
};

ZANDORIO_TEST(MemberPrintTest)
#include "tst_member_print.moc"
