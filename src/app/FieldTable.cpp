#include "FieldTable.h"

#include "HighlightFrame.h"
#include "TfrmCalendario.h"
#include "storage/Text.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

// Field colours: ordinary, mandatory, focused; the border is always sky blue.
const char* const kOrdinary = "#F0F8FF";
const char* const kMandatory = "#F5F5DC";
const char* const kFocused = "#FFFF00";

bool alwaysPasses(int key) {
    return key == Qt::Key_Backspace || key == Qt::Key_Delete || key == Qt::Key_Left || key == Qt::Key_Right;
}

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Keys that move between controls or only modify another key never open the date picker.
bool isNavigationOrModifier(int key) {
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

} // namespace

FieldTable::FieldTable(QWidget* form, std::span<const FieldRow> rows, Highlight highlight)
    : QObject(form), m_form(form), m_rows(rows), m_highlight(highlight) {
    for (const FieldRow& row : rows) {
        auto* field = new QLineEdit(form);
        field->setObjectName(QString::fromLatin1(row.name));
        if (row.maxLength > 0)
            field->setMaxLength(row.maxLength);
        field->setAlignment(row.align | Qt::AlignVCenter);
        if (row.input == Input::Date)
            field->setReadOnly(true);
        if (row.input == Input::Masked)
            field->setEchoMode(QLineEdit::Password);
        field->installEventFilter(this);

        auto* caption = new QLabel(QString::fromUtf8(row.label), form);
        caption->setObjectName(QStringLiteral("lbl") + QString::fromLatin1(row.name).mid(3));
        caption->setBuddy(field);

        if (row.input == Input::Upper || row.input == Input::Trimmed) {
            const bool upper = row.input == Input::Upper;
            connect(field, &QLineEdit::textEdited, field, [field, upper](const QString& text) {
                const QString fixed = Text::trimBlanks(upper ? Text::upperAZ(text) : text);
                if (fixed != text) {
                    const int cursor = field->cursorPosition();
                    field->setText(fixed);
                    field->setCursorPosition(std::min<int>(cursor, fixed.size()));
                }
            });
        }

        if (highlight == Highlight::Colour) {
            applyColour(field, row, false);
        } else {
            const QString frame = row.frame ? QString::fromLatin1(row.frame)
                                            : QStringLiteral("eff") + QString::fromLatin1(row.name).mid(3);
            m_frames.push_back(new HighlightFrame(field, frame));
        }
        m_fields.push_back(field);
        m_labels.push_back(caption);
    }
}

int FieldTable::indexOf(QObject* field) const {
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        if (m_fields[i] == field)
            return int(i);
    return -1;
}

QLineEdit* FieldTable::field(const char* name) const {
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (qstrcmp(m_rows[i].name, name) == 0)
            return m_fields[i];
    return nullptr;
}

QLabel* FieldTable::label(const char* name) const {
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (qstrcmp(m_rows[i].name, name) == 0)
            return m_labels[i];
    return nullptr;
}

int FieldTable::addToGrid(QGridLayout* grid, int fieldColumns) const {
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        grid->addWidget(m_labels[i], int(i), 0);
        grid->addWidget(m_fields[i], int(i), 1, 1, fieldColumns);
    }
    return int(m_fields.size());
}

QLineEdit* FieldTable::firstEmptyMandatory() const {
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].mandatory && Text::trimBlanks(m_fields[i]->text()).isEmpty())
            return m_fields[i];
    return nullptr;
}

void FieldTable::clear() {
    for (QLineEdit* f : m_fields)
        f->clear();
}

bool FieldTable::digitsFilterSwallows(int key, const QString& text) {
    // Keys without a character and shortcuts such as Ctrl+V are no typing.
    if (alwaysPasses(key) || text.isEmpty() || text[0].unicode() < 0x20)
        return false;
    return !(text.size() == 1 && text[0] >= u'0' && text[0] <= u'9');
}

bool FieldTable::amountFilterSwallows(int key, const QString& text) {
    return digitsFilterSwallows(key, text) && text != QStringLiteral(",");
}

void FieldTable::applyColour(QLineEdit* field, const FieldRow& row, bool focused) {
    const char* fill = focused ? kFocused : row.mandatory ? kMandatory : kOrdinary;
    field->setStyleSheet(
        QStringLiteral("QLineEdit { background: %1; border: 1px solid #87CEEB; }").arg(QLatin1String(fill)));
}

void FieldTable::openDatePicker(QLineEdit* field, const FieldRow& row) {
    TfrmCalendario picker(field->window());
    picker.setModeKey(QString::fromLatin1(row.dateKey));
    picker.exec();
    field->setFocus();
}

bool FieldTable::eventFilter(QObject* watched, QEvent* event) {
    const int i = indexOf(watched);
    if (i < 0)
        return QObject::eventFilter(watched, event);
    QLineEdit* field = m_fields[i];
    const FieldRow& row = m_rows[i];

    if (m_highlight == Highlight::Colour &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        applyColour(field, row, event->type() == QEvent::FocusIn);

    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);

    if (isEnter(key->key())) {
        if (m_enterAction)
            m_enterAction(field);
        else
            m_fields[(i + 1) % m_fields.size()]->setFocus(Qt::TabFocusReason);
        return true;
    }
    switch (row.input) {
    case Input::Digits:
        return digitsFilterSwallows(key->key(), key->text());
    case Input::Amount:
        return amountFilterSwallows(key->key(), key->text());
    case Input::Date:
        if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete) {
            field->clear();
            return true;
        }
        if (isNavigationOrModifier(key->key()) || (key->modifiers() & Qt::ControlModifier))
            return false;
        openDatePicker(field, row);
        return true;
    default:
        return false;
    }
}
