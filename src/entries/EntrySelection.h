#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The entries a summary lists: those of one day, of one month or of the whole year of a register.
// An entry counts for the day and month chosen on the entry screen when it was saved (its `Giorno`,
// `Mese` and `Anno`), never for its whole date; each is compared without its blanks at the ends
// and with the letters A to Z in either case. The selection reads the stored bytes, so a summary
// of a large register never decodes a record it does not show.
class EntrySelection {
public:
    static EntrySelection ofDay(const QString& day, const QString& month, const QString& year);
    static EntrySelection ofMonth(const QString& month, const QString& year);
    static EntrySelection ofYear(const QString& year);

    bool matches(QByteArrayView record) const;

private:
    // Empty for a part that selects nothing: every day, every month.
    QByteArray m_day;
    QByteArray m_month;
    QByteArray m_year;
};
