#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

// The "mailto:" addresses the program hands to the e-mail program.
//
// An address comes from a record that anybody sharing the archive may have written, so it is
// taken only when it can be nothing but one address: one holding "?", "&", "#", "%", quotes,
// angle brackets, a backslash, blanks or control characters is refused, since the e-mail program
// would read what follows as parameters ("?attach=...", "&bcc=...") or as a second recipient; so
// is one holding "," or ";", which separate further recipients the user never sees on the card,
// or an invisible format character (a right-to-left override shows "moc.live@yps" as something
// else entirely).
// An empty address is taken: it opens a new message without a recipient.
//
// Subject and body are percent-encoded (UTF-8) whole, blanks as "%20", so their text reaches the
// message exactly as written. Hand the result to the desktop with Platform::open(const QUrl&).
std::optional<QUrl> mailtoUrl(const QString& address, const QString& subject = {}, const QString& body = {});

// Whether mailtoUrl() takes `address` as one address (an empty one included).
bool isSingleAddress(const QString& address);

// One message to every address in blind copy, so that no recipient sees the others; no main
// recipient. Each address must pass isSingleAddress() and not be empty: the caller names the
// others to the user. The addresses, subject and body are percent-encoded whole.
QUrl mailtoBccUrl(const QStringList& addresses, const QString& subject, const QString& body);

// The warning of an e-mail button whose address mailtoUrl() refuses.
inline const QString kRefusedMailAddress =
    QStringLiteral("Attenzione: l'indirizzo e-mail indicato non è valido.");
