#include "TfrmTiratori.h"

#include "AttachmentSlots.h"
#include "CodeCheck.h"
#include "FeeText.h"
#include "MemberPhoto.h"
#include "MemberRegister.h"
#include "PhotoFrame.h"
#include "TSchedaIscritto.h"
#include "TfrmAllegaCartella.h"
#include "TfrmAnteprimaTiratori.h"
#include "TfrmCertScaduti.h"
#include "TfrmExpTiratori.h"
#include "TfrmImc.h"
#include "TfrmLibroSoci.h"
#include "TfrmSocio.h"
#include "TfrmStampaTiratori.h"
#include "TfrmTessereScadute.h"
#include "TfrmTrovaTiratori.h"
#include "TfrmWebCam.h"
#include "TfrmZoom.h"
#include "app/ArchiveMessages.h"
#include "app/CommandBar.h"
#include "app/FieldTable.h"
#include "app/GeneralGuide.h"
#include "app/MailAddress.h"
#include "app/Platform.h"
#include "app/StatusLine.h"
#include "app/TfrmGuida.h"
#include "storage/StorageError.h"
#include "storage/Text.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using R = TSchedaIscritto;

constexpr RecordScreenSetup kSetup{
    .objectName = "frmTiratori",
    .caption = " Zandorio - Archivio Iscritti",
    .ready = "Pronto per archiviare una nuova scheda...",
    .highlight = Highlight::Colour,
};

// The card's controls in their Enter order, with the member field each one shows; the mandatory
// ones are checked in this order before saving. The six hidden labels carry the attachments.
constexpr FieldBinding<R> kFields[] = {
    {{"txtTiratore", "Cognome e nome:", 50, Input::Free,
      "Attenzione: per salvare la scheda è necessario indicare cognome e nome dell'iscritto."},
     &R::CognomeNome},
    {{.name = "txtSesso",
      .label = "Sesso:",
      .maxLength = 1,
      .input = Input::Upper,
      .align = Qt::AlignHCenter},
     &R::Sesso},
    {{"txtDataNasc", "Data nascita:", 10}, &R::DataNascita},
    {{"txtCittadinanza", "Cittadinanza:", 50}, &R::Cittadinanza},
    {{"txtLuogoNasc", "Luogo nascita:", 50}, &R::LuogoNascita},
    {{"txtIndirizzo", "Indirizzo residenza:", 120}, &R::Indirizzo},
    {{"txtCitta", "Città:", 50}, &R::Citta},
    {{"txtCap", "CAP:", 10}, &R::Cap},
    {{"txtNazione", "Nazione:", 50}, &R::Nazione},
    {{"txtCodFisc", "Codice fiscale:", 16, Input::Upper}, &R::CodiceFiscale},
    {{"txtGruppo", "Peso in kg:", 8, Input::Digits}, &R::Peso},
    {{"txtProfessione", "Statura in cm:", 8, Input::Digits}, &R::Statura},
    {{"txtStudio", "Scadenza certificato medico:", 120, Input::Date,
      "Attenzione: per salvare la scheda è necessario indicare la data di scadenza del certificato medico.",
      "tiratori_studio"},
     &R::ScadenzaCertificato},
    {{"txtEnte", "Attività sportiva:", 120, Input::Free,
      "Attenzione: per salvare la scheda è necessario indicare l'attività sportiva praticata."},
     &R::AttivitaSportiva},
    {{"txtEmail", "E-mail:", 50, Input::Trimmed}, &R::Email},
    {{"txtTel", "Tel. casa:", 30}, &R::TelCasa},
    {{"txtCel", "Tel. cellulare:", 30, Input::Digits}, &R::TelCellulare},
    {{"txtTessera", "Tessera n.", 50, Input::Free,
      "Attenzione: per salvare la scheda è necessario indicare il numero di tessera dell'iscritto."},
     &R::NumeroTessera},
    {{.name = "txtQuota",
      .label = "Quota: €",
      .maxLength = 50,
      .input = Input::Amount,
      .mandatory = "Attenzione: per salvare la scheda è necessario indicare la quota versata dall'iscritto.",
      .align = Qt::AlignRight},
     &R::Quota},
    {{"txtInizioTes", "Data rilascio:", 10, Input::Date,
      "Attenzione: per salvare la scheda è necessario indicare la data di rilascio della tessera.",
      "tiratori_iniziotes"},
     &R::RilascioTessera},
    {{"txtFineTes", "Data scadenza:", 10, Input::Date,
      "Attenzione: per salvare la scheda è necessario indicare la data di scadenza della tessera.",
      "tiratori_finetes"},
     &R::ScadenzaTessera},
    {{"txtArmi", "Praticante (cognome e nome):", 50}, &R::Praticante},
    {{"txtPorto", "Luogo di nascita:", 50}, &R::LuogoNascitaPraticante},
    {{"txtInizioPor", "Data di nascita:", 10}, &R::DataNascitaPraticante},
    {{"txtFinePor", "Indirizzo:", 250}, &R::IndirizzoPraticante},
    {{"txtNote", "Note:", 250}, &R::Note},
    {{.name = "lblFile01", .label = nullptr, .control = Control::Hidden}, &R::File01},
    {{.name = "lblFile02", .label = nullptr, .control = Control::Hidden}, &R::File02},
    {{.name = "lblFile03", .label = nullptr, .control = Control::Hidden}, &R::File03},
    {{.name = "lblDesc01", .label = nullptr, .control = Control::Hidden}, &R::Desc01},
    {{.name = "lblDesc02", .label = nullptr, .control = Control::Hidden}, &R::Desc02},
    {{.name = "lblDesc03", .label = nullptr, .control = Control::Hidden}, &R::Desc03},
};
// The fields of the first column of the card; the card and the practitioner fill the second. The
// last ones, the practitioner's address and the notes (250 characters each), take whole rows under
// both columns, where they show as much of their text as the card's width allows.
constexpr int kFirstColumnRows = 17;
constexpr int kSecondColumnRows = 7;

