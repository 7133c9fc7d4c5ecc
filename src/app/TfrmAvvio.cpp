#include "TfrmAvvio.h"

#include "GeneralGuide.h"
#include "Maker.h"
#include "Platform.h"
#include "TfrmGuida.h"
#include "TfrmInfo.h"
#include "TfrmSplash.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

namespace {

struct TileInfo {
    TfrmAvvio::Tile tile;
    int row;
    int column;
    const char* caption;
    const char* picture;
    const char* button;
    const char* icon;
};

constexpr TileInfo kTiles[] = {
    {TfrmAvvio::Tile::Iscritti, 0, 0, "ARCHIVIO ISCRITTI", "imgApp04", "btnApp04", "office-address-book"},
    {TfrmAvvio::Tile::Tessere, 0, 1, "STAMPA TESSERE", "imgApp02", "btnApp02", "kuser"},
    {TfrmAvvio::Tile::Allenamenti, 0, 2, "SCHEDE ALLENAMENTO", "imgApp03", "btnApp03", "korg-todo"},
    {TfrmAvvio::Tile::Ingressi, 1, 0, "REGISTRO INGRESSI", "imgApp07", "btnApp07", "office-calendar"},
    {TfrmAvvio::Tile::Ricevute, 1, 1, "STAMPA RICEVUTE", "imgApp06", "btnApp06", "accessories-calculator"},
    {TfrmAvvio::Tile::Incassi, 1, 2, "RIEPILOGO INCASSI", "imgApp08", "btnApp08", "kchart"},
};

const TileInfo& infoOf(TfrmAvvio::Tile tile) {
    for (const TileInfo& t : kTiles)
        if (t.tile == tile)
            return t;
    return kTiles[0];
}

QToolButton* pictureButton(QWidget* parent, const char* name, const char* icon, int size,
                           const QString& accessible) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(QIcon::fromTheme(QString::fromLatin1(icon)));
    b->setIconSize(QSize(size, size));
    b->setAutoRaise(true);
    b->setAccessibleName(accessible);
    b->setToolTip(accessible);
    return b;
}

} // namespace

TfrmAvvio::TfrmAvvio() {
    setObjectName(QStringLiteral("frmAvvio"));
    setWindowTitle(QStringLiteral(" Zandorio"));
    setStyleSheet(QStringLiteral("#frmAvvio { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                                 "stop:0 #4682B4, stop:1 #FFFFFF); }"
                                 "#frmAvvio QPushButton { font-weight: bold; padding: 8px 18px; }"));

    auto* imgInfo = pictureButton(this, "imgInfo", "help-about", 48, QStringLiteral("Informazioni"));
    auto* imgGuida = pictureButton(this, "imgGuida", "help-contents", 48, QStringLiteral("Guida"));
    auto* imgCopyright =
        pictureButton(this, "imgCopyright", "games-highscores", 48, QStringLiteral("Riconoscimenti"));
    auto* imgBackup =
        pictureButton(this, "imgBackup", "preferences-system-backup", 48, QStringLiteral("Backup"));
    imgBackup->setToolTip(QStringLiteral("Copia di sicurezza e ripristino dei dati."));
    imgBackup->setAccessibleDescription(imgBackup->toolTip());
    imgBackup->setEnabled(false);
    auto* imgScadenze = pictureButton(this, "imgScadenze", "preferences-desktop-notification-bell", 48,
                                      QStringLiteral("Scadenze"));
    if (imgScadenze->icon().isNull())
        imgScadenze->setIcon(QIcon::fromTheme(QStringLiteral("appointment-soon")));
    imgScadenze->setToolTip(
        QStringLiteral("Tessere e certificati medici in scadenza: promemoria tramite WhatsApp ed e-mail."));
    imgScadenze->setAccessibleDescription(imgScadenze->toolTip());
    imgScadenze->setEnabled(false);
    auto* lblScadenze = new QLabel(this);
    lblScadenze->setObjectName(QStringLiteral("lblScadenze"));
    lblScadenze->setStyleSheet(QStringLiteral("background: #C0392B; color: white; font-weight: bold; "
                                              "border-radius: 9px; padding: 1px 6px;"));
    lblScadenze->hide();
    auto* imgEsci = pictureButton(this, "imgEsci", "application-exit", 48, QStringLiteral("Esci"));
    auto* imgSito = pictureButton(this, "imgSito", "internet-web-browser", 32, Maker::kWebSite);
    imgSito->setText(Maker::kWebSite);
    imgSito->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(imgInfo, &QToolButton::clicked, this, [this] {
        TfrmInfo info(this);
        info.exec();
    });
    connect(imgGuida, &QToolButton::clicked, this,
            [this] { showGuide(this, GeneralGuide::kTitle, GeneralGuide::text()); });
    connect(imgCopyright, &QToolButton::clicked, this, [this] {
        TfrmSplash credits(this);
        credits.exec();
    });
    connect(imgSito, &QToolButton::clicked, this, [] { platform().open(Maker::kWebSite); });
    connect(imgEsci, &QToolButton::clicked, this, &TfrmAvvio::quitProgram);

    auto* title = new QLabel(QStringLiteral("<span style='font-size:26pt; font-weight:bold; color:white'>"
                                            "Zandorio</span>"),
                             this);
    title->setAlignment(Qt::AlignCenter);
    auto* header = new QHBoxLayout;
    header->addWidget(imgInfo);
    header->addWidget(title, 1);
    header->addWidget(imgGuida);

    auto* tiles = new QGridLayout;
    tiles->setSpacing(28);
    for (const TileInfo& t : kTiles) {
        const QString caption = QString::fromLatin1(t.caption);
        auto* picture = pictureButton(this, t.picture, t.icon, 128, caption);
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QString::fromLatin1(t.button));
        picture->setEnabled(false);
        button->setEnabled(false);
        auto* cell = new QVBoxLayout;
        cell->addWidget(picture, 0, Qt::AlignHCenter);
        cell->addWidget(button, 0, Qt::AlignHCenter);
        tiles->addLayout(cell, t.row, t.column);
    }

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(imgCopyright);
    bottom->addWidget(imgBackup);
    bottom->addWidget(imgScadenze);
    bottom->addWidget(lblScadenze);
    bottom->addStretch();
    bottom->addWidget(imgSito);
    bottom->addStretch();
    bottom->addWidget(imgEsci);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addStretch();
    layout->addLayout(tiles);
    layout->addStretch();
    layout->addLayout(bottom);
}

