#include "MemberRegister.h"

#include "CertificateState.h"
#include "TSchedaIscritto.h"
#include "app/KeySort.h"
#include "reports/ListReport.h"
#include "reports/ReportRenderer.h"
#include "storage/ArchiveFile.h"
#include "storage/ArchiveParts.h"
#include "storage/CompanionArchive.h"
#include "storage/DateText.h"
#include "storage/FieldBytes.h"
#include "storage/StorageError.h"
#include "storage/Text.h"

#include <algorithm>
#include <vector>

namespace MemberRegister {

namespace {

using S = TSchedaSocio;
using M = TSchedaIscritto;

constexpr SpreadsheetColumn kColumns[] = {
    {"N.", 80, "N. socio"},  {"Cognome e nome", 250}, {"Nato a", 250},     {"il", 150},
    {"Codice fiscale", 250}, {"Residenza", 400},      {"Ammissione", 150}, {"Recesso", 150},
    {"Causa", 150},          {"Quota", 150},
};
constexpr int kColumnCount = int(std::size(kColumns));

// The printed line: each column's width, the number and the fee set to the right.
struct LineColumn {
    int width;
    bool right = false;
};
constexpr LineColumn kLineColumns[kColumnCount] = {{5, true}, {28}, {18}, {10}, {16},
                                                   {32},      {10}, {10}, {10}, {9, true}};

// The printed line's width: every column, a blank between two.
constexpr int kLineWidth = [] {
    int width = kColumnCount - 1;
    for (const LineColumn& column : kLineColumns)
        width += column.width;
    return width;
}();

// The highest member number a record can hold: ten digits.
constexpr qint64 kHighestNumber = 9999999999;

CompanionArchive companion() {
    return CompanionArchive(M::path(), S::Size);
}

// A stored member number, 0 for none or for anything but a number without leading zeros.
qint64 numberOf(QByteArrayView digits) {
    if (digits.isEmpty() || digits.front() == '0')
        return 0;
    qint64 n = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return 0;
        n = n * 10 + (c - '0');
    }
    return n;
}

qint64 highestNumber(ArchiveFile& file) {
    const FieldBytes number = FieldBytes::of(&S::NumeroSocio);
    qint64 highest = 0;
    file.scan(
        [&](int, QByteArrayView record) { highest = std::max(highest, numberOf(number.text(record))); });
    return highest;
}

void writeExpiry(int position, const QString& expiry) {
    ArchiveFile file(M::path(), M::Size);
    file.open(ArchiveFile::Access::Write);
    if (position > file.count())
        throw StorageError("The member of the register is not in the members archive");
    file.seek(position);
    QByteArray record = file.read();
    // Only the expiry's own bytes change: the rest of the record stays as another installation
    // wrote it.
    const FieldBytes field = FieldBytes::of(&M::ScadenzaCertificato);
    storeField(record.data() + field.offset, field.capacity, field.kind, expiry);
    file.seek(position);
    file.write(record);
}

QByteArrayView itemOrEmpty(QByteArrayView text, const std::vector<QByteArray>& items) {
    return std::find(items.begin(), items.end(), text) != items.end() ? text : QByteArrayView();
}

std::vector<QByteArray> win1252(const QStringList& items) {
    std::vector<QByteArray> out;
    for (const QString& item : items)
        out.push_back(Text::toWin1252(item));
    return out;
}

// Address, postal code and town, country: the parts given, one after the other.
void joinResidence(QByteArray& out, QByteArrayView address, QByteArrayView cap, QByteArrayView town,
                   QByteArrayView country) {
    out.clear();
    const auto add = [&out](QByteArrayView part, const char* separator) {
        if (part.isEmpty())
            return;
        if (!out.isEmpty())
            out += separator;
        out += part;
    };
    add(address, ", ");
    add(cap, ", ");
    add(town, cap.isEmpty() ? ", " : " ");
    add(country, ", ");
}

} // namespace

const SpreadsheetExport kRegisterExport{"Libro_Soci.xls", "Libro soci", kColumns};
const SpreadsheetExport kWithoutConsentExport{"Soci_Senza_Consenso.xls", "Soci senza consenso", kColumns};

TSchedaSocio load(int position) {
    return SocioCodec::decode(companion().read(position)).cleaned();
}

