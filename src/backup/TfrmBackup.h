#pragma once

#include "BackupControl.h"
#include "app/Dialog.h"

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QStandardItemModel;
class QTableView;

// Backup and restore of the program folder: the destination folder and the automatic backup's
// settings, "Esegui backup", the backups found in the destination and "Ripristina". A restore
// ends with the program starting again, so that every screen reads the restored files.
class TfrmBackup : public Dialog {
    Q_OBJECT
public:
    explicit TfrmBackup(QWidget* parent = nullptr);

    // The automatic backup of the closing program: at most once a day, into the destination,
    // keeping the newest automatic backups the settings say; a failure is told.
    static void backupAtExit();

private:
    void chooseFolder();
    void saveSettings();
    void makeBackup();
    void restoreSelected();
    void showSelected();
    void fillList();
    QString selectedPath() const;
    BackupOutcome runWork(const std::function<BackupOutcome(BackupControl&)>& work);

    QLineEdit* m_folder;
    QCheckBox* m_automatic;
    QSpinBox* m_keep;
    QStandardItemModel* m_model;
    QTableView* m_list;
    QLabel* m_contents;
    QProgressBar* m_progress;
    QPushButton* m_cancel;
    QPushButton* m_close;
    QWidget* m_controls;
};
