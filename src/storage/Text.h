#pragma once

#include <QByteArray>
#include <QString>

// Text helpers shared by every archive and screen. "Blanks" are spaces and control characters,
// and case folding touches only the letters A to Z: accented letters never change case.
namespace Text {

QString trimBlanks(const QString& s);
QString upperAZ(const QString& s);
QString lowerAZ(const QString& s);
// The same folding on Windows-1252 text (one byte a character), for scans that never decode: one
// byte either way; whether `lowerNeedle`, already folded, occurs in the folded `text`; how two
// texts order once folded.
inline char lowerAZ(char c) {
    return c >= 'A' && c <= 'Z' ? char(c + 32) : c;
}
inline char upperAZ(char c) {
    return c >= 'a' && c <= 'z' ? char(c - 32) : c;
}
bool containsLowerAZ(QByteArrayView text, QByteArrayView lowerNeedle);
int compareLowerAZ(QByteArrayView a, QByteArrayView b);
bool isDigits(const QString& s); // non-empty and only 0-9

// Windows-1252, one byte per character; a character the code page lacks becomes '?'.
QByteArray toWin1252(const QString& s);
QString fromWin1252(QByteArrayView bytes);
// False when s holds a character that Windows-1252 cannot represent.
bool fitsWin1252(const QString& s);

} // namespace Text
