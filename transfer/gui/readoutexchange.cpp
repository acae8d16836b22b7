#include "transfer/gui/readoutexchange.h"

#include "serial/exchangethread.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace qv::transfer::gui {

ReadOutOutcome readOutModule(const QString &port, qint32 baud, QChar separator, QWidget *parent)
{
    const int range = record::FieldCount * record::ItemWidth;
    QProgressDialog progress(QCoreApplication::translate("qv::ReadOut", "Kiolvasás..."),
                             QCoreApplication::translate("qv::ReadOut", "Megszakítás"), 0, range,
                             parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoReset(false);

    // The exchange runs on its thread; the window counts the bytes it announces, one step
    // per byte that is not a carriage return, and its Cancel ends the read at once.
    ReadOutOutcome outcome;
    serial::ExchangeThread exchange(port, [&](serial::ExchangeThread &thread) {
        outcome = transfer::readOutModule(port, baud, separator, &thread);
    });
    int bytes = 0;
    QObject::connect(&exchange, &serial::ExchangeThread::advanced, &progress, [&] {
        if (++bytes <= progress.maximum())
            progress.setValue(bytes); // shows the window once the read has taken a while
    });
    QObject::connect(&progress, &QProgressDialog::canceled, &progress,
                     [&exchange] { exchange.cancel(); });
    exchange.runInEventLoop([&progress] { return progress.isVisible(); });
    progress.reset(); // it must not pop up behind a message
    return outcome;
}

} // namespace qv::transfer::gui
