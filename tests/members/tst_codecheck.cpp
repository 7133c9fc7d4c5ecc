#include "FakePlatform.h"
#include "TestMain.h"
#include "members/CodeCheck.h"
#include "members/TfrmCodFisc.h"
#include "members/TfrmPartitaIva.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QString kValid = QStringLiteral("Il codice fiscale digitato è VALIDO.");
const QString kWrong = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");
const QString kLength =
    QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
const QString kVatLength =
    QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
const QString kVatWrong =
    QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                   "Non è quindi possibile fornire informazioni relative all'Ufficio IVA che "
                   "lo ha rilasciato.");
const QString kVatValid = QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
                                         "E' stato rilasciato dall'Ufficio IVA del Comune di ");

using Box = Platform::Box;

// Presses "Controlla" on a shown dialog and checks the one message and whether the dialog
// stayed open with the focus back in its field.
void check(QDialog& dialog, const char* field, Box kind, const QString& text, bool staysOpen) {
    FakePlatformScope fake;
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>("btnControlla"), Qt::LeftButton);
    QCOMPARE(fake->messages, (QList<FakePlatform::Shown>{{kind, text}}));
    QCOMPARE(dialog.isVisible(), staysOpen);
    if (staysOpen)
        QCOMPARE(dialog.focusWidget(), dialog.findChild<QLineEdit*>(field));
}

} // namespace

class CodeCheckTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fiscalCode_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<Box>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("valid") << "RSSMRA85T10A562S" << Box::Information << kValid;
        QTest::newRow("typed in lower case") << "rssmra85t10a562s" << Box::Information << kValid;
        QTest::newRow("fifteen characters") << "RSSMRA85T10A562" << Box::Warning << kLength;
        QTest::newRow("seventeen characters") << "RSSMRA85T10A562SS" << Box::Warning << kLength;
        QTest::newRow("control letter off by one") << "RSSMRA85T10A562T" << Box::Warning << kWrong;
        QTest::newRow("changed character") << "RSSMRA85T10A563S" << Box::Warning << kWrong;
        QTest::newRow("letters for digits") << "RSSMRA85T10A56NH" << Box::Information << kValid;
        QTest::newRow("three letters for digits") << "RSSMRA85T10ARSNO" << Box::Information << kValid;
        QTest::newRow("punctuation counts nothing") << "VRDLGU7:A01F205R" << Box::Information << kValid;
        // These would pass if the stranger counted nothing.
        QTest::newRow("character outside the tables") << "RSSMRA85T10A5*2M" << Box::Warning << kWrong;
        QTest::newRow("accented letter") << "RSSMRA85T10A5È2M" << Box::Warning << kWrong;
    }
    void fiscalCode() {
        QFETCH(QString, code);
        QFETCH(Box, kind);
        QFETCH(QString, text);
        TfrmCodFisc dialog;
        dialog.setCode(code);
        QCOMPARE(dialog.findChild<QLineEdit*>("txtCodFisc")->text(), code);
        check(dialog, "txtCodFisc", kind, text, text == kLength);
    }

    void typedCodeIsUpperCasedAndEnterMovesToTheButton() {
        TfrmCodFisc dialog;
        dialog.show();
        auto* field = dialog.findChild<QLineEdit*>("txtCodFisc");
        QTest::keyClicks(field, "rssmra85t10a562s");
        QCOMPARE(field->text(), QStringLiteral("RSSMRA85T10A562S"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(dialog.focusWidget(), dialog.findChild<QPushButton*>("btnControlla"));
        QVERIFY(dialog.isVisible());
    }

    void vatNumber_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<Box>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("ten digits") << "1234567058" << Box::Warning << kVatLength;
        // Handed over from a longer fiscal-code field: shown whole, never cut to a passing number.
        QTest::newRow("twelve digits") << "123456705870" << Box::Warning << kVatLength;
        QTest::newRow("eleven zeros") << "00000000000" << Box::Information << kVatValid + u'.';
        QTest::newRow("office 058") << "12345670587" << Box::Information << kVatValid + "Roma 1.";
        QTest::newRow("office 120") << "00000011205" << Box::Information << kVatValid + "Bologna 2.";
        QTest::newRow("office 096") << "00000010967" << Box::Information << kVatValid + "Monza (Milano 2).";
        QTest::newRow("office 040") << "00000010405" << Box::Information << kVatValid + "Forlì.";
        QTest::newRow("unknown office 999") << "12345679992" << Box::Information << kVatValid + u'.';
        QTest::newRow("changed digit") << "12345670597" << Box::Warning << kVatWrong;
        QTest::newRow("changed check digit") << "12345670588" << Box::Warning << kVatWrong;
        QTest::newRow("swapped adjacent digits") << "21345670587" << Box::Warning << kVatWrong;
        QTest::newRow("swapped in the middle") << "12354670587" << Box::Warning << kVatWrong;
    }
    void vatNumber() {
        QFETCH(QString, number);
        QFETCH(Box, kind);
        QFETCH(QString, text);
        TfrmPartitaIva dialog;
        dialog.setCode(number);
        QCOMPARE(dialog.findChild<QLineEdit*>("txtPartitaIva")->text(), number);
        check(dialog, "txtPartitaIva", kind, text, text == kVatLength);
    }

    void vatFieldTakesDigitsOnlyAndEnterMovesToTheButton() {
        TfrmPartitaIva dialog;
        dialog.show();
        auto* field = dialog.findChild<QLineEdit*>("txtPartitaIva");
        QTest::keyClicks(field, "12a3,4 5");
        QCOMPARE(field->text(), QStringLiteral("12345"));
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), QStringLiteral("1234"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(dialog.focusWidget(), dialog.findChild<QPushButton*>("btnControlla"));
    }

    void checkButtonRoutes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("shown");
        // clang-format off
        QTest::newRow("eleven digits") << " 12345670587 " << "frmPartitaIva" << "txtPartitaIva" << "12345670587";
        QTest::newRow("empty") << "" << "frmCodFisc" << "txtCodFisc" << "";
        QTest::newRow("blanks only") << "   " << "frmCodFisc" << "txtCodFisc" << "";
        QTest::newRow("fiscal code") << "RSSMRA85T10A562S" << "frmCodFisc" << "txtCodFisc" << "RSSMRA85T10A562S";
        QTest::newRow("digits and a letter") << "1234567058X" << "frmCodFisc" << "txtCodFisc" << "1234567058X";
        // clang-format on
    }
    void checkButtonRoutes() {
        QFETCH(QString, text);
        QFETCH(QString, dialog);
        QFETCH(QString, field);
        QFETCH(QString, shown);
        QString opened, fieldText;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            opened = modal->objectName();
            fieldText = modal->findChild<QLineEdit*>(field)->text();
            modal->findChild<QPushButton*>("btnChiudi")->click();
        });
        openCodeCheck(text, nullptr);
        QCOMPARE(opened, dialog);
        QCOMPARE(fieldText, shown);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

ZANDORIO_TEST(CodeCheckTest)
#include "tst_codecheck.moc"
