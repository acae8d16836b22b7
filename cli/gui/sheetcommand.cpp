#include "cli/gui/sheetcommand.h"

#include "settings/devsettings.h"
#include "settings/preferences.h"
#include "sheet/content.h"
#include "sheet/document.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace qv::cli::gui {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::SheetCommand)
};

// A site note longer than this would not fit its line on the sheet.
constexpr int kMaxSiteLength = 120;

int fail(QTextStream &err, int status, const QString &text)
{
    err << text << '\n';
    err.flush();
    return status;
}

// Whether writing `output` would replace `input` (the same file, whatever the path says).
bool sameFile(const QString &input, const QString &output)
{
    const QFileInfo in(input), out(output);
    if (!out.exists())
        return false;
    return in.canonicalFilePath() == out.canonicalFilePath();
}

} // namespace

int writeSheet(const SheetRequest &request, QTextStream &out, QTextStream &err)
{
    if (sameFile(request.input, request.output))
        return fail(err, Usage,
                    Text::tr("A -o nem a konfigurációs fájlt nevezheti meg (%1): az ügyféllap "
                             "felülírná.")
                        .arg(QDir::toNativeSeparators(request.output)));
    if (request.site.size() > kMaxSiteLength)
        return fail(err, Usage,
                    Text::tr("A --site szövege legfeljebb %1 karakter lehet.").arg(kMaxSiteLength));

    sheet::Source source;
    source.values = request.values;
    source.model = settings::NoDevice; // the model the file was saved for
    source.site = request.site;
    source.technician = settings::preferences::technician();
    source.date = QDate::currentDate();
    source.programVersion = request.version;
    source.withPin = request.withPin;
    const sheet::Made made = sheet::makeSheet(source);
    if (!made.sheet)
        return fail(err, Usage,
                    Text::tr("A(z) %1 konfigurációjából nem készül ügyféllap.\n%2")
                        .arg(QFileInfo(request.input).fileName(), made.reason));

    if (const QString reason = sheet::writePdf(*made.sheet, request.output); !reason.isEmpty())
        return fail(err, Failed,
                    Text::tr("Az ügyféllap nem menthető: %1\n%2")
                        .arg(QDir::toNativeSeparators(request.output), reason));
    if (request.json)
        out << QString::fromUtf8(
            QJsonDocument(QJsonObject{{QStringLiteral("file"), request.input},
                                      {QStringLiteral("sheet"), request.output}})
                .toJson(QJsonDocument::Indented));
    else
        out << Text::tr("Ügyféllap: %1").arg(QDir::toNativeSeparators(request.output)) << '\n';
    out.flush();
    return Done;
}

} // namespace qv::cli::gui
