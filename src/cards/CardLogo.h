#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The association's logo on the membership cards: the bitmap `Logo.bmp` in the folder
// `Anagrafica`, always 119 x 118 pixels. It belongs to the cards alone; the receipts keep a
// logo of their own.
namespace CardLogo {

inline constexpr QSize kSize{119, 118};

QString fileName();
bool exists();

// The logo the program carries, shown while the association has none.
QImage builtIn();
// What stands in for a deleted picture: two by two white pixels, invisible on the white card.
QImage dot();

// The stored logo; null when it is missing or cannot be read. Creates the folder when missing.
QImage load();
// `picture` stretched to 119 x 118 over a white ground, its proportions not kept.
QImage fitted(const QImage& picture);
// Stores fitted(picture) as the logo, replacing the old file only once the new one is
// complete; false on any failure, and the old file then stays as it was.
bool save(const QImage& picture);

} // namespace CardLogo
