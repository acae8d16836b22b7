#include "register/entry.h"

#include "transfer/configrecord.h"
#include "transfer/modulerecord.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSysInfo>
#include <QUuid>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace qv::reg {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::reg::Entry)
};

// A field as the read-out shows it: erased bytes (0xFF) as blanks, no trailing blanks.
QString shownText(QString text)
{
    text.replace(QChar(u'\u00FF'), QChar(u' '));
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

QString osUser()
{
    for (const char *name : {"USER", "LOGNAME", "USERNAME"}) {
        const QString user = qEnvironmentVariable(name);
        if (!user.isEmpty())
            return user;
    }
#ifdef Q_OS_UNIX
    if (const passwd *pw = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(pw->pw_name);
#endif
    return {};
}

// JSON text holding only printable ASCII: every other character is written as \uXXXX, so
// that any character (NUL and the bytes 0x80..0xFF too) survives a server whose text type
// or encoding would refuse or change it.
void appendJsonString(QString &out, const QString &text)
{
    out += u'"';
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'"' || u == u'\\') {
            out += u'\\';
            out += c;
        } else if (u >= 0x20 && u < 0x7F) {
            out += c;
        } else {
            out += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0'));
        }
    }
    out += u'"';
}

QJsonArray parseArray(const QString &json)
{
    if (json.isEmpty())
        return {};
    const QJsonDocument doc = QJsonDocument::fromJson(json.toUtf8());
    return doc.isArray() ? doc.array() : QJsonArray();
}

template <typename Enum> struct Key
{
    Enum value;
    const char *key;
};

constexpr Key<Operation> OperationKeys[] = {{Operation::ReadOut, "readout"},
                                            {Operation::Backup, "backup"},
                                            {Operation::Download, "download"},
                                            {Operation::Compare, "compare"},
                                            {Operation::Watch, "watch"}};
constexpr Key<Result> ResultKeys[] = {
    {Result::Ok, "ok"}, {Result::Differences, "differences"}, {Result::Failed, "failed"}};
constexpr Key<Verification> VerificationKeys[] = {{Verification::NotRun, "notrun"},
                                                  {Verification::Same, "same"},
                                                  {Verification::Differs, "differs"},
                                                  {Verification::Failed, "failed"}};

template <typename Enum, std::size_t N> QString keyOf(const Key<Enum> (&keys)[N], Enum value)
{
    for (const auto &k : keys) {
        if (k.value == value)
            return QString::fromLatin1(k.key);
    }
    return {};
}

