#include "TfrmTiratori.h"

#include "CodeCheck.h"
#include "FeeText.h"
#include "MemberPhoto.h"
#include "PhotoFrame.h"
#include "TSchedaIscritto.h"
#include "TfrmAllegaCartella.h"
#include "TfrmAnteprimaTiratori.h"
#include "TfrmCertScaduti.h"
#include "TfrmExpTiratori.h"
#include "TfrmImc.h"
#include "TfrmStampaTiratori.h"
#include "TfrmTessereScadute.h"
#include "TfrmTrovaTiratori.h"
#include "TfrmWebCam.h"
#include "TfrmZoom.h"
#include "app/CommandBar.h"
#include "app/FieldTable.h"
#include "app/GeneralGuide.h"
#include "app/Platform.h"
#include "app/StatusLine.h"
#include "app/TfrmGuida.h"
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

// The card's fields in their Enter order.
constexpr FieldRow kFields[] = {
    {"txtTiratore", "Cognome e nome:", 50, Input::Free, true},
    {"txtSesso", "Sesso:", 1, Input::Upper, false, nullptr, nullptr, Qt::AlignHCenter},
    {"txtDataNasc", "Data nascita:", 10},
    {"txtCittadinanza", "Cittadinanza:", 50},
    {"txtLuogoNasc", "Luogo nascita:", 50},
    {"txtIndirizzo", "Indirizzo residenza:", 120},
    {"txtCitta", "Città:", 50},
    {"txtCap", "CAP:", 10},
    {"txtNazione", "Nazione:", 50},
    {"txtCodFisc", "Codice fiscale:", 16, Input::Upper},
    {"txtGruppo", "Peso in kg:", 8, Input::Digits},
    {"txtProfessione", "Statura in cm:", 8, Input::Digits},
    {"txtStudio", "Scadenza certificato medico:", 120, Input::Date, true, "tiratori_studio"},
    {"txtEnte", "Attività sportiva:", 120, Input::Free, true},
    {"txtEmail", "E-mail:", 50, Input::Trimmed},
    {"txtTel", "Tel. casa:", 30},
    {"txtCel", "Tel. cellulare:", 30, Input::Digits},
    {"txtTessera", "Tessera n.", 50, Input::Free, true},
    {"txtQuota", "Quota: €", 50, Input::Amount, true, nullptr, nullptr, Qt::AlignRight},
    {"txtInizioTes", "Data rilascio:", 10, Input::Date, true, "tiratori_iniziotes"},
    {"txtFineTes", "Data scadenza:", 10, Input::Date, true, "tiratori_finetes"},
    {"txtArmi", "Praticante (cognome e nome):", 50},
    {"txtPorto", "Luogo di nascita:", 50},
    {"txtInizioPor", "Data di nascita:", 10},
    {"txtFinePor", "Indirizzo:", 250},
    {"txtNote", "Note:", 250},
};
// The fields of the first column of the card; the card and the practitioner fill the second.
constexpr int kFirstColumnRows = 17;

// Where each field of the record lives on the card: the 26 fields and the six hidden labels of
// the attachments. Both kinds of control carry the value in their "text" property.
struct Control {
    const char* name;
    QString R::*member;
};

constexpr Control kControls[] = {
    {"txtTiratore", &R::CognomeNome},
    {"txtSesso", &R::Sesso},
    {"txtDataNasc", &R::DataNascita},
    {"txtCittadinanza", &R::Cittadinanza},
    {"txtLuogoNasc", &R::LuogoNascita},
    {"txtIndirizzo", &R::Indirizzo},
    {"txtCitta", &R::Citta},
    {"txtCap", &R::Cap},
    {"txtNazione", &R::Nazione},
    {"txtCodFisc", &R::CodiceFiscale},
    {"txtGruppo", &R::Peso},
    {"txtProfessione", &R::Statura},
    {"txtStudio", &R::ScadenzaCertificato},
    {"txtEnte", &R::AttivitaSportiva},
    {"txtEmail", &R::Email},
    {"txtTel", &R::TelCasa},
    {"txtCel", &R::TelCellulare},
    {"txtTessera", &R::NumeroTessera},
    {"txtQuota", &R::Quota},
    {"txtInizioTes", &R::RilascioTessera},
    {"txtFineTes", &R::ScadenzaTessera},
    {"txtArmi", &R::Praticante},
    {"txtPorto", &R::LuogoNascitaPraticante},
    {"txtInizioPor", &R::DataNascitaPraticante},
    {"txtFinePor", &R::IndirizzoPraticante},
    {"txtNote", &R::Note},
    {"lblFile01", &R::File01},
    {"lblFile02", &R::File02},
    {"lblFile03", &R::File03},
    {"lblDesc01", &R::Desc01},
    {"lblDesc02", &R::Desc02},
    {"lblDesc03", &R::Desc03},
};

