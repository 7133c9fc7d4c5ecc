#include "FakePlatform.h"
#include "PdfTools.h"
#include "TempProgramFolder.h"
#include "TestMain.h"
#include "app/ArchiveMessages.h"
#include "app/ListFinder.h"
#include "app/RecordFilter.h"
#include "app/ResultListModel.h"
#include "members/MemberLine.h"
#include "members/MemberTarget.h"
#include "members/TSchedaIscritto.h"
#include "members/TfrmTiratori.h"
#include "members/TfrmTrovaTiratori.h"
#include "storage/Text.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace {

using Box = Platform::Box;

TSchedaIscritto member(const QString& name, const QString& sport = QStringLiteral("Nuoto")) {
    TSchedaIscritto r;
    r.CognomeNome = name;
    r.AttivitaSportiva = sport;
    r.TelCasa = QStringLiteral("06 1234");
    r.TelCellulare = QStringLiteral("333");
    r.NumeroTessera = QStringLiteral("A1");
    r.ScadenzaTessera = QStringLiteral("31/12/2024");
    r.Quota = QStringLiteral("10,00");
    return r;
}

void seed(const TempProgramFolder& folder, const QList<TSchedaIscritto>& members) {
    QByteArray bytes;
    for (const TSchedaIscritto& m : members)
        bytes += MemberCodec::encode(m);
    folder.write(TSchedaIscritto::FileName, bytes);
}

// A screen of another module that takes a member.
class Receiver : public MemberTarget {
public:
    void receiveMember(const TSchedaIscritto& member, int position) override {
        received << member.CognomeNome + QLatin1Char('@') + QString::number(position);
    }
    QStringList received;
};

// The member search, shown, on a fresh program folder.
struct SearchFixture {
    explicit SearchFixture(const QString& key, MemberTarget* target = nullptr) : dialog(target) {
        dialog.setModeKey(key);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        (void)QTest::qWaitForWindowActive(&dialog);
    }
    template <class W> W* find(const char* name) const {
        return dialog.findChild<W*>(QString::fromLatin1(name));
    }
    void click(const char* name) const { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
    QListView* list() const { return find<QListView>("lstRecords"); }
    QString current() const { return list()->currentIndex().data().toString(); }
    // An item view sees a double click only after a first click.
    void doubleClick(int row) const {
        const QModelIndex index = list()->model()->index(row, 0);
        list()->scrollTo(index);
        const QPoint at = list()->visualRect(index).topLeft() + QPoint(20, 5);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, at);
    }

    FakePlatformScope fake;
    TempProgramFolder folder;
    TfrmTrovaTiratori dialog;
};

} // namespace

class MemberSearchTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void filterMatching_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("sport");
        QTest::addColumn<QString>("nameFilter");
        QTest::addColumn<QString>("sportFilter");
        QTest::addColumn<bool>("listed");
        // clang-format off
        QTest::newRow("name as typed") << "Rossi Mario" << "Nuoto" << "ross" << "" << true;
        QTest::newRow("capitals fold") << "ROSSINI LUCA" << "Nuoto" << "ross" << "" << true;
        QTest::newRow("filter capitals fold") << "rossini luca" << "Nuoto" << "ROSS" << "" << true;
        QTest::newRow("elsewhere in the name") << "De Rossi" << "Nuoto" << "ross" << "" << true;
        QTest::newRow("not in the name") << "Bianchi Anna" << "Nuoto" << "ross" << "" << false;
        QTest::newRow("accented letter keeps its case") << "PERÈ ANNA" << "Nuoto" << "è" << "" << false;
        QTest::newRow("accented letter as stored") << "Perè Anna" << "Nuoto" << "è" << "" << true;
        QTest::newRow("blank-only filter is none") << "Bianchi Anna" << "Nuoto" << "   " << "" << true;
        QTest::newRow("no filter lists all") << "Bianchi Anna" << "Nuoto" << "" << "" << true;
        QTest::newRow("blanks of a filter count") << "Rossi Mario" << "Nuoto" << "mario " << "" << false;
        QTest::newRow("inner blanks count") << "Rossi Mario" << "Nuoto" << "i m" << "" << true;
        QTest::newRow("both filters match") << "Rossi Mario" << "Nuoto" << "ross" << "nuo" << true;
        QTest::newRow("only one of two matches") << "Rossi Mario" << "Tennis" << "ross" << "nuo" << false;
        QTest::newRow("blank filter cannot stand in") << "Rossi Mario" << "Nuoto libero" << "zz" << " " << false;
        QTest::newRow("character the archive cannot hold") << "Rossi Mario" << "Nuoto" << "ross😀" << "" << false;
        // clang-format on
    }
    void filterMatching() {
        QFETCH(QString, name);
        QFETCH(QString, sport);
        QFETCH(QString, nameFilter);
        QFETCH(QString, sportFilter);
        QFETCH(bool, listed);
        RecordFilter filter;
        filter.add(nameFilter, &TSchedaIscritto::CognomeNome);
        filter.add(sportFilter, &TSchedaIscritto::AttivitaSportiva);
        QCOMPARE(filter.matches(MemberCodec::encode(member(name, sport))), listed);
    }

    void lineHasFixedColumns() {
        TSchedaIscritto r = member(QStringLiteral("  Abbondanzieri Massimiliano Giuseppe "));
        r.TelCasa = QStringLiteral("06 12345678901234567");
        r.NumeroTessera = QStringLiteral("N. 77");
        r.Quota = QStringLiteral("  5,50 ");
        QCOMPARE(RecordLine(kMemberLine).of(MemberCodec::encode(r)),
                 QStringLiteral("Abbondanzieri Massimiliano Giu  Tel. 06 1234567890123  Cel. 333             "
                                "  Tessera n. N. 77                     Scad. 31/12/2024  Quota: € 5,50"));
        QCOMPARE(RecordLine(kMemberLine).of(MemberCodec::encode(TSchedaIscritto{})),
                 QString(30, u' ') + "  Tel. " + QString(16, u' ') + "  Cel. " + QString(16, u' ') +
                     "  Tessera n. " + QString(24, u' ') + "  Scad. " + QString(10, u' ') + "  Quota: € ");
    }

    void listKeepsCaseInsensitiveOrder() {
        ResultListModel model;
        model.setLines(QStringList{"beta", "Alfa Rossi", "alfa", "ALFA ROSSI  x", "Àlfa", "alfa rossi"});
        QCOMPARE(model.lines(),
                 (QStringList{"alfa", "Alfa Rossi", "alfa rossi", "ALFA ROSSI  x", "beta", "Àlfa"}));
        QCOMPARE(model.data(model.index(5, 0), Qt::DisplayRole).toString(), QStringLiteral("Àlfa"));
        QCOMPARE(model.data(model.index(0, 0), Qt::FontRole).value<QFont>().family(),
                 QStringLiteral("Courier New"));
    }

    // A list long enough to be sorted in two halves at once comes out exactly as one sort would
    // order it: A to Z folded, lines equal but for their case in the order they came in.
    void longListSortsLikeOneStableSort() {
        QRandomGenerator random(11);
        QStringList lines;
        for (int i = 0; i < 30000; ++i) {
            QString line = QStringLiteral("Data: ");
            for (int k = random.bounded(1, 40); k > 0; --k)
                line += QLatin1Char("aAbBzZ 0/:"[random.bounded(10)]);
            lines << line;
        }
        QStringList expected = lines;
        std::stable_sort(expected.begin(), expected.end(), [](const QString& a, const QString& b) {
            return Text::lowerAZ(a) < Text::lowerAZ(b);
        });
        ResultListModel model;
        model.setLines(lines);
        QCOMPARE(model.lines(), expected);
    }

    void finderWalksThroughTheMatchesAndWraps() {
        const QByteArrayView lines[] = {"Alfa Rossi", "beta", "GAMMA ROSSI", "delta rossi"};
        const auto lineAt = [&lines](int row) { return lines[row]; };
        struct Step {
            int selected;
            const char* text;
            int expected;
        };
        const Step steps[] = {
            {-1, "ROSSI", 0}, // a new text starts at the first line and tests it
            {0, "ROSSI", 2},  // the same text continues after the current match
            {2, "rossi", 3},  //
            {3, "rossi", 0},  // wrapping from the last line
            {0, "beta", 1},   // a new text starts over from the first line
            {1, "beta", 1},   // the only match, found again after a full turn
            {1, "zzz", 1},    // nothing found: the selection stays
            {-1, "zzz", 0},   // ... on the first line when none was selected
            {2, "", 2},       // an empty text finds nothing
            {3, "gamma", 2},  //
        };
        ListFinder finder;
        for (const Step& s : steps)
            QCOMPARE(finder.find(4, lineAt, s.selected, QString::fromLatin1(s.text)), s.expected);
        finder.reset();
        QCOMPARE(finder.find(4, lineAt, 3, QStringLiteral("")), 3);
        QCOMPARE(finder.find(4, lineAt, 3, QStringLiteral("gamma")), 2);
    }

    void searchListsSortedLinesAndFindsInThem() {
        SearchFixture f(QStringLiteral("tiratori"));
        seed(f.folder, {member("Rossi Mario"), member("bianchi anna"), member("ROSSINI LUCA", "Tennis"),
                        member("Verdi Ugo")});
        QCOMPARE(f.find<QLabel>("lblTrovate")->text(),
                 QStringLiteral("Il presente riepilogo contiene 0 schede"));
        QVERIFY(f.find<QWidget>("panAvvio")->isVisible());

        f.find<QLineEdit>("txtTiratore")->setText(QStringLiteral("ross"));
        f.click("btnCerca");
        QVERIFY(!f.find<QWidget>("panAvvio")->isVisible());
        QVERIFY(f.find<QWidget>("panContainer")->isVisible());
        QCOMPARE(f.find<QLabel>("lblTrovate")->text(),
                 QStringLiteral("Il presente riepilogo contiene 2 schede"));
        QCOMPARE(f.dialog.focusWidget(), f.find<QLineEdit>("txtTrova"));
        QCOMPARE(f.list()->model()->index(0, 0).data().toString().left(12), QStringLiteral("Rossi Mario "));
        QCOMPARE(f.list()->model()->index(1, 0).data().toString().left(12), QStringLiteral("ROSSINI LUCA"));

        QTest::keyClicks(f.find<QLineEdit>("txtTrova"), "luca");
        QTest::keyClick(f.find<QLineEdit>("txtTrova"), Qt::Key_Return);
        QCOMPARE(f.dialog.focusWidget(), f.find<QPushButton>("btnTrova"));
        QVERIFY(f.current().isEmpty()); // Enter only moved the focus
        f.click("btnTrova");
        QVERIFY(f.current().startsWith(QStringLiteral("ROSSINI LUCA")));
        QVERIFY(f.fake->messages.isEmpty());
    }

    void searchWorksFromTheKeyboard() {
        SearchFixture f(QStringLiteral("tiratori"));
        seed(f.folder, {member("Rossi Mario"), member("ROSSINI LUCA"), member("Verdi Ugo")});
        QLineEdit* name = f.find<QLineEdit>("txtTiratore");
        QTest::keyClicks(name, "ross");
        QTest::keyClick(name, Qt::Key_Return);
        QVERIFY(f.find<QWidget>("panAvvio")->isVisible()); // Enter in a filter only moves on

        auto* cerca = f.find<QPushButton>("btnCerca");
        cerca->setFocus();
        QTest::keyClick(cerca, Qt::Key_Return);
        QVERIFY(f.find<QWidget>("panContainer")->isVisible());

        QTest::keyClicks(f.find<QLineEdit>("txtTrova"), "luca");
        QTest::keyClick(f.find<QLineEdit>("txtTrova"), Qt::Key_Return);
        QTest::keyClick(f.find<QPushButton>("btnTrova"), Qt::Key_Return);
        QVERIFY(f.current().startsWith(QStringLiteral("ROSSINI LUCA")));
    }

    void listPrintsInListOrder() {
        SearchFixture f(QStringLiteral("tiratori"));
        seed(f.folder, {member("Verdi Ugo"), member("Bianchi Anna")});
        f.click("btnCerca");
        QVERIFY(f.find<QPushButton>("btnStampa")->isEnabled());
        QTemporaryDir dir;
        f.fake->printTo = dir.filePath(QStringLiteral("list.pdf"));
        f.click("btnStampa");
        QCOMPARE(f.fake->printDialogs, 1);
        const QString text = PdfTools::text(f.fake->printTo);
        QVERIFY2(text.contains(QStringLiteral("Riepilogo schede iscritti")), qPrintable(text));
        QVERIFY(text.indexOf(QStringLiteral("Bianchi Anna")) < text.indexOf(QStringLiteral("Verdi Ugo")));
        QVERIFY(f.fake->messages.isEmpty());
    }

    void finderOnAnEmptyList() {
        SearchFixture f(QStringLiteral("tiratori"));
        f.click("btnCerca");
        QCOMPARE(f.find<QLabel>("lblTrovate")->text(),
                 QStringLiteral("Il presente riepilogo contiene 0 schede"));
        f.click("btnTrova");
        QCOMPARE(f.fake->messages,
                 (QList<FakePlatform::Shown>{
                     {Box::Notice, "Ricerca non applicabile: la lista non contiene nessuna voce."}}));
    }

    void unreadableArchiveKeepsTheFilters() {
        SearchFixture f(QStringLiteral("tiratori"));
        QVERIFY(QDir(f.folder.path()).mkdir(TSchedaIscritto::FileName));
        f.click("btnCerca");
        QCOMPARE(f.fake->messages, (QList<FakePlatform::Shown>{{Box::Notice, ArchiveMessages::kFailure}}));
        QVERIFY(f.find<QWidget>("panAvvio")->isVisible());
        QVERIFY(!f.find<QLabel>("lblAttendere")->isVisible());
    }

    void handOverDeliversTheLaterOfEqualLines_data() {
        QTest::addColumn<QString>("key");
        // clang-format off
        QTest::newRow("membership card") << "tessera";
        QTest::newRow("entry") << "ingressi";
        QTest::newRow("receipt") << "ricevuta";
        QTest::newRow("training card") << "allenamenti";
        // clang-format on
    }
    // Whatever its mode key, the search hands the member to the screen that opened it, and only
    // to that one.
    void handOverDeliversTheLaterOfEqualLines() {
        QFETCH(QString, key);
        Receiver receiver;
        SearchFixture f(key, &receiver);
        TSchedaIscritto later = member("Rossi Mario");
        later.Citta = QStringLiteral("Milano"); // not on the line
        seed(f.folder, {member("Rossi Mario"), member("Bianchi Anna"), later, member("Verdi Ugo")});
        f.click("btnCerca");
        f.doubleClick(1); // Bianchi Anna, Rossi Mario (twice), Verdi Ugo
        QCOMPARE(receiver.received, QStringList{"Rossi Mario@3"});
        QVERIFY(!f.dialog.isVisible());
        QCOMPARE(f.list()->model()->rowCount(), 0);
    }

    void memberCardLoadsTheChosenMember() {
        FakePlatformScope fake;
        TempProgramFolder folder;
        TSchedaIscritto later = member("Rossi Mario");
        later.Citta = QStringLiteral("Milano");
        later.File02 = QStringLiteral("tessera.jpg");
        seed(folder, {member("Rossi Mario"), later, member("Verdi Ugo")});
        TfrmTiratori card;
        card.show();
        QString key;
        QTimer::singleShot(0, [&key] {
            // A failed check must not leave the card waiting on its dialog.
            const auto closeAnyway = qScopeGuard([] {
                if (QWidget* modal = QApplication::activeModalWidget())
                    qobject_cast<QDialog*>(modal)->reject();
            });
            auto* search = qobject_cast<TfrmTrovaTiratori*>(QApplication::activeModalWidget());
            QVERIFY(search);
            key = search->modeKey();
            search->findChild<QLineEdit*>("txtTiratore")->setText(QStringLiteral("ROSSI"));
            QTest::mouseClick(search->findChild<QPushButton*>("btnCerca"), Qt::LeftButton);
            auto* list = search->findChild<QListView*>("lstRecords");
            QCOMPARE(list->model()->rowCount(), 2);
            // Enter on the selected line does what a double click does.
            list->setCurrentIndex(list->model()->index(0, 0));
            QTest::keyClick(list, Qt::Key_Return);
        });
        QTest::mouseClick(card.findChild<QToolButton*>("cmdTrova"), Qt::LeftButton);
        QCOMPARE(key, QStringLiteral("tiratori"));
        QCOMPARE(card.findChild<QLabel*>("lblPosizione")->text(), QStringLiteral("2"));
        QCOMPARE(card.findChild<QLineEdit*>("txtCitta")->text(), QStringLiteral("Milano"));
        QCOMPARE(card.findChild<QLabel*>("lblFile02")->text(), QStringLiteral("tessera.jpg"));
        QVERIFY(fake->messages.isEmpty());
    }
};

ZANDORIO_TEST(MemberSearchTest)
#include "tst_search.moc"
