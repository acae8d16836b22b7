#include "register/conninfo.h"

#include <QCoreApplication>
#include <QUrl>
#include <QUrlQuery>

namespace qv::reg {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::reg::Connection)
};

QString example()
{
    return Text::tr(
        "Például: host=szerver dbname=nyilvantartas user=technikus, vagy egy szolgáltatás neve "
        "a ~/.pg_service.conf fájlból.");
}

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f' || c == u'\v';
}

bool isKeywordCharacter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'_';
}

// keyword = value pairs as libpq's conninfo parser reads them.
QString parsePairs(const QString &text, QList<std::pair<QString, QString>> &out)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (true) {
        while (i < n && isSpace(text.at(i)))
            ++i;
        if (i == n)
            return {};
        QString keyword;
        while (i < n && isKeywordCharacter(text.at(i)))
            keyword += text.at(i++);
        while (i < n && isSpace(text.at(i)))
            ++i;
        if (keyword.isEmpty() || i == n || text.at(i) != u'=')
            return Text::tr("a(z) %1. karakternél kulcsszó=érték párt vár").arg(i + 1);
        ++i;
        while (i < n && isSpace(text.at(i)))
            ++i;
        QString value;
        if (i < n && text.at(i) == u'\'') {
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar c = text.at(i++);
                if (c == u'\\' && i < n) {
                    value += text.at(i++);
                } else if (c == u'\'') {
                    closed = true;
                    break;
                } else {
                    value += c;
                }
            }
            if (!closed)
                return Text::tr("a(z) \"%1\" értékének idézőjele nincs lezárva").arg(keyword);
        } else {
            while (i < n && !isSpace(text.at(i))) {
                const QChar c = text.at(i++);
                if (c == u'\\' && i < n)
                    value += text.at(i++);
                else
                    value += c;
            }
        }
        out.append({keyword.toLower(), value});
    }
}

// postgresql://user@host:port/dbname?keyword=value
QString parseUri(const QString &text, QList<std::pair<QString, QString>> &out)
{
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid())
        return Text::tr("a cím nem értelmezhető (%1)").arg(url.errorString());
    if (!url.password().isEmpty())
        out.append({QStringLiteral("password"), url.password()});
    if (!url.host().isEmpty())
        out.append({QStringLiteral("host"), url.host()});
    if (url.port() != -1)
        out.append({QStringLiteral("port"), QString::number(url.port())});
    if (!url.userName().isEmpty())
        out.append({QStringLiteral("user"), url.userName()});
    const QString path = url.path().mid(1);
    if (!path.isEmpty())
        out.append({QStringLiteral("dbname"), path});
    const QUrlQuery query(url);
    for (const auto &[key, value] : query.queryItems(QUrl::FullyDecoded))
        out.append({key.toLower(), value});
    return {};
}

} // namespace

QString ConnectionParts::value(const QString &keyword) const
{
    for (const auto &[key, value] : keywords) {
        if (key == keyword)
            return value;
    }
    return {};
}

bool ConnectionParts::has(const QString &keyword) const
{
    for (const auto &pair : keywords) {
        if (pair.first == keyword)
            return true;
    }
    return false;
}

ConnectionParts parseConnection(const QString &connection)
{
    ConnectionParts parts;
    const QString text = connection.trimmed();
    if (text.isEmpty()) {
        //: %1 is an example of a connection.
        parts.problem =
            Text::tr("Nincs megadva a csapat nyilvántartásának kapcsolata. %1").arg(example());
        return parts;
    }
    QString fault;
    if (text.startsWith(QLatin1StringView("postgresql://")) ||
        text.startsWith(QLatin1StringView("postgres://"))) {
        fault = parseUri(text, parts.keywords);
    } else if (!text.contains(u'=') && !text.contains(u' ')) {
        parts.keywords.append({QStringLiteral("service"), text});
    } else {
        fault = parsePairs(text, parts.keywords);
    }
    if (!fault.isEmpty()) {
        //: %1 says what is wrong in the connection, %2 is an example of a connection.
        parts.problem = Text::tr("A csapat nyilvántartásának kapcsolata nem értelmezhető: "
                                 "%1. %2")
                            .arg(fault, example());
        return parts;
    }
    if (parts.has(QStringLiteral("password"))) {
        parts.problem = Text::tr(
            "A kapcsolat leírása jelszót tartalmaz. A program nem jegyez meg jelszót: adja "
            "meg a jelszót a ~/.pgpass fájlban (vagy egy szolgáltatásfájlban), és írja be a "
            "kapcsolatot jelszó nélkül.");
        return parts;
    }
    // Qt's driver passes the options on with ";" turned into blanks.
    for (const auto &[key, value] : parts.keywords) {
        if (value.contains(u';')) {
            parts.problem = Text::tr("A kapcsolat \"%1\" értéke pontosvesszőt tartalmaz, "
                                     "amelyet a program nem tud továbbadni. Adja meg "
                                     "egy szolgáltatásfájlban (~/.pg_service.conf).")
                                .arg(key);
            return parts;
        }
    }
    return parts;
}

QString quotedConnectionValue(const QString &value)
{
    QString quoted = value;
    quoted.replace(QLatin1StringView("\\"), QLatin1StringView("\\\\"));
    quoted.replace(QLatin1StringView("'"), QLatin1StringView("\\'"));
    return u'\'' + quoted + u'\'';
}

} // namespace qv::reg
