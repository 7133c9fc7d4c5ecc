#pragma once

#include "TempProgramFolder.h"
#include "backup/BackupWriter.h"
#include "members/TSchedaIscritto.h"

#include <QByteArray>
#include <QDir>
#include <QMap>
#include <QString>

#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <zip.h>

// A small program folder: two members, a register and a receipts archive of 2024, the settings
// files, a logo, a photo and an attached file; and beside it what a backup must leave out.
struct BackupFolder : TempProgramFolder {
    static QByteArray member(const QString& name) {
        TSchedaIscritto m;
        m.CognomeNome = name;
        m.CodiceFiscale = QStringLiteral("RSSMRA80A01H501U");
        return MemberCodec::encode(m);
    }

    BackupFolder() {
        write("Archivio_Iscritti.pro", member("Rossi Mario") + member("Bianchi Anna"));
        write("2024.ing", QByteArray(3 * 1142, 'e'));
        write("2024.ric", QByteArray(2 * 1099, 'r'));
        write("Archivio_Iscritti_Extra.pro", QByteArray(7, 'x'));
        write("unins000.dll", "[Accesso]\r\nPassword=abc\r\n");
        write("Tesserini.ini", "[Ente]\r\nNome=A.S.D. Prova\r\n");
        write("Logo.bmp", "BM-logo");
        QDir(path()).mkpath("Anagrafica");
        QDir(path()).mkpath("Documenti_Allegati");
        write("Anagrafica/Scheda_Iscritto_1.jpg", "jpeg-bytes");
        write("Documenti_Allegati/certificato.pdf", "pdf-bytes");
        // Left out: an export, a temporary, a file of some other program, an older backup.
        write("Archivio_Iscritti.xls", "export");
        write(".zandorio-0000abcd.tmp", "half written");
        write("Anagrafica/.zandorio-0000abcd.tmp", "half written");
        write("note.txt", "not ours");
        QDir(path()).mkpath("Backup");
        write("Backup/Zandorio_2024-01-01_1000.zip", "old");
    }

    static QStringList expectedFiles() {
        return {"2024.ing",
                "2024.ric",
                "Anagrafica/Scheda_Iscritto_1.jpg",
                "Archivio_Iscritti.pro",
                "Archivio_Iscritti_Extra.pro",
                "Documenti_Allegati/certificato.pdf",
                "Logo.bmp",
                "Tesserini.ini",
                "unins000.dll"};
    }
};

// Every entry of a zip with its bytes; empty when the zip cannot be read.
inline QMap<QString, QByteArray> zipEntries(const QString& path) {
    QMap<QString, QByteArray> entries;
    int code = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
    if (!zip)
        return entries;
    for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
        zip_stat_t st;
        zip_stat_index(zip, zip_uint64_t(i), 0, &st);
        QByteArray bytes(qsizetype(st.size), Qt::Uninitialized);
        zip_file_t* file = zip_fopen_index(zip, zip_uint64_t(i), 0);
        zip_fread(file, bytes.data(), st.size);
        zip_fclose(file);
        entries.insert(QString::fromUtf8(st.name), bytes);
    }
    zip_discard(zip);
    return entries;
}

// A zip written by hand: `entries` by name, with the backup marker unless `marked` is false; an
// entry whose bytes start with "->" is stored as a link to the rest.
inline void craftZip(const QString& path, const QList<std::pair<QString, QByteArray>>& entries,
                     bool marked = true) {
    int code = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    for (const auto& [name, bytes] : entries) {
        const bool link = bytes.startsWith("->");
        const QByteArray content = link ? bytes.mid(2) : bytes;
        void* copy = std::malloc(size_t(content.size()) + 1);
        std::memcpy(copy, content.constData(), size_t(content.size()));
        zip_source_t* source = zip_source_buffer(zip, copy, zip_uint64_t(content.size()), 1);
        const zip_int64_t index = zip_file_add(zip, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
        zip_file_set_external_attributes(zip, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX,
                                         zip_uint32_t((link ? S_IFLNK | 0777 : S_IFREG | 0644)) << 16);
    }
    if (marked) {
        const QByteArray comment = QByteArray(BackupWriter::kMarker) + "2024-02-01T09:15:00";
        zip_set_archive_comment(zip, comment.constData(), zip_uint16_t(comment.size()));
    }
    zip_close(zip);
}
