#include "TempProgramFolder.h"
#include "TestMain.h"
#include "app/ResultLines.h"
#include "storage/FieldBytes.h"
#include "storage/SpreadsheetDocument.h"
#include "storage/StorageError.h"
#include "training/ActiveTrainings.h"
#include "training/TSchedaAllenamento.h"
#include "training/TrainingExport.h"
#include "training/TrainingLine.h"

#include <QDir>
#include <QTest>

namespace {

using R = TSchedaAllenamento;

R card(const QString& name, const QString& from, const QString& to) {
    R r;
    r.NomeAllenamento = name;
    r.Tipologia = QStringLiteral("Pesi");
    r.DataInizio = from;
    r.DataFine = to;
    r.CognomeNome = QStringLiteral("Rossi Mario");
    r.TelCellulare = QStringLiteral("333 1234567");
    return r;
}

void seed(const TempProgramFolder& folder, const QList<R>& cards) {
    QByteArray bytes;
    for (const R& c : cards)
        bytes += TrainingCodec::encode(c);
    folder.write(QString::fromLatin1(R::FileName), bytes);
}

QStringList linesOf(const ResultLines& lines) {
    QStringList out;
    for (qsizetype i = 0; i < lines.size(); ++i)
        out << lines.line(i);
    return out;
}

// The export's rows as texts, appended to a grid of its columns.
QList<QStringList> exportedRows() {
    GridRows grid(int(TrainingExport::format().columns.size()));
    TrainingExport::appendRows(grid);
    QList<QStringList> rows;
    for (qsizetype r = 0; r < grid.rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < grid.columnCount(); ++c)
            row << grid.text(r, c);
        rows << row;
    }
    return rows;
}

} // namespace

class TrainingListsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lineHasFixedColumns() {
        R r = card(QStringLiteral("  Forza  "), QStringLiteral("01/03/2024"), QStringLiteral("31/05/2024"));
        r.CognomeNome = QStringLiteral(" Perè Anna ");
        QCOMPARE(RecordLine(kTrainingLine).of(TrainingCodec::encode(r)),
                 QStringLiteral("Forza") + QString(35, u' ') + QStringLiteral("  Tipo: Pesi") +
                     QString(22, u' ') +
                     QStringLiteral("  Da: 01/03/2024  A: 31/05/2024  Perè Anna  Cel. 333 1234567"));
        // Long texts are cut to their column.
        r.NomeAllenamento = QString(45, u'n');
        r.Tipologia = QString(30, u't');
        QCOMPARE(RecordLine(kTrainingLine).of(TrainingCodec::encode(r)).left(76),
                 QString(40, u'n') + QStringLiteral("  Tipo: ") + QString(26, u't') + QStringLiteral("  "));
    }

    // A damaged record whose name and mobile fields lost their closing zero: each reads as all its
    // bytes, and its line still fits the room a list asks for it.
    void damagedFieldsWithoutTheirZeroFitTheirLine() {
        QByteArray record =
            TrainingCodec::encode(card(QStringLiteral("Forza"), QStringLiteral("01/03/2024"), QString()));
        for (QString R::*member : {&R::CognomeNome, &R::TelCellulare}) {
            const FieldBytes field = FieldBytes::of(member);
            record.replace(field.offset, field.capacity + 1, QByteArray(field.capacity + 1, 'x'));
        }
        const QString line = RecordLine(kTrainingLine).of(record);
        QVERIFY(line.endsWith(QString(51, u'x') + QStringLiteral("  Cel. ") + QString(51, u'x')));
        ResultLines lines;
        lines.reserve(1, RecordLine(kTrainingLine).maxLength());
        RecordLine(kTrainingLine).appendTo(lines, record);
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines.line(0), line);
    }

    void activeCardsEndTodayOrLater() {
        TempProgramFolder folder;
        seed(folder,
             {
                 card(QStringLiteral("Ieri"), QStringLiteral("01/01/2024"), QStringLiteral("04/03/2024")),
                 card(QStringLiteral("Oggi"), QStringLiteral("01/01/2024"), QStringLiteral("05/03/2024")),
                 card(QStringLiteral("Senza fine"), QStringLiteral("01/01/2024"), QString()),
                 card(QStringLiteral("Futura"), QStringLiteral("01/04/2024"), QStringLiteral("30/04/2024")),
                 card(QStringLiteral("Impossibile"), QStringLiteral("01/01/2024"),
                      QStringLiteral("31/02/2024")),
                 card(QStringLiteral("Anno prossimo"), QStringLiteral("01/01/2025"),
                      QStringLiteral("01/01/2025")),
             });
        const auto activeOn = [](const QDate& today) {
            ResultLines lines;
            ActiveTrainings::appendLines(lines, RecordLine(kTrainingLine), today);
            QStringList names;
            for (const QString& line : linesOf(lines))
                names << line.left(40).trimmed();
            return names;
        };
        // A card whose end date cannot be read is skipped; the cards after it are still found.
        QCOMPARE(activeOn(QDate(2024, 3, 5)), (QStringList{QStringLiteral("Oggi"), QStringLiteral("Futura"),
                                                           QStringLiteral("Anno prossimo")}));
        QCOMPARE(activeOn(QDate(2024, 3, 6)),
                 (QStringList{QStringLiteral("Futura"), QStringLiteral("Anno prossimo")}));
        QCOMPARE(activeOn(QDate(2025, 1, 2)), QStringList{});
    }

    void exportRowsHoldTheColumnsTrimmed() {
        TempProgramFolder folder;
        QList<QStringList> rows = exportedRows();
        QVERIFY(rows.isEmpty());

        R first =
            card(QStringLiteral("  Forza "), QStringLiteral("01/03/2024"), QStringLiteral("31/05/2024"));
        first.Dieta = QStringLiteral("non esportata");
        first.AltriRisultati = QStringLiteral("-3 kg");
        first.Frequenza = QStringLiteral("3 volte");
        R second =
            card(QStringLiteral("Resistenza"), QStringLiteral("01/04/2024"), QStringLiteral("30/06/2024"));
        second.GruppiMuscolari = QStringLiteral("Addominali Spalle");
        seed(folder, {first, second});
        rows = exportedRows();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].size(), 25);
        QCOMPARE(rows[0], (QStringList{"Forza",
                                       "Pesi",
                                       "",
                                       "",
                                       "01/03/2024",
                                       "31/05/2024",
                                       "",
                                       "",
                                       "Rossi Mario",
                                       "",
                                       "333 1234567",
                                       "",
                                       "",
                                       "",
                                       "",
                                       "",
                                       "",
                                       "",
                                       "",
                                       "",
                                       "",
                                       "-3 kg",
                                       "",
                                       "",
                                       "3 volte"}));
        // Cells repeat or change from one card to the next: each row holds its own card's values.
        QCOMPARE(rows[1], (QStringList{"Resistenza",
                                       "Pesi",
                                       "",
                                       "",
                                       "01/04/2024",
                                       "30/06/2024",
                                       "",
                                       "Addominali Spalle",
                                       "Rossi Mario",
                                       "",
                                       "333 1234567",
                                       "",
                                       "",
                                       "",
                                       "",
                                       "",
                                       "",
                                       "",
                                       "",
                                       "",
                                       "",
                                       "",
                                       "",
                                       "",
                                       ""}));

        // The file's header and the grid's differ for the results column only.
        const SpreadsheetExport& format = TrainingExport::format();
        QCOMPARE(format.columns.size(), std::size_t(25));
        QCOMPARE(format.columns[21].header, "Altri risultati conseguiti");
        QCOMPARE(format.columns[21].gridHeader, "Altri risultati raggiunti");
        const QByteArray bytes = SpreadsheetDocument::bytes(format, rows);
        QVERIFY(bytes.contains("<x:Name>Schede Allenamento</x:Name>"));
        QVERIFY(bytes.contains("width=300>Altri risultati conseguiti</td>"));
        QVERIFY(bytes.contains("width=250>Finalit\xE0</td>"));
        QVERIFY(!bytes.contains("raggiunti"));
        QVERIFY(!bytes.contains("non esportata"));
    }

    void unreadableArchiveRaises() {
        TempProgramFolder folder;
        QDir().mkdir(folder.path(QString::fromLatin1(R::FileName)));
        GridRows rows(int(TrainingExport::format().columns.size()));
        QVERIFY_THROWS_EXCEPTION(StorageError, TrainingExport::appendRows(rows));
        ResultLines lines;
        QVERIFY_THROWS_EXCEPTION(
            StorageError, ActiveTrainings::appendLines(lines, RecordLine(kTrainingLine), QDate(2024, 3, 5)));
    }
};

ZANDORIO_TEST(TrainingListsTest)
#include "tst_lists.moc"
