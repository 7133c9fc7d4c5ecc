#pragma once

#include "Currency.h"
#include "app/ByteBuffer.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <span>
#include <vector>

// The yearly statement ("Attestazione annuale") a family asks for to deduct a child's sports fees:
// for each payer (by fiscal code) and practitioner, the receipts of the year that were not
// cancelled, what they add up to and how much of it was paid by traceable means. Gathered from the
// year's receipt archive and its companion in one pass over each.
namespace YearlyStatement {

// The texts of a receipt that its line on the statement shows.
enum class Column { Number, Date, Activity, From, To };

// A receipt on a statement. Its texts wait in one of the gathering's stores as stored bytes: a year
// of a large association is read without building a string per field.
struct Receipt {
    int position = 0;
    Currency amount;
    // Its way of payment in TSchedaRicevutaExtra::methods(); -1 when none is stated.
    int method = -1;
    qsizetype text = 0;
    std::array<quint8, 5> sizes{};
    quint8 store = 0;
};

// The texts of a statement, as its first receipt of the year names them.
enum class Detail { PayerCode, Payer, Practitioner, BirthPlace, BirthDate };

struct Statement {
    // Its texts wait in one of the gathering's stores like its receipts' (Gathered::text): the
    // details in the order of Detail, then the association's four lines.
    qsizetype text = 0;
    std::array<quint8, 9> sizes{};
    quint8 store = 0;
    // Its receipts in archive order: Gathered::receipts from `first` on.
    qsizetype first = 0;
    qsizetype count = 0;
    Currency total;
    // Paid by any way but cash; a receipt that states no way counts as untraced.
    Currency traceable;
};

// One payer of the year, as the choice of the statement lists them.
struct Payer {
    QString code;
    QString name;
};

struct Gathered {
    QString year;
    // By the payer's fiscal code, then by practitioner.
    std::vector<Statement> statements;
    // What could not be read as it should, each naming its receipt; the statements a warning
    // speaks of are left out rather than given a wrong total.
    QStringList warnings;
    // The receipts of every statement, one statement's after another's, in one block: a year is
    // gathered without a list per statement growing receipt by receipt.
    std::vector<Receipt> receipts;
    // Where the texts of the receipts and statements are kept: one store for each thread that read
    // the year.
    std::vector<ByteBuffer> stores;

    std::span<const Receipt> receiptsOf(const Statement& statement) const;
    QString text(const Receipt& receipt, Column which) const;
    QString text(const Statement& statement, Detail which) const;
    // The association's lines, empty ones left out.
    QStringList association(const Statement& statement) const;
    // Every payer with a statement, by fiscal code.
    QList<Payer> payers() const;
    // The statements of the payer with `code`; every statement when `code` is empty.
    std::vector<const Statement*> of(const QString& code) const;
};

// The statements of `year` from the archive at `archivePath` and its companion; a missing archive
// gives none and is not created. Raises StorageError when a file cannot be read.
Gathered gather(const QString& archivePath, const QString& year);

} // namespace YearlyStatement