constexpr const char* kAttachmentLabels[] = {"lblFile01", "lblFile02", "lblFile03",
                                             "lblDesc01", "lblDesc02", "lblDesc03"};

constexpr Command kCommands[] = {
    {"cmdNuovo", "Nuovo", "document-new", "Prepara la schermata per l'inserimento di una nuova scheda."},
    {"cmdDuplica", "Duplica", "edit-copy",
     "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti."},
    {"cmdSalva", "Salva", "document-save", "Salva la scheda in archivio."},
    {"cmdTrova", "Trova", "edit-find", "Trova una scheda in archivio."},
    {"cmdFile", "Allegati", "mail-attachment", "Allega file alla scheda."},
    {"cmdAnteprima", "Anteprima", "document-print-preview", "Visualizza l'anteprima di stampa della scheda."},
    {"cmdStampa", "Stampa", "document-print", "Stampa la scheda."},
    {"cmdPrimo", "Primo", "go-first", "Visualizza la prima scheda in archivio."},
    {"cmdIndietro", "Indietro", "go-previous", "Visualizza la scheda precedente in archivio."},
    {"cmdAvanti", "Avanti", "go-next", "Visualizza la scheda successiva in archivio."},
    {"cmdUltimo", "Ultimo", "go-last", "Visualizza l'ultima scheda in archivio."},
    {"cmdScadCert", "Certificati", "chronometer", "Visualizza il riepilogo dei certificati medici scaduti."},
    {"cmdScadute", "Tessere", "clock", "Visualizza il riepilogo delle tessere scadute."},
    {"cmdEsporta", "Esporta", "x-office-spreadsheet", "Esporta l'archivio in un file di Microsoft Excel."},
    {"cmdSocio", "Socio", "contact-new", "Dati del libro soci, certificato medico e consensi."},
    {"cmdLibroSoci", "Libro soci", "x-office-address-book", "Visualizza il libro soci."},
    {"cmdGuida", "Guida", "help-contents", "Visualizza la guida in linea."},
    {"cmdEsci", "Esci", "application-exit", "Esci da questa schermata di lavoro."},
};

// Small picture buttons, each beside its field.
struct FieldButton {
    const char* field;
    Command command;
};

constexpr FieldButton kFieldButtons[] = {
    {"txtCodFisc",
     {"btnCodFisc", "Controlla codice fiscale", "dialog-ok-apply", "Controlla il codice fiscale."}},
    {"txtProfessione",
     {"btnIMC", "Indice di massa corporea", "accessories-calculator",
      "Calcola l'indice di massa corporea in base al peso e alla statura."}},
    {"txtEmail", {"btnEmail", "Invia e-mail", "mail-send", "Invia una e-mail all'indirizzo indicato."}},
};

