#pragma once

#include <QPageLayout>
#include <QString>

struct CardFace;

// The card settings file `Tesserini.ini` in the program folder: the association's four lines
// printed on every card, and the margins and orientation that fit the card to the user's
// printer, found once and kept for every card after.
namespace CardSettings {

inline constexpr const char* kFileName = "Tesserini.ini";

QString path();

// Puts the stored lines in the association's part of `face`; a line that is missing or empty
// shows its placeholder ("Denominazione Associazione", "Indirizzo", "Recapiti", "Note"). A file
// that is missing or cannot be read gives the four placeholders.
void readAssociation(CardFace& face);
// Stores the association's lines of `face` as storable() keeps them; raises StorageError, and
// the old file then stays as it was.
void writeAssociation(const CardFace& face);

// How a card is placed on the sheet: the card's corner lies `top` + 10 mm from the top and
// `left` + 10 mm from the left of the page; negative margins move it up or to the left.
struct Print {
    int top = 0;
    int left = 0;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    bool operator==(const Print&) const = default;
};

// A margin that is missing, empty or not a whole number reads as 0, an orientation other than
// "Verticale" or "Orizzontale" as portrait; a file that cannot be read gives those defaults.
Print readPrint();
// Raises StorageError; the old file then stays as it was.
void writePrint(const Print& print);

// A line as the settings file can keep it: on one line, blanks at both ends removed, and each
// character that Windows-1252 lacks as "?".
QString storable(const QString& line);

} // namespace CardSettings
