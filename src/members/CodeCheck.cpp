#include "CodeCheck.h"

#include "TfrmCodFisc.h"
#include "TfrmPartitaIva.h"
#include "storage/Text.h"

void openCodeCheck(const QString& text, QWidget* parent) {
    const QString code = Text::trimBlanks(text);
    if (Text::isDigits(code)) {
        TfrmPartitaIva dialog(parent);
        dialog.setCode(code);
        dialog.exec();
    } else {
        TfrmCodFisc dialog(parent);
        dialog.setCode(code);
        dialog.exec();
    }
}
