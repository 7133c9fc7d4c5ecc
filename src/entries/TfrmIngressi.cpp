#include "TfrmIngressi.h"

#include "EntryGuide.h"
#include "EntryNotice.h"
#include "EntrySummary.h"
#include "TfrmAnteprimaIngresso.h"
#include "TfrmExpIngressi.h"
#include "TfrmStampaIngressi.h"
#include "TfrmTrovaIngressi.h"
#include "app/Artwork.h"
#include "app/DateLists.h"
#include "app/MailAddress.h"
#include "app/Platform.h"
#include "app/StatusLine.h"
#include "app/SummaryGridScreen.h"
#include "app/TfrmGuida.h"
#include "members/CodeCheck.h"
#include "members/TSchedaIscritto.h"
#include "members/TfrmTrovaTiratori.h"
#include "storage/Text.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace {

using R = TSchedaIngresso;

constexpr RecordScreenSetup kSetup{
    .objectName = "frmIngressi",
    .caption = " Zandorio - Registro ingressi",
    .ready = "Pronto per stampare una nuova scheda...",
    .appended = "La scheda corrente è stata salvata in archivio.",
};

// The entry's controls in their Enter order, with the entry field each one shows. The hidden
// labels carry the whole date and time of an entry loaded from the register.
constexpr FieldBinding<R> kFields[] = {
    {{.name = "txtGiornoRit",
      .label = "Giorno:",
      .maxLength = 2,
      .control = Control::Pick,
      .items = DateLists::days},
     &R::Giorno},
    {{.name = "txtMeseRit",
      .label = "Mese:",
      .maxLength = 10,
      .control = Control::Pick,
      .items = DateLists::months},
     &R::Mese},
    {{.name = "txtOreRit",
      .label = "Ore:",
      .maxLength = 2,
      .control = Control::Pick,
      .items = DateLists::hours},
     &R::Ore},
    {{.name = "txtMinutiRit",
      .label = "Minuti:",
      .maxLength = 2,
      .control = Control::Pick,
      .items = DateLists::minutes},
     &R::Minuti},
    {{"txtAttivita", "Attività svolta:", 250}, &R::AttivitaSvolta},
    {{.name = "txtIngressi",
      .label = "Ingressi rimanenti:",
      .maxLength = 4,
      .input = Input::Digits,
      .align = Qt::AlignHCenter},
     &R::IngressiRimanenti},
    {{"txtAttrezzature", "Attrezzature utilizzate:", 250}, &R::Attrezzature},
    {{"txtTesserato", "Iscritto:", 50}, &R::CognomeNome},
    {{"txtCodFisc", "Codice fiscale:", 16, Input::Upper}, &R::CodiceFiscale},
    {{"txtRecapito", "Tel. cellulare:", 30, Input::Digits}, &R::TelCellulare},
    {{"txtNumTessera", "Tessera n.", 50}, &R::NumeroTessera},
    {{"txtEmail", "E-mail:", 50, Input::Trimmed}, &R::Email},
    {{"txtNote", "Note:", 250}, &R::Note},
    {{"txtIncaricato", "Persona incaricata:", 120}, &R::Incaricato},
    {{.name = "lblDataRit", .label = nullptr, .control = Control::Hidden}, &R::DataIngresso},
    {{.name = "lblOraRit", .label = nullptr, .control = Control::Hidden}, &R::OraIngresso},
};

