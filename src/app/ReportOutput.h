#pragma once

#include <QStringList>

class QWidget;
class ReportRenderer;

// A report on paper or on screen, through the platform's print dialog and preview window, with
// the template's page. Every failure throws ReportError.
namespace ReportOutput {

// Through the print dialog, which opens proposing `copies`; false when the user cancels it. The
// program prints every copy the dialog settles on itself, with the printer set to one, and keeps
// the template's orientation whatever the dialog chose.
bool print(const ReportRenderer& report, QWidget* parent, int copies = 1);
// The preview window: print, zoom, full screen and close.
void preview(const ReportRenderer& report, QWidget* parent);
// The result list document "Riepilogo dati" of `lines`, dated today, through the print dialog.
bool printList(const QString& title, const QStringList& lines, QWidget* parent);

} // namespace ReportOutput
