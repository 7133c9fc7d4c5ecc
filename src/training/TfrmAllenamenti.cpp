#include "TfrmAllenamenti.h"

#include "LongText.h"
#include "MuscleGroups.h"
#include "TfrmAllenamentiAttivi.h"
#include "TfrmCreaRTF.h"
#include "TfrmExpAllenamenti.h"
#include "TfrmTrovaAllenamenti.h"
#include "app/GeneralGuide.h"
#include "app/MailAddress.h"
#include "app/Platform.h"
#include "app/StatusLine.h"
#include "app/TfrmGuida.h"
#include "members/AttachmentSlots.h"
#include "members/CodeCheck.h"
#include "members/TSchedaIscritto.h"
#include "members/TfrmAllegaCartella.h"
#include "members/TfrmTrovaTiratori.h"
#include "storage/FieldBytes.h"
#include "storage/Text.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>

#include <tuple>

namespace {

using R = TSchedaAllenamento;
using S = TfrmAllenamenti::Section;

constexpr RecordScreenSetup kSetup{
    .objectName = "frmAllenamenti",
    .caption = " Zandorio - Schede Allenamento",
    .ready = "Pronto per archiviare una nuova scheda...",
    .saveFailure = Platform::Box::Notice,
};

// A long text: multi-line, word-wrapped, its capacity checked at save rather than while typing.
constexpr FieldRow memo(const char* name, const char* label, S section) {
    return {.name = name, .label = label, .control = Control::Memo, .section = section};
}

constexpr FieldRow check(const char* name, const char* label) {
    return {.name = name, .label = label, .control = Control::Check, .section = S::Programma};
}

constexpr FieldRow hidden(const char* name) {
    return {.name = name, .label = nullptr, .control = Control::Hidden};
}

constexpr FieldRow line(const char* name, const char* label, int maxLength, S section,
                        Input input = Input::Free) {
    return {.name = name, .label = label, .maxLength = maxLength, .input = input, .section = section};
}

// The card's controls, section by section in their Enter order (Enter in the last field of a
// section goes back to the first of the same section), with the card field each one shows. The
// mandatory fields are checked in this order at save.
constexpr FieldBinding<R> kFields[] = {
    {{.name = "txtAllenamento",
      .label = "Nome allenamento:",
      .maxLength = 120,
      .mandatory = "Attenzione: per salvare la scheda è necessario indicare il nome dell'allenamento.",
      .section = S::Programma},
     &R::NomeAllenamento},
    {line("txtTipologia", "Tipologia:", 50, S::Programma), &R::Tipologia},
    {line("txtFinalita", "Finalità:", 120, S::Programma), &R::Finalita},
    {line("txtLivello", "Livello:", 50, S::Programma), &R::Livello},
    {{.name = "txtData",
      .label = "Data inizio:",
      .maxLength = 10,
      .input = Input::Date,
      .mandatory = "Attenzione: per salvare la scheda è necessario indicare la data di inizio allenamento.",
      .dateKey = "allenamenti_data",
      .align = Qt::AlignHCenter,
      .section = S::Programma},
     &R::DataInizio},
    {{.name = "txtDataFine",
      .label = "Data fine:",
      .maxLength = 10,
      .input = Input::Date,
      .mandatory = "Attenzione: per salvare la scheda è necessario indicare la data di fine allenamento.",
      .dateKey = "allenamenti_datafine",
      .align = Qt::AlignHCenter,
      .section = S::Programma},
     &R::DataFine},
    {memo("txtDieta", "Dieta:", S::Programma), &R::Dieta},
    {line("txtIstruttore", "Istruttore:", 120, S::Programma), &R::Istruttore},
    // The boxes in the order the screen shows them; the muscle-group text keeps the record's order.
    {check("chkAddominali", "Addominali"), &R::Addominali},
    {check("chkAdduttori", "Adduttori"), &R::Adduttori},
    {check("chkBicipiti", "Bicipiti"), &R::Bicipiti},
    {check("chkFemorali", "Bicipiti femorali"), &R::BicipitiFemorali},
    {check("chkPolpacci", "Polpacci"), &R::Polpacci},
    {check("chkPettorali", "Pettorali"), &R::Pettorali},
    {check("chkGlutei", "Glutei"), &R::Glutei},
    {check("chkDorsali", "Dorsali"), &R::Dorsali},
    {check("chkQuadricipiti", "Quadricipiti"), &R::Quadricipiti},
    {check("chkSpalle", "Spalle"), &R::Spalle},
    {check("chkTrapezio", "Trapezio"), &R::Trapezio},
    {check("chkTricipiti", "Tricipiti"), &R::Tricipiti},
    {hidden("txtMuscoli"), &R::GruppiMuscolari},

    {{.name = "txtTesserato",
      .label = "Iscritto:",
      .maxLength = 50,
      .mandatory = "Attenzione: per salvare la scheda è necessario indicare il nome dell'iscritto.",
      .section = S::Partecipanti},
     &R::CognomeNome},
    {line("txtCodFisc", "Codice fiscale:", 16, S::Partecipanti, Input::Upper), &R::CodiceFiscale},
    {{.name = "txtRecapito",
      .label = "Tel. cellulare:",
      .maxLength = 50,
      .mandatory =
          "Attenzione: per salvare la scheda è necessario indicare il numero di cellulare dell'iscritto.",
      .section = S::Partecipanti},
     &R::TelCellulare},
    {line("txtEmail", "E-mail:", 50, S::Partecipanti, Input::Trimmed), &R::Email},
    {line("txtNumTessera", "Tessera n.", 50, S::Partecipanti), &R::NumeroTessera},
    {line("txtPeso", "Peso in kg:", 8, S::Partecipanti), &R::PesoInizio},
    {line("txtGirovita", "Giro vita:", 30, S::Partecipanti), &R::GirovitaInizio},
    {line("txtFianchi", "Fianchi:", 30, S::Partecipanti), &R::FianchiInizio},
    {line("txtTorace", "Torace:", 30, S::Partecipanti), &R::ToraceInizio},
    {line("txtAddome", "Addome:", 30, S::Partecipanti), &R::AddomeInizio},
    {line("txtPeso_Fine", "Peso in kg:", 8, S::Partecipanti), &R::PesoFine},
    {line("txtGirovita_Fine", "Giro vita:", 30, S::Partecipanti), &R::GirovitaFine},
    {line("txtFianchi_Fine", "Fianchi:", 30, S::Partecipanti), &R::FianchiFine},
    {line("txtTorace_Fine", "Torace:", 30, S::Partecipanti), &R::ToraceFine},
    {line("txtAddome_Fine", "Addome:", 30, S::Partecipanti), &R::AddomeFine},
    {line("txtRisultati", "Altri risultati conseguiti:", 250, S::Partecipanti), &R::AltriRisultati},

    {memo("txtRiscaldamento", "Riscaldamento:", S::Attivita), &R::Riscaldamento},
    {memo("txtEsercizi", "Esercizi:", S::Attivita), &R::Esercizi},
    {memo("txtStretching", "Stretching:", S::Attivita), &R::Stretching},
    {line("txtDurata", "Durata totale:", 50, S::Attivita), &R::DurataTotale},
    {line("txtTempo", "Tempo recupero:", 50, S::Attivita), &R::TempoRecupero},
    {line("txtFrequenza", "Frequenza:", 50, S::Attivita), &R::Frequenza},

    {hidden("lblFile01"), &R::File01},
    {hidden("lblFile02"), &R::File02},
    {hidden("lblFile03"), &R::File03},
    {hidden("lblDesc01"), &R::Desc01},
    {hidden("lblDesc02"), &R::Desc02},
    {hidden("lblDesc03"), &R::Desc03},
};

constexpr const char* kAttachmentLabels[] = {"lblFile01", "lblFile02", "lblFile03",
                                             "lblDesc01", "lblDesc02", "lblDesc03"};

// The long texts whose capacity is checked at save, in the order of their warnings. A warning
// goes on with the length of the text and kOverCapacity; the save carries on and cuts the text.
struct LongTextRow {
    const char* field;
    QString R::*member;
    const char* warning;
};

constexpr LongTextRow kLongTexts[] = {
    {"txtDieta", &R::Dieta,
     "Attenzione: hai superato la capienza massima del campo di testo Dieta che consente di memorizzare non "
     "più di 2000 caratteri.\n\r\n\rAttualmente hai inserito "},
    {"txtRiscaldamento", &R::Riscaldamento,
     "Attenzione: hai superato la capienza massima del campo di testo Riscaldamento che consente di "
     "memorizzare non più di 2000 caratteri.\n\r\n\rAttualmente hai inserito "},
    {"txtEsercizi", &R::Esercizi,
     "Attenzione: hai superato la capienza massima del campo di testo Esercizi che consente di memorizzare "
     "non più di 4000 caratteri.\n\r\n\rAttualmente hai inserito "},
    {"txtStretching", &R::Stretching,
     "Attenzione: hai superato la capienza massima del campo di testo Stretching che consente di "
     "memorizzare non più di 2000 caratteri.\n\r\n\rAttualmente hai inserito "},
};
constexpr const char* kOverCapacity = " caratteri. Quelli in eccesso non saranno salvati.";

constexpr Command kCommands[] = {
    {"cmdNuovo", "Nuovo", "document-new", "Predisponi la schermata per l'inserimento di una nuova scheda."},
    {"cmdDuplica", "Duplica", "edit-copy",
     "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
    {"cmdSalva", "Salva", "document-save", "Salva la scheda corrente in archivio."},
    {"cmdTrova", "Trova", "edit-find", "Trova una scheda in archivio."},
    {"cmdPrimo", "Primo", "go-first", "Visualizza la prima scheda in archivio."},
    {"cmdIndietro", "Indietro", "go-previous", "Visualizza la scheda precedente in archivio."},
    {"cmdAvanti", "Avanti", "go-next", "Visualizza la scheda successiva in archivio."},
    {"cmdUltimo", "Ultimo", "go-last", "Visualizza l'ultima scheda in archivio."},
    {"cmdEsporta", "Esporta", "x-office-spreadsheet",
     "Esporta le schede in archivio in un file di Microsoft Excel."},
    {"cmdAttivi", "Attivi", "view-calendar-list", "Visualizza il riepilogo degli allenamenti attivi."},
    {"cmdRTF", "RTF", "x-office-document", "Esporta la scheda corrente in formato RTF."},
    {"cmdFile", "Allegati", "mail-attachment", "Allega file alla scheda corrente."},
    {"cmdGuida", "Guida", "help-contents", "Visualizza la pagina della guida sensibile al contesto."},
    {"cmdEsci", "Esci", "application-exit", "Esci da questa schermata di lavoro."},
};

// The section switch: a button with its picture on a background that turns crimson while its
// section shows, and the field that takes the focus when it does.
struct SectionRow {
    const char* panel;
    const char* button;
    const char* caption;
    const char* picture;
    const char* background;
    const char* icon;
    const char* hint;
    const char* firstField;
};

constexpr SectionRow kSections[] = {
    {"panProgramma", "btnProgramma", "Programma", "icoProgramma", "bkgProgramma", "view-calendar-tasks",
     "Visualizza la sezione relativa al programma di allenamento.", "txtAllenamento"},
    {"panPartecipanti", "btnPartecipanti", "Dati personali", "icoPartecipanti", "bkgPartecipanti",
     "user-identity", "Visualizza la sezione relativa ai dati personali dell'Iscritto.", "txtTesserato"},
    {"panAttivita", "btnAttivita", "Attività", "icoAttivita", "bkgAttivita", "run-build",
     "Visualizza la sezione relativa alle attività dell'allenamento.", "txtRiscaldamento"},
};
const QColor kCrimson = QColor::fromRgba(0xFFDC143C);
const QColor kWhite = QColor::fromRgba(0xFFFFFFFF);

// Small picture buttons, each beside its field.
struct FieldButton {
    const char* field;
    Command command;
};

constexpr FieldButton kFieldButtons[] = {
    {"txtData", {"impData", "Calendario", "view-calendar", "Importa una data dal calendario."}},
    {"txtDataFine", {"impDataFine", "Calendario", "view-calendar", "Importa una data dal calendario."}},
    {"txtTesserato",
     {"impIscritto", "Importa iscritto", "go-previous", "Importa i dati dall'archivio degli iscritti."}},
    {"txtCodFisc",
     {"btnCodFisc", "Controlla codice fiscale", "dialog-ok-apply", "Controlla il codice fiscale."}},
    {"txtEmail", {"cmdEmail", "Invia e-mail", "mail-send", "Invia una e-mail all'indirizzo indicato."}},
};

const QString kDateHint = QStringLiteral("Premi un tasto qualsiasi per importare una data dal calendario.");
const QString kMemoHint = QStringLiteral(
    "Premi Maiusc+Invio o Ctrl+Invio per andare a capo, Invio per passare al campo successivo.");

} // namespace

TfrmAllenamenti::TfrmAllenamenti() : RecordScreen(kSetup, kCommands, kFields, &TSchedaAllenamento::path) {
    m_sections = new QStackedWidget(this);
    m_sections->addWidget(buildProgramma());
    m_sections->addWidget(buildPartecipanti());
    m_sections->addWidget(buildAttivita());
    auto* body = new QVBoxLayout;
    body->addWidget(buildSwitch());
    body->addWidget(m_sections, 1);
    setBody(body);

    for (const char* date : {"txtData", "txtDataFine"})
        statusLine()->addHint(fields()->control(date), kDateHint);
    for (const FieldRow& row : fields()->rows())
        if (row.control == Control::Memo)
            statusLine()->addHint(fields()->control(row.name), kMemoHint);

    connect(button("cmdTrova"), &QToolButton::clicked, this, [this] {
        TfrmTrovaAllenamenti search(this);
        search.setModeKey(QStringLiteral("allenamenti"));
        search.exec();
    });
    connect(button("cmdAttivi"), &QToolButton::clicked, this, [this] { TfrmAllenamentiAttivi(this).exec(); });
    connect(button("cmdEsporta"), &QToolButton::clicked, this, [this] { TfrmExpAllenamenti(this).exec(); });
    connect(button("cmdRTF"), &QToolButton::clicked, this, &TfrmAllenamenti::cmdRTFClick);
    connect(button("cmdFile"), &QToolButton::clicked, this, &TfrmAllenamenti::cmdFileClick);
    connect(button("cmdGuida"), &QToolButton::clicked, this, [this] {
        showGuide(this, QStringLiteral("App Schede Allenamento"), GeneralGuide::text(18, 25));
    });
    connect(button("impData"), &QToolButton::clicked, this, [this] { fields()->openDatePicker("txtData"); });
    connect(button("impDataFine"), &QToolButton::clicked, this,
            [this] { fields()->openDatePicker("txtDataFine"); });
    connect(button("impIscritto"), &QToolButton::clicked, this, &TfrmAllenamenti::impIscrittoClick);
    connect(button("btnCodFisc"), &QToolButton::clicked, this,
            [this] { openCodeCheck(Text::trimBlanks(fields()->text("txtCodFisc")), this); });
    connect(button("cmdEmail"), &QToolButton::clicked, this, &TfrmAllenamenti::cmdEmailClick);

    clearRecord();
}

QWidget* TfrmAllenamenti::buildSwitch() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < std::size(kSections); ++i) {
        const SectionRow& s = kSections[i];
        auto* background = new QFrame(bar);
        background->setObjectName(QString::fromLatin1(s.background));
        background->setAutoFillBackground(true);
        background->setFrameShape(QFrame::StyledPanel);
        QToolButton* picture = makeCommandButton({s.picture, s.caption, s.icon, s.hint}, statusLine(),
                                                 background, Qt::ToolButtonIconOnly);
        picture->setIconSize(QSize(32, 32));
        picture->setAutoRaise(true);
        auto* caption = new QPushButton(QString::fromUtf8(s.caption), background);
        caption->setObjectName(QString::fromLatin1(s.button));
        caption->setFlat(true);
        caption->setAutoDefault(false);
        statusLine()->addHint(caption, QString::fromUtf8(s.hint));
        auto* inside = new QHBoxLayout(background);
        inside->setContentsMargins(6, 2, 12, 2);
        inside->addWidget(picture);
        inside->addWidget(caption);
        row->addWidget(background);
        const auto section = Section(i);
        connect(picture, &QToolButton::clicked, this, [this, section] { showSection(section); });
        connect(caption, &QPushButton::clicked, this, [this, section] { showSection(section); });
    }
    row->addStretch();
    return bar;
}

