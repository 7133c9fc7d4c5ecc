#include "TfrmAccesso.h"

#include "CheckInSettings.h"
#include "QrReader.h"
#include "app/ArchiveMessages.h"
#include "app/CommandBar.h"
#include "app/Platform.h"
#include "app/StatusLine.h"
#include "entries/EntryChecks.h"
#include "entries/TSchedaIngresso.h"
#include "members/MemberPhoto.h"
#include "members/PhotoFrame.h"
#include "storage/StorageError.h"
#include "storage/Text.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QShowEvent>
#include <QStringListModel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using CheckIn::Light;

constexpr Command kCommands[] = {
    {"cmdRegistra", "Registra ingresso", "document-save", "Registra l'ingresso dell'iscritto mostrato."},
    {"cmdWebcam", "Leggi con la webcam", "camera-web", "Legge il codice QR della tessera con la webcam."},
    {"cmdEsci", "Esci", "application-exit", "Esci da questa schermata di lavoro."},
};

constexpr int kLastShown = 10;
constexpr QSize kPhotoSize{240, 308};

const QString kNoCamera = QStringLiteral("Attenzione: nessuna webcam rilevata.\r\n\r\n"
                                         "Collegare una webcam al computer e riprovare.");

QLabel* makeLabel(QWidget* parent, const char* name, int points, bool bold = false) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setPointSize(points);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

// A list of `model`'s lines that the user reads and chooses from, never edits.
QListView* makeList(QWidget* parent, const char* name, const QString& accessibleName, QAbstractItemModel* model) {
    auto* list = new QListView(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(accessibleName);
    list->setModel(model);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return list;
}

QString colourOf(Light light) {
    switch (light) {
    case Light::Green:
        return QStringLiteral("#2E8B57");
    case Light::Yellow:
        return QStringLiteral("#FFC000");
    case Light::Red:
        return QStringLiteral("#D00000");
    case Light::Grey:
        break;
    }
    return QStringLiteral("#B0B0B0");
}

// A light: a round lamp in its colour, with the state in words beside it for whoever cannot tell
// the colours apart (and for screen readers).
void showLamp(QLabel* lamp, QLabel* words, const CheckIn::Lamp& state) {
    lamp->setStyleSheet(QStringLiteral("background: %1; border-radius: 18px;").arg(colourOf(state.light)));
    lamp->setProperty("light", int(state.light));
    lamp->setAccessibleName(state.text);
    words->setText(state.text);
}

} // namespace

