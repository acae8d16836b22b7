#include "app/gui/appfont.h"
#include "app/gui/mainwindow.h"
#include "cli/commandline.h"
#include "cli/commands.h"
#include "settings/datafiles.h"
#include "settings/gui/appicon.h"
#include "settings/language.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QTextStream>

#ifdef Q_OS_WIN
#include <QMessageBox>
#endif

#include <cstdio>
#include <memory>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Help, version and command-line errors need no display: they are printed by an application
// object without widgets, in the program's language. A Windows GUI program has no console
// to print to, so there they are shown in a message box instead.
int report(int &argc, char **argv, const QString &version)
{
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance()) {
#ifdef Q_OS_WIN
        app = std::make_unique<QApplication>(argc, argv);
#else
        app = std::make_unique<QCoreApplication>(argc, argv);
#endif
        qv::language::use(qv::language::chooseForThisProcess(QCoreApplication::arguments()));
    }
    const qv::CommandLine line = qv::parseCommandLine(QCoreApplication::arguments(), version);
    const bool ok = line.action != qv::CommandLine::Action::Error;
#ifdef Q_OS_WIN
    QMessageBox box(ok ? QMessageBox::Information : QMessageBox::Critical,
                    QStringLiteral("qvconfig"), line.text);
    box.exec();
#else
    std::fputs(qPrintable(line.text), ok ? stdout : stderr);
#endif
    return ok ? 0 : 1;
}

// The application object of a command. A command that lays out text needs fonts, so a
// QGuiApplication, but never a window: on Linux and the other Unix desktops it runs on the
// offscreen platform unless QT_QPA_PLATFORM says otherwise, so that it needs no display
// (nor fails on one that cannot be reached) and loads no widgets.
std::unique_ptr<QCoreApplication> commandApplication(int &argc, char **argv, const QString &command)
{
    if (!qv::cli::laysOutText(command))
        return std::make_unique<QCoreApplication>(argc, argv);
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int main(int argc, char *argv[])
{
    // Without arguments the program starts as always: port "COM1" at 1200 bit/s.
    const QString version = QStringLiteral(QVCONFIG_VERSION);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // A command runs without widgets (and without a display) and ends the program.
    if (arguments.size() > 1 && qv::cli::isCommand(arguments.at(1))) {
        const std::unique_ptr<QCoreApplication> app =
            commandApplication(argc, argv, arguments.at(1));
        QCoreApplication::setApplicationName(QStringLiteral("qvconfig"));
        QCoreApplication::setApplicationVersion(version);
        // The exchanges' diagnostics would mix with a script's output; QT_LOGGING_RULES
        // still turns them on.
        if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
            QLoggingCategory::setFilterRules(QStringLiteral("qv.*.debug=false"));
        qv::language::use(qv::language::chooseForThisProcess(QCoreApplication::arguments()));
        QTextStream out(stdout);
        QTextStream err(stderr);
#ifdef Q_OS_UNIX
        const bool terminal = isatty(STDERR_FILENO);
#else
        const bool terminal = false;
#endif
        return qv::cli::run(QCoreApplication::arguments(), version, out, err, terminal);
    }
    qv::CommandLine line = qv::parseCommandLine(arguments, version);
    if (line.action != qv::CommandLine::Action::Run)
        return report(argc, argv, version);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qvconfig"));
    QApplication::setApplicationVersion(version);
    // Ties the window to its desktop entry (icon and name in the task bar); every window
    // without an icon of its own shows the program's.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.qvconfig"));
    QApplication::setWindowIcon(qv::applicationIcon());
    // The program's texts, Qt's dialogs and standard buttons ("Megnyitás", "Mégse") and the
    // locale in the language chosen by --lang, the menu or the system.
    qv::language::use(qv::language::chooseForThisProcess(QCoreApplication::arguments()));
    // Read again from the application object, which has taken Qt's own options out and,
    // on Windows, has the arguments in full Unicode.
    line = qv::parseCommandLine(QCoreApplication::arguments(), version);
    if (line.action != qv::CommandLine::Action::Run)
        return report(argc, argv, version);

    // Every window is laid out in pixels for a small dialog font (8 points).
    QApplication::setFont(qv::interfaceFont(QApplication::font()));

    MainWindow window(nullptr, line.teamRegister);
    // For a support request: the log tells at once where every data file is taken from.
    if (qv::lcData().isDebugEnabled()) {
        for (const QString &name : qv::dataFileNames(window.deviceSettings().Version))
            qv::locateDataFile(name);
    }
    if (!line.port.isEmpty())
        window.useLink(line.port, 1200);
    if (!line.file.isEmpty())
        window.openWhenIdentified(QFileInfo(line.file).absoluteFilePath());
    window.show();
    return app.exec();
}
