#include "transfer/gui/readoutexchange.h"

#include "serial/exchangethread.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace qv::transfer::gui {

namespace {

// Runs `exchange` on its thread under the read-out's progress window: one step per byte
// that is not a carriage return, and its Cancel ends the read at once.
ReadOut underProgress(const QString &port, QWidget *parent,
                      const std::function<ReadOut(serial::ReadProgress *)> &exchange)
{
    const int range = record::FieldCount * record::ItemWidth;
    QProgressDialog progress(QCoreApplication::translate("qv::ReadOut", "Kiolvasás..."),
                             QCoreApplication::translate("qv::ReadOut", "Megszakítás"), 0, range,
                             parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoReset(false);

    ReadOut done;
    serial::ExchangeThread thread(
        port, [&done, &exchange](serial::ExchangeThread &self) { done = exchange(&self); });
    int bytes = 0;
    QObject::connect(&thread, &serial::ExchangeThread::advanced, &progress, [&] {
        if (++bytes <= progress.maximum())
            progress.setValue(bytes); // shows the window once the read has taken a while
    });
    QObject::connect(&progress, &QProgressDialog::canceled, &progress,
                     [&thread] { thread.cancel(); });
    thread.runInEventLoop([&progress] { return progress.isVisible(); });
    progress.reset(); // it must not pop up behind a message
    return done;
}

} // namespace

ReadOut readOutModule(const Link &link, ExchangeKind kind, QWidget *parent)
{
    return underProgress(link.port, parent, [link, kind](serial::ReadProgress *progress) {
        return transfer::readOut(link, kind, progress);
    });
}

ReadOut compareWithModule(const Link &link, const QString &record, QWidget *parent)
{
    return underProgress(link.port, parent, [link, record](serial::ReadProgress *progress) {
        return transfer::compareWithModule(link, record, progress);
    });
}

} // namespace qv::transfer::gui