QAbstractButton* TfrmAvvio::tileButton(const char* name) const {
    return findChild<QAbstractButton*>(QString::fromLatin1(name));
}

void TfrmAvvio::setModule(Tile tile, ScreenSource screen) {
    const TileInfo& t = infoOf(tile);
    for (QAbstractButton* b : {tileButton(t.picture), tileButton(t.button)}) {
        b->setEnabled(true);
        connect(b, &QAbstractButton::clicked, this, [this, screen] { open(screen); });
    }
}

void TfrmAvvio::open(const ScreenSource& screen) {
    QWidget* opened = screen();
    returnFrom(opened);
    opened->showMaximized();
    hide();
}

void TfrmAvvio::returnFrom(QWidget* screen) {
    // Installing it again only moves it first in line: a screen shown anew is watched once.
    screen->installEventFilter(this);
}

bool TfrmAvvio::eventFilter(QObject* watched, QEvent* event) {
    // A module screen being closed brings the menu back.
    if (event->type() == QEvent::Close && watched->isWidgetType())
        showMaximized();
    return QWidget::eventFilter(watched, event);
}

void TfrmAvvio::setBackup(std::function<void()> open, std::function<void()> atExit) {
    QAbstractButton* icon = tileButton("imgBackup");
    icon->setEnabled(true);
    connect(icon, &QAbstractButton::clicked, this, std::move(open));
    m_atExit = std::move(atExit);
}

void TfrmAvvio::setReminders(ScreenSource screen, std::function<int()> dueCount) {
    QAbstractButton* icon = tileButton("imgScadenze");
    icon->setEnabled(true);
    connect(icon, &QAbstractButton::clicked, this, [this, screen] { open(screen); });
    // Counted each time the menu shows.
    m_dueCount = std::move(dueCount);
}

void TfrmAvvio::showDueCount() {
    auto* label = findChild<QLabel*>(QStringLiteral("lblScadenze"));
    const int due = m_dueCount ? m_dueCount() : 0;
    label->setText(QString::number(due));
    label->setAccessibleName(QStringLiteral("Scadenze da ricordare: ") + QString::number(due));
    label->setVisible(due > 0);
}

void TfrmAvvio::showEvent(QShowEvent* event) {
    // Reminders sent, members renewed or a new day since the menu was last shown.
    showDueCount();
    QWidget::showEvent(event);
}

void TfrmAvvio::quitProgram() {
    // Quitting closes the menu too, which comes back here: the closing work runs once.
    if (const std::function<void()> atExit = std::exchange(m_atExit, nullptr))
        atExit();
    qApp->quit();
}

void TfrmAvvio::closeEvent(QCloseEvent* event) {
    event->accept();
    quitProgram();
}
