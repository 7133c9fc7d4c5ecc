#include "TfrmRicevuta.h"

#include "AmountInWords.h"
#include "ReceiptAmount.h"
#include "ReceiptCompanion.h"
#include "ReceiptGuide.h"
#include "ReceiptMail.h"
#include "ReceiptNumbering.h"
#include "ReceiptSettings.h"
#include "TfrmAnteprimaRic.h"
#include "TfrmExpRic.h"
#include "TfrmLogo.h"
#include "TfrmNumerazione.h"
#include "TfrmStampaRic.h"
#include "TfrmTrovaRic.h"
#include "app/ArchiveMessages.h"
#include "app/Artwork.h"
#include "app/StatusLine.h"
#include "app/TfrmGuida.h"
#include "members/CodeCheck.h"
#include "members/TSchedaIscritto.h"
#include "members/TfrmTrovaTiratori.h"
#include "storage/ArchiveFile.h"
#include "storage/DateText.h"
#include "storage/StorageError.h"
#include "storage/Text.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolButton>

namespace {

using R = TSchedaRicevuta;
using Box = Platform::Box;

constexpr RecordScreenSetup kSetup{
    .objectName = "frmRicevuta",
    .caption = " Zandorio - Archivio ricevute",
    .ready = "Pronto per archiviare una nuova ricevuta...",
    .highlight = Highlight::Colour,
    .empty = "L'archivio non contiene nessuna ricevuta.",
    .notSaved = "Attenzione: questa funzione serve a duplicare una ricevuta che è già stata salvata in "
                "archivio.\n\r\n\rVisualizzare la ricevuta da duplicare e fare clic sul pulsante Duplica.",
    .duplicated = "E' ora possibile apportare le proprie modifiche alla ricevuta corrente.\n\r\n\rAl termine "
                  "premere Salva per registrare i dati in archivio.",
    .browseFailure = {Box::Warning, Box::Error, Box::Error, Box::Error},
    .saveFailure = Box::Warning,
};

// The amount boxes are white without the focus; no field of the receipt is coloured as mandatory,
// since the save checks its fields in an order of its own.
constexpr const char* kWhite = "#FFFFFF";

// The receipt's controls in their Enter order, with the receipt field each one shows.
constexpr FieldBinding<R> kFields[] = {
    {{"txtNumRic", "RICEVUTA n.", 30}, &R::NumeroRicevuta},
    {{"txtData", "Data:", 10, Input::Date, nullptr, "data"}, &R::DataRicevuta},
    {{"txtPagatore", "Riceviamo da", 50}, &R::Pagatore},
    {{"txtCodFisc", "C.F.", 16, Input::Upper}, &R::CodiceFiscalePagatore},
    {{"txtSport", "per l'attività sportiva", 120}, &R::AttivitaSportiva},
    {{"txtDal", "dal", 10, Input::Date, nullptr, "dal"}, &R::PeriodoDal},
    {{"txtAl", "al", 10, Input::Date, nullptr, "Al"}, &R::PeriodoAl},
    {{"txtPraticante", "Praticante:", 50}, &R::Praticante},
    {{"txtLuogoNasc", "Luogo di nascita:", 50}, &R::LuogoNascitaPraticante},
    {{"txtDataNasc", "Data di nascita:", 10}, &R::DataNascitaPraticante},
    {{"txtIndirizzo", "Indirizzo:", 250}, &R::IndirizzoPraticante},
    {{.name = "txtImporto",
      .label = "TOTALE :  €",
      .maxLength = 8,
      .input = Input::Digits,
      .align = Qt::AlignRight,
      .fill = kWhite,
      .cents = "txtCents"},
     &R::ImportoEuro},
    {{.name = "txtCents", .label = nullptr, .maxLength = 2, .input = Input::Digits, .fill = kWhite},
     &R::ImportoCentesimi},
    // Kept in the companion of the archive, not in the receipt.
    {{.name = "cboPagamento",
      .label = "Pagamento:",
      .maxLength = 40,
      .control = Control::Pick,
      .items = &TSchedaRicevutaExtra::methods}},
    {{"txtRicevente01", nullptr, 50}, &R::Ricevente1},
    {{"txtRicevente02", nullptr, 50}, &R::Ricevente2},
    {{"txtRicevente03", nullptr, 50}, &R::Ricevente3},
    {{"txtRicevente04", nullptr, 50}, &R::Ricevente4},
    {{.name = "txtImpLettere", .label = nullptr, .align = Qt::AlignRight, .control = Control::Label},
     &R::ImportoLettere},
    {{.name = "txtCentLettere", .label = nullptr, .control = Control::Label}, &R::CentesimiLettere},
    {{.name = "txtIntero", .label = nullptr, .control = Control::Hidden}, &R::ImportoTotale},
};

// What a screen reader tells of the fields that show no caption of their own.
struct Spoken {
    const char* field;
    const char* name;
};

constexpr Spoken kSpoken[] = {
    {"txtCents", "Centesimi"},
    {"txtRicevente01", "Beneficiario, rigo 1"},
    {"txtRicevente02", "Beneficiario, rigo 2"},
    {"txtRicevente03", "Beneficiario, rigo 3"},
    {"txtRicevente04", "Beneficiario, rigo 4"},
    {"txtImpLettere", "Importo in lettere"},
    {"txtCentLettere", "Centesimi in lettere"},
};

constexpr const char* kPayeeLines[] = {"txtRicevente01", "txtRicevente02", "txtRicevente03",
                                       "txtRicevente04"};

// What "Nuovo" empties: everything but the number and the payee lines.
constexpr const char* kReceipt[] = {
    "txtData",      "txtImporto",  "txtCents",     "txtImpLettere", "txtCentLettere", "txtIntero",
    "txtPagatore",  "txtCodFisc",  "txtSport",     "txtDal",        "txtAl",          "txtPraticante",
    "txtLuogoNasc", "txtDataNasc", "txtIndirizzo", "cboPagamento",
};

// The amount as the save normalises it.
constexpr const char* kAmount[] = {"txtImporto", "txtCents", "txtCentLettere", "txtIntero"};

// The save's checks in their order: the first that fails is the one the user hears of.
struct Check {
    const char* field;
    const char* warning;
    bool (*fails)(const QString& text);
};

bool isEmpty(const QString& text) {
    return Text::trimBlanks(text).isEmpty();
}

bool isNoDate(const QString& text) {
    return !DateText::parse(text).isValid();
}

constexpr Check kChecks[] = {
    {"txtNumRic",
     "Attenzione: per salvare la scheda è necessario indicare il numero progressivo della ricevuta.",
     isEmpty},
    {"txtData",
     "Attenzione: per salvare la scheda è necessario indicare la data di emissione della ricevuta.", isEmpty},
    {"txtData",
     "Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare la scheda è necessario indicare una "
     "data valida nel formato gg/mm/anno.",
     isNoDate},
    {"txtPagatore", "Attenzione: per salvare la scheda è necessario indicare il nome del pagatore.", isEmpty},
    {"txtCodFisc", "Attenzione: per salvare la scheda è necessario indicare il codice fiscale del pagatore.",
     isEmpty},
    {"txtSport", "Attenzione: per salvare la scheda è necessario indicare l'attività sportiva praticata.",
     isEmpty},
    {"txtDal",
     "Attenzione: per salvare la scheda è necessario indicare la data di inizio del periodo a cui il "
     "pagamento si riferisce.",
     isEmpty},
    {"txtAl",
     "Attenzione: per salvare la scheda è necessario indicare la data di scadenza del periodo a cui il "
     "pagamento si riferisce.",
     isEmpty},
};

// What the member search brings from a member: the payer and the practitioner.
struct Imported {
    QString TSchedaIscritto::*member;
    const char* field;
};

constexpr Imported kImported[] = {
    {&TSchedaIscritto::CognomeNome, "txtPagatore"},
    {&TSchedaIscritto::CodiceFiscale, "txtCodFisc"},
    {&TSchedaIscritto::AttivitaSportiva, "txtSport"},
    {&TSchedaIscritto::Praticante, "txtPraticante"},
    {&TSchedaIscritto::LuogoNascitaPraticante, "txtLuogoNasc"},
    {&TSchedaIscritto::DataNascitaPraticante, "txtDataNasc"},
    {&TSchedaIscritto::IndirizzoPraticante, "txtIndirizzo"},
};

constexpr Command kCommands[] = {
    {"cmdNuovo", "Nuovo", "document-new", "Prepara la schermata per l'emissione di una nuova ricevuta."},
    {"cmdDuplica", "Duplica", "edit-copy",
     "Prepara la schermata per l'emissione di una nuova ricevuta duplicando i dati correnti."},
    {"cmdSalva", "Salva", "document-save", "Salva o aggiorna la ricevuta corrente."},
    {"cmdTrova", "Trova", "edit-find", "Trova una ricevuta in archivio."},
    {"cmdAnteprima", "Anteprima", "document-print-preview",
     "Visualizza l'anteprima di stampa della ricevuta corrente."},
    {"cmdStampa", "Stampa", "document-print", "Stampa la ricevuta corrente."},
    {"cmdEmail", "Invia per e-mail", "mail-send",
     "Invia la ricevuta corrente per e-mail al pagatore, come documento PDF allegato."},
    {"cmdAnnullaRic", "Annulla ricevuta", "edit-delete",
     "Annulla la ricevuta corrente: resta in archivio e il suo numero non viene più assegnato."},
    {"cmdPrimo", "Primo", "go-first", "Visualizza la prima ricevuta in archivio."},
    {"cmdIndietro", "Indietro", "go-previous", "Visualizza la ricevuta precedente in archivio."},
    {"cmdAvanti", "Avanti", "go-next", "Visualizza la ricevuta successiva in archivio."},
    {"cmdUltimo", "Ultimo", "go-last", "Visualizza l'ultima ricevuta in archivio."},
    {"cmdEsporta", "Esporta", "x-office-spreadsheet",
     "Esporta l'archivio annuale delle ricevute in un foglio di lavoro di Microsoft Excel."},
    {"cmdNumerazione", "N", "format-list-numbered",
     "Imposta il numero iniziale per la numerazione automatica delle ricevute."},
    {"cmdGuida", "Guida", "help-contents", "Visualizza la guida in linea sensibile al contesto."},
    {"cmdEsci", "Esci", "application-exit", "Esci da questo ambiente di lavoro."},
};

constexpr Command kLogo = {"cmdLogo", "LOGO", "insert-image",
                           "Carica il logo dell'Associazione Sportiva Dilettantistica."};
constexpr Command kImport = {"impPagatore", "Importa iscritto", nullptr,
                             "Importa i dati dall'archivio degli iscritti."};
constexpr Command kCodeCheck = {"btnCodFisc", "Controlla codice fiscale", "dialog-ok-apply",
                                "Controlla il codice fiscale."};

const QString kCancelledNoChange =
    QStringLiteral("Attenzione: la ricevuta è stata annullata e non può più essere modificata.");

const QString kWordsHint = QStringLiteral("Digitare l'importo in cifre nella casella del "
                                          "Totale.\n\r\n\rL'importo in lettere apparirà in automatico.");
// Cash at or above this amount is not allowed to an amateur sports association.
constexpr Currency kCashLimit = Currency::euros(1000);

// The ages, reached in the receipt's year, of a practitioner whose sports fees are deductible.
constexpr int kYoungest = 5;
constexpr int kOldest = 18;

// The settings file could not be written when the screen closed.
const QString kSettingsFailure = QStringLiteral(
    "Attenzione: i dati del beneficiario delle ricevute non sono stati salvati.\n\r\n\rAccertarsi di "
    "possedere i privilegi di scrittura nella cartella di installazione del programma.");

QLabel* caption(const QString& text, QWidget* parent, bool bold = true) {
    auto* label = new QLabel(text, parent);
    if (bold)
        label->setStyleSheet(QStringLiteral("font-weight: bold;"));
    return label;
}

} // namespace

