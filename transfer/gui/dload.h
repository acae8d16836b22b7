// dload: the download's modal progress dialog. It starts the worker (dlThread) at once,
// moves its bar from the worker's progress signals and shows the outcome: success
// closes it after two seconds, failure waits for OK. Neither the close box nor Escape
// ends it while the worker runs. With "Ellenőrzés betöltés után" ticked (remembered
// between runs), the worker reads the configuration back on the port it still holds, the
// bar following the bytes received and Cancel ending the check: the same as sent adds
// "Ellenőrizve.", anything else is shown field by field and the dialog waits. The result
// line keeps the outcome until the dialog closes (resultText()), and the status bar
// keeps it after.
// "Kiolvasás betöltés előtt" (remembered too) is the choice for the downloads to come: the
// download controller reads the module before it opens this dialog.
#pragma once

#include "settings/devsettings.h"
#include "transfer/exchangereport.h"
#include "transfer/writemodule.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QProgressBar;
namespace qv::transfer {
class dlThread;
}

namespace qv::transfer::gui {

class dload : public QDialog
{
    Q_OBJECT

public:
    // `settings` (copied) holds the record in DownloadRecord.
    explicit dload(const settings::devSettings &settings, QWidget *parent = nullptr);
    ~dload() override; // asks a running worker to stop and waits for it

    // Whether the module took the record (known once the worker has finished).
    bool succeeded() const;
    // Whether it took it and, when the read-back ran, holds exactly what was sent.
    bool matchesModule() const { return succeeded() && !m_differs; }
    // Whether the record was read back (once the worker has finished).
    bool readBackRan() const { return m_readBack != qv::transfer::ReadBack::NotRun; }
    // The result line as the dialog shows it ("Sikeres betöltés.\nEllenőrizve.").
    QString resultText() const;
    // The download as it ended (known once the worker has finished): the record sent, the
    // acknowledgement, the read-back and what the dialog told the user.
    qv::transfer::ExchangeReport report() const;

public slots:
    void dlcomplete();
    // Escape and Cancel land here: ignored while the record is on its way, they end the
    // read-back while it runs, and close the dialog once the worker has finished.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslateUi();
    void showOpenFailure(const QString &advice);
    // The worker reads the record back now: the bar is its, and Cancel ends it.
    void readBackStarted();
    // Shows how the read-back ended.
    void showReadBack(const qv::transfer::WriteOutcome &outcome);
    void finish(bool closeSoon);

    QDialogButtonBox *m_buttonBox = nullptr;
    QLabel *m_label = nullptr;
    QLabel *m_kiiras = nullptr;
    QLabel *m_openReason = nullptr; // shown only when the port could not be opened
    QProgressBar *m_progressBar = nullptr;
    QCheckBox *m_verify = nullptr;
    QCheckBox *m_backup = nullptr;
    const settings::devSettings m_settings;
    std::unique_ptr<transfer::dlThread> m_worker;
    bool m_complete = false;
    bool m_readingBack = false;
    bool m_differs = false; // the read-back found the module holding something else
    qv::transfer::ReadBack m_readBack = qv::transfer::ReadBack::NotRun;
    qv::transfer::ExchangeReport m_report; // the worker's, once it has finished
};

} // namespace qv::transfer::gui
