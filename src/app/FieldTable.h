#pragma once

#include <QObject>
#include <QStringList>

#include <functional>
#include <span>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

// What a field lets in. Key filters swallow a wrong key; text pasted or dropped into the field
// keeps only what the filter would have let through, and so does a text that reached the field
// without typing (assistive tools, input methods) once the screen uses the field's value.
enum class Input {
    Free,
    Digits,  // only 0-9 (and Backspace, Delete, Left, Right)
    Amount,  // digits and the comma
    Upper,   // upper-cased (A-Z) and trimmed after every change
    Trimmed, // trimmed after every change
    Date,    // read-only; Backspace/Delete empty it, other keys open the date picker
    Masked   // a password
};

// The control a row builds. Lines, picks and memos are input fields: they take part in the Enter
// order and in highlighting; check boxes and labels do not.
enum class Control {
    Line,  // a one-line text field
    Pick,  // a drop-down list whose value is one of its items or nothing: typing is swallowed,
           // Backspace and Delete empty it, any other text is emptied when the focus leaves it
    Memo,  // a multi-line, word-wrapped text; Enter moves on, Shift+Enter or Ctrl+Enter breaks the
           // line; its line breaks read and write as CR LF, as records keep them
    Check, // a check box captioned by the row's label; its value is "Sì" or "No"
    Label, // a label the program fills, shown without a caption
    Hidden // a hidden label that carries a value of the record while it is on screen
};

// How the focused field is marked: coloured backgrounds (member card, receipt) or a yellow
// frame `eff...` behind the field (every other screen).
enum class Highlight { Colour, Frame };

// One row of a screen's field table.
struct FieldRow {
    const char* name;  // object name, "txtTiratore"
    const char* label; // caption label, "Cognome e nome:"; a check box's own text
    int maxLength = 0; // 0: no limit
    Input input = Input::Free;
    // The warning shown when the field is empty at save; a mandatory field is coloured beige.
    const char* mandatory = nullptr;
    const char* dateKey = nullptr; // date picker mode key of a date field; none: the field itself
    const char* frame = nullptr;   // highlight frame name when not "eff" + name without "txt"
    Qt::Alignment align = Qt::AlignLeft;
    Control control = Control::Line;
    QStringList (*items)() = nullptr; // the items of a pick list
    int section = 0;                  // Enter wraps from the last field of a section to its first
    const char* fill = nullptr;       // fill without the focus in place of the ordinary colour
    // Whole euros beside a cents field: a text that reads as an amount ("€ 1.234,50") gives the
    // euros to this field and its cents to the field named here.
    const char* cents = nullptr;
};

// Builds a screen's controls and captions from its table and gives them the common behaviour: the
// Enter order (wrapping from the last field of a section to its first), key filters, upper-case
// and trimmed fields, pick lists, date fields with the date picker, and focus highlighting. Every
// control's value reads and writes as text, whatever its kind.
class FieldTable : public QObject {
    Q_OBJECT
public:
    FieldTable(QWidget* form, std::span<const FieldRow> rows, Highlight highlight);

    // The control of any kind; the one-line field, or null for another kind; the caption, or null
    // for a row without one. Naming a field the table does not hold is a programming error: it
    // asserts in a debug build and throws std::logic_error otherwise, as text() and setText() do.
    QWidget* control(const char* name) const;
    QLineEdit* field(const char* name) const;
    QLabel* label(const char* name) const;
    // The one-line fields, in table order.
    const std::vector<QLineEdit*>& fields() const { return m_lines; }
    std::span<const FieldRow> rows() const { return m_rows; }

    QWidget* controlAt(std::size_t row) const { return m_controls[row]; }
    QString textAt(std::size_t row) const;
    void setTextAt(std::size_t row, const QString& text);
    QString text(const char* name) const;
    void setText(const char* name, const QString& text);

    // Lays the captioned fields out one a line from the top of `grid`: the caption in column 0, the
    // field over the next `fieldColumns` columns. Returns the first line left free.
    int addToGrid(QGridLayout* grid, int fieldColumns) const;
    // Opens the date picker on the date field `name`, as a key typed into it does.
    void openDatePicker(const char* name);
    // Replaces the Enter key's move to the next field (the password screen submits instead).
    void setEnterAction(std::function<void()> action) { m_enterAction = std::move(action); }
    // The row of the first mandatory field that is empty without its blanks, or -1.
    int firstEmptyMandatory() const;
    // Puts every one-line field through its input rule, as if its text had just been pasted: a
    // text set without typing keeps what typing could have given. Each field changed emits its
    // textEdited, as an edit would.
    void applyInputRules();
    // Empties every control and unchecks every box.
    void clear();
    void clear(std::span<const char* const> names);

    // The key filters of the program, for fields outside any table.
    static bool digitsFilterSwallows(int key, const QString& text);
    static bool amountFilterSwallows(int key, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* build(const FieldRow& row);
    int indexOf(const QObject* control) const;
    std::size_t rowOf(const char* name) const;
    int nextInSection(int i) const;
    void applyColour(int i, bool focused) const;
    // The field of row `i` through its input rule, the cursor after what it kept of the text
    // before it; true when the text changed.
    bool keepInput(int i);
    void openDatePicker(QLineEdit* field, const FieldRow& row);

    QWidget* m_form;
    std::vector<FieldRow> m_rows;
    Highlight m_highlight;
    std::vector<QWidget*> m_controls;
    std::vector<QLabel*> m_labels; // null for a row without a caption
    std::vector<QLineEdit*> m_lines;
    std::function<void()> m_enterAction;
};
