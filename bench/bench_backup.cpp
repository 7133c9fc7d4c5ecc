// Times a backup of a program folder of about 300 MB (20,000 members with photos, a register of
// 100,000 entries, 100,000 receipts), reading back and checking included, against `zip -q -r -1`
// of the same folder. The backup may take at most 1.5 times what zip takes.
#include "BenchTiming.h"
#include "backup/BackupFiles.h"
#include "backup/BackupWriter.h"
#include "entries/TSchedaIngresso.h"
#include "members/TSchedaIscritto.h"
#include "receipts/TSchedaRicevuta.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

constexpr int kMembers = 20000;
constexpr int kEntries = 100000;
constexpr int kReceipts = 100000;
constexpr int kPhotoKinds = 40;
constexpr int kRuns = 3;

const QStringList kSurnames = {"Rossi",  "Bianchi", "Verdi", "Esposito",
                               "Romano", "Colombo", "Ricci", "Marino"};
const QStringList kNames = {"Mario", "Anna", "Luca", "Giulia", "Marco", "Sara", "Paolo", "Chiara"};

QString someone(QRandomGenerator& random) {
    return kSurnames[random.bounded(int(kSurnames.size()))] + u' ' +
           kNames[random.bounded(int(kNames.size()))];
}

QString date(QRandomGenerator& random) {
    return QStringLiteral("%1/%2/2024")
        .arg(random.bounded(1, 29), 2, 10, QLatin1Char('0'))
        .arg(random.bounded(1, 13), 2, 10, QLatin1Char('0'));
}

template <typename Codec, typename Fill>
void writeArchive(const QString& path, int count, qsizetype size, Fill fill) {
    QByteArray bytes;
    bytes.reserve(qsizetype(count) * size);
    for (int i = 0; i < count; ++i)
        bytes += Codec::encode(fill(i));
    writeSettled(path, bytes);
}

// Photos of noise, as incompressible as real ones, a few kilobytes each.
QList<QByteArray> photos(QRandomGenerator& random) {
    QList<QByteArray> made;
    for (int k = 0; k < kPhotoKinds; ++k) {
        QImage image(32, 40, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, random.generate());
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG", 80);
        made << jpeg;
    }
    return made;
}

void generate(const QString& folder) {
    QRandomGenerator random(7);
    const QDir dir(folder);
    writeArchive<MemberCodec>(
        dir.filePath("Archivio_Iscritti.pro"), kMembers, TSchedaIscritto::Size, [&](int i) {
            TSchedaIscritto m;
            m.CognomeNome = someone(random);
            m.DataNascita = date(random);
            m.Indirizzo = QStringLiteral("Via Roma %1").arg(i);
            m.CodiceFiscale = QStringLiteral("RSSMRA80A01H501U");
            m.TelCellulare = QStringLiteral("333%1").arg(random.bounded(1000000, 9999999));
            m.NumeroTessera = QStringLiteral("T-%1").arg(i);
            m.Quota = QStringLiteral("120,00");
            m.Note = QStringLiteral("Certificato consegnato il %1").arg(date(random));
            return m;
        });
    writeArchive<EntryCodec>(dir.filePath("2024.ing"), kEntries, TSchedaIngresso::Size, [&](int i) {
        TSchedaIngresso e;
        e.DataIngresso = date(random);
        e.OraIngresso = QStringLiteral("%1:%2").arg(random.bounded(8, 22)).arg(random.bounded(10, 60));
        e.AttivitaSvolta = QStringLiteral("Sala pesi");
        e.CognomeNome = someone(random);
        e.NumeroTessera = QStringLiteral("T-%1").arg(i % kMembers);
        e.IngressiRimanenti = QString::number(random.bounded(0, 30));
        return e;
    });
    writeArchive<ReceiptCodec>(dir.filePath("2024.ric"), kReceipts, TSchedaRicevuta::Size, [&](int i) {
        TSchedaRicevuta r;
        r.NumeroRicevuta = QString::number(i + 1);
        r.DataRicevuta = date(random);
        r.ImportoTotale = QStringLiteral("%1,00").arg(random.bounded(10, 500));
        r.ImportoLettere = QStringLiteral("centoventi");
        r.Pagatore = someone(random);
        r.AttivitaSportiva = QStringLiteral("Quota annuale");
        return r;
    });
    dir.mkpath("Anagrafica");
    const QList<QByteArray> pictures = photos(random);
    for (int i = 1; i <= kMembers; ++i) {
        QFile photo(dir.filePath(QStringLiteral("Anagrafica/Scheda_Iscritto_%1.jpg").arg(i)));
        if (photo.open(QIODevice::WriteOnly))
            photo.write(pictures[i % kPhotoKinds]);
    }
    writeSettled(dir.filePath("unins000.dll"), "[Accesso]\r\nPassword=x\r\n");
}

qint64 folderSize(const QString& folder) {
    qint64 total = 0;
    for (const QString& name : BackupFiles::collect(folder))
        total += QFileInfo(QDir(folder).filePath(name)).size();
    return total;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir source;
    QTemporaryDir target;
    generate(source.path());

    const QString zipOut = QDir(target.path()).filePath("zip.zip");
    const double zip = bestOf(kRuns, [&] {
        QFile::remove(zipOut);
        QProcess process;
        process.setWorkingDirectory(source.path());
        process.start("zip", {"-q", "-r", "-1", zipOut, "."});
        process.waitForFinished(-1);
    });
    const qint64 zipSize = QFileInfo(zipOut).size();
    QFile::remove(zipOut);

    BackupOutcome outcome;
    const QDateTime made(QDate(2024, 3, 5), QTime(10, 30));
    const double backup = bestOf(kRuns, [&] {
        if (!outcome.path.isEmpty())
            QFile::remove(outcome.path);
        outcome = BackupWriter::make(source.path(), target.path(), BackupName::Kind::Manual, made);
    });

    const double ratio = backup / zip;
    QTextStream out(stdout);
    out << "program folder: " << folderSize(source.path()) / 1000000 << " MB\n"
        << "zip -q -r -1:             " << zip << " ms (" << zipSize / 1000000 << " MB)\n"
        << "backup, checks included:  " << backup << " ms (" << QFileInfo(outcome.path).size() / 1000000
        << " MB)\n"
        << "ratio: " << ratio << " (at most 1.5)\n";
    if (!outcome.ok()) {
        out << "backup failed: " << outcome.failure << "\n";
        return 1;
    }
    return ratio <= 1.5 ? 0 : 1;
}
