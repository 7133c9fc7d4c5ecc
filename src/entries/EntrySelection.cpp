#include "EntrySelection.h"

#include "TSchedaIngresso.h"
#include "storage/FieldBytes.h"
#include "storage/Text.h"

namespace {

using R = TSchedaIngresso;

QByteArray bytesOf(const QString& text) {
    return Text::toWin1252(Text::trimBlanks(text));
}

bool equalFolded(QByteArrayView stored, QByteArrayView wanted) {
    return Text::compareLowerAZ(stored, wanted) == 0;
}

} // namespace

EntrySelection EntrySelection::ofDay(const QString& day, const QString& month, const QString& year) {
    EntrySelection s = ofMonth(month, year);
    s.m_day = bytesOf(day);
    return s;
}

EntrySelection EntrySelection::ofMonth(const QString& month, const QString& year) {
    EntrySelection s = ofYear(year);
    s.m_month = bytesOf(month);
    return s;
}

EntrySelection EntrySelection::ofYear(const QString& year) {
    EntrySelection s;
    s.m_year = bytesOf(year);
    return s;
}

bool EntrySelection::matches(QByteArrayView record) const {
    static const FieldBytes day = FieldBytes::of(&R::Giorno);
    static const FieldBytes month = FieldBytes::of(&R::Mese);
    static const FieldBytes year = FieldBytes::of(&R::Anno);
    return equalFolded(year.text(record), m_year) &&
           (m_month.isEmpty() || equalFolded(month.text(record), m_month)) &&
           (m_day.isEmpty() || equalFolded(day.text(record), m_day));
}