TfrmRicevuta::TfrmRicevuta() : RecordScreen(kSetup, kCommands, kFields, [this] { return archivePath(); }) {
    m_lblFile = new QLabel(this);
    m_lblFile->setObjectName(QStringLiteral("lblFile"));
    m_lblFile->hide();
    m_lblInizio = new QLabel(QStringLiteral("1"), this);
    m_lblInizio->setObjectName(QStringLiteral("lblInizio"));
    m_lblInizio->hide();
    setBody(buildReceipt());

    // A screen reader reads a label's text as its name: a label keeps it, and its caption
    // follows as the description.
    for (const Spoken& s : kSpoken) {
        QWidget* control = fields()->control(s.field);
        if (qobject_cast<QLabel*>(control))
            control->setAccessibleDescription(QString::fromUtf8(s.name));
        else
            control->setAccessibleName(QString::fromUtf8(s.name));
    }
    auto* importo = fields()->field("txtImporto");
    auto* cents = fields()->field("txtCents");
    connect(importo, &QLineEdit::textEdited, this, &TfrmRicevuta::txtImportoEdited);
    connect(cents, &QLineEdit::textEdited, this, &TfrmRicevuta::txtCentsEdited);
    cents->installEventFilter(this);
    for (const char* name : {"txtImpLettere", "txtCentLettere"})
        fields()->control(name)->installEventFilter(this);

    // Preview and print show the receipt as it stands on screen, saved or not.
    connect(button("cmdAnteprima"), &QToolButton::clicked, this,
            [this] { TfrmAnteprimaRic(this, sheet()).exec(); });
    connect(button("cmdStampa"), &QToolButton::clicked, this,
            [this] { TfrmStampaRic(this, sheet()).exec(); });
    connect(button("cmdEmail"), &QToolButton::clicked, this, [this] { ReceiptMail::sendReceipt(sheet()); });
    connect(button("cmdLogo"), &QToolButton::clicked, this, [this] { TfrmLogo(this).exec(); });
    connect(button("cmdAnnullaRic"), &QToolButton::clicked, this, &TfrmRicevuta::cmdAnnullaRicClick);
    connect(button("cmdTrova"), &QToolButton::clicked, this, &TfrmRicevuta::cmdTrovaClick);
    connect(button("cmdEsporta"), &QToolButton::clicked, this,
            [this] { TfrmExpRic(this, archivePath()).exec(); });
    connect(button("cmdNumerazione"), &QToolButton::clicked, this, &TfrmRicevuta::cmdNumerazioneClick);
    connect(button("cmdGuida"), &QToolButton::clicked, this,
            [this] { showGuide(this, ReceiptGuide::kTitle, ReceiptGuide::text()); });
    connect(button("impPagatore"), &QToolButton::clicked, this, &TfrmRicevuta::impPagatoreClick);
    connect(button("btnCodFisc"), &QToolButton::clicked, this,
            [this] { openCodeCheck(fields()->text("txtCodFisc"), this); });
}

