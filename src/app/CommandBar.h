#pragma once

#include <QWidget>

#include <span>

class QToolButton;
class StatusLine;

// One picture button of a command bar.
struct Command {
    const char* name;    // "cmdSalva"
    const char* caption; // "Salva"
    const char* icon;    // desktop icon theme name; none for a picture the screen draws itself
    const char* hint;    // shown in the status line
};

// A screen's row of picture buttons, built from its command table; each button shows its icon
// above its caption and puts its hint in the status line.
class CommandBar : public QWidget {
    Q_OBJECT
public:
    CommandBar(std::span<const Command> commands, StatusLine* status, QWidget* parent);
    QToolButton* button(const char* name) const;
    // Places another widget in the row, right after the named button (the position label).
    void insertAfter(const char* name, QWidget* widget);
};

// A picture button outside a command bar, with the same look and hint behaviour.
QToolButton* makeCommandButton(const Command& command, StatusLine* status, QWidget* parent,
                               Qt::ToolButtonStyle style = Qt::ToolButtonTextUnderIcon);
