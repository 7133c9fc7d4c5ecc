#include "FieldTable.h"

#include "HighlightFrame.h"
#include "TfrmCalendario.h"
#include "storage/Text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextDocument>

#include <optional>
#include <stdexcept>
#include <string>

namespace {

// Field colours: ordinary, mandatory, focused; the border is always sky blue.
const char* const kOrdinary = "#F0F8FF";
const char* const kMandatory = "#F5F5DC";
const char* const kFocused = "#FFFF00";

// The values of a check box, as the records keep them.
const QString kYes = QStringLiteral("Sì");
const QString kNo = QStringLiteral("No");

bool alwaysPasses(int key) {
    return key == Qt::Key_Backspace || key == Qt::Key_Delete || key == Qt::Key_Left || key == Qt::Key_Right;
}

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool isInput(Control control) {
    return control == Control::Line || control == Control::Pick || control == Control::Memo;
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

// What a field keeps of its text after any edit: typed, pasted or dropped. The key filters stop
// a wrong key before it reaches the field; pasted and dropped text comes through here.
QString keptText(Input input, const QString& text) {
    switch (input) {
    case Input::Upper:
        return Text::trimBlanks(Text::upperAZ(text));
    case Input::Trimmed:
        return Text::trimBlanks(text);
    case Input::Digits:
    case Input::Amount: {
        QString kept;
        for (QChar c : text)
            if ((c >= u'0' && c <= u'9') || (input == Input::Amount && c == u','))
                kept += c;
        return kept;
    }
    default:
        return text;
    }
}

bool isFiltered(Input input) {
    return input == Input::Digits || input == Input::Amount;
}

bool hasRule(Input input) {
    return isFiltered(input) || input == Input::Upper || input == Input::Trimmed;
}

struct Amount {
    QString euros;
    QString cents; // two digits, or empty when the text has no decimals
};

// A text that reads as an amount of euros, as it is copied from a document or a web page: "12",
// "1.234,50", "€ 1.234,5", "1234,5 €", or "12.50" with a decimal point. Dots followed by three
// digits group thousands.
std::optional<Amount> readAmount(const QString& text) {
    static const QRegularExpression amount(
        QStringLiteral("^\\s*(?:€\\s*)?(?:([0-9]{1,3}(?:\\.[0-9]{3})+|[0-9]+)(?:,([0-9]{1,2}))?|"
                       "([0-9]+)\\.([0-9]{1,2}))\\s*(?:€\\s*)?$"),
        QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch m = amount.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const bool point = m.capturedLength(3) > 0;
    QString cents = m.captured(point ? 4 : 2);
    if (cents.size() == 1)
        cents += u'0';
    return Amount{m.captured(point ? 3 : 1).remove(u'.'), cents};
}

// A pick list lets through what chooses an item of its list or moves the cursor; anything that
// would type into it is swallowed.
bool pickLetsThrough(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_F4:
        return true;
    default:
        return isNavigationOrModifier(key);
    }
}

} // namespace

FieldTable::FieldTable(QWidget* form, std::span<const FieldRow> rows, Highlight highlight)
    : QObject(form), m_form(form), m_rows(rows.begin(), rows.end()), m_highlight(highlight) {
    for (const FieldRow& row : m_rows) {
        QWidget* control = build(row);
        QLabel* caption = nullptr;
        if (isInput(row.control) && row.label) {
            caption = new QLabel(QString::fromUtf8(row.label), form);
            caption->setObjectName(QStringLiteral("lbl") + QString::fromLatin1(row.name).mid(3));
            caption->setBuddy(control);
        }
        if (isInput(row.control)) {
            control->installEventFilter(this);
            if (highlight == Highlight::Frame) {
                const QString frame = row.frame
                                          ? QString::fromLatin1(row.frame)
                                          : QStringLiteral("eff") + QString::fromLatin1(row.name).mid(3);
                new HighlightFrame(control, frame);
            }
        }
        m_controls.push_back(control);
        m_labels.push_back(caption);
    }
    if (highlight == Highlight::Colour)
        for (std::size_t i = 0; i < m_rows.size(); ++i)
            applyColour(int(i), false);
}

QWidget* FieldTable::build(const FieldRow& row) {
    QWidget* control = nullptr;
    switch (row.control) {
    case Control::Line: {
        auto* field = new QLineEdit(m_form);
        // A filtered field's own limit would cut a pasted text before the filter has dropped what
        // it does not keep: its rule keeps the capacity instead.
        if (row.maxLength > 0 && !isFiltered(row.input))
            field->setMaxLength(row.maxLength);
        field->setAlignment(row.align | Qt::AlignVCenter);
        if (row.input == Input::Date)
            field->setReadOnly(true);
        if (row.input == Input::Masked)
            field->setEchoMode(QLineEdit::Password);
        if (hasRule(row.input)) {
            const int i = int(m_controls.size());
            connect(field, &QLineEdit::textEdited, this, [this, i] { keepInput(i); });
        }
        m_lines.push_back(field);
        control = field;
        break;
    }
    case Control::Pick: {
        auto* pick = new QComboBox(m_form);
        pick->setEditable(true);
        pick->setInsertPolicy(QComboBox::NoInsert);
        pick->setCompleter(nullptr);
        if (row.items)
            pick->addItems(row.items());
        if (row.maxLength > 0)
            pick->lineEdit()->setMaxLength(row.maxLength);
        pick->lineEdit()->setAlignment(row.align | Qt::AlignVCenter);
        pick->setEditText(QString());
        control = pick;
        break;
    }
    case Control::Memo: {
        auto* memo = new QPlainTextEdit(m_form);
        memo->setTabChangesFocus(true);
        memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        control = memo;
        break;
    }
    case Control::Check:
        control = new QCheckBox(QString::fromUtf8(row.label), m_form);
        break;
    case Control::Label:
    case Control::Hidden: {
        auto* label = new QLabel(m_form);
        label->setAlignment(row.align | Qt::AlignVCenter);
        label->setVisible(row.control == Control::Label);
        control = label;
        break;
    }
    }
    control->setObjectName(QString::fromLatin1(row.name));
    return control;
}

int FieldTable::indexOf(const QObject* control) const {
    for (std::size_t i = 0; i < m_controls.size(); ++i)
        if (m_controls[i] == control)
            return int(i);
    return -1;
}

std::size_t FieldTable::rowOf(const char* name) const {
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (qstrcmp(m_rows[i].name, name) == 0)
            return i;
    // A name the table does not hold is a slip in the screen's code: said at once and by name,
    // rather than a wrong row or a null control found much later.
    const std::string what = std::string("FieldTable: no field named ") + name;
    Q_ASSERT_X(false, "FieldTable", what.c_str());
    throw std::logic_error(what);
}

QWidget* FieldTable::control(const char* name) const {
    return m_controls[rowOf(name)];
}

QLineEdit* FieldTable::field(const char* name) const {
    return qobject_cast<QLineEdit*>(control(name));
}

QLabel* FieldTable::label(const char* name) const {
    return m_labels[rowOf(name)];
}

QString FieldTable::textAt(std::size_t row) const {
    QWidget* c = m_controls[row];
    switch (m_rows[row].control) {
    case Control::Line:
        return static_cast<QLineEdit*>(c)->text();
    case Control::Pick:
        return static_cast<QComboBox*>(c)->currentText();
    case Control::Memo:
        // The raw text keeps non-breaking spaces, which the plain text turns into blanks; its
        // paragraph and line separators are the line breaks, CR LF on disk.
        return static_cast<QPlainTextEdit*>(c)
            ->document()
            ->toRawText()
            .replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"))
            .replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    case Control::Check:
        return static_cast<QCheckBox*>(c)->isChecked() ? kYes : kNo;
    case Control::Label:
    case Control::Hidden:
        return static_cast<QLabel*>(c)->text();
    }
    return {};
}

void FieldTable::setTextAt(std::size_t row, const QString& text) {
    QWidget* c = m_controls[row];
    switch (m_rows[row].control) {
    case Control::Line:
        static_cast<QLineEdit*>(c)->setText(text);
        break;
    case Control::Pick: {
        auto* pick = static_cast<QComboBox*>(c);
        pick->setCurrentIndex(pick->findText(text, Qt::MatchExactly));
        pick->setEditText(text);
        break;
    }
    case Control::Memo:
        static_cast<QPlainTextEdit*>(c)->setPlainText(
            QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        break;
    case Control::Check: {
        // Anything but the two values leaves the box as it was.
        const QString value = Text::trimBlanks(text);
        if (value == kYes || value == kNo)
            static_cast<QCheckBox*>(c)->setChecked(value == kYes);
        break;
    }
    case Control::Label:
    case Control::Hidden:
        static_cast<QLabel*>(c)->setText(text);
        break;
    }
}

QString FieldTable::text(const char* name) const {
    return textAt(rowOf(name));
}

void FieldTable::setText(const char* name, const QString& text) {
    setTextAt(rowOf(name), text);
}

int FieldTable::addToGrid(QGridLayout* grid, int fieldColumns) const {
    int line = 0;
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (!m_labels[i])
            continue;
        grid->addWidget(m_labels[i], line, 0);
        grid->addWidget(m_controls[i], line, 1, 1, fieldColumns);
        ++line;
    }
    return line;
}

int FieldTable::firstEmptyMandatory() const {
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].mandatory && Text::trimBlanks(textAt(i)).isEmpty())
            return int(i);
    return -1;
}

