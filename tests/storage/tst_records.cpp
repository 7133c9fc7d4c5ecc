#include "TestMain.h"
#include "storage/RecordLayout.h"

#include <QTest>

namespace {

// A small record with one field of each kind.
struct Sample {
    QString name, code, notes, file;
    static constexpr int Size = 6 + 5 + 4 + 5;
    static std::span<const RecordField<Sample>> fields();
};

constexpr RecordField<Sample> kSampleFields[] = {
    {"name", &Sample::name, 5},
    {"code", &Sample::code, 4, FieldKind::Char},
    {"notes", &Sample::notes, 3, FieldKind::Char},
    {"file", &Sample::file, 4, FieldKind::CharTrimmed},
};
static_assert(recordSize(kSampleFields) == Sample::Size);

std::span<const RecordField<Sample>> Sample::fields() {
    return kSampleFields;
}

using Codec = RecordCodec<Sample>;

} // namespace

class RecordTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void emptyRecordIsAllZeroLengths() {
        const QByteArray bytes = Codec::encode(Sample{});
        QCOMPARE(bytes, QByteArray(Sample::Size, '\0'));
    }

    void stringFields_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("loaded");
        // clang-format off
        QTest::newRow("exactly N") << "abcde" << QByteArray("\x05" "abcde") << "abcde";
        QTest::newRow("N+1 loses the last") << "abcdef" << QByteArray("\x05" "abcde") << "abcde";
        QTest::newRow("blanks never stored") << "  ab \t" << QByteArray("\x02" "ab\0\0\0", 6) << "ab";
        QTest::newRow("emoji") << QString::fromUtf8("a😀") << QByteArray("\x02" "a?\0\0\0", 6) << "a?";
        // clang-format on
    }
    void stringFields() {
        QFETCH(QString, stored);
        QFETCH(QByteArray, field);
        QFETCH(QString, loaded);
        Sample s;
        s.name = stored;
        const QByteArray bytes = Codec::encode(s);
        QCOMPARE(bytes.left(6), field);
        QCOMPARE(Codec::decode(bytes).name, loaded);
    }

    void charFieldsKeepBlanksAndEndWithZero() {
        Sample s;
        s.code = QStringLiteral(" ab ");  // exactly N: the zero byte is the field's last byte
        s.notes = QStringLiteral("xyzw"); // N+1 loses the last
        s.file = QStringLiteral(" f ");
        const QByteArray bytes = Codec::encode(s);
        QCOMPARE(bytes.mid(6, 5), QByteArray(" ab \0", 5));
        QCOMPARE(bytes.mid(11, 4), QByteArray("xyz\0", 4));
        const Sample back = Codec::decode(bytes);
        QCOMPARE(back.code, QStringLiteral(" ab "));
        QCOMPARE(back.notes, QStringLiteral("xyz"));
        QCOMPARE(back.file, QStringLiteral("f"));
        QCOMPARE(Codec::field(bytes, &Sample::notes), QStringLiteral("xyz"));
    }

    void damagedBytesAreReadSafely() {
        QByteArray bytes(Sample::Size, 'q'); // length byte 'q' (113) > capacity, no zero bytes
        const Sample s = Codec::decode(bytes);
        QCOMPARE(s.name, QStringLiteral("qqqqq"));
        QCOMPARE(s.code, QStringLiteral("qqqqq")); // no zero: all N + 1 bytes
        QCOMPARE(Codec::decode(bytes.left(3)).name, QStringLiteral("qq"));
        QCOMPARE(Codec::decode(QByteArray()).name, QString());
    }
};

ZANDORIO_TEST(RecordTest)
#include "tst_records.moc"
