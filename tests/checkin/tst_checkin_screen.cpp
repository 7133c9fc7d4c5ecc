#include "CheckInFixture.h"
#include "ScreenDriver.h"
#include "TestMain.h"
#include "cards/CardQr.h"
#include "checkin/CheckInSettings.h"
#include "checkin/TfrmAccesso.h"
#include "entries/TfrmIngressi.h"
#include "members/AccessCode.h"
#include "members/MemberPhoto.h"
#include "members/PhotoFrame.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QStringListModel>
#include <QTest>

namespace {

using Box = Platform::Box;

const QString kExpiredQuestion = QString::fromUtf8(
    "Attenzione: il certificato medico è scaduto il 03/11/2025. Registrare comunque l'ingresso?");

// The check-in screen on a folder with three members: Rossi (all fine, 5 entries left at his last
// entry), Bianchi (certificate expired) and Bianca (no register data).
struct AccessoFixture : CheckInFixture, ScreenDriver<TfrmAccesso> {
    AccessoFixture() {
        seedMembers({CheckInFixture::member(QStringLiteral("Rossi Mario"), QStringLiteral("T-1")),
                     CheckInFixture::member(QStringLiteral("Bianchi Zeno"), QStringLiteral("T-2"),
                                            QStringLiteral("03/11/2025")),
                     CheckInFixture::member(QStringLiteral("Bianca Neve"), QStringLiteral("T-3"))});
        seedRegister({CheckInFixture::entry(QStringLiteral("Rossi Mario"), QStringLiteral("T-1"), "04",
                                            "Marzo", "18:00", QStringLiteral("5"))});
        show();
    }

    // Types what a scanner types: the text, then Enter.
    void scan(const QString& text) const {
        field("txtTessera")->setText(text);
        QTest::keyClick(field("txtTessera"), Qt::Key_Return);
    }
    void enter() const { QTest::keyClick(field("txtTessera"), Qt::Key_Return); }
    int light(const char* name) const { return find<QLabel>(name)->property("light").toInt(); }
    QStringList lastTen() const {
        return qobject_cast<QStringListModel*>(find<QListView>("lstUltimi")->model())->stringList();
    }
    void readyForNext() const {
        QCOMPARE(text("txtTessera"), QString());
        QVERIFY(field("txtTessera")->hasFocus());
    }
};

// A picture of `code` as a camera would see the card: its QR symbol on a grey desk.
QImage cameraFrame(const QString& code) {
    QImage frame(640, 480, QImage::Format_RGB32);
    frame.fill(QColor(90, 90, 90));
    QPainter painter(&frame);
    CardQr::element(QStringLiteral("imgCodiceQR"), QRectF(), code).paint(painter, QRectF(200, 120, 240, 240));
    return frame;
}

} // namespace

class CheckInScreenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void scanShowsTheMemberAndEnterRegisters() {
        AccessoFixture f;
        QCOMPARE(f.screen.windowTitle(), QStringLiteral(" Zandorio - Accesso rapido"));
        f.field("txtIncaricato")->setText(QStringLiteral("Anna"));
        f.scan(AccessCode::text(1, QStringLiteral("T-1")));
        QCOMPARE(f.text("lblNome"), QStringLiteral("Rossi Mario"));
        QCOMPARE(f.text("lblPraticante"), QStringLiteral("Praticante: Rossi Luca"));
        QCOMPARE(f.text("lblTesseraStato"), QStringLiteral("valida fino al 31/08/2026"));
        QCOMPARE(f.text("lblCertificatoStato"), QStringLiteral("valido fino al 31/12/2026"));
        QCOMPARE(f.text("lblIngressiStato"), QStringLiteral("4"));
        QCOMPARE(f.light("lblLuceCertificato"), int(CheckIn::Light::Green));
        QCOMPARE(f.text("lblUltimoIngresso"), QStringLiteral("04/03/2026 18:00"));
        f.readyForNext();
        QCOMPARE(f.register_().size(), 1);

