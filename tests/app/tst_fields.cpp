#include "FakePlatform.h"
#include "TestMain.h"
#include "app/CommandBar.h"
#include "app/FieldTable.h"
#include "app/StatusLine.h"
#include "app/TfrmCalendario.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <stdexcept>

namespace {

constexpr FieldRow kRows[] = {
    {"txtNome", "Nome:", 10, Input::Free, "Attenzione: indicare il nome."},
    {"txtPeso", "Peso:", 8, Input::Digits},
    {"txtQuota", "Quota:", 50, Input::Amount},
    {"txtCodFisc", "Codice fiscale:", 16, Input::Upper},
    {"txtStudio", "Scadenza:", 10, Input::Date, nullptr, "tiratori_studio"},
};

// A small screen with one field of each kind, named as the screen the date key points to.
struct TestScreen {
    explicit TestScreen(Highlight highlight) {
        table = new FieldTable(&form, kRows, highlight);
        auto* layout = new QVBoxLayout(&form);
        for (QLineEdit* f : table->fields())
            layout->addWidget(f);
        form.show();
        QApplication::setActiveWindow(&form);
        (void)QTest::qWaitForWindowActive(&form);
    }
    QLineEdit* field(const char* name) const { return table->field(name); }

    QWidget form;
    FieldTable* table;
};

// Answers the next modal dialog with the named button.
void clickInNextModal(const char* button) {
    QTimer::singleShot(0, [button] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        QTest::mouseClick(modal->findChild<QPushButton*>(button), Qt::LeftButton);
    });
}

QColor fillOf(QWidget* w) {
    return w->grab().toImage().pixelColor(4, w->height() / 2);
}

} // namespace

class FieldTableTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keyFilters_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        // clang-format off
        QTest::newRow("digits") << "txtPeso" << "1a,2 3" << "123";
        QTest::newRow("amount") << "txtQuota" << "1a,2 3" << "1,23";
        QTest::newRow("upper case, trimmed") << "txtCodFisc" << " rs t" << "RST";
        QTest::newRow("free") << "txtNome" << "a,b 1" << "a,b 1";
        // clang-format on
    }
    void keyFilters() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        TestScreen screen(Highlight::Colour);
        QLineEdit* f = screen.field(field.toLatin1());
        f->setFocus();
        QTest::keyClicks(f, typed);
        QCOMPARE(f->text(), shown);
    }

    void pastedTextKeepsWhatTheFilterLetsThrough_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("cursor");
        // clang-format off
        QTest::newRow("digits, decimal") << "txtPeso" << "1,5" << "1159" << 3;
        QTest::newRow("digits, letters") << "txtPeso" << "abc" << "19" << 1;
        // The capacity (8) counts what the filter keeps, and cuts what was pasted.
        QTest::newRow("digits, past the capacity") << "txtPeso" << "a1b2c3d4e5f6g7" << "11234569" << 7;
        QTest::newRow("amount") << "txtQuota" << "€ 2,50" << "12,509" << 5;
        QTest::newRow("upper case") << "txtCodFisc" << " rs " << "1 RS 9" << 5;
        // clang-format on
    }
    void pastedTextKeepsWhatTheFilterLetsThrough() {
        QFETCH(QString, field);
        QFETCH(QString, pasted);
        TestScreen screen(Highlight::Colour);
        QLineEdit* f = screen.field(field.toLatin1());
        f->setFocus();
        QTest::keyClicks(f, "19");
        QTest::keyClick(f, Qt::Key_Left);
        QGuiApplication::clipboard()->setText(pasted);
        // Ctrl+V as the desktop sends it, with its control character as text.
        QTest::sendKeyEvent(QTest::Click, f, Qt::Key_V, QString(QChar(0x16)), Qt::ControlModifier);
        QTEST(f->text(), "shown");
        QTEST(f->cursorPosition(), "cursor");
    }

    void textSetWithoutTypingKeepsWhatTypingCouldGive() {
        TestScreen screen(Highlight::Colour);
        screen.field("txtPeso")->setText(QStringLiteral("1,5 kg"));
        screen.field("txtQuota")->setText(QStringLiteral("€ 2,50"));
        screen.field("txtCodFisc")->setText(QStringLiteral(" rs t "));
        screen.field("txtNome")->setText(QStringLiteral(" a,b "));
        QSignalSpy edited(screen.field("txtPeso"), &QLineEdit::textEdited);
        screen.table->applyInputRules();
        QCOMPARE(screen.field("txtPeso")->text(), QStringLiteral("15"));
        QCOMPARE(screen.field("txtQuota")->text(), QStringLiteral("2,50"));
        QCOMPARE(screen.field("txtCodFisc")->text(), QStringLiteral("RS T"));
        QCOMPARE(screen.field("txtNome")->text(), QStringLiteral(" a,b "));
        // Whoever follows the field's edits hears of the change.
        QCOMPARE(edited.size(), 1);
        QCOMPARE(edited.first().first().toString(), QStringLiteral("15"));
        screen.table->applyInputRules();
        QCOMPARE(edited.size(), 1);
    }

    void editingKeysPassTheDigitsFilter() {
        TestScreen screen(Highlight::Colour);
        QLineEdit* f = screen.field("txtPeso");
        f->setFocus();
        QTest::keyClicks(f, "123");
        QTest::keyClick(f, Qt::Key_Left);
        QTest::keyClick(f, Qt::Key_Backspace);
        QTest::keyClick(f, Qt::Key_Right);
        QTest::keyClicks(f, "9");
        QCOMPARE(f->text(), QStringLiteral("139"));
    }

    void upperCaseFoldsOnlyAtoZ() {
        TestScreen screen(Highlight::Colour);
        QLineEdit* f = screen.field("txtCodFisc");
        f->setFocus();
        QTest::keyClicks(f, "ab");
        QTest::sendKeyEvent(QTest::Click, f, Qt::Key_unknown, QString::fromUtf8("è"), Qt::NoModifier);
        QCOMPARE(f->text(), QString::fromUtf8("ABè"));
    }

    void enterWalksTheFieldsAndWraps() {
        TestScreen screen(Highlight::Colour);
        screen.field("txtQuota")->setFocus();
        QTest::keyClick(screen.field("txtQuota"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), screen.field("txtCodFisc"));
        screen.field("txtStudio")->setFocus();
        QTest::keyClick(screen.field("txtStudio"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), screen.field("txtNome"));
    }

    void dateFieldOpensThePickerAndBackspaceEmptiesIt() {
        FakePlatformScope fake;
        fake->date = QDate(2024, 3, 5);
        TestScreen screen(Highlight::Colour);
        QLineEdit* f = screen.field("txtStudio");
        f->setFocus();
        clickInNextModal("btnImportaData");
        QTest::keyClick(f, Qt::Key_A);
        QCOMPARE(f->text(), QStringLiteral("05/03/2024"));

        clickInNextModal("btnAnnulla");
        QTest::keyClick(f, Qt::Key_1);
        QCOMPARE(f->text(), QStringLiteral("05/03/2024"));

        QTest::keyClick(f, Qt::Key_Backspace);
        QCOMPARE(f->text(), QString());
        f->setText("05/03/2024");
        QTest::keyClick(f, Qt::Key_Delete);
        QCOMPARE(f->text(), QString());
    }

    void pickerWithoutAFieldStaysOpen() {
        TfrmCalendario picker(nullptr);
        picker.show();
        QTest::mouseClick(picker.findChild<QPushButton*>("btnImportaData"), Qt::LeftButton);
        QVERIFY(picker.isVisible());
        QCOMPARE(picker.result(), 0);
    }

