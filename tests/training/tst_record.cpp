#include "TestMain.h"
#include "training/LongText.h"
#include "training/MuscleGroups.h"
#include "training/TSchedaAllenamento.h"

#include <QTest>

namespace {

using R = TSchedaAllenamento;

// The bytes of one field inside an encoded card.
QByteArray fieldBytes(const QByteArray& record, int offset, int capacity) {
    return record.mid(offset, capacity + 1);
}

} // namespace

class TrainingRecordTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layoutMatchesTheArchive() {
        struct Expected {
            const char* name;
            int capacity;
            int offset;
        };
        constexpr Expected kExpected[] = {
            {"NomeAllenamento", 120, 0},   {"Tipologia", 50, 121},        {"Finalita", 120, 172},
            {"Livello", 50, 293},          {"DataInizio", 10, 344},       {"DataFine", 10, 355},
            {"Dieta", 2000, 366},          {"Istruttore", 120, 2367},     {"Addominali", 2, 2488},
            {"Adduttori", 2, 2491},        {"Bicipiti", 2, 2494},         {"BicipitiFemorali", 2, 2497},
            {"Dorsali", 2, 2500},          {"Glutei", 2, 2503},           {"Pettorali", 2, 2506},
            {"Polpacci", 2, 2509},         {"Quadricipiti", 2, 2512},     {"Spalle", 2, 2515},
            {"Trapezio", 2, 2518},         {"Tricipiti", 2, 2521},        {"GruppiMuscolari", 250, 2524},
            {"CognomeNome", 50, 2775},     {"CodiceFiscale", 16, 2826},   {"TelCellulare", 50, 2843},
            {"Email", 50, 2894},           {"NumeroTessera", 50, 2945},   {"PesoInizio", 8, 2996},
            {"GirovitaInizio", 30, 3005},  {"FianchiInizio", 30, 3036},   {"ToraceInizio", 30, 3067},
            {"AddomeInizio", 30, 3098},    {"PesoFine", 8, 3129},         {"GirovitaFine", 30, 3138},
            {"FianchiFine", 30, 3169},     {"ToraceFine", 30, 3200},      {"AddomeFine", 30, 3231},
            {"AltriRisultati", 250, 3262}, {"Riscaldamento", 2000, 3513}, {"Esercizi", 4000, 5514},
            {"Stretching", 2000, 9515},    {"DurataTotale", 50, 11516},   {"TempoRecupero", 50, 11567},
            {"Frequenza", 50, 11618},      {"File01", 250, 11669},        {"File02", 250, 11920},
            {"File03", 250, 12171},        {"Desc01", 250, 12422},        {"Desc02", 250, 12673},
            {"Desc03", 250, 12924},
        };
        const auto fields = R::fields();
        QCOMPARE(fields.size(), std::size(kExpected));
        int offset = 0;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            QCOMPARE(fields[i].name, kExpected[i].name);
            QCOMPARE(fields[i].capacity, kExpected[i].capacity);
            QCOMPARE(offset, kExpected[i].offset);
            // Each field's text lands at its own offset, ended by a zero byte.
            R r;
            r.*fields[i].member = QStringLiteral("x");
            QCOMPARE(TrainingCodec::encode(r).mid(offset, 2), QByteArray("x\0", 2));
            offset += fields[i].capacity + 1;
        }
        QCOMPARE(offset, R::Size);
    }

    void textsAreStoredAsTyped() {
        R r;
        r.CognomeNome = QStringLiteral("  Rossi Mario ");
        r.Finalita = QStringLiteral("Tonificazione, più resistenza");
        r.Desc02 = QStringLiteral("  certificato  ");
        r.File01 = QStringLiteral(" scheda.pdf");
        r.Addominali = QStringLiteral("Sì");
        r.Adduttori = QStringLiteral("No");
        r.Dieta = QString(2001, u'd');
        r.Esercizi = QString(4500, u'e');
        const QByteArray bytes = TrainingCodec::encode(r);
        QCOMPARE(bytes.size(), R::Size);

        QCOMPARE(fieldBytes(bytes, 2488, 2), QByteArray("\x53\xEC\x00", 3));
        QCOMPARE(fieldBytes(bytes, 2491, 2), QByteArray("\x4E\x6F\x00", 3));
        QCOMPARE(bytes.mid(2775, 15), QByteArray("  Rossi Mario \0", 15));
        QVERIFY(bytes.mid(172, 30).contains("pi\xF9 resistenza"));
        // A text as long as its field puts its zero byte in the field's last byte.
        QCOMPARE(fieldBytes(bytes, 366, 2000), QByteArray(2000, 'd') + '\0');
        QCOMPARE(fieldBytes(bytes, 5514, 4000), QByteArray(4000, 'e') + '\0');

        const R back = TrainingCodec::decode(bytes);
        QCOMPARE(back.CognomeNome, r.CognomeNome);
        QCOMPARE(back.Desc02, QStringLiteral("certificato"));
        QCOMPARE(back.File01, QStringLiteral("scheda.pdf"));
        QCOMPARE(back.Dieta.size(), 2000);
        QCOMPARE(back.Addominali, QStringLiteral("Sì"));
    }

    void damagedFieldsAreReadAsFarAsTheyGo() {
        QByteArray bytes = TrainingCodec::encode(R{});
        // A date followed by leftovers of an older, longer text: only the date shows.
        bytes.replace(344, 11, QByteArray("05/03/2024\0", 11));
        bytes.replace(355, 11, QByteArray("31/12/2024\0", 11));
        QByteArray name = QByteArray("Base\0", 5) + QByteArray(116, 'Z');
        bytes.replace(0, 121, name);
        // A field with no zero byte at all is taken whole.
        bytes.replace(121, 51, QByteArray(51, 'T'));
        const R r = TrainingCodec::decode(bytes);
        QCOMPARE(r.DataInizio, QStringLiteral("05/03/2024"));
        QCOMPARE(r.DataFine, QStringLiteral("31/12/2024"));
        QCOMPARE(r.NomeAllenamento, QStringLiteral("Base"));
        QCOMPARE(r.Tipologia, QString(51, u'T'));
    }

    void muscleGroupText_data() {
        QTest::addColumn<QStringList>("checked");
        QTest::addColumn<QString>("text");
        // clang-format off
        QTest::newRow("none") << QStringList{} << "";
        QTest::newRow("only the last") << QStringList{"Tricipiti"} << "Tricipiti";
        QTest::newRow("two, one blank between") << QStringList{"Spalle", "Addominali"} << "Addominali Spalle";
        QTest::newRow("femorals by their name") << QStringList{"BicipitiFemorali", "Bicipiti"} << "Bicipiti Bicipiti femorali";
        QTest::newRow("all twelve in flag order")
            << QStringList{"Tricipiti", "Trapezio", "Spalle", "Quadricipiti", "Polpacci", "Pettorali", "Glutei",
                           "Dorsali", "BicipitiFemorali", "Bicipiti", "Adduttori", "Addominali"}
            << "Addominali Adduttori Bicipiti Bicipiti femorali Dorsali Glutei Pettorali Polpacci Quadricipiti "
               "Spalle Trapezio Tricipiti";
        // clang-format on
    }
    void muscleGroupText() {
        QFETCH(QStringList, checked);
        QFETCH(QString, text);
        R r;
        const auto fields = R::fields();
        for (std::size_t i = 8; i < 20; ++i)
            r.*fields[i].member =
                checked.contains(QLatin1String(fields[i].name)) ? QStringLiteral("Sì") : QStringLiteral("No");
        QCOMPARE(MuscleGroups::text(r), text);
    }

    void longTextsCountAndCutAsStored_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("stored");
        // clang-format off
        QTest::newRow("fits") << "panca" << 10 << 5 << "panca";
        QTest::newRow("a line break counts two") << "a\r\nb" << 10 << 4 << "a\r\nb";
        QTest::newRow("cut after the pair") << "ab\r\ncd" << 4 << 6 << "ab\r\n";
        QTest::newRow("never between CR and LF") << "ab\r\ncd" << 3 << 6 << "ab";
        QTest::newRow("blanks stay") << "  a  \r\n" << 10 << 7 << "  a  \r\n";
        QTest::newRow("a character outside the code page is one") << "a😀b" << 2 << 3 << "a😀";
        // clang-format on
    }
    void longTextsCountAndCutAsStored() {
        QFETCH(QString, text);
        QFETCH(int, capacity);
        QFETCH(int, length);
        QFETCH(QString, stored);
        QCOMPARE(LongText::length(text), length);
        QCOMPARE(LongText::cut(text, capacity), stored);
    }

    void longTextCutFillsTheField() {
        // 1999 characters and a line break: the break does not fit whole and stays out.
        R r;
        r.Dieta = LongText::cut(QString(1999, u'a') + QStringLiteral("\r\nb"), 2000);
        const QByteArray bytes = TrainingCodec::encode(r);
        QCOMPARE(fieldBytes(bytes, 366, 2000), QByteArray(1999, 'a') + QByteArray(2, '\0'));
    }
};

ZANDORIO_TEST(TrainingRecordTest)
#include "tst_record.moc"