constexpr const char* kAttachmentLabels[] = {"lblFile01", "lblFile02", "lblFile03",
                                             "lblDesc01", "lblDesc02", "lblDesc03"};

// The mandatory fields in the order they are checked before saving.
struct Mandatory {
    const char* field;
    const char* warning;
};

constexpr Mandatory kMandatory[] = {
    {"txtTiratore", "Attenzione: per salvare la scheda è necessario indicare cognome e nome dell'iscritto."},
    {"txtStudio",
     "Attenzione: per salvare la scheda è necessario indicare la data di scadenza del certificato medico."},
    {"txtEnte", "Attenzione: per salvare la scheda è necessario indicare l'attività sportiva praticata."},
    {"txtTessera",
     "Attenzione: per salvare la scheda è necessario indicare il numero di tessera dell'iscritto."},
    {"txtQuota", "Attenzione: per salvare la scheda è necessario indicare la quota versata dall'iscritto."},
    {"txtInizioTes",
     "Attenzione: per salvare la scheda è necessario indicare la data di rilascio della tessera."},
    {"txtFineTes",
     "Attenzione: per salvare la scheda è necessario indicare la data di scadenza della tessera."},
};

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
    {"cmdScadCert", "Certificati", "view-certificate",
     "Visualizza il riepilogo dei certificati medici scaduti."},
    {"cmdScadute", "Tessere", "view-calendar-list", "Visualizza il riepilogo delle tessere scadute."},
    {"cmdEsporta", "Esporta", "x-office-spreadsheet", "Esporta l'archivio in un file di Microsoft Excel."},
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

TfrmTiratori::TfrmTiratori()
    : m_lblPosizione(new QLabel),
      m_browser(&TSchedaIscritto::path, TSchedaIscritto::Size, m_lblPosizione, Platform::Box::Error) {
    setObjectName(QStringLiteral("frmTiratori"));
    setWindowTitle(QStringLiteral(" Zandorio - Archivio Iscritti"));

    m_panInfo = new StatusLine(QStringLiteral("Pronto per archiviare una nuova scheda..."), this);
    m_commands = new CommandBar(kCommands, m_panInfo, this);
    m_lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    m_lblPosizione->setAlignment(Qt::AlignCenter);
    m_lblPosizione->setMinimumWidth(60);
    m_lblPosizione->setFrameShape(QFrame::StyledPanel);
    m_lblPosizione->setAccessibleName(QStringLiteral("Posizione in archivio"));
    m_commands->insertAfter("cmdIndietro", m_lblPosizione);

    // Takes the focus away from the field being edited, so that the field finishes its editing.
    m_btnFocus = new QPushButton(this);
    m_btnFocus->setObjectName(QStringLiteral("btnFocus"));
    m_btnFocus->setFixedSize(0, 0);
    m_btnFocus->setFocusPolicy(Qt::ClickFocus);

    for (const char* name : kAttachmentLabels) {
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->hide();
    }

    auto* body = new QHBoxLayout;
    body->addWidget(buildFields(), 1);
    body->addWidget(buildPhoto(), 0, Qt::AlignTop);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_commands);
    layout->addLayout(body, 1);
    layout->addWidget(m_btnFocus);
    layout->addWidget(m_panInfo);

    connect(button("cmdNuovo"), &QToolButton::clicked, this, &TfrmTiratori::clearCard);
    connect(button("cmdDuplica"), &QToolButton::clicked, this, &TfrmTiratori::cmdDuplicaClick);
    connect(button("cmdSalva"), &QToolButton::clicked, this, &TfrmTiratori::cmdSalvaClick);
    connect(button("cmdTrova"), &QToolButton::clicked, this, &TfrmTiratori::cmdTrovaClick);
    connect(button("cmdPrimo"), &QToolButton::clicked, this, [this] { browse(RecordBrowser::Step::First); });
    connect(button("cmdIndietro"), &QToolButton::clicked, this,
            [this] { browse(RecordBrowser::Step::Previous); });
    connect(button("cmdAvanti"), &QToolButton::clicked, this, [this] { browse(RecordBrowser::Step::Next); });
    connect(button("cmdUltimo"), &QToolButton::clicked, this, [this] { browse(RecordBrowser::Step::Last); });
    connect(button("cmdAnteprima"), &QToolButton::clicked, this,
            [this] { TfrmAnteprimaTiratori(this).exec(); });
    connect(button("cmdStampa"), &QToolButton::clicked, this, [this] { TfrmStampaTiratori(this).exec(); });
    connect(button("cmdEsporta"), &QToolButton::clicked, this, [this] { TfrmExpTiratori(this).exec(); });
    connect(button("cmdScadCert"), &QToolButton::clicked, this, [this] { TfrmCertScaduti(this).exec(); });
    connect(button("cmdScadute"), &QToolButton::clicked, this, [this] { TfrmTessereScadute(this).exec(); });
    connect(button("cmdEsci"), &QToolButton::clicked, this, &QWidget::close);
    connect(button("btnEmail"), &QToolButton::clicked, this, &TfrmTiratori::btnEmailClick);
    connect(button("btnCodFisc"), &QToolButton::clicked, this,
            [this] { openCodeCheck(m_fields->field("txtCodFisc")->text(), this); });
    connect(button("btnIMC"), &QToolButton::clicked, this, &TfrmTiratori::btnIMCClick);
    connect(button("cmdGuida"), &QToolButton::clicked, this,
            [this] { showGuide(this, QStringLiteral("App Archivio Iscritti"), GeneralGuide::text(2, 14)); });
    connect(button("cmdFile"), &QToolButton::clicked, this, &TfrmTiratori::cmdFileClick);

    m_fields->field("txtQuota")->installEventFilter(this);
    clearCard();
}

