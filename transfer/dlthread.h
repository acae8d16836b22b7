// dlThread: the download worker. It writes the record of its settings copy into the module
// and, when asked, reads it back and compares (transfer/writemodule.h), all on its own
// thread and on one port held from the first byte written to the last byte read back. It
// never touches a widget: the progress goes out as signals, which reach the dialog on the
// GUI thread.
#pragma once

#include "serial/openfailure.h"
#include "settings/devsettings.h"
#include "transfer/writemodule.h"

#include <QMutex>
#include <QThread>

#include <atomic>
#include <optional>

namespace qv::transfer {

class dlThread : public QThread
{
    Q_OBJECT

public:
    // `settings` is copied; of it the worker uses Port, AckChar, DownloadSeparator and
    // DownloadRecord, and for the read-back Baudrate and UploadSeparator.
    explicit dlThread(const settings::devSettings &settings, QObject *parent = nullptr);

    // Whether to read the record back once the module has taken it: may change while the
    // record is on its way (from any thread); what it is then decides.
    void setReadBack(bool readBack) { m_readBack = readBack; }

    // Whether the module acknowledged the record; read after finished().
    bool succeeded() const { return m_success; }
    // Why the port could not be opened, when that ended the download; read after
    // finished().
    std::optional<qv::serial::OpenFailure> openFailure() const;
    // The write and its read-back as they ended; read after finished().
    qv::transfer::WriteOutcome outcome() const;

signals:
    // The bar's range (the bar is emptied), and its value: 10 once the module is ready,
    // then one more for every byte of the record sent; during the read-back, one for every
    // byte received.
    void progressRange(int minimum, int maximum);
    void progressValue(int value);
    // The module took the record and the worker reads it back now (a cancel, the
    // interruption, ends that read).
    void readBackStarted();

protected:
    void run() override;

private:
    std::atomic<bool> m_success{false};
    std::atomic<bool> m_readBack{false};
    mutable QMutex m_outcomeMutex;
    qv::transfer::WriteOutcome m_outcome;
    const settings::devSettings m_settings;
};

} // namespace qv::transfer
