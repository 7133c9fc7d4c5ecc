#include "FakePlatform.h"
#include "PdfTools.h"
#include "TempProgramFolder.h"
#include "TestMain.h"
#include "app/GeneralGuide.h"
#include "app/Maker.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmGuida.h"
#include "app/TfrmInfo.h"
#include "app/TfrmSplash.h"
#include "storage/Text.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

QRgb linkColour(const QWidget& window) {
    return window.findChild<QPushButton*>("lnkWeb")->palette().color(QPalette::ButtonText).rgba();
}

} // namespace

class GuideTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void paragraphOpenings_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("opening");
        // clang-format off
        QTest::newRow("1") << 1 << QStringLiteral("Zandorio è un software rivolto alle palestre o altre associazioni sportive dilettantistiche");
        QTest::newRow("2") << 2 << QStringLiteral("L'app Archivio Iscritti è uno schedario");
        QTest::newRow("3") << 3 << QStringLiteral("Ciascuna scheda può essere corredata della foto dell'abbonato");
        QTest::newRow("4") << 4 << QStringLiteral("L'archivio degli iscritti può quindi essere usato come un registro storico");
        QTest::newRow("5") << 5 << QStringLiteral("Per inserire una scheda in archivio");
        QTest::newRow("6") << 6 << QStringLiteral("Il pulsante Duplica è utile");
        QTest::newRow("7") << 7 << QStringLiteral("Per inserire la foto del tesserato");
        QTest::newRow("8") << 8 << QStringLiteral("E' possibile visualizzare la foto a tutto schermo");
        QTest::newRow("9") << 9 << QStringLiteral("Il pulsante Calcola I.M.C.");
        QTest::newRow("10") << 10 << QStringLiteral("Per trovare le schede degli abbonati in archivio");
        QTest::newRow("11") << 11 << QStringLiteral("Il pulsante contraddistinto dall'icona dell'orologio");
        QTest::newRow("12") << 12 << QStringLiteral("La funzione Allega file");
        QTest::newRow("13") << 13 << QStringLiteral("La scheda di ogni singolo abbonato può essere visualizzata in anteprima");
        QTest::newRow("14") << 14 << QStringLiteral("L'app Stampa Tessere serve");
        QTest::newRow("15") << 15 << QStringLiteral("Ogni tesserino di riconoscimento contiene");
        QTest::newRow("16") << 16 << QStringLiteral("Per facilitare la stampa delle tessere");
        QTest::newRow("17") << 17 << QStringLiteral("La foto che appare nella tessera");
        QTest::newRow("18") << 18 << QStringLiteral("L'app Schede Allenamento permette di creare programmi di allenamento personalizzati");
        QTest::newRow("19") << 19 << QStringLiteral("La sezione Programma");
        QTest::newRow("20") << 20 << QStringLiteral("Nella sezione Dati personali");
        QTest::newRow("21") << 21 << QStringLiteral("La sezione Attività");
        QTest::newRow("22") << 22 << QStringLiteral("Ciascuna scheda di allenamento può essere esportata in formato RTF");
        QTest::newRow("23") << 23 << QStringLiteral("A ciascuna scheda di allenamento è possibile associare file esterni");
        QTest::newRow("24") << 24 << QStringLiteral("Il pulsante Duplica consente di inserire una nuova scheda di allenamento");
        QTest::newRow("25") << 25 << QStringLiteral("La funzione Trova consente di rintracciare un allenamento");
        QTest::newRow("26") << 26 << QStringLiteral("L'app Registro Ingressi serve a tenere traccia");
        QTest::newRow("27") << 27 << QStringLiteral("Dopo aver indicato l'anno solare e premuto il pulsante Apri");
        QTest::newRow("28") << 28 << QStringLiteral("Si tenga presente che i campi relativi all'abbonato");
        QTest::newRow("29") << 29 << QStringLiteral("Il pulsante Duplica consente di registrare in archivio un nuovo ingresso");
        QTest::newRow("30") << 30 << QStringLiteral("La scheda dell'ingresso in palestra può essere stampata");
        QTest::newRow("31") << 31 << QStringLiteral("I campi riservati al numero di telefono cellulare e all'indirizzo di posta elettronica");
        QTest::newRow("32") << 32 << QStringLiteral("La funzione Trova consente di rintracciare un ingresso");
        QTest::newRow("33") << 33 << QStringLiteral("I pulsanti contraddistinti dalle lettere G, M e A");
        QTest::newRow("34") << 34 << QStringLiteral("L'app Statistiche Ingressi Mensili genera grafici statistici");
        QTest::newRow("35") << 35 << QStringLiteral("L'utente può scegliere se visualizzare i dati sotto forma di grafico a torta");
        QTest::newRow("36") << 36 << QStringLiteral("La prima operazione da eseguire per visualizzare i grafici statistici");
        QTest::newRow("37") << 37 << QStringLiteral("Il grafico che appare è costituito da dodici barre tridimensionali");
        QTest::newRow("38") << 38 << QStringLiteral("Il pulsante Stampa grafico");
        QTest::newRow("39") << 39 << QStringLiteral("L'app Stampa Ricevute permette la compilazione e la stampa delle ricevute");
        QTest::newRow("40") << 40 << QStringLiteral("La compilazione delle ricevute è facilitata");
        QTest::newRow("41") << 41 << QStringLiteral("E' possibile utilizzare il logo personalizzato");
        QTest::newRow("42") << 42 << QStringLiteral("L'app presenta uno spazio riservato all'apposizione della marca da bollo");
        QTest::newRow("43") << 43 << QStringLiteral("Le informazioni riguardanti il beneficiario del pagamento");
        QTest::newRow("44") << 44 << QStringLiteral("Per inserire una nuova ricevuta in archivio");
        QTest::newRow("45") << 45 << QStringLiteral("Quando si preme il pulsante Nuovo, il software attribuisce al documento un numero");
        QTest::newRow("46") << 46 << QStringLiteral("Per modificare una ricevuta in archivio");
        QTest::newRow("47") << 47 << QStringLiteral("Il pulsante Duplica risulta utile");
        QTest::newRow("48") << 48 << QStringLiteral("La funzione Trova permette di ottenere riepiloghi delle ricevute");
        QTest::newRow("49") << 49 << QStringLiteral("Ogni singola ricevuta può essere visualizzata in anteprima");
        QTest::newRow("50") << 50 << QStringLiteral("L'app Riepilogo Incassi consente di ottenere un estratto conto");
        QTest::newRow("51") << 51 << QStringLiteral("Per ottenere il riepilogo degli incassi percepiti");
        QTest::newRow("52") << 52 << QStringLiteral("L'estratto conto che si ottiene mostra l'elenco di tutte le ricevute");
        QTest::newRow("53") << 53 << QStringLiteral("Per ottenere il riepilogo di tutti gli importi incassati");
        QTest::newRow("54") << 54 << QStringLiteral("Il software funziona anche in una rete locale");
        QTest::newRow("55") << 55 << QStringLiteral("Zandorio può essere utilizzato anche su chiavetta USB");
        QTest::newRow("56") << 56 << QStringLiteral("L'accesso al software è protetto da una password aggiornabile dall'utente");
        QTest::newRow("57") << 57 << QStringLiteral("Zandorio è quindi lo strumento ideale");
        // clang-format on
    }
    void paragraphOpenings() {
        QFETCH(int, n);
        QFETCH(QString, opening);
        const QString paragraph = GeneralGuide::paragraph(n);
        QVERIFY2(paragraph.startsWith(opening), qPrintable(paragraph.left(120)));
        // A paragraph is one block of text: its own words beyond the opening, no line breaks.
        QVERIFY(paragraph.size() > opening.size() + 20);
        QVERIFY(!paragraph.contains(u'\r') && !paragraph.contains(u'\n'));
        QVERIFY(paragraph.endsWith(u'.'));
    }

    void guideFacts() {
        QCOMPARE(GeneralGuide::paragraph(0), QString());
        QCOMPARE(GeneralGuide::paragraph(58), QString());
        QVERIFY(GeneralGuide::paragraph(56).contains(QStringLiteral("pellicanoverde")));
        QVERIFY(GeneralGuide::paragraph(13).endsWith(QStringLiteral("esportato in un file di Excel.")));
        QCOMPARE(GeneralGuide::paragraph(54).count(u'.'), 1); // one sentence
    }

    void textJoinsParagraphsWithEmptyLines() {
        QStringList members;
        for (int n = 2; n <= 13; ++n)
            members << GeneralGuide::paragraph(n);
        const QString text = GeneralGuide::text(2, 13);
        QCOMPARE(text, members.join("\r\n\r\n"));
        QCOMPARE(text.count("\r\n\r\n"), 11);
        QVERIFY(text.startsWith("L'app Archivio Iscritti è uno schedario"));
        QCOMPARE(GeneralGuide::text().count("\r\n\r\n"), 56);
        QVERIFY(GeneralGuide::text().startsWith(GeneralGuide::paragraph(1) + "\r\n\r\n"));
        QVERIFY(GeneralGuide::text().endsWith("\r\n\r\n" + GeneralGuide::paragraph(57)));
        QCOMPARE(GeneralGuide::text(5, 5), GeneralGuide::paragraph(5));
    }

    void manualInTheProgramFolderHoldsTheGuide() {
        // The running text without the page numbers, which may fall inside a paragraph.
        QStringList lines = PdfTools::text(QStringLiteral(MANUAL_PDF)).split(u'\n');
        lines.removeIf([](const QString& line) { return Text::isDigits(line.simplified().remove(u'\f')); });
        const QString text = lines.join(u' ').simplified();
        QVERIFY(text.contains(GeneralGuide::kTitle));
        for (int n = 1; n <= GeneralGuide::kParagraphs; ++n)
            QVERIFY2(text.contains(GeneralGuide::paragraph(n).simplified()), qPrintable(QString::number(n)));
        QVERIFY(PdfTools::fonts(QStringLiteral(MANUAL_PDF)).contains(QStringLiteral("LiberationSans")));
    }

    void guideWindow() {
        TfrmGuida guide;
        QCOMPARE(guide.windowTitle(), QStringLiteral(" Guida all'utilizzo del software"));
        auto* title = guide.findChild<QLabel*>("lblTitolo");
        auto* text = guide.findChild<QPlainTextEdit*>("txtGuida");
        QCOMPARE(title->text(), QStringLiteral("Argomento della guida."));
        guide.setGuide("App Archivio Iscritti", "Primo.\r\n\r\nSecondo.");
        QCOMPARE(title->text(), QStringLiteral("App Archivio Iscritti"));
        QCOMPARE(text->toPlainText(), QStringLiteral("Primo.\n\nSecondo."));
        QVERIFY(text->isReadOnly());
        QVERIFY(text->font().bold());
        QCOMPARE(text->font().pointSize(), 12);
        guide.show();
        // The client area, under the window's own caption bar.
        QCOMPARE(guide.size() - QSize(0, guide.findChild<QWidget*>("panTitolo")->height()), QSize(670, 572));
        guide.findChild<QPushButton*>("btnChiudi")->click();
        QVERIFY(!guide.isVisible());
    }

    void manualLink_data() {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("control");
        QTest::newRow("link, manual present") << true << "lnkWeb";
        QTest::newRow("icon, manual present") << true << "imgPDF";
        QTest::newRow("link, manual missing") << false << "lnkWeb";
        QTest::newRow("icon, manual missing") << false << "imgPDF";
    }
    void manualLink() {
        QFETCH(bool, present);
        QFETCH(QString, control);
        TempProgramFolder folder;
        FakePlatformScope fake;
        if (present)
            folder.write("Guida.pdf", "%PDF-1.4");
        TfrmGuida guide;
        guide.show();
        QTest::mouseClick(guide.findChild<QAbstractButton*>(control), Qt::LeftButton);
        const QStringList expected =
            present ? QStringList{u'"' + folder.path("Guida.pdf") + u'"'} : QStringList{};
        QCOMPARE(fake->opened, expected);
        QVERIFY(fake->messages.isEmpty());
        QVERIFY(guide.isVisible());
    }

    void linkTurnsOrangeWhilePressed() {
        FakePlatformScope fake;
        TfrmGuida guide;
        guide.show();
        QCOMPARE(linkColour(guide), 0xFF00008Bu);
        for (const char* control : {"imgPDF", "lnkWeb"}) {
            auto* button = guide.findChild<QAbstractButton*>(control);
            QTest::mousePress(button, Qt::LeftButton);
            QCOMPARE(linkColour(guide), 0xFFFFA500u);
            QTest::mouseRelease(button, Qt::LeftButton);
            QCOMPARE(linkColour(guide), 0xFF00008Bu);
        }
    }

    void infoWindowPreparesAnEmail() {
        FakePlatformScope fake;
        TfrmInfo info;
        QCOMPARE(info.windowTitle(), QStringLiteral(" Informazioni su Zandorio"));
        QCOMPARE(info.findChild<QPushButton*>("lnkWeb")->text(), Maker::kEmail);
        info.show();
        QCOMPARE(linkColour(info), 0xFF00008Bu);
        QTest::mouseClick(info.findChild<QPushButton*>("lnkWeb"), Qt::LeftButton);
        QTest::mouseClick(info.findChild<QToolButton*>("imgEmail"), Qt::LeftButton);
        const QString mail = "mailto:" + Maker::kEmail +
                             "?subject=Software%20Zandorio&body=Salve%2C%20desidererei%20avere%20le%20"
                             "seguenti%20informazioni%20sul%20software%20in%20oggetto%3A";
        QCOMPARE(fake->opened, QStringList({mail, mail}));
        QVERIFY(info.isVisible());
    }

    void creditsWindowOpensTheWebSite() {
        FakePlatformScope fake;
        QWidget menu;
        TfrmSplash credits(&menu);
        QVERIFY(credits.windowTitle().contains("Zandorio"));
        QCOMPARE(credits.findChild<QLabel*>("imgSplash")->pixmap().size(), QSize(625, 380));
        QCOMPARE(credits.findChild<QPushButton*>("lnkWeb")->text(), Maker::kWebSite);
        credits.show();
        QTest::mouseClick(credits.findChild<QToolButton*>("imgWeb"), Qt::LeftButton);
        QTest::mouseClick(credits.findChild<QPushButton*>("lnkWeb"), Qt::LeftButton);
        QCOMPARE(fake->opened, QStringList({Maker::kWebSite, Maker::kWebSite}));
    }

    void mainMenuOpensTheWindows_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        // clang-format off
        QTest::newRow("information") << "imgInfo" << "frmInfo";
        QTest::newRow("guide") << "imgGuida" << "frmGuida";
        QTest::newRow("credits") << "imgCopyright" << "frmSplash";
        // clang-format on
    }
    void mainMenuOpensTheWindows() {
        QFETCH(QString, button);
        QFETCH(QString, window);
        TfrmAvvio menu;
        menu.show();
        QString opened, title, text;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            opened = modal->objectName();
            if (auto* label = modal->findChild<QLabel*>("lblTitolo"))
                title = label->text();
            if (auto* guide = modal->findChild<QPlainTextEdit*>("txtGuida"))
                text = guide->toPlainText();
            modal->findChild<QPushButton*>("btnChiudi")->click();
        });
        auto* picture = menu.findChild<QToolButton*>(button);
        QVERIFY(picture->isEnabled());
        picture->click();
        QCOMPARE(opened, window);
        QVERIFY(!QApplication::activeModalWidget());
        if (window == "frmGuida") {
            QCOMPARE(title, GeneralGuide::kTitle);
            QCOMPARE(text, GeneralGuide::text().replace("\r\n", "\n"));
        }
    }
};

ZANDORIO_TEST(GuideTest)
#include "tst_guide.moc"
