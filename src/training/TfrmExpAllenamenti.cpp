#include "TfrmExpAllenamenti.h"

#include "TrainingExport.h"
#include "app/ArchiveMessages.h"
#include "app/Platform.h"
#include "app/TfrmGuida.h"
#include "storage/StorageError.h"

namespace {

const QString kGuideTitle = QStringLiteral("Esportazione archivio schede di allenamento in Microsoft Excel.");
const QString kGuideText = QStringLiteral(
    "Il pulsante Esporta archivio consente di esportare l'archivio delle schede di allenamento in un "
    "foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di "
    "gestire i file in formato XLS (ad esempio, con Open Office, Libre Office o Microsoft Office).\r\n\r\n"
    "Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic sull'icona di Excel. "
    "Questa operazione crea in tempo reale un file in formato XLS contenente le schede in archivio, che "
    "potrà essere aperto immediatamente rispondendo affermativamente al messaggio di domanda che "
    "appare.\r\n\r\n"
    "A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un nome "
    "qualsiasi.");

} // namespace

TfrmExpAllenamenti::TfrmExpAllenamenti(QWidget* parent)
    : ExportScreen(parent, QStringLiteral("frmExpAllenamenti"),
                   QStringLiteral(" Esporta archivio schede allenamento in Microsoft Excel"),
                   TrainingExport::format()) {
    setGuide([this] { showGuide(this, kGuideTitle, kGuideText); });
}

void TfrmExpAllenamenti::listRows() {
    GridRows rows(int(TrainingExport::format().columns.size()));
    try {
        TrainingExport::appendRows(rows);
    } catch (const StorageError&) {
        // The grid keeps the cards listed before the failure; the user learns the list is short.
        platform().message(Platform::Box::Notice, ArchiveMessages::kFailure);
    }
    setRows(std::move(rows));
}
