#include "MemberSheetDialog.h"

#include "MemberSheet.h"
#include "TfrmTiratori.h"

namespace {

// Stands in for the card's photo when it cannot be copied: a plain white portrait picture.
QImage placeholder() {
    QImage picture(307, 394, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

} // namespace

MemberSheetDialog::MemberSheetDialog(TfrmTiratori* card, const QString& objectName, const QString& caption,
                                     Action action, const QString& instruction, const QString& failure)
    : ReportDialog(card, objectName, caption, action, instruction, failure), m_card(card) {}

void MemberSheetDialog::showEvent(QShowEvent* event) {
    m_photo = m_card->photo();
    if (m_photo.isNull())
        m_photo = placeholder();
    ReportDialog::showEvent(event);
}

ReportTemplate MemberSheetDialog::fill() {
    return MemberSheet::make(m_card->record(), m_photo);
}
