#include "CommandBar.h"

#include "StatusLine.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QToolButton>

QToolButton* makeCommandButton(const Command& command, StatusLine* status, QWidget* parent,
                               Qt::ToolButtonStyle style) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(command.name));
    button->setText(QString::fromUtf8(command.caption));
    button->setIcon(QIcon::fromTheme(QString::fromLatin1(command.icon)));
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(style);
    button->setAutoRaise(true);
    button->setAccessibleName(QString::fromUtf8(command.caption));
    if (status)
        status->addHint(button, QString::fromUtf8(command.hint));
    return button;
}

CommandBar::CommandBar(std::span<const Command> commands, StatusLine* status, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("panComandi"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    for (const Command& c : commands) {
        QToolButton* b = makeCommandButton(c, status, this);
        b->setMinimumWidth(72);
        layout->addWidget(b);
    }
    layout->addStretch();
}

QToolButton* CommandBar::button(const char* name) const {
    return findChild<QToolButton*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

void CommandBar::insertAfter(const char* name, QWidget* widget) {
    auto* row = static_cast<QHBoxLayout*>(layout());
    row->insertWidget(row->indexOf(button(name)) + 1, widget);
}