TfrmAccesso::TfrmAccesso() {
    setObjectName(QStringLiteral("frmAccesso"));
    setWindowTitle(QStringLiteral(" Zandorio - Accesso rapido"));

    auto* panInfo = new StatusLine(QStringLiteral("Pronto per registrare un nuovo ingresso..."), this);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    m_commands = new CommandBar(kCommands, panInfo, this);
    m_lblAnno = makeLabel(this, "lblAnno", 14, true);

    m_txtTessera = new QLineEdit(this);
    m_txtTessera->setObjectName(QStringLiteral("txtTessera"));
    QFont big = m_txtTessera->font();
    big.setPointSize(24);
    m_txtTessera->setFont(big);
    auto* lblTessera = makeLabel(this, "lblTessera", 20, true);
    lblTessera->setText(QStringLiteral("Tessera o nome:"));
    lblTessera->setBuddy(m_txtTessera);

    m_choices = new QStringListModel(this);
    m_lstScelta = makeList(this, "lstScelta", QStringLiteral("Iscritti trovati"), m_choices);
    m_lstScelta->setFont(big);
    m_lstScelta->hide();

    m_imgFoto = new PhotoFrame(kPhotoSize, this);
    m_imgFoto->setObjectName(QStringLiteral("imgFoto"));
    m_imgFoto->setAccessibleName(QStringLiteral("Foto dell'iscritto"));
    m_lblNome = makeLabel(this, "lblNome", 30, true);
    m_lblPraticante = makeLabel(this, "lblPraticante", 18);

    auto* lights = new QGridLayout;
    lights->setHorizontalSpacing(16);
    const auto addLight = [&](const QString& caption, const char* lamp, const char* words, int row) {
        auto* l = makeLabel(this, lamp, 18);
        l->setFixedSize(36, 36);
        auto* w = makeLabel(this, words, 22, true);
        auto* c = new QLabel(caption, this);
        c->setFont(w->font());
        c->setBuddy(w);
        lights->addWidget(l, row, 0);
        lights->addWidget(c, row, 1);
        lights->addWidget(w, row, 2);
        return std::pair{l, w};
    };
    std::tie(m_lblLuceTessera, m_lblTessera) =
        addLight(QStringLiteral("Tessera"), "lblLuceTessera", "lblTesseraStato", 0);
    std::tie(m_lblLuceCertificato, m_lblCertificato) =
        addLight(QStringLiteral("Certificato medico"), "lblLuceCertificato", "lblCertificatoStato", 1);
    std::tie(m_lblLuceIngressi, m_lblIngressi) =
        addLight(QStringLiteral("Ingressi rimanenti"), "lblLuceIngressi", "lblIngressiStato", 2);
    m_lblUltimoIngresso = makeLabel(this, "lblUltimoIngresso", 18, true);
    auto* lastCaption = new QLabel(QStringLiteral("Ultimo ingresso"), this);
    lastCaption->setFont(m_lblUltimoIngresso->font());
    lastCaption->setBuddy(m_lblUltimoIngresso);
    lights->addWidget(lastCaption, 3, 1);
    lights->addWidget(m_lblUltimoIngresso, 3, 2);
    lights->setColumnStretch(2, 1);

    auto* who = new QVBoxLayout;
    who->addWidget(m_lblNome);
    who->addWidget(m_lblPraticante);
    who->addSpacing(12);
    who->addLayout(lights);
    who->addStretch();
    auto* member = new QHBoxLayout;
    member->addWidget(m_imgFoto);
    member->addSpacing(24);
    member->addLayout(who, 1);

    m_txtIncaricato = new QLineEdit(this);
    m_txtIncaricato->setObjectName(QStringLiteral("txtIncaricato"));
    m_txtIncaricato->setMaxLength(120);
    auto* lblIncaricato = new QLabel(QStringLiteral("Persona incaricata:"), this);
    lblIncaricato->setBuddy(m_txtIncaricato);
    m_chkBloccaCertificato =
        new QCheckBox(QStringLiteral("Non registrare ingressi con certificato scaduto o mancante"), this);
    m_chkBloccaCertificato->setObjectName(QStringLiteral("chkBloccaCertificato"));
    auto* desk = new QHBoxLayout;
    desk->addWidget(lblIncaricato);
    desk->addWidget(m_txtIncaricato, 1);
    desk->addSpacing(24);
    desk->addWidget(m_chkBloccaCertificato);

    m_lastTen = new QStringListModel(this);
    m_lstUltimi = makeList(this, "lstUltimi", QStringLiteral("Ultimi ingressi registrati"), m_lastTen);
    m_lstUltimi->setFocusPolicy(Qt::NoFocus);
    auto* lblUltimi = new QLabel(QStringLiteral("Ultimi ingressi registrati:"), this);
    lblUltimi->setBuddy(m_lstUltimi);

    auto* field = new QHBoxLayout;
    field->addWidget(lblTessera);
    field->addWidget(m_txtTessera, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_commands);
    layout->addWidget(m_lblAnno);
    layout->addLayout(field);
    layout->addWidget(m_lstScelta);
    layout->addLayout(member, 1);
    layout->addLayout(desk);
    layout->addWidget(lblUltimi);
    layout->addWidget(m_lstUltimi);
    layout->addWidget(panInfo);

    connect(m_txtTessera, &QLineEdit::returnPressed, this, &TfrmAccesso::txtTesseraReturn);
    connect(m_lstScelta, &QListView::activated, this, [this](const QModelIndex& index) {
        if (index.row() >= 0 && index.row() < m_choicePositions.size())
            showMember(m_choicePositions[index.row()]);
        m_lstScelta->hide();
        readyForNext();
    });
    connect(m_commands->button("cmdRegistra"), &QToolButton::clicked, this, &TfrmAccesso::cmdRegistraClick);
    connect(m_commands->button("cmdWebcam"), &QToolButton::clicked, this, &TfrmAccesso::cmdWebcamClick);
    connect(m_commands->button("cmdEsci"), &QToolButton::clicked, this, &QWidget::close);
    connect(m_chkBloccaCertificato, &QCheckBox::clicked, this, &TfrmAccesso::chkBloccaToggled);
    clearMember();
}

