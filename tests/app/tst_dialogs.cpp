#include "FakePlatform.h"
#include "PdfTools.h"
#include "TestMain.h"
#include "app/Dialog.h"
#include "app/PreviewDialog.h"
#include "app/ResultListModel.h"
#include "app/ResultListPanel.h"
#include "storage/Text.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A printer whose preview holds `pages` pages, each with its number.
struct ThreePages {
    QPrinter printer{QPrinter::HighResolution};
    int pages = 3;
    std::function<void(QPrinter*)> paint = [this](QPrinter* target) {
        QPainter painter(target);
        for (int n = 1; n <= pages; ++n) {
            if (n > 1)
                target->newPage();
            painter.drawText(QPointF(500, 500), QStringLiteral("Pagina di prova %1").arg(n));
        }
    };
};

void click(const QWidget& window, const char* name) {
    auto* button = window.findChild<QAbstractButton*>(QLatin1String(name));
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

QString pageLabel(const PreviewDialog& preview) {
    return preview.findChild<QLabel*>("lblPagina")->text();
}

QString zoomShown(const PreviewDialog& preview) {
    return preview.findChild<QComboBox*>("cboZoom")->currentText();
}

qreal zoom(const PreviewDialog& preview) {
    return preview.findChild<QPrintPreviewWidget*>("prwAnteprima")->zoomFactor();
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dialogClosesOnlyThroughItsOwnButtons() {
        Dialog dialog(nullptr, QStringLiteral(" Prova"));
        auto* chiudi = dialogButton(&dialog, "btnChiudi", QStringLiteral("Chiudi"), "window-close");
        connect(chiudi, &QPushButton::clicked, &dialog, &QDialog::reject);
        (new QVBoxLayout(&dialog))->addWidget(chiudi);
        QSignalSpy finished(&dialog, &QDialog::finished);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        // The window manager's close button and Alt+F4 arrive as a close event.
        QCloseEvent fromOutside;
        QApplication::sendEvent(&dialog, &fromOutside);
        QVERIFY(!fromOutside.isAccepted());
        QVERIFY(!dialog.close());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        QCOMPARE(finished.count(), 0);

        QTest::mouseClick(chiudi, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(finished.count(), 1);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void dialogStaysOnTheScreenWhateverItsParent() {
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget screen;
        const auto dialogOver = [&screen](QPoint corner, QSize size) {
            screen.move(corner);
            screen.resize(size);
            screen.show();
            auto dialog = std::make_unique<Dialog>(&screen, QStringLiteral(" Prova"));
            auto* content = new QWidget(dialog.get());
            content->setMinimumSize(600, 400);
            (new QVBoxLayout(dialog.get()))->addWidget(content);
            dialog->show();
            return dialog;
        };
        // Left where nothing placed it, or partly past an edge of the screen.
        for (const QPoint corner : {available.topLeft(), available.topLeft() - QPoint(250, 150),
                                    available.bottomRight() - QPoint(50, 40)}) {
            const auto dialog = dialogOver(corner, QSize(300, 200));
            QVERIFY2(available.contains(dialog->frameGeometry()),
                     qPrintable(QStringLiteral("%1,%2").arg(dialog->x()).arg(dialog->y())));
        }
        // Where it fits, it stays centred over its parent.
        const auto centred = dialogOver(available.topLeft(), available.size());
        QVERIFY(qAbs(centred->frameGeometry().center().x() - screen.frameGeometry().center().x()) <= 1);
        QVERIFY(qAbs(centred->frameGeometry().center().y() - screen.frameGeometry().center().y()) <= 1);
    }

    void enterOnAFocusedButtonClicksIt() {
        // A plain screen, where Qt's buttons would wait for Space, and a dialog.
        QWidget screen;
        Dialog dialog(nullptr, QStringLiteral(" Prova"));
        for (QWidget* window : {&screen, static_cast<QWidget*>(&dialog)}) {
            auto* push = new QPushButton(QStringLiteral("Apri"), window);
            auto* picture = new QToolButton(window);
            auto* field = new QLineEdit(window);
            auto* layout = new QVBoxLayout(window);
            layout->addWidget(push);
            layout->addWidget(picture);
            layout->addWidget(field);
            QSignalSpy pushed(push, &QPushButton::clicked);
            QSignalSpy pictured(picture, &QToolButton::clicked);
            window->show();
            QApplication::setActiveWindow(window);
            QVERIFY(QTest::qWaitForWindowActive(window));

            push->setFocus();
            QTest::keyClick(push, Qt::Key_Return);
            picture->setFocus();
            QTest::keyClick(picture, Qt::Key_Enter, Qt::KeypadModifier);
            QCOMPARE(pushed.count(), 1);
            QCOMPARE(pictured.count(), 1);
            if (window == &screen) {
                // With a modifier, or in a field, Enter is not a click.
                QTest::keyClick(picture, Qt::Key_Return, Qt::ControlModifier);
                field->setFocus();
                QTest::keyClick(field, Qt::Key_Return);
                QCOMPARE(pushed.count(), 1);
                QCOMPARE(pictured.count(), 1);
            }
            window->hide();
        }
    }

    void zoomIsWrittenTheItalianWay_data() {
        QTest::addColumn<qreal>("factor");
        QTest::addColumn<QString>("text");
        QTest::newRow("fraction") << 0.385 << QStringLiteral("38,5%");
        QTest::newRow("whole") << 1.0 << QStringLiteral("100%");
        QTest::newRow("rounded to a tenth") << 0.58333 << QStringLiteral("58,3%");
        QTest::newRow("thousands") << 10.0 << QStringLiteral("1.000%");
    }
    void zoomIsWrittenTheItalianWay() {
        QFETCH(qreal, factor);
        QFETCH(QString, text);
        QCOMPARE(PreviewDialog::zoomText(factor), text);
    }

    void typedZoomIsRead_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qreal>("factor"); // 0 for a text that is no zoom
        QTest::newRow("whole") << QStringLiteral("150") << 1.5;
        QTest::newRow("comma and sign") << QStringLiteral("37,5%") << 0.375;
        QTest::newRow("blanks") << QStringLiteral(" 80 % ") << 0.8;
        QTest::newRow("as shown") << PreviewDialog::zoomText(0.385) << 0.385;
        QTest::newRow("letters") << QStringLiteral("abc") << 0.0;
        QTest::newRow("zero") << QStringLiteral("0") << 0.0;
        QTest::newRow("too large") << QStringLiteral("2000") << 0.0;
        QTest::newRow("empty") << QString() << 0.0;
    }
    void typedZoomIsRead() {
        QFETCH(QString, typed);
        QFETCH(qreal, factor);
        const std::optional<qreal> read = PreviewDialog::zoomFactor(typed);
        QCOMPARE(read.has_value(), factor > 0);
        if (read)
            QCOMPARE(*read, factor);
    }

    void previewOpensLargeAtAReadableZoom() {
        FakePlatformScope fake;
        ThreePages document;
        PreviewDialog preview(document.printer, document.paint, nullptr);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        // The screen's whole working area, on a screen that holds the command bar.
        QCOMPARE(preview.size(),
                 preview.screen()->availableGeometry().size().expandedTo(preview.minimumSizeHint()));
        QTRY_COMPARE(pageLabel(preview), QStringLiteral("Pagina 1 di 3"));
        // The page at its own size where the width allows it, else fitted to the width.
        QTRY_VERIFY(zoom(preview) <= 1);
        QVERIFY(zoom(preview) > 0.5);
        QCOMPARE(zoomShown(preview), PreviewDialog::zoomText(zoom(preview)));
        QVERIFY(!preview.findChild<QToolButton*>("cmdPrima")->isEnabled());

        click(preview, "cmdUltima");
        QCOMPARE(pageLabel(preview), QStringLiteral("Pagina 3 di 3"));
        QVERIFY(!preview.findChild<QToolButton*>("cmdSuccessiva")->isEnabled());
        click(preview, "cmdPrecedente");
        QCOMPARE(pageLabel(preview), QStringLiteral("Pagina 2 di 3"));

        const qreal before = zoom(preview);
        click(preview, "cmdIngrandisci");
        QCOMPARE(zoom(preview), before * 1.25);
        QCOMPARE(zoomShown(preview), PreviewDialog::zoomText(before * 1.25));
        QLineEdit* typedZoom = preview.findChild<QComboBox*>("cboZoom")->lineEdit();
        const auto type = [typedZoom](const char* text) {
            typedZoom->selectAll();
            QTest::keyClicks(typedZoom, text);
            QTest::keyClick(typedZoom, Qt::Key_Return);
        };
        type("37,5");
        QCOMPARE(zoom(preview), 0.375);
        QCOMPARE(zoomShown(preview), QStringLiteral("37,5%"));
        type("tanto");
        QCOMPARE(zoom(preview), 0.375);
        QCOMPARE(zoomShown(preview), QStringLiteral("37,5%"));

        QVERIFY(!preview.close());
        click(preview, "cmdEsci");
        QVERIFY(!preview.isVisible());
        QCOMPARE(fake->printDialogs, 0);
    }

    void previewPrintsThroughThePrintDialog() {
        FakePlatformScope fake;
        QTemporaryDir dir;
        ThreePages document;
        PreviewDialog preview(document.printer, document.paint, nullptr);
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));

        fake->printAccepted = false;
        click(preview, "cmdStampa");
        QCOMPARE(fake->printDialogs, 1);
        QVERIFY(preview.isVisible());

        fake->printAccepted = true;
        fake->printTo = dir.filePath(QStringLiteral("stampa.pdf"));
        click(preview, "cmdStampa");
        QCOMPARE(PdfTools::pageCount(fake->printTo), 3);
        QVERIFY(!preview.isVisible());
        QCOMPARE(preview.result(), int(QDialog::Accepted));
    }

    // A long list shows its first lines at once and lays out the rest while on screen; once it has,
    // the finder brings a line near its end into view.
    void aLongListIsLaidOutWhileShownAndTheFinderReachesItsEnd() {
        FakePlatformScope fake;
        ResultListPanel panel(QStringLiteral("Fare doppio clic"), nullptr);
        auto* list = panel.findChild<QListView*>("lstRecords");
        QStringList lines;
        for (int i = 1; i <= 30000; ++i)
            lines << QStringLiteral("Riga %1").arg(i, 5, 10, QLatin1Char('0'));
        panel.show();
        panel.setLines(lines);
        QVERIFY(list->visualRect(list->model()->index(0, 0)).isValid());
        QTRY_VERIFY(list->visualRect(list->model()->index(29999, 0)).isValid());

        panel.findChild<QLineEdit*>("txtTrova")->setText(QStringLiteral("Riga 29990"));
        panel.findChild<QPushButton*>("btnTrova")->click();
        QCOMPARE(list->currentIndex().row(), 29989);
        QVERIFY(list->viewport()->rect().intersects(list->visualRect(list->currentIndex())));
    }

    void resultLinesShrinkTheirFontOnlyWhereTheListIsTooNarrow() {
        FakePlatformScope fake;
        ResultListPanel panel(QStringLiteral("Fare doppio clic"), nullptr);
        auto* list = panel.findChild<QListView*>("lstRecords");
        const auto row = [list](int role) { return list->model()->index(0, 0).data(role); };
        const int wide = ResultListModel::rowWidth(ResultListModel::defaultFont(), 149);
        struct Case {
            int characters;
            int viewport;
            qreal points; // 0: smaller than 12, fitted to the list
        };
        const Case cases[] = {
            {149, wide + 40, 12},     // room for a whole line: the list's own font
            {149, wide * 11 / 12, 0}, // a narrower screen: shrunk just enough
            {400, wide * 11 / 12, 9}, // far too long: no smaller than 9 points, the list scrolls
            {5, wide * 11 / 12, 12},  // short lines keep the list's own font
        };
        panel.show();
        for (const Case& c : cases) {
            panel.resize(panel.width() + c.viewport - list->viewport()->width(), panel.height());
            QTRY_COMPARE(list->viewport()->width(), c.viewport);
            panel.setLines(QStringList{QString(c.characters, u'x')});
            const QFont font = row(Qt::FontRole).value<QFont>();
            if (c.points > 0) {
                QCOMPARE(font.pointSizeF(), c.points);
                continue;
            }
            QVERIFY(font.pointSizeF() < 12);
            QVERIFY(row(Qt::SizeHintRole).toSize().width() <= c.viewport);
            QFont larger = font;
            larger.setPointSizeF(font.pointSizeF() + 0.5);
            QVERIFY(ResultListModel::rowWidth(larger, c.characters) > c.viewport);
        }
        // A list that grows wider fits its lines again.
        panel.setLines(QStringList{QString(149, u'x')});
        panel.resize(panel.width() + wide + 40 - list->viewport()->width(), panel.height());
        QTRY_COMPARE(row(Qt::FontRole).value<QFont>().pointSizeF(), 12.0);
    }

    void linesBuiltInPartsReadAsOneList() {
        const auto texts = [](const ResultLines& lines) {
            QStringList all;
            for (qsizetype i = 0; i < lines.size(); ++i)
                all << lines.line(i);
            return all;
        };
        ResultLines lines(QStringList{QStringLiteral("a"), QStringLiteral("b")});
        lines.adopt(ResultLines());
        lines.adopt(ResultLines(QStringList{QStringLiteral("c")}));
        lines.append(u"d");
        QCOMPARE(texts(lines), (QStringList{"a", "b", "c", "d"}));
        // The last part lent, emptied, to the next list built in parts.
        ResultLines last = lines.takeLastPart();
        QCOMPARE(last.size(), 0);
        QCOMPARE(texts(lines), (QStringList{"a", "b"}));
        last.append(u"x");
        lines.adopt(std::move(last));
        QCOMPARE(texts(lines), (QStringList{"a", "b", "x"}));
        QCOMPARE(ResultLines().takeLastPart().size(), 0);
    }

    void listOrderIsTheFoldedTextsOrder() {
        // Lines alike in many places, different only in case, only past many equal places, or the
        // beginning of another one, and many random ones of few letters: the list orders them as
        // their texts with A to Z folded, lines equal but for case as they came.
        QStringList lines = {QStringLiteral("Data: 01/03/2024  Zeta"),
                             QStringLiteral("Data: 01/03/2024  alfa"),
                             QStringLiteral("Data: 01/03/2024  ALFA"),
                             QStringLiteral("Data: 01/03/2024"),
                             QStringLiteral("Data: 01/03/2024  alfa") + QString(80, u'x') + u'b',
                             QStringLiteral("Data: 01/03/2024  alfa") + QString(80, u'x') + u'a',
                             QStringLiteral("Data: 1"),
                             QString()};
        QRandomGenerator random(11);
        const QString letters = QStringLiteral("aAbB /0è");
        for (int i = 0; i < 3000; ++i) {
            QString line = QStringLiteral("Data: ");
            for (int n = random.bounded(0, 90); n > 0; --n)
                line += letters[random.bounded(int(letters.size()))];
            lines << line;
        }
        const auto sorted = [](QStringList lines) {
            std::stable_sort(lines.begin(), lines.end(), [](const QString& a, const QString& b) {
                return Text::compareLowerAZ(Text::toWin1252(a), Text::toWin1252(b)) < 0;
            });
            return lines;
        };
        ResultListModel model;
        model.setLines(lines);
        QCOMPARE(model.lines(), sorted(lines));

        // One line in many differs near the start, where no other line does.
        QStringList dates;
        for (int i = 0; i < 300; ++i)
            dates << QStringLiteral("Data: %1/03/2024").arg(random.bounded(10, 29));
        dates[150].replace(1, 1, u'b');
        model.setLines(dates);
        QCOMPARE(model.lines(), sorted(dates));
        QVERIFY(model.lines().constLast().startsWith(QStringLiteral("Dbta")));

        // Many lines alike for a long stretch, a few names over and over, then differing further on,
        // some only past a long run of equal places.
        QStringList names;
        for (int i = 0; i < 600; ++i) {
            QString line = QStringList{QStringLiteral("Rossi Mario"), QStringLiteral("ROSSI mario"),
                                       QStringLiteral("Bianchi Anna")}[random.bounded(3)];
            line += QString(random.bounded(2) ? 70 : 10, u' ');
            for (int n = random.bounded(0, 6); n > 0; --n)
                line += letters[random.bounded(int(letters.size()))];
            names << line;
        }
        model.setLines(names);
        QCOMPARE(model.lines(), sorted(names));
        QStringList tails;
        for (int i = 0; i < 40; ++i)
            tails << QString(80, u'x') + letters[random.bounded(int(letters.size()))];
        model.setLines(tails);
        QCOMPARE(model.lines(), sorted(tails));
        // A long list alike over its first bytes but for one line the sample of it passes over.
        tails.clear();
        for (int i = 0; i < 2000; ++i)
            tails << QString(80, u'x') + letters[random.bounded(int(letters.size()))];
        tails[5].replace(3, 1, u'a');
        model.setLines(tails);
        QCOMPARE(model.lines(), sorted(tails));
        QCOMPARE(model.lines().constFirst(), tails[5]);

        model.setLines(QStringList{});
        QCOMPARE(model.rowCount(), 0);
    }
};

ZANDORIO_TEST(DialogsTest)
#include "tst_dialogs.moc"
