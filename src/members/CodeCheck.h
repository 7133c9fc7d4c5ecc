#pragma once

class QString;
class QWidget;

// The check button beside a fiscal-code field: a text of digits only is a VAT number, anything
// else (an empty text too) a fiscal code. The check dialog is created fresh, shown modally and
// discarded.
void openCodeCheck(const QString& text, QWidget* parent);
