#include "FakePlatform.h"
#include "TempProgramFolder.h"
#include "TestMain.h"
#include "app/ArchiveMessages.h"
#include "app/SummaryGridScreen.h"
#include "entries/EntryChecks.h"
#include "entries/EntrySummary.h"
#include "entries/TSchedaIngresso.h"
#include "entries/TfrmExpIngressi.h"
#include "storage/Text.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {

using R = TSchedaIngresso;
using Kind = EntrySummary::Kind;

R stored(const char* day, const char* month, const char* year, const QString& name) {
    R e;
    e.Giorno = QString::fromLatin1(day);
    e.Mese = QString::fromLatin1(month);
    e.Ore = QStringLiteral("18");
    e.Minuti = QStringLiteral("05");
    e.AttivitaSvolta = QStringLiteral("Sala pesi");
    e.IngressiRimanenti = QStringLiteral("7");
    e.Attrezzature = QStringLiteral("Panca & bilanciere <80 kg>");
    e.CognomeNome = name;
    e.CodiceFiscale = QStringLiteral("RSSMRA80A01H501U");
    e.TelCellulare = QStringLiteral("3331234567");
    e.NumeroTessera = QStringLiteral("00185");
    e.Email = QStringLiteral("socio@example.it");
    e.Note = QStringLiteral("Città");
    e.Incaricato = QStringLiteral("Segreteria");
    return EntryChecks::completed(e, QString::fromLatin1(year));
}

void seed(const TempProgramFolder& folder, const QList<R>& entries) {
    QByteArray bytes;
    for (const R& e : entries)
        bytes += EntryCodec::encode(e);
    folder.write("2024.ing", bytes);
}

// A summary of the 2024 register, shown.
struct SummaryFixture {
    explicit SummaryFixture(Kind kind)
        : screen(EntrySummary::make(kind, nullptr, QStringLiteral("2024"), R::path(QStringLiteral("2024")))) {
    }
    void show() const { screen->show(); }
    QAbstractItemModel* grid() const {
        return screen->findChild<QTableView*>(QStringLiteral("grdRecords"))->model();
    }
    QWidget* panel() const { return screen->findChild<QWidget*>(QStringLiteral("panAnno")); }
    void choose(const char* list, const QString& item) const {
        auto* box = screen->findChild<QComboBox*>(QString::fromLatin1(list));
        box->setCurrentIndex(box->findText(item));
    }
    void visualizza() const {
        QTest::mouseClick(screen->findChild<QPushButton*>(QStringLiteral("btnVisualizza")), Qt::LeftButton);
    }
    QStringList names() const {
        QStringList all;
        for (int r = 0; r < grid()->rowCount(); ++r)
            all << grid()->index(r, 0).data().toString() + u' ' + grid()->index(r, 6).data().toString();
        return all;
    }

    FakePlatformScope fake;
    TempProgramFolder folder;
    std::unique_ptr<SummaryGridScreen> screen;
};

} // namespace

class EntrySummaryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dailySummaryListsTheDayInRegisterOrder() {
        SummaryFixture f(Kind::Daily);
        seed(f.folder, {stored("15", "Marzo", "2024", "Rossi"), stored("05", "Marzo", "2024", "Bianchi"),
                        stored("05", "Marzo", "2023", "Copiata"), stored("05", "Aprile", "2024", "Neri"),
                        stored("05", "marzo", "2024", "Verdi")});
        f.show();
        QCOMPARE(f.screen->windowTitle(), QStringLiteral(" Riepilogo giornaliero ingressi"));
        QVERIFY(f.panel()->isVisible());
        QCOMPARE(f.screen->findChild<QLabel*>(QStringLiteral("lblAnno"))->text(), QStringLiteral("2024"));
        QCOMPARE(f.screen->findChild<QComboBox*>(QStringLiteral("cboSelezione"))->currentText(),
                 QStringLiteral("GENNAIO"));
        QCOMPARE(f.screen->findChild<QComboBox*>(QStringLiteral("cboGiorno"))->currentText(),
                 QStringLiteral("01"));

