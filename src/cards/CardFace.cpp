#include "CardFace.h"

#include "members/MemberPhoto.h"
#include "members/TSchedaIscritto.h"
#include "storage/Text.h"

void CardFace::clearMember() {
    member = QStringLiteral("Cognome e nome Iscritto");
    activity = QStringLiteral("Attività sportiva");
    number = QStringLiteral("Tessera n.");
    issued = QStringLiteral("GG/MM/AAAA");
    expires = QStringLiteral("GG/MM/AAAA");
    photo = MemberPhoto::blank();
}

void CardFace::showMember(const TSchedaIscritto& record, const QImage& picture) {
    member = Text::trimBlanks(record.CognomeNome);
    activity = Text::trimBlanks(record.AttivitaSportiva);
    number = Text::trimBlanks(record.NumeroTessera);
    issued = Text::trimBlanks(record.RilascioTessera);
    expires = Text::trimBlanks(record.ScadenzaTessera);
    photo = picture;
}
