// Linked into every test program: the program's settings and its module register go to a
// folder of the process's own, made when the application object starts and removed when
// the program ends. No test writes into the user's settings or register, and test
// programs running side by side never share theirs.
#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

void useOwnHome()
{
    static QTemporaryDir home;
    if (home.isValid())
        qputenv("HOME", QFile::encodeName(home.path()));
    QStandardPaths::setTestModeEnabled(true);
    // Qt's test paths ignore the XDG variables; these then say the same, for whatever reads
    // them (a program the test starts, a check of where files go).
    const std::pair<const char *, QStandardPaths::StandardLocation> variables[] = {
        {"XDG_CONFIG_HOME", QStandardPaths::GenericConfigLocation},
        {"XDG_DATA_HOME", QStandardPaths::GenericDataLocation},
        {"XDG_CACHE_HOME", QStandardPaths::GenericCacheLocation},
    };
    for (const auto &[variable, location] : variables)
        qputenv(variable, QFile::encodeName(QStandardPaths::writableLocation(location)));
    // The technician has been asked for a name (and gave none): the window's question comes
    // only in the test that clears this.
    QSettings(QSettings::UserScope, QStringLiteral("qvconfig"), QStringLiteral("qvconfig"))
        .setValue(QStringLiteral("register/technician"), QString());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(useOwnHome)