QWidget* TfrmAllenamenti::sectionPanel(Section section) {
    auto* panel = new QWidget;
    panel->setObjectName(QString::fromLatin1(kSections[section].panel));
    return panel;
}

int TfrmAllenamenti::addRows(QGridLayout* grid, const char* first, const char* last, int line) {
    bool inside = false;
    for (const FieldRow& row : fields()->rows()) {
        inside = inside || qstrcmp(row.name, first) == 0;
        if (!inside)
            continue;
        grid->addWidget(fields()->label(row.name), line, 0,
                        row.control == Control::Memo ? Qt::AlignTop : Qt::Alignment());
        grid->addWidget(fields()->control(row.name), line, 1);
        for (const FieldButton& fb : kFieldButtons) {
            if (qstrcmp(fb.field, row.name) != 0)
                continue;
            QToolButton* b = makeCommandButton(fb.command, statusLine(), this, Qt::ToolButtonIconOnly);
            b->setIconSize(QSize(16, 16));
            grid->addWidget(b, line, 2);
        }
        if (row.control == Control::Memo)
            grid->setRowStretch(line, 1);
        ++line;
        if (qstrcmp(row.name, last) == 0)
            break;
    }
    grid->setColumnStretch(1, 1);
    return line;
}

QWidget* TfrmAllenamenti::buildProgramma() {
    QWidget* panel = sectionPanel(Programma);
    auto* grid = new QGridLayout(panel);
    addRows(grid, "txtAllenamento", "txtIstruttore");

    auto* groups = new QGroupBox(QStringLiteral("Gruppi muscolari interessati:"), panel);
    auto* boxes = new QGridLayout(groups);
    int n = 0;
    for (const FieldRow& row : fields()->rows())
        if (row.control == Control::Check) {
            boxes->addWidget(fields()->control(row.name), n % 6, n / 6);
            ++n;
        }
    grid->addWidget(groups, 0, 3, 6, 1, Qt::AlignTop);
    return panel;
}