        f.enter();
        QVERIFY(f.fake->messages.isEmpty());
        QVERIFY(f.fake->questions.isEmpty());
        const QList<TSchedaIngresso> entries = f.register_();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[1].DataIngresso, QStringLiteral("05/03/2026"));
        QCOMPARE(entries[1].OraIngresso, QStringLiteral("09:30"));
        QCOMPARE(entries[1].IngressiRimanenti, QStringLiteral("4"));
        QCOMPARE(entries[1].Incaricato, QStringLiteral("Anna"));
        f.readyForNext();
        QCOMPARE(f.lastTen(), QStringList{QStringLiteral("09:30  Rossi Mario  (ingressi rimanenti: 4)")});
        // A second Enter does not register the same member twice.
        f.enter();
        QCOMPARE(f.register_().size(), 2);
        // The person in charge is offered again at this workstation.
        QCOMPARE(CheckInSettings::deskPerson(), QStringLiteral("Anna"));
        // Scanned again, the member shows the entry just made.
        f.scan(QStringLiteral("T-1"));
        QCOMPARE(f.text("lblIngressiStato"), QStringLiteral("3"));
        QCOMPARE(f.text("lblUltimoIngresso"), QStringLiteral("05/03/2026 09:30"));
    }

    void expiredCertificateAsksFirst() {
        AccessoFixture f;
        f.fake->answers.enqueue(false);
        f.scan(QStringLiteral("T-2"));
        QCOMPARE(f.light("lblLuceCertificato"), int(CheckIn::Light::Red));
        QCOMPARE(f.text("lblCertificatoStato"), QStringLiteral("scaduto il 03/11/2025"));
        f.click("cmdRegistra");
        QCOMPARE(f.fake->questions, QStringList{kExpiredQuestion});
        QCOMPARE(f.register_().size(), 1);
        f.readyForNext();

        f.fake->answers.enqueue(true);
        f.enter();
        QCOMPARE(f.fake->questions.size(), 2);
        QCOMPARE(f.register_().size(), 2);
        QCOMPARE(f.register_()[1].CognomeNome, QStringLiteral("Bianchi Zeno"));
    }

    void theSettingRefusesAndIsKept() {
        AccessoFixture f;
        f.click("chkBloccaCertificato");
        QVERIFY(CheckInSettings::refuseWithoutCertificate());
        f.scan(QStringLiteral("T-2"));
        f.enter();
        QVERIFY(f.fake->questions.isEmpty());
        QCOMPARE(f.fake->takeMessages(),
                 (QList<FakePlatform::Shown>{
                     {Box::Warning, QString::fromUtf8("Attenzione: il certificato medico è "
                                                      "scaduto il 03/11/2025. Non è "
                                                      "possibile registrare l'ingresso.")}}));
        QCOMPARE(f.register_().size(), 1);
        f.readyForNext();
        // Shown again, the screen reads the rule as stored.
        f.screen.close();
        f.show();
        QVERIFY(f.find<QCheckBox>("chkBloccaCertificato")->isChecked());
    }

    void badInputTellsAndForgetsTheMemberShown() {
        AccessoFixture f;
        f.scan(QStringLiteral("T-1"));
        f.scan(QStringLiteral("ZANDORIO:9:T-1"));
        QCOMPARE(f.fake->takeMessages(), (QList<FakePlatform::Shown>{{Box::Warning, CheckIn::kUnknownCard}}));
        QCOMPARE(f.text("lblNome"), QString());
        f.readyForNext();
        // Enter now registers nobody.
        f.enter();
        QCOMPARE(f.register_().size(), 1);
        QVERIFY(f.fake->messages.isEmpty());
    }

    void severalNamesGiveAShortList() {
        AccessoFixture f;
        f.scan(QStringLiteral("bianc"));
        auto* list = f.find<QListView>("lstScelta");
        QVERIFY(list->isVisible());
        QCOMPARE(list->model()->rowCount(), 2);
        QCOMPARE(list->model()->index(0, 0).data().toString(),
                 QStringLiteral("Bianca Neve - Tessera n. T-3 (scheda 3)"));
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(f.text("lblNome"), QStringLiteral("Bianchi Zeno"));
        QVERIFY(!list->isVisible());
        f.readyForNext();
    }

    void unreadablePhotoShowsTheBlankPicture() {
        AccessoFixture f;
        QDir().mkpath(MemberPhoto::folder());
        f.folder.write(QStringLiteral("Anagrafica/Scheda_Iscritto_1.jpg"),
                       QByteArray("\xFF\xD8\xFF garbage", 12));
        f.scan(QStringLiteral("T-1"));
        QCOMPARE(f.text("lblNome"), QStringLiteral("Rossi Mario"));
        QCOMPARE(f.find<PhotoFrame>("imgFoto")->image(), MemberPhoto::blank());
    }

    void theLastTenAreListedNewestFirst() {
        AccessoFixture f;
        for (int i = 0; i < 12; ++i) {
            f.fake->time = QTime(10, i);
            f.scan(QStringLiteral("T-3"));
            f.enter();
        }
        const QStringList shown = f.lastTen();
        QCOMPARE(shown.size(), 10);
        QCOMPARE(shown.front(), QStringLiteral("10:11  Bianca Neve"));
        QCOMPARE(shown.back(), QStringLiteral("10:02  Bianca Neve"));
        QCOMPARE(f.register_().size(), 13);
    }

    void theWebcamReadsTheCode() {
        AccessoFixture f;
        f.click("cmdWebcam");
        QVERIFY(FakeCamera::last && FakeCamera::last->running());
        FakeCamera::last->push(QImage(640, 480, QImage::Format_RGB32));
        QCOMPARE(f.text("lblNome"), QString());
        FakeCamera::last->push(cameraFrame(AccessCode::text(2, QStringLiteral("T-2"))));
        QCOMPARE(f.text("lblNome"), QStringLiteral("Bianchi Zeno"));
        QVERIFY(!FakeCamera::last->running());

        f.fake->cameraPresent = false;
        f.click("cmdWebcam");
        QCOMPARE(f.fake->lastText(),
                 QStringLiteral("Attenzione: nessuna webcam rilevata.\r\n\r\nCollegare una "
                                "webcam al computer e riprovare."));
    }

    // The entry registered is the one the entry screen saves after importing the same member.
    void theEntryEqualsTheImportedOne() {
        AccessoFixture f;
        TSchedaIscritto member =
            CheckInFixture::member(QStringLiteral("D'Angelo Nicolò"), QStringLiteral("T-9"));
        member.TelCellulare = QStringLiteral("+39 333.1234567 ");
        member.CodiceFiscale = QStringLiteral(" dnglnc80a01h501z");
        member.Email = QStringLiteral("  nico@example.org  ");
        f.seedMembers({member});
        f.field("txtIncaricato")->setText(QStringLiteral("Anna"));
        f.scan(QStringLiteral("T-9"));
        f.enter();
        const TSchedaIngresso checkedIn = f.register_().back();

        f.seedRegister({});
        ScreenDriver<TfrmIngressi> entries;
        entries.screen.openRegister(QStringLiteral("2026"), f.registerPath());
        entries.show();
        // As the member search hands it over: read from the archive.
        entries.screen.receiveMember(MemberCodec::decode(MemberCodec::encode(member)), 1);
        entries.setText("txtAttivita", member.AttivitaSportiva);
        entries.setText("txtIncaricato", QStringLiteral("Anna"));
        entries.click("cmdSalva");
        const TSchedaIngresso saved = f.register_().back();
        for (const auto& field : TSchedaIngresso::fields())
            QCOMPARE(checkedIn.*field.member, saved.*field.member);
        QCOMPARE(EntryCodec::encode(checkedIn), EntryCodec::encode(saved));
    }
};

ZANDORIO_TEST(CheckInScreenTest)
#include "tst_checkin_screen.moc"