QLayout* TfrmRicevuta::buildReceipt() {
    FieldTable* f = fields();
    auto* paper = new QFrame(this);
    paper->setObjectName(QStringLiteral("panRicevuta"));
    paper->setStyleSheet(QStringLiteral("#panRicevuta { background: white; border: 1px solid #87CEEB; }"));
    paper->setMaximumWidth(1100);

    const auto fieldButton = [this, paper, f](const Command& command, const char* field) {
        QToolButton* b = makeCommandButton(command, statusLine(), paper, Qt::ToolButtonIconOnly);
        b->setIconSize(QSize(16, 16));
        b->setFixedHeight(f->control(field)->sizeHint().height());
        return b;
    };
    QToolButton* cmdLogo = makeCommandButton(kLogo, statusLine(), paper, Qt::ToolButtonTextUnderIcon);
    cmdLogo->setIconSize(QSize(64, 64));
    QToolButton* impPagatore = fieldButton(kImport, "txtPagatore");
    impPagatore->setIcon(Artwork::importArrow());
    QToolButton* btnCodFisc = fieldButton(kCodeCheck, "txtCodFisc");

    // Header: the logo, the payee lines, the number and the date.
    auto* payee = new QVBoxLayout;
    for (const char* line : kPayeeLines)
        payee->addWidget(f->control(line));
    auto* number = new QGridLayout;
    number->addWidget(f->label("txtNumRic"), 0, 0);
    number->addWidget(f->control("txtNumRic"), 0, 1);
    number->addWidget(f->label("txtData"), 1, 0);
    number->addWidget(f->control("txtData"), 1, 1);
    f->label("txtNumRic")->setStyleSheet(QStringLiteral("font-weight: bold;"));
    auto* header = new QHBoxLayout;
    header->addWidget(cmdLogo, 0, Qt::AlignTop);
    header->addLayout(payee, 3);
    header->addSpacing(24);
    header->addLayout(number, 2);

    // Payer, sport and period.
    auto* payer = new QHBoxLayout;
    payer->addWidget(f->label("txtPagatore"));
    payer->addWidget(f->control("txtPagatore"), 3);
    payer->addWidget(impPagatore);
    payer->addSpacing(12);
    payer->addWidget(f->label("txtCodFisc"));
    payer->addWidget(f->control("txtCodFisc"), 1);
    payer->addWidget(btnCodFisc);
    auto* sport = new QHBoxLayout;
    for (const char* name : {"txtSport", "txtDal", "txtAl"}) {
        sport->addWidget(f->label(name));
        sport->addWidget(f->control(name), qstrcmp(name, "txtSport") == 0 ? 3 : 1);
    }

    // The amount in words, on its own background: clicking it tells where the amount is typed.
    m_bkgLettere = new QFrame(paper);
    m_bkgLettere->setObjectName(QStringLiteral("bkgLettere"));
    m_bkgLettere->setStyleSheet(
        QStringLiteral("#bkgLettere { background: #F0F8FF; border: 1px solid #87CEEB; }"));
    m_bkgLettere->installEventFilter(this);
    auto* words = new QHBoxLayout(m_bkgLettere);
    words->addWidget(caption(QStringLiteral("€"), m_bkgLettere));
    words->addWidget(f->control("txtImpLettere"), 1);
    words->addWidget(caption(QStringLiteral("/"), m_bkgLettere));
    words->addWidget(f->control("txtCentLettere"));
    f->control("txtImpLettere")->setStyleSheet(QStringLiteral("font-weight: bold;"));
    f->control("txtCentLettere")->setStyleSheet(QStringLiteral("font-weight: bold;"));
    f->control("txtCentLettere")->setMinimumWidth(24);
    auto* inWords = caption(QStringLiteral("(IN LETTERE)"), paper, false);
    inWords->setAlignment(Qt::AlignCenter);

    // The practitioner.
    auto* practitioner = new QGridLayout;
    practitioner->addWidget(f->label("txtPraticante"), 0, 0);
    practitioner->addWidget(f->control("txtPraticante"), 0, 1);
    practitioner->addWidget(f->label("txtLuogoNasc"), 0, 2);
    practitioner->addWidget(f->control("txtLuogoNasc"), 0, 3);
    practitioner->addWidget(f->label("txtDataNasc"), 1, 0);
    practitioner->addWidget(f->control("txtDataNasc"), 1, 1);
    practitioner->addWidget(f->label("txtIndirizzo"), 1, 2);
    practitioner->addWidget(f->control("txtIndirizzo"), 1, 3);
    practitioner->setColumnStretch(1, 1);
    practitioner->setColumnStretch(3, 2);

    // The total in figures: euros, a slash and the cents.
    auto* lblBarra = new QLabel(QStringLiteral("/"), paper);
    lblBarra->setObjectName(QStringLiteral("lblBarra"));
    auto* total = new QGridLayout;
    total->setColumnStretch(0, 1);
    total->addWidget(f->label("txtImporto"), 0, 1);
    total->addWidget(f->control("txtImporto"), 0, 2);
    total->addWidget(lblBarra, 0, 3);
    total->addWidget(f->control("txtCents"), 0, 4);
    auto* inFigures = caption(QStringLiteral("(IN CIFRE)"), paper, false);
    inFigures->setAlignment(Qt::AlignCenter);
    total->addWidget(inFigures, 1, 2, 1, 3);
    f->label("txtImporto")->setStyleSheet(QStringLiteral("font-weight: bold;"));
    f->control("txtImporto")->setFixedWidth(110);
    f->control("txtCents")->setFixedWidth(40);
    auto* payment = new QHBoxLayout;
    payment->addWidget(f->label("cboPagamento"));
    payment->addWidget(f->control("cboPagamento"));
    payment->addStretch();
    total->addLayout(payment, 0, 0, Qt::AlignLeft);
    f->label("cboPagamento")->setStyleSheet(QStringLiteral("font-weight: bold;"));
    f->control("cboPagamento")->setMinimumWidth(280);

    auto* receipt = new QVBoxLayout(paper);
    receipt->setContentsMargins(24, 18, 24, 18);
    receipt->setSpacing(12);
    receipt->addLayout(header);
    receipt->addLayout(payer);
    receipt->addLayout(sport);
    receipt->addWidget(m_bkgLettere);
    receipt->addWidget(inWords);
    receipt->addLayout(practitioner);
    receipt->addLayout(total);
    receipt->addStretch();

    // A cancelled receipt is shown under its mark, and cannot be changed.
    m_paper = paper;
    m_lblAnnullata = new QLabel(QStringLiteral("ANNULLATA"), this);
    m_lblAnnullata->setObjectName(QStringLiteral("lblAnnullata"));
    m_lblAnnullata->setStyleSheet(
        QStringLiteral("color: rgba(200, 0, 0, 170); font-size: 64pt; font-weight: bold;"));
    m_lblAnnullata->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_lblAnnullata->hide();
    auto* sheet = new QGridLayout;
    sheet->addWidget(paper, 0, 0);
    sheet->addWidget(m_lblAnnullata, 0, 0, Qt::AlignCenter);

    auto* body = new QHBoxLayout;
    body->addStretch();
    body->addLayout(sheet, 1);
    body->addStretch();
    return body;
}

