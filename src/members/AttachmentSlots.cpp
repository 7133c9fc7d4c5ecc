#include "AttachmentSlots.h"

#include "app/FieldTable.h"

namespace {

constexpr const char* kFiles[] = {"lblFile01", "lblFile02", "lblFile03"};
constexpr const char* kDescriptions[] = {"lblDesc01", "lblDesc02", "lblDesc03"};

} // namespace

Attachments FieldTableAttachments::attachments() const {
    Attachments all;
    for (std::size_t k = 0; k < all.size(); ++k)
        all[k] = {m_fields.text(kFiles[k]), m_fields.text(kDescriptions[k])};
    return all;
}

void FieldTableAttachments::setAttachments(const Attachments& attachments) {
    for (std::size_t k = 0; k < attachments.size(); ++k) {
        m_fields.setText(kFiles[k], attachments[k].file);
        m_fields.setText(kDescriptions[k], attachments[k].description);
    }
}
