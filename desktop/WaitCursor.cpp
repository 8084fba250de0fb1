#include "desktop/WaitCursor.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

WaitCursor::WaitCursor()
    : m_shown(qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr)
{
    if (m_shown)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor()
{
    restore();
}

void WaitCursor::restore()
{
    if (m_shown)
        QGuiApplication::restoreOverrideCursor();
    m_shown = false;
}