std::optional<Problem> check(const TSchedaSocio& s) {
    const QDate application = DateText::parse(s.DataDomanda);
    const QDate admission = DateText::parse(s.DataAmmissione);
    const QDate exit = DateText::parse(s.DataRecesso);
    if (application.isValid() && admission.isValid() && admission < application)
        return Problem{"txtAmmissione", QStringLiteral("Attenzione: la data di ammissione non può precedere "
                                                       "la data della domanda.")};
    if (exit.isValid() && !admission.isValid())
        return Problem{"txtAmmissione", QStringLiteral("Attenzione: il recesso può essere registrato "
                                                       "soltanto per un socio ammesso.")};
    if (exit.isValid() && exit < admission)
        return Problem{"txtRecesso", QStringLiteral("Attenzione: la data di recesso non può precedere la "
                                                    "data di ammissione.")};
    if (exit.isValid() && s.CausaRecesso.isEmpty())
        return Problem{"cboCausa", QStringLiteral("Attenzione: per salvare la data di recesso è "
                                                  "necessario indicarne la causa.")};
    if (!exit.isValid() && !s.CausaRecesso.isEmpty())
        return Problem{"txtRecesso", QStringLiteral("Attenzione: per salvare la causa del recesso è "
                                                    "necessario indicarne la data.")};
    return std::nullopt;
}

QString proposedExpiry(const TSchedaSocio& s) {
    const QDate issued = DateText::parse(s.DataCertificato);
    if (!issued.isValid() || s.TipoCertificato.isEmpty() ||
        s.TipoCertificato == QLatin1String(CertificateState::kNotRequiredKind))
        return {};
    return DateText::format(issued.addYears(1));
}

TSchedaSocio save(int position, const TSchedaSocio& socio, const std::optional<QString>& expiry) {
    std::function<void()> then;
    if (expiry)
        then = [&] { writeExpiry(position, *expiry); };
    const QByteArray saved = companion().update(
        position,
        [&](ArchiveFile& file, QByteArrayView current) {
            TSchedaSocio r = socio.cleaned();
            r.NumeroSocio = SocioCodec::decode(current).cleaned().NumeroSocio;
            if (r.NumeroSocio.isEmpty() && !r.DataAmmissione.isEmpty()) {
                const qint64 next = highestNumber(file) + 1;
                if (next > kHighestNumber)
                    throw StorageError("The register has no member number left");
                r.NumeroSocio = QString::number(next);
            }
            return SocioCodec::encode(r);
        },
        then);
    return SocioCodec::decode(saved);
}

