// One workstation issuing receipts: the receipt screen on the archive of 2024 of the program folder
// given, pressing "Nuovo", filling the payer and "Salva" as many times as asked. Several of them
// started on one folder at once share the archive as workstations on a network folder do.
//
//     receipt_writer FOLDER COUNT
//
// Ends with 0 when every receipt was saved; prints how many took a number other than the one
// proposed.

#include "FakePlatform.h"
#include "receipts/TSchedaRicevuta.h"
#include "receipts/TfrmRicevuta.h"
#include "storage/ProgramFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    ProgramFolder::set(QString::fromLocal8Bit(argv[1]));
    const int count = QByteArray(argv[2]).toInt();
    FakePlatformScope fake;

    TfrmRicevuta screen;
    screen.openYear(QStringLiteral("2024"), TSchedaRicevuta::path(QStringLiteral("2024")));
    screen.show();
    const auto field = [&screen](const char* name) {
        return screen.findChild<QLineEdit*>(QString::fromLatin1(name));
    };
    const auto press = [&screen](const char* name) {
        screen.findChild<QToolButton*>(QString::fromLatin1(name))->click();
    };
    int renumbered = 0;
    for (int i = 0; i < count; ++i) {
        fake->messages.clear();
        press("cmdNuovo");
        field("txtPagatore")->setText(QStringLiteral("Rossi Mario"));
        field("txtCodFisc")->setText(QStringLiteral("RSSMRA80A01H501U"));
        field("txtSport")->setText(QStringLiteral("Nuoto"));
        field("txtDal")->setText(QStringLiteral("01/03/2024"));
        field("txtAl")->setText(QStringLiteral("31/03/2024"));
        screen.findChild<QComboBox*>(QStringLiteral("cboPagamento"))
            ->setCurrentText(QStringLiteral("Contanti"));
        press("cmdSalva");
        if (fake->lastText() != QStringLiteral("La scheda corrente è stata inserita in archivio."))
            return 1;
        renumbered += int(fake->messages.size() > 1);
    }
    std::printf("%d\n", renumbered);
    return 0;
}
