// The module register as the window uses it: every exchange the commands report becomes an
// entry of the journal (the local register, and the team's when one is chosen), with the
// link, the module's identification and the technician. A register that cannot be written
// is reported in the status bar every time and in a message once; the exchange's own
// result stands.
#pragma once

#include "transfer/exchange.h"
#include "transfer/exchangereport.h"

#include <QObject>
#include <QString>

#include <memory>

class QWidget;
namespace qv::reg {
class Journal;
struct Entry;
} // namespace qv::reg

namespace qv::reg::gui {

class RegisterController : public QObject
{
    Q_OBJECT

public:
    // Opens the register this user's settings name; `teamConnection` (from --register), when
    // given, chooses the team register for this run instead of the remembered choice. The
    // link and the module come from the window (`link`), `programVersion` is this program's;
    // messages are parented to `window`.
    RegisterController(qv::transfer::LinkSource link, const QString &programVersion,
                       QWidget *window, const QString &teamConnection = {},
                       QObject *parent = nullptr);
    ~RegisterController() override;

    // Records what an exchange reported.
    void record(const qv::transfer::ExchangeReport &report);
    // The entry an exchange report becomes (without recording it).
    qv::reg::Entry entryFor(const qv::transfer::ExchangeReport &report) const;

    qv::reg::Journal &journal() const { return *m_journal; }
    // The team register in use; empty for the local register only.
    QString teamConnection() const;

    // The site note written into the next entries (not remembered between runs).
    QString site() const { return m_site; }
    void setSite(const QString &site) { m_site = site.trimmed(); }

    // Opens the register again as the remembered choice now says (after the register's
    // settings changed).
    void reopen();

signals:
    // For the status bar: a register that could not be written, what the sender did.
    void statusMessage(const QString &message);
    // An entry was written: an open register window shows it.
    void recorded();

private:
    void open(const QString &teamConnection);
    void showProblem(const QString &message);
    // The first entry without a technician's name asks for it once (it may stay empty).
    void askTechnicianOnce();

    qv::transfer::LinkSource m_link;
    QString m_version;
    QWidget *m_window = nullptr;
    std::unique_ptr<qv::reg::Journal> m_journal;
    QString m_site;
    bool m_opening = false; // while the journal opens
};

} // namespace qv::reg::gui
