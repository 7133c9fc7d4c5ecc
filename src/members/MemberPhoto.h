#pragma once

#include <QImage>
#include <QString>

// Member photos: JPEG files in the folder `Anagrafica`, named after the member's record
// position, which never changes, so a position and its photo stay paired for good.
namespace MemberPhoto {

// Photos are kept at a size fit for the card and the full-screen view, never at a camera's
// full resolution: a 12000 x 9000 picture would take seconds to decode on every visit.
constexpr int kLongestSide = 1200;
constexpr int kJpegQuality = 90;

// The warnings of a photo that could not be written: as the member's photo, or where the user
// chose to export it.
inline const QString kSaveFailed = QStringLiteral(
    "Attenzione: il sistema non permette di salvare la foto dell'iscritto.\n\r\n\rAccertarsi che il disco "
    "non sia pieno e di possedere i privilegi di scrittura nella cartella di installazione del programma.");
inline const QString kExportFailed = QStringLiteral(
    "Attenzione: il sistema non permette di salvare la foto nel file indicato.\n\r\n\rAccertarsi che il "
    "disco non sia pieno e di possedere i privilegi di scrittura nella cartella scelta.");

QString folder();
// The full name of the photo file of the member at `position`.
QString fileName(int position);
// The picture that stands for a missing photo.
QImage blank();

// The size a picture of `original` size is decoded at: unchanged when it fits, otherwise
// reduced to kLongestSide on its longest side, keeping its proportions.
QSize decodeSize(QSize original);
// A picture file decoded at decodeSize(); null when the file is missing, unreadable, not a
// picture or a JPEG cut short.
QImage read(const QString& path);
// Writes `picture` as a JPEG file, replacing an older file only once the new one is complete.
bool writeJpeg(const QImage& picture, const QString& path);

// The photo of the member at `position`, or the blank picture when there is none to show.
// Creates the photo folder when missing.
QImage load(int position);
// Stores `picture` as the photo of the member at `position`; false on any failure.
bool save(int position, const QImage& picture);

} // namespace MemberPhoto
