// What every fuzz target shares: a property check that stops the run with a message.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

#define QV_FUZZ_CHECK(condition)                                                                   \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

namespace fuzz {

// Cuts the input into `count` pieces at the byte `cut` (missing pieces are empty).
inline QList<QByteArray> pieces(const QByteArray &data, int count, char cut = '\0')
{
    QList<QByteArray> list = data.split(cut);
    list.resize(count);
    return list;
}

// A Latin-1 text from bytes, without the given characters and at most `limit` long.
inline QString cleanText(const QByteArray &bytes, const QByteArray &drop, int limit)
{
    QString text;
    for (char c : bytes) {
        if (!drop.contains(c))
            text += QChar(uchar(c));
        if (text.size() == limit)
            break;
    }
    return text;
}

} // namespace fuzz
