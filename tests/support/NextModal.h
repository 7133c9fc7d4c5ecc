#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <functional>

// Runs `look` on the next modal dialog; the dialog is dismissed afterwards unless `look` closed it.
inline void inspectNextModal(std::function<void(QWidget*)> look) {
    QTimer::singleShot(0, [look] {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        // Also when `look` fails: a dialog left open would hold the test until its timeout. A
        // dialog closes only through its own buttons; one still open is dismissed as "Chiudi" is.
        const auto dismiss = qScopeGuard([&modal] {
            if (auto* dialog = qobject_cast<QDialog*>(modal.data()); dialog && dialog->isVisible())
                dialog->reject();
        });
        look(modal);
    });
}
