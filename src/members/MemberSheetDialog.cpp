#include "MemberSheetDialog.h"

#include "PhotoFrame.h"
#include "reports/MemberSheet.h"
#include "reports/ReportError.h"

#include <QLineEdit>

namespace {

// Stands in for the card's photo when it cannot be copied: a plain white portrait picture.
QImage placeholder() {
    QImage picture(307, 394, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

} // namespace

MemberSheetDialog::MemberSheetDialog(QWidget* card, const QString& objectName, const QString& caption,
                                     Action action, const QString& instruction, const QString& failure)
    : ReportDialog(card, objectName, caption, action, instruction, failure), m_card(card) {}

void MemberSheetDialog::showEvent(QShowEvent* event) {
    const auto* frame = m_card->findChild<PhotoFrame*>(QStringLiteral("imgFoto"));
    m_photo = frame ? frame->image() : QImage();
    if (m_photo.isNull())
        m_photo = placeholder();
    ReportDialog::showEvent(event);
}

ReportTemplate MemberSheetDialog::fill() {
    return MemberSheet::make(
        [this](const QString& control) {
            const auto* field = m_card->findChild<QLineEdit*>(control);
            if (!field)
                throw ReportError("The member card has no field " + control.toStdString());
            return field->text();
        },
        m_photo);
}