QWidget* TfrmAllenamenti::buildPartecipanti() {
    QWidget* panel = sectionPanel(Partecipanti);
    auto* grid = new QGridLayout(panel);
    const int measuresLine = addRows(grid, "txtTesserato", "txtNumTessera");
    auto* measures = new QHBoxLayout;
    for (const auto& [title, first, last] :
         {std::tuple{"Valori a inizio allenamento", "txtPeso", "txtAddome"},
          std::tuple{"Valori a fine allenamento", "txtPeso_Fine", "txtAddome_Fine"}}) {
        auto* group = new QGroupBox(QString::fromUtf8(title), panel);
        addRows(new QGridLayout(group), first, last);
        measures->addWidget(group);
    }
    grid->addLayout(measures, measuresLine, 0, 1, 3);
    const int end = addRows(grid, "txtRisultati", "txtRisultati", measuresLine + 1);
    grid->setRowStretch(end, 1);
    return panel;
}

QWidget* TfrmAllenamenti::buildAttivita() {
    QWidget* panel = sectionPanel(Attivita);
    addRows(new QGridLayout(panel), "txtRiscaldamento", "txtFrequenza");
    return panel;
}

TfrmAllenamenti::Section TfrmAllenamenti::section() const {
    return Section(m_sections->currentIndex());
}

