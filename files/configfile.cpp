#include "files/configfile.h"

#include "files/configformat.h"
#include "settings/branding.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace qv::files {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::ConfigFile)
};

ConfigFile refuse(ConfigFile file, FileProblem problem, const QString &text, bool serious = true)
{
    file.problem = problem;
    file.refusal = text;
    file.serious = serious;
    file.values.clear();
    file.footer.clear();
    file.bytes.clear();
    return file;
}

} // namespace

QString unreadableText(const QString &name, const QString &reason)
{
    return Text::tr("A(z) %1 fájl nem olvasható.\n%2").arg(name, reason);
}

ConfigFile readConfigFile(const QString &path, int valueLines, qint64 keepBytes)
{
    ConfigFile out;
    const QString name = QFileInfo(path).fileName();
    const QFileInfo info(path);
    QFile file(path);
    if (!info.exists()) {
        file.open(QIODevice::ReadOnly); // for the system's words
        out.systemReason = file.errorString();
        return refuse(out, FileProblem::Missing, Text::tr("A kiválasztott fájl nem létezik."));
    }
    // Only a plain file: opening a named pipe would wait for a writer for ever, and a
    // folder or a device holds no configuration.
    if (!info.isFile())
        return refuse(out, FileProblem::NotAFile,
                      Text::tr("A(z) %1 fájl nem olvasható.").arg(name));
    if (!file.open(QIODevice::ReadOnly)) {
        out.systemReason = file.errorString();
        return refuse(out, FileProblem::Unreadable, unreadableText(name, out.systemReason));
    }
    ReadResult read;
    if (keepBytes > 0) {
        if (file.size() > keepBytes)
            return refuse(out, FileProblem::TooLarge,
                          Text::tr("A(z) %1 nem konfigurációs fájl: túl nagy.").arg(name));
        out.bytes = file.read(keepBytes);
        QBuffer buffer(&out.bytes);
        buffer.open(QIODevice::ReadOnly);
        read = readConfig(buffer, valueLines);
    } else {
        read = readConfig(file, valueLines);
    }
    file.close();

    switch (read.status) {
    case ReadStatus::Ok:
        out.values = read.values;
        out.footer = read.footer;
        return out;
    case ReadStatus::TooFewLines:
        return refuse(out, FileProblem::OlderVersion,
                      Text::tr("A kiválasztott file \"%1\" nem nyitható meg a jelenlegi "
                               "verzióval.\nKérem töltse le a legújabb verziót a '%2' "
                               "oldalról,\nmajd töltse be a 'defval_qv.dll' fájlt!")
                          .arg(name, qv::settings::makerWebAddress()),
                      false);
    case ReadStatus::LineTooLong:
    case ReadStatus::ReadError:
    case ReadStatus::WideText:
        break;
    }
    return refuse(out, FileProblem::Syntax, Text::tr("A(z) %1 fájl szintaxisa hibás.").arg(name));
}

} // namespace qv::files