        f.choose("cboGiorno", QStringLiteral("05"));
        f.choose("cboSelezione", QStringLiteral("MARZO"));
        f.visualizza();
        QVERIFY(!f.panel()->isVisible());
        QCOMPARE(f.names(), QStringList({"1 Bianchi", "2 Verdi"}));
        QCOMPARE(f.grid()->columnCount(), 13);
        const QStringList headers = {"N.",
                                     "Data ingresso",
                                     "Ora ingresso",
                                     "Attività svolta",
                                     "Ingressi rimanenti",
                                     "Attrezzature utilizzate",
                                     "Iscritto",
                                     "Codice fiscale",
                                     "Tel. cellulare",
                                     "Tessera n.",
                                     "E-mail",
                                     "Note",
                                     "Persona incaricata"};
        for (int c = 0; c < 13; ++c)
            QCOMPARE(f.grid()->headerData(c, Qt::Horizontal).toString(), headers[c]);
        QCOMPARE(f.grid()->index(0, 1).data().toString(), QStringLiteral("05/03/2024"));
        QCOMPARE(f.grid()->index(0, 11).data().toString(), QStringLiteral("Città"));
        QCOMPARE(f.grid()->index(0, 12).data().toString(), QStringLiteral("Segreteria"));

        f.fake->answers << true << false;
        f.screen->findChild<QToolButton*>(QStringLiteral("cmdEsporta"))->click();
        const QString file = Text::fromWin1252(f.folder.read("Ingressi_Giornalieri.xls"));
        QVERIFY(file.contains(QStringLiteral("<x:Name>Ingressi Giornalieri</x:Name>")));
        QCOMPARE(file.count(QStringLiteral("<tr>")), 3);
    }

    void selectionPanelIsReachedByTabAndReadByName() {
        SummaryFixture f(Kind::Daily);
        seed(f.folder, {stored("01", "Gennaio", "2024", "Rossi")});
        f.show();
        QApplication::setActiveWindow(f.screen.get());
        QVERIFY(QTest::qWaitForWindowActive(f.screen.get()));

        // Every control of the panel is a node of the window's accessibility tree, with its
        // caption: its own name, or for a list the label that names it.
        QHash<QObject*, QString> named;
        const std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            const auto labels = node->relations(QAccessible::Label);
            named.insert(node->object(), labels.isEmpty() ? node->text(QAccessible::Name)
                                                          : labels.first().first->text(QAccessible::Name));
            for (int i = 0; i < node->childCount(); ++i)
                walk(node->child(i));
        };
        walk(QAccessible::queryAccessibleInterface(f.screen.get()));
        const QList<std::pair<const char*, QString>> expected = {{"cboGiorno", "Giorno:"},
                                                                 {"cboSelezione", "Mese:"},
                                                                 {"btnVisualizza", "Visualizza"},
                                                                 {"icoGuida", "Guida"},
                                                                 {"icoEsci", "Esci"}};
        QList<QWidget*> controls;
        for (const auto& [name, spoken] : expected) {
            auto* control = f.screen->findChild<QWidget*>(QString::fromLatin1(name));
            QVERIFY2(named.contains(control), name);
            QCOMPARE(named.value(control), spoken);
            controls << control;
        }

        // Tab walks from the day through the panel's controls; Enter on "Visualizza" lists.
        QVERIFY(controls[0]->hasFocus());
        QList<QWidget*> reached;
        for (int i = 0; i < 12 && reached.size() < controls.size(); ++i) {
            if (controls.contains(QApplication::focusWidget()) &&
                !reached.contains(QApplication::focusWidget()))
                reached << QApplication::focusWidget();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(reached.size(), controls.size());
        controls[2]->setFocus();
        QTest::keyClick(controls[2], Qt::Key_Return);
        QVERIFY(!f.panel()->isVisible());
        QCOMPARE(f.names(), QStringList({"1 Rossi"}));
    }

    void monthAndYearSummaries() {
        SummaryFixture monthly(Kind::Monthly);
        seed(monthly.folder,
             {stored("15", "Marzo", "2024", "Rossi"), stored("02", "Febbraio", "2024", "Bianchi"),
              stored("01", "Marzo", "2024", "Verdi"), stored("01", "Marzo", "2023", "Copiata")});
        monthly.show();
        QVERIFY(!monthly.screen->findChild<QComboBox*>(QStringLiteral("cboGiorno")));
        monthly.choose("cboSelezione", QStringLiteral("MARZO"));
        monthly.visualizza();
        QCOMPARE(monthly.names(), QStringList({"1 Rossi", "2 Verdi"}));

        const std::unique_ptr<SummaryGridScreen> annual = EntrySummary::make(
            Kind::Annual, nullptr, QStringLiteral("2024"), R::path(QStringLiteral("2024")));
        annual->show();
        QVERIFY(!annual->findChild<QWidget*>(QStringLiteral("panAnno")));
        QCOMPARE(annual->findChild<QTableView*>(QStringLiteral("grdRecords"))->model()->rowCount(), 3);
        QCOMPARE(annual->windowTitle(), QStringLiteral(" Riepilogo annuale ingressi"));
    }

    void dayWithoutEntriesEmptiesTheGridAndExportsTheHeaderOnly() {
        SummaryFixture f(Kind::Daily);
        seed(f.folder, {stored("15", "Marzo", "2024", "Rossi")});
        f.show();
        f.visualizza();
        QVERIFY(!f.panel()->isVisible());
        QCOMPARE(f.grid()->rowCount(), 0);
        f.fake->answers << true << false;
        f.screen->findChild<QToolButton*>(QStringLiteral("cmdEsporta"))->click();
        const QByteArray file = f.folder.read("Ingressi_Giornalieri.xls");
        QCOMPARE(file.count("<tr>"), 1);
        QVERIFY(file.endsWith("width=250>Persona incaricata</td></tr></table></body></html>"));
    }

    void emptyOrUnreadableRegisterLeavesThePanel() {
        SummaryFixture f(Kind::Monthly);
        f.show();
        f.visualizza();
        QVERIFY(f.panel()->isVisible());
        QVERIFY(f.fake->messages.isEmpty());
        QVERIFY(QFile::exists(R::path(QStringLiteral("2024"))));

        QFile::remove(R::path(QStringLiteral("2024")));
        QDir(f.folder.path()).mkdir(QStringLiteral("2024.ing"));
        f.visualizza();
        QVERIFY(f.panel()->isVisible());
        QCOMPARE(f.fake->messages,
                 QList<FakePlatform::Shown>({{Platform::Box::Error, ArchiveMessages::kFailure}}));
    }

    void registerExportThatCannotReadTheRegisterSaysSo() {
        FakePlatformScope fake;
        TempProgramFolder folder;
        QDir(folder.path()).mkdir(QStringLiteral("2024.ing"));
        TfrmExpIngressi screen(nullptr, QStringLiteral("2024"), R::path(QStringLiteral("2024")));
        screen.show();
        QCOMPARE(fake->messages,
                 QList<FakePlatform::Shown>({{Platform::Box::Error, ArchiveMessages::kFailure}}));
        QCOMPARE(screen.findChild<QTableView*>(QStringLiteral("grdRecords"))->model()->rowCount(), 0);
    }

    void registerExportWritesEveryEntryOfTheYear() {
        FakePlatformScope fake;
        TempProgramFolder folder;
        QList<R> entries;
        for (int i = 1; i <= 250; ++i)
            entries << stored("05", "Marzo", i == 7 ? "2023" : "2024", QStringLiteral("Iscritto %1").arg(i));
        seed(folder, entries);
        TfrmExpIngressi screen(nullptr, QStringLiteral("2024"), R::path(QStringLiteral("2024")));
        QCOMPARE(screen.windowTitle(), QStringLiteral(" Esporta archivio ingressi in Microsoft Excel"));
        screen.show();
        QCOMPARE(screen.findChild<QTableView*>(QStringLiteral("grdRecords"))->model()->rowCount(), 249);

        fake->answers << true << true;
        screen.findChild<QToolButton*>(QStringLiteral("cmdEsporta"))->click();
        QCOMPARE(fake->opened, QStringList({u'"' + folder.path("Archivio_Ingressi.xls") + u'"'}));
        const QByteArray file = folder.read("Archivio_Ingressi.xls");
        QCOMPARE(file.count("<tr>"), 250);
        QVERIFY(file.contains("<x:Name>Archivio Ingressi</x:Name>"));
        // The first data row, cell by cell: the row number stays out, "&" and "<" become entities
        // and the text keeps its Windows-1252 bytes.
        const QByteArray cell =
            "<td style=\"text-align: left; mso-number-format:'\\@';\" sdnum=\"1040;0;@\">";
        QByteArray first = "<tr>";
        for (const char* text :
             {"05/03/2024", "18:05", "Sala pesi", "7", "Panca &amp; bilanciere &lt;80 kg&gt;", "Iscritto 1",
              "RSSMRA80A01H501U", "3331234567", "00185", "socio@example.it", "Citt\xe0", "Segreteria"})
            first += cell + QByteArray(text) + "</td>";
        first += "</tr>";
        QVERIFY(file.contains(QByteArray("width=250>Persona incaricata</td></tr>" + first + "<tr>")));
        QVERIFY(file.indexOf(">Iscritto 6<") < file.indexOf(">Iscritto 8<"));
        QVERIFY(!file.contains(">Iscritto 7<"));
        QVERIFY(file.endsWith(QByteArray(">Iscritto 250</td>" + cell + "RSSMRA80A01H501U</td>" + cell +
                                         "3331234567</td>" + cell + "00185</td>" + cell +
                                         "socio@example.it</td>" + cell + "Citt\xe0</td>" + cell +
                                         "Segreteria</td></tr></table></body></html>")));
    }
};

ZANDORIO_TEST(EntrySummaryTest)
#include "tst_summaries.moc"
