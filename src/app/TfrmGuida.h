#pragma once

#include "Dialog.h"

class QLabel;
class QPlainTextEdit;

// The guide window: a topic title and its text, set by the opener, and a link to the manual
// (Guida.pdf in the program folder).
class TfrmGuida : public Dialog {
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget* parent = nullptr);
    // Paragraphs in `text` are separated by "\r\n\r\n".
    void setGuide(const QString& title, const QString& text);

private:
    void openManual();

    QLabel* m_lblTitolo;
    QPlainTextEdit* m_txtGuida;
};

// Opens a fresh guide window modally with the topic's title and text, and discards it.
void showGuide(QWidget* parent, const QString& title, const QString& text);
