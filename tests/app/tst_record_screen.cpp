#include "FakePlatform.h"
#include "TestMain.h"
#include "app/ArchiveMessages.h"
#include "app/RecordScreen.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using Box = Platform::Box;

// A record with one field for each kind of control.
struct TProva {
    QString Nome;
    QString Mese;
    QString Dieta;
    QString Flag;
    QString Allegato;
    QString Anno;

    static constexpr int Size = 51 + 11 + 201 + 3 + 51 + 5;
    static std::span<const RecordField<TProva>> fields() {
        static constexpr RecordField<TProva> kFields[] = {
            {"Nome", &TProva::Nome, 50},         {"Mese", &TProva::Mese, 10},
            {"Dieta", &TProva::Dieta, 200},      {"Flag", &TProva::Flag, 2, FieldKind::Char},
            {"Allegato", &TProva::Allegato, 50}, {"Anno", &TProva::Anno, 4},
        };
        static_assert(recordSize(kFields) == Size);
        return kFields;
    }
};

QStringList months() {
    return {QStringLiteral("Gennaio"), QStringLiteral("Febbraio"), QStringLiteral("Marzo")};
}

constexpr FieldBinding<TProva> kFields[] = {
    {{"txtNome", "Nome:", 50, Input::Free, "Attenzione: indicare il nome."}, &TProva::Nome},
    {{.name = "txtMese", .label = "Mese:", .maxLength = 10, .control = Control::Pick, .items = months},
     &TProva::Mese},
    {{.name = "txtDieta", .label = "Dieta:", .control = Control::Memo, .section = 1}, &TProva::Dieta},
    {{.name = "txtNote", .label = "Note:", .section = 1}},
    {{.name = "chkFlag", .label = "Addominali", .control = Control::Check}, &TProva::Flag},
    {{.name = "lblAllegato", .label = nullptr, .control = Control::Hidden}, &TProva::Allegato},
};

constexpr Command kCommands[] = {
    {"cmdNuovo", "Nuovo", "document-new", "Nuova scheda."},
    {"cmdDuplica", "Duplica", "edit-copy", "Duplica la scheda."},
    {"cmdSalva", "Salva", "document-save", "Salva la scheda."},
    {"cmdPrimo", "Primo", "go-first", "Prima scheda."},
    {"cmdIndietro", "Indietro", "go-previous", "Scheda precedente."},
    {"cmdAvanti", "Avanti", "go-next", "Scheda successiva."},
    {"cmdUltimo", "Ultimo", "go-last", "Ultima scheda."},
};

constexpr RecordScreenSetup kSetup{
    .objectName = "frmProva",
    .caption = " Prova",
    .ready = "Pronto",
    .empty = "L'archivio non contiene nessuna ricevuta.",
    .browseFailure = {Box::Warning, Box::Error, Box::Error, Box::Error},
    .saveFailure = Box::Notice,
};

// A record screen configured as the entry, receipt and training screens will be: a year kept
// apart from browsing, an extra check after the mandatory one, and a copy that loses a field.
class TfrmProva : public RecordScreen<TProva> {
public:
    explicit TfrmProva(const QString& path)
        : RecordScreen(kSetup, kCommands, kFields, [path] { return path; }) {
        auto* body = new QVBoxLayout;
        for (const FieldRow& row : fields()->rows())
            body->addWidget(fields()->control(row.name));
        setBody(body);
    }

    QString year = QStringLiteral("2024");
    bool refuse = false;
    QStringList hooks;

protected:
    void clearRecord() override {
        RecordScreen::clearRecord();
        fields()->setText("txtMese", QStringLiteral("Marzo"));
        hooks << QStringLiteral("clear");
    }
    bool prepareCopy() override {
        fields()->setText("txtMese", QString());
        hooks << QStringLiteral("copy");
        return true;
    }
    bool acceptSave() override {
        hooks << QStringLiteral("check");
        return !refuse;
    }
    void completeRecord(TProva& record) const override { record.Anno = year; }
    void recordShown(const TProva&, int position) override {
        hooks << QStringLiteral("shown %1").arg(position);
    }
    void recordSaved(int position) override { hooks << QStringLiteral("saved %1").arg(position); }
};

