#include "TfrmGuida.h"

#include "Link.h"
#include "Platform.h"
#include "storage/ProgramFolder.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TfrmGuida::TfrmGuida(QWidget* parent) : Dialog(parent, QStringLiteral(" Guida all'utilizzo del software")) {
    setObjectName(QStringLiteral("frmGuida"));
    m_lblTitolo = new QLabel(QStringLiteral("Argomento della guida."), this);
    m_lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    m_lblTitolo->setWordWrap(true);
    m_lblTitolo->setStyleSheet(QStringLiteral("font-size: 14pt; font-weight: bold; color: #00008B;"));

    m_txtGuida = new QPlainTextEdit(this);
    m_txtGuida->setObjectName(QStringLiteral("txtGuida"));
    m_txtGuida->setReadOnly(true);
    m_txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_txtGuida->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont font = m_txtGuida->font();
    font.setPointSize(12);
    font.setBold(true);
    m_txtGuida->setFont(font);
    m_lblTitolo->setBuddy(m_txtGuida);

    auto* imgPDF = new QToolButton(this);
    imgPDF->setObjectName(QStringLiteral("imgPDF"));
    imgPDF->setIcon(QIcon::fromTheme(QStringLiteral("application-pdf")));
    imgPDF->setIconSize(QSize(32, 32));
    imgPDF->setAutoRaise(true);
    const QString linkText = QStringLiteral("Visualizza guida in formato PDF");
    imgPDF->setAccessibleName(linkText);
    imgPDF->setToolTip(linkText);
    auto* lnkWeb = new QPushButton(linkText, this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    Link::connect(lnkWeb, imgPDF, [this] { openManual(); });

    QPushButton* btnChiudi = dialogButton(this, "btnChiudi", QStringLiteral("Chiudi"), "window-close");
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(imgPDF);
    bottom->addWidget(lnkWeb);
    bottom->addStretch();
    bottom->addWidget(btnChiudi);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addWidget(m_lblTitolo);
    layout->addWidget(m_txtGuida, 1);
    layout->addLayout(bottom);
    setFixedSize(670, 572);
}

void TfrmGuida::setGuide(const QString& title, const QString& text) {
    m_lblTitolo->setText(title);
    // The text keeps Windows line ends; the editor wants plain ones.
    QString plain = text;
    m_txtGuida->setPlainText(plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void TfrmGuida::openManual() {
    // Without the manual nothing at all happens: no message, no empty viewer.
    const QString manual = ProgramFolder::file(QStringLiteral("Guida.pdf"));
    if (QFile::exists(manual))
        platform().open(u'"' + manual + u'"');
}

void showGuide(QWidget* parent, const QString& title, const QString& text) {
    TfrmGuida guide(parent);
    guide.setGuide(title, text);
    guide.exec();
}