void TfrmAllenamenti::showSection(Section section, QWidget* focus) {
    for (std::size_t i = 0; i < std::size(kSections); ++i) {
        auto* background = findChild<QFrame*>(QString::fromLatin1(kSections[i].background));
        const bool shown = i == std::size_t(section);
        QPalette palette = background->palette();
        palette.setColor(QPalette::Window, shown ? kCrimson : kWhite);
        palette.setColor(QPalette::ButtonText, shown ? kWhite : Qt::black);
        background->setPalette(palette);
    }
    m_sections->setCurrentIndex(section);
    (focus ? focus : fields()->control(kSections[section].firstField))->setFocus();
}

void TfrmAllenamenti::focusField(QWidget* field) {
    for (std::size_t i = 0; i < fields()->rows().size(); ++i)
        if (fields()->controlAt(i) == field)
            showSection(Section(fields()->rows()[i].section), field);
}

void TfrmAllenamenti::clearRecord() {
    RecordScreen::clearRecord();
    showSection(Programma);
}

bool TfrmAllenamenti::prepareCopy() {
    // A copy starts without the attachments of the card it comes from.
    fields()->clear(kAttachmentLabels);
    showSection(Programma);
    return true;
}

bool TfrmAllenamenti::acceptSave() {
    for (const LongTextRow& t : kLongTexts) {
        const int length = LongText::length(fields()->text(t.field));
        if (length <= FieldBytes::of(t.member).capacity)
            continue;
        platform().message(Platform::Box::Warning, QString::fromUtf8(t.warning) + QString::number(length) +
                                                       QString::fromUtf8(kOverCapacity));
        focusField(fields()->control(t.field));
    }
    rebuildMuscleText();
    return true;
}

