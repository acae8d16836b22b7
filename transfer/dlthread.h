// dlThread: the download worker. It opens its own port at 1200 bit/s, sends the record of
// its settings copy line by line and reads the acknowledgement. It never touches a
// widget: the progress goes out as signals, which reach the dialog on the GUI thread.
#pragma once

#include "serial/openfailure.h"
#include "settings/devsettings.h"

#include <QMutex>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <optional>

namespace qv {
class SerialLine;
}

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
    bool exchange(qv::SerialLine &line, const QStringList &lines);
    bool sendByte(qv::SerialLine &line, quint8 byte, int &progress);

    std::atomic<bool> m_success{false};
    mutable QMutex m_failureMutex;
    std::optional<qv::OpenFailure> m_openFailure;
    const devSettings m_settings;
};
