#include "FakePlatform.h"
#include "TestMain.h"
#include "members/BodyMassIndex.h"
#include "members/TfrmImc.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using BodyMassIndex::Sex;

const QString kNorma = QStringLiteral("IL TUO PESO E' NELLA NORMA!");
const QString kSottopeso = QStringLiteral("SEI SOTTOPESO!");
const QString kNoWeight =
    QStringLiteral("Attenzione: per calcolare l'I.M.C. è necessario indicare il peso in kg.");
const QString kZeroWeight = QStringLiteral("Attenzione: il peso non può essere uguale a zero.");
const QString kNoHeight =
    QStringLiteral("Attenzione: per calcolare l'I.M.C. è necessario indicare la statura in cm.");
const QString kZeroHeight = QStringLiteral("Attenzione: la statura non può essere uguale a zero.");

} // namespace

class BmiTest : public QObject {
    Q_OBJECT

    QString text(const TfrmImc& d, const char* name) const {
        if (auto* field = d.findChild<QLineEdit*>(name))
            return field->text();
        return d.findChild<QLabel*>(name)->text();
    }
    void press(TfrmImc& d, const char* name) {
        QTest::mouseClick(d.findChild<QPushButton*>(name), Qt::LeftButton);
    }

private Q_SLOTS:
    void classes_data() {
        QTest::addColumn<double>("index");
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<QString>("text");
        QTest::newRow("woman just below 17.5") << 17.49 << Sex::Woman << "SEI ANORESSICA!";
        QTest::newRow("man just below 17.5") << 17.49 << Sex::Man << "SEI ANORESSICO!";
        QTest::newRow("17.5 belongs to its own row") << 17.5 << Sex::Woman << "SEI SOTTOPESO!";
        QTest::newRow("woman shown as 19,1 but below") << 19.096 << Sex::Woman << "SEI SOTTOPESO!";
        QTest::newRow("woman 19.1") << 19.1 << Sex::Woman << kNorma;
        QTest::newRow("man 19.1") << 19.1 << Sex::Man << kSottopeso;
        QTest::newRow("man 20.7") << 20.7 << Sex::Man << kNorma;
        QTest::newRow("woman just below 25.8") << 25.79 << Sex::Woman << kNorma;
        QTest::newRow("woman exactly 25.8") << 25.8 << Sex::Woman << "SEI LEGGERMENTE SOVRAPPESO!";
        QTest::newRow("man 25.8") << 25.8 << Sex::Man << kNorma;
        QTest::newRow("man 31.1") << 31.1 << Sex::Man << "SEI OBESO!";
        QTest::newRow("woman 31.1") << 31.1 << Sex::Woman << "SEI SOVRAPPESO!";
        QTest::newRow("woman 59.99") << 59.99 << Sex::Woman << "SEI SUPER-OBESA!";
        QTest::newRow("man 60") << 60.0 << Sex::Man << "LA TUA OBESITA' E' GRAVISSIMA!";
        QTest::newRow("woman enormous") << 1e12 << Sex::Woman << "LA TUA OBESITA' E' GRAVISSIMA!";
    }
    void classes() {
        QFETCH(double, index);
        QFETCH(Sex, sex);
        QFETCH(QString, text);
        QCOMPARE(BodyMassIndex::weightClass(index, sex), text);
    }

    void display() {
        QCOMPARE(BodyMassIndex::display(BodyMassIndex::index(70, 175)), QStringLiteral("22,86"));
        QCOMPARE(BodyMassIndex::display(22.9), QStringLiteral("22,9"));
        QCOMPARE(BodyMassIndex::display(25), QStringLiteral("25"));
        QCOMPARE(BodyMassIndex::display(19.096), QStringLiteral("19,1"));
        QCOMPARE(BodyMassIndex::display(19.994), QStringLiteral("19,99"));
        QCOMPARE(BodyMassIndex::display(1e-12), QStringLiteral("0"));
    }

