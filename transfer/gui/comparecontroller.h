// Comparing a record with the module: what a download would write against what the
// module holds, without touching the form.
#pragma once

#include "transfer/exchange.h"
#include "transfer/exchangereport.h"

#include <QObject>

namespace qv::transfer::gui {
class DownloadController;
}
class QWidget;

namespace qv::transfer::gui {

class CompareController : public QObject
{
    Q_OBJECT

public:
    // Reads out on the link the window gives (`link`); the record comes from `download` as
    // a download would build it; dialogs and messages are parented to `window`.
    CompareController(qv::transfer::LinkSource link, DownloadController &download, QWidget *window,
                      QObject *parent = nullptr);

    // Builds the form's record, reads the module's configuration as the read-out does and
    // shows the fields that differ, or "Nincs eltérés.". A failed read shows the
    // read-out's messages.
    void compare();

    // The same for another download record (56 items of 16 characters with their
    // separators); `ours` heads its column. Dialogs are parented to `parent`.
    void compareRecord(const QString &record, const QString &ours, QWidget *parent);

signals:
    // The module holds exactly what a download of the form would write.
    void sameAsModule();
    // A comparison with the module ended, whatever its outcome.
    void exchanged(const qv::transfer::ExchangeReport &report);

private:
    // Reads the module, shows what differs from `record` and reports the exchange;
    // `formRecord`: the record is the form's, which counts as written when the module
    // holds it.
    void readAndCompare(const QString &record, const QString &ours, QWidget *parent,
                        bool formRecord);

    qv::transfer::LinkSource m_link;
    DownloadController &m_download;
    QWidget *m_window = nullptr;
};

} // namespace qv::transfer::gui