template <typename Enum, std::size_t N>
std::optional<Enum> valueOf(const Key<Enum> (&keys)[N], const QString &key)
{
    for (const auto &k : keys) {
        if (key == QLatin1StringView(k.key))
            return k.value;
    }
    return std::nullopt;
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

Entry newEntry(Operation operation, const QString &programVersion)
{
    Entry entry;
    entry.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    entry.time = QDateTime::currentDateTimeUtc();
    entry.operation = operation;
    entry.programVersion = programVersion;
    entry.osUser = osUser();
    entry.host = QSysInfo::machineHostName();
    return entry;
}

void takeModuleFacts(Entry &entry)
{
    if (entry.fields.size() != transfer::record::FieldCount)
        return;
    entry.moduleId = shownText(entry.fields.at(transfer::ModuleIdField));
    entry.moduleName = shownText(entry.fields.at(transfer::ModuleNameField));
    entry.telephones.clear();
    for (int k = 0; k < transfer::Entries; ++k) {
        const QString &field = entry.fields.at(transfer::FirstTelephoneField + k);
        entry.telephones << shownText(transfer::record::decodeTelephone(field).number);
    }
}

QString searchableNumber(const QString &number)
{
    const QString trimmed = number.trimmed();
    QString digits;
    for (const QChar c : trimmed) {
        if (isDigit(c))
            digits += c;
    }
    // An international prefix written out: "+", or "00" in its place (not the zeros of a
    // short number such as a module id).
    bool international = trimmed.startsWith(u'+');
    if (!international && digits.size() >= 6 && digits.startsWith(QLatin1StringView("00"))) {
        digits.remove(0, 2);
        international = true;
    }
    if (international) {
        if (digits.startsWith(QLatin1StringView("36")))
            digits.remove(0, 2);
        return digits;
    }
    // A Hungarian number is 8 or 9 digits after its prefix: "36" or the trunk prefix "06"
    // before such a number is a prefix. ("36" alone begins the numbers of Eger.)
    if (digits.size() >= 6 && digits.startsWith(QLatin1StringView("06")))
        return digits.mid(2);
    if (digits.startsWith(QLatin1StringView("36")) && (digits.size() == 10 || digits.size() == 11))
        return digits.mid(2);
    return digits;
}

QString operationText(Operation operation)
{
    switch (operation) {
    case Operation::ReadOut:
        return Text::tr("Kiolvasás");
    case Operation::Backup:
        return Text::tr("Mentés betöltés előtt");
    case Operation::Download:
        return Text::tr("Betöltés");
    case Operation::Compare:
        return Text::tr("Összehasonlítás");
    case Operation::Watch:
        return Text::tr("Figyelés");
    }
    return {};
}

QString searchedNumber(const QString &text)
{
    constexpr int MinNumberDigits = 6;
    bool digit = false;
    for (const QChar c : text.trimmed()) {
        if (c >= u'0' && c <= u'9')
            digit = true;
        else if (!QStringView(u" +-/().").contains(c))
            return {};
    }
    const QString number = digit ? searchableNumber(text) : QString();
    return number.size() < MinNumberDigits ? QString() : number;
}

QStringList shownTelephones(const Entry &entry, const QString &text)
{
    QStringList found;
    if (const QString number = searchedNumber(text); !number.isEmpty()) {
        for (const QString &telephone : entry.telephones) {
            if (searchableNumber(telephone).contains(number))
                found << telephone;
        }
    }
    if (found.isEmpty()) {
        for (const QString &telephone : entry.telephones) {
            if (!telephone.isEmpty())
                return {telephone};
        }
    }
    return found;
}

QString resultText(const Entry &entry)
{
    if (entry.operation == Operation::Download && entry.result == Result::Ok &&
        entry.verification == Verification::Same)
        return Text::tr("rendben, ellenőrizve");
    return resultText(entry.result);
}

QString resultText(Result result)
{
    switch (result) {
    case Result::Ok:
        return Text::tr("rendben");
    case Result::Differences:
        return Text::tr("eltérés");
    case Result::Failed:
        return Text::tr("sikertelen");
    }
    return {};
}

QString operationKey(Operation operation)
{
    return keyOf(OperationKeys, operation);
}

std::optional<Operation> operationFromKey(const QString &key)
{
    return valueOf(OperationKeys, key);
}

QString resultKey(Result result)
{
    return keyOf(ResultKeys, result);
}

std::optional<Result> resultFromKey(const QString &key)
{
    return valueOf(ResultKeys, key);
}

QString verificationKey(Verification verification)
{
    return keyOf(VerificationKeys, verification);
}

std::optional<Verification> verificationFromKey(const QString &key)
{
    return valueOf(VerificationKeys, key);
}

QString differencesToJson(const QList<Difference> &differences)
{
    QString out = QStringLiteral("[");
    for (qsizetype i = 0; i < differences.size(); ++i) {
        const Difference &d = differences.at(i);
        out += i ? QStringLiteral(",[") : QStringLiteral("[");
        appendJsonString(out, d.field);
        out += u',';
        appendJsonString(out, d.first);
        out += u',';
        appendJsonString(out, d.second);
        out += u']';
    }
    out += u']';
    return out;
}

QList<Difference> differencesFromJson(const QString &json)
{
    QList<Difference> differences;
    for (const QJsonValue &row : parseArray(json)) {
        const QJsonArray cells = row.toArray();
        differences.append(
            {cells.at(0).toString(), cells.at(1).toString(), cells.at(2).toString()});
    }
    return differences;
}

QString fieldsToJson(const QStringList &fields)
{
    QString out = QStringLiteral("[");
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i)
            out += u',';
        appendJsonString(out, fields.at(i));
    }
    out += u']';
    return out;
}

QStringList fieldsFromJson(const QString &json)
{
    QStringList fields;
    for (const QJsonValue &value : parseArray(json))
        fields << value.toString();
    return fields;
}

} // namespace qv::reg
