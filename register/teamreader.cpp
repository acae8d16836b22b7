#include "register/teamreader.h"

#include <chrono>

namespace qv::reg {

namespace {

void answer(const std::shared_ptr<TeamAnswer> &answer, const auto &fill)
{
    {
        std::lock_guard lock(answer->mutex);
        fill(*answer);
        answer->done = true;
    }
    answer->changed.notify_all();
}

} // namespace

bool TeamAnswer::wait(int timeoutMs)
{
    std::unique_lock lock(mutex);
    return changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return done; });
}

TeamReader::TeamReader(const QString &connection) : m_connection(connection)
{
}

TeamReader::~TeamReader() = default;

const Store *TeamReader::server(QString *error)
{
    if (!m_server || m_server->status() != Store::OpenStatus::Ok) {
        m_server = Store::openPostgres(m_connection);
        if (!m_server->isOpen()) {
            *error = m_server->message();
            m_server.reset();
            return nullptr;
        }
    }
    return &*m_server;
}

void TeamReader::search(const Query &query, const std::shared_ptr<TeamAnswer> &result)
{
    QString error;
    QList<Entry> entries;
    if (const Store *store = server(&error)) {
        entries = store->search(query, &error);
        if (!error.isEmpty())
            m_server.reset(); // perhaps gone: a new connection next time
    }
    answer(result, [&](TeamAnswer &a) {
        a.entries = std::move(entries);
        a.error = error;
    });
}

void TeamReader::fetch(const QString &id, const std::shared_ptr<TeamAnswer> &result)
{
    QString error;
    std::optional<Entry> entry;
    if (const Store *store = server(&error))
        entry = store->entry(id, &error);
    answer(result, [&](TeamAnswer &a) {
        a.entry = std::move(entry);
        a.error = error;
    });
}

void TeamReader::stop()
{
    m_server.reset();
}

} // namespace qv::reg
