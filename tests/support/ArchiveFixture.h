#pragma once

#include "FakePlatform.h"
#include "TempProgramFolder.h"
#include "storage/RecordLayout.h"

#include <QList>

// A fresh program folder with scripted platform services, holding one archive of records R:
// written whole as another workstation would leave it, and read back as the screens stored it.
template <class R> struct ArchiveFixture {
    explicit ArchiveFixture(const QString& fileName) : archiveName(fileName) {}

    QString path() const { return folder.path(archiveName); }
    void seed(const QList<R>& records) const {
        QByteArray bytes;
        for (const R& r : records)
            bytes += RecordCodec<R>::encode(r);
        folder.write(archiveName, bytes);
    }
    QList<R> archive() const {
        const QByteArray bytes = folder.read(archiveName);
        QList<R> all;
        for (qsizetype at = 0; at + R::Size <= bytes.size(); at += R::Size)
            all << RecordCodec<R>::decode(QByteArrayView(bytes).sliced(at, R::Size));
        return all;
    }
    // The stored bytes of the record at `position`, counted from 1.
    QByteArray record(int position) const {
        return folder.read(archiveName).mid((position - 1) * R::Size, R::Size);
    }
    R card(int position) const { return RecordCodec<R>::decode(record(position)); }
    int count() const { return int(folder.read(archiveName).size() / R::Size); }

    FakePlatformScope fake;
    TempProgramFolder folder;
    QString archiveName;
};