QWidget* TfrmTiratori::buildFields() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panCampi"));
    m_fields = new FieldTable(panel, kFields, Highlight::Colour);

    auto* grid = new QGridLayout(panel);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    int index = 0;
    for (const FieldRow& row : m_fields->rows()) {
        const int column = index < kFirstColumnRows ? 0 : 3;
        const int line = index < kFirstColumnRows ? index : index - kFirstColumnRows;
        grid->addWidget(m_fields->label(row.name), line, column);
        grid->addWidget(m_fields->field(row.name), line, column + 1);
        ++index;
    }
    for (const FieldButton& fb : kFieldButtons) {
        QToolButton* b = makeCommandButton(fb.command, m_panInfo, panel, Qt::ToolButtonIconOnly);
        b->setIconSize(QSize(16, 16));
        b->setFixedHeight(m_fields->field(fb.field)->sizeHint().height());
        int line = 0, column = 0, rows = 0, columns = 0;
        grid->getItemPosition(grid->indexOf(m_fields->field(fb.field)), &line, &column, &rows, &columns);
        grid->addWidget(b, line, column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    grid->setColumnMinimumWidth(3, 40);
    grid->setRowStretch(kFirstColumnRows, 1);
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
        buttons->addWidget(makeCommandButton(c, m_panInfo, panel, Qt::ToolButtonIconOnly));
    connect(button("btnCaricaFoto"), &QToolButton::clicked, m_imgFoto, &PhotoFrame::loadChosenFile);
    connect(button("btnSalvaFoto"), &QToolButton::clicked, m_imgFoto, &PhotoFrame::saveToChosenFile);
    connect(button("btnCancFoto"), &QToolButton::clicked, m_imgFoto, &PhotoFrame::showBlank);
    connect(button("btnZoomFoto"), &QToolButton::clicked, this, [this] {
        TfrmZoom zoom(m_imgFoto->image(), this);
        zoom.exec();
    });
    connect(button("btnWebcam"), &QToolButton::clicked, this, [this] {
        TfrmWebCam webcam(this);
        webcam.setModeKey(QStringLiteral("euro_01"));
        webcam.exec();
    });
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(m_imgFoto);
    layout->addLayout(buttons);
    return panel;
}

QToolButton* TfrmTiratori::button(const char* name) const {
    return findChild<QToolButton*>(QString::fromLatin1(name));
}

void TfrmTiratori::showRecord(const TSchedaIscritto& record, int position) {
    for (const Control& c : kControls)
        findChild<QWidget*>(QString::fromLatin1(c.name))->setProperty("text", record.*c.member);
    m_lblPosizione->setText(QString::number(position));
    m_imgFoto->setImage(MemberPhoto::load(position));
}

void TfrmTiratori::receiveMember(const TSchedaIscritto& member, int position) {
    showRecord(member, position);
}

TSchedaIscritto TfrmTiratori::record() const {
    TSchedaIscritto r;
    for (const Control& c : kControls)
        r.*c.member = findChild<QWidget*>(QString::fromLatin1(c.name))->property("text").toString();
    return r;
}

void TfrmTiratori::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Every visit starts from an empty card; a window coming back from the task bar keeps its card.
    if (!event->spontaneous())
        clearCard();
}