QByteArray TfrmAllenamenti::encodeScreen() const {
    R card = record();
    for (const LongTextRow& t : kLongTexts)
        card.*t.member = LongText::cut(card.*t.member, FieldBytes::of(t.member).capacity);
    return TrainingCodec::encode(card);
}

void TfrmAllenamenti::rebuildMuscleText() {
    fields()->setText("txtMuscoli", MuscleGroups::text(record()));
}

void TfrmAllenamenti::receiveMember(const TSchedaIscritto& member, int) {
    fields()->setText("txtTesserato", Text::trimBlanks(member.CognomeNome));
    fields()->setText("txtCodFisc", Text::trimBlanks(member.CodiceFiscale));
    fields()->setText("txtRecapito", Text::trimBlanks(member.TelCellulare));
    fields()->setText("txtNumTessera", Text::trimBlanks(member.NumeroTessera));
    fields()->setText("txtEmail", Text::trimBlanks(member.Email));
}

void TfrmAllenamenti::impIscrittoClick() {
    TfrmTrovaTiratori search(this, this);
    search.setModeKey(QStringLiteral("allenamenti"));
    search.exec();
}

void TfrmAllenamenti::cmdEmailClick() {
    QWidget* txtEmail = fields()->control("txtEmail");
    const QString address = Text::trimBlanks(fields()->text("txtEmail"));
    if (address.isEmpty()) {
        platform().message(Platform::Box::Warning,
                           QStringLiteral("Attenzione: indicare l'indirizzo e-mail dell'Iscritto."));
        txtEmail->setFocus();
        return;
    }
    const std::optional<QUrl> url = mailtoUrl(address);
    if (!url) {
        platform().message(Platform::Box::Warning, kRefusedMailAddress);
        txtEmail->setFocus();
        return;
    }
    platform().open(*url);
}

void TfrmAllenamenti::cmdFileClick() {
    FieldTableAttachments slots(*fields());
    TfrmAllegaCartella attachments(&slots, this);
    attachments.setModeKey(QStringLiteral("allenamenti"));
    attachments.exec();
}

void TfrmAllenamenti::cmdRTFClick() {
    rebuildMuscleText();
    TfrmCreaRTF document(this);
    document.setModeKey(QStringLiteral("allenamenti"));
    document.exec();
}
