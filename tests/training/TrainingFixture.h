#pragma once

#include "ArchiveFixture.h"
#include "NextModal.h"
#include "ScreenDriver.h"
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
struct TrainingFixture : ArchiveFixture<TSchedaAllenamento>, ScreenDriver<TfrmAllenamenti> {
    TrainingFixture() : ArchiveFixture(QString::fromLatin1(TSchedaAllenamento::FileName)) { show(); }

    QPlainTextEdit* memo(const char* name) const { return find<QPlainTextEdit>(name); }
    QWidget* shownPanel() const { return screen.findChild<QStackedWidget*>()->currentWidget(); }
    QString shownSection() const { return shownPanel()->objectName(); }
    void fillMandatory() const {
        field("txtAllenamento")->setText(QStringLiteral("Forza"));
        field("txtData")->setText(QStringLiteral("01/03/2024"));
        field("txtDataFine")->setText(QStringLiteral("31/05/2024"));
        field("txtTesserato")->setText(QStringLiteral("Rossi Mario"));
        field("txtRecapito")->setText(QStringLiteral("333 1234567"));
    }
};
