#include "FakePlatform.h"
#include "NextModal.h"
#include "PdfTools.h"
#include "TempProgramFolder.h"
#include "TestMain.h"
#include "app/ArchiveMessages.h"
#include "members/TSchedaIscritto.h"
#include "members/TSchedaSocio.h"
#include "members/TfrmTiratori.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

namespace {

using Box = Platform::Box;
const QString kMain = QStringLiteral("Archivio_Iscritti.pro");

TSchedaIscritto member(const QString& name) {
    TSchedaIscritto r;
    r.CognomeNome = name;
    r.LuogoNascita = QStringLiteral("Cesena");
    r.DataNascita = QStringLiteral("03/04/1990");
    r.Indirizzo = QStringLiteral("Via Emilia 5");
    r.Citta = QStringLiteral("Cesena");
    r.ScadenzaCertificato = QStringLiteral("01/01/2025");
    r.AttivitaSportiva = QStringLiteral("Nuoto");
    r.NumeroTessera = QStringLiteral("T-") + name;
    r.Quota = QStringLiteral("35,00");
    r.RilascioTessera = QStringLiteral("01/01/2024");
    r.ScadenzaTessera = QStringLiteral("31/12/2024");
    return r;
}

// Opens the date picker from `field` as a key press does, and imports `date`.
void pickDate(QWidget* field, const QDate& date) {
    inspectNextModal([date](QWidget* picker) {
        picker->findChild<QCalendarWidget*>(QStringLiteral("calAppuntamenti"))->setSelectedDate(date);
        picker->findChild<QPushButton*>(QStringLiteral("btnImportaData"))->click();
    });
    QTest::keyClick(field, Qt::Key_A);
}

void pick(QWidget* dialog, const char* name, const QString& item) {
    auto* list = dialog->findChild<QComboBox*>(QLatin1String(name));
    list->setCurrentIndex(list->findText(item));
}

QWidget* child(QWidget* dialog, const char* name) {
    return dialog->findChild<QWidget*>(QLatin1String(name));
}

void click(QWidget* dialog, const char* name) {
    dialog->findChild<QAbstractButton*>(QLatin1String(name))->click();
}

struct Fixture {
    FakePlatformScope fake;
    TempProgramFolder folder;
    QByteArray archive;
    TfrmTiratori card;

    explicit Fixture(const QStringList& names) {
        for (const QString& name : names)
            archive += MemberCodec::encode(member(name));
        folder.write(kMain, archive);
        card.show();
    }

    // Shows member p on the card, opens "Dati del socio" and lets `fill` fill it in and save.
    void editMember(int p, const std::function<void(QWidget*)>& fill) {
        card.receiveMember(MemberCodec::decode(QByteArrayView(archive).sliced((p - 1) * TSchedaIscritto::Size,
                                                                              TSchedaIscritto::Size)),
                           p);
        inspectNextModal(fill);
        card.findChild<QToolButton*>(QStringLiteral("cmdSocio"))->click();
    }

    void admit(int p, const QDate& date) {
        editMember(p, [date](QWidget* d) {
            pickDate(child(d, "txtAmmissione"), date);
            click(d, "btnSalva");
        });
    }
};

} // namespace

class RegisterScreenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Three members admitted, the second leaves, a fourth is admitted: the libro soci of the
    // members active today prints three lines and exports them; the members archive changes only
    // by the certificate expiry the user confirmed.
    void aNewUserKeepsTheRegister() {
        Fixture f({"Alfa Anna", "Beta Bruno", "Gamma Gino", "Delta Dario"});
        const QDate admission(2024, 2, 1);
        f.fake->answers << true; // the proposed certificate expiry goes into the card
        f.editMember(1, [&](QWidget* d) {
            QCOMPARE(qobject_cast<QLabel*>(child(d, "lblTiratore"))->text(), QStringLiteral("Alfa Anna"));
            pickDate(child(d, "txtAmmissione"), admission);
            pick(d, "cboCertificato", QStringLiteral("Agonistico"));
            pickDate(child(d, "txtDataCertificato"), QDate(2024, 1, 10));
            pick(d, "cboPrivacy", QStringLiteral("Sì"));
            click(d, "btnSalva");
        });
        QCOMPARE(
            f.fake->questions,
            QStringList{"In base al certificato medico la scadenza proposta è il 10/01/2025.\r\n\r\nSi vuole "
                        "riportarla nella scheda dell'iscritto?"});
        QCOMPARE(f.card.findChild<QLineEdit*>(QStringLiteral("txtStudio"))->text(),
                 QStringLiteral("10/01/2025"));
        f.admit(2, admission);
        f.admit(3, admission);
        QCOMPARE(
            f.fake->messages.last(),
            (FakePlatform::Shown{Box::Information, "I dati del socio sono stati salvati.\r\n\r\nAl socio è "
                                                   "stato assegnato il numero 3."}));

        f.fake->messages.clear();
        f.editMember(2, [](QWidget* d) {
            QCOMPARE(qobject_cast<QLabel*>(child(d, "lblNumero"))->text(), QStringLiteral("2"));
            pickDate(child(d, "txtRecesso"), QDate(2024, 3, 1));
            click(d, "btnSalva");
            QVERIFY(d->isVisible());
            QCOMPARE(d->focusWidget(), child(d, "cboCausa"));
            pick(d, "cboCausa", QStringLiteral("Recesso"));
            click(d, "btnSalva");
        });
        QCOMPARE(
            f.fake->messages,
            (QList<FakePlatform::Shown>{
                {Box::Warning, "Attenzione: per salvare la data di recesso è necessario indicarne la causa."},
                {Box::Information, "I dati del socio sono stati salvati."}}));
        f.admit(4, QDate(2024, 3, 2));
        QCOMPARE(f.fake->lastText(),
                 QStringLiteral("I dati del socio sono stati salvati.\r\n\r\nAl socio è stato "
                                "assegnato il numero 4."));

        const QString pdf = f.folder.path(QStringLiteral("libro.pdf"));
        f.fake->printTo = pdf;
        f.fake->answers << true << false; // export now; do not open the file
        inspectNextModal([&](QWidget* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral(" Libro soci"));
            pickDate(child(d, "txtAllaData"), f.fake->date);
            QCOMPARE(qobject_cast<QLabel*>(child(d, "lblTotale"))->text(),
                     QStringLiteral("Soci in elenco: 3"));
            click(d, "btnStampa");
            inspectNextModal([](QWidget* exporter) { click(exporter, "cmdEsporta"); });
            click(d, "btnEsporta");
        });
        f.card.findChild<QToolButton*>(QStringLiteral("cmdLibroSoci"))->click();

        const QString text = PdfTools::text(pdf);
        QVERIFY2(text.contains(QStringLiteral("Libro soci")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Soci attivi alla data 05/03/2024")));
        QVERIFY(text.contains(QStringLiteral("Pagina 1 di 1")));
        QCOMPARE(text.count(QStringLiteral("Via Emilia 5, Cesena")), 3);
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("\\b1 Alfa Anna +Cesena +03/04/1990"))));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("\\b4 Delta Dario .* 02/03/2024 +35,00"))));
        QVERIFY(!text.contains(QStringLiteral("Beta Bruno")));

        const QString sheet = QString::fromLatin1(f.folder.read(QStringLiteral("Libro_Soci.xls")));
        QVERIFY(sheet.contains(QStringLiteral("Libro soci")));
        for (const char* name : {"Alfa Anna", "Gamma Gino", "Delta Dario"})
            QVERIFY(sheet.contains(QLatin1String(name)));
        QVERIFY(!sheet.contains(QStringLiteral("Beta Bruno")));

        // Member 1's certificate expiry is the only change to the members archive.
        TSchedaIscritto first = member(QStringLiteral("Alfa Anna"));
        first.ScadenzaCertificato = QStringLiteral("10/01/2025");
        QCOMPARE(f.folder.read(kMain), MemberCodec::encode(first) + f.archive.mid(TSchedaIscritto::Size));
    }

    void anUnsavedCardHasNoMemberData() {
        Fixture f({"Alfa Anna"});
        f.card.findChild<QToolButton*>(QStringLiteral("cmdSocio"))->click();
        QCOMPARE(f.fake->messages,
                 (QList<FakePlatform::Shown>{
                     {Box::Warning,
                      "Attenzione: salvare la scheda dell'iscritto prima di inserire i dati del socio."}}));
    }

    // A register that cannot be written shows the archive message and keeps the dialog open.
    void aFailedSaveShowsTheArchiveMessage() {
        Fixture f({"Alfa Anna"});
        f.editMember(1, [&](QWidget* d) {
            QFile::remove(f.folder.path(QStringLiteral("Archivio_Iscritti_Extra.pro")));
            QVERIFY(QDir(f.folder.path()).mkdir(QStringLiteral("Archivio_Iscritti_Extra.pro")));
            pickDate(child(d, "txtAmmissione"), QDate(2024, 2, 1));
            click(d, "btnSalva");
            QVERIFY(d->isVisible());
        });
        QCOMPARE(f.fake->messages.last(), (FakePlatform::Shown{Box::Error, ArchiveMessages::kFailure}));
        QCOMPARE(f.folder.read(kMain), f.archive);
    }
};

ZANDORIO_TEST(RegisterScreenTest)
#include "tst_register_screen.moc"
