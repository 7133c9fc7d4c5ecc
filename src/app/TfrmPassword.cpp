#include "TfrmPassword.h"

#include "AccessPassword.h"
#include "CaptionBar.h"
#include "Dialog.h"
#include "FieldTable.h"
#include "Platform.h"
#include "TfrmCambiaPassword.h"
#include "storage/StorageError.h"
#include "storage/Text.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr FieldRow kFields[] = {
    {"txtPassword", "Password:", 255, Input::Masked},
};
} // namespace

TfrmPassword::TfrmPassword(ScreenSource menu) : QWidget(nullptr), m_menu(std::move(menu)) {
    setObjectName(QStringLiteral("frmPassword"));
    setWindowTitle(QStringLiteral(" Zandorio"));

    auto* logo = new QLabel(this);
    // At the size the theme draws it: larger, Qt's painter hands the drawing out to threads it
    // starts for it, a few milliseconds of the program's start.
    logo->setPixmap(QIcon::fromTheme(QStringLiteral("preferences-desktop-user-password")).pixmap(32, 32));
    auto* title = new QLabel(QStringLiteral("<b style='font-size:16pt'>Zandorio</b>"), this);
    auto* lblRigo05 = new QLabel(QStringLiteral("Immetti la password e premi OK."), this);
    lblRigo05->setObjectName(QStringLiteral("lblRigo05"));

    m_fields = new FieldTable(this, kFields, Highlight::Frame);
    m_txtPassword = m_fields->field("txtPassword");
    m_fields->setEnterAction([this] {
        if (!Text::trimBlanks(m_txtPassword->text()).isEmpty())
            cmdOKClick();
    });

    m_cmdOK = dialogButton(this, "cmdOK", QStringLiteral("OK"), "dialog-ok-apply");
    m_cmdOK->setEnabled(false);
    QPushButton* cmdEsci = dialogButton(this, "cmdEsci", QStringLiteral("Esci"), "application-exit");
    QPushButton* btnCambia = dialogButton(this, "btnCambiaPassword", QStringLiteral("Cambia password"),
                                          "preferences-desktop-user-password");

    connect(m_txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::updateOK);
    connect(m_cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, qApp, &QApplication::quit);
    connect(btnCambia, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
    m_change.onCreated([this](TfrmCambiaPassword& change) {
        connect(&change, &TfrmCambiaPassword::closed, this, [this] { show(); });
    });

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(24, 18, 24, 18);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(10);
    grid->addWidget(logo, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(title, 0, 1, 1, 3);
    grid->addWidget(lblRigo05, 1, 1, 1, 3);
    grid->addWidget(m_fields->label("txtPassword"), 2, 1);
    grid->addWidget(m_txtPassword, 2, 2, 1, 2);
    grid->addWidget(btnCambia, 3, 1);
    grid->addWidget(m_cmdOK, 3, 2);
    grid->addWidget(cmdEsci, 3, 3);
    m_txtPassword->setMinimumWidth(220);
    // No buttons in the title bar: the screen closes through its own buttons.
    CaptionBar::install(this);
    setFixedSize(sizeHint());
}

TfrmPassword::~TfrmPassword() = default;

TfrmCambiaPassword* TfrmPassword::changeScreen() const {
    return &m_change.get();
}

void TfrmPassword::showEvent(QShowEvent* event) {
    m_txtPassword->clear();
    centreWindow(this);
    QWidget::showEvent(event);
    activateWindow();
    m_txtPassword->setFocus();
}

void TfrmPassword::closeEvent(QCloseEvent* event) {
    event->accept();
    qApp->quit();
}

void TfrmPassword::updateOK() {
    m_cmdOK->setEnabled(!Text::trimBlanks(m_txtPassword->text()).isEmpty());
}

void TfrmPassword::cmdOKClick() {
    try {
        if (AccessPassword::stored() != AccessPassword::normalised(m_txtPassword->text())) {
            platform().message(Platform::Box::Notice, QStringLiteral("Attenzione: password errata."));
            m_txtPassword->clear();
            m_txtPassword->setFocus();
            return;
        }
    } catch (const StorageError&) {
        platform().message(
            Platform::Box::Notice,
            QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura "
                           "della password. Si consiglia di reinstallare il software."));
        return;
    }
    m_menu()->showMaximized();
    hide();
}

void TfrmPassword::btnCambiaPasswordClick() {
    m_change->show();
    hide();
}
