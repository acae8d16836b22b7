#include "transfer/gui/readoutexchange.h"

#include "serial/serialline.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace qv::transfer::gui {

namespace {

// The read-out's progress window as the serial read sees it: one step per byte that is
// not a carriage return, and the cancel button asked between bytes.
class ProgressWindow : public qv::serial::ReadProgress
{
public:
    explicit ProgressWindow(QProgressDialog &dialog) : m_dialog(dialog) {}

    void advance() override
    {
        ++m_bytes;
        if (m_bytes <= m_dialog.maximum())
            m_dialog.setValue(m_bytes); // repaints and takes the clicks once it is shown
        else if (m_dialog.isVisible())
            QCoreApplication::processEvents(); // the bar is full; keep the window alive
    }
    bool cancelled() override { return m_dialog.wasCanceled(); }

private:
    QProgressDialog &m_dialog;
    int m_bytes = 0;
};

} // namespace

ReadOutOutcome readOutModule(const QString &port, qint32 baud, QChar separator, QWidget *parent)
{
    const int range = record::FieldCount * record::ItemWidth;
    QProgressDialog progress(QCoreApplication::translate("qv::ReadOut", "Kiolvasás..."),
                             QCoreApplication::translate("qv::ReadOut", "Megszakítás"), 0, range,
                             parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoReset(false);
    ProgressWindow window(progress);
    ReadOutOutcome outcome = transfer::readOutModule(port, baud, separator, &window);
    progress.reset(); // it must not pop up behind a message
    return outcome;
}

} // namespace qv::transfer::gui
