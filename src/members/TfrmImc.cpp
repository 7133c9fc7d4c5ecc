#include "TfrmImc.h"

#include "app/FieldTable.h"
#include "app/Platform.h"
#include "storage/Text.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Enter walks from the weight to the height and on to the index.
constexpr FieldRow kFields[] = {
    {"txtPeso", "Peso in kg:", 8, Input::Digits},
    {"txtStatura", "Statura in cm:", 8, Input::Digits},
    {"txtImc", "I.M.C.", 0, Input::Free, nullptr, nullptr, nullptr, Qt::AlignHCenter},
};

QLabel* classLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(260);
    label->setStyleSheet(QStringLiteral("font-weight: bold; color: #8B0000;"));
    return label;
}

} // namespace

TfrmImc::TfrmImc(QWidget* parent) : Dialog(parent, QStringLiteral(" Calcolo Indice di Massa Corporea")) {
    setObjectName(QStringLiteral("frmImc"));
    auto* lblIstruzioni =
        new QLabel(QStringLiteral("Indicare il peso in kg e la statura in cm, quindi premere il "
                                  "pulsante per calcolare l'I.M.C. in base al sesso."),
                   this);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setWordWrap(true);

    auto* fields = new FieldTable(this, kFields, Highlight::Frame);
    m_txtPeso = fields->field("txtPeso");
    m_txtStatura = fields->field("txtStatura");
    m_txtImc = fields->field("txtImc");
    m_txtImc->setReadOnly(true);
    // Installed after the field table's filter, so it sees every key first, filtered or not.
    m_txtPeso->installEventFilter(this);
    m_txtStatura->installEventFilter(this);

    m_repDonna = classLabel(this, "repDonna");
    m_repUomo = classLabel(this, "repUomo");
    auto* btnDonna =
        dialogButton(this, "btnDonna", QStringLiteral("Calcola I.M.C. per donna"), "accessories-calculator");
    auto* btnUomo =
        dialogButton(this, "btnUomo", QStringLiteral("Calcola I.M.C. per uomo"), "accessories-calculator");
    auto* btnAnnulla = dialogButton(this, "btnAnnulla", QStringLiteral("Nuovo calcolo"), "edit-clear");
    auto* btnChiudi = dialogButton(this, "btnChiudi", QStringLiteral("Chiudi"), "window-close");
    connect(btnDonna, &QPushButton::clicked, this, [this] { calcola(BodyMassIndex::Sex::Woman); });
    connect(btnUomo, &QPushButton::clicked, this, [this] { calcola(BodyMassIndex::Sex::Man); });
    connect(btnAnnulla, &QPushButton::clicked, this, &TfrmImc::btnAnnullaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(24, 18, 24, 18);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    grid->addWidget(lblIstruzioni, 0, 0, 1, 2);
    grid->addWidget(fields->label("txtPeso"), 1, 0);
    grid->addWidget(m_txtPeso, 1, 1);
    grid->addWidget(fields->label("txtStatura"), 2, 0);
    grid->addWidget(m_txtStatura, 2, 1);
    grid->addWidget(btnDonna, 3, 0);
    grid->addWidget(btnUomo, 3, 1);
    grid->addWidget(fields->label("txtImc"), 4, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(m_txtImc, 5, 0, 1, 2);
    grid->addWidget(m_repDonna, 6, 0);
    grid->addWidget(m_repUomo, 6, 1);
    grid->addWidget(btnAnnulla, 7, 0);
    grid->addWidget(btnChiudi, 7, 1);
    lblIstruzioni->setMaximumWidth(560);
}

void TfrmImc::setValues(const QString& peso, const QString& statura) {
    m_txtPeso->setText(peso);
    m_txtStatura->setText(statura);
}

void TfrmImc::showEvent(QShowEvent* event) {
    Dialog::showEvent(event);
    m_txtPeso->setFocus();
}

bool TfrmImc::eventFilter(QObject* watched, QEvent* event) {
    // Any key in weight or height makes the shown result stale.
    if (event->type() == QEvent::KeyPress)
        clearResult();
    return Dialog::eventFilter(watched, event);
}

void TfrmImc::clearResult() {
    m_txtImc->clear();
    m_repDonna->clear();
    m_repUomo->clear();
}

std::optional<double> TfrmImc::measure(QLineEdit* field, const QString& missing, const QString& zero) {
    const QString text = Text::trimBlanks(field->text());
    // Pasted text escapes the key filter: what is not a number counts as no value at all.
    const std::optional<double> value = BodyMassIndex::readNumber(text);
    if (value && *value >= 1)
        return value;
    platform().message(Platform::Box::Warning, value ? zero : missing);
    field->setFocus();
    return std::nullopt;
}

void TfrmImc::calcola(BodyMassIndex::Sex sex) {
    const std::optional<double> peso = measure(
        m_txtPeso, QStringLiteral("Attenzione: per calcolare l'I.M.C. è necessario indicare il peso in kg."),
        QStringLiteral("Attenzione: il peso non può essere uguale a zero."));
    if (!peso)
        return;
    const std::optional<double> statura =
        measure(m_txtStatura,
                QStringLiteral("Attenzione: per calcolare l'I.M.C. è necessario indicare la statura in cm."),
                QStringLiteral("Attenzione: la statura non può essere uguale a zero."));
    if (!statura)
        return;
    const double index = BodyMassIndex::index(*peso, *statura);
    m_txtImc->setText(BodyMassIndex::display(index));
    const bool woman = sex == BodyMassIndex::Sex::Woman;
    (woman ? m_repDonna : m_repUomo)->setText(BodyMassIndex::weightClass(index, sex));
    (woman ? m_repUomo : m_repDonna)->clear();
}

void TfrmImc::btnAnnullaClick() {
    m_txtPeso->clear();
    m_txtStatura->clear();
    clearResult();
    m_txtPeso->setFocus();
}
