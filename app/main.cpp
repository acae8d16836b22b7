// The qvconfig program: Qt Core (with Qt Sql and Qt Serial Port) only. It runs a command
// without a window itself, and loads the window, and the commands that lay out text, from its
// Gui module (app/gui/windowmodule.cpp) only when they are asked for: a script's command loads
// no widget, Qt Gui, Print Support or Multimedia library.
#include "cli/commandline.h"
#include "cli/commands.h"
#include "settings/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <memory>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::Program)
};

// The folder of this program, found without an application object (the window's
// QApplication must be the process's first).
QString programFolder(const char *argv0)
{
#if defined(Q_OS_WIN)
    wchar_t path[32768];
    const DWORD length = GetModuleFileNameW(nullptr, path, DWORD(std::size(path)));
    if (length > 0 && length < std::size(path))
        return QFileInfo(QString::fromWCharArray(path, int(length))).absolutePath();
#elif defined(Q_OS_LINUX)
    const QString path = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (!path.isEmpty())
        return QFileInfo(path).absolutePath();
#endif
    // Elsewhere as the shell found it: a path, or a name looked up in PATH.
    const QString name = QString::fromLocal8Bit(argv0);
    const QString found = name.contains(u'/') ? name : QStandardPaths::findExecutable(name);
    return QFileInfo(QFileInfo(found).canonicalFilePath()).absolutePath();
}

// Says, in the program's language, that the Gui module could not be used.
void reportMissingModule(int &argc, char **argv, const QString &module, const QString &reason)
{
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance()) {
        app = std::make_unique<QCoreApplication>(argc, argv);
        qv::settings::language::use(
            qv::settings::language::chooseForThisProcess(QCoreApplication::arguments()));
    }
    const QString text = Text::tr("A program egy része (%1) nem tölthető be: %2\n"
                                  "Telepítse újra a programot.")
                             .arg(QDir::toNativeSeparators(module), reason);
#ifdef Q_OS_WIN
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(text.utf16()), L"qvconfig",
                MB_OK | MB_ICONERROR);
#else
    std::fprintf(stderr, "%s\n", qPrintable(text));
#endif
}

// Runs `entry` of the Gui module with the program's arguments; `failed` is the exit status
// when the module cannot be loaded.
int runInGuiModule(int argc, char **argv, const char *entry, int failed)
{
    const QString module = QDir::cleanPath(
        programFolder(argv[0]) + QStringLiteral("/" QV_MODULE_FROM_BIN_DIR "/qvconfig-gui"));
    QLibrary library(module);
    using Entry = int (*)(int, char **);
    const auto run = reinterpret_cast<Entry>(library.resolve(entry));
    if (!run) {
        reportMissingModule(argc, argv, module, library.errorString());
        return failed;
    }
    // The module stays loaded to the end: the window's objects and Qt's plugins live in it.
    return run(argc, argv);
}

} // namespace

int main(int argc, char *argv[])
{
    const QString version = QStringLiteral(QVCONFIG_VERSION);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Options may come before the command: the command is moved first, as the commands'
    // own parser and the Gui module's text command expect it.
    const qv::cli::Dispatch dispatch = qv::cli::dispatch(arguments);
    if (dispatch.kind == qv::cli::Dispatch::Kind::Command && dispatch.at > 1) {
        std::rotate(argv + 1, argv + dispatch.at, argv + dispatch.at + 1);
        arguments.move(dispatch.at, 1);
    }
    // A command runs without a window (and without a display) and ends the program.
    if (dispatch.kind == qv::cli::Dispatch::Kind::Command) {
        if (qv::cli::laysOutText(arguments.at(1)))
            return runInGuiModule(argc, argv, "qvconfigTextCommand", qv::cli::Failed);
        QCoreApplication app(argc, argv);
        return qv::cli::runInApplication(version);
    }
#ifndef Q_OS_WIN
    // Help, version and command-line errors (a mistyped command among them) need no display, nor
    // the window's libraries: they are printed in the program's language. (A Windows GUI program
    // has no console: there the window's module shows them in a message box.)
    const qv::cli::CommandLine line = qv::cli::parseCommandLine(arguments, version);
    if (line.action != qv::cli::CommandLine::Action::Run) {
        QCoreApplication app(argc, argv);
        qv::settings::language::use(
            qv::settings::language::chooseForThisProcess(QCoreApplication::arguments()));
        return qv::cli::printAnswer(
            qv::cli::parseCommandLine(QCoreApplication::arguments(), version));
    }
#endif
    return runInGuiModule(argc, argv, "qvconfigWindow", 1);
}
