#include "FakePlatform.h"
#include "NextModal.h"
#include "TempProgramFolder.h"
#include "TestMain.h"
#include "app/ArchiveMessages.h"
#include "members/TSchedaIscritto.h"
#include "members/TSchedaSocio.h"
#include "reminders/TfrmScadenze.h"
#include "storage/DateText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QUrlQuery>

namespace {

const QDate kToday(2026, 3, 15);

struct Member {
    QString name;
    int cardDays; // from today
    int certificateDays;
    QString email = {};
    QString mobile = QStringLiteral("3331234567");
};

void writeMembers(const TempProgramFolder& folder, const QList<Member>& members) {
    QByteArray bytes;
    for (const Member& m : members) {
        TSchedaIscritto r;
        r.CognomeNome = m.name;
        r.CodiceFiscale = m.name.toUpper().remove(u' ');
        r.ScadenzaTessera = DateText::format(kToday.addDays(m.cardDays));
        r.ScadenzaCertificato = DateText::format(kToday.addDays(m.certificateDays));
        r.Email = m.email;
        r.TelCellulare = m.mobile;
        bytes += MemberCodec::encode(r);
    }
    folder.write(QStringLiteral("Archivio_Iscritti.pro"), bytes);
}

QString cell(const TfrmScadenze& screen, int row, int column) {
    const QAbstractItemModel* model = screen.findChild<QTableView*>("grdScadenze")->model();
    return model->index(row, column + 1).data().toString();
}

void click(const TfrmScadenze& screen, const char* command) {
    QTest::mouseClick(screen.findChild<QToolButton*>(command), Qt::LeftButton);
}

} // namespace

class ReminderScreenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // One message in blind copy to the members with a valid address; the others are named and
    // not marked as reminded.
    void emailToEverySelected() {
        FakePlatformScope fake;
        fake->date = kToday;
        TempProgramFolder folder;
        writeMembers(folder, {{"Rossi Anna", 1, 300, "anna@example.it"},
                              {"Verdi Sara", 2, 300, "a@b.it,spy@evil.it"},
                              {"Bianchi Luca", 3, 300, ""},
                              {"Neri Ugo", 4, 300, "ugo@example.it"}});
        TfrmScadenze screen;
        screen.show();
        QCOMPARE(screen.rows().size(), std::size_t(4));
        screen.findChild<QTableView*>("grdScadenze")->selectAll();
        click(screen, "cmdEmailTutti");

        QCOMPARE(fake->opened.size(), 1);
        const QUrlQuery query{QUrl(fake->opened.first())};
        QCOMPARE(query.queryItemValue("bcc", QUrl::FullyDecoded), "anna@example.it,ugo@example.it");
        QCOMPARE(query.queryItemValue("subject", QUrl::FullyDecoded), "Promemoria scadenza tessera");
        QVERIFY(
            query.queryItemValue("body", QUrl::FullyDecoded)
                .startsWith("Gentile socio, con la presente le ricordiamo che la sua tessera di socio presso "
                            "l'associazione ha scadenza in questi giorni."));
        QCOMPARE(fake->messages,
                 QList<FakePlatform::Shown>({{Platform::Box::Warning,
                                              "Attenzione: i seguenti iscritti non hanno un indirizzo e-mail "
                                              "valido e non sono stati inclusi nel messaggio:\n\nVerdi Sara\n"
                                              "Bianchi Luca"}}));
        QCOMPARE(cell(screen, 0, 6), "15/03/2026 10:30, E-mail");
        QCOMPARE(cell(screen, 1, 6), "");
        QCOMPARE(cell(screen, 2, 6), "");
        QCOMPARE(cell(screen, 3, 6), "15/03/2026 10:30, E-mail");

        // Cards and certificates need texts of their own: one message cannot hold both.
        fake->messages.clear();
        writeMembers(folder, {{"Rossi Anna", 1, 2, "anna@example.it"}});
        screen.hide();
        screen.show();
        screen.findChild<QTableView*>("grdScadenze")->selectAll();
        click(screen, "cmdEmailTutti");
        QCOMPARE(fake->opened.size(), 1);
        QCOMPARE(fake->messages.size(), 1);
        QVERIFY(fake->messages.first().text.contains("di un solo tipo"));
    }

    void aLogThatCannotBeWrittenLeavesTheLineUnmarked() {
        FakePlatformScope fake;
        fake->date = kToday;
        TempProgramFolder folder;
        writeMembers(folder, {{"Rossi Anna", 0, 300}});
        TfrmScadenze screen;
        screen.show();
        // Something else takes the log's place once the list is on screen.
        QVERIFY(QFile::remove(folder.path("Promemoria.pro")));
        QVERIFY(QDir().mkpath(folder.path("Promemoria.pro/x")));
        auto* grid = screen.findChild<QTableView*>("grdScadenze");
        grid->setCurrentIndex(grid->model()->index(0, 1));
        click(screen, "cmdWhatsApp");
        QCOMPARE(fake->opened.size(), 1);
        QCOMPARE(fake->messages,
                 QList<FakePlatform::Shown>({{Platform::Box::Error, ArchiveMessages::kFailure}}));
        QCOMPARE(cell(screen, 0, 6), "");
    }

    // The texts dialog stores a text as typed, an unknown placeholder included, and the next
    // reminder uses it.
    void editedTextIsUsedAndKept() {
        FakePlatformScope fake;
        fake->date = kToday;
        TempProgramFolder folder;
        writeMembers(folder, {{"Rossi Anna", 0, 300, "", "3339999999"}});
        TfrmScadenze screen;
        screen.show();
        inspectNextModal([](QWidget* dialog) {
            dialog->findChild<QPlainTextEdit*>("txtTesseraWhatsApp")
                ->setPlainText("Ciao {NOME},\nrinnova {COSA}!");
            QTest::mouseClick(dialog->findChild<QPushButton*>("btnSalva"), Qt::LeftButton);
        });
        click(screen, "cmdTesti");
        QVERIFY(folder.read("Promemoria.ini").contains("Tessera WhatsApp=Ciao {NOME}, rinnova {COSA}!\r\n"));

        auto* grid = screen.findChild<QTableView*>("grdScadenze");
        grid->setCurrentIndex(grid->model()->index(0, 1));
        click(screen, "cmdWhatsApp");
        const QUrlQuery query{QUrl(fake->opened.last())};
        QCOMPARE(query.queryItemValue("phone", QUrl::FullyDecoded), "3339999999");
        QCOMPARE(query.queryItemValue("text", QUrl::FullyDecoded), "Ciao Rossi Anna, rinnova {COSA}!");
    }

    void windowFiltersAndUnreadableExpiries() {
        FakePlatformScope fake;
        fake->date = kToday;
        TempProgramFolder folder;
        writeMembers(folder, {{"Rossi Anna", -3, 300}, {"Verdi Sara", 40, 300}, {"Neri Ugo", 5, 6}});
        // An impossible date in a member record is counted, never listed.
        QByteArray bytes = folder.read("Archivio_Iscritti.pro");
        TSchedaIscritto bad;
        bad.CognomeNome = "Gialli Eva";
        bad.ScadenzaTessera = "31/02/2026";
        bad.ScadenzaCertificato = DateText::format(kToday.addDays(300));
        folder.write("Archivio_Iscritti.pro", bytes + MemberCodec::encode(bad));

        TfrmScadenze screen;
        screen.show();
        QCOMPARE(screen.rows().size(), std::size_t(3));
        QCOMPARE(screen.findChild<QLabel*>("lblConteggio")->text(),
                 "Righe in elenco: 3 - 1 schede con data di scadenza non leggibile");

        auto* after = screen.findChild<QSpinBox*>("txtGiorniDopo");
        after->setValue(45);
        Q_EMIT after->editingFinished();
        QCOMPARE(screen.rows().size(), std::size_t(4));
        QCOMPARE(folder.read("Promemoria.ini"), QByteArray("[Finestra]\r\nGiorni dopo=45\r\n"));

        screen.findChild<QComboBox*>("cboTipo")->setCurrentText("Certificato medico");
        QCOMPARE(screen.rows().size(), std::size_t(1));
        QCOMPARE(cell(screen, 0, 2), "Scade tra 6 giorni");
        screen.findChild<QComboBox*>("cboTipo")->setCurrentText("Tutti");

        auto* grid = screen.findChild<QTableView*>("grdScadenze");
        grid->setCurrentIndex(grid->model()->index(0, 1));
        click(screen, "cmdWhatsApp");
        screen.findChild<QCheckBox*>("chkSenzaPromemoria")->setChecked(true);
        QCOMPARE(screen.rows().size(), std::size_t(3));
        QCOMPARE(cell(screen, 0, 3), "Neri Ugo");
    }
};

ZANDORIO_TEST(ReminderScreenTest)
#include "tst_reminders_screen.moc"
