#include "CardFace.h"

#include "members/AccessCode.h"
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
    accessCode.clear();
}

void CardFace::showMember(const TSchedaIscritto& record, const QImage& picture, int position) {
    member = Text::trimBlanks(record.CognomeNome);
    activity = Text::trimBlanks(record.AttivitaSportiva);
    number = Text::trimBlanks(record.NumeroTessera);
    issued = Text::trimBlanks(record.RilascioTessera);
    expires = Text::trimBlanks(record.ScadenzaTessera);
    photo = picture;
    accessCode = AccessCode::text(position, record.NumeroTessera);
}
