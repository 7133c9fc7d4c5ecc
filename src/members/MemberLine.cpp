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

} // namespace

namespace MemberLine {

QString of(QByteArrayView record) {
    return recordLine<R>(kParts, record);
}

} // namespace MemberLine