struct Fixture {
    Fixture() : screen(dir.filePath(QStringLiteral("prova.dat"))) {
        screen.show();
        QApplication::setActiveWindow(&screen);
        (void)QTest::qWaitForWindowActive(&screen);
    }
    template <class W = QWidget> W* find(const char* name) const { return screen.findChild<W*>(name); }
    void click(const char* name) const { QTest::mouseClick(find<QToolButton>(name), Qt::LeftButton); }
    QString position() const { return find<QLabel>("lblPosizione")->text(); }
    QList<TProva> archive() const {
        QFile file(dir.filePath(QStringLiteral("prova.dat")));
        QList<TProva> all;
        if (file.open(QIODevice::ReadOnly))
            for (QByteArray bytes = file.readAll(); bytes.size() >= TProva::Size;
                 bytes.remove(0, TProva::Size))
                all << RecordCodec<TProva>::decode(bytes.first(TProva::Size));
        return all;
    }
    QList<FakePlatform::Shown> takeMessages() const {
        const QList<FakePlatform::Shown> shown = fake->messages;
        fake->messages.clear();
        return shown;
    }

    FakePlatformScope fake;
    QTemporaryDir dir;
    TfrmProva screen;
};

} // namespace

class RecordScreenTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyKindOfControlRoundTripsThroughTheRecord() {
        Fixture f;
        TProva r;
        r.Nome = QStringLiteral("Rossi Mario");
        r.Mese = QStringLiteral("Febbraio");
        // A non-breaking space, as pasted from a word processor, is kept as typed.
        r.Dieta = QString::fromUtf8("Colazione\u00A0leggera\r\nPranzo\r\n\r\nCena");
        r.Flag = QStringLiteral("Sì");
        r.Allegato = QStringLiteral("referto.pdf");
        f.screen.showRecord(r, 7);
        QCOMPARE(f.position(), QStringLiteral("7"));
        QCOMPARE(f.screen.position(), 7);
        // A screen reader reads the position itself, then what it is.
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(f.find<QLabel>("lblPosizione"));
        QCOMPARE(spoken->text(QAccessible::Name), QStringLiteral("7"));
        QCOMPARE(spoken->text(QAccessible::Description), QStringLiteral("Posizione in archivio"));
        QCOMPARE(f.find<QComboBox>("txtMese")->currentText(), QStringLiteral("Febbraio"));
        QCOMPARE(f.find<QPlainTextEdit>("txtDieta")->blockCount(), 4);
        QVERIFY(f.find<QCheckBox>("chkFlag")->isChecked());
        QVERIFY(!f.find<QLabel>("lblAllegato")->isVisible());

        r.Anno = f.screen.year;
        const TProva back = f.screen.record();
        QCOMPARE(RecordCodec<TProva>::encode(back), RecordCodec<TProva>::encode(r));

