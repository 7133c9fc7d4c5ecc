#pragma once

#include "ReminderSettings.h"
#include "Reminders.h"

#include <QWidget>

#include <vector>

class CommandBar;
class ExportTableModel;
class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class QTableView;

// "Scadenze": the cards and medical certificates expiring around today, each with the last
// reminder sent for it, and the reminders themselves: WhatsApp to one member, e-mail to one or to
// every selected member in blind copy. Every reminder handed to the desktop goes into the log.
// The list is read afresh each time the screen is shown.
class TfrmScadenze : public QWidget {
    Q_OBJECT
public:
    TfrmScadenze();

    // The lines shown, in list order.
    const std::vector<Reminders::Row>& rows() const { return m_shown; }

public Q_SLOTS:
    void cmdWhatsAppClick();
    void cmdEmailClick();
    void cmdEmailTuttiClick();
    void cmdTestiClick();
    void cmdStampaClick();
    void cmdEsportaClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void listRows();
    void showRows();
    void windowChanged();
    // The line under the cursor; a warning and nothing when there is none.
    const Reminders::Row* currentRow();
    // Logs the reminders handed over; the list shows them once the log holds them.
    void logSent(std::span<const Reminders::Row> rows, ReminderChannel channel);

    ReminderSettings m_settings;
    Reminders::Listing m_listing;
    std::vector<Reminders::Row> m_shown;
    QSpinBox* m_txtGiorniPrima;
    QSpinBox* m_txtGiorniDopo;
    QComboBox* m_cboTipo;
    QCheckBox* m_chkSenzaPromemoria;
    ExportTableModel* m_model;
    QTableView* m_grid;
    QLabel* m_lblConteggio;
};
