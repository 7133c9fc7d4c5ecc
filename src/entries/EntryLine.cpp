#include "EntryLine.h"

#include "TSchedaIngresso.h"
#include "app/RecordLine.h"

namespace {

using R = TSchedaIngresso;

constexpr LinePart<R> kParts[] = {
    {u"Data: "}, {&R::DataIngresso, 10},   {u"  Ora: "}, {&R::OraIngresso, 5},
    {u"  "},     {&R::AttivitaSvolta, 40}, {u"  "},      {&R::CognomeNome, 30},
    {u"  CF: "}, {&R::CodiceFiscale, 16},  {u"  Cel. "}, {&R::TelCellulare},
};

const RecordLine& layout() {
    static const RecordLine line{std::span<const LinePart<R>>(kParts)};
    return line;
}

} // namespace

namespace EntryLine {

QString of(QByteArrayView record) {
    return layout().of(record);
}

void appendTo(ResultLines& lines, QByteArrayView record) {
    layout().appendTo(lines, record);
}

qsizetype maxLength() {
    return layout().maxLength();
}

} // namespace EntryLine
