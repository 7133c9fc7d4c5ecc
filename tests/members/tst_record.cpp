#include "TestMain.h"
#include "members/TSchedaIscritto.h"

#include <QTest>

class MemberRecordTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layoutMatchesTheArchive() {
        struct Expected {
            const char* name;
            int capacity;
            int offset;
        };
        constexpr Expected kExpected[] = {
            {"CognomeNome", 50, 0},
            {"Sesso", 1, 51},
            {"DataNascita", 10, 53},
            {"Cittadinanza", 50, 64},
            {"LuogoNascita", 50, 115},
            {"Indirizzo", 120, 166},
            {"Citta", 50, 287},
            {"Cap", 10, 338},
            {"Nazione", 50, 349},
            {"CodiceFiscale", 16, 400},
            {"Peso", 50, 417},
            {"Statura", 120, 468},
            {"ScadenzaCertificato", 120, 589},
            {"AttivitaSportiva", 120, 710},
            {"Email", 50, 831},
            {"TelCasa", 30, 882},
            {"TelCellulare", 30, 913},
            {"NumeroTessera", 50, 944},
            {"Quota", 50, 995},
            {"RilascioTessera", 10, 1046},
            {"ScadenzaTessera", 10, 1057},
            {"Praticante", 50, 1068},
            {"LuogoNascitaPraticante", 50, 1119},
            {"DataNascitaPraticante", 10, 1170},
            {"IndirizzoPraticante", 250, 1181},
            {"Note", 250, 1432},
            {"File01", 250, 1683},
            {"File02", 250, 1934},
            {"File03", 250, 2185},
            {"Desc01", 250, 2436},
            {"Desc02", 250, 2687},
            {"Desc03", 250, 2938},
        };
        const auto fields = TSchedaIscritto::fields();
        QCOMPARE(fields.size(), std::size(kExpected));
        int offset = 0;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            QCOMPARE(fields[i].name, kExpected[i].name);
            QCOMPARE(fields[i].capacity, kExpected[i].capacity);
            QCOMPARE(offset, kExpected[i].offset);
            QCOMPARE(fields[i].kind, FieldKind::String);
            // Each field lands at its own offset in the encoded bytes.
            TSchedaIscritto r;
            r.*fields[i].member = QStringLiteral("x");
            const QByteArray bytes = MemberCodec::encode(r);
            QCOMPARE(bytes.indexOf('\x01'), qsizetype(offset));
            offset += fields[i].capacity + 1;
        }
        QCOMPARE(offset, TSchedaIscritto::Size);
    }

    void everyFieldRoundTrips() {
        TSchedaIscritto r;
        int n = 0;
        for (const auto& f : TSchedaIscritto::fields())
            r.*f.member = QString::number(++n).left(f.capacity);
        const TSchedaIscritto back = MemberCodec::decode(MemberCodec::encode(r));
        for (const auto& f : TSchedaIscritto::fields())
            QCOMPARE(back.*f.member, r.*f.member);
    }

    void storedAsTheArchiveKeepsIt() {
        TSchedaIscritto empty;
        QCOMPARE(MemberCodec::encode(empty), QByteArray(TSchedaIscritto::Size, '\0'));

        TSchedaIscritto r;
        r.CognomeNome = QString(51, u'a');
        r.Citta = QStringLiteral("  Città ");
        const QByteArray bytes = MemberCodec::encode(r);
        QCOMPARE(MemberCodec::decode(bytes).CognomeNome, QString(50, u'a'));
        QCOMPARE(bytes.mid(287, 6), QByteArray("\x05"
                                               "Citt\xE0"));

        // The file keeps whatever case was stored: only the screen upper-cases the sex.
        QByteArray lower = bytes;
        lower[51] = 1;
        lower[52] = 'f';
        QCOMPARE(MemberCodec::decode(lower).Sesso, QStringLiteral("f"));
    }
};

ZANDORIO_TEST(MemberRecordTest)
#include "tst_record.moc"
