#include "TfrmSplash.h"

#include "Artwork.h"
#include "Link.h"
#include "Maker.h"
#include "Platform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TfrmSplash::TfrmSplash(QWidget* parent) : Dialog(parent, QStringLiteral(" Zandorio")) {
    setObjectName(QStringLiteral("frmSplash"));
    auto* imgSplash = new QLabel(this);
    imgSplash->setObjectName(QStringLiteral("imgSplash"));
    imgSplash->setPixmap(Artwork::credits());
    imgSplash->setFixedSize(625, 380);
    imgSplash->setAccessibleName(QStringLiteral("Zandorio"));

    auto* imgWeb = new QToolButton(this);
    imgWeb->setObjectName(QStringLiteral("imgWeb"));
    imgWeb->setIcon(QIcon::fromTheme(QStringLiteral("globe")));
    imgWeb->setIconSize(QSize(24, 24));
    imgWeb->setAutoRaise(true);
    imgWeb->setAccessibleName(Maker::kWebSite);
    imgWeb->setToolTip(Maker::kWebSite);
    auto* lnkWeb = new QPushButton(Maker::kWebSite, this);
    lnkWeb->setObjectName(QStringLiteral("lnkWeb"));
    Link::connect(lnkWeb, imgWeb, [] { platform().open(Maker::kWebSite); });

    QPushButton* btnChiudi = dialogButton(this, "btnChiudi", QStringLiteral("Chiudi"), "window-close");
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(imgWeb);
    bottom->addWidget(lnkWeb);
    bottom->addStretch();
    bottom->addWidget(btnChiudi);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(imgSplash);
    layout->addLayout(bottom);
}
