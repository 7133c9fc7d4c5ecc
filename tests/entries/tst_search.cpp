#include "FakePlatform.h"
#include "PdfTools.h"
#include "TempProgramFolder.h"
#include "TestMain.h"
#include "app/ArchiveMessages.h"
#include "entries/EntryChecks.h"
#include "entries/TSchedaIngresso.h"
#include "entries/TfrmTrovaIngressi.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

using R = TSchedaIngresso;

R entry(const char* day, const char* month, const char* activity, const char* name) {
    R e;
    e.Giorno = QString::fromLatin1(day);
    e.Mese = QString::fromLatin1(month);
    e.Ore = QStringLiteral("10");
    e.Minuti = QStringLiteral("15");
    e.AttivitaSvolta = QString::fromUtf8(activity);
    e.CognomeNome = QString::fromUtf8(name);
    e.TelCellulare = QStringLiteral("333");
    return EntryChecks::completed(e, QStringLiteral("2024"));
}

// The entry search on the 2024 register, shown, with what it opens on the entry screen.
struct SearchFixture {
    explicit SearchFixture(const QList<R>& entries) {
        QByteArray bytes;
        for (const R& e : entries)
            bytes += EntryCodec::encode(e);
        folder.write("2024.ing", bytes);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        (void)QTest::qWaitForWindowActive(&dialog);
    }
    template <class W> W* find(const char* name) const {
        return dialog.findChild<W*>(QString::fromLatin1(name));
    }
    void type(const char* filter, const QString& text) const { find<QLineEdit>(filter)->setText(text); }
    void click(const char* name) const { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
    QListView* list() const { return find<QListView>("lstRecords"); }
    QStringList lines() const {
        QStringList all;
        for (int r = 0; r < list()->model()->rowCount(); ++r)
            all << list()->model()->index(r, 0).data().toString();
        return all;
    }
    QString count() const { return find<QLabel>("lblTrovate")->text(); }

    FakePlatformScope fake;
    TempProgramFolder folder;
    QStringList opened;
    TfrmTrovaIngressi dialog{nullptr, R::path(QStringLiteral("2024")), [this](const R& e, int position) {
                                 opened << e.CognomeNome + u'@' + QString::number(position) + u' ' + e.Note;
                             }};
};

} // namespace

class EntrySearchTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void filtersTogetherInAnyCase() {
        SearchFixture f({entry("05", "Marzo", "Pilates", "Rossi Mario"),
                         entry("06", "Marzo", "Nuoto", "ROSSINI Luca"),
                         entry("07", "Marzo", "PILATES avanzato", "rossetti anna"),
                         entry("08", "Aprile", "Pilates", "Bianchi Ugo")});
        QCOMPARE(f.dialog.windowTitle(), QStringLiteral(" Trova ingressi in archivio"));
        QCOMPARE(f.count(), QStringLiteral("Il presente riepilogo contiene 0 schede"));
        QCOMPARE(f.dialog.modeKey(), QStringLiteral("ingressi"));
        QCOMPARE(f.dialog.focusWidget(), f.find<QLineEdit>("txtDataRit"));
        f.type("txtTesserato", QStringLiteral("ROSS"));
        f.type("txtAttivita", QStringLiteral("pilates"));
        f.click("btnCerca");
        QCOMPARE(f.lines().size(), 2);
        QVERIFY(f.lines()[0].contains(QStringLiteral("Rossi Mario")));
        QVERIFY(f.lines()[1].contains(QStringLiteral("rossetti anna")));
        QCOMPARE(f.count(), QStringLiteral("Il presente riepilogo contiene 2 schede."));
    }

    void noFilterListsTheRegisterInTextOrder() {
        SearchFixture f({entry("15", "Gennaio", "Nuoto", "Rossi"), entry("02", "Marzo", "Nuoto", "Verdi"),
                         entry("15", "Marzo", "Nuoto", "Neri")});
        f.click("btnCerca");
        QCOMPARE(f.count(), QStringLiteral("Il presente riepilogo contiene 3 schede."));
        QVERIFY(f.lines()[0].startsWith(QStringLiteral("Data: 02/03/2024  Ora: 10:15  Nuoto")));
        QVERIFY(f.lines()[1].startsWith(QStringLiteral("Data: 15/01/2024")));
        QVERIFY(f.lines()[2].startsWith(QStringLiteral("Data: 15/03/2024")));
        // Searched again, in the memory of the list before.
        const QStringList first = f.lines();
        f.click("btnCerca");
        QCOMPARE(f.lines(), first);

        f.dialog.findChild<QLineEdit*>(QStringLiteral("txtTrova"))->setText(QStringLiteral("/03/"));
        f.click("btnTrova");
        QCOMPARE(f.list()->currentIndex().row(), 0);
        f.click("btnTrova");
        QCOMPARE(f.list()->currentIndex().row(), 2);
    }

    void monthAndDateFiltersFindTheirEntries() {
        SearchFixture f({entry("05", "Marzo", "Nuoto", "Rossi"), entry("05", "Aprile", "Nuoto", "Verdi")});
        f.type("txtMeseRit", QStringLiteral("mar"));
        f.type("txtDataRit", QStringLiteral("/03/"));
        f.type("txtOraRit", QStringLiteral("10:1"));
        f.click("btnCerca");
        QCOMPARE(f.lines().size(), 1);
        QVERIFY(f.lines()[0].contains(QStringLiteral("Rossi")));
    }

    void doubleClickOpensTheLaterOfEqualEntries() {
        R later = entry("05", "Marzo", "Nuoto", "Rossi");
        later.Note = QStringLiteral("seconda");
        SearchFixture f(
            {entry("05", "Marzo", "Nuoto", "Rossi"), entry("06", "Marzo", "Nuoto", "Verdi"), later});
        f.click("btnCerca");
        const QModelIndex first = f.list()->model()->index(0, 0);
        const QPoint at = f.list()->visualRect(first).topLeft() + QPoint(20, 5);
        QTest::mouseClick(f.list()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(f.list()->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(f.opened, QStringList({"Rossi@3 seconda"}));
        QVERIFY(!f.dialog.isVisible());
    }

    void listPrintsUnderItsTitle() {
        SearchFixture f({entry("05", "Marzo", "Nuoto", "Rossi")});
        f.click("btnCerca");
        QTemporaryDir dir;
        f.fake->printTo = dir.filePath(QStringLiteral("list.pdf"));
        f.click("btnStampa");
        const QString text = PdfTools::text(f.fake->printTo);
        QVERIFY2(text.contains(QStringLiteral("Riepilogo Ingressi")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Data: 05/03/2024")));
        QVERIFY(f.fake->messages.isEmpty());
    }

    void unreadableRegisterKeepsTheFilters() {
        SearchFixture f({});
        QFile::remove(f.folder.path("2024.ing"));
        QVERIFY(QDir(f.folder.path()).mkdir(QStringLiteral("2024.ing")));
        f.click("btnCerca");
        QCOMPARE(f.fake->messages,
                 (QList<FakePlatform::Shown>{{Platform::Box::Notice, ArchiveMessages::kFailure}}));
        QVERIFY(f.find<QWidget>("panAvvio")->isVisible());
    }
};

ZANDORIO_TEST(EntrySearchTest)
#include "tst_search.moc"