constexpr Command kCommands[] = {
    {"cmdNuovo", "Nuovo", "document-new", "Prepara la schermata per la registrazione di una nuova scheda."},
    {"cmdDuplica", "Duplica", "edit-copy",
     "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
    {"cmdSalva", "Salva", "document-save", "Salva la scheda corrente in archivio."},
    {"cmdTrova", "Trova", "edit-find", "Trova una scheda in archivio."},
    {"cmdAnteprima", "Anteprima", "document-print-preview",
     "Visualizza l'anteprima di stampa della scheda corrente."},
    {"cmdStampa", "Stampa", "document-print", "Stampa la scheda corrente."},
    {"cmdPrimo", "Primo", "go-first", "Visualizza la prima scheda in archivio."},
    {"cmdIndietro", "Indietro", "go-previous", "Visualizza la scheda precedente in archivio."},
    {"cmdAvanti", "Avanti", "go-next", "Visualizza la scheda successiva in archivio."},
    {"cmdUltimo", "Ultimo", "go-last", "Visualizza l'ultima scheda in archivio."},
    {"cmdEsporta", "Esporta", "x-office-spreadsheet",
     "Esporta le schede in archivio in un file di Microsoft Excel."},
    {"cmdRiepGiornaliero", "G", "view-calendar-day", "Visualizza il riepilogo giornaliero degli ingressi."},
    {"cmdRiepMensile", "M", "view-calendar-month", "Visualizza il riepilogo mensile degli ingressi."},
    {"cmdRiepAnnuale", "A", "view-calendar", "Visualizza il riepilogo annuale degli ingressi."},
    {"cmdGuida", "Guida", "help-contents", "Visualizza la pagina della guida sensibile al contesto."},
    {"cmdEsci", "Esci", "application-exit", "Esci da questa schermata di lavoro."},
};

// Small picture buttons, each beside its control.
struct FieldButton {
    const char* field;
    Command command;
};

constexpr FieldButton kFieldButtons[] = {
    {"txtMeseRit", {"impRitiro", "Data corrente", "view-calendar-day", "Inserisci la data corrente."}},
    {"txtMinutiRit", {"impOraRit", "Ora corrente", "chronometer", "Inserisci l'ora corrente."}},
    {"txtTesserato",
     {"impCliente", "Importa iscritto", nullptr, "Importa i dati dall'archivio degli iscritti."}},
    {"txtCodFisc",
     {"btnCodFisc", "Controlla codice fiscale", "dialog-ok-apply", "Controlla il codice fiscale."}},
    {"txtRecapito",
     {"btnWhatsApp", "Invia WhatsApp", "call-start",
      "Invia all'iscritto tramite WhatsApp una notifica dell'avvenuta registrazione dell'ingresso in "
      "palestra."}},
    {"txtEmail",
     {"cmdEmail", "Invia e-mail", "mail-send",
      "Invia all'iscritto una mail di conferma dell'avvenuta registrazione dell'ingresso in palestra."}},
};

// The fields under the date and time, in the order they are laid out.
constexpr const char* kEntryFields[] = {"txtAttivita", "txtIngressi",  "txtAttrezzature", "txtTesserato",
                                        "txtCodFisc",  "txtRecapito",  "txtNumTessera",   "txtEmail",
                                        "txtNote",     "txtIncaricato"};
constexpr const char* kDateAndTime[] = {"txtGiornoRit", "txtMeseRit", "txtOreRit", "txtMinutiRit"};

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

TfrmIngressi::TfrmIngressi() : RecordScreen(kSetup, kCommands, kFields, [this] { return registerPath(); }) {
    m_lblFile = new QLabel(this);
    m_lblFile->setObjectName(QStringLiteral("lblFile"));
    m_lblFile->hide();
    m_lblAnnoRit = new QLabel(QStringLiteral("ANNO"), this);
    m_lblAnnoRit->setObjectName(QStringLiteral("lblAnnoRit"));
    m_lblAnnoRit->setStyleSheet(QStringLiteral("font-weight: bold;"));
    m_lblAnnoRit->setAccessibleDescription(QStringLiteral("Anno"));
    setBody(buildBody());

    connect(button("cmdTrova"), &QToolButton::clicked, this, &TfrmIngressi::cmdTrovaClick);
    connect(button("cmdAnteprima"), &QToolButton::clicked, this,
            [this] { TfrmAnteprimaIngresso(this).exec(); });
    connect(button("cmdStampa"), &QToolButton::clicked, this, [this] { TfrmStampaIngressi(this).exec(); });
    connect(button("cmdEsporta"), &QToolButton::clicked, this,
            [this] { TfrmExpIngressi(this, year(), registerPath()).exec(); });
    const auto summary = [this](EntrySummary::Kind kind) {
        return [this, kind] { EntrySummary::make(kind, this, year(), registerPath())->exec(); };
    };
    connect(button("cmdRiepGiornaliero"), &QToolButton::clicked, this, summary(EntrySummary::Kind::Daily));
    connect(button("cmdRiepMensile"), &QToolButton::clicked, this, summary(EntrySummary::Kind::Monthly));
    connect(button("cmdRiepAnnuale"), &QToolButton::clicked, this, summary(EntrySummary::Kind::Annual));
    connect(button("cmdGuida"), &QToolButton::clicked, this,
            [this] { showGuide(this, EntryGuide::kTitle, EntryGuide::text()); });
    connect(button("impRitiro"), &QToolButton::clicked, this, &TfrmIngressi::putToday);
    connect(button("impOraRit"), &QToolButton::clicked, this, &TfrmIngressi::putNow);
    button("impCliente")->setIcon(Artwork::importArrow());
    connect(button("impCliente"), &QToolButton::clicked, this, &TfrmIngressi::impClienteClick);
    connect(button("btnCodFisc"), &QToolButton::clicked, this,
            [this] { openCodeCheck(fields()->text("txtCodFisc"), this); });
    connect(button("btnWhatsApp"), &QToolButton::clicked, this, &TfrmIngressi::btnWhatsAppClick);
    connect(button("cmdEmail"), &QToolButton::clicked, this, &TfrmIngressi::cmdEmailClick);
    clearRecord();
}

QLayout* TfrmIngressi::buildBody() {
    const auto addButton = [this](QWidget* parent, const char* field) {
        for (const FieldButton& fb : kFieldButtons)
            if (qstrcmp(fb.field, field) == 0) {
                QToolButton* b = makeCommandButton(fb.command, statusLine(), parent, Qt::ToolButtonIconOnly);
                b->setIconSize(QSize(16, 16));
                return b;
            }
        return static_cast<QToolButton*>(nullptr);
    };
    // The date and the time, each in its group beside its button; the year is the register's.
    const auto group = [&](const QString& caption, std::span<const char* const> names, QWidget* extra) {
        auto* box = new QGroupBox(caption, this);
        auto* row = new QHBoxLayout(box);
        for (const char* name : names) {
            QWidget* pick = fields()->control(name);
            pick->setMinimumWidth(qstrcmp(name, "txtMeseRit") == 0 ? 130 : 60);
            row->addWidget(fields()->label(name));
            row->addWidget(pick);
        }
        if (extra)
            row->addWidget(extra);
        row->addWidget(addButton(box, names.back()));
        row->addStretch();
        return box;
    };
    auto* when = new QHBoxLayout;
    when->addWidget(
        group(QStringLiteral(" Data ingresso: "), std::span(kDateAndTime).first(2), m_lblAnnoRit));
    when->addWidget(group(QStringLiteral(" Ora ingresso: "), std::span(kDateAndTime).last(2), nullptr));
    when->addStretch();

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    int line = 0;
    for (const char* name : kEntryFields) {
        grid->addWidget(fields()->label(name), line, 0);
        grid->addWidget(fields()->control(name), line, 1);
        if (QToolButton* b = addButton(this, name)) {
            b->setFixedHeight(fields()->control(name)->sizeHint().height());
            grid->addWidget(b, line, 2);
        }
        ++line;
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(line, 1);

    auto* body = new QVBoxLayout;
    body->addLayout(when);
    body->addLayout(grid, 1);
    return body;
}

void TfrmIngressi::openRegister(const QString& year, const QString& path) {
    m_lblFile->setText(path);
    m_lblAnnoRit->setText(year);
    setWindowTitle(QStringLiteral(" Zandorio - Registro ingressi anno ") + year);
}

QString TfrmIngressi::year() const {
    return m_lblAnnoRit->text();
}

QString TfrmIngressi::registerPath() const {
    return m_lblFile->text();
}

void TfrmIngressi::receiveMember(const TSchedaIscritto& member, int) {
    fields()->setText("txtTesserato", member.CognomeNome);
    fields()->setText("txtCodFisc", member.CodiceFiscale);
    fields()->setText("txtRecapito", member.TelCellulare);
    fields()->setText("txtNumTessera", member.NumeroTessera);
    fields()->setText("txtEmail", member.Email);
}

void TfrmIngressi::clearRecord() {
    RecordScreen::clearRecord();
    putToday();
    putNow();
    fields()->control("txtAttivita")->setFocus();
}

bool TfrmIngressi::prepareCopy() {
    fields()->clear(kDateAndTime);
    fields()->control("txtGiornoRit")->setFocus();
    return true;
}

bool TfrmIngressi::acceptSave() {
    const TSchedaIngresso entry = record();
    const std::optional<EntryProblem> problem = EntryChecks::beforeSaving(entry, year());
    // The date is built before it is judged, so that the screen holds the date it refused.
    if (!problem || problem->notice)
        fields()->setText("lblDataRit", EntryChecks::date(entry, year()));
    if (problem)
        tell(*problem);
    return !problem;
}

void TfrmIngressi::completeRecord(TSchedaIngresso& entry) const {
    entry = EntryChecks::completed(entry, year());
}

void TfrmIngressi::tell(const EntryProblem& problem) {
    platform().message(problem.notice ? Platform::Box::Notice : Platform::Box::Warning, problem.message);
    focusField(fields()->control(problem.field));
}

void TfrmIngressi::putToday() {
    const QDate today = platform().today();
    fields()->setText("txtGiornoRit", twoDigits(today.day()));
    fields()->setText("txtMeseRit", DateLists::monthName(today.month()));
}

void TfrmIngressi::putNow() {
    const QTime now = platform().now().time();
    fields()->setText("txtOreRit", twoDigits(now.hour()));
    fields()->setText("txtMinutiRit", twoDigits(now.minute()));
}

void TfrmIngressi::btnWhatsAppClick() {
    const TSchedaIngresso entry = record();
    if (const std::optional<EntryProblem> problem = EntryChecks::beforeWhatsApp(entry)) {
        tell(*problem);
        return;
    }
    platform().open(EntryNotice::whatsAppUrl(entry, year()));
}

void TfrmIngressi::cmdEmailClick() {
    const TSchedaIngresso entry = record();
    if (const std::optional<EntryProblem> problem = EntryChecks::beforeEmail(entry)) {
        tell(*problem);
        return;
    }
    const std::optional<QUrl> address = mailtoUrl(Text::trimBlanks(entry.Email), EntryNotice::kEmailSubject,
                                                  EntryNotice::emailBody(entry, year()));
    if (!address) {
        platform().message(Platform::Box::Warning, kRefusedMailAddress);
        focusField(fields()->control("txtEmail"));
        return;
    }
    platform().open(*address);
}

void TfrmIngressi::cmdTrovaClick() {
    TfrmTrovaIngressi search(this, registerPath(), [this](const TSchedaIngresso& entry, int position) {
        showRecord(entry, position);
    });
    search.exec();
}

void TfrmIngressi::impClienteClick() {
    TfrmTrovaTiratori search(this, this);
    search.setModeKey(QStringLiteral("ingressi"));
    search.exec();
}
