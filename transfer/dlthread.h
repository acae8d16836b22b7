// dlThread: the download worker. It runs the download exchange (transfer/download.h) with
// the record of its settings copy on its own thread, so the port lives there. It never
// touches a widget: the progress goes out as signals, which reach the dialog on the GUI
// thread.
#pragma once

#include "serial/openfailure.h"
#include "settings/devsettings.h"

#include <QMutex>
#include <QThread>

#include <atomic>
#include <optional>

class dlThread : public QThread
{
    Q_OBJECT

public:
    // `settings` is copied; of it the worker uses Port, AckChar, DownloadSeparator and
    // DownloadRecord.
    explicit dlThread(const devSettings &settings, QObject *parent = nullptr);

    // Whether the module acknowledged the record; read after finished().
    bool succeeded() const { return m_success; }
    // Why the port could not be opened, when that ended the download; read after
    // finished().
    std::optional<qv::OpenFailure> openFailure() const;

signals:
    // The bar's range (the bar is emptied), and its value: 10 once the module is ready,
    // then one more for every byte of the record sent.
    void progressRange(int minimum, int maximum);
    void progressValue(int value);

protected:
    void run() override;

private:
    std::atomic<bool> m_success{false};
    mutable QMutex m_failureMutex;
    std::optional<qv::OpenFailure> m_openFailure;
    const devSettings m_settings;
};
