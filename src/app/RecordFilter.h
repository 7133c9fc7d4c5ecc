#pragma once

#include "storage/FieldBytes.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The filters of a search: texts typed by the user, each looked for in one text field of a record
// as a substring, with case folded for the letters A to Z only. A record passes when every filter
// holding more than blanks occurs in its field; an empty or blank-only filter is no filter, so
// with none every record passes. A filter is used as typed, inner and outer blanks included.
//
// Matching works on the stored Windows-1252 bytes, so a search never decodes a record: each
// character is one byte and the blanks are the bytes up to 0x20, so a substring of the decoded,
// trimmed text is exactly a substring of the trimmed bytes.
class RecordFilter {
public:
    template <class R> void add(const QString& text, QString R::*member) {
        add(text, FieldBytes::of(member));
    }
    void add(const QString& text, const FieldBytes& field);

    bool matches(QByteArrayView record) const;

private:
    struct Filter {
        QByteArray needle; // A-Z lower-cased
        FieldBytes field;
    };
    std::vector<Filter> m_filters;
    // A filter with a character the archive cannot hold: no record can pass.
    bool m_unmatchable = false;
};
