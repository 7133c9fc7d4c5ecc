#pragma once

#include "app/ReportDialog.h"

#include <QImage>

class TfrmTiratori;

// The two dialogs in front of the member sheet: they print or preview the member card as it
// stands, saved or not, with the photo the card shows.
class MemberSheetDialog : public ReportDialog {
    Q_OBJECT
public:
    MemberSheetDialog(TfrmTiratori* card, const QString& objectName, const QString& caption, Action action,
                      const QString& instruction, const QString& failure);

protected:
    void showEvent(QShowEvent* event) override;
    ReportTemplate fill() override;

private:
    TfrmTiratori* m_card;
    QImage m_photo;
};
