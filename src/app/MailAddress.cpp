#include "MailAddress.h"

namespace {

bool smugglesParameters(const QString& address) {
    static const QString kRefused = QStringLiteral("?&#%\"<>\\,;");
    for (QChar c : address)
        if (c.isSpace() || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
            kRefused.contains(c))
            return true;
    return false;
}

QString encoded(const QString& text) {
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

} // namespace

std::optional<QUrl> mailtoUrl(const QString& address, const QString& subject, const QString& body) {
    if (smugglesParameters(address))
        return std::nullopt;
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(address, QUrl::DecodedMode);
    QStringList query;
    if (!subject.isEmpty())
        query << QStringLiteral("subject=") + encoded(subject);
    if (!body.isEmpty())
        query << QStringLiteral("body=") + encoded(body);
    if (!query.isEmpty())
        url.setQuery(query.join(u'&'), QUrl::StrictMode);
    if (!url.isValid())
        return std::nullopt;
    return url;
}
