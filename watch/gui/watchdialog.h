// The status watch's window (watchDialog): the interval, start and stop, the signal meter
// with its optional tone, the trend plot, the current values as the status panel shows
// them, the events with their times (copyable), the session's summary, and saving and
// opening the CSV log. Non-modal: it stays open beside the main window. Everything it
// shows comes from the watch controller.
#pragma once

#include "watch/events.h"
#include "watch/sample.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QListWidget;
class QPushButton;
namespace qv::watch::gui {
class SignalMeter;
}
namespace qv::watch::gui {
class SignalTone;
}
namespace qv::watch::gui {
class TrendPlot;
}
namespace qv::watch::gui {
class WatchController;
}

namespace qv::watch::gui {

class WatchDialog : public QDialog
{
    Q_OBJECT

public:
    explicit WatchDialog(WatchController &controller, QWidget *parent = nullptr);
    ~WatchDialog() override;

    // The whole event list as text, one event a line ("12:03:15 bemenet 2 aktív").
    QString eventsText() const;

protected:
    // Closing the window stops the watch (the session stays to be seen and saved).
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void start();
    void sampled(const qv::watch::Sample &sample, const QList<qv::watch::Event> &events);
    void showEvents(const QList<qv::watch::Event> &events);
    void reset();
    void updateState();
    void showCurrent(const qv::watch::Sample &sample);
    void copyEvents();
    void saveLog();
    void openLog();
    void toneToggled(bool on);

    WatchController &m_controller;
    QDoubleSpinBox *m_interval = nullptr;
    QPushButton *m_start = nullptr;
    QPushButton *m_stop = nullptr;
    QLabel *m_state = nullptr;
    SignalMeter *m_meter = nullptr;
    QCheckBox *m_toneBox = nullptr;
    SignalTone *m_tone = nullptr;
    TrendPlot *m_plot = nullptr;
    std::array<QLabel *, 4> m_outputs{};
    std::array<QLabel *, 4> m_inputs{};
    QLabel *m_supply = nullptr;
    QLabel *m_analog = nullptr;
    QLabel *m_counter = nullptr;
    QLabel *m_version = nullptr;
    QLabel *m_time = nullptr;
    QListWidget *m_events = nullptr;
    QLabel *m_summary = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_open = nullptr;
    QString m_pauseReason;
    QString m_lastLink; // the link's state when it is not answering
    QString m_problem;
};

} // namespace qv::watch::gui