void TfrmRicevuta::openYear(const QString& year, const QString& path) {
    m_lblFile->setText(path);
    m_year = Text::trimBlanks(year);
    setWindowTitle(QStringLiteral(" Zandorio - Archivio ricevute anno ") + Text::trimBlanks(year));
}

QString TfrmRicevuta::archivePath() const {
    return m_lblFile->text();
}

void TfrmRicevuta::emptyReceipt() {
    fields()->clear(kReceipt);
    showCancelled(TSchedaRicevutaExtra{});
    browser().setPosition(0);
    fields()->setText("txtData", DateText::format(platform().today()));
    fields()->setText("txtCents", QStringLiteral("00"));
    fields()->setText("txtCentLettere", QStringLiteral("00"));
}

void TfrmRicevuta::screenShown() {
    m_shownPayee = ReceiptSettings::payeeLines();
    for (std::size_t i = 0; i < m_shownPayee.size(); ++i)
        fields()->setText(kPayeeLines[i], m_shownPayee[i]);
    emptyReceipt();
    fields()->setText("txtNumRic", QString());
    m_proposed.clear();
    fields()->control("txtPagatore")->setFocus();
}

void TfrmRicevuta::clearRecord() {
    const QString start = Text::trimBlanks(ReceiptSettings::startNumber());
    m_lblInizio->setText(start.isEmpty() ? QStringLiteral("1") : start);
    const std::optional<int> count = browser().count(Box::Error);
    if (!count)
        return;
    emptyReceipt();
    fields()->setText("txtIntero", QStringLiteral("0,00"));
    // A start number edited by hand into something else leaves the number as it was.
    const std::optional<QString> number = ReceiptNumbering::proposed(m_lblInizio->text(), *count);
    if (!number) {
        platform().message(Box::Error, ArchiveMessages::kFailure);
        return;
    }
    fields()->setText("txtNumRic", *number);
    m_proposed = *number;
    fields()->control("txtPagatore")->setFocus();
}

