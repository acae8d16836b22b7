// Identification benchmark: the time from pressing "Eszköz csatlakoztatása" on the real
// main window to the greeting, against a paced emulated module at 1200 bit/s, next to the
// time that the wire and the silences the exchanges wait for take; and the status query.
#include "app/gui/mainwindow.h"
#include "emulator.h"
#include "serial/portlist.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using qv::app::gui::MainWindow;

namespace {

// Times when the port dialog appears and when the greeting does (which it answers).
struct Watch
{
    qint64 dialogShown = -1;
    qint64 greeting = -1;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    constexpr int Runs = 5;
    qvsim::Emulator module;
    if (!module.start())
        return 1;
    const QString port = module.slavePath();
    qv::serial::setPortEnumerator([] { return QStringList(); }); // only the module's port

    // Probe: "~|" and "Q_QV5_FW2.1" CR, then 300 ms of silence; the dialog accepts 200 ms
    // after the hit; identification: the same 14 bytes, then 500 ms of silence.
    const double byteMs = 10000.0 / 1200;
    const double wire = 14 * byteMs + 300 + 200 + 14 * byteMs + 500;

    QList<double> totals, searches, queries;
    for (int run = 0; run < Runs; ++run) {
        MainWindow window;
        window.useLink(port, 1200);
        window.show();
        QElapsedTimer clock;
        Watch watch;
        QTimer poll;
        poll.setInterval(1);
        QObject::connect(&poll, &QTimer::timeout, &window, [&] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (!w->isVisible())
                    continue;
                if (w->objectName() == QLatin1StringView("setcom") && watch.dialogShown < 0)
                    watch.dialogShown = clock.nsecsElapsed();
                auto *box = qobject_cast<QMessageBox *>(w);
                if (box && watch.greeting < 0) {
                    watch.greeting = clock.nsecsElapsed();
                    QTimer::singleShot(0, box->button(QMessageBox::Ok), &QAbstractButton::click);
                }
            }
        });
        poll.start();
        auto *button = window.findChild<QPushButton *>(QStringLiteral("port_gomb"));
        clock.start();
        button->click();
        poll.stop();
        if (window.deviceSettings().DeviceModel != 1 || watch.greeting < 0) {
            std::fprintf(stderr, "run %d: the module was not identified\n", run + 1);
            return 1;
        }
        totals << double(watch.greeting) / 1e6;
        searches << double(watch.dialogShown) / 1e6;

        // The status query on the identified module: the button returns once painted.
        clock.restart();
        window.findChild<QPushButton *>(QStringLiteral("allapot_gomb"))->click();
        queries << double(clock.nsecsElapsed()) / 1e6;
    }
    std::sort(totals.begin(), totals.end());
    std::sort(searches.begin(), searches.end());
    std::printf("press to greeting, Q_QV5 at 1200 bit/s, median of %d runs: %.1f ms "
                "(min %.1f, max %.1f)\n",
                Runs, totals.at(Runs / 2), totals.first(), totals.last());
    std::printf("  of which the search until the dialog shows: %.1f ms\n", searches.at(Runs / 2));
    std::printf("wire time plus mandated silences and the 200 ms acceptance: %.1f ms\n", wire);
    std::printf("extra: %.1f ms (ratio %.3f)\n", totals.at(Runs / 2) - wire,
                totals.at(Runs / 2) / wire);
    // "~[", the status line of 63 bytes and its CR, which ends the reply at once.
    std::sort(queries.begin(), queries.end());
    std::printf("status query, press to painted panel: median %.1f ms; wire time %.1f ms\n",
                queries.at(Runs / 2), (2 + 64) * byteMs);
    return 0;
}
