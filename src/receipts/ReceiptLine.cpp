#include "ReceiptLine.h"

#include "TSchedaRicevuta.h"
#include "app/RecordLine.h"

namespace {

using R = TSchedaRicevuta;

constexpr LinePart<R> kParts[] = {
    {u"Ric. n. "},  {&R::NumeroRicevuta, 12}, {u"  Data: "},  {&R::DataRicevuta, 10},
    {u"  "},        {&R::Pagatore, 26},       {u"  Sport: "}, {&R::AttivitaSportiva, 30},
    {u"  Dal "},    {&R::PeriodoDal, 10},     {u"  Al "},     {&R::PeriodoAl, 10},
    {u"  Tot. € "}, {&R::ImportoTotale},
};

const RecordLine& layout() {
    static const RecordLine line{std::span<const LinePart<R>>(kParts)};
    return line;
}

} // namespace

namespace ReceiptLine {

QString of(QByteArrayView record) {
    return layout().of(record);
}

void appendTo(ResultLines& lines, QByteArrayView record) {
    layout().appendTo(lines, record);
}

qsizetype maxLength() {
    return layout().maxLength();
}

} // namespace ReceiptLine