bool TfrmRicevuta::prepareCopy() {
    // The copy is saved as a new receipt, so the archive must take one.
    if (!browser().count(Box::Error))
        return false;
    fields()->setText("txtNumRic", QString());
    m_proposed.clear();
    // The copy is a new receipt, even of a cancelled one: never cancelled, never printed.
    showCancelled(TSchedaRicevutaExtra{});
    fields()->setText("txtData", DateText::format(platform().today()));
    fields()->control("txtNumRic")->setFocus();
    return true;
}

void TfrmRicevuta::normaliseAmount() {
    const ReceiptAmount::Normalised amount =
        ReceiptAmount::normalised(fields()->text("txtImporto"), fields()->text("txtCents"));
    if (Text::trimBlanks(fields()->text("txtImporto")).isEmpty())
        fields()->setText("txtImporto", amount.euro);
    if (fields()->text("txtCents") != amount.cents) {
        fields()->setText("txtCents", amount.cents);
        fields()->setText("txtCentLettere", amount.cents);
    }
    fields()->setText("txtIntero", amount.total);
}

bool TfrmRicevuta::acceptSave() {
    QStringList before;
    for (const char* name : kAmount)
        before << fields()->text(name);
    normaliseAmount();
    for (const Check& check : kChecks) {
        if (!check.fails(fields()->text(check.field)))
            continue;
        platform().message(Box::Warning, QString::fromUtf8(check.warning));
        focusField(fields()->control(check.field));
        return false;
    }
    const QString method = fields()->text("cboPagamento");
    // A receipt saved before the way of payment was kept may stay without one.
    if (position() == 0 && method.isEmpty()) {
        platform().message(Box::Warning, QStringLiteral("Attenzione: indicare il metodo di pagamento."));
        focusField(fields()->control("cboPagamento"));
        return false;
    }
    const char* refused = !acceptCash() ? "cboPagamento" : !acceptDate() ? "txtData" : nullptr;
    if (!refused) {
        tellDeduction();
        return true;
    }
    // Not saving leaves the amount as it was typed.
    for (qsizetype i = 0; i < before.size(); ++i)
        fields()->setText(kAmount[i], before[i]);
    focusField(fields()->control(refused));
    return false;
}

