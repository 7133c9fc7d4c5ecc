#include "SpreadsheetDocument.h"

#include "AtomicFile.h"
#include "StorageError.h"
#include "Text.h"

namespace {

constexpr const char* kHead = "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
                              "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
                              "xmlns=\"http://www.w3.org/TR/REC-html40\">"
                              "<head>"
                              "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
                              "<!--[if gte mso 9]><xml>"
                              "<x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
                              "<x:Name>";
constexpr const char* kAfterName =
    "</x:Name>"
    "<x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number><x:ActiveRow>3</x:ActiveRow>"
    "</x:Pane></x:Panes>"
    "<x:ProtectContents>False</x:ProtectContents><x:ProtectObjects>False</x:ProtectObjects>"
    "<x:ProtectScenarios>False</x:ProtectScenarios>"
    "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook>"
    "</xml><![endif]-->"
    "</head><body><table x:str>";
constexpr const char* kHeaderCell = "<td style=\"text-align: left; font-weight: bold;\" width=";
// The table's x:str asks for every cell to stay text; LibreOffice ignores it and reads a cell as a
// number wherever it can ("00185" becomes 185, "1E5" 100000), so each data cell also carries its
// text number format (language Italian, format "@"). Spreadsheets that do not know the attribute
// pass over it.
constexpr const char* kDataCell = "<td style=\"text-align: left;\" sdnum=\"1040;0;@\">";
constexpr const char* kTail = "</table></body></html>";

bool needsCare(const QString& text) {
    for (QChar c : text)
        if (c == u'&' || c == u'<' || c == u'>' || c == u'\r' || c == u'\n')
            return true;
    return !Text::fitsWin1252(text);
}

void appendText(QByteArray& out, const QString& text) {
    if (!needsCare(text)) {
        out += Text::toWin1252(text);
        return;
    }
    for (char32_t c : text.toUcs4()) {
        switch (c) {
        case U'&':
            out += "&amp;";
            break;
        case U'<':
            out += "&lt;";
            break;
        case U'>':
            out += "&gt;";
            break;
        default: {
            const QString one = QString::fromUcs4(&c, 1);
            if (c != U'\r' && c != U'\n' && Text::fitsWin1252(one))
                out += Text::toWin1252(one);
            else
                out += "&#" + QByteArray::number(quint32(c)) + ';';
        }
        }
    }
}

} // namespace

namespace SpreadsheetDocument {

QByteArray bytes(const SpreadsheetExport& format, const QList<QStringList>& rows) {
    QByteArray out;
    out += kHead;
    appendText(out, QString::fromUtf8(format.sheetName));
    out += kAfterName;
    out += "<tr>";
    for (const SpreadsheetColumn& column : format.columns) {
        out += kHeaderCell + QByteArray::number(column.width) + '>';
        appendText(out, QString::fromUtf8(column.header));
        out += "</td>";
    }
    out += "</tr>";
    for (const QStringList& row : rows) {
        out += "<tr>";
        for (qsizetype i = 0; i < qsizetype(format.columns.size()); ++i) {
            out += kDataCell;
            appendText(out, Text::trimBlanks(row.value(i)));
            out += "</td>";
        }
        out += "</tr>";
    }
    out += kTail;
    return out;
}

void write(const QString& path, const SpreadsheetExport& format, const QList<QStringList>& rows) {
    if (!AtomicFile::replace(path, bytes(format, rows)))
        throw StorageError("Cannot write " + path.toStdString());
}

} // namespace SpreadsheetDocument
