#include "CheckIn.h"

#include "app/DateLists.h"
#include "entries/EntryChecks.h"
#include "members/AccessCode.h"
#include "members/CertificateState.h"
#include "members/MemberRegister.h"
#include "storage/ArchiveFile.h"
#include "storage/DateText.h"
#include "storage/Text.h"

#include <algorithm>

namespace {

using CertificateState::State;

const QString kAsk = QStringLiteral(" Registrare comunque l'ingresso?");
const QString kRefuse = QStringLiteral(" Non è possibile registrare l'ingresso.");

bool hasControlCharacter(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}

QString lineOf(int position, const TSchedaIscritto& member) {
    const QString card = Text::trimBlanks(member.NumeroTessera);
    return Text::trimBlanks(member.CognomeNome) +
           (card.isEmpty() ? QString() : QStringLiteral(" - Tessera n. ") + card) +
           QStringLiteral(" (scheda %1)").arg(position);
}

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

CheckIn::Found choicesOf(const QList<int>& positions) {
    CheckIn::Found found;
    for (int position : positions)
        if (const std::optional<CheckIn::Member> member = CheckIn::load(position))
            found.choices.append({position, lineOf(position, member->record)});
    std::sort(found.choices.begin(), found.choices.end(),
              [](const auto& a, const auto& b) { return Text::lowerAZ(a.line) < Text::lowerAZ(b.line); });
    return found;
}

CheckIn::Found refused(const QString& why) {
    CheckIn::Found found;
    found.refusal = why;
    return found;
}

CheckIn::Lamp cardLamp(const TSchedaIscritto& member, const QDate& today) {
    const QString expiry = Text::trimBlanks(member.ScadenzaTessera);
    const QDate date = DateText::parse(expiry);
    if (!date.isValid())
        return {CheckIn::Light::Grey, QStringLiteral("scadenza non indicata")};
    if (today > date)
        return {CheckIn::Light::Red, QStringLiteral("scaduta il ") + expiry};
    return {CheckIn::Light::Green, QStringLiteral("valida fino al ") + expiry};
}

CheckIn::Lamp certificateLamp(State state, const QString& expiry) {
    switch (state) {
    case State::Valid:
        return {CheckIn::Light::Green, QStringLiteral("valido fino al ") + expiry};
    case State::Expiring:
        return {CheckIn::Light::Yellow, QStringLiteral("in scadenza il ") + expiry};
    case State::Expired:
        return {CheckIn::Light::Red, QStringLiteral("scaduto il ") + expiry};
    case State::Missing:
        return {CheckIn::Light::Red, QStringLiteral("mancante")};
    case State::NotRequired:
        return {CheckIn::Light::Grey, QStringLiteral("non richiesto")};
    }
    return {};
}

} // namespace