bool TfrmRicevuta::acceptCash() {
    if (fields()->text("cboPagamento") != TSchedaRicevutaExtra::cash())
        return true;
    const std::optional<Currency> amount = Currency::parse(fields()->text("txtIntero"));
    if (!amount || amount->units < kCashLimit.units)
        return true;
    return platform().ask(QStringLiteral(
        "Attenzione: per le associazioni sportive dilettantistiche gli incassi di importo pari o superiore "
        "a 1.000 euro devono avvenire con mezzi tracciabili. Salvare comunque la ricevuta?"));
}

void TfrmRicevuta::tellDeduction() {
    if (fields()->text("cboPagamento") != TSchedaRicevutaExtra::cash())
        return;
    const QDate born = DateText::parse(fields()->text("txtDataNasc"));
    const QDate issued = DateText::parse(fields()->text("txtData"));
    if (!born.isValid() || !issued.isValid())
        return;
    const int age = issued.year() - born.year();
    if (age >= kYoungest && age <= kOldest)
        platform().message(Box::Information, QStringLiteral("Il pagamento in contanti non consente la "
                                                            "detrazione delle spese sportive dei ragazzi."));
}

bool TfrmRicevuta::acceptDate() {
    // A receipt dated in another year is listed by no income summary of its archive's year; it
    // may still be what the user means (a late copy, a date to correct later).
    if (!DateText::isYear(m_year) || DateText::parse(fields()->text("txtData")).year() == m_year.toInt())
        return true;
    return platform().ask(QStringLiteral("Attenzione: la data della ricevuta non appartiene all'anno "
                                         "dell'archivio (%1). Salvare comunque?")
                              .arg(m_year));
}

