#pragma once

#include "FakePlatform.h"
#include "TempProgramFolder.h"
#include "entries/EntryChecks.h"
#include "entries/TSchedaIngresso.h"
#include "members/TSchedaIscritto.h"
#include "members/TSchedaSocio.h"

#include <QList>

// A fresh program folder on 5 March 2026 at 9:30 with members and a register of that year.
struct CheckInFixture {
    CheckInFixture() {
        fake->date = QDate(2026, 3, 5);
        fake->time = QTime(9, 30);
    }

    static TSchedaIscritto member(const QString& name, const QString& card, const QString& certificate = {}) {
        TSchedaIscritto m;
        m.CognomeNome = name;
        m.NumeroTessera = card;
        m.ScadenzaCertificato = certificate.isEmpty() ? QStringLiteral("31/12/2026") : certificate;
        m.ScadenzaTessera = QStringLiteral("31/08/2026");
        m.AttivitaSportiva = QStringLiteral("Sala pesi");
        m.CodiceFiscale = QStringLiteral(" rssmra80a01h501u ");
        m.TelCellulare = QStringLiteral("333 123-4567");
        m.Email = QStringLiteral(" mario@example.org ");
        m.Praticante = QStringLiteral("Rossi Luca");
        return m;
    }
    // An entry of `name` on `date` ("gg/mm/aaaa", 2026) at `time` with `remaining` entries left.
    static TSchedaIngresso entry(const QString& name, const QString& card, const char* day, const char* month,
                                 const char* time, const QString& remaining) {
        TSchedaIngresso e;
        e.Giorno = QString::fromLatin1(day);
        e.Mese = QString::fromLatin1(month);
        e.Ore = QString::fromLatin1(time).left(2);
        e.Minuti = QString::fromLatin1(time).right(2);
        e.AttivitaSvolta = QStringLiteral("Sala pesi");
        e.IngressiRimanenti = remaining;
        e.CognomeNome = name;
        e.NumeroTessera = card;
        return EntryChecks::completed(e, QStringLiteral("2026"));
    }

    template <class R> static QByteArray bytesOf(const QList<R>& records) {
        QByteArray bytes;
        for (const R& r : records)
            bytes += RecordCodec<R>::encode(r);
        return bytes;
    }
    void seedMembers(const QList<TSchedaIscritto>& members) const {
        folder.write(QString::fromLatin1(TSchedaIscritto::FileName), bytesOf(members));
    }
    void seedRegister(const QList<TSchedaIngresso>& entries) const {
        folder.write(QStringLiteral("2026.ing"), bytesOf(entries));
    }
    void seedSocio(const QList<TSchedaSocio>& records) const {
        folder.write(QStringLiteral("Archivio_Iscritti_Extra.pro"), bytesOf(records));
    }
    QString registerPath() const { return folder.path(QStringLiteral("2026.ing")); }
    QList<TSchedaIngresso> register_() const {
        const QByteArray bytes = folder.read(QStringLiteral("2026.ing"));
        QList<TSchedaIngresso> all;
        for (qsizetype at = 0; at + TSchedaIngresso::Size <= bytes.size(); at += TSchedaIngresso::Size)
            all << EntryCodec::decode(QByteArrayView(bytes).sliced(at, TSchedaIngresso::Size));
        return all;
    }

    FakePlatformScope fake;
    TempProgramFolder folder;
};
