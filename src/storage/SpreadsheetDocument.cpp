#include "SpreadsheetDocument.h"

#include "AtomicFile.h"
#include "FieldBytes.h"
#include "StorageError.h"
#include "Text.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr char kHead[] = "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
                         "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
                         "xmlns=\"http://www.w3.org/TR/REC-html40\">"
                         "<head>"
                         "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
                         "<!--[if gte mso 9]><xml>"
                         "<x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
                         "<x:Name>";
constexpr char kAfterName[] =
    "</x:Name>"
    "<x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number><x:ActiveRow>3</x:ActiveRow>"
    "</x:Pane></x:Panes>"
    "<x:ProtectContents>False</x:ProtectContents><x:ProtectObjects>False</x:ProtectObjects>"
    "<x:ProtectScenarios>False</x:ProtectScenarios>"
    "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook>"
    "</xml><![endif]-->"
    "</head><body><table x:str>";
constexpr char kHeaderCell[] = "<td style=\"text-align: left; font-weight: bold;\" width=";
// The table's x:str asks for every cell to stay text, but not every spreadsheet program takes it:
// one reads a cell as a number wherever it can ("00185" becomes 185, "1E5" 100000), and a cell
// beginning with "=", "+", "-" or "@" may be read as a formula. So each data cell also carries the
// text number format "@" in both forms spreadsheet programs read from an HTML cell: the style's
// mso-number-format and the sdnum attribute (language Italian). A program that does not know one
// of them passes over it.
constexpr char kDataCell[] = "<td style=\"text-align: left; mso-number-format:'\\@';\" sdnum=\"1040;0;@\">";
constexpr char kTail[] = "</table></body></html>";

// The document's bytes as they are made, handed to the file a block at a time when there is one:
// a large export fills and writes one small buffer over and over, never its whole document.
class Sink {
public:
    explicit Sink(AtomicFile* file = nullptr) : m_file(file) {}

    void put(QByteArrayView bytes) {
        if (bytes.isEmpty()) // an empty view may point nowhere, which no copy may be given
            return;
        if (m_size + bytes.size() > m_capacity)
            makeRoom(bytes.size());
        std::memcpy(m_data.get() + m_size, bytes.data(), std::size_t(bytes.size()));
        m_size += bytes.size();
    }
    void put(char c) { put(QByteArrayView(&c, 1)); }
    void flushIfLarge() {
        if (m_file && m_size >= kBlock)
            flush();
    }
    void flush() {
        if (m_file->write(m_data.get(), m_size) != m_size)
            throw StorageError("Cannot write " + m_file->errorString().toStdString());
        m_size = 0;
    }
    QByteArray bytes() const { return QByteArray(m_data.get(), m_size); }

private:
    static constexpr qsizetype kBlock = 1 << 20;

    void makeRoom(qsizetype more) {
        if (m_file && m_size > 0)
            flush();
        if (m_size + more <= m_capacity)
            return;
        const qsizetype capacity = std::max({2 * m_capacity, m_size + more, 2 * kBlock});
        auto data = std::make_unique_for_overwrite<char[]>(std::size_t(capacity));
        if (m_size > 0)
            std::memcpy(data.get(), m_data.get(), std::size_t(m_size));
        m_data = std::move(data);
        m_capacity = capacity;
    }

    AtomicFile* m_file;
    std::unique_ptr<char[]> m_data;
    qsizetype m_size = 0;
    qsizetype m_capacity = 0;
};

// The bytes of the code page that are control characters: C0 and DEL, and the five bytes the code
// page leaves undefined, which decode to C1 controls. A spreadsheet file may hold none of them but
// the tab and the line breaks.
bool isControl(unsigned char c) {
    return c < 0x20 || c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

// Whether a cell holds a byte it cannot hold as it is: "&", "<", ">", a line break or another
// control character. Eight bytes are looked at together, since almost no cell holds any and a
// large export looks at millions; a byte from 0x80 to 0x9F sends the cell the slow way too, where
// the five undefined ones among them are told apart.
bool needsCare(QByteArrayView text) {
    constexpr quint64 kOnes = 0x0101010101010101ull;
    constexpr quint64 kHighs = 0x8080808080808080ull;
    const auto holds = [](quint64 bytes, unsigned char c) {
        const quint64 v = bytes ^ (kOnes * c);
        return (v - kOnes) & ~v & kHighs;
    };
    qsizetype i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        quint64 bytes;
        std::memcpy(&bytes, text.data() + i, sizeof bytes);
        const quint64 belowBlank = (bytes - kOnes * 0x20) & ~bytes & kHighs;
        if (belowBlank | holds(bytes, '&') | holds(bytes, '<') | holds(bytes, '>') | holds(bytes, 0x7F) |
            holds(bytes & (kOnes * 0xE0), 0x80))
            return true;
    }
    for (; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '&' || c == '<' || c == '>' || isControl(c))
            return true;
    }
    return false;
}

