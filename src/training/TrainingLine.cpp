#include "TrainingLine.h"

#include "TSchedaAllenamento.h"
#include "app/RecordLine.h"

namespace {

using R = TSchedaAllenamento;

constexpr LinePart<R> kParts[] = {
    {&R::NomeAllenamento, 40}, {u"  Tipo: "}, {&R::Tipologia, 26}, {u"  Da: "},
    {&R::DataInizio, 10},      {u"  A: "},    {&R::DataFine, 10},  {u"  "},
    {&R::CognomeNome},         {u"  Cel. "},  {&R::TelCellulare},
};

const RecordLine& layout() {
    static const RecordLine line{std::span<const LinePart<R>>(kParts)};
    return line;
}

} // namespace

namespace TrainingLine {

QString of(QByteArrayView record) {
    return layout().of(record);
}

void appendTo(ResultLines& lines, QByteArrayView record) {
    layout().appendTo(lines, record);
}

qsizetype maxLength() {
    return layout().maxLength();
}

} // namespace TrainingLine
