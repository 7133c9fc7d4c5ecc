#include "NextModal.h"
#include "TestMain.h"
#include "app/CameraDevice.h"
#include "app/QtPlatform.h"

#include <QCameraDevice>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLibrary>
#include <QMediaDevices>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class QtPlatformTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void filtersMatchWhatTheyShow_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("forTheDialog");
        QTest::newRow("semicolons") << QStringLiteral("Immagine JPEG (*.jpg; *.jpeg)")
                                    << QStringLiteral("Immagine JPEG (*.jpg; *.jpeg) (*.jpg *.jpeg)");
        QTest::newRow("every file") << QStringLiteral("Tutti i file (*.*)")
                                    << QStringLiteral("Tutti i file (*.*) (*)");
        QTest::newRow("blanks") << QStringLiteral("Immagine Bitmap (*.bmp)")
                                << QStringLiteral("Immagine Bitmap (*.bmp) (*.bmp)");
        QTest::newRow("no patterns") << QStringLiteral("Archivio") << QStringLiteral("Archivio");
    }
    void filtersMatchWhatTheyShow() {
        QFETCH(QString, shown);
        QFETCH(QString, forTheDialog);
        QCOMPARE(QtPlatform::nameFilter(shown), forTheDialog);
    }

    void fileDialogShowsTheFilterAsWritten() {
        QFileDialog dialog;
        dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
        dialog.setNameFilter(QtPlatform::nameFilter(QStringLiteral("Immagine JPEG (*.jpg; *.jpeg)")));
        auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(types);
        QCOMPARE(types->itemText(0), QStringLiteral("Immagine JPEG (*.jpg; *.jpeg)"));
        auto* files = dialog.findChild<QFileSystemModel*>();
        QVERIFY(files);
        QCOMPARE(files->nameFilters(), (QStringList{QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")}));
    }

    void fileListSpeaksItalian() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Foto")));
        QFile photo(dir.filePath(QStringLiteral("socio.jpg")));
        QVERIFY(photo.open(QIODevice::WriteOnly));
        QVERIFY(photo.setFileTime(QDateTime(QDate(2026, 12, 11), QTime(9, 30)),
                                  QFileDevice::FileModificationTime));
        photo.close();
        QFileSystemModel files;
        const QModelIndex root = files.setRootPath(dir.path());
        QTRY_COMPARE(files.rowCount(root), 2);
        FileColumnsInItalian italian;
        italian.setSourceModel(&files);
        const auto shown = [&](const QString& name, int column) {
            return italian.mapFromSource(files.index(dir.filePath(name), column)).data().toString();
        };
        QCOMPARE(shown(QStringLiteral("Foto"), FileColumnsInItalian::kType), QStringLiteral("Cartella"));
        QVERIFY2(shown(QStringLiteral("socio.jpg"), FileColumnsInItalian::kDate)
                     .startsWith(QStringLiteral("11/12/26")),
                 qPrintable(shown(QStringLiteral("socio.jpg"), FileColumnsInItalian::kDate)));
        QCOMPARE(shown(QStringLiteral("socio.jpg"), FileColumnsInItalian::kName),
                 QStringLiteral("socio.jpg"));

        // The program's file chooser lists its files so.
        inspectNextModal([](QWidget* modal) {
            auto* chooser = qobject_cast<QFileDialog*>(modal);
            QVERIFY(chooser);
            QVERIFY(qobject_cast<FileColumnsInItalian*>(chooser->proxyModel()));
        });
        QCOMPARE(QtPlatform().openFileName(QStringLiteral("Foto"), {QStringLiteral("Immagine JPEG (*.jpg)")}),
                 QString());
    }

    void qtButtonsSpeakItalian() {
        QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annulla"));
    }

    void cameraDoesNotStartWithoutADevice() {
        if (!QMediaDevices::videoInputs().isEmpty())
            QSKIP("a camera is connected to this machine");
        QVERIFY(QLibrary(QStringLiteral(PROGRAM_FOLDER "/zandorio_camera")).resolve(kOpenCameraDevice));
        QtPlatform platform(QStringLiteral(PROGRAM_FOLDER));
        QVERIFY(!platform.camera()->start());
        // Without the module there is no camera either, and nothing fails.
        QVERIFY(!QtPlatform(QStringLiteral("/nonexistent")).camera()->start());
    }

    // A stand-in for xdg-email on the search path: it writes each argument it is given on a line
    // of its own and ends with the status asked for.
    void mailHandOverPassesArgumentsAsTheyAre_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<Platform::Mail>("result");
        QTest::newRow("handed over") << 0 << Platform::Mail::Handed;
        QTest::newRow("no e-mail program") << 3 << Platform::Mail::NoMailProgram;
        QTest::newRow("refused") << 4 << Platform::Mail::Failed;
    }
    void mailHandOverPassesArgumentsAsTheyAre() {
        QFETCH(int, status);
        QFETCH(Platform::Mail, result);
        QTemporaryDir dir;
        const QString seen = dir.filePath(QStringLiteral("argomenti.txt"));
        QFile script(dir.filePath(QStringLiteral("xdg-email")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(
            QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '%1'\nexit %2\n")
                .arg(seen)
                .arg(status)
                .toUtf8());
        script.close();
        QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", dir.path().toUtf8() + ':' + path);
        const QString subject = QStringLiteral("Attestazione \"2024\"; $(rm -rf ~) & più");
        const QString file = dir.filePath(QStringLiteral("Attestazione 2024.pdf"));
        const Platform::Mail answer =
            QtPlatform().mailAttachment(QStringLiteral("anna@example.it"), subject, file);
        qputenv("PATH", path);
        QCOMPARE(answer, result);
        QFile arguments(seen);
        QVERIFY(arguments.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(arguments.readAll()).split(u'\n', Qt::SkipEmptyParts),
                 (QStringList{QStringLiteral("--utf8"), QStringLiteral("--subject"), subject,
                              QStringLiteral("--attach"), file, QStringLiteral("anna@example.it")}));
    }

    void noMailProgramIsTold() {
        const QByteArray path = qgetenv("PATH");
        QTemporaryDir empty;
        qputenv("PATH", empty.path().toUtf8());
        const Platform::Mail answer =
            QtPlatform().mailAttachment(QStringLiteral("anna@example.it"), QStringLiteral("Ricevuta"),
                                        empty.filePath(QStringLiteral("r.pdf")));
        qputenv("PATH", path);
        QCOMPARE(answer, Platform::Mail::NoMailProgram);
    }
};

ZANDORIO_TEST(QtPlatformTest)
#include "tst_platform.moc"
