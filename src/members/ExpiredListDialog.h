#pragma once

#include "MemberExpiry.h"
#include "app/Dialog.h"

class ResultListPanel;
class TfrmTiratori;

// A list of members needing attention, built when it opens: the sorted lines, the in-list
// finder, the printed list, and a double click that loads the member into the member card.
class ExpiredListDialog : public Dialog {
    Q_OBJECT
public:
    ExpiredListDialog(TfrmTiratori* card, const QString& objectName, const QString& caption,
                      const QString& printTitle, QString TSchedaIscritto::*tested,
                      MemberExpiry::LineOf lineOf);

    ResultListPanel* results() const { return m_results; }

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void handOver(const QString& line);

    TfrmTiratori* m_card;
    QString TSchedaIscritto::*m_tested;
    MemberExpiry::LineOf m_lineOf;
    ResultListPanel* m_results;
};
