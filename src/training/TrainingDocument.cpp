#include "TrainingDocument.h"

#include "TSchedaAllenamento.h"
#include "storage/DateText.h"
#include "storage/Text.h"

namespace {

using R = TSchedaAllenamento;

// The document's opening, up to the first label; %1 is the creation date.
constexpr const char* kHead = R"({\rtf1\ansi\ansicpg1252\deff0\deflang1040)"
                              R"({\fonttbl{\f0\fswiss\fprq2\fcharset0 Verdana;}{\f1\fnil Verdana;}})"
                              R"({\colortbl ;\red0\green0\blue0;})"
                              R"(\viewkind4\uc1\pard\nowidctlpar\qc\cf1\b\f0\fs24 SCHEDA DI ALLENAMENTO)"
                              R"(\par \fs16 (Data creazione documento: \b0 %1\b ))"
                              R"(\par \fs24 ________________________________________________)"
                              R"(\par \pard\nowidctlpar\fs20)";

// One label and its value: the label, then "\par \b0 " with the value and what follows it, then
// the closing piece (none for the last entry, which the document's end closes).
struct Entry {
    const char* label;
    QString R::*value;
    const char* afterValue;
    const char* close;
};

constexpr Entry kEntries[] = {
    {R"(\par \pard\nowidctlpar\qj Nome allenamento:)", &R::NomeAllenamento, "", R"(\par)"},
    {R"(\par \b Tipologia:)", &R::Tipologia, R"(\b)", R"(\par)"},
    {R"(\par Finalit\'e0:)", &R::Finalita, "", R"(\par)"},
    {R"(\par \b Livello:)", &R::Livello, "", R"(\par)"},
    {R"(\par \b Data inizio:)", &R::DataInizio, "", R"(\par)"},
    {R"(\par \b Data fine:)", &R::DataFine, "", R"(\par)"},
    {R"(\par \b Gruppi muscolari interessati:)", &R::GruppiMuscolari, "", R"(\par)"},
    {R"(\par \b Istruttore:)", &R::Istruttore, "", R"(\par)"},
    {R"(\par \b Dieta:)", &R::Dieta, "", R"(\par)"},
    {R"(\par \b Iscritto:)", &R::CognomeNome, "", R"(\par)"},
    {R"(\par \b Codice fiscale:)", &R::CodiceFiscale, "", R"(\par)"},
    {R"(\par \b Cellulare:)", &R::TelCellulare, "", R"(\par \b)"},
    {R"(\par E-mail:)", &R::Email, "", R"(\par)"},
    {R"(\par \b Numero tessera:)", &R::NumeroTessera, "", R"(\par)"},
    {R"(\par \b Peso in kg (inizio):)", &R::PesoInizio, "", R"(\par)"},
    {R"(\par \b Giro vita (inizio):)", &R::GirovitaInizio, "", R"(\par)"},
    {R"(\par \b Fianchi (inizio):)", &R::FianchiInizio, "", R"(\par)"},
    {R"(\par \b Torace (inizio):)", &R::ToraceInizio, "", R"(\par)"},
    {R"(\par \b Addome (inizio):)", &R::AddomeInizio, "", R"(\par)"},
    {R"(\par \b Peso in kg (fine):)", &R::PesoFine, "", R"(\par)"},
    {R"(\par \b Giro vita (fine):)", &R::GirovitaFine, "", R"(\par)"},
    {R"(\par \b Fianchi (fine):)", &R::FianchiFine, "", R"(\par)"},
    {R"(\par \b Torace (fine):)", &R::ToraceFine, "", R"(\par)"},
    {R"(\par \b Addome (fine):)", &R::AddomeFine, "", R"(\par)"},
    {R"(\par \b Altri risultati conseguiti:)", &R::AltriRisultati, "", R"(\par)"},
    {R"(\par \b Riscaldamento:)", &R::Riscaldamento, "", R"(\par)"},
    {R"(\par \b Esercizi:)", &R::Esercizi, "", R"(\par)"},
    {R"(\par \b Stretching:)", &R::Stretching, "", R"(\par)"},
    {R"(\par \b Durata totale:)", &R::DurataTotale, "", R"(\par)"},
    {R"(\par \b Tempo per recupero:)", &R::TempoRecupero, "", R"(\par)"},
    {R"(\par \b Frequenza:)", &R::Frequenza, R"(\b\f1\fs24)", nullptr},
};

constexpr const char* kEnd = R"(\par })";

// A line break inside a value ends the paragraph: the next one keeps its formatting (justified,
// plain type), so each line of a long text is a paragraph of its own whose last line stays as
// typed, where a manual line break would leave the line before it stretched across the page.
constexpr const char* kLineBreak = R"(\par )";

// A value as RTF text in the document's code page.
QByteArray escaped(const QString& value) {
    const QString text = Text::trimBlanks(value);
    QByteArray out;
    out.reserve(text.size() + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        switch (c.unicode()) {
        case u'\\':
        case u'{':
        case u'}':
            out += '\\';
            out += char(c.unicode());
            continue;
        case u'\r':
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            [[fallthrough]];
        case u'\n':
        case QChar::LineSeparator:
        case QChar::ParagraphSeparator:
            out += kLineBreak;
            continue;
        case u'\t':
            out += R"(\tab )";
            continue;
        default:
            break;
        }
        if (c.category() == QChar::Other_Control)
            continue; // no RTF reader shows one, and some stop at it
        if (!Text::fitsWin1252(c)) {
            // A signed 16-bit number a UTF-16 unit, with "?" for readers that know no Unicode.
            out += "\\u" + QByteArray::number(qint16(c.unicode())) + '?';
            continue;
        }
        out += Text::toWin1252(c);
    }
    return out;
}

} // namespace

namespace TrainingDocument {

QByteArray rtf(const TSchedaAllenamento& card, const QDate& created) {
    QByteArray doc = QByteArray(kHead).replace("%1", DateText::format(created).toLatin1());
    for (const Entry& e : kEntries) {
        doc += e.label;
        doc += R"(\par \b0 )";
        doc += escaped(card.*e.value);
        doc += e.afterValue;
        if (e.close)
            doc += e.close;
    }
    doc += kEnd;
    return doc;
}

} // namespace TrainingDocument