TfrmAccesso::~TfrmAccesso() = default;

QString TfrmAccesso::registerPath() {
    return TSchedaIngresso::path(
        QStringLiteral("%1").arg(platform().today().year(), 4, 10, QLatin1Char('0')));
}

void TfrmAccesso::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    // Another workstation may have changed the rule meanwhile.
    m_chkBloccaCertificato->setChecked(CheckInSettings::refuseWithoutCertificate());
    m_txtIncaricato->setText(CheckInSettings::deskPerson());
    m_lblAnno->setText(QStringLiteral("Registro ingressi anno %1").arg(platform().today().year()));
    m_lstScelta->hide();
    clearMember();
    readyForNext();
}

void TfrmAccesso::closeEvent(QCloseEvent* event) {
    stopCamera();
    QWidget::closeEvent(event);
}

void TfrmAccesso::readyForNext() {
    m_txtTessera->clear();
    m_txtTessera->setFocus();
}

void TfrmAccesso::fail(const QString& message) {
    platform().message(Platform::Box::Warning, message);
    readyForNext();
}

void TfrmAccesso::txtTesseraReturn() {
    const QString text = m_txtTessera->text();
    if (text.isEmpty()) {
        if (m_member && !m_registered)
            cmdRegistraClick();
        return;
    }
    find(text);
}

void TfrmAccesso::find(const QString& text) {
    m_lstScelta->hide();
    CheckIn::Found found;
    try {
        found = CheckIn::find(m_index, text);
    } catch (const StorageError&) {
        clearMember();
        platform().message(Platform::Box::Error, ArchiveMessages::kFailure);
        readyForNext();
        return;
    }
    if (!found.refusal.isEmpty()) {
        clearMember();
        fail(found.refusal);
        return;
    }
    if (found.choices.size() == 1) {
        showMember(found.choices.front().position);
        readyForNext();
        return;
    }
    if (!found.choices.isEmpty())
        showChoices(found.choices);
}

void TfrmAccesso::showChoices(const QList<CheckIn::Found::Choice>& choices) {
    clearMember();
    QStringList lines;
    m_choicePositions.clear();
    for (const auto& choice : choices) {
        lines << choice.line;
        m_choicePositions << choice.position;
    }
    m_choices->setStringList(lines);
    m_lstScelta->show();
    m_lstScelta->setCurrentIndex(m_choices->index(0));
    m_lstScelta->setFocus();
    m_txtTessera->clear();
}

void TfrmAccesso::showMember(int position) {
    clearMember();
    std::optional<CheckIn::Member> member;
    std::optional<CheckInIndex::LastEntry> last;
    try {
        member = CheckIn::load(position);
        if (member)
            last = m_index.lastEntry(registerPath(), member->record);
    } catch (const StorageError&) {
        platform().message(Platform::Box::Error, ArchiveMessages::kFailure);
        return;
    }
    if (!member) {
        fail(CheckIn::kUnknownCard);
        return;
    }
    m_member = member;
    const CheckIn::Status status =
        CheckIn::status(*member, last, platform().today(), m_chkBloccaCertificato->isChecked());
    m_imgFoto->setImage(MemberPhoto::load(position));
    m_lblNome->setText(Text::trimBlanks(member->record.CognomeNome));
    const QString practitioner = Text::trimBlanks(member->record.Praticante);
    m_lblPraticante->setText(practitioner.isEmpty() ? QString()
                                                    : QStringLiteral("Praticante: ") + practitioner);
    showLamp(m_lblLuceTessera, m_lblTessera, status.card);
    showLamp(m_lblLuceCertificato, m_lblCertificato, status.certificate);
    showLamp(m_lblLuceIngressi, m_lblIngressi, status.entries);
    m_lblUltimoIngresso->setText(status.lastEntry);
}

