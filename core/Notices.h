#pragma once

#include <QString>

// Where the register's core tells the user something: a failed save, a
// locked database, a line it could not read. The core knows no windows; it
// hands each notice, in the order they arise, to the one sink the program
// installed (the desktop shows them as message boxes). Without a sink the
// notices go to the debug output.
class NoticeSink
{
public:
    enum Kind { Warning, Critical };

    virtual ~NoticeSink() = default;
    virtual void notify(Kind kind, const QString &title, const QString &text) = 0;
};

namespace Notices {

// The sink of the process (not owned; null for the debug output).
void setSink(NoticeSink *sink);
NoticeSink *sink();

void warning(const QString &title, const QString &text);
void critical(const QString &title, const QString &text);

} // namespace Notices
