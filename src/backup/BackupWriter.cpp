#include "BackupWriter.h"

#include "BackupFiles.h"
#include "ZipLibrary.h"
#include "storage/ArchiveFile.h"
#include "storage/StorageError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>

#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace BackupWriter {

namespace {

// Why the work stopped, as the user reads it after "Attenzione: il backup non è stato completato."
QString cancelledText() {
    return QStringLiteral("Operazione annullata.");
}

QString writeFailedText(const QString& detail) {
    return QStringLiteral("Scrittura non riuscita nella cartella di destinazione: spazio esaurito o supporto "
                          "rimosso (%1).")
        .arg(detail);
}

// Pictures and documents are compressed already: storing them is as small and much faster.
bool storedAsIs(const QString& relativePath) {
    static const QStringList packed = {"jpg", "jpeg", "png", "gif", "zip", "pdf", "docx", "xlsx", "odt",
                                       "ods", "mp3",  "mp4", "avi", "mov", "7z",  "rar",  "gz"};
    return packed.contains(QFileInfo(relativePath).suffix().toLower());
}

// The bytes of one file, read when the zip writer first asks for them: an archive is read whole
// under its shared lock, so a workstation saving meanwhile never leaves a half-written record in
// the backup, and the lock is held only for that read. Only one file is in memory at a time.
class Snapshot {
public:
    Snapshot(QString path, QString name, bool archive, QString* failure)
        : m_path(std::move(path)), m_name(std::move(name)), m_archive(archive), m_failure(failure) {
        libzip().zip_error_init(&m_error);
    }
    ~Snapshot() { libzip().zip_error_fini(&m_error); }

    static zip_int64_t callback(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command) {
        return static_cast<Snapshot*>(state)->handle(data, length, command);
    }

private:
    zip_int64_t handle(void* data, zip_uint64_t length, zip_source_cmd_t command) {
        switch (command) {
        case ZIP_SOURCE_OPEN:
            if (!load())
                return -1;
            m_offset = 0;
            return 0;
        case ZIP_SOURCE_READ: {
            const zip_uint64_t n = std::min<zip_uint64_t>(length, m_bytes.size() - m_offset);
            std::memcpy(data, m_bytes.constData() + m_offset, n);
            m_offset += n;
            return zip_int64_t(n);
        }
        case ZIP_SOURCE_CLOSE:
            m_bytes = QByteArray();
            return 0;
        case ZIP_SOURCE_STAT: {
            if (!m_size && !load())
                return -1;
            auto* st = static_cast<zip_stat_t*>(data);
            libzip().zip_stat_init(st);
            st->size = zip_uint64_t(*m_size);
            st->mtime = m_modified;
            st->valid |= ZIP_STAT_SIZE | ZIP_STAT_MTIME;
            return sizeof(zip_stat_t);
        }
        case ZIP_SOURCE_ERROR:
            return libzip().zip_error_to_data(&m_error, data, length);
        case ZIP_SOURCE_FREE:
            delete this;
            return 0;
        case ZIP_SOURCE_SUPPORTS:
            return libzip().zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                                  ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
        default:
            libzip().zip_error_set(&m_error, ZIP_ER_OPNOTSUPP, 0);
            return -1;
        }
    }

    // Reads the file whole; reading it again (the writer may stat it after it closed it) takes
    // the same bytes the size was given for.
    bool load() {
        if (!m_bytes.isNull() || (m_size && *m_size == 0))
            return true;
        QFile raw(m_path);
        if (!raw.open(QIODevice::ReadOnly))
            return failed(QStringLiteral("Il file %1 non può essere letto.").arg(m_name));
        // The raw file stays open until the lock is released: closing any descriptor of the file
        // would drop this process's lock on it.
        std::optional<ArchiveFile> lock;
        if (m_archive) {
            try {
                lock.emplace(m_path, 1);
                lock->open(ArchiveFile::Access::Read);
            } catch (const StorageError&) {
                return failed(QStringLiteral("L'archivio %1 è occupato da un'altra postazione.").arg(m_name));
            }
        }
        QByteArray bytes = raw.readAll();
        if (raw.error() != QFileDevice::NoError)
            return failed(QStringLiteral("Il file %1 non può essere letto.").arg(m_name));
        lock.reset();
        if (m_size && *m_size != bytes.size())
            return failed(QStringLiteral("Il file %1 è cambiato durante il backup.").arg(m_name));
        m_size = bytes.size();
        m_modified = QFileInfo(raw).lastModified().toSecsSinceEpoch();
        m_bytes = std::move(bytes);
        if (m_bytes.isNull())
            m_bytes = QByteArray("");
        return true;
    }

    bool failed(const QString& why) {
        if (m_failure->isEmpty())
            *m_failure = why;
        libzip().zip_error_set(&m_error, ZIP_ER_READ, 0);
        return false;
    }

