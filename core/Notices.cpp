#include "core/Notices.h"

#include <QDebug>

namespace {

NoticeSink *g_sink = nullptr;

void notify(NoticeSink::Kind kind, const QString &title, const QString &text)
{
    if (g_sink)
        g_sink->notify(kind, title, text);
    else
        qWarning().noquote() << title << QLatin1String(": ") << text;
}

} // namespace

void Notices::setSink(NoticeSink *sink)
{
    g_sink = sink;
}

NoticeSink *Notices::sink()
{
    return g_sink;
}

void Notices::warning(const QString &title, const QString &text)
{
    notify(NoticeSink::Warning, title, text);
}

void Notices::critical(const QString &title, const QString &text)
{
    notify(NoticeSink::Critical, title, text);
}
