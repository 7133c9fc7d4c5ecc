#include "WhatsAppAddress.h"

#include <QUrlQuery>

namespace {

QString encoded(const QString& value) {
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace

QUrl whatsAppUrl(const QString& phone, const QString& text) {
    QUrlQuery query;
    query.setQueryItems({{QStringLiteral("phone"), encoded(phone)}, {QStringLiteral("text"), encoded(text)}});
    QUrl url(QStringLiteral("https://web.whatsapp.com/send"));
    url.setQuery(query);
    return url;
}
