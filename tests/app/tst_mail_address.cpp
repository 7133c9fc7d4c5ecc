#include "TestMain.h"
#include "app/MailAddress.h"

#include <QTest>
#include <QUrlQuery>

class MailAddressTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void addresses_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("url"); // empty when refused
        QTest::newRow("plain") << "mario.rossi@example.it"
                               << "mailto:mario.rossi@example.it";
        QTest::newRow("empty opens a message without recipient") << ""
                                                                 << "mailto:";
        QTest::newRow("accented letters") << "nicolò@example.it"
                                          << "mailto:nicol%C3%B2@example.it";
        QTest::newRow("parameters") << "x@y.it?attach=/etc/shadow&bcc=spy@evil.it"
                                    << "";
        QTest::newRow("second parameter") << "x@y.it&bcc=spy@evil.it"
                                          << "";
        QTest::newRow("fragment") << "x@y.it#a"
                                  << "";
        QTest::newRow("encoded question mark") << "x@y.it%3Fattach=a"
                                               << "";
        QTest::newRow("inner blank") << "x@y.it attach"
                                     << "";
        QTest::newRow("line break") << "x@y.it\r\nBcc: spy@evil.it"
                                    << "";
        QTest::newRow("quote") << "x@y.it\""
                               << "";
        QTest::newRow("angle brackets") << "<x@y.it>"
                                        << "";
        QTest::newRow("backslash") << "x\\y@z.it"
                                   << "";
        QTest::newRow("second recipient after comma") << "a@b.it,spy@evil.it"
                                                      << "";
        QTest::newRow("second recipient after semicolon") << "a@b.it;spy@evil.it"
                                                          << "";
        QTest::newRow("right-to-left override") << QString::fromUtf8("a@b.it\u202Eti.live@yps") << "";
        QTest::newRow("zero-width joiner") << QString::fromUtf8("mario\u200D@example.it") << "";
        QTest::newRow("byte order mark") << QString(QChar(0xFEFF) + QStringLiteral("mario@example.it")) << "";
    }
    void addresses() {
        QFETCH(QString, address);
        QFETCH(QString, url);
        const std::optional<QUrl> built = mailtoUrl(address);
        QCOMPARE(built ? built->toString(QUrl::FullyEncoded) : QString(), url);
    }

    // The texts reach the message exactly: nothing in them is read as a delimiter.
    void subjectAndBodyAreEncodedWhole() {
        const std::optional<QUrl> url = mailtoUrl(QStringLiteral("a@b.it"), QStringLiteral("Conferma & più"),
                                                  QStringLiteral("Gentile Sig. Rossi, 1+1=2? #sì\r\nSaluti"));
        QVERIFY(url);
        QCOMPARE(
            url->toString(QUrl::FullyEncoded),
            QStringLiteral("mailto:a@b.it?subject=Conferma%20%26%20pi%C3%B9&body=Gentile%20Sig.%20Rossi%2C%20"
                           "1%2B1%3D2%3F%20%23s%C3%AC%0D%0ASaluti"));
        // Read back as the e-mail program reads it.
        const QUrl read(url->toString(QUrl::FullyEncoded));
        QCOMPARE(read.path(), QStringLiteral("a@b.it"));
        QCOMPARE(QUrl::fromPercentEncoding(read.query(QUrl::FullyEncoded).section(u'&', 1).mid(5).toLatin1()),
                 QStringLiteral("Gentile Sig. Rossi, 1+1=2? #sì\r\nSaluti"));
    }

    // One message to several members, none of them seeing the others, and no text read as a
    // further parameter.
    void blindCopyToSeveral() {
        const QUrl url =
            mailtoBccUrl({QStringLiteral("anna@b.it"), QStringLiteral("nicolò@c.it")},
                         QStringLiteral("Promemoria & più"), QStringLiteral("A&to=spy@evil.it #1"));
        const QUrl read(url.toString(QUrl::FullyEncoded));
        QCOMPARE(read.path(), QString());
        const QUrlQuery query(read);
        QCOMPARE(query.queryItems().size(), 3);
        QCOMPARE(query.queryItemValue(QStringLiteral("bcc"), QUrl::FullyDecoded),
                 QStringLiteral("anna@b.it,nicolò@c.it"));
        QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
                 QStringLiteral("Promemoria & più"));
        QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
                 QStringLiteral("A&to=spy@evil.it #1"));
        QVERIFY(isSingleAddress(QStringLiteral("anna@b.it")));
        QVERIFY(!isSingleAddress(QStringLiteral("anna@b.it,spy@evil.it")));
    }
};

ZANDORIO_TEST(MailAddressTest)
#include "tst_mail_address.moc"
