#include "TfrmLogo.h"

#include "ReceiptArt.h"
#include "ReceiptLogo.h"
#include "app/CommandBar.h"
#include "app/Platform.h"
#include "members/PhotoFrame.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace {

constexpr Command kEuro = {"imgEuro", "Logo predefinito", nullptr, "Ripristina il logo predefinito."};
constexpr Command kEraser = {"btnCancLogo", "Cancella logo", "draw-eraser",
                             "Cancella il logo: le ricevute saranno stampate senza logo."};

const QString kNotSaved = QStringLiteral(
    "Attenzione: il logo non è stato salvato.\n\r\n\rAccertarsi che il disco non sia pieno e di possedere i "
    "privilegi di scrittura nella cartella di installazione del programma.");

QToolButton* pictureButton(const Command& command, QWidget* parent) {
    QToolButton* button = makeCommandButton(command, nullptr, parent, Qt::ToolButtonIconOnly);
    button->setIconSize(QSize(24, 24));
    button->setToolTip(QString::fromUtf8(command.hint));
    button->setAccessibleDescription(QString::fromUtf8(command.hint));
    return button;
}

QIcon euroIcon() {
    QPixmap picture(48, 48);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    ReceiptArt::euroSign(painter, QRectF(picture.rect()), QColor(0x1E, 0x5A, 0xC8));
    return QIcon(picture);
}

} // namespace

TfrmLogo::TfrmLogo(QWidget* parent) : Dialog(parent, QStringLiteral(" Impostazione logo")) {
    setObjectName(QStringLiteral("frmLogo"));

    auto* lblIstruzioni = new QLabel(
        QStringLiteral("Selezionare il logo della Ditta in formato Jpeg o Bitmap, preferibilmente di %1 x %2 "
                       "pixel: sarà stampato nell'intestazione di entrambe le copie delle ricevute.")
            .arg(ReceiptLogo::kSize.width())
            .arg(ReceiptLogo::kSize.height()),
        this);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setWordWrap(true);

    // The frame's line lies outside the logo's own 297 x 184.
    m_imgLogo = new PhotoFrame(ReceiptLogo::kSize + QSize(2, 2), this);
    m_imgLogo->setObjectName(QStringLiteral("imgLogo"));
    m_imgLogo->setAccessibleName(QStringLiteral("Logo"));
    QToolButton* imgEuro = pictureButton(kEuro, this);
    imgEuro->setIcon(euroIcon());
    QToolButton* btnCancLogo = pictureButton(kEraser, this);

    QPushButton* btnSfoglia = dialogButton(this, "btnSfoglia", QStringLiteral("Sfoglia..."), "document-open");
    QPushButton* btnApplica =
        dialogButton(this, "btnApplica", QStringLiteral("Applica e chiudi"), "dialog-ok-apply");
    QPushButton* btnAnnulla = dialogButton(this, "btnAnnulla", QStringLiteral("Annulla"), "dialog-cancel");
    btnApplica->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->setVerticalSpacing(12);
    layout->addWidget(lblIstruzioni, 0, 0, 1, 3);
    layout->addWidget(m_imgLogo, 1, 0, 1, 3, Qt::AlignHCenter);
    layout->addWidget(imgEuro, 2, 0, Qt::AlignLeft);
    layout->addWidget(btnCancLogo, 2, 2, Qt::AlignRight);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnSfoglia);
    buttons->addStretch();
    buttons->addWidget(btnApplica);
    buttons->addWidget(btnAnnulla);
    layout->addLayout(buttons, 3, 0, 1, 3);
    lblIstruzioni->setMaximumWidth(ReceiptLogo::kSize.width() + 140);

    connect(btnSfoglia, &QPushButton::clicked, this, &TfrmLogo::btnSfogliaClick);
    connect(btnApplica, &QPushButton::clicked, this, &TfrmLogo::btnApplicaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(imgEuro, &QToolButton::clicked, this, [this] { showPicture(ReceiptLogo::builtIn()); });
    connect(btnCancLogo, &QToolButton::clicked, this, [this] { showPicture(ReceiptLogo::blank()); });
}

void TfrmLogo::showEvent(QShowEvent* event) {
    showPicture(ReceiptLogo::load());
    Dialog::showEvent(event);
}

void TfrmLogo::showPicture(const QImage& picture) {
    m_picture = picture;
    m_imgLogo->setImage(picture);
}

void TfrmLogo::btnSfogliaClick() {
    const QString path = platform().openFileName(
        QStringLiteral("Selezionare il logo della Ditta in formato Jpeg o Bitmap."),
        {QStringLiteral("Immagine JPEG (*.jpg; *.jpeg)"), QStringLiteral("Immagine Bitmap (*.bmp)")});
    if (path.isEmpty())
        return;
    const QImage picture = ReceiptLogo::read(path);
    showPicture(picture.isNull() ? ReceiptLogo::builtIn() : picture);
}

void TfrmLogo::btnApplicaClick() {
    if (!ReceiptLogo::save(m_picture)) {
        // The choice stays on screen: the user may free the disk and apply again, or cancel.
        platform().message(Platform::Box::Warning, kNotSaved);
        return;
    }
    accept();
}
