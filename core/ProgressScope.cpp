#include "core/ProgressScope.h"

namespace {

ProgressScope::Sink *g_sink = nullptr;
int g_delay = 500;
bool g_active = false;

// The shown progress is brought up to date this often, in milliseconds.
constexpr qint64 reportInterval = 40;

} // namespace

ProgressScope::ProgressScope(const QString &what, qint64 total)
    : m_what(what)
    , m_total(total)
    , m_speaks(!g_active)
{
    if (m_speaks) {
        g_active = true;
        m_clock.start();
    }
}

ProgressScope::~ProgressScope()
{
    if (!m_speaks)
        return;
    g_active = false;
    if (m_shown && g_sink)
        g_sink->finished();
}

void ProgressScope::look(qint64 done)
{
    if (!m_speaks || !g_sink)
        return;
    const qint64 elapsed = m_clock.elapsed();
    if (!m_shown) {
        if (elapsed < g_delay)
            return;
        m_shown = true;
        g_sink->started(m_what, m_total);
    } else if (elapsed - m_lastReport < reportInterval) {
        return;
    }
    m_lastReport = elapsed;
    g_sink->advanced(done);
}

bool ProgressScope::isRunning()
{
    return g_active;
}

void ProgressScope::setSink(Sink *sink)
{
    g_sink = sink;
}

ProgressScope::Sink *ProgressScope::sink()
{
    return g_sink;
}

void ProgressScope::setDelay(int milliseconds)
{
    g_delay = milliseconds;
}
