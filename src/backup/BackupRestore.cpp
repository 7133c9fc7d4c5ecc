#include "BackupRestore.h"

#include "BackupFiles.h"
#include "ZipLibrary.h"
#include "BackupWriter.h"
#include "storage/ArchiveFile.h"
#include "storage/IniFile.h"
#include "storage/StorageError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

QString BackupContents::summary() const {
    QStringList lines;
    lines << QStringLiteral("Backup del %1").arg(made.toString(QStringLiteral("dd/MM/yyyy hh:mm")));
    lines << QStringLiteral("Iscritti: %1").arg(members);
    lines << QStringLiteral("Schede allenamento: %1").arg(trainingCards);
    for (auto it = receiptsPerYear.cbegin(); it != receiptsPerYear.cend(); ++it)
        lines << QStringLiteral("Ricevute %1: %2").arg(it.key()).arg(it.value());
    for (auto it = entriesPerYear.cbegin(); it != entriesPerYear.cend(); ++it)
        lines << QStringLiteral("Ingressi %1: %2").arg(it.key()).arg(it.value());
    lines << QStringLiteral("File: %1").arg(files.size());
    return lines.join(u'\n');
}

namespace BackupRestore {

namespace {

// A path that stays inside the program folder: relative, no "." or ".." step, no empty step, no
// drive or backslash a Windows tool could read as a separator.
bool staysInside(const QString& name) {
    if (name.isEmpty() || name.startsWith(u'/') || name.contains(u'\\') || name.contains(u':'))
        return false;
    for (const QString& step : name.split(u'/'))
        if (step.isEmpty() || step == u"." || step == u"..")
            return false;
    return true;
}

struct ZipCloser {
    void operator()(zip_t* zip) const { libzip().zip_discard(zip); }
};
using ZipHandle = std::unique_ptr<zip_t, ZipCloser>;

ZipHandle openZip(const QString& path) {
    int code = 0;
    return ZipHandle(libzip().zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
}

Inspection refuse(const QString& why) {
    return {std::nullopt, why};
}

// Extracts entry `index` to `target`; false when it cannot be read whole with its checksum right.
bool extract(zip_t* zip, zip_uint64_t index, const QString& target, BackupControl* control,
             zip_uint64_t& done, zip_uint64_t total) {
    QFile out(target);
    if (!QDir().mkpath(QFileInfo(target).path()) || !out.open(QIODevice::WriteOnly))
        return false;
    zip_file_t* file = libzip().zip_fopen_index(zip, index, 0);
    if (!file)
        return false;
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    zip_int64_t n;
    bool written = true;
    while (written && (n = libzip().zip_fread(file, buffer.data(), zip_uint64_t(buffer.size()))) > 0) {
        written = out.write(buffer.constData(), n) == n;
        done += zip_uint64_t(n);
        if (control)
            control->report(total ? double(done) / double(total) : 1.0);
    }
    const bool read = libzip().zip_fclose(file) == 0 && written && n == 0;
    return read && out.flush() && ::fsync(out.handle()) == 0;
}

// Puts the extracted file in place of `target`; an archive is replaced under its exclusive lock, so
// no operation of another workstation is cut in two.
bool putInPlace(const QString& extracted, const QString& target, bool archive) {
    if (!QDir().mkpath(QFileInfo(target).path()))
        return false;
    std::optional<ArchiveFile> lock;
    if (archive) {
        try {
            lock.emplace(target, 1);
            lock->open(ArchiveFile::Access::Write);
        } catch (const StorageError&) {
            return false;
        }
    }
    return ::rename(QFile::encodeName(extracted).constData(), QFile::encodeName(target).constData()) == 0;
}

} // namespace

Inspection inspect(const QString& zipPath) {
    if (!zipAvailable())
        return refuse(zipMissingText());
    const QString notOurs = QStringLiteral("Il file non è un backup di Zandorio.");
    ZipHandle zip = openZip(zipPath);
    if (!zip)
        return refuse(QStringLiteral("Il file è danneggiato o non è un file zip."));
    int length = 0;
    const QString comment = QString::fromUtf8(libzip().zip_get_archive_comment(zip.get(), &length, ZIP_FL_ENC_RAW));
    const QString marker = QString::fromLatin1(BackupWriter::kMarker);
    if (!comment.startsWith(marker))
        return refuse(notOurs);
    BackupContents contents;
    contents.made = QDateTime::fromString(comment.mid(marker.size()), Qt::ISODate);

    const zip_int64_t count = libzip().zip_get_num_entries(zip.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        if (libzip().zip_stat_index(zip.get(), zip_uint64_t(i), 0, &st) != 0)
            return refuse(QStringLiteral("Il file è danneggiato."));
        const QString name = QString::fromUtf8(st.name);
        if (!staysInside(name))
            return refuse(QStringLiteral("Il file contiene un percorso non ammesso: %1").arg(name));
        zip_uint8_t system = 0;
        zip_uint32_t attributes = 0;
        libzip().zip_file_get_external_attributes(zip.get(), zip_uint64_t(i), 0, &system, &attributes);
        const zip_uint32_t type = (attributes >> 16) & S_IFMT;
        if (system == ZIP_OPSYS_UNIX && type != 0 && type != S_IFREG)
            return refuse(
                QStringLiteral("Il file contiene un collegamento o un file speciale: %1").arg(name));
        const std::optional<BackupFiles::Rule> rule = BackupFiles::ruleOf(name);
        if (!rule)
            return refuse(QStringLiteral("Il file contiene %1, che non è un file del programma.").arg(name));
        if (rule->recordSize > 0) {
            if (st.size % zip_uint64_t(rule->recordSize) != 0)
                return refuse(QStringLiteral("L'archivio %1 non è formato da schede intere.").arg(name));
            const int records = int(st.size / zip_uint64_t(rule->recordSize));
            const QString counts = QString::fromLatin1(rule->counts);
            const int year = QFileInfo(name).baseName().toInt();
            if (counts == u"iscritti")
                contents.members = records;
            else if (counts == u"schede")
                contents.trainingCards = records;
            else if (counts == u"ingressi")
                contents.entriesPerYear[year] = records;
            else if (counts == u"ricevute")
                contents.receiptsPerYear[year] = records;
        }
        contents.files << name;
    }
    if (contents.files.isEmpty())
        return refuse(notOurs);
    return {contents, {}};
}

BackupOutcome restore(const QString& zipPath, const QString& folder, const QString& safetyFolder,
                      const QDateTime& now, BackupControl* control) {
    const Inspection inspection = inspect(zipPath);
    if (!inspection.contents)
        return {{}, inspection.refusal};
    const QStringList& files = inspection.contents->files;
    ZipHandle zip = openZip(zipPath);
    if (!zip)
        return {{}, QStringLiteral("Il file è danneggiato o non è un file zip.")};

    // Everything is extracted and checked beside the program's files before any of them changes.
    QTemporaryDir staging(QDir(folder).filePath(QStringLiteral(".zandorio-ripristino-XXXXXX")));
    if (!staging.isValid())
        return {{}, QStringLiteral("La cartella del programma non permette di scrivere.")};
    zip_uint64_t total = 0;
    for (zip_int64_t i = 0; i < libzip().zip_get_num_entries(zip.get(), 0); ++i) {
        zip_stat_t st;
        libzip().zip_stat_index(zip.get(), zip_uint64_t(i), 0, &st);
        total += st.size;
    }
    if (control)
        control->step(0, 400);
    zip_uint64_t done = 0;
    for (qsizetype i = 0; i < files.size(); ++i) {
        if (control && control->cancelled)
            return {{}, QStringLiteral("Operazione annullata.")};
        const QString extracted = staging.filePath(files[i]);
        if (!extract(zip.get(), zip_uint64_t(i), extracted, control, done, total))
            return {{},
                    QStringLiteral("Il file %1 del backup è danneggiato o non può essere estratto.")
                        .arg(files[i])};
        if (BackupFiles::ruleOf(files[i])->kind == BackupFiles::Kind::Settings) {
            try {
                IniFile::read(extracted);
            } catch (const StorageError&) {
                return {{},
                        QStringLiteral("Il file di impostazioni %1 del backup non può essere letto.")
                            .arg(files[i])};
            }
        }
    }

    if (control)
        control->step(400, 950);
    const BackupOutcome safety =
        BackupWriter::make(folder, safetyFolder, BackupName::Kind::BeforeRestore, now, control);
    if (!safety.ok())
        return {{}, QStringLiteral("Il backup dei dati attuali non è riuscito: %1").arg(safety.failure)};

    if (control)
        control->step(950, 1000);
    QStringList notRestored;
    const QDir root(folder);
    for (qsizetype i = 0; i < files.size(); ++i) {
        const bool archive = BackupFiles::ruleOf(files[i])->kind == BackupFiles::Kind::Archive;
        if (!putInPlace(staging.filePath(files[i]), root.filePath(files[i]), archive))
            notRestored << files[i];
        if (control)
            control->report(double(i + 1) / double(files.size()));
    }
    if (!notRestored.isEmpty())
        return {safety.path,
                QStringLiteral("Alcuni file non sono stati ripristinati: %1. I dati precedenti sono nel "
                               "backup %2.")
                    .arg(notRestored.join(QStringLiteral(", ")), QFileInfo(safety.path).fileName())};
    return safety;
}

} // namespace BackupRestore
