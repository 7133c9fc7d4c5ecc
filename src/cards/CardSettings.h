#pragma once

#include <QPageLayout>
#include <QString>

struct CardFace;

// The card settings file `Tesserini.ini` in the program folder: the association's four lines
// printed on every card, and the margins and orientation that fit the card to the user's
// printer, found once and kept for every card after. Writes change only the keys their screen
// changed, on the file as it is at that moment (IniFile::update).
namespace CardSettings {

inline constexpr const char* kFileName = "Tesserini.ini";

QString path();

// Puts the stored lines in the association's part of `face`; a line that is missing or empty
// shows its placeholder ("Denominazione Associazione", "Indirizzo", "Recapiti", "Note"). A file
// that is missing or cannot be read gives the four placeholders.
void readAssociation(CardFace& face);
// The association's name as stored, without placeholder: empty when the file holds none or cannot
// be read.
QString associationName();
// Stores the association's lines of `face` as storable() keeps them: those that differ from
// `shown`, the card as read for the screen, and those the file holds nothing for. A line left as
// it was keeps whatever another workstation stored meanwhile. Raises StorageError, and the old
// file then stays as it was.
void writeAssociation(const CardFace& face, const CardFace& shown);

// How a card is placed on the sheet: the card's corner lies `top` + 10 mm from the top and
// `left` + 10 mm from the left of the page; negative margins move it up or to the left.
struct Print {
    int top = 0;
    int left = 0;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    // The member's check-in code on the card; off unless asked, so the card stays as it was.
    bool accessCode = false;
    bool operator==(const Print&) const = default;
};

// A margin that is missing, empty or not a whole number reads as 0, an orientation other than
// "Verticale" or "Orizzontale" as portrait, the check-in code as off unless "Si"; a file that
// cannot be read gives those defaults.
Print readPrint();
// Stores the values of `print` that differ from `shown`, the settings as read for the screen,
// and those the file holds nothing for. Raises StorageError; the old file then stays as it was.
void writePrint(const Print& print, const Print& shown);

// A line as the settings file can keep it: on one line, blanks at both ends removed, and each
// character that Windows-1252 lacks as "?".
QString storable(const QString& line);

} // namespace CardSettings
