#include "TfrmTessera.h"

#include "CardLogo.h"
#include "CardSettings.h"
#include "CardView.h"
#include "TfrmAnteprimaTessera.h"
#include "TfrmDatiEnte.h"
#include "TfrmStampaTessera.h"
#include "app/ArchiveMessages.h"
#include "app/CommandBar.h"
#include "app/GeneralGuide.h"
#include "app/Platform.h"
#include "app/StatusLine.h"
#include "app/TfrmGuida.h"
#include "members/MemberPhoto.h"
#include "members/PhotoFrame.h"
#include "members/TSchedaIscritto.h"
#include "members/TfrmTrovaTiratori.h"
#include "storage/StorageError.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr Command kCommands[] = {
    {"cmdNuovo", "Nuovo", "document-new",
     "Predispone la schermata per la visualizzazione di una nuova scheda."},
    {"cmdTrova", "Trova", "edit-find", "Trova una scheda in archivio."},
    {"cmdAnteprima", "Anteprima", "document-print-preview",
     "Visualizza l'anteprima di stampa del tesserino corrente."},
    {"cmdStampa", "Stampa", "document-print", "Stampa il tesserino corrente."},
    {"cmdPrimo", "Primo", "go-first", "Visualizza la prima scheda in archivio."},
    {"cmdIndietro", "Indietro", "go-previous", "Visualizza la scheda precedente in archivio."},
    {"cmdAvanti", "Avanti", "go-next", "Visualizza la scheda successiva in archivio."},
    {"cmdUltimo", "Ultimo", "go-last", "Visualizza l'ultima scheda in archivio."},
    {"imgGuida", "Guida", "help-contents", "Visualizza la pagina della guida sensibile al contesto."},
    {"imgEsci", "Esci", "application-exit", "Esci da questa schermata di lavoro."},
};

constexpr Command kDeleteButtons[] = {
    {"btnCancLogo", "Cancella logo", "edit-delete", "Cancella il logo corrente."},
    {"btnCancFoto", "Cancella foto", "edit-delete", "Cancella la foto corrente."},
};

// The association's lines on the card: a click opens the organisation dialog.
constexpr const char* kAssociationLines[] = {"titAssociazione", "titSottotitolo01", "titSottotitolo02",
                                             "titAnnotazioni"};

constexpr const char* kInformation[] = {
    "Per richiamare i dati di un iscritto dall'archivio, utilizzare il pulsante Trova o le frecce di "
    "scorrimento delle schede. ",
    "Inserire o modificare il logo e i dati dell'associazione facendo clic su di essi.",
    "Il logo e i dati testuali relativi all'associazione sono salvati in automatico all'uscita da questo "
    "ambiente di lavoro.",
};

const QString kLogoNotSaved = QStringLiteral(
    "Attenzione: il logo dell'associazione non è stato salvato.\n\r\n\rAccertarsi di possedere "
    "i privilegi di scrittura nella cartella di installazione del programma.");
const QString kAssociationNotSaved =
    QStringLiteral("Attenzione: i dati dell'associazione non sono stati salvati.\n\r\n\rAccertarsi di "
                   "possedere i privilegi di scrittura nella cartella di installazione del programma.");

} // namespace

TfrmTessera::TfrmTessera()
    : m_lblPosizione(RecordBrowser::makeLabel(this)),
      m_browser(&TSchedaIscritto::path, TSchedaIscritto::Size, m_lblPosizione, ArchiveMessages::kEmpty) {
    setObjectName(QStringLiteral("frmTessera"));
    setWindowTitle(QStringLiteral(" Zandorio - Stampa Tessere"));

    m_panInfo = new StatusLine(QStringLiteral("Pronto per stampare una nuova tessera..."), this);
    m_commands = new CommandBar(kCommands, m_panInfo, this);
    m_commands->insertAfter("cmdIndietro", m_lblPosizione);

    m_card = new CardView(this);
    m_card->control("imgLogo")->setAccessibleName(QStringLiteral("Logo dell'associazione"));
    m_card->control("imgFoto")->setAccessibleName(QStringLiteral("Foto dell'iscritto"));
    m_card->setClickable("imgLogo", [this] { imgLogoClick(); });
    m_panInfo->addHint(m_card->control("imgLogo"),
                       QStringLiteral("Fare clic per caricare il logo dell'associazione."));
    for (const char* line : kAssociationLines) {
        m_card->setClickable(line, [this] { titAssociazioneClick(); });
        m_panInfo->addHint(m_card->control(line),
                           QStringLiteral("Fare clic per inserire i dati dell'associazione."));
    }

    auto* body = new QHBoxLayout;
    body->addStretch();
    body->addWidget(m_card, 0, Qt::AlignVCenter);
    body->addSpacing(32);
    body->addWidget(buildSide(), 0, Qt::AlignVCenter);
    body->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_commands);
    layout->addLayout(body, 1);
    layout->addWidget(m_panInfo);

    connect(button("cmdNuovo"), &QToolButton::clicked, this, &TfrmTessera::cmdNuovoClick);
    connect(button("cmdTrova"), &QToolButton::clicked, this, &TfrmTessera::cmdTrovaClick);
    connect(button("cmdAnteprima"), &QToolButton::clicked, this, &TfrmTessera::cmdAnteprimaClick);
    connect(button("cmdStampa"), &QToolButton::clicked, this, &TfrmTessera::cmdStampaClick);
    connect(button("cmdPrimo"), &QToolButton::clicked, this, [this] { browse(RecordBrowser::Step::First); });
    connect(button("cmdIndietro"), &QToolButton::clicked, this,
            [this] { browse(RecordBrowser::Step::Previous); });
    connect(button("cmdAvanti"), &QToolButton::clicked, this, [this] { browse(RecordBrowser::Step::Next); });
    connect(button("cmdUltimo"), &QToolButton::clicked, this, [this] { browse(RecordBrowser::Step::Last); });
    connect(button("imgGuida"), &QToolButton::clicked, this,
            [this] { showGuide(this, QStringLiteral("App Stampa Tessere"), GeneralGuide::text(14, 17)); });
    connect(button("imgEsci"), &QToolButton::clicked, this, &QWidget::close);
    connect(button("btnCancLogo"), &QToolButton::clicked, this, &TfrmTessera::btnCancLogoClick);
    connect(button("btnCancFoto"), &QToolButton::clicked, this, &TfrmTessera::btnCancFotoClick);

    setLogo(CardLogo::builtIn(), false);
}

