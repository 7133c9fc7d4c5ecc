#include "TfrmStampaTessera.h"

#include "CardDocument.h"
#include "app/PrintMessages.h"
#include "reports/ReportError.h"
#include "storage/StorageError.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <limits>

namespace {

using Print = CardSettings::Print;

// A margin: its caption, its read-only field and the buttons that move it by a millimetre.
struct MarginRow {
    const char* caption;
    const char* field;
    const char* minus;
    const char* plus;
    int Print::*value;
};

constexpr MarginRow kMargins[] = {
    {"Margine superiore:", "txtTop", "btnTopMinus", "btnTopPlus", &Print::top},
    {"Margine sinistro:", "txtLeft", "btnLeftMinus", "btnLeftPlus", &Print::left},
};

// One millimetre more or less; margins have no bound of their own, only the number's.
int stepped(int value, int by) {
    if ((by > 0 && value == std::numeric_limits<int>::max()) ||
        (by < 0 && value == std::numeric_limits<int>::min()))
        return value;
    return value + by;
}

QPushButton* stepButton(QWidget* parent, const char* name, const QString& sign, const QString& accessible) {
    auto* button = new QPushButton(sign, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFixedWidth(36);
    button->setAutoDefault(false);
    button->setAccessibleName(accessible);
    return button;
}

} // namespace

TfrmStampaTessera::TfrmStampaTessera(QWidget* card, CardFace face)
    : ReportDialog(card, QStringLiteral("frmStampaTessera"), QStringLiteral(" Stampa tesserino"),
                   Action::Print,
                   QStringLiteral("Regolare se necessario i margini di stampa e l'orientamento del foglio, "
                                  "quindi premere Stampa."),
                   PrintMessages::kPrintFailed),
      m_face(std::move(face)), m_shown(CardSettings::readPrint()), m_print(m_shown) {
    addContent(buildSettings());
    setWaitingText(QStringLiteral("Elaborazione in corso. Attendere..."));
    showMargins();
    (m_print.orientation == QPageLayout::Landscape ? m_optOrizzontale : m_optVerticale)->setChecked(true);
    m_chkCodiceQR->setChecked(m_print.accessCode);
}

QWidget* TfrmStampaTessera::buildSettings() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    int line = 0;
    for (const MarginRow& row : kMargins) {
        const QString caption = QString::fromLatin1(row.caption);
        auto* field = new QLineEdit(panel);
        field->setObjectName(QString::fromLatin1(row.field));
        field->setReadOnly(true);
        field->setAlignment(Qt::AlignCenter);
        field->setFixedWidth(64);
        auto* label = new QLabel(caption, panel);
        label->setBuddy(field);
        auto* minus = stepButton(panel, row.minus, QStringLiteral("-"),
                                 caption + QStringLiteral(" meno un millimetro"));
        auto* plus =
            stepButton(panel, row.plus, QStringLiteral("+"), caption + QStringLiteral(" più un millimetro"));
        for (auto [button, by] : {std::pair{minus, -1}, std::pair{plus, 1}})
            connect(button, &QPushButton::clicked, this, [this, &row, by] {
                m_print.*row.value = stepped(m_print.*row.value, by);
                showMargins();
            });
        grid->addWidget(label, line, 0);
        grid->addWidget(minus, line, 1);
        grid->addWidget(field, line, 2);
        grid->addWidget(plus, line, 3);
        grid->addWidget(new QLabel(QStringLiteral("mm"), panel), line, 4);
        ++line;
    }

    auto* orientation = new QGroupBox(QStringLiteral("Orientamento:"), panel);
    orientation->setObjectName(QStringLiteral("panOrientamento"));
    m_optVerticale = new QRadioButton(QStringLiteral("Verticale"), orientation);
    m_optVerticale->setObjectName(QStringLiteral("optVerticale"));
    m_optOrizzontale = new QRadioButton(QStringLiteral("Orizzontale"), orientation);
    m_optOrizzontale->setObjectName(QStringLiteral("optOrizzontale"));
    auto* choices = new QHBoxLayout(orientation);
    choices->addWidget(m_optVerticale);
    choices->addWidget(m_optOrizzontale);
    grid->addWidget(orientation, line++, 0, 1, 5);
    m_chkCodiceQR = new QCheckBox(QStringLiteral("Codice QR per l'accesso"), panel);
    m_chkCodiceQR->setObjectName(QStringLiteral("chkCodiceQR"));
    grid->addWidget(m_chkCodiceQR, line, 0, 1, 5);
    grid->setColumnStretch(5, 1);
    return panel;
}

void TfrmStampaTessera::showMargins() {
    for (const MarginRow& row : kMargins)
        findChild<QLineEdit*>(QString::fromLatin1(row.field))->setText(QString::number(m_print.*row.value));
}

CardSettings::Print TfrmStampaTessera::chosen() const {
    Print print = m_print;
    print.orientation = m_optOrizzontale->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
    print.accessCode = m_chkCodiceQR->isChecked();
    return print;
}

ReportTemplate TfrmStampaTessera::fill() {
    const Print print = chosen();
    // Kept before printing, so the margins found stay even when this print fails.
    try {
        CardSettings::writePrint(print, m_shown);
        m_shown = print;
    } catch (const StorageError& e) {
        throw ReportError(e.what());
    }
    ReportTemplate card = CardDocument::make(m_face, print.accessCode);
    card.setOrientation(print.orientation);
    card.setTopLeftMargins(print.top, print.left);
    return card;
}
