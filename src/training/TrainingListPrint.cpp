#include "TrainingListPrint.h"

#include "app/Platform.h"
#include "app/ReportOutput.h"
#include "reports/ReportError.h"

void printTrainingList(QWidget* parent, const QString& title, const QStringList& lines) {
    try {
        ReportOutput::printList(title, lines, parent);
    } catch (const ReportError&) {
        platform().message(Platform::Box::Warning,
                           QStringLiteral("Attenzione: la stampa non è andata a buon fine."));
    }
}
