#include "RecordLine.h"

#include "storage/Text.h"

void appendLineField(QString& line, QByteArrayView bytes, int width) {
    const QByteArrayView shown = width > 0 && bytes.size() > width ? bytes.first(width) : bytes;
    line += Text::fromWin1252(shown);
    if (width > shown.size())
        line += QString(width - shown.size(), u' ');
}