        // A flag that is neither "Sì" nor "No" leaves its box as it was.
        r.Flag = QStringLiteral("X");
        f.screen.showRecord(r, 7);
        QVERIFY(f.find<QCheckBox>("chkFlag")->isChecked());
        r.Flag = QStringLiteral(" No ");
        f.screen.showRecord(r, 7);
        QCOMPARE(f.screen.record().Flag, QStringLiteral("No"));
    }

    void saveRunsTheChecksInOrderThenWrites() {
        Fixture f;
        f.click("cmdSalva");
        QCOMPARE(f.takeMessages(),
                 (QList<FakePlatform::Shown>{{Box::Warning, "Attenzione: indicare il nome."}}));
        QCOMPARE(QApplication::focusWidget(), f.find("txtNome"));
        QVERIFY(!f.screen.hooks.contains(QStringLiteral("check")));

        f.find<QLineEdit>("txtNome")->setText(QStringLiteral("Rossi"));
        f.screen.refuse = true;
        f.click("cmdSalva");
        QVERIFY(f.takeMessages().isEmpty());
        QVERIFY(f.archive().isEmpty());

        f.screen.refuse = false;
        f.screen.hooks.clear();
        f.click("cmdSalva");
        f.click("cmdSalva");
        QCOMPARE(f.screen.hooks, (QStringList{"check", "saved 1", "check", "saved 1"}));
        QCOMPARE(f.takeMessages(),
                 (QList<FakePlatform::Shown>{
                     {Box::Information, "La scheda corrente è stata inserita in archivio."},
                     {Box::Information,
                      "Le modifiche apportate alla scheda corrente sono state salvate in archivio."}}));
        QCOMPARE(f.archive().size(), 1);
        QCOMPARE(f.archive()[0].Mese, QStringLiteral("Marzo"));
        QCOMPARE(f.archive()[0].Anno, QStringLiteral("2024"));
    }

    void browsingKeepsWhatTheScreenKeepsApart() {
        Fixture f;
        f.click("cmdPrimo");
        QCOMPARE(f.takeMessages(), (QList<FakePlatform::Shown>{
                                       {Box::Information, "L'archivio non contiene nessuna ricevuta."}}));
        f.find<QLineEdit>("txtNome")->setText(QStringLiteral("Alfa"));
        f.click("cmdSalva");
        f.click("cmdNuovo");
        QVERIFY(f.position().isEmpty());
        f.screen.year = QStringLiteral("2025");
        f.screen.hooks.clear();
        f.click("cmdUltimo");
        QCOMPARE(f.find<QLineEdit>("txtNome")->text(), QStringLiteral("Alfa"));
        QCOMPARE(f.screen.record().Anno, QStringLiteral("2025"));
        QCOMPARE(f.screen.hooks, QStringList{"shown 1"});

        f.click("cmdDuplica");
        QVERIFY(f.position().isEmpty());
        QVERIFY(f.find<QComboBox>("txtMese")->currentText().isEmpty());
        QCOMPARE(f.find<QLineEdit>("txtNome")->text(), QStringLiteral("Alfa"));
        f.click("cmdDuplica");
        QCOMPARE(
            f.takeMessages().last(),
            (FakePlatform::Shown{Box::Warning, "Attenzione: la duplicazione di una scheda può avvenire "
                                               "soltanto dopo che questa è stata inserita in archivio."}));
    }

    void archiveFailuresUseTheScreensBoxes() {
        Fixture f;
        QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("prova.dat")));
        f.find<QLineEdit>("txtNome")->setText(QStringLiteral("Alfa"));
        for (const char* command : {"cmdPrimo", "cmdAvanti", "cmdSalva"})
            f.click(command);
        QCOMPARE(f.takeMessages(), (QList<FakePlatform::Shown>{{Box::Warning, ArchiveMessages::kFailure},
                                                               {Box::Error, ArchiveMessages::kFailure},
                                                               {Box::Notice, ArchiveMessages::kFailure}}));
        QCOMPARE(f.find<QLineEdit>("txtNome")->text(), QStringLiteral("Alfa"));
        QVERIFY(f.position().isEmpty());
    }

    void pickListsHoldOnlyTheirItems() {
        Fixture f;
        auto* month = f.find<QComboBox>("txtMese");
        month->setFocus();
        QTest::keyClicks(month, "Ap");
        QCOMPARE(month->currentText(), QStringLiteral("Marzo"));
        QTest::keyClick(month, Qt::Key_Backspace);
        QCOMPARE(month->currentText(), QString());
        QTest::keyClick(month, Qt::Key_Down);
        QCOMPARE(month->currentText(), QStringLiteral("Gennaio"));

        month->setEditText(QStringLiteral("Aprile"));
        f.find("txtNome")->setFocus();
        QCOMPARE(month->currentText(), QString());
        month->setEditText(QStringLiteral("Febbraio"));
        month->setFocus();
        f.find("txtNome")->setFocus();
        QCOMPARE(month->currentText(), QStringLiteral("Febbraio"));
    }

    void enterWrapsInsideASectionAndNeverBreaksAMemoLine() {
        Fixture f;
        auto* diet = f.find<QPlainTextEdit>("txtDieta");
        diet->setFocus();
        QTest::keyClicks(diet, "pane");
        QTest::keyClick(diet, Qt::Key_Return);
        QCOMPARE(diet->toPlainText(), QStringLiteral("pane"));
        QCOMPARE(QApplication::focusWidget(), f.find("txtNote"));
        QTest::keyClick(f.find("txtNote"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), diet);
        f.find("txtMese")->setFocus();
        QTest::keyClick(f.find("txtMese"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.find("txtNome"));
    }

    // A list is typed into a long text: Shift+Enter or Ctrl+Enter (either Enter key) breaks the line
    // where the cursor is, and the record keeps the break as CR LF.
    void shiftOrCtrlEnterBreaksAMemoLine_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifier");
        QTest::newRow("Shift+Return") << int(Qt::Key_Return) << int(Qt::ShiftModifier);
        QTest::newRow("Ctrl+Return") << int(Qt::Key_Return) << int(Qt::ControlModifier);
        QTest::newRow("Shift+keypad Enter")
            << int(Qt::Key_Enter) << int(Qt::ShiftModifier | Qt::KeypadModifier);
    }
    void shiftOrCtrlEnterBreaksAMemoLine() {
        QFETCH(int, key);
        QFETCH(int, modifier);
        Fixture f;
        auto* diet = f.find<QPlainTextEdit>("txtDieta");
        diet->setFocus();
        QTest::keyClicks(diet, "pane");
        QTest::keyClick(diet, Qt::Key(key), Qt::KeyboardModifiers(modifier));
        QTest::keyClicks(diet, "latte");
        QCOMPARE(QApplication::focusWidget(), diet);
        QCOMPARE(f.screen.record().Dieta, QStringLiteral("pane\r\nlatte"));
        QTest::keyClick(diet, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.find("txtNote"));
        QCOMPARE(f.screen.record().Dieta, QStringLiteral("pane\r\nlatte"));
    }
};

ZANDORIO_TEST(RecordScreenTest)
#include "tst_record_screen.moc"