#ifdef QT_NO_DEBUG
    // A debug build stops on the assertion instead.
    void aNameTheTableDoesNotHoldIsRefusedAloud() {
        TestScreen screen(Highlight::Colour);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, screen.table->text("txtNessuno"));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, screen.table->setText("txtNessuno", QStringLiteral("x")));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, screen.table->control("txtNessuno"));
    }
#endif

    void escapeDoesNotCloseADialog() {
        TfrmCalendario picker(nullptr);
        picker.show();
        QTest::keyClick(&picker, Qt::Key_Escape);
        QVERIFY(picker.isVisible());
        QTest::mouseClick(picker.findChild<QPushButton*>("btnAnnulla"), Qt::LeftButton);
        QVERIFY(!picker.isVisible());
    }

    void colourHighlighting() {
        TestScreen screen(Highlight::Colour);
        QLineEdit* mandatory = screen.field("txtNome");
        QLineEdit* ordinary = screen.field("txtPeso");
        // As built, before any focus has moved.
        QCOMPARE(fillOf(screen.field("txtQuota")), QColor(0xF0, 0xF8, 0xFF));
        ordinary->setFocus();
        QCOMPARE(fillOf(ordinary), QColor(0xFF, 0xFF, 0x00));
        QCOMPARE(fillOf(mandatory), QColor(0xF5, 0xF5, 0xDC));
        mandatory->setFocus();
        QCOMPARE(fillOf(ordinary), QColor(0xF0, 0xF8, 0xFF));
        QCOMPARE(fillOf(mandatory), QColor(0xFF, 0xFF, 0x00));
    }

    void frameHighlighting() {
        TestScreen screen(Highlight::Frame);
        auto* effNome = screen.form.findChild<QWidget*>("effNome");
        auto* effPeso = screen.form.findChild<QWidget*>("effPeso");
        QVERIFY(effNome && effPeso);
        screen.field("txtNome")->setFocus();
        QVERIFY(effNome->isVisible());
        QVERIFY(!effPeso->isVisible());
        QVERIFY(effNome->geometry().contains(screen.field("txtNome")->geometry()));
        screen.field("txtPeso")->setFocus();
        QVERIFY(!effNome->isVisible());
        QVERIFY(effPeso->isVisible());
    }

    void labelsAreBuddies() {
        TestScreen screen(Highlight::Frame);
        QCOMPARE(screen.table->label("txtQuota")->buddy(), screen.field("txtQuota"));
        QCOMPARE(screen.table->label("txtQuota")->text(), QStringLiteral("Quota:"));
        QCOMPARE(screen.field("txtNome")->maxLength(), 10);
        QVERIFY(screen.field("txtStudio")->isReadOnly());
    }

    void firstEmptyMandatory() {
        TestScreen screen(Highlight::Colour);
        screen.field("txtNome")->setText("   ");
        QCOMPARE(screen.table->controlAt(screen.table->firstEmptyMandatory()), screen.field("txtNome"));
        screen.field("txtNome")->setText(" a ");
        QCOMPARE(screen.table->firstEmptyMandatory(), -1);
    }

    void statusLineShowsHintsAndClearsOnBackground() {
        QWidget screen;
        auto* status = new StatusLine("Pronto", &screen);
        constexpr Command kSave{"cmdSalva", "Salva", "document-save", "Salva la scheda in archivio."};
        QToolButton* save = makeCommandButton(kSave, status, &screen);
        QCOMPARE(status->text(), QStringLiteral("Pronto"));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(save, &enter);
        QCOMPARE(status->text(), QStringLiteral("Salva la scheda in archivio."));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(save, &leave);
        QCOMPARE(status->text(), QString());
        QCOMPARE(save->toolTip(), QStringLiteral("Salva la scheda in archivio."));
        QCOMPARE(save->accessibleName(), QStringLiteral("Salva"));
    }
};

ZANDORIO_TEST(FieldTableTest)
#include "tst_fields.moc"