GridRows rows(List list, const QDate& activeOn) {
    const FieldBytes number = FieldBytes::of(&S::NumeroSocio);
    const FieldBytes admission = FieldBytes::of(&S::DataAmmissione);
    const FieldBytes exit = FieldBytes::of(&S::DataRecesso);
    const FieldBytes cause = FieldBytes::of(&S::CausaRecesso);
    const FieldBytes consent = FieldBytes::of(&S::ConsensoPrivacy);
    const QByteArray yes = Text::toWin1252(QStringLiteral("Sì"));
    const std::vector<QByteArray> causes = win1252(S::causes());

    // The members the list shows, found in the companion in file order with the register's own
    // cells.
    struct Listed {
        qint64 number;
        int position;
    };
    std::vector<Listed> listed;
    constexpr int kExtraCells = 3;
    GridRows extra(kExtraCells);
    companion().scan([&](int p, QByteArrayView record) {
        const qint64 n = numberOf(number.text(record));
        if (n == 0)
            return;
        const QByteArrayView in = admission.text(record);
        const QByteArrayView out = exit.text(record);
        const QDate admitted = DateText::parse(in);
        const QDate left = DateText::parse(out);
        if (activeOn.isValid() &&
            (!admitted.isValid() || admitted > activeOn || (left.isValid() && left < activeOn)))
            return;
        if (list == List::WithoutConsent && consent.text(record) == yes)
            return;
        listed.push_back({n, p});
        const QByteArrayView cells[kExtraCells] = {admitted.isValid() ? in : QByteArrayView(),
                                                   left.isValid() ? out : QByteArrayView(),
                                                   itemOrEmpty(cause.text(record), causes)};
        extra.append(cells);
    });

    // Each listed member's row, built as the members archive is read in file order; a member the
    // archive does not hold is left out.
    const FieldBytes memberFields[] = {
        FieldBytes::of(&M::CognomeNome),   FieldBytes::of(&M::LuogoNascita), FieldBytes::of(&M::DataNascita),
        FieldBytes::of(&M::CodiceFiscale), FieldBytes::of(&M::Quota),
    };
    const FieldBytes address = FieldBytes::of(&M::Indirizzo);
    const FieldBytes cap = FieldBytes::of(&M::Cap);
    const FieldBytes town = FieldBytes::of(&M::Citta);
    const FieldBytes country = FieldBytes::of(&M::Nazione);
    qsizetype most = 11 + kExtraCells * 21;
    for (const FieldBytes& f : {memberFields[0], memberFields[1], memberFields[2], memberFields[3],
                                memberFields[4], address, cap, town, country})
        most += f.capacity + 2;
    // The archive is read in parts on two cores at once, each part's rows kept with their member
    // numbers.
    struct Part {
        GridRows rows{kColumnCount};
        std::vector<KeyedEntry> shown; // each row's member number and its place in the part
    };
    std::vector<Part> parts(ArchiveParts::kParts);
    ArchiveFile members(M::path(), M::Size);
    members.open(ArchiveFile::Access::Read);
    const auto listPart = [&](Part& part, int first, int records) {
        const auto listedFrom = [&listed](int position) {
            return std::size_t(std::lower_bound(listed.begin(), listed.end(), position,
                                                [](const Listed& l, int p) { return l.position < p; }) -
                               listed.begin());
        };
        std::size_t next = listedFrom(first); // the first listed member of the part not yet met
        const std::size_t end = listedFrom(first + records);
        // Room for the most every member could need, asked for once: untouched room costs nothing.
        part.rows.reserve(qsizetype(end - next), qsizetype(end - next) * most);
        part.shown.reserve(end - next);
        QByteArray residence;
        QByteArray numberText;
        QByteArrayView e[kExtraCells];
        members.scanRange(first, records, [&](int position, QByteArrayView block) {
            for (qsizetype at = 0; at < block.size() && next < end; at += M::Size, ++position) {
                if (listed[next].position != position)
                    continue;
                const QByteArrayView record = block.sliced(at, M::Size);
                joinResidence(residence, address.text(record), cap.text(record), town.text(record),
                              country.text(record));
                extra.cells(qsizetype(next), e);
                numberText.setNum(listed[next].number);
                const QByteArrayView cells[kColumnCount] = {numberText,
                                                            memberFields[0].text(record),
                                                            memberFields[1].text(record),
                                                            memberFields[2].text(record),
                                                            memberFields[3].text(record),
                                                            residence,
                                                            e[0],
                                                            e[1],
                                                            e[2],
                                                            memberFields[4].text(record)};
                part.shown.push_back({quint64(listed[next].number), int(part.rows.rowCount())});
                part.rows.append(cells);
                ++next;
            }
        });
    };
    ArchiveParts::runAll(ArchiveParts::kParts, members.count(), [&](int part, int first, int records) {
        listPart(parts[std::size_t(part)], first, records);
    });
    GridRows out(kColumnCount);
    std::vector<KeyedEntry> shown;
    shown.reserve(listed.size());
    for (Part& part : parts) {
        const int base = int(out.rowCount());
        for (const KeyedEntry& row : part.shown)
            shown.push_back({row.key, base + row.index});
        out.adopt(std::move(part.rows));
    }
    // By number; the same number twice keeps file order.
    std::vector<KeyedEntry> spare;
    sortByKey(shown, spare);
    std::vector<qsizetype> order(shown.size());
    std::transform(shown.begin(), shown.end(), order.begin(), [](const KeyedEntry& s) { return s.index; });
    out.arrange(std::move(order));
    return out;
}

QStringList lines(const GridRows& rows, const QDate& activeOn) {
    const auto line = [](const auto& cellText) {
        QString text;
        text.reserve(kLineWidth);
        for (int c = 0; c < kColumnCount; ++c) {
            const LineColumn& column = kLineColumns[c];
            const QString cell = cellText(c).left(column.width);
            if (c > 0)
                text += u' ';
            text += column.right ? cell.rightJustified(column.width) : cell.leftJustified(column.width);
        }
        return text;
    };
    QStringList out;
    if (activeOn.isValid())
        out << QStringLiteral("Soci attivi alla data ") + DateText::format(activeOn) << QString();
    out << line([](int c) { return QString::fromUtf8(kColumns[c].header); });
    out << line([](int c) { return QString(kLineColumns[c].width, u'-'); });
    QByteArrayView cells[kColumnCount];
    for (qsizetype r = 0; r < rows.rowCount(); ++r) {
        rows.cells(r, cells);
        out << line([&](int c) { return Text::fromWin1252(cells[c]); });
    }
    return out;
}

QString title(List list) {
    return list == List::Register ? QStringLiteral("Libro soci")
                                  : QStringLiteral("Soci senza consenso al trattamento dei dati");
}

ReportTemplate document(List list, const QStringList& lines, const QDate& printDate) {
    ReportTemplate report = ListReport::make(title(list), lines, printDate);
    report.setText(QStringLiteral("txtPagina"), QStringLiteral("Pagina %1 di %2")
                                                    .arg(QLatin1String(ReportRenderer::kPageToken),
                                                         QLatin1String(ReportRenderer::kPagesToken)));
    return report;
}

} // namespace MemberRegister