    QString m_path;
    QString m_name;
    bool m_archive;
    QString* m_failure;
    zip_error_t m_error;
    QByteArray m_bytes;
    std::optional<qint64> m_size;
    time_t m_modified = 0;
    zip_uint64_t m_offset = 0;
};

QString temporaryName(const QString& destination) {
    return QDir(destination)
        .filePath(QStringLiteral(".zandorio-%1.tmp")
                      .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
}

bool syncPath(const QString& path, int flags) {
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

// Writes the zip at `path`; empty when it was written, otherwise why not.
QString write(const QString& folder, const QString& path, const QStringList& files, const QDateTime& made,
              BackupControl* control) {
    int code = 0;
    zip_t* zip = libzip().zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_EXCL, &code);
    if (!zip)
        return QStringLiteral("La cartella di destinazione non permette di scrivere.");
    QString failure;
    const QByteArray comment = QByteArray(kMarker) + made.toString(Qt::ISODate).toLatin1();
    libzip().zip_set_archive_comment(zip, comment.constData(), zip_uint16_t(comment.size()));
    const QDir root(folder);
    for (const QString& name : files) {
        const BackupFiles::Kind kind = BackupFiles::ruleOf(name)->kind;
        auto* snapshot =
            new Snapshot(root.filePath(name), name, kind == BackupFiles::Kind::Archive, &failure);
        zip_source_t* source = libzip().zip_source_function(zip, &Snapshot::callback, snapshot);
        if (!source) {
            delete snapshot;
            libzip().zip_discard(zip);
            return writeFailedText(QStringLiteral("memoria"));
        }
        const zip_int64_t index = libzip().zip_file_add(zip, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            libzip().zip_source_free(source);
            libzip().zip_discard(zip);
            return writeFailedText(QString::fromUtf8(libzip().zip_strerror(zip)));
        }
        libzip().zip_set_file_compression(zip, zip_uint64_t(index), storedAsIs(name) ? ZIP_CM_STORE : ZIP_CM_DEFLATE,
                                 1);
        libzip().zip_file_set_external_attributes(zip, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX, (S_IFREG | 0644) << 16);
    }
    if (control) {
        libzip().zip_register_progress_callback_with_state(
            zip, 0.002,
            [](zip_t*, double done, void* state) { static_cast<BackupControl*>(state)->report(done); },
            nullptr, control);
        libzip().zip_register_cancel_callback_with_state(
            zip,
            [](zip_t*, void* state) { return int(static_cast<BackupControl*>(state)->cancelled.load()); },
            nullptr, control);
    }
    if (libzip().zip_close(zip) == 0)
        return {};
    const zip_error_t* error = libzip().zip_get_error(zip);
    const int zipCode = libzip().zip_error_code_zip(error);
    const QString detail = QString::fromUtf8(libzip().zip_error_strerror(const_cast<zip_error_t*>(error)));
    libzip().zip_discard(zip);
    if (!failure.isEmpty())
        return failure;
    if (zipCode == ZIP_ER_CANCELLED)
        return cancelledText();
    return writeFailedText(detail);
}

} // namespace

BackupOutcome make(const QString& folder, const QString& destination, BackupName::Kind kind,
                   const QDateTime& made, BackupControl* control) {
    if (!zipAvailable())
        return {{}, zipMissingText()};
    if (!QDir().mkpath(destination))
        return {{},
                QStringLiteral("La cartella di destinazione %1 non esiste e non può essere creata.")
                    .arg(QDir::toNativeSeparators(destination))};
    const QStringList files = BackupFiles::collect(folder);
    if (files.isEmpty())
        return {{}, QStringLiteral("La cartella del programma non contiene dati da salvare.")};
    const QString temporary = temporaryName(destination);
    const auto removeTemporary = qScopeGuard([&] { QFile::remove(temporary); });

    if (control)
        control->step(0, 800);
    if (QString failure = write(folder, temporary, files, made, control); !failure.isEmpty())
        return {{}, failure};
    if (!syncPath(temporary, O_RDONLY))
        return {{}, writeFailedText(QStringLiteral("sync"))};
    if (control)
        control->step(800, 1000);
    if (QString failure = verify(temporary, files, control); !failure.isEmpty())
        return {{}, failure};

    const QString finalPath = QDir(destination).filePath(BackupName::freeName(destination, kind, made));
    if (!QFile::rename(temporary, finalPath))
        return {{}, writeFailedText(QStringLiteral("rename"))};
    syncPath(destination, O_RDONLY | O_DIRECTORY);
    if (control)
        control->report(1);
    return {finalPath, {}};
}

QString verify(const QString& path, const QStringList& expected, BackupControl* control) {
    if (!zipAvailable())
        return zipMissingText();
    const QString damaged = QStringLiteral("La verifica del backup scritto ha trovato un errore (%1).");
    int code = 0;
    zip_t* zip = libzip().zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (!zip)
        return damaged.arg(QStringLiteral("indice"));
    const auto closeZip = qScopeGuard([zip] { libzip().zip_discard(zip); });
    const zip_int64_t count = libzip().zip_get_num_entries(zip, 0);
    if (count != expected.size())
        return damaged.arg(QStringLiteral("numero dei file"));
    zip_uint64_t total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        if (libzip().zip_stat_index(zip, zip_uint64_t(i), 0, &st) != 0)
            return damaged.arg(QString::number(i));
        total += st.size;
    }
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    zip_uint64_t done = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        const QString name = QString::fromUtf8(libzip().zip_get_name(zip, zip_uint64_t(i), ZIP_FL_ENC_GUESS));
        if (name != expected[i])
            return damaged.arg(name);
        zip_file_t* file = libzip().zip_fopen_index(zip, zip_uint64_t(i), 0);
        if (!file)
            return damaged.arg(name);
        zip_int64_t n;
        while ((n = libzip().zip_fread(file, buffer.data(), zip_uint64_t(buffer.size()))) > 0) {
            done += zip_uint64_t(n);
            if (control) {
                if (control->cancelled) {
                    libzip().zip_fclose(file);
                    return cancelledText();
                }
                control->report(total ? double(done) / double(total) : 1.0);
            }
        }
        // The checksum is compared when the entry has been read to its end.
        if (libzip().zip_fclose(file) != 0 || n < 0)
            return damaged.arg(name);
    }
    return {};
}

} // namespace BackupWriter