// A Windows-1252 cell, its blanks at the ends already gone.
void putBytes(Sink& out, QByteArrayView text) {
    if (!needsCare(text)) {
        out.put(text);
        return;
    }
    for (char c : text) {
        switch (c) {
        case '&':
            out.put("&amp;");
            break;
        case '<':
            out.put("&lt;");
            break;
        case '>':
            out.put("&gt;");
            break;
        case '\r':
            out.put("&#13;");
            break;
        case '\n':
            out.put("&#10;");
            break;
        case '\t':
            out.put(c);
            break;
        default:
            if (!isControl(static_cast<unsigned char>(c)))
                out.put(c);
        }
    }
}

void putText(Sink& out, const QString& text) {
    if (Text::fitsWin1252(text)) {
        putBytes(out, Text::toWin1252(text));
        return;
    }
    for (char32_t c : text.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (QChar::category(c) == QChar::Other_Control && !Text::fitsWin1252(one))
            continue; // a C1 control the code page lacks; the others go with the bytes below
        if (Text::fitsWin1252(one))
            putBytes(out, Text::toWin1252(one));
        else
            out.put(QByteArray("&#" + QByteArray::number(quint32(c)) + ';'));
    }
}

void putCell(Sink& out, QByteArrayView bytes) {
    out.put(kDataCell);
    putBytes(out, trimmedBytes(bytes));
    out.put("</td>");
}

void putCell(Sink& out, const QString& text) {
    out.put(kDataCell);
    putText(out, Text::trimBlanks(text));
    out.put("</td>");
}

// The whole document, the cells of each data row put by `putCells(out, row)`.
template <class PutCells>
void document(Sink& out, const SpreadsheetExport& format, qsizetype rowCount, PutCells&& putCells) {
    out.put(kHead);
    putText(out, QString::fromUtf8(format.sheetName));
    out.put(kAfterName);
    out.put("<tr>");
    for (const SpreadsheetColumn& column : format.columns) {
        out.put(kHeaderCell);
        out.put(QByteArray::number(column.width));
        out.put('>');
        putText(out, QString::fromUtf8(column.header));
        out.put("</td>");
    }
    out.put("</tr>");
    for (qsizetype row = 0; row < rowCount; ++row) {
        out.put("<tr>");
        putCells(out, row);
        out.put("</tr>");
        out.flushIfLarge();
    }
    out.put(kTail);
}

auto textCells(const SpreadsheetExport& format, const QList<QStringList>& rows) {
    return [&rows, columns = qsizetype(format.columns.size())](Sink& out, qsizetype row) {
        for (qsizetype c = 0; c < columns; ++c)
            putCell(out, rows[row].value(c));
    };
}

auto byteCells(const SpreadsheetExport& format, const SpreadsheetDocument::RowBytes& cellsOf) {
    return [&cellsOf, cells = std::vector<QByteArrayView>(format.columns.size())](Sink& out,
                                                                                  qsizetype row) mutable {
        cellsOf(row, cells);
        for (QByteArrayView cell : cells)
            putCell(out, cell);
    };
}

template <class PutCells>
QByteArray documentBytes(const SpreadsheetExport& format, qsizetype rowCount, PutCells&& putCells) {
    Sink out;
    document(out, format, rowCount, putCells);
    return out.bytes();
}

template <class PutCells>
void writeDocument(const QString& path, const SpreadsheetExport& format, qsizetype rowCount,
                   PutCells&& putCells) {
    AtomicFile file(path);
    if (!file.open())
        throw StorageError("Cannot write " + path.toStdString());
    Sink out(&file);
    document(out, format, rowCount, putCells);
    out.flush();
    if (!file.commit())
        throw StorageError("Cannot write " + path.toStdString());
}

} // namespace

namespace SpreadsheetDocument {

QByteArray bytes(const SpreadsheetExport& format, const QList<QStringList>& rows) {
    return documentBytes(format, rows.size(), textCells(format, rows));
}

QByteArray bytes(const SpreadsheetExport& format, qsizetype rowCount, const RowBytes& row) {
    return documentBytes(format, rowCount, byteCells(format, row));
}

void write(const QString& path, const SpreadsheetExport& format, const QList<QStringList>& rows) {
    writeDocument(path, format, rows.size(), textCells(format, rows));
}

void write(const QString& path, const SpreadsheetExport& format, qsizetype rowCount, const RowBytes& row) {
    writeDocument(path, format, rowCount, byteCells(format, row));
}

} // namespace SpreadsheetDocument