    void readNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value"); // -1 for no number
        QTest::newRow("whole") << "70" << 70.0;
        QTest::newRow("decimal comma") << "70,5" << 70.5;
        QTest::newRow("negative") << "-3" << -3.0;
        QTest::newRow("empty") << "" << -1.0;
        QTest::newRow("letters") << "abc" << -1.0;
        QTest::newRow("decimal point") << "70.5" << -1.0;
        QTest::newRow("two commas") << "7,0,1" << -1.0;
        QTest::newRow("exponent") << "1e9" << -1.0;
        QTest::newRow("infinity") << "inf" << -1.0;
        QTest::newRow("not a number") << "nan" << -1.0;
    }
    void readNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        const std::optional<double> read = BodyMassIndex::readNumber(text);
        QCOMPARE(read.value_or(-1), value);
    }

    void compute_data() {
        QTest::addColumn<QString>("peso");
        QTest::addColumn<QString>("statura");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("imc");
        QTest::addColumn<QString>("donna");
        QTest::addColumn<QString>("uomo");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("focus");
        // clang-format off
        QTest::newRow("70/175 woman") << "70" << "175" << "btnDonna" << "22,86" << kNorma << "" << "" << "";
        QTest::newRow("70/175 man") << "70" << "175" << "btnUomo" << "22,86" << "" << kNorma << "" << "";
        QTest::newRow("55/170 woman") << "55" << "170" << "btnDonna" << "19,03" << kSottopeso << "" << "" << "";
        QTest::newRow("55/170 man") << "55" << "170" << "btnUomo" << "19,03" << "" << kSottopeso << "" << "";
        QTest::newRow("blanks around") << " 70 " << "175 " << "btnUomo" << "22,86" << "" << kNorma << "" << "";
        QTest::newRow("no weight") << " " << "170" << "btnDonna" << "" << "" << "" << kNoWeight << "txtPeso";
        QTest::newRow("weight 0") << "0" << "170" << "btnDonna" << "" << "" << "" << kZeroWeight << "txtPeso";
        QTest::newRow("weight 00") << "00" << "" << "btnUomo" << "" << "" << "" << kZeroWeight << "txtPeso";
        QTest::newRow("no height") << "70" << "" << "btnUomo" << "" << "" << "" << kNoHeight << "txtStatura";
        QTest::newRow("height 0") << "70" << "0" << "btnUomo" << "" << "" << "" << kZeroHeight << "txtStatura";
        // Pasted text bypasses the key filter; it is no value, never a "nan" index.
        QTest::newRow("pasted garbage weight") << "abc" << "170" << "btnDonna" << "" << "" << "" << kNoWeight << "txtPeso";
        QTest::newRow("pasted garbage height") << "70" << "1e400" << "btnUomo" << "" << "" << "" << kNoHeight << "txtStatura";
        QTest::newRow("pasted nan") << "nan" << "nan" << "btnUomo" << "" << "" << "" << kNoWeight << "txtPeso";
        // clang-format on
    }
    void compute() {
        QFETCH(QString, peso);
        QFETCH(QString, statura);
        QFETCH(QString, button);
        QFETCH(QString, imc);
        QFETCH(QString, donna);
        QFETCH(QString, uomo);
        QFETCH(QString, warning);
        QFETCH(QString, focus);
        FakePlatformScope fake;
        TfrmImc d;
        d.setValues(peso, statura);
        d.show();
        press(d, qPrintable(button));
        QCOMPARE(text(d, "txtImc"), imc);
        QCOMPARE(text(d, "repDonna"), donna);
        QCOMPARE(text(d, "repUomo"), uomo);
        if (warning.isEmpty()) {
            QVERIFY(fake->messages.isEmpty());
        } else {
            QCOMPARE(fake->messages, (QList<FakePlatform::Shown>{{Platform::Box::Warning, warning}}));
            QCOMPARE(d.focusWidget(), d.findChild<QLineEdit*>(focus));
        }
    }

    void editingClearsTheResult() {
        FakePlatformScope fake;
        TfrmImc d;
        d.setValues("70", "175");
        d.show();
        press(d, "btnDonna");
        press(d, "btnUomo");
        QCOMPARE(text(d, "repDonna"), QString());
        QCOMPARE(text(d, "repUomo"), kNorma);
        press(d, "btnDonna");
        QCOMPARE(text(d, "repUomo"), QString());

        auto* statura = d.findChild<QLineEdit*>("txtStatura");
        QTest::keyClick(statura, Qt::Key_5);
        QCOMPARE(statura->text(), QStringLiteral("1755"));
        for (const char* name : {"txtImc", "repDonna", "repUomo"})
            QCOMPARE(text(d, name), QString());
        press(d, "btnUomo");
        QCOMPARE(text(d, "txtImc"), QStringLiteral("0,23"));
        QTest::keyClick(d.findChild<QLineEdit*>("txtPeso"), Qt::Key_A); // swallowed, still clears
        QCOMPARE(text(d, "txtPeso"), QStringLiteral("70"));
        QCOMPARE(text(d, "txtImc"), QString());
        QVERIFY(fake->messages.isEmpty());
    }

    void enterOrderAndNewCalculation() {
        TfrmImc d;
        d.setValues("70", "175");
        d.show();
        auto* peso = d.findChild<QLineEdit*>("txtPeso");
        QTest::keyClick(peso, Qt::Key_Return);
        QCOMPARE(d.focusWidget(), d.findChild<QLineEdit*>("txtStatura"));
        QTest::keyClick(d.focusWidget(), Qt::Key_Return);
        QCOMPARE(d.focusWidget(), d.findChild<QLineEdit*>("txtImc"));

        press(d, "btnDonna");
        press(d, "btnAnnulla");
        for (const char* name : {"txtPeso", "txtStatura", "txtImc", "repDonna", "repUomo"})
            QCOMPARE(text(d, name), QString());
        QCOMPARE(d.focusWidget(), peso);
    }
};

ZANDORIO_TEST(BmiTest)
#include "tst_bmi.moc"
