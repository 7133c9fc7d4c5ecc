#pragma once

#include "ArchiveFixture.h"
#include "NextModal.h"
#include "ScreenDriver.h"
#include "receipts/TSchedaRicevuta.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

// A receipt as the tests issue it: payer, sport, period and the amount 120,50.
inline TSchedaRicevuta receipt(const QString& number, const QString& payer = QStringLiteral("Rossi Mario"),
                               const QString& sport = QStringLiteral("Nuoto")) {
    TSchedaRicevuta r;
    r.NumeroRicevuta = number;
    r.DataRicevuta = QStringLiteral("05/03/2024");
    r.ImportoEuro = QStringLiteral("120");
    r.ImportoCentesimi = QStringLiteral("50");
    r.ImportoLettere = QStringLiteral("CENTOVENTI");
    r.CentesimiLettere = QStringLiteral("50");
    r.ImportoTotale = QStringLiteral("120,50");
    r.Ricevente1 = QStringLiteral("A.S.D. Delfini");
    r.Pagatore = payer;
    r.CodiceFiscalePagatore = QStringLiteral("RSSMRA80A01H501U");
    r.AttivitaSportiva = sport;
    r.PeriodoDal = QStringLiteral("01/03/2024");
    r.PeriodoAl = QStringLiteral("31/03/2024");
    r.Praticante = QStringLiteral("Rossi Luca");
    r.LuogoNascitaPraticante = QStringLiteral("Roma");
    r.DataNascitaPraticante = QStringLiteral("02/02/2015");
    r.IndirizzoPraticante = QStringLiteral("Via Roma 1");
    return r;
}

// A fresh program folder with the yearly archive of 2024 and scripted platform services.
struct ReceiptFolder : ArchiveFixture<TSchedaRicevuta> {
    ReceiptFolder() : ArchiveFixture(QStringLiteral("2024.ric")) {}
};
