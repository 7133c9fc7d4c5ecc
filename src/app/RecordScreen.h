#pragma once

#include "RecordScreenBase.h"
#include "storage/RecordLayout.h"

#include <vector>

// One row of a record screen's table: the control as FieldTable builds it, and the record member
// it shows (none for a control the record does not hold).
template <class R> struct FieldBinding {
    FieldRow field;
    QString R::*member = nullptr;
};

// The shape of every record screen: one record of an archive at a time, created, duplicated,
// saved and browsed with the program's shared commands and messages.
//
// A screen configures it with three tables and a few hooks:
//
//     class TfrmX : public RecordScreen<TSchedaX> {
//         TfrmX() : RecordScreen(kSetup, kCommands, kFields, &TSchedaX::path) {
//             setBody(...);                 // lays out fields()->control(...) and its own widgets
//         }
//         void clearRecord() override;      // what "Nuovo" fills in after emptying everything
//         bool prepareCopy() override;      // what "Duplica" leaves behind
//         bool acceptSave() override;       // checks after the mandatory ones, in their order
//         void completeRecord(TSchedaX&) const override; // members not shown by any control
//         void recordShown(const TSchedaX&, int) override; // pictures and other companions
//         void recordSaved(int) override;
//     };
//
// kSetup (RecordScreenSetup) names the screen and gives its words; kCommands (Command rows) is the
// command bar, whose shared commands cmdNuovo, cmdDuplica, cmdSalva, cmdPrimo, cmdIndietro,
// cmdAvanti, cmdUltimo and cmdEsci are wired here; kFields (FieldBinding rows) gives each control
// its caption, capacity, input rule, mandatory warning and record member, in Enter order. Showing
// a record, reading it back and the mandatory checks all follow from kFields.
template <class R> class RecordScreen : public RecordScreenBase {
public:
    template <std::size_t N>
    RecordScreen(const RecordScreenSetup& setup, std::span<const Command> commands,
                 const FieldBinding<R> (&bindings)[N], std::function<QString()> path)
        : RecordScreenBase(setup, commands, rowsOf(bindings), std::move(path), R::Size),
          m_bindings(std::begin(bindings), std::end(bindings)) {}

    // Puts a record on the screen with its position: browsing and the searches' hand-over.
    void showRecord(const R& record, int position) {
        for (std::size_t i = 0; i < m_bindings.size(); ++i)
            if (m_bindings[i].member)
                fields()->setTextAt(i, record.*m_bindings[i].member);
        browser().setPosition(position);
        recordShown(record, position);
    }

    // The record as the screen shows it.
    R record() const {
        R r;
        for (std::size_t i = 0; i < m_bindings.size(); ++i)
            if (m_bindings[i].member)
                r.*m_bindings[i].member = fields()->textAt(i);
        completeRecord(r);
        return r;
    }

protected:
    virtual void recordShown(const R& record, int position) {
        Q_UNUSED(record);
        Q_UNUSED(position);
    }
    virtual void completeRecord(R& record) const { Q_UNUSED(record); }

    QByteArray encodeScreen() const override { return RecordCodec<R>::encode(record()); }
    void showEncoded(QByteArrayView bytes, int position) override {
        showRecord(RecordCodec<R>::decode(bytes), position);
    }

private:
    template <std::size_t N> static std::vector<FieldRow> rowsOf(const FieldBinding<R> (&bindings)[N]) {
        std::vector<FieldRow> rows;
        for (const FieldBinding<R>& b : bindings)
            rows.push_back(b.field);
        return rows;
    }

    std::vector<FieldBinding<R>> m_bindings;
};
