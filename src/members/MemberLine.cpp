#include "MemberLine.h"

#include "TSchedaIscritto.h"
#include "app/RecordLine.h"

namespace {

using R = TSchedaIscritto;

constexpr LinePart<R> kParts[] = {
    {&R::CognomeNome, 30},
    {u"  Tel. "},
    {&R::TelCasa, 16},
    {u"  Cel. "},
    {&R::TelCellulare, 16},
    {u"  Tessera n. "},
    {&R::NumeroTessera, 24},
    {u"  Scad. "},
    {&R::ScadenzaTessera, 10},
    {u"  Quota: € "},
    {&R::Quota},
};

const RecordLine& layout() {
    static const RecordLine line{std::span<const LinePart<R>>(kParts)};
    return line;
}

} // namespace

namespace MemberLine {

QString of(QByteArrayView record) {
    return layout().of(record);
}

void appendTo(ResultLines& lines, QByteArrayView record) {
    layout().appendTo(lines, record);
}

qsizetype maxLength() {
    return layout().maxLength();
}

} // namespace MemberLine
