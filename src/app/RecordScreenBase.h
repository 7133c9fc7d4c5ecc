#pragma once

#include "CommandBar.h"
#include "FieldTable.h"
#include "Platform.h"
#include "RecordBrowser.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QVBoxLayout;
class StatusLine;

// What sets one record screen apart from another besides its tables: its names, its words and
// the kind of box of each archive failure. The words default to those most screens share.
struct RecordScreenSetup {
    const char* objectName; // "frmTiratori"
    const char* caption;    // " Zandorio - Archivio Iscritti"
    const char* ready;      // the status line at first
    Highlight highlight = Highlight::Frame;
    const char* empty = "L'archivio non contiene nessuna scheda.";
    const char* appended = "La scheda corrente è stata inserita in archivio.";
    const char* overwritten = "Le modifiche apportate alla scheda corrente sono state salvate in archivio.";
    const char* notSaved =
        "Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è "
        "stata inserita in archivio.";
    const char* duplicated = "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                             "Al termine premere Salva per inserire la scheda in archivio.";
    // The box of the archive failure message: first, previous, next, last; save.
    Platform::Box browseFailure[4] = {Platform::Box::Error, Platform::Box::Error, Platform::Box::Error,
                                      Platform::Box::Error};
    Platform::Box saveFailure = Platform::Box::Error;
};

// The part of a record screen that does not depend on the record type (see RecordScreen): the
// command bar with the position label after `cmdIndietro`, the field table, the status line, and
// the new / duplicate / save / first / previous / next / last flows with their messages.
class RecordScreenBase : public QWidget {
    Q_OBJECT
public:
    RecordScreenBase(const RecordScreenSetup& setup, std::span<const Command> commands,
                     std::span<const FieldRow> rows, std::function<QString()> path, int recordSize);

    // The record's position, 0 for a record not yet saved; `lblPosizione` shows it.
    int position() const { return m_browser.position(); }

protected:
    FieldTable* fields() const { return m_fields; }
    CommandBar* commands() const { return m_commands; }
    StatusLine* statusLine() const { return m_panInfo; }
    RecordBrowser& browser() { return m_browser; }
    QToolButton* button(const char* name) const;
    // Puts the screen's own layout of its fields between the command bar and the status line.
    void setBody(QLayout* body);

    // "Nuovo", and every showing of the screen: empties every control and the position. A screen
    // that overrides it calls this one first, then fills in what a new record starts with.
    virtual void clearRecord();
    // After "Duplica" has emptied the position, what the copy leaves behind; false stops the
    // duplication before its message (the screen has said why).
    virtual bool prepareCopy() { return true; }
    // The checks that follow the mandatory fields at "Salva"; false stops the save (the screen
    // has said why and moved the focus).
    virtual bool acceptSave() { return true; }
    // At "Salva", with the archive open under its exclusive lock, before the record is written at
    // `position` (0: appended): a screen that checks its record against the others may change it,
    // or return false to keep it out. Nothing is shown meanwhile, as the lock is held: the
    // screen says what happened in recordSaved() or recordWithheld().
    virtual bool settleRecord(ArchiveFile& file, int position, QByteArray& record) {
        Q_UNUSED(file);
        Q_UNUSED(position);
        Q_UNUSED(record);
        return true;
    }
    // After the record was written at `position`, before the confirmation.
    virtual void recordSaved(int position) { Q_UNUSED(position); }
    // After settleRecord() kept the record out, with the archive closed again.
    virtual void recordWithheld() {}
    // Gives the focus to a field the user has to look at; a screen with sections shows the
    // field's section first.
    virtual void focusField(QWidget* field);
    // Every visit to the screen starts as "Nuovo" does, unless the screen says otherwise.
    virtual void screenShown() { clearRecord(); }

    // The bridge to the record type.
    virtual QByteArray encodeScreen() const = 0;
    virtual void showEncoded(QByteArrayView record, int position) = 0;

    void showEvent(QShowEvent* event) override;

private:
    void duplicate();
    void save();
    void browse(RecordBrowser::Step step);

    RecordScreenSetup m_setup;
    StatusLine* m_panInfo;
    CommandBar* m_commands;
    QLabel* m_lblPosizione;
    RecordBrowser m_browser;
    FieldTable* m_fields;
    QPushButton* m_btnFocus;
    QVBoxLayout* m_layout;
};
