#include "watch/csvlog.h"

#include "form/deviceprofile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace qv::watch {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::watch)
};

constexpr char Separator = ';';
constexpr int Columns = 14;

const char *const HeaderNames[Columns] = {
    "idő",    "eltelt_ms", "minta", "új szakasz", "modell",  "kimenetek", "bemenetek",
    "analóg", "számláló",  "táp",   "térerő",     "6. mező", "verzió",    "válasz"};

struct StateWord
{
    SampleState state;
    const char *word;
};
constexpr StateWord StateWords[] = {{SampleState::Ok, "rendben"},
                                    {SampleState::Garbled, "hibás válasz"},
                                    {SampleState::Silent, "nincs válasz"},
                                    {SampleState::PortGone, "nincs port"},
                                    {SampleState::PortRefused, "nem nyitható meg"}};

QString stateWord(const Sample &s)
{
    for (const StateWord &w : StateWords) {
        if (w.state == s.state) {
            QString word = QString::fromUtf8(w.word);
            if (s.state == SampleState::PortRefused && !s.why.isEmpty())
                word += QStringLiteral(": ") + s.why;
            return word;
        }
    }
    return {};
}

std::optional<Sample> stateFromWord(const QString &text)
{
    for (const StateWord &w : StateWords) {
        const QString word = QString::fromUtf8(w.word);
        if (text == word ||
            (w.state == SampleState::PortRefused && text.startsWith(word + QStringLiteral(": ")))) {
            Sample s;
            s.state = w.state;
            if (text.size() > word.size())
                s.why = text.mid(word.size() + 2);
            return s;
        }
    }
    return std::nullopt;
}

QString bits(quint8 value)
{
    QString text;
    for (int i = 0; i < 4; ++i)
        text += (value & (1u << i)) ? u'1' : u'0';
    return text;
}

// A text as one field: quoted when it holds the separator, a quote or a line break, and
// with a "'" before it when a spreadsheet would start a formula with it.
QByteArray field(const QString &text)
{
    QString value = text;
    if (!value.isEmpty() && QStringLiteral("=+-@'").contains(value.front()))
        value.prepend(u'\'');
    QByteArray bytes = value.toUtf8();
    if (bytes.contains(Separator) || bytes.contains('"') || bytes.contains('\r') ||
        bytes.contains('\n')) {
        bytes.replace("\"", "\"\"");
        bytes = '"' + bytes + '"';
    }
    return bytes;
}

QString unfield(const QString &text)
{
    return text.startsWith(u'\'') ? text.mid(1) : text;
}

QString replyText(const QByteArray &reply)
{
    QString text;
    for (const char c : reply)
        text.append(QChar(char16_t(quint8(c))));
    return text;
}

// Splits the next row off `text` from `pos`: quoted fields may hold separators, quotes
// ("") and line breaks. False when no row is left.
bool nextRow(const QString &text, qsizetype &pos, QStringList &fields, int &line)
{
    fields.clear();
    if (pos >= text.size())
        return false;
    QString current;
    bool quoted = false, wasQuoted = false;
    for (; pos < text.size(); ++pos) {
        const QChar c = text.at(pos);
        if (quoted) {
            if (c == u'"') {
                if (pos + 1 < text.size() && text.at(pos + 1) == u'"') {
                    current += u'"';
                    ++pos;
                } else {
                    quoted = false;
                }
            } else {
                if (c == u'\n')
                    ++line;
                current += c;
            }
            continue;
        }
        if (c == u'"' && current.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (c == QLatin1Char(Separator)) {
            fields << current;
            current.clear();
            wasQuoted = false;
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && pos + 1 < text.size() && text.at(pos + 1) == u'\n')
                ++pos;
            ++pos;
            ++line;
            break;
        } else {
            current += c;
        }
    }
    fields << current;
    return true;
}

int modelFromName(const QString &name)
{
    for (int model = 1; model <= 3; ++model) {
        if (name == form::device::modelName(model))
            return model;
    }
    return 0;
}

} // namespace

QByteArray logHeader()
{
    QByteArray row = "\xEF\xBB\xBF";
    for (int i = 0; i < Columns; ++i) {
        if (i > 0)
            row += Separator;
        row += HeaderNames[i];
    }
    return row + "\r\n";
}

