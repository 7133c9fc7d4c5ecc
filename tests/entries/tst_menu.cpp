#include "FakePlatform.h"
#include "TempProgramFolder.h"
#include "TestMain.h"
#include "app/TfrmAvvio.h"
#include "entries/TfrmMenuIngressi.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// The entries menu in front of a stand-in entry screen, on a fresh program folder.
struct MenuFixture {
    MenuFixture() {
        fake->date = QDate(2024, 3, 5);
        menu.setArchiveScreen([this] { return &screen; },
                              [this](const QString& year, const QString& path) {
                                  opened << year << path;
                                  screen.setWindowTitle(
                                      QStringLiteral(" Zandorio - Registro ingressi anno ") + year);
                              });
        menu.show();
        QApplication::setActiveWindow(&menu);
        (void)QTest::qWaitForWindowActive(&menu);
    }
    QLineEdit* year() const { return menu.findChild<QLineEdit*>(QStringLiteral("txtAnnoFatture")); }
    QPushButton* button(const char* name) const {
        return menu.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QString memory() const { return menu.findChild<QLabel*>(QStringLiteral("lblMemory"))->text(); }

    FakePlatformScope fake;
    TempProgramFolder folder;
    QWidget screen;
    TfrmMenuIngressi menu;
    QStringList opened;
};

} // namespace

class EntryMenuTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsThisYearAndOpensTheRegisterOfTheYearTyped() {
        MenuFixture f;
        QCOMPARE(f.menu.windowTitle(), QStringLiteral(" Zandorio - Registro Ingressi"));
        QCOMPARE(f.year()->text(), QStringLiteral("2024"));
        QCOMPARE(f.memory(), QStringLiteral("avvio"));
        QVERIFY(f.year()->hasFocus());

        f.year()->clear();
        QTest::keyClicks(f.year(), QStringLiteral("2a0-2 35"));
        QCOMPARE(f.year()->text(), QStringLiteral("2023"));
        QTest::keyClick(f.year(), Qt::Key_Return);
        QVERIFY(f.button("btnApriFatture")->hasFocus());
        // A second Enter, now on "Apri", opens as a click does.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

        QCOMPARE(f.opened, QStringList({"2023", f.folder.path("2023.ing")}));
        QCOMPARE(f.memory(), QStringLiteral("ingressi"));
        QVERIFY(!f.menu.isVisible());
        QVERIFY(f.screen.isVisible());
        QCOMPARE(f.screen.windowTitle(), QStringLiteral(" Zandorio - Registro ingressi anno 2023"));
        QVERIFY(f.fake->messages.isEmpty());
    }

    void yearOfThreeDigitsIsRefused() {
        MenuFixture f;
        QTest::keyClick(f.year(), Qt::Key_Backspace);
        QCOMPARE(f.year()->text(), QStringLiteral("202"));
        QTest::mouseClick(f.button("btnApriFatture"), Qt::LeftButton);
        QCOMPARE(f.fake->messages, QList<FakePlatform::Shown>(
                                       {{Platform::Box::Warning,
                                         "Attenzione: indicare l'anno solare utilizzando quattro cifre."}}));
        QVERIFY(f.opened.isEmpty());
        QVERIFY(f.menu.isVisible());
        QVERIFY(f.year()->hasFocus());
    }

    void pastedYearKeepsItsDigits() {
        MenuFixture f;
        f.year()->clear();
        QApplication::clipboard()->setText(QStringLiteral("a2,0"));
        f.year()->paste();
        QCOMPARE(f.year()->text(), QStringLiteral("20"));
        QApplication::clipboard()->setText(QStringLiteral("24"));
        f.year()->paste();
        QCOMPARE(f.year()->text(), QStringLiteral("2024"));
    }

    void exitReturnsToTheMainMenuAndStatisticsWaitForTheirScreen() {
        MenuFixture f;
        QVERIFY(!f.button("btnApriRiepStats")->isEnabled());
        QWidget statistics;
        f.menu.setStatisticsScreen([&] { return &statistics; });
        QTest::mouseClick(f.button("btnApriRiepStats"), Qt::LeftButton);
        QCOMPARE(f.memory(), QStringLiteral("stat_ingressi"));
        QVERIFY(statistics.isVisible());
        QVERIFY(!f.menu.isVisible());

        TfrmAvvio mainMenu;
        mainMenu.setModule(TfrmAvvio::Tile::Ingressi, [&] { return &f.menu; });
        mainMenu.findChild<QPushButton*>(QStringLiteral("btnApp07"))->click();
        QVERIFY(f.menu.isVisible());
        QVERIFY(!mainMenu.isVisible());
        QCOMPARE(f.memory(), QStringLiteral("avvio"));
        f.menu.findChild<QToolButton*>(QStringLiteral("imgEsci"))->click();
        QVERIFY(!f.menu.isVisible());
        QVERIFY(mainMenu.isVisible());
        QVERIFY(!f.screen.isVisible());
    }

    void guideShowsTheRegistersPage() {
        MenuFixture f;
        QString title, text;
        QTimer::singleShot(0, [&] {
            QWidget* guide = QApplication::activeModalWidget();
            title = guide->findChild<QLabel*>(QStringLiteral("lblTitolo"))->text();
            text = guide->findChild<QPlainTextEdit*>(QStringLiteral("txtGuida"))->toPlainText();
            guide->findChild<QPushButton*>(QStringLiteral("btnChiudi"))->click();
        });
        f.menu.findChild<QToolButton*>(QStringLiteral("imgGuida"))->click();
        QCOMPARE(title, QStringLiteral("App Registro Ingressi"));
        const QStringList paragraphs = text.split(QStringLiteral("\n\n"));
        QCOMPARE(paragraphs.size(), 8);
        QVERIFY(paragraphs[0].startsWith(QStringLiteral("L'app Registro Ingressi serve a tenere traccia")));
        QVERIFY(
            paragraphs[7].endsWith(QStringLiteral("può essere esportato in un file di Microsoft Excel.")));
    }
};

ZANDORIO_TEST(EntryMenuTest)
#include "tst_menu.moc"