constexpr Command kPhotoButtons[] = {
    {"btnCaricaFoto", "Carica foto", "document-open", "Carica una foto esistente."},
    {"btnWebcam", "Webcam", "camera-web", "Cattura la foto con una webcam."},
    {"btnSalvaFoto", "Salva foto", "document-save-as", "Salva la foto su disco."},
    {"btnCancFoto", "Cancella foto", "edit-delete", "Cancella la foto."},
    {"btnZoomFoto", "Zoom", "zoom-in", "Visualizza la foto nelle sue dimensioni reali."},
};

} // namespace

TfrmTiratori::TfrmTiratori() : RecordScreen(kSetup, kCommands, kFields, &TSchedaIscritto::path) {
    auto* body = new QHBoxLayout;
    body->addWidget(buildFields(), 1);
    body->addWidget(buildPhoto(), 0, Qt::AlignTop);
    setBody(body);

    connect(button("cmdTrova"), &QToolButton::clicked, this, &TfrmTiratori::cmdTrovaClick);
    connect(button("cmdAnteprima"), &QToolButton::clicked, this,
            [this] { TfrmAnteprimaTiratori(this).exec(); });
    connect(button("cmdStampa"), &QToolButton::clicked, this, [this] { TfrmStampaTiratori(this).exec(); });
    connect(button("cmdEsporta"), &QToolButton::clicked, this, [this] { TfrmExpTiratori(this).exec(); });
    connect(button("cmdScadCert"), &QToolButton::clicked, this, [this] { TfrmCertScaduti(this).exec(); });
    connect(button("cmdScadute"), &QToolButton::clicked, this, [this] { TfrmTessereScadute(this).exec(); });
    connect(button("btnEmail"), &QToolButton::clicked, this, &TfrmTiratori::btnEmailClick);
    connect(button("btnCodFisc"), &QToolButton::clicked, this,
            [this] { openCodeCheck(fields()->text("txtCodFisc"), this); });
    connect(button("btnIMC"), &QToolButton::clicked, this, &TfrmTiratori::btnIMCClick);
    connect(button("cmdGuida"), &QToolButton::clicked, this, [this] {
        showGuide(this, QStringLiteral("App Archivio Iscritti"),
                  GeneralGuide::text(GeneralGuide::kMembersFirst, GeneralGuide::kMembersLast));
    });
    connect(button("cmdFile"), &QToolButton::clicked, this, &TfrmTiratori::cmdFileClick);
    connect(button("cmdSocio"), &QToolButton::clicked, this, &TfrmTiratori::cmdSocioClick);
    connect(button("cmdLibroSoci"), &QToolButton::clicked, this, [this] { TfrmLibroSoci(this).exec(); });

    fields()->control("txtQuota")->installEventFilter(this);
    clearRecord();
}

QWidget* TfrmTiratori::buildFields() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panCampi"));
    auto* grid = new QGridLayout(panel);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    int index = 0;
    for (const FieldRow& row : fields()->rows()) {
        if (row.control == Control::Hidden)
            continue;
        const bool first = index < kFirstColumnRows;
        const bool whole = index >= kFirstColumnRows + kSecondColumnRows;
        const int column = first || whole ? 0 : 3;
        const int line = first ? index : whole ? index - kSecondColumnRows : index - kFirstColumnRows;
        grid->addWidget(fields()->label(row.name), line, column);
        grid->addWidget(fields()->control(row.name), line, column + 1, 1, whole ? 4 : 1);
        ++index;
    }
    for (const FieldButton& fb : kFieldButtons) {
        QToolButton* b = makeCommandButton(fb.command, statusLine(), panel, Qt::ToolButtonIconOnly);
        b->setIconSize(QSize(16, 16));
        QWidget* field = fields()->control(fb.field);
        b->setFixedHeight(field->sizeHint().height());
        int line = 0, column = 0, rows = 0, columns = 0;
        grid->getItemPosition(grid->indexOf(field), &line, &column, &rows, &columns);
        grid->addWidget(b, line, column + 1);
    }
    // The first column holds the longer fields (the residence address: 120 characters).
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(4, 2);
    grid->setColumnMinimumWidth(3, 40);
    grid->setRowStretch(index - kSecondColumnRows, 1);
    return panel;
}