bool TfrmRicevuta::settleRecord(ArchiveFile& file, int position, QByteArray& record) {
    const QString number = ReceiptCodec::field(record, &R::NumeroRicevuta);
    QSet<QString> others;
    QString own;
    file.scan([&](int at, QByteArrayView stored) {
        const QString n = ReceiptCodec::field(stored, &R::NumeroRicevuta);
        if (at == position)
            own = n;
        else
            others.insert(n);
    });
    // A stored receipt keeps its own number, even one an older receipt shares.
    if (position > 0 && own == number) {
        m_settled = {ReceiptNumbering::Settled::Kept, number};
        return saveMethod(file, position);
    }
    m_settled = ReceiptNumbering::settle(number, position == 0 && number == m_proposed, others);
    if (m_settled.kind == ReceiptNumbering::Settled::Taken)
        return false;
    if (!saveMethod(file, position))
        return false;
    if (m_settled.kind == ReceiptNumbering::Settled::Renumbered) {
        R renumbered = ReceiptCodec::decode(record);
        renumbered.NumeroRicevuta = m_settled.number;
        record = ReceiptCodec::encode(renumbered);
    }
    return true;
}

bool TfrmRicevuta::saveMethod(ArchiveFile& file, int position) {
    // The way of payment is written first: should the receipt's own write fail, its companion
    // record lies past the archive's end, where the next new receipt writes its own.
    const int at = position > 0 ? position : file.count() + 1;
    if (ReceiptCompanion::saveMethod(archivePath(), file, at, fields()->text("cboPagamento")))
        return true;
    m_cancelledMeanwhile = true;
    return false;
}

void TfrmRicevuta::recordSaved(int position) {
    m_proposed.clear();
    showExtra(position);
    if (m_settled.kind != ReceiptNumbering::Settled::Renumbered)
        return;
    const QString taken = Text::trimBlanks(fields()->text("txtNumRic"));
    fields()->setText("txtNumRic", m_settled.number);
    platform().message(Box::Warning, QStringLiteral("Attenzione: il numero %1 è già stato usato da un'altra "
                                                    "postazione. La ricevuta sarà salvata con il numero %2.")
                                         .arg(taken, m_settled.number));
}

void TfrmRicevuta::recordWithheld() {
    if (std::exchange(m_cancelledMeanwhile, false)) {
        platform().message(Box::Warning, kCancelledNoChange);
        showExtra(position());
        return;
    }
    platform().message(Box::Warning,
                       QStringLiteral("Attenzione: il numero %1 è già stato usato per un'altra ricevuta "
                                      "dell'archivio.\n\r\n\rPer poter salvare la scheda è necessario "
                                      "indicare un numero diverso.")
                           .arg(m_settled.number));
    focusField(fields()->control("txtNumRic"));
}

void TfrmRicevuta::receiveMember(const TSchedaIscritto& member, int) {
    for (const Imported& i : kImported)
        fields()->setText(i.field, member.*i.member);
}

// Both boxes are read as they stand after the edit: by then a paste has kept only its digits.
void TfrmRicevuta::txtImportoEdited() {
    const QString text = fields()->text("txtImporto");
    const std::optional<Currency> euros = Currency::parse(text);
    fields()->setText("txtImpLettere", isEmpty(text) || !euros ? QString() : ImportoInLettere(*euros));
}

void TfrmRicevuta::txtCentsEdited() {
    fields()->setText("txtCentLettere", Text::trimBlanks(fields()->text("txtCents")));
}

void TfrmRicevuta::leaveCents() {
    const QString typed = fields()->text("txtCents");
    const QString cents = ReceiptAmount::cents(typed);
    if (cents == typed)
        return;
    fields()->setText("txtCents", cents);
    fields()->setText("txtCentLettere", cents);
}

void TfrmRicevuta::showWordsHint() {
    platform().message(Box::Information, kWordsHint);
    fields()->control("txtImporto")->setFocus();
}

