#include "Text.h"

#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

namespace {

// Unicode of the bytes 0x80-0x9F; the five bytes the code page leaves undefined map to the
// control character of the same value, as the system's own conversion does.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isBlank(QChar c) {
    return c.unicode() <= 0x20;
}

// The byte for one UTF-16 unit, or -1 when the code page has none.
int byteFor(char16_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == u)
            return 0x80 + i;
    return -1;
}

} // namespace

namespace Text {

QString trimBlanks(const QString& s) {
    qsizetype b = 0, e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return (b == 0 && e == s.size()) ? s : s.mid(b, e - b);
}

QString upperAZ(const QString& s) {
    QString r = s;
    for (QChar& c : r)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    return r;
}

QString lowerAZ(const QString& s) {
    QString r = s;
    for (QChar& c : r)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    return r;
}

bool containsLowerAZ(QByteArrayView text, QByteArrayView lowerNeedle) {
    if (lowerNeedle.size() > text.size())
        return false;
    QVarLengthArray<char, 256> folded(text.size());
    std::transform(text.begin(), text.end(), folded.begin(), [](char c) { return lowerAZ(c); });
    return std::string_view(folded.data(), folded.size())
               .find(std::string_view(lowerNeedle.data(), lowerNeedle.size())) != std::string_view::npos;
}

int compareLowerAZ(QByteArrayView a, QByteArrayView b) {
    const qsizetype n = std::min(a.size(), b.size());
    qsizetype i = 0;
    while (i < n) {
        // Equal stretches are passed eight bytes at a time: list lines share long beginnings.
        while (i + 8 <= n && std::memcmp(a.data() + i, b.data() + i, 8) == 0)
            i += 8;
        while (i < n && a[i] == b[i])
            ++i;
        if (i == n)
            break;
        const auto x = static_cast<unsigned char>(lowerAZ(a[i]));
        const auto y = static_cast<unsigned char>(lowerAZ(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
        ++i;
    }
    return (a.size() > b.size()) - (a.size() < b.size());
}

bool isDigits(const QString& s) {
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

QByteArray toWin1252(const QString& s) {
    QByteArray out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t u = s[i].unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < s.size() && QChar::isLowSurrogate(s[i + 1].unicode()))
            ++i; // one character outside the code page, one '?'
        const int b = byteFor(u);
        out.append(b < 0 ? '?' : char(b));
    }
    return out;
}

QString fromWin1252(QByteArrayView bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        *d++ = QChar(b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t(b));
    }
    return out;
}

bool fitsWin1252(const QString& s) {
    for (QChar c : s)
        if (byteFor(c.unicode()) < 0)
            return false;
    return true;
}

} // namespace Text