QByteArray logRow(const Sample &s, int model)
{
    const QDateTime time = QDateTime::fromMSecsSinceEpoch(s.timeMs).toLocalTime();
    QStringList decoded(8);
    if (s.isOk()) {
        decoded[0] = bits(s.outputs);
        decoded[1] = bits(s.inputs);
        decoded[2] = replyField(s, 2).mid(3);
        decoded[3] = replyField(s, 3).mid(4);
        decoded[4] = s.supply ? QStringLiteral("1") : QStringLiteral("0");
        decoded[5] = s.hasSignal() ? QString::number(s.signal) : QString();
        decoded[6] = replyField(s, 6);
        decoded[7] = replyField(s, 7);
    }
    QByteArray row =
        time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODateWithMs).toUtf8();
    row += Separator + QByteArray::number(s.elapsedMs);
    row += Separator + field(stateWord(s));
    row += Separator + QByteArray(s.resumed ? "1" : "");
    row += Separator + field(form::device::modelName(model));
    for (const QString &value : std::as_const(decoded))
        row += Separator + field(value);
    row += Separator + field(replyText(s.reply));
    return row + "\r\n";
}

LogRead readLog(const QByteArray &bytes, qsizetype maxSamples)
{
    LogRead result;
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    qsizetype pos = 0;
    int line = 1;
    QStringList fields;
    if (!nextRow(text, pos, fields, line) || fields.size() != Columns ||
        fields.at(0) != QString::fromUtf8(HeaderNames[0]) ||
        fields.at(Columns - 1) != QString::fromUtf8(HeaderNames[Columns - 1])) {
        result.error = Text::tr("A fájl nem állapotfigyelési napló: az első sora nem a napló "
                                "fejléce.");
        return result;
    }
    qint64 lastElapsed = 0;
    while (true) {
        const int rowLine = line;
        if (!nextRow(text, pos, fields, line))
            break;
        if (fields.size() == 1 && fields.first().isEmpty())
            continue; // an empty line
        bool ok = fields.size() == Columns;
        qint64 elapsed = 0;
        QDateTime time;
        std::optional<Sample> state;
        if (ok) {
            elapsed = fields.at(1).toLongLong(&ok);
            time = QDateTime::fromString(fields.at(0), Qt::ISODateWithMs);
            state = stateFromWord(unfield(fields.at(2)));
            ok = ok && time.isValid() && state && elapsed >= 0;
        }
        if (!ok) {
            if (result.badRows++ == 0)
                result.firstBadLine = rowLine;
            continue;
        }
        Sample s = *state;
        const QString reply = unfield(fields.at(Columns - 1));
        if (s.state == SampleState::Ok || s.state == SampleState::Garbled) {
            const SampleState kept = s.state;
            s = decodeReply(reply, kept == SampleState::Ok);
            if (kept == SampleState::Garbled)
                s.state = SampleState::Garbled;
        } else {
            s.reply = decodeReply(reply, false).reply;
        }
        // The rows' order is the session's; a row edited out of order keeps its place.
        s.elapsedMs = qMax(elapsed, lastElapsed);
        lastElapsed = s.elapsedMs;
        s.timeMs = time.toMSecsSinceEpoch();
        s.resumed = fields.at(3) == u"1";
        if (result.model == 0)
            result.model = modelFromName(unfield(fields.at(4)));
        result.samples.append(s);
        if (result.samples.size() >= 2 * maxSamples) {
            result.samples.remove(0, result.samples.size() - maxSamples);
            result.cut = true;
        }
    }
    if (result.samples.size() > maxSamples) {
        result.samples.remove(0, result.samples.size() - maxSamples);
        result.cut = true;
    }
    return result;
}

LogRead readLogFile(const QString &path, qsizetype maxSamples)
{
    QFile file(path);
    LogRead result;
    // Opening a named pipe would wait for a writer: only a plain file is read.
    if (!QFileInfo(path).isFile()) {
        result.error = Text::tr("A napló (%1) nem fájl, vagy nem található.")
                           .arg(QDir::toNativeSeparators(path));
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = Text::tr("A napló (%1) nem nyitható meg: %2")
                           .arg(QDir::toNativeSeparators(path), file.errorString());
        return result;
    }
    // A row is about 150 bytes; a log longer than the rows it may hold is not one of ours.
    const qint64 limit = (maxSamples + 2) * 1024;
    if (file.size() > limit) {
        result.error = Text::tr("A napló (%1) túl nagy: %2 MB.")
                           .arg(QDir::toNativeSeparators(path))
                           .arg(file.size() / (1024 * 1024));
        return result;
    }
    return readLog(file.readAll(), maxSamples);
}

} // namespace qv::watch
