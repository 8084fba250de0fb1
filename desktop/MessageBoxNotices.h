#pragma once

#include "core/Notices.h"

// Shows the core's notices as message boxes without a parent, through the
// MessageBox seam. A box that comes up while the program shows the wait
// cursor shows the normal one, and the wait goes on after it.
class MessageBoxNotices : public NoticeSink
{
public:
    void notify(Kind kind, const QString &title, const QString &text) override;

    // Makes the process's one instance the core's sink.
    static void install();
};
