#include "TfrmSocio.h"

#include "CertificateState.h"
#include "MemberRegister.h"
#include "app/ArchiveMessages.h"
#include "app/FieldTable.h"
#include "app/Platform.h"
#include "app/RecordScreen.h"
#include "app/TableColumn.h"
#include "storage/StorageError.h"
#include "storage/Text.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using S = TSchedaSocio;

// The dialog's fields in Enter order with the register field each shows. The dates come from the
// date picker, the lists only from their items.
const FieldBinding<S> kFields[] = {
    {{.name = "txtDomanda", .label = "Data domanda:", .maxLength = 10, .input = Input::Date},
     &S::DataDomanda},
    {{.name = "txtAmmissione", .label = "Data ammissione:", .maxLength = 10, .input = Input::Date},
     &S::DataAmmissione},
    {{.name = "txtRecesso", .label = "Data recesso:", .maxLength = 10, .input = Input::Date},
     &S::DataRecesso},
    {{.name = "cboCausa",
      .label = "Causa recesso:",
      .maxLength = 20,
      .control = Control::Pick,
      .items = &S::causes},
     &S::CausaRecesso},
    {{.name = "cboCertificato",
      .label = "Certificato medico:",
      .maxLength = 20,
      .control = Control::Pick,
      .items = &S::certificateKinds},
     &S::TipoCertificato},
    {{.name = "txtDataCertificato",
      .label = "Data rilascio certificato:",
      .maxLength = 10,
      .input = Input::Date},
     &S::DataCertificato},
    {{.name = "cboPrivacy",
      .label = "Consenso al trattamento dei dati:",
      .maxLength = 2,
      .control = Control::Pick,
      .items = &S::answers},
     &S::ConsensoPrivacy},
    {{.name = "txtDataConsenso", .label = "Data consenso:", .maxLength = 10, .input = Input::Date},
     &S::DataConsenso},
    {{.name = "cboImmagini",
      .label = "Consenso all'uso delle immagini:",
      .maxLength = 2,
      .control = Control::Pick,
      .items = &S::answers},
     &S::ConsensoImmagini},
};

const QString kSaved = QStringLiteral("I dati del socio sono stati salvati.");

} // namespace

TfrmSocio::TfrmSocio(QWidget* parent, int position, const QString& memberName, const TSchedaSocio& socio,
                     QLineEdit* expiryField)
    : Dialog(parent, QStringLiteral(" Dati del socio")), m_position(position), m_number(socio.NumeroSocio),
      m_expiryField(expiryField) {
    setObjectName(QStringLiteral("frmSocio"));
    m_fields = new FieldTable(this, tableColumn(kFields, &FieldBinding<S>::field), Highlight::Frame);

    auto* name = new QLabel(memberName, this);
    name->setObjectName(QStringLiteral("lblTiratore"));
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);

    auto* grid = new QGridLayout;
    auto* numberCaption = new QLabel(QStringLiteral("Numero socio:"), this);
    m_lblNumero = new QLabel(this);
    m_lblNumero->setObjectName(QStringLiteral("lblNumero"));
    numberCaption->setBuddy(m_lblNumero);
    grid->addWidget(numberCaption, 0, 0);
    grid->addWidget(m_lblNumero, 0, 1);
    auto* fieldsGrid = new QGridLayout;
    m_fields->addToGrid(fieldsGrid, 1);
    m_lblStato = new QLabel(this);
    m_lblStato->setObjectName(QStringLiteral("lblStato"));

    QPushButton* salva = dialogButton(this, "btnSalva", QStringLiteral("Salva"), "document-save");
    QPushButton* annulla = dialogButton(this, "btnAnnulla", QStringLiteral("Annulla"), "dialog-cancel");
    connect(salva, &QPushButton::clicked, this, &TfrmSocio::btnSalvaClick);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(salva);
    buttons->addWidget(annulla);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(name);
    layout->addLayout(grid);
    layout->addLayout(fieldsGrid);
    layout->addWidget(m_lblStato);
    layout->addLayout(buttons);

    for (std::size_t i = 0; i < std::size(kFields); ++i)
        m_fields->setTextAt(i, socio.*kFields[i].member);
    showNumber(socio.NumeroSocio);
    showCertificateState();
    connect(static_cast<QComboBox*>(m_fields->control("cboCertificato")), &QComboBox::currentTextChanged,
            this, &TfrmSocio::showCertificateState);
    connect(m_expiryField, &QLineEdit::textChanged, this, &TfrmSocio::showCertificateState);
    m_fields->control("txtDomanda")->setFocus();
}

TSchedaSocio TfrmSocio::shown() const {
    TSchedaSocio s;
    for (std::size_t i = 0; i < std::size(kFields); ++i)
        s.*kFields[i].member = Text::trimBlanks(m_fields->textAt(i));
    return s;
}

void TfrmSocio::showNumber(const QString& number) {
    // Given at the first save with an admission date.
    m_lblNumero->setText(number.isEmpty() ? QStringLiteral("(assegnato all'ammissione)") : number);
}

void TfrmSocio::showCertificateState() {
    const QString expiry = Text::trimBlanks(m_expiryField->text());
    m_lblStato->setText(QStringLiteral("Certificato medico: ") +
                        CertificateState::text(CertificateState::of(expiry, m_fields->text("cboCertificato"),
                                                                    platform().today())) +
                        (expiry.isEmpty() ? QString() : QStringLiteral(" (scadenza ") + expiry + u')'));
}

void TfrmSocio::btnSalvaClick() {
    const TSchedaSocio socio = shown();
    if (const auto problem = MemberRegister::check(socio)) {
        platform().message(Platform::Box::Warning, problem->warning);
        m_fields->control(problem->field)->setFocus();
        return;
    }
    std::optional<QString> expiry;
    const QString proposed = MemberRegister::proposedExpiry(socio);
    if (!proposed.isEmpty() && proposed != Text::trimBlanks(m_expiryField->text()) &&
        platform().ask(QStringLiteral("In base al certificato medico la scadenza proposta è il ") + proposed +
                       QStringLiteral(".\r\n\r\nSi vuole riportarla nella scheda dell'iscritto?")))
        expiry = proposed;
    TSchedaSocio saved;
    try {
        saved = MemberRegister::save(m_position, socio, expiry);
    } catch (const StorageError&) {
        platform().message(Platform::Box::Error, ArchiveMessages::kFailure);
        return;
    }
    if (expiry)
        m_expiryField->setText(*expiry);
    const QString given =
        saved.NumeroSocio != m_number
            ? QStringLiteral("\r\n\r\nAl socio è stato assegnato il numero ") + saved.NumeroSocio + u'.'
            : QString();
    m_number = saved.NumeroSocio;
    showNumber(m_number);
    platform().message(Platform::Box::Information, kSaved + given);
    accept();
}