QWidget* TfrmTessera::buildSide() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panInformazioni"));
    auto* layout = new QVBoxLayout(panel);
    int n = 0;
    for (const char* text : kInformation) {
        auto* label = new QLabel(QString::fromUtf8(text), panel);
        label->setObjectName(QStringLiteral("lblInfo%1").arg(++n, 2, 10, QLatin1Char('0')));
        label->setWordWrap(true);
        label->setFixedWidth(300);
        layout->addWidget(label);
        layout->addSpacing(8);
    }
    for (const Command& c : kDeleteButtons) {
        QToolButton* b = makeCommandButton(c, m_panInfo, panel, Qt::ToolButtonTextBesideIcon);
        b->setIconSize(QSize(22, 22));
        layout->addWidget(b, 0, Qt::AlignLeft);
    }
    return panel;
}

QToolButton* TfrmTessera::button(const char* name) const {
    return findChild<QToolButton*>(QString::fromLatin1(name));
}

void TfrmTessera::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Every visit starts from a card without a member, with the association's data and logo as
    // stored; a window coming back from the task bar keeps its card.
    if (event->spontaneous())
        return;
    cmdNuovoClick();
    CardSettings::readAssociation(m_face);
    m_shown = m_face;
    const QImage logo = CardLogo::load();
    setLogo(logo.isNull() ? CardLogo::builtIn() : logo, false);
}

void TfrmTessera::closeEvent(QCloseEvent* event) {
    saveAssociation();
    saveLogo();
    QWidget::closeEvent(event);
}

void TfrmTessera::receiveMember(const TSchedaIscritto& member, int position) {
    showMember(member, position);
}

void TfrmTessera::showMember(const TSchedaIscritto& member, int position) {
    m_face.showMember(member, MemberPhoto::load(position), position);
    m_browser.setPosition(position);
    m_card->setFace(m_face);
}

void TfrmTessera::cmdNuovoClick() {
    m_face.clearMember();
    m_browser.setPosition(0);
    m_card->setFace(m_face);
}

void TfrmTessera::browse(RecordBrowser::Step step) {
    m_browser.browse(step, Platform::Box::Error, [this](QByteArrayView bytes, int position) {
        showMember(MemberCodec::decode(bytes), position);
    });
}

void TfrmTessera::cmdTrovaClick() {
    TfrmTrovaTiratori search(this, this);
    search.setModeKey(QStringLiteral("tessera"));
    search.exec();
}

void TfrmTessera::cmdAnteprimaClick() {
    saveLogo();
    TfrmAnteprimaTessera preview(this, m_face);
    preview.exec();
}

void TfrmTessera::cmdStampaClick() {
    saveLogo();
    TfrmStampaTessera print(this, m_face);
    print.exec();
}

void TfrmTessera::imgLogoClick() {
    // Only shown for now: the file is written when the card is printed or the screen closed.
    if (const std::optional<QImage> picture = PhotoFrame::chooseFile())
        setLogo(picture->isNull() ? CardLogo::builtIn() : *picture, true);
}

void TfrmTessera::titAssociazioneClick() {
    TfrmDatiEnte dialog(this);
    dialog.setModeKey(QStringLiteral("tessera"));
    dialog.setAssociation(m_face);
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.applyTo(m_face);
    m_card->setFace(m_face);
}

void TfrmTessera::btnCancLogoClick() {
    setLogo(CardLogo::dot(), true);
}

void TfrmTessera::btnCancFotoClick() {
    // The member's photo file stays: only this card goes without it.
    m_face.photo = CardLogo::dot();
    m_card->setFace(m_face);
}

void TfrmTessera::setLogo(const QImage& logo, bool changed) {
    m_face.logo = logo;
    m_logoChanged = changed;
    m_card->setFace(m_face);
}

void TfrmTessera::saveLogo() {
    if (!m_logoChanged && CardLogo::exists())
        return;
    if (!CardLogo::save(m_face.logo)) {
        // The picture stays on the card, to be written at the next try.
        platform().message(Platform::Box::Warning, kLogoNotSaved);
        return;
    }
    const QImage stored = CardLogo::load();
    setLogo(stored.isNull() ? CardLogo::fitted(m_face.logo) : stored, false);
}

void TfrmTessera::saveAssociation() {
    try {
        CardSettings::writeAssociation(m_face, m_shown);
        m_shown = m_face;
    } catch (const StorageError&) {
        platform().message(Platform::Box::Warning, kAssociationNotSaved);
    }
}