bool FieldTable::keepInput(int i) {
    auto* field = static_cast<QLineEdit*>(m_controls[i]);
    const FieldRow& row = m_rows[i];
    const QString text = field->text();
    // Digits alone are typing, which the cursor follows; an amount is a text pasted whole.
    const std::optional<Amount> amount = row.cents && !Text::isDigits(text) ? readAmount(text) : std::nullopt;
    QString kept;
    qsizetype cursor = 0;
    if (amount) {
        kept = amount->euros;
        cursor = kept.size();
    } else {
        kept = keptText(row.input, text);
        // The cursor stays after what was typed or pasted, less what was dropped before it.
        cursor = isFiltered(row.input) ? keptText(row.input, text.left(field->cursorPosition())).size()
                                       : std::min<qsizetype>(field->cursorPosition(), kept.size());
    }
    // What runs over the capacity goes from just before the cursor, that is from what was typed or
    // pasted last, as a field's own limit cuts it.
    if (isFiltered(row.input) && row.maxLength > 0 && kept.size() > row.maxLength) {
        const qsizetype from = std::max<qsizetype>(0, cursor - (kept.size() - row.maxLength));
        kept.remove(from, cursor - from);
        kept.truncate(row.maxLength);
        cursor = from;
    }
    if (amount && !amount->cents.isEmpty()) {
        auto* cents = static_cast<QLineEdit*>(m_controls[rowOf(row.cents)]);
        if (cents->text() != amount->cents) {
            cents->setText(amount->cents);
            Q_EMIT cents->textEdited(cents->text());
        }
    }
    if (kept == text)
        return false;
    field->setText(kept);
    field->setCursorPosition(int(cursor));
    return true;
}

