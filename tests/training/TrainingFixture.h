#pragma once

#include "FakePlatform.h"
#include "NextModal.h"
#include "TempProgramFolder.h"
#include "training/TSchedaAllenamento.h"
#include "training/TfrmAllenamenti.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScopeGuard>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

// A card that the screen accepts as it is.
inline TSchedaAllenamento trainingCard(const QString& name,
                                       const QString& end = QStringLiteral("31/05/2024")) {
    TSchedaAllenamento r;
    r.NomeAllenamento = name;
    r.Tipologia = QStringLiteral("Pesi");
    r.DataInizio = QStringLiteral("01/03/2024");
    r.DataFine = end;
    r.CognomeNome = QStringLiteral("Rossi Mario");
    r.TelCellulare = QStringLiteral("333 1234567");
    return r;
}

// The training card screen, shown on a fresh program folder with scripted platform services.
struct TrainingFixture {
    TrainingFixture() {
        screen.show();
        QApplication::setActiveWindow(&screen);
        (void)QTest::qWaitForWindowActive(&screen);
    }

    void seed(const QList<TSchedaAllenamento>& cards) const {
        QByteArray bytes;
        for (const TSchedaAllenamento& c : cards)
            bytes += TrainingCodec::encode(c);
        folder.write(QString::fromLatin1(TSchedaAllenamento::FileName), bytes);
    }
    QByteArray record(int position) const {
        return folder.read(QString::fromLatin1(TSchedaAllenamento::FileName))
            .mid((position - 1) * TSchedaAllenamento::Size, TSchedaAllenamento::Size);
    }
    TSchedaAllenamento card(int position) const { return TrainingCodec::decode(record(position)); }
    int count() const {
        return int(folder.read(QString::fromLatin1(TSchedaAllenamento::FileName)).size() /
                   TSchedaAllenamento::Size);
    }

    template <class W = QWidget> W* find(const char* name) const {
        return screen.findChild<W*>(QString::fromLatin1(name));
    }
    QLineEdit* field(const char* name) const { return find<QLineEdit>(name); }
    QPlainTextEdit* memo(const char* name) const { return find<QPlainTextEdit>(name); }
    QString position() const { return find<QLabel>("lblPosizione")->text(); }
    QWidget* shownPanel() const { return screen.findChild<QStackedWidget*>()->currentWidget(); }
    QString shownSection() const { return shownPanel()->objectName(); }
    void click(const char* name) const {
        auto* b = find<QAbstractButton>(name);
        QVERIFY2(b && b->isEnabled(), name);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void fillMandatory() const {
        field("txtAllenamento")->setText(QStringLiteral("Forza"));
        field("txtData")->setText(QStringLiteral("01/03/2024"));
        field("txtDataFine")->setText(QStringLiteral("31/05/2024"));
        field("txtTesserato")->setText(QStringLiteral("Rossi Mario"));
        field("txtRecapito")->setText(QStringLiteral("333 1234567"));
    }
    QList<FakePlatform::Shown> takeMessages() const {
        const QList<FakePlatform::Shown> shown = fake->messages;
        fake->messages.clear();
        return shown;
    }

    FakePlatformScope fake;
    TempProgramFolder folder;
    TfrmAllenamenti screen;
};
