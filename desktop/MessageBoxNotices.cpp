#include "desktop/MessageBoxNotices.h"

#include "desktop/MessageBox.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

void MessageBoxNotices::notify(Kind kind, const QString &title, const QString &text)
{
    const bool waiting
        = qobject_cast<QGuiApplication *>(QCoreApplication::instance()) && QGuiApplication::overrideCursor();
    if (waiting)
        QGuiApplication::restoreOverrideCursor();
    MessageBox::show(kind == Warning ? MessageBox::Warning : MessageBox::Critical, nullptr, title, text);
    if (waiting)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void MessageBoxNotices::install()
{
    static MessageBoxNotices notices;
    Notices::setSink(&notices);
}
