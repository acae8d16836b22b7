// The program's Gui module: what the qvconfig program loads on demand, so that a command
// without a window starts without Qt Gui, the widgets, Print Support and Multimedia. Two
// entries, each taking the program's argc and argv and returning its exit status: the window
// (with its command line), and a command that lays out text (the customer's sheet).
#include "app/gui/appfont.h"
#include "app/gui/mainwindow.h"
#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/gui/sheetcommand.h"
#include "settings/datafiles.h"
#include "settings/gui/appicon.h"
#include "settings/language.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>

#ifdef Q_OS_WIN
#include <QMessageBox>
#endif

#include <memory>

namespace {

const QString &version()
{
    static const QString text = QStringLiteral(QVCONFIG_VERSION);
    return text;
}

// Help, version and command-line errors need no display: they are printed by an application
// object without widgets, in the program's language. A Windows GUI program has no console
// to print to, so there they are shown in a message box instead.
int report(int &argc, char **argv)
{
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance()) {
#ifdef Q_OS_WIN
        app = std::make_unique<QApplication>(argc, argv);
#else
        app = std::make_unique<QCoreApplication>(argc, argv);
#endif
        qv::settings::language::use(
            qv::settings::language::chooseForThisProcess(QCoreApplication::arguments()));
    }
    const qv::cli::CommandLine line =
        qv::cli::parseCommandLine(QCoreApplication::arguments(), version());
#ifdef Q_OS_WIN
    const bool ok = line.action != qv::cli::CommandLine::Action::Error;
    QMessageBox box(ok ? QMessageBox::Information : QMessageBox::Critical,
                    QStringLiteral("qvconfig"), line.text);
    box.exec();
    return ok ? 0 : 1;
#else
    return qv::cli::printAnswer(line);
#endif
}

} // namespace

// The window: "qvconfig [options] [file]". Without arguments the program starts as always:
// port "COM1" at 1200 bit/s.
extern "C" Q_DECL_EXPORT int qvconfigWindow(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    qv::cli::CommandLine line = qv::cli::parseCommandLine(arguments, version());
    if (line.action != qv::cli::CommandLine::Action::Run)
        return report(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qvconfig"));
    QApplication::setApplicationVersion(version());
    // Ties the window to its desktop entry (icon and name in the task bar); every window
    // without an icon of its own shows the program's.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.qvconfig"));
    QApplication::setWindowIcon(qv::settings::gui::applicationIcon());
    // The program's texts, Qt's dialogs and standard buttons ("Megnyitás", "Mégse") and the
    // locale in the language chosen by --lang, the menu or the system.
    qv::settings::language::use(
        qv::settings::language::chooseForThisProcess(QCoreApplication::arguments()));
    // Read again from the application object, which has taken Qt's own options out and,
    // on Windows, has the arguments in full Unicode.
    line = qv::cli::parseCommandLine(QCoreApplication::arguments(), version());
    if (line.action != qv::cli::CommandLine::Action::Run)
        return report(argc, argv);

    // Every window is laid out in pixels for a small dialog font (8 points).
    QApplication::setFont(qv::app::gui::interfaceFont(QApplication::font()));

    qv::app::gui::MainWindow window(nullptr, line.teamRegister);
    // For a support request: the log tells at once where every data file is taken from.
    if (qv::settings::lcData().isDebugEnabled()) {
        for (const QString &name : qv::settings::dataFileNames(window.deviceSettings().Version))
            qv::settings::locateDataFile(name);
    }
    if (!line.port.isEmpty())
        window.useLink(line.port, 1200);
    if (!line.file.isEmpty())
        window.openWhenIdentified(QFileInfo(line.file).absoluteFilePath());
    window.show();
    return app.exec();
}

// A command that lays out text: it needs fonts, so a QGuiApplication, but never a window: on
// Linux and the other Unix desktops it runs on the offscreen platform unless QT_QPA_PLATFORM
// says otherwise, so that it needs no display (nor fails on one that cannot be reached).
extern "C" Q_DECL_EXPORT int qvconfigTextCommand(int argc, char **argv)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QGuiApplication app(argc, argv);
    return qv::cli::runInApplication(version(), qv::cli::gui::writeSheet);
}
