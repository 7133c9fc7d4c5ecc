#include "CheckInFixture.h"
#include "NextModal.h"
#include "PdfTools.h"
#include "ScreenDriver.h"
#include "TestMain.h"
#include "cards/CardDocument.h"
#include "cards/CardFace.h"
#include "cards/CardSettings.h"
#include "cards/TfrmTessera.h"
#include "checkin/QrReader.h"
#include "checkin/TfrmAccesso.h"
#include "entries/TfrmIngressi.h"
#include "members/MemberPhoto.h"
#include "members/PhotoFrame.h"
#include "reports/ReportRenderer.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// About 300 dots per inch: how a card printer or a scanner sees the card.
constexpr int kPixelsPerMm = 12;

// A member card printed from the card screen to PDF, with or without the check-in code.
QString printCard(TfrmTessera& cards, FakePlatform& fake, const QString& pdf, bool code) {
    fake.printTo = pdf;
    inspectNextModal([code](QWidget* dialog) {
        auto* box = dialog->findChild<QCheckBox*>(QStringLiteral("chkCodiceQR"));
        QVERIFY(box);
        QVERIFY(!box->isChecked() || code);
        box->setChecked(code);
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("btnStampa")), Qt::LeftButton);
    });
    QTest::mouseClick(cards.findChild<QWidget*>(QStringLiteral("cmdStampa")), Qt::LeftButton);
    return pdf;
}

} // namespace

class CheckInCardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // As a new user would: the card printed with its code, the code read from the printed page and
    // typed at the desk, the entry registered and found on the entry screen as the import fills it.
    void aPrintedCardChecksItsMemberIn() {
        CheckInFixture f;
        TSchedaIscritto member =
            CheckInFixture::member(QStringLiteral("Rossi Mario"), QStringLiteral("A-0042"));
        f.seedMembers(
            {CheckInFixture::member(QStringLiteral("Bianchi Zeno"), QStringLiteral("A-0001")), member});
        QImage photo(300, 400, QImage::Format_RGB32);
        photo.fill(Qt::darkCyan);
        QVERIFY(MemberPhoto::save(2, photo));

        QTemporaryDir dir;
        ScreenDriver<TfrmTessera> cards;
        cards.show();
        cards.screen.receiveMember(member, 2);

        const QString plain =
            printCard(cards.screen, *f.fake, dir.filePath(QStringLiteral("plain.pdf")), false);
        QVERIFY(QrReader::decode(PdfTools::firstPage(plain, kPixelsPerMm)).isEmpty());
        QVERIFY(!QString::fromLatin1(f.folder.read(CardSettings::kFileName))
                     .contains(QStringLiteral("CodiceQR")));

        const QString pdf = printCard(cards.screen, *f.fake, dir.filePath(QStringLiteral("qr.pdf")), true);
        QVERIFY(CardSettings::readPrint().accessCode);
        const QStringList codes = QrReader::decode(PdfTools::firstPage(pdf, kPixelsPerMm));
        QCOMPARE(codes, QStringList{QStringLiteral("ZANDORIO:2:A-0042")});
        // The card's text is all still there beside the code.
        QVERIFY(PdfTools::text(pdf).contains(QStringLiteral("Rossi Mario")));

        ScreenDriver<TfrmAccesso> desk;
        desk.show();
        desk.field("txtIncaricato")->setText(QStringLiteral("Anna"));
        desk.field("txtTessera")->setText(codes.front());
        QTest::keyClick(desk.field("txtTessera"), Qt::Key_Return);
        QCOMPARE(desk.text("lblNome"), QStringLiteral("Rossi Mario"));
        QCOMPARE(desk.find<PhotoFrame>("imgFoto")->image().pixel(10, 10), MemberPhoto::load(2).pixel(10, 10));
        QCOMPARE(desk.text("lblTesseraStato"), QStringLiteral("valida fino al 31/08/2026"));
        QCOMPARE(desk.text("lblCertificatoStato"), QStringLiteral("valido fino al 31/12/2026"));
        QCOMPARE(desk.text("lblUltimoIngresso"), QStringLiteral("Nessuno"));
        QTest::keyClick(desk.field("txtTessera"), Qt::Key_Return);
        QCOMPARE(f.register_().size(), 1);
        QVERIFY(f.fake->messages.isEmpty());

        ScreenDriver<TfrmIngressi> entries;
        entries.screen.openRegister(QStringLiteral("2026"), TfrmAccesso::registerPath());
        entries.show();
        entries.click("cmdUltimo");
        QCOMPARE(entries.position(), QStringLiteral("1"));
        const QList<std::pair<const char*, QString>> shown = {
            {"txtGiornoRit", QStringLiteral("05")},
            {"txtMeseRit", QStringLiteral("Marzo")},
            {"txtOreRit", QStringLiteral("09")},
            {"txtMinutiRit", QStringLiteral("30")},
            {"txtAttivita", QStringLiteral("Sala pesi")},
            {"txtIngressi", QString()},
            {"txtAttrezzature", QString()},
            {"txtTesserato", QStringLiteral("Rossi Mario")},
            {"txtCodFisc", QStringLiteral("RSSMRA80A01H501U")},
            {"txtRecapito", QStringLiteral("3331234567")},
            {"txtNumTessera", QStringLiteral("A-0042")},
            {"txtEmail", QStringLiteral("mario@example.org")},
            {"txtNote", QString()},
            {"txtIncaricato", QStringLiteral("Anna")},
            {"lblDataRit", QStringLiteral("05/03/2026")},
            {"lblOraRit", QStringLiteral("09:30")},
        };
        for (const auto& [name, value] : shown)
            QVERIFY2(entries.text(name) == value, name);
    }

    // The longest code a card can carry still reads at the printer's resolution, accented card
    // numbers included.
    void theLongestCodeStillReads() {
        CheckInFixture f;
        TSchedaIscritto member;
        member.NumeroTessera = QString::fromUtf8("ÀÈ-") + QString(47, u'9');
        CardFace face;
        face.showMember(member, QImage(), 99999);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("lunga.pdf"));
        ReportRenderer(CardDocument::make(face, true)).writePdf(pdf);
        QCOMPARE(QrReader::decode(PdfTools::firstPage(pdf, kPixelsPerMm)),
                 QStringList{QStringLiteral("ZANDORIO:99999:") + member.NumeroTessera});
    }
};

ZANDORIO_TEST(CheckInCardTest)
#include "tst_checkin_card.moc"
