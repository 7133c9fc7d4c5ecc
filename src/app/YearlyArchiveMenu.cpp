#include "YearlyArchiveMenu.h"

#include "CommandBar.h"
#include "Dialog.h"
#include "Platform.h"
#include "TfrmGuida.h"
#include "storage/DateText.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

namespace {

const QString kMainMenu = QStringLiteral("avvio");

constexpr Command kGuida = {"imgGuida", "Guida", "help-contents", ""};
constexpr Command kEsci = {"imgEsci", "Esci", "application-exit", ""};

QToolButton* pictureButton(const Command& command, QWidget* parent) {
    QToolButton* b = makeCommandButton(command, nullptr, parent, Qt::ToolButtonIconOnly);
    b->setIconSize(QSize(48, 48));
    b->setToolTip(QString::fromUtf8(command.caption));
    return b;
}

QGroupBox* section(const QString& caption, QWidget* parent) {
    auto* box = new QGroupBox(caption, parent);
    box->setStyleSheet(QStringLiteral("QGroupBox { font-weight: bold; }"));
    return box;
}

} // namespace

YearlyArchiveMenu::YearlyArchiveMenu(const Config& config) : m_config(config) {
    setObjectName(QString::fromLatin1(config.objectName));
    setWindowTitle(QString::fromUtf8(config.caption));
    setStyleSheet(QStringLiteral("#%1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                                 "stop:0 #4682B4, stop:1 #FFFFFF); }")
                      .arg(objectName()));

    m_lblMemory = new QLabel(kMainMenu, this);
    m_lblMemory->setObjectName(QStringLiteral("lblMemory"));
    m_lblMemory->hide();

    auto* information = new QLabel(QString::fromUtf8(config.information), this);
    information->setObjectName(QStringLiteral("lblInfo"));
    information->setWordWrap(true);
    information->setStyleSheet(QStringLiteral("color: white; font-size: 13pt; font-weight: bold;"));

    QGroupBox* archive = section(QString::fromUtf8(config.section), this);
    m_year = new FieldTable(archive, std::span<const FieldRow>(&config.yearField, 1), Highlight::Frame);
    m_btnApri = dialogButton(archive, config.openButton, QStringLiteral("Apri"), "document-open");
    m_btnApri->setEnabled(false);
    // Enter in the year moves on to "Apri"; pressing it there opens the year.
    m_year->setEnterAction([this] { m_btnApri->setFocus(); });
    m_archiveRow = new QHBoxLayout(archive);
    m_archiveRow->addWidget(m_year->label(config.yearField.name));
    m_archiveRow->addWidget(m_year->fields().front());
    m_archiveRow->addWidget(m_btnApri);
    m_archiveRow->addStretch();
    m_year->fields().front()->setFixedWidth(80);

    QToolButton* imgGuida = pictureButton(kGuida, this);
    QToolButton* imgEsci = pictureButton(kEsci, this);
    auto* pictures = new QHBoxLayout;
    pictures->addWidget(imgGuida);
    pictures->addStretch();
    pictures->addWidget(imgEsci);

    auto* card = new QWidget(this);
    card->setMaximumWidth(720);
    m_sections = new QVBoxLayout(card);
    m_sections->setSpacing(18);
    m_sections->addWidget(information);
    m_sections->addWidget(archive);

    auto* centre = new QHBoxLayout;
    centre->addStretch();
    centre->addWidget(card, 1);
    centre->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pictures);
    layout->addStretch();
    layout->addLayout(centre);
    layout->addStretch(2);

    connect(m_btnApri, &QPushButton::clicked, this, &YearlyArchiveMenu::btnApriClick);
    connect(imgGuida, &QToolButton::clicked, this, [this] { showGuide(this, m_guideTitle, m_guideText); });
    connect(imgEsci, &QToolButton::clicked, this, [this] { leaveFor(kMainMenu); });
}

void YearlyArchiveMenu::setArchiveScreen(ScreenSource screen, OpenYear open) {
    m_open = std::move(open);
    addDestination(QString::fromLatin1(m_config.key), std::move(screen));
    m_btnApri->setEnabled(true);
}

void YearlyArchiveMenu::setGuide(const QString& title, const QString& text) {
    m_guideTitle = title;
    m_guideText = text;
}

QString YearlyArchiveMenu::modeKey() const {
    return m_lblMemory->text();
}

QPushButton* YearlyArchiveMenu::addSection(const QString& caption, const char* button) {
    QGroupBox* box = section(caption, this);
    QPushButton* apri = dialogButton(box, button, QStringLiteral("Apri"), "document-open");
    apri->setEnabled(false);
    auto* row = new QHBoxLayout(box);
    row->addWidget(apri);
    row->addStretch();
    m_sections->addWidget(box);
    return apri;
}

QPushButton* YearlyArchiveMenu::addArchiveButton(const char* button, const QString& caption,
                                                 const char* icon) {
    QPushButton* b = dialogButton(m_btnApri->parentWidget(), button, caption, icon);
    b->setEnabled(false);
    m_archiveRow->insertWidget(m_archiveRow->indexOf(m_btnApri) + 1, b);
    return b;
}

void YearlyArchiveMenu::addDestination(const QString& key, ScreenSource screen) {
    m_destinations.insert(key, std::move(screen));
}

void YearlyArchiveMenu::leaveFor(const QString& key) {
    m_lblMemory->setText(key);
    const ScreenSource screen = m_destinations.value(key);
    if (key == kMainMenu || !screen) {
        close();
        return;
    }
    hide();
    screen()->showMaximized();
}

void YearlyArchiveMenu::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    m_lblMemory->setText(kMainMenu);
    QLineEdit* year = m_year->fields().front();
    year->setText(QStringLiteral("%1").arg(platform().today().year(), 4, 10, QLatin1Char('0')));
    year->setFocus();
}

std::optional<QString> YearlyArchiveMenu::checkedYear() {
    QLineEdit* year = m_year->fields().front();
    // The key filter is not the only way in (assistive tools, input methods), and the year names
    // the file opened: anything but four digits could name one outside the program folder.
    if (!DateText::isYear(year->text())) {
        platform().message(Platform::Box::Warning,
                           QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        year->setFocus();
        return std::nullopt;
    }
    return year->text();
}

void YearlyArchiveMenu::btnApriClick() {
    const std::optional<QString> year = checkedYear();
    if (!year)
        return;
    m_open(*year, m_config.archivePath(*year));
    leaveFor(QString::fromLatin1(m_config.key));
}
