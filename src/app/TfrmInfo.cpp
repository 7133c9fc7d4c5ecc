#include "TfrmInfo.h"

#include "Artwork.h"
#include "Link.h"
#include "MailAddress.h"
#include "Maker.h"
#include "Platform.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

TfrmInfo::TfrmInfo(QWidget* parent) : Dialog(parent, QStringLiteral(" Informazioni su Zandorio")) {
    setObjectName(QStringLiteral("frmInfo"));
    auto* imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(Artwork::logo(128));
    imgLogo->setAccessibleName(QStringLiteral("Zandorio"));
    auto* lblTitolo = new QLabel(QStringLiteral("Zandorio"), this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setStyleSheet(QStringLiteral("font-size: 22pt; font-weight: bold; color: #1E3A5F;"));
    auto* lblDescrizione =
        new QLabel(QStringLiteral("Software per la gestione di palestre e associazioni sportive "
                                  "dilettantistiche.\n\nPer informazioni e assistenza scrivere a:"),
                   this);
    lblDescrizione->setObjectName(QStringLiteral("lblDescrizione"));
    lblDescrizione->setWordWrap(true);

    auto* imgEmail = new QToolButton(this);
    imgEmail->setObjectName(QStringLiteral("imgEmail"));
    imgEmail->setIcon(QIcon::fromTheme(QStringLiteral("mail-message-new")));
    imgEmail->setIconSize(QSize(32, 32));
    imgEmail->setAutoRaise(true);
    imgEmail->setAccessibleName(Maker::kEmail);
    imgEmail->setToolTip(Maker::kEmail);
    auto* lnkWeb = new QPushButton(Maker::kEmail, this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    Link::connect(lnkWeb, imgEmail, [] {
        platform().open(*mailtoUrl(Maker::kEmail, QStringLiteral("Software Zandorio"),
                                   QStringLiteral("Salve, desidererei avere le seguenti informazioni sul "
                                                  "software in oggetto:")));
    });

    QPushButton* btnChiudi = dialogButton(this, "btnChiudi", QStringLiteral("Chiudi"), "window-close");
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(24, 18, 24, 18);
    grid->setHorizontalSpacing(16);
    grid->addWidget(imgLogo, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(lblTitolo, 0, 1, 1, 2);
    grid->addWidget(lblDescrizione, 1, 1, 1, 2);
    auto* link = new QHBoxLayout;
    link->addWidget(imgEmail);
    link->addWidget(lnkWeb);
    link->addStretch();
    grid->addLayout(link, 2, 1, 1, 2);
    grid->addWidget(btnChiudi, 3, 2, Qt::AlignRight);
    lblDescrizione->setMinimumWidth(320);
}
