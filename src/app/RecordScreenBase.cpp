#include "RecordScreenBase.h"

#include "StatusLine.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

RecordScreenBase::RecordScreenBase(const RecordScreenSetup& setup, std::span<const Command> commands,
                                   std::span<const FieldRow> rows, std::function<QString()> path,
                                   int recordSize)
    : m_setup(setup), m_panInfo(new StatusLine(QString::fromUtf8(setup.ready), this)),
      m_commands(new CommandBar(commands, m_panInfo, this)), m_lblPosizione(RecordBrowser::makeLabel(this)),
      m_browser(std::move(path), recordSize, m_lblPosizione, QString::fromUtf8(setup.empty)),
      m_fields(new FieldTable(this, rows, setup.highlight)) {
    setObjectName(QString::fromLatin1(setup.objectName));
    setWindowTitle(QString::fromUtf8(setup.caption));
    m_commands->insertAfter("cmdIndietro", m_lblPosizione);

    // Takes the focus away from the field being edited, so that the field finishes its editing.
    m_btnFocus = new QPushButton(this);
    m_btnFocus->setObjectName(QStringLiteral("btnFocus"));
    m_btnFocus->setFixedSize(0, 0);
    m_btnFocus->setFocusPolicy(Qt::ClickFocus);

    m_layout = new QVBoxLayout(this);
    m_layout->addWidget(m_commands);
    m_layout->addWidget(m_btnFocus);
    m_layout->addWidget(m_panInfo);

    const auto wire = [this](const char* name, auto action) {
        if (QToolButton* b = button(name))
            connect(b, &QToolButton::clicked, this, action);
    };
    wire("cmdNuovo", [this] { clearRecord(); });
    wire("cmdDuplica", [this] { duplicate(); });
    wire("cmdSalva", [this] { save(); });
    wire("cmdPrimo", [this] { browse(RecordBrowser::Step::First); });
    wire("cmdIndietro", [this] { browse(RecordBrowser::Step::Previous); });
    wire("cmdAvanti", [this] { browse(RecordBrowser::Step::Next); });
    wire("cmdUltimo", [this] { browse(RecordBrowser::Step::Last); });
    wire("cmdEsci", [this] { close(); });
}

QToolButton* RecordScreenBase::button(const char* name) const {
    return findChild<QToolButton*>(QString::fromLatin1(name));
}

void RecordScreenBase::setBody(QLayout* body) {
    m_layout->insertLayout(1, body, 1);
}

void RecordScreenBase::clearRecord() {
    m_fields->clear();
    m_browser.setPosition(0);
}

void RecordScreenBase::focusField(QWidget* field) {
    field->setFocus();
}

void RecordScreenBase::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A window coming back from the task bar keeps what it shows.
    if (!event->spontaneous())
        screenShown();
}

void RecordScreenBase::duplicate() {
    if (m_browser.position() == 0) {
        platform().message(Platform::Box::Warning, QString::fromUtf8(m_setup.notSaved));
        return;
    }
    m_browser.setPosition(0);
    if (prepareCopy())
        platform().message(Platform::Box::Information, QString::fromUtf8(m_setup.duplicated));
}

void RecordScreenBase::save() {
    m_btnFocus->setFocus();
    // A text can reach a field without typing: what is saved is what typing could have given.
    m_fields->applyInputRules();
    if (const int empty = m_fields->firstEmptyMandatory(); empty >= 0) {
        platform().message(Platform::Box::Warning, QString::fromUtf8(m_fields->rows()[empty].mandatory));
        focusField(m_fields->controlAt(empty));
        return;
    }
    if (!acceptSave())
        return;
    const std::optional<RecordBrowser::Saved> saved = m_browser.save(
        encodeScreen(), m_setup.saveFailure, [this](ArchiveFile& file, int position, QByteArray& record) {
            return settleRecord(file, position, record);
        });
    if (!saved)
        return;
    if (*saved == RecordBrowser::Saved::Withheld) {
        recordWithheld();
        return;
    }
    recordSaved(m_browser.position());
    platform().message(Platform::Box::Information,
                       QString::fromUtf8(*saved == RecordBrowser::Saved::Overwritten ? m_setup.overwritten
                                                                                     : m_setup.appended));
}

void RecordScreenBase::browse(RecordBrowser::Step step) {
    m_browser.browse(step, m_setup.browseFailure[int(step)],
                     [this](QByteArrayView record, int position) { showEncoded(record, position); });
}
