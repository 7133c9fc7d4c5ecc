#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <optional>

// Replaces a file whole or not at all. Every file the program writes over an older one goes
// through this class: settings files, photos, logos, attachments, exports and documents.
//
// The bytes go to a temporary file beside the target. commit() writes out what is still
// buffered, syncs the temporary to the disk, gives it the old file's group and permissions where
// the system allows, and only then renames it over the target. Every write, the final flush, the
// sync, the close and the rename are checked: a full disk, a vanished folder or a lost network
// share makes commit() return false, the temporary is removed and the old file stays exactly as
// it was. A file that exists but may not be written is refused at open(), as the user meant it.
// A symbolic link in the target's place is itself replaced: its target is never written.
//
// Used as a QIODevice, picture writers can write into it; a write that fails stays failed, so a
// writer that ignores one failed write still cannot commit a cut-short file.
//
// Temporaries are named ".zandorio-XXXXXXXX.tmp"; those left behind by a crash or a power cut
// are removed by removeStaleTemporaries() at start-up.
class AtomicFile : public QIODevice {
public:
    // The steps at which a write can fail, for tests that play a full disk through failAt().
    enum class Step { Write, Flush, Sync, Rename };

    explicit AtomicFile(QString path);
    ~AtomicFile() override; // an uncommitted temporary is removed

    // Creates the temporary file; false when the folder cannot hold it or the target may not be
    // written. Only writing is supported: the new content always replaces the old one whole.
    bool open(OpenMode mode = QIODevice::WriteOnly) override;
    // Puts the new file in place of the old one; false, with the old file untouched, when any
    // step failed.
    bool commit();
    // Gives up: the temporary is removed and the old file stays. close() does the same.
    void cancel();
    void close() override;
    bool isSequential() const override { return true; }

    // Writes `bytes` as the whole new content of `path`; false when the file could not be
    // replaced (the old file then stays as it was).
    static bool replace(const QString& path, QByteArrayView bytes);

    // Removes the temporaries that writes which never finished left in `folder`, once they have
    // not changed for an hour (a workstation sharing the folder may be writing one right now).
    // Earlier versions of the program named them after the file ("unins000.dll.XXXXXX"):
    // `ownFiles`, patterns of the file names the program writes in `folder`, has those go too.
    // Returns how many were removed.
    static int removeStaleTemporaries(const QString& folder, const QStringList& ownFiles = {});

    // The fault seam: while a Fault lives, every AtomicFile fails at its step as a full disk
    // would (with ENOSPC). For tests only.
    class Fault {
    public:
        explicit Fault(Step step);
        ~Fault();
        Fault(const Fault&) = delete;
        Fault& operator=(const Fault&) = delete;
    };

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override;

private:
    bool writeOut(Step step);
    bool syncAndClose();
    bool renameIntoPlace();
    bool fail(Step step, const char* what);
    bool injected(Step step) const;
    void keepOwnershipAndMode();
    void discard();

    QString m_path;      // the target; a link there is replaced, not followed
    QString m_temporary; // empty when none exists
    int m_fd = -1;
    QByteArray m_buffer;
    bool m_failed = false;

    static std::optional<Step> s_fault;
};
