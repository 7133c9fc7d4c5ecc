#pragma once

#include <QString>

#include <array>

class FieldTable;

// One attached file of a record: its bare name in the attachments folder, and its description.
struct Attachment {
    QString file;
    QString description;
};
using Attachments = std::array<Attachment, 3>;

// Where the attachments dialog finds the attachments of the record on screen and hands them back
// on "Applica e chiudi": its opener (the member card, the training card) gives it one.
class AttachmentSlots {
public:
    virtual ~AttachmentSlots() = default;
    virtual Attachments attachments() const = 0;
    virtual void setAttachments(const Attachments& attachments) = 0;
};

// The slots of a screen that keeps its record's attachments in the hidden rows "lblFile01" to
// "lblFile03" and "lblDesc01" to "lblDesc03" of its field table, as both cards do.
class FieldTableAttachments : public AttachmentSlots {
public:
    explicit FieldTableAttachments(FieldTable& fields) : m_fields(fields) {}
    Attachments attachments() const override;
    void setAttachments(const Attachments& attachments) override;

private:
    FieldTable& m_fields;
};
