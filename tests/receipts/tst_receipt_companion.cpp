#include "ReceiptFixture.h"
#include "TestMain.h"
#include "receipts/ReceiptCompanion.h"
#include "receipts/TSchedaRicevutaExtra.h"
#include "storage/ArchiveFile.h"
#include "storage/FieldBytes.h"

#include <QTest>

namespace {

using X = TSchedaRicevutaExtra;

QString companionName() {
    return QStringLiteral("2024_Extra.ric");
}

} // namespace

class ReceiptCompanionTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void recordLayout() {
        struct Expected {
            QString X::*member;
            int offset;
            int capacity;
        };
        const Expected expected[] = {
            {&X::MetodoPagamento, 0, 40},      {&X::Annullata, 41, 2}, {&X::DataAnnullamento, 44, 10},
            {&X::MotivoAnnullamento, 55, 120}, {&X::Stampe, 176, 4},
        };
        for (const Expected& e : expected) {
            const FieldBytes field = FieldBytes::of(e.member);
            QCOMPARE(field.offset, e.offset);
            QCOMPARE(field.capacity, e.capacity);
        }
        QCOMPARE(X::path(QStringLiteral("/dati/2024.ric")), QStringLiteral("/dati/2024_Extra.ric"));
    }

    void receiptsWithoutARecordReadAsNeverPaidCancelledOrPrinted() {
        ReceiptFolder f;
        f.seed({receipt(QStringLiteral("1")), receipt(QStringLiteral("2"))});
        bool damaged = true;
        QCOMPARE(ReceiptCompanion::load(f.path(), 2, &damaged), X{});
        QVERIFY(!damaged);
    }

    void damagedRecordsReadCleanedAndSaySo() {
        ReceiptFolder f;
        X garbage;
        garbage.MetodoPagamento = QStringLiteral("Baratto");
        garbage.Annullata = QStringLiteral("Fo");
        garbage.DataAnnullamento = QStringLiteral("31/02/2024");
        garbage.Stampe = QStringLiteral("x1");
        f.folder.write(companionName(), RicevutaExtraCodec::encode(garbage) + QByteArray(X::Size, '\xff'));
        bool damaged = false;
        QCOMPARE(ReceiptCompanion::load(f.path(), 1, &damaged), X{});
        QVERIFY(damaged);
        const X second = ReceiptCompanion::load(f.path(), 2, &damaged);
        QVERIFY(damaged);
        QVERIFY(!second.cancelled());
        QCOMPARE(second.prints(), 0);
    }

    void printsAreCountedAndACancelledPrintTakenBack() {
        ReceiptFolder f;
        f.seed({receipt(QStringLiteral("1")), receipt(QStringLiteral("2"))});
        QCOMPARE(ReceiptCompanion::countPrint(f.path(), 2), 0);
        QCOMPARE(ReceiptCompanion::countPrint(f.path(), 2), 1);
        ReceiptCompanion::uncountPrint(f.path(), 2);
        QCOMPARE(ReceiptCompanion::load(f.path(), 2).Stampe, QStringLiteral("1"));
        // The gap before it holds an empty record: receipt 1 was never printed.
        QCOMPARE(f.folder.read(companionName()).size(), 2 * X::Size);
        QCOMPARE(ReceiptCompanion::load(f.path(), 1), X{});
    }

    void aCancelledReceiptKeepsItsMethodAndCannotBeCancelledAgain() {
        ReceiptFolder f;
        f.seed({receipt(QStringLiteral("1"))});
        {
            ArchiveFile file(f.path(), TSchedaRicevuta::Size);
            file.open(ArchiveFile::Access::Write);
            QVERIFY(ReceiptCompanion::saveMethod(f.path(), file, 1, QStringLiteral("Contanti")));
        }
        const X cancelled =
            ReceiptCompanion::cancel(f.path(), 1, QStringLiteral(" Importo errato "), QDate(2024, 3, 9));
        QVERIFY(cancelled.cancelled());
        QCOMPARE(cancelled.MetodoPagamento, QStringLiteral("Contanti"));
        QCOMPARE(cancelled.DataAnnullamento, QStringLiteral("09/03/2024"));
        QCOMPARE(cancelled.MotivoAnnullamento, QStringLiteral("Importo errato"));
        QCOMPARE(ReceiptCompanion::cancel(f.path(), 1, QStringLiteral("Altro"), QDate(2024, 4, 1)),
                 cancelled);
        ArchiveFile file(f.path(), TSchedaRicevuta::Size);
        file.open(ArchiveFile::Access::Write);
        QVERIFY(
            !ReceiptCompanion::saveMethod(f.path(), file, 1, QStringLiteral("Assegno bancario o circolare")));
        QCOMPARE(ReceiptCompanion::load(f.path(), 1), cancelled);
    }

    void aNewReceiptGetsAFreshRecordOverWhatAFailedSaveLeft() {
        ReceiptFolder f;
        f.seed({receipt(QStringLiteral("1"))});
        X left;
        left.Annullata = QStringLiteral("Sì");
        left.Stampe = QStringLiteral("3");
        f.folder.write(companionName(), QByteArray(X::Size, '\0') + RicevutaExtraCodec::encode(left));
        ArchiveFile file(f.path(), TSchedaRicevuta::Size);
        file.open(ArchiveFile::Access::Write);
        QVERIFY(
            ReceiptCompanion::saveMethod(f.path(), file, 2, QStringLiteral("Bonifico bancario o postale")));
        const X fresh = ReceiptCompanion::load(f.path(), 2);
        QCOMPARE(fresh.MetodoPagamento, QStringLiteral("Bonifico bancario o postale"));
        QVERIFY(!fresh.cancelled());
        QCOMPARE(fresh.Stampe, QStringLiteral("0"));
    }
};

ZANDORIO_TEST(ReceiptCompanionTest)
#include "tst_receipt_companion.moc"
