#include "MailAddress.h"

#include <QUrlQuery>

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

bool isSingleAddress(const QString& address) {
    return !smugglesParameters(address);
}

QUrl mailtoBccUrl(const QStringList& addresses, const QString& subject, const QString& body) {
    QStringList bcc;
    for (const QString& address : addresses)
        bcc << encoded(address);
    QUrlQuery query;
    query.setQueryItems({{QStringLiteral("bcc"), bcc.join(u',')},
                         {QStringLiteral("subject"), encoded(subject)},
                         {QStringLiteral("body"), encoded(body)}});
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setQuery(query);
    return url;
}

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