QWidget* TfrmTiratori::buildPhoto() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panFoto"));
    m_imgFoto = new PhotoFrame(PhotoFrame::kCardSize, panel);
    m_imgFoto->setObjectName(QStringLiteral("imgFoto"));
    m_imgFoto->setAccessibleName(QStringLiteral("Foto dell'iscritto"));
    // The blank picture carried by the card, which stands for a missing photo.
    auto* blank = new PhotoFrame(PhotoFrame::kCardSize, panel);
    blank->setObjectName(QStringLiteral("imgBianco"));
    blank->hide();

    auto* buttons = new QHBoxLayout;
    for (const Command& c : kPhotoButtons)
        buttons->addWidget(makeCommandButton(c, statusLine(), panel, Qt::ToolButtonIconOnly));
    connect(button("btnCaricaFoto"), &QToolButton::clicked, m_imgFoto, &PhotoFrame::loadChosenFile);
    connect(button("btnSalvaFoto"), &QToolButton::clicked, m_imgFoto, &PhotoFrame::saveToChosenFile);
    connect(button("btnCancFoto"), &QToolButton::clicked, m_imgFoto, &PhotoFrame::showBlank);
    connect(button("btnZoomFoto"), &QToolButton::clicked, this, [this] {
        TfrmZoom zoom(m_imgFoto->image(), this);
        zoom.exec();
    });
    connect(button("btnWebcam"), &QToolButton::clicked, this, [this] {
        TfrmWebCam webcam(m_imgFoto, this);
        webcam.setModeKey(QStringLiteral("euro_01"));
        webcam.exec();
    });
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(m_imgFoto);
    layout->addLayout(buttons);
    return panel;
}

void TfrmTiratori::receiveMember(const TSchedaIscritto& member, int position) {
    showRecord(member, position);
}

QImage TfrmTiratori::photo() const {
    return m_imgFoto->image();
}

void TfrmTiratori::clearRecord() {
    RecordScreen::clearRecord();
    fields()->setText("txtQuota", QStringLiteral("0,00"));
    m_imgFoto->showBlank();
    fields()->control("txtTiratore")->setFocus();
}

bool TfrmTiratori::prepareCopy() {
    // The copy has no photo and no attachments until the user gives it some.
    fields()->clear(kAttachmentLabels);
    m_imgFoto->showBlank();
    fields()->control("txtTiratore")->setFocus();
    return true;
}

void TfrmTiratori::recordShown(const TSchedaIscritto&, int position) {
    m_imgFoto->setImage(MemberPhoto::load(position));
}

void TfrmTiratori::recordSaved(int position) {
    // The photo that could not be written stays on screen, so that the next save can write it.
    if (!MemberPhoto::save(position, m_imgFoto->image()))
        platform().message(Platform::Box::Warning, MemberPhoto::kSaveFailed);
}

bool TfrmTiratori::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && watched == fields()->control("txtQuota"))
        fields()->setText("txtQuota", FeeText::format(fields()->text("txtQuota")));
    return RecordScreen::eventFilter(watched, event);
}

void TfrmTiratori::cmdFileClick() {
    FieldTableAttachments slots(*fields());
    TfrmAllegaCartella attachments(&slots, this);
    attachments.setModeKey(QStringLiteral("tiratori"));
    attachments.exec();
}

void TfrmTiratori::btnEmailClick() {
    const std::optional<QUrl> address = mailtoUrl(Text::trimBlanks(fields()->text("txtEmail")));
    if (!address) {
        platform().message(Platform::Box::Warning, kRefusedMailAddress);
        fields()->control("txtEmail")->setFocus();
        return;
    }
    platform().open(*address);
}

void TfrmTiratori::cmdTrovaClick() {
    TfrmTrovaTiratori search(this, this);
    search.setModeKey(QStringLiteral("tiratori"));
    search.exec();
}

void TfrmTiratori::btnIMCClick() {
    TfrmImc calculator(this);
    calculator.setValues(Text::trimBlanks(fields()->text("txtGruppo")),
                         Text::trimBlanks(fields()->text("txtProfessione")));
    calculator.exec();
}

void TfrmTiratori::cmdSocioClick() {
    if (position() == 0) {
        platform().message(
            Platform::Box::Warning,
            QStringLiteral("Attenzione: salvare la scheda dell'iscritto prima di inserire i dati del "
                           "socio."));
        return;
    }
    TSchedaSocio socio;
    try {
        socio = MemberRegister::load(position());
    } catch (const StorageError&) {
        platform().message(Platform::Box::Error, ArchiveMessages::kFailure);
        return;
    }
    TfrmSocio dialog(this, position(), Text::trimBlanks(fields()->text("txtTiratore")), socio,
                     fields()->field("txtStudio"));
    dialog.exec();
}
