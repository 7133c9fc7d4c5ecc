#include "CheckInFixture.h"
#include "TestMain.h"
#include "checkin/CheckIn.h"
#include "checkin/CheckInIndex.h"
#include "members/AccessCode.h"

#include <QFile>
#include <QTest>

namespace {

using CheckIn::Light;

QList<int> positionsOf(const CheckIn::Found& found) {
    QList<int> positions;
    for (const auto& choice : found.choices)
        positions << choice.position;
    return positions;
}

} // namespace

class CheckInLogicTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void codesAreReadBackOrRefused_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isCode");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("card");
        QTest::newRow("written") << AccessCode::text(12, QStringLiteral(" A-0345 ")) << true << 12
                                 << QStringLiteral("A-0345");
        QTest::newRow("caps lock") << QStringLiteral("zandorio:3:b7") << true << 3 << QStringLiteral("b7");
        QTest::newRow("colon in card")
            << QStringLiteral("ZANDORIO:3:X:1") << true << 3 << QStringLiteral("X:1");
        QTest::newRow("empty card") << QStringLiteral("ZANDORIO:3:") << true << 3 << QString();
        QTest::newRow("no card part") << QStringLiteral("ZANDORIO:3") << true << 0 << QString();
        QTest::newRow("position zero") << QStringLiteral("ZANDORIO:0:A") << true << 0 << QString();
        QTest::newRow("not digits") << QStringLiteral("ZANDORIO:-1:A") << true << 0 << QString();
        QTest::newRow("overflow") << QStringLiteral("ZANDORIO:99999999999:A") << true << 0 << QString();
        QTest::newRow("other text") << QStringLiteral("A-0345") << false << 0 << QString();
    }
    void codesAreReadBackOrRefused() {
        QFETCH(QString, text);
        QFETCH(bool, isCode);
        QFETCH(int, position);
        QFETCH(QString, card);
        QCOMPARE(AccessCode::isCode(text), isCode);
        const std::optional<AccessCode::Parts> parts = AccessCode::parse(text);
        QCOMPARE(parts.has_value(), position > 0);
        if (parts) {
            QCOMPARE(parts->position, position);
            QCOMPARE(parts->cardNumber, card);
        }
    }

    // Code by position checked against the card, then card number, then part of a name; every
    // bad input a message, never a member by mistake.
    void findsMembersByCodeCardOrName_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("positions");
        QTest::addColumn<QString>("refusal");
        const QString unknown = CheckIn::kUnknownCard;
        QTest::newRow("code") << QStringLiteral("ZANDORIO:2:T-2") << QList<int>{2} << QString();
        QTest::newRow("code of another installation")
            << QStringLiteral("ZANDORIO:2:T-9") << QList<int>{} << unknown;
        QTest::newRow("position past the end") << QStringLiteral("ZANDORIO:4:T-2") << QList<int>{} << unknown;
        QTest::newRow("malformed code") << QStringLiteral("ZANDORIO:x") << QList<int>{} << unknown;
        QTest::newRow("card number") << QStringLiteral(" T-3 ") << QList<int>{3} << QString();
        // A card number that is also inside a name finds the card only.
        QTest::newRow("card number exact, names any case")
            << QStringLiteral("t-3") << QList<int>{2} << QString();
        QTest::newRow("card before name, exact") << QStringLiteral("T-3") << QList<int>{3} << QString();
        QTest::newRow("name, any case") << QStringLiteral("bianchi") << QList<int>{3, 2} << QString();
        QTest::newRow("nobody") << QStringLiteral("Verdi") << QList<int>{}
                                << QStringLiteral(
                                       "Attenzione: nessun iscritto corrisponde alla tessera o al nome "
                                       "indicati.");
        QTest::newRow("control character inside")
            << QStringLiteral("ZANDORIO:2:T\x1d-2") << QList<int>{}
            << QStringLiteral("Attenzione: il testo letto contiene caratteri non validi. Verificare la "
                              "configurazione del lettore e riprovare.");
        QTest::newRow("control character at the end")
            << QStringLiteral("T-3\x04") << QList<int>{}
            << QStringLiteral("Attenzione: il testo letto contiene caratteri non validi. Verificare la "
                              "configurazione del lettore e riprovare.");
        QTest::newRow("blanks only") << QStringLiteral("   ") << QList<int>{} << QString();
    }
    void findsMembersByCodeCardOrName() {
        QFETCH(QString, typed);
        QFETCH(QList<int>, positions);
        QFETCH(QString, refusal);
        CheckInFixture f;
        f.seedMembers({CheckInFixture::member(QStringLiteral("Rossi Mario"), QStringLiteral("T-1")),
                       CheckInFixture::member(QStringLiteral("Bianchi Zeno T-3"), QStringLiteral("T-2")),
                       CheckInFixture::member(QStringLiteral("BIANCHI Anna"), QStringLiteral("T-3"))});
        CheckInIndex index;
        const CheckIn::Found found = CheckIn::find(index, typed);
        QCOMPARE(found.refusal, refusal);
        QCOMPARE(positionsOf(found), positions);
    }

    void tooManyNamesAskForMore() {
        CheckInFixture f;
        QList<TSchedaIscritto> members;
        for (int i = 0; i <= CheckIn::kMaxChoices; ++i)
            members << CheckInFixture::member(QStringLiteral("Socio %1").arg(i), QString());
        f.seedMembers(members);
        CheckInIndex index;
        QVERIFY(CheckIn::find(index, QStringLiteral("socio"))
                    .refusal.startsWith(QStringLiteral("Attenzione: troppi iscritti")));
        QCOMPARE(CheckIn::find(index, QStringLiteral("Socio 20")).choices.size(), 1);
        // An empty card number is no card number: typing nothing finds nothing.
        QVERIFY(index.withCardNumber(QString()).isEmpty());
    }

    // The latest by date and time, whatever the order of the records; names in any case; another
    // member's entries, and the same name with another card, left out.
    void lastEntryIsTheLatestOfThatMember() {
        CheckInFixture f;
        const QString name = QStringLiteral("Rossi Mario");
        const QString card = QStringLiteral("T-1");
        f.seedRegister({CheckInFixture::entry(name, card, "04", "Marzo", "18:00", QStringLiteral("7")),
                        CheckInFixture::entry(QStringLiteral("ROSSI MARIO"), card, "04", "Marzo", "19:15",
                                              QStringLiteral("6")),
                        CheckInFixture::entry(name, card, "01", "Marzo", "10:00", QStringLiteral("9")),
                        CheckInFixture::entry(name, QStringLiteral("T-2"), "05", "Marzo", "08:00", QString()),
                        CheckInFixture::entry(QStringLiteral("Bianchi"), card, "05", "Marzo", "08:00", {})});
        CheckInIndex index;
        const TSchedaIscritto member = CheckInFixture::member(name, card);
        const auto last = index.lastEntry(f.registerPath(), member);
        QVERIFY(last);
        QCOMPARE(last->position, 2);
        QCOMPARE(last->date, QStringLiteral("04/03/2026"));
        QCOMPARE(last->time, QStringLiteral("19:15"));
        QCOMPARE(last->remaining, QStringLiteral("6"));
        QVERIFY(!index.lastEntry(f.folder.path(QStringLiteral("2025.ing")), member));
        QVERIFY(!QFile::exists(f.folder.path(QStringLiteral("2025.ing"))));
    }

    // What another desk writes meanwhile is seen at the next check-in; both desks' entries stay.
    void twoDesksSeeAndKeepEachOthersEntries() {
        CheckInFixture f;
        const TSchedaIscritto member =
            CheckInFixture::member(QStringLiteral("Rossi Mario"), QStringLiteral("T-1"));
        f.seedMembers({member});
        f.seedRegister({CheckInFixture::entry(member.CognomeNome, member.NumeroTessera, "04", "Marzo",
                                              "18:00", QStringLiteral("5"))});
        CheckInIndex deskA;
        CheckInIndex deskB;
        QCOMPARE(deskA.lastEntry(f.registerPath(), member)->remaining, QStringLiteral("5"));
        QCOMPARE(deskB.lastEntry(f.registerPath(), member)->remaining, QStringLiteral("5"));
        const QDateTime now(f.fake->date, f.fake->time);
        QCOMPARE(CheckIn::record(f.registerPath(), CheckIn::entry(member, QStringLiteral("4"), now, {})), 2);
        const auto seenByA = deskA.lastEntry(f.registerPath(), member);
        QCOMPARE(seenByA->position, 2);
        QCOMPARE(seenByA->remaining, QStringLiteral("4"));
        QCOMPARE(CheckIn::record(f.registerPath(),
                                 CheckIn::entry(member, QStringLiteral("3"), now.addSecs(60), {})),
                 3);
        QCOMPARE(f.register_().size(), 3);
        QCOMPARE(f.register_()[1].IngressiRimanenti, QStringLiteral("4"));

        // A member renamed on another workstation is found under the new name.
        TSchedaIscritto renamed = member;
        renamed.CognomeNome = QStringLiteral("Rossi Mario Luigi");
        f.seedMembers({renamed});
        QCOMPARE(positionsOf(CheckIn::find(deskA, QStringLiteral("luigi"))), QList<int>{1});
    }

    void lightsQuestionsAndRefusals_data() {
        QTest::addColumn<QString>("cardExpiry");
        QTest::addColumn<QString>("certificate");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("lastRemaining");
        QTest::addColumn<bool>("refuse");
        QTest::addColumn<QList<int>>("lights"); // card, certificate, entries
        QTest::addColumn<QString>("remaining");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<QString>("refusal");
        const auto lights = [](Light a, Light b, Light c) { return QList<int>{int(a), int(b), int(c)}; };
        const QString ok = QStringLiteral("31/12/2026");
        QTest::newRow("all green") << ok << ok << QString() << QStringLiteral("10") << false
                                   << lights(Light::Green, Light::Green, Light::Green) << QStringLiteral("9")
                                   << QStringList() << QString();
        QTest::newRow("certificate due, last entry")
            << ok << QStringLiteral("20/03/2026") << QString() << QStringLiteral("1") << false
            << lights(Light::Green, Light::Yellow, Light::Yellow) << QStringLiteral("0") << QStringList()
            << QString();
        QTest::newRow("certificate expired")
            << ok << QStringLiteral("03/11/2025") << QString() << QString() << false
            << lights(Light::Green, Light::Red, Light::Grey) << QString()
            << QStringList{QString::fromUtf8("Attenzione: il certificato medico è scaduto il 03/11/2025. "
                                             "Registrare comunque l'ingresso?")}
            << QString();
        QTest::newRow("certificate expired, refused")
            << ok << QStringLiteral("03/11/2025") << QString() << QString() << true
            << lights(Light::Green, Light::Red, Light::Grey) << QString() << QStringList()
            << QString::fromUtf8("Attenzione: il certificato medico è scaduto il 03/11/2025. Non è possibile "
                                 "registrare l'ingresso.");
        QTest::newRow("certificate missing, refused")
            << ok << QStringLiteral("mai") << QString() << QString() << true
            << lights(Light::Green, Light::Red, Light::Grey) << QString() << QStringList()
            << QString::fromUtf8("Attenzione: il certificato medico non è stato consegnato. Non è possibile "
                                 "registrare l'ingresso.");
        QTest::newRow("certificate not required")
            << ok << QString() << QStringLiteral("Non richiesto") << QStringLiteral("x") << true
            << lights(Light::Green, Light::Grey, Light::Grey) << QString() << QStringList() << QString();
        QTest::newRow("card expired, no entries left")
            << QStringLiteral("04/03/2026") << ok << QString() << QStringLiteral("0") << false
            << lights(Light::Red, Light::Green, Light::Red) << QStringLiteral("0")
            << QStringList{QString::fromUtf8("Attenzione: la tessera è scaduta il 04/03/2026. Registrare "
                                             "comunque l'ingresso?"),
                           QString::fromUtf8(
                               "Attenzione: l'iscritto non ha più ingressi rimanenti. Registrare "
                               "comunque l'ingresso?")}
            << QString();
        QTest::newRow("card valid on its last day")
            << QStringLiteral("05/03/2026") << ok << QString() << QString() << false
            << lights(Light::Green, Light::Green, Light::Grey) << QString() << QStringList() << QString();
    }
    void lightsQuestionsAndRefusals() {
        QFETCH(QString, cardExpiry);
        QFETCH(QString, certificate);
        QFETCH(QString, kind);
        QFETCH(QString, lastRemaining);
        QFETCH(bool, refuse);
        QFETCH(QList<int>, lights);
        QFETCH(QString, remaining);
        QFETCH(QStringList, questions);
        QFETCH(QString, refusal);
        CheckIn::Member member;
        member.record = CheckInFixture::member(QStringLiteral("Rossi"), QStringLiteral("T-1"), certificate);
        member.record.ScadenzaTessera = cardExpiry;
        member.socio.TipoCertificato = kind;
        CheckInIndex::LastEntry last{1, QStringLiteral("04/03/2026"), QStringLiteral("18:00"), lastRemaining};
        const CheckIn::Status s = CheckIn::status(member, last, QDate(2026, 3, 5), refuse);
        QCOMPARE((QList<int>{int(s.card.light), int(s.certificate.light), int(s.entries.light)}), lights);
        QCOMPARE(s.remaining, remaining);
        QCOMPARE(s.questions, questions);
        QCOMPARE(s.refusal, refusal);
        QCOMPARE(s.lastEntry, QStringLiteral("04/03/2026 18:00"));
        QCOMPARE(CheckIn::status(member, std::nullopt, QDate(2026, 3, 5), refuse).lastEntry,
                 QStringLiteral("Nessuno"));
    }

    void theEntryIsDatedNowInTheYearsRegister() {
        TSchedaIscritto member = CheckInFixture::member(QStringLiteral("Rossi Mario"), QStringLiteral("T-1"));
        const TSchedaIngresso e = CheckIn::entry(
            member, QStringLiteral("4"), QDateTime(QDate(2026, 1, 9), QTime(7, 5)), QStringLiteral("Anna"));
        QCOMPARE(e.Giorno, QStringLiteral("09"));
        QCOMPARE(e.Mese, QStringLiteral("Gennaio"));
        QCOMPARE(e.Anno, QStringLiteral("2026"));
        QCOMPARE(e.DataIngresso, QStringLiteral("09/01/2026"));
        QCOMPARE(e.OraIngresso, QStringLiteral("07:05"));
        QCOMPARE(e.AttivitaSvolta, QStringLiteral("Sala pesi"));
        QCOMPARE(e.IngressiRimanenti, QStringLiteral("4"));
        QCOMPARE(e.Incaricato, QStringLiteral("Anna"));
        QCOMPARE(e.CodiceFiscale, QStringLiteral("RSSMRA80A01H501U"));
        QCOMPARE(e.TelCellulare, QStringLiteral("3331234567"));
        QCOMPARE(e.Email, QStringLiteral("mario@example.org"));
        QVERIFY(!EntryChecks::beforeSaving(e, e.Anno));
    }
};

ZANDORIO_TEST(CheckInLogicTest)
#include "tst_checkin_logic.moc"
