// "qvconfig diff" and "qvconfig sheet": configuration files without a module.
#include "cli/command.h"

#include "transfer/modulerecord.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>

namespace qv::cli {

int diffCommand(Context &c)
{
    const std::optional<QStringList> first = readFile(c, c.files.value(0));
    if (!first)
        return Usage;
    const std::optional<QStringList> second = readFile(c, c.files.value(1));
    if (!second)
        return Usage;
    const QString a = recordOf(c, *first, settings::NoDevice);
    if (a.isEmpty())
        return Usage;
    const QString b = recordOf(c, *second, settings::NoDevice);
    if (b.isEmpty())
        return Usage;
    QStringList fields = transfer::record::downloadLines(b, downloadSeparator(c));
    if (fields.size() > transfer::record::FieldCount)
        fields.resize(transfer::record::FieldCount);
    const QList<transfer::FieldDifference> differences =
        transfer::compareRecords(a, fields, downloadSeparator(c));
    const QJsonObject json{{QStringLiteral("first"), c.files.value(0)},
                           {QStringLiteral("second"), c.files.value(1)}};
    return reportDifferences(c, differences, QFileInfo(c.files.value(0)).fileName(),
                             QFileInfo(c.files.value(1)).fileName(), json);
}

// The sheet itself is laid out by the writer the program's Gui module gives (cli/gui).
int sheetCommand(Context &c)
{
    const std::optional<QStringList> values = readFile(c, c.files.value(0));
    if (!values)
        return Usage;
    if (!c.writeSheet)
        return fail(
            c, Failed,
            CommandText::tr("A(z) %1 parancs Qt Gui nélkül nem futtatható.").arg(c.command));
    return c.writeSheet({c.files.value(0), *values, c.output,
                         c.options->isSet(QStringLiteral("with-pin")),
                         c.options->value(QStringLiteral("site")), c.version, c.json},
                        *c.out, *c.err);
}

} // namespace qv::cli
