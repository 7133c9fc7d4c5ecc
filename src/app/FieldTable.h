#pragma once

#include <QObject>

#include <functional>
#include <span>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

// What a field lets in (key filters act on key presses only; pasted text is not filtered).
enum class Input {
    Free,
    Digits,  // only 0-9 (and Backspace, Delete, Left, Right)
    Amount,  // digits and the comma
    Upper,   // upper-cased (A-Z) and trimmed after every keystroke
    Trimmed, // trimmed after every keystroke
    Date,    // read-only; Backspace/Delete empty it, other keys open the date picker
    Masked   // a password
};

// How the focused field is marked: coloured backgrounds (member card, receipt) or a yellow
// frame `eff...` behind the field (every other screen).
enum class Highlight { Colour, Frame };

// One row of a screen's field table.
struct FieldRow {
    const char* name;  // object name, "txtTiratore"
    const char* label; // caption label, "Cognome e nome:"
    int maxLength = 0; // 0: no limit
    Input input = Input::Free;
    bool mandatory = false;
    const char* dateKey = nullptr; // date picker mode key of a date field
    const char* frame = nullptr;   // highlight frame name when not "eff" + name without "txt"
    Qt::Alignment align = Qt::AlignLeft;
};

// Builds a screen's fields and labels from its table and gives them the common behaviour: the
// Enter order (wrapping from the last field to the first), key filters, upper-case and trimmed
// fields, date fields with the date picker, and focus highlighting.
class FieldTable : public QObject {
    Q_OBJECT
public:
    FieldTable(QWidget* form, std::span<const FieldRow> rows, Highlight highlight);

    QLineEdit* field(const char* name) const;
    QLabel* label(const char* name) const;
    const std::vector<QLineEdit*>& fields() const { return m_fields; }
    std::span<const FieldRow> rows() const { return m_rows; }

    // Lays the fields out one a line from the top of `grid`: the caption in column 0, the field
    // over the next `fieldColumns` columns. Returns the first line left free.
    int addToGrid(QGridLayout* grid, int fieldColumns) const;
    // Replaces the Enter key's move to the next field (the password screen submits instead).
    void setEnterAction(std::function<void(QLineEdit*)> action) { m_enterAction = std::move(action); }
    // The first mandatory field that is empty without its blanks, or null.
    QLineEdit* firstEmptyMandatory() const;
    void clear();

    // The key filters of the program, for fields outside any table.
    static bool digitsFilterSwallows(int key, const QString& text);
    static bool amountFilterSwallows(int key, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int indexOf(QObject* field) const;
    static void applyColour(QLineEdit* field, const FieldRow& row, bool focused);
    void openDatePicker(QLineEdit* field, const FieldRow& row);

    QWidget* m_form;
    std::span<const FieldRow> m_rows;
    Highlight m_highlight;
    std::vector<QLineEdit*> m_fields;
    std::vector<QLabel*> m_labels;
    std::vector<QWidget*> m_frames;
    std::function<void(QLineEdit*)> m_enterAction;
};