bool TfrmRicevuta::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && watched == fields()->control("txtCents"))
        leaveCents();
    if (event->type() == QEvent::MouseButtonRelease &&
        (watched == m_bkgLettere || watched == fields()->control("txtImpLettere") ||
         watched == fields()->control("txtCentLettere"))) {
        showWordsHint();
        return true;
    }
    return RecordScreen::eventFilter(watched, event);
}

void TfrmRicevuta::closeEvent(QCloseEvent* event) {
    ReceiptSettings::PayeeLines payee;
    for (std::size_t i = 0; i < payee.size(); ++i)
        payee[i] = fields()->text(kPayeeLines[i]);
    try {
        ReceiptSettings::setPayeeLines(payee, m_shownPayee);
        m_shownPayee = payee;
    } catch (const StorageError&) {
        platform().message(Box::Warning, kSettingsFailure);
    }
    RecordScreen::closeEvent(event);
}

void TfrmRicevuta::cmdTrovaClick() {
    TfrmTrovaRic search(this, archivePath(), [this](const TSchedaRicevuta& receipt, int position) {
        showRecord(receipt, position);
    });
    search.setModeKey(QStringLiteral("ricevuta"));
    search.exec();
}

void TfrmRicevuta::cmdNumerazioneClick() {
    TfrmNumerazione numbering(this);
    numbering.setModeKey(QStringLiteral("ricevute"));
    numbering.exec();
}

void TfrmRicevuta::impPagatoreClick() {
    TfrmTrovaTiratori search(this, this);
    search.setModeKey(QStringLiteral("ricevuta"));
    search.exec();
}

void TfrmRicevuta::recordShown(const TSchedaRicevuta&, int position) {
    showExtra(position);
}

void TfrmRicevuta::showExtra(int position) {
    bool damaged = false;
    TSchedaRicevutaExtra extra;
    try {
        extra = ReceiptCompanion::load(archivePath(), position, &damaged);
    } catch (const StorageError&) {
        platform().message(Box::Warning, ArchiveMessages::kFailure);
    }
    fields()->setText("cboPagamento", extra.MetodoPagamento);
    showCancelled(extra);
    if (damaged)
        platform().message(Box::Warning,
                           ReceiptCompanion::damagedWarning(fields()->text("txtNumRic"), position));
}

void TfrmRicevuta::showCancelled(const TSchedaRicevutaExtra& extra) {
    m_extra = extra;
    const bool cancelled = extra.cancelled();
    m_lblAnnullata->setVisible(cancelled);
    m_lblAnnullata->raise();
    m_paper->setEnabled(!cancelled);
    button("cmdSalva")->setEnabled(!cancelled);
    button("cmdAnnullaRic")->setEnabled(!cancelled);
    m_lblAnnullata->setToolTip(
        cancelled
            ? QStringLiteral("Annullata il %1: %2").arg(extra.DataAnnullamento, extra.MotivoAnnullamento)
            : QString());
}

void TfrmRicevuta::cmdAnnullaRicClick() {
    const int at = position();
    if (at == 0) {
        platform().message(Box::Warning, QStringLiteral("Attenzione: questa funzione serve ad annullare una "
                                                        "ricevuta che è già stata salvata in archivio."));
        return;
    }
    const QString number = Text::trimBlanks(fields()->text("txtNumRic"));
    const std::optional<QString> reason = platform().inputText(
        QStringLiteral(" Annulla ricevuta"),
        QStringLiteral("Indicare il motivo dell'annullamento della ricevuta n. %1.\n\nLa ricevuta resterà in "
                       "archivio, non potrà più essere modificata e il suo numero non sarà più assegnato.")
            .arg(number),
        QString());
    if (!reason)
        return;
    if (Text::trimBlanks(*reason).isEmpty()) {
        platform().message(
            Box::Warning,
            QStringLiteral("Attenzione: per annullare la ricevuta è necessario indicarne il motivo."));
        return;
    }
    try {
        showCancelled(ReceiptCompanion::cancel(archivePath(), at, reason->left(120), platform().today()));
    } catch (const StorageError&) {
        platform().message(Box::Warning, ArchiveMessages::kFailure);
        return;
    }
    platform().message(Box::Information, QStringLiteral("La ricevuta n. %1 è stata annullata.").arg(number));
}

ReceiptSheet TfrmRicevuta::sheet() const {
    ReceiptSheet sheet;
    sheet.receipt = record();
    sheet.archivePath = archivePath();
    sheet.position = position();
    sheet.extra = m_extra;
    sheet.extra.MetodoPagamento = fields()->text("cboPagamento");
    return sheet;
}