namespace CheckIn {

Found find(CheckInIndex& index, const QString& typed) {
    // Checked before the blanks go: trimming would hide a control character at either end.
    if (hasControlCharacter(typed))
        return refused(QStringLiteral("Attenzione: il testo letto contiene caratteri non validi. Verificare "
                                      "la configurazione del lettore e riprovare."));
    const QString text = Text::trimBlanks(typed);
    if (text.isEmpty())
        return {};
    if (AccessCode::isCode(text)) {
        const std::optional<AccessCode::Parts> code = AccessCode::parse(text);
        if (!code || code->position > index.memberCount() ||
            index.cardNumber(code->position) != code->cardNumber)
            return refused(kUnknownCard);
        return choicesOf({code->position});
    }
    if (const QList<int> cards = index.withCardNumber(text); !cards.isEmpty())
        return choicesOf(cards);
    const QList<int> names = index.withNameContaining(text);
    if (names.isEmpty())
        return refused(
            QStringLiteral("Attenzione: nessun iscritto corrisponde alla tessera o al nome indicati."));
    if (names.size() > kMaxChoices)
        return refused(QStringLiteral("Attenzione: troppi iscritti corrispondono al nome indicato. Indicare "
                                      "il nome per intero o il numero di tessera."));
    return choicesOf(names);
}

std::optional<Member> load(int position) {
    ArchiveFile file(TSchedaIscritto::path(), TSchedaIscritto::Size);
    file.open(ArchiveFile::Access::Read);
    if (position < 1 || position > file.count())
        return std::nullopt;
    file.seek(position);
    Member member;
    member.position = position;
    member.record = MemberCodec::decode(file.read());
    file.close();
    member.socio = MemberRegister::load(position);
    return member;
}

Status status(const Member& member, const std::optional<CheckInIndex::LastEntry>& last, const QDate& today,
              bool refuseWithoutCertificate) {
    Status s;
    s.card = cardLamp(member.record, today);
    if (s.card.light == Light::Red)
        s.questions << QStringLiteral("Attenzione: la tessera è scaduta il ") +
                           Text::trimBlanks(member.record.ScadenzaTessera) + u'.' + kAsk;

    const QString expiry = Text::trimBlanks(member.record.ScadenzaCertificato);
    const State state = CertificateState::of(expiry, member.socio.TipoCertificato, today);
    s.certificate = certificateLamp(state, expiry);
    if (state == State::Expired || state == State::Missing) {
        const QString why =
            state == State::Expired
                ? QStringLiteral("Attenzione: il certificato medico è scaduto il ") + expiry + u'.'
                : QStringLiteral("Attenzione: il certificato medico non è stato consegnato.");
        if (refuseWithoutCertificate)
            s.refusal = why + kRefuse;
        else
            s.questions << why + kAsk;
    }

    s.lastEntry = last ? Text::trimBlanks(last->date + u' ' + last->time) : QStringLiteral("Nessuno");
    const QString before = last ? Text::trimBlanks(last->remaining) : QString();
    if (Text::isDigits(before)) {
        const int left = before.toInt();
        s.remaining = QString::number(std::max(left - 1, 0));
        if (left == 0) {
            s.entries = {Light::Red, QStringLiteral("esauriti")};
            s.questions << QStringLiteral("Attenzione: l'iscritto non ha più ingressi rimanenti.") + kAsk;
        } else {
            s.entries = {left == 1 ? Light::Yellow : Light::Green, s.remaining};
        }
    } else {
        s.entries = {Light::Grey, QString()};
    }
    return s;
}

TSchedaIngresso entry(const TSchedaIscritto& member, const QString& remaining, const QDateTime& now,
                      const QString& deskPerson) {
    TSchedaIngresso e;
    e.Giorno = twoDigits(now.date().day());
    e.Mese = DateLists::monthName(now.date().month());
    e.Ore = twoDigits(now.time().hour());
    e.Minuti = twoDigits(now.time().minute());
    e.AttivitaSvolta = member.AttivitaSportiva;
    e.IngressiRimanenti = remaining;
    e.Incaricato = deskPerson;
    // As the import fills the entry screen's fields and saving keeps what typing could have given:
    // the fiscal code in capitals, the mobile number's digits, the address without blanks.
    e.CognomeNome = member.CognomeNome;
    e.CodiceFiscale = Text::trimBlanks(Text::upperAZ(member.CodiceFiscale));
    for (QChar c : member.TelCellulare)
        if (c >= u'0' && c <= u'9')
            e.TelCellulare += c;
    e.NumeroTessera = member.NumeroTessera;
    e.Email = Text::trimBlanks(member.Email);
    return EntryChecks::completed(e, QStringLiteral("%1").arg(now.date().year(), 4, 10, QLatin1Char('0')));
}

int record(const QString& registerPath, const TSchedaIngresso& entry) {
    ArchiveFile file(registerPath, TSchedaIngresso::Size);
    file.open(ArchiveFile::Access::Write);
    const int position = file.append(EntryCodec::encode(entry));
    file.close();
    return position;
}

} // namespace CheckIn
