#include "TfrmExpRic.h"

#include "ReceiptExport.h"
#include "app/ArchiveMessages.h"
#include "app/Platform.h"
#include "app/TfrmGuida.h"
#include "storage/StorageError.h"

namespace {

const QString kGuideTitle = QStringLiteral("Esportazione archivio ricevute in Microsoft Excel");
const QString kGuideText = QStringLiteral(
    "Il pulsante Esporta archivio consente di esportare l'archivio annuale delle ricevute in un foglio di "
    "lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di gestire i file in "
    "formato XLS (ad esempio, con Open Office, Libre Office o Microsoft Office).\r\n\r\n"
    "Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic sull'icona di Excel. "
    "Questa operazione crea in tempo reale un file in formato XLS contenente le schede in archivio, che "
    "potrà "
    "essere aperto immediatamente rispondendo affermativamente al messaggio di domanda che appare.\r\n\r\n"
    "A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un nome qualsiasi.");

} // namespace

TfrmExpRic::TfrmExpRic(QWidget* parent, const QString& path)
    : ExportScreen(parent, QStringLiteral("frmExpRic"),
                   QStringLiteral(" Esporta archivio ricevute in Microsoft Excel"), ReceiptExport::format()),
      m_path(path) {
    setGuide([this] { showGuide(this, kGuideTitle, kGuideText); });
}

void TfrmExpRic::listRows() {
    try {
        setRows(ReceiptExport::rows(m_path));
    } catch (const StorageError&) {
        platform().message(Platform::Box::Error, ArchiveMessages::kFailure);
    }
}