bool TfrmTiratori::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        auto* quota = m_fields->field("txtQuota");
        if (watched == quota)
            quota->setText(FeeText::format(quota->text()));
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmTiratori::clearCard() {
    m_fields->clear();
    m_fields->field("txtQuota")->setText(QStringLiteral("0,00"));
    for (const char* name : kAttachmentLabels)
        findChild<QLabel*>(QString::fromLatin1(name))->clear();
    m_imgFoto->showBlank();
    m_lblPosizione->clear();
    m_fields->field("txtTiratore")->setFocus();
}

void TfrmTiratori::cmdDuplicaClick() {
    if (m_lblPosizione->text().isEmpty()) {
        platform().message(
            Platform::Box::Warning,
            QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che "
                           "questa è stata inserita in archivio."));
        return;
    }
    for (const char* name : kAttachmentLabels)
        findChild<QLabel*>(QString::fromLatin1(name))->clear();
    m_lblPosizione->clear();
    m_imgFoto->showBlank();
    m_fields->field("txtTiratore")->setFocus();
    platform().message(
        Platform::Box::Information,
        QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                       "Al termine premere Salva per inserire la scheda in archivio."));
}

void TfrmTiratori::cmdSalvaClick() {
    m_btnFocus->setFocus();
    if (QLineEdit* empty = m_fields->firstEmptyMandatory()) {
        for (const Mandatory& m : kMandatory)
            if (empty->objectName() == QLatin1String(m.field))
                platform().message(Platform::Box::Warning, QString::fromUtf8(m.warning));
        empty->setFocus();
        return;
    }
    const std::optional<RecordBrowser::Saved> saved = m_browser.save(MemberCodec::encode(record()));
    if (!saved)
        return;
    if (!MemberPhoto::save(m_lblPosizione->text().toInt(), m_imgFoto->image()))
        m_imgFoto->showBlank();
    platform().message(
        Platform::Box::Information,
        *saved == RecordBrowser::Saved::Overwritten
            ? QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in "
                             "archivio.")
            : QStringLiteral("La scheda corrente è stata inserita in archivio."));
}

void TfrmTiratori::cmdFileClick() {
    TfrmAllegaCartella attachments(this);
    attachments.setModeKey(QStringLiteral("tiratori"));
    attachments.exec();
}

void TfrmTiratori::btnEmailClick() {
    const QString address = Text::trimBlanks(m_fields->field("txtEmail")->text());
    platform().open(QStringLiteral("\"mailto:") + address + QStringLiteral("\""));
}

void TfrmTiratori::cmdTrovaClick() {
    TfrmTrovaTiratori search(this);
    search.setModeKey(QStringLiteral("tiratori"));
    search.exec();
}

void TfrmTiratori::btnIMCClick() {
    TfrmImc calculator(this);
    calculator.setValues(Text::trimBlanks(m_fields->field("txtGruppo")->text()),
                         Text::trimBlanks(m_fields->field("txtProfessione")->text()));
    calculator.exec();
}

void TfrmTiratori::browse(RecordBrowser::Step step) {
    m_browser.browse(step, [this](QByteArrayView bytes, int position) {
        showRecord(MemberCodec::decode(bytes), position);
    });
}
