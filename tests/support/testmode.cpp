// Linked into every test program: the program's settings and its module register go to a
// folder of the process's own, made when the application object starts and removed when
// the program ends. No test writes into the user's settings or register, and test
// programs running side by side never share theirs.
#include <QCoreApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

void useOwnHome()
{
    static QTemporaryDir home;
    if (home.isValid())
        qputenv("HOME", home.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(useOwnHome)