void TfrmAccesso::clearMember() {
    m_member.reset();
    m_registered = false;
    m_imgFoto->showBlank();
    m_lblNome->clear();
    m_lblPraticante->clear();
    for (QLabel* lamp : {m_lblLuceTessera, m_lblLuceCertificato, m_lblLuceIngressi})
        lamp->setStyleSheet(QString());
    for (QLabel* words : {m_lblTessera, m_lblCertificato, m_lblIngressi, m_lblUltimoIngresso})
        words->clear();
}

void TfrmAccesso::cmdRegistraClick() {
    if (!m_member || m_registered) {
        readyForNext();
        return;
    }
    const QString path = registerPath();
    std::optional<CheckInIndex::LastEntry> last;
    try {
        // Read again: another desk may have checked the same member in meanwhile.
        last = m_index.lastEntry(path, m_member->record);
    } catch (const StorageError&) {
        platform().message(Platform::Box::Error, ArchiveMessages::kFailure);
        readyForNext();
        return;
    }
    const CheckIn::Status status =
        CheckIn::status(*m_member, last, platform().today(), m_chkBloccaCertificato->isChecked());
    if (!status.refusal.isEmpty()) {
        fail(status.refusal);
        return;
    }
    for (const QString& question : status.questions)
        if (!platform().ask(question)) {
            readyForNext();
            return;
        }
    const QDateTime now = platform().now();
    const QString person = Text::trimBlanks(m_txtIncaricato->text());
    const TSchedaIngresso entry = CheckIn::entry(m_member->record, status.remaining, now, person);
    if (const std::optional<EntryProblem> problem = EntryChecks::beforeSaving(entry, entry.Anno)) {
        fail(problem->message);
        return;
    }
    try {
        CheckIn::record(path, entry);
    } catch (const StorageError&) {
        platform().message(Platform::Box::Error, ArchiveMessages::kFailure);
        readyForNext();
        return;
    }
    m_registered = true;
    if (person != CheckInSettings::deskPerson()) {
        try {
            CheckInSettings::setDeskPerson(person);
        } catch (const StorageError&) {
            // The entry is what matters; the name is only offered again at the next visit.
        }
    }
    m_lblUltimoIngresso->setText(Text::trimBlanks(entry.DataIngresso + u' ' + entry.OraIngresso));
    QStringList lines = m_lastTen->stringList();
    lines.prepend(entry.OraIngresso + QStringLiteral("  ") + Text::trimBlanks(entry.CognomeNome) +
                  (entry.IngressiRimanenti.isEmpty()
                       ? QString()
                       : QStringLiteral("  (ingressi rimanenti: ") + entry.IngressiRimanenti + u')'));
    m_lastTen->setStringList(lines.mid(0, kLastShown));
    readyForNext();
}

void TfrmAccesso::cmdWebcamClick() {
    if (m_camera) {
        stopCamera();
        readyForNext();
        return;
    }
    m_camera = platform().camera();
    connect(m_camera.get(), &CameraSource::frameReady, this, &TfrmAccesso::frameArrived);
    if (!m_camera->start()) {
        stopCamera();
        fail(kNoCamera);
    }
}

void TfrmAccesso::frameArrived(const QImage& frame) {
    m_imgFoto->setImage(frame);
    const QStringList texts = QrReader::decode(frame);
    if (texts.isEmpty())
        return;
    stopCamera();
    find(texts.front());
}

void TfrmAccesso::stopCamera() {
    if (!m_camera)
        return;
    m_camera->stop();
    // The camera may be in the middle of handing over a frame: it goes once that is done.
    m_camera.release()->deleteLater();
}

void TfrmAccesso::chkBloccaToggled(bool refuse) {
    try {
        CheckInSettings::setRefuseWithoutCertificate(refuse);
    } catch (const StorageError&) {
        m_chkBloccaCertificato->setChecked(!refuse);
        platform().message(
            Platform::Box::Warning,
            QStringLiteral("Attenzione: non è stato possibile salvare l'impostazione.\n\r\n\r"
                           "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                           "installazione del programma."));
    }
    m_txtTessera->setFocus();
}
