#pragma once

#include <QString>
#include <QUrl>

// The WhatsApp web client's send address for a mobile number and a message. Both values are
// percent-encoded (UTF-8) whole, so that no "&", "+", "#" or "%" of the text can cut or change the
// message on its way. The number is used as given: no country prefix is added.
QUrl whatsAppUrl(const QString& phone, const QString& text);