void FieldTable::applyInputRules() {
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].control != Control::Line || !hasRule(m_rows[i].input))
            continue;
        auto* field = static_cast<QLineEdit*>(m_controls[i]);
        if (keepInput(int(i)))
            Q_EMIT field->textEdited(field->text());
    }
}

void FieldTable::clear() {
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].control == Control::Check)
            static_cast<QCheckBox*>(m_controls[i])->setChecked(false);
        else
            setTextAt(i, QString());
}

void FieldTable::clear(std::span<const char* const> names) {
    for (const char* name : names)
        setText(name, QString());
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

int FieldTable::nextInSection(int i) const {
    const int n = int(m_rows.size());
    for (int k = 1; k <= n; ++k) {
        const int j = (i + k) % n;
        if (isInput(m_rows[j].control) && m_rows[j].section == m_rows[i].section)
            return j;
    }
    return i;
}

void FieldTable::applyColour(int i, bool focused) const {
    const FieldRow& row = m_rows[i];
    if (!isInput(row.control))
        return;
    const char* fill = focused ? kFocused : row.fill ? row.fill : row.mandatory ? kMandatory : kOrdinary;
    m_controls[i]->setStyleSheet(
        QStringLiteral("%1 { background: %2; border: 1px solid #87CEEB; }")
            .arg(QLatin1String(m_controls[i]->metaObject()->className()), QLatin1String(fill)));
}

void FieldTable::openDatePicker(const char* name) {
    const std::size_t i = rowOf(name);
    openDatePicker(static_cast<QLineEdit*>(m_controls[i]), m_rows[i]);
}

void FieldTable::openDatePicker(QLineEdit* field, const FieldRow& row) {
    TfrmCalendario picker(field, field->window());
    if (row.dateKey)
        picker.setModeKey(QString::fromLatin1(row.dateKey));
    picker.exec();
    field->setFocus();
}

bool FieldTable::eventFilter(QObject* watched, QEvent* event) {
    const int i = indexOf(watched);
    if (i < 0)
        return QObject::eventFilter(watched, event);
    QWidget* control = m_controls[i];
    const FieldRow& row = m_rows[i];

    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        if (m_highlight == Highlight::Colour)
            applyColour(i, event->type() == QEvent::FocusIn);
        // A pick list keeps only one of its items; opening its own list is no leaving.
        if (row.control == Control::Pick && event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            auto* pick = static_cast<QComboBox*>(control);
            if (pick->findText(Text::trimBlanks(pick->currentText()),
                               Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
                setTextAt(i, QString());
        }
    }

    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);

    if (isEnter(key->key())) {
        if (row.control == Control::Memo && (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier))) {
            static_cast<QPlainTextEdit*>(control)->insertPlainText(QStringLiteral("\n"));
            return true;
        }
        if (m_enterAction)
            m_enterAction();
        else
            m_controls[nextInSection(i)]->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (row.control == Control::Pick) {
        if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete) {
            setTextAt(i, QString());
            return true;
        }
        return !pickLetsThrough(key->key());
    }
    switch (row.input) {
    case Input::Digits:
        return digitsFilterSwallows(key->key(), key->text());
    case Input::Amount:
        return amountFilterSwallows(key->key(), key->text());
    case Input::Date:
        if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete) {
            static_cast<QLineEdit*>(control)->clear();
            return true;
        }
        if (isNavigationOrModifier(key->key()) || (key->modifiers() & Qt::ControlModifier))
            return false;
        openDatePicker(static_cast<QLineEdit*>(control), row);
        return true;
    default:
        return false;
    }
}
