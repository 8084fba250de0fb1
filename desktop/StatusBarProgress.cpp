#include "desktop/StatusBarProgress.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>

#include <climits>

StatusBarProgress::StatusBarProgress(QStatusBar *statusBar)
    : QObject(statusBar)
    , m_statusBar(statusBar)
    , m_label(new QLabel(statusBar))
    , m_bar(new QProgressBar(statusBar))
{
    m_label->setObjectName(QStringLiteral("progressLabel"));
    m_bar->setObjectName(QStringLiteral("progressBar"));
    m_bar->setMaximumWidth(240);
    statusBar->addPermanentWidget(m_label);
    statusBar->addPermanentWidget(m_bar);
    m_label->hide();
    m_bar->hide();
}

StatusBarProgress::~StatusBarProgress()
{
    if (ProgressScope::sink() == this)
        ProgressScope::setSink(nullptr);
}

void StatusBarProgress::install()
{
    ProgressScope::setSink(this);
}

void StatusBarProgress::started(const QString &what, qint64 total)
{
    if (!m_bar || !m_label)
        return;
    m_unit = total > INT_MAX ? total / INT_MAX + 1 : 1;
    m_label->setText(what);
    m_bar->setRange(0, int(std::max<qint64>(total, 0) / m_unit));
    m_bar->setValue(0);
    m_label->show();
    m_bar->show();
    showNow();
}

void StatusBarProgress::advanced(qint64 done)
{
    if (!m_bar)
        return;
    m_bar->setValue(int(std::min<qint64>(done / m_unit, m_bar->maximum())));
    showNow();
}

void StatusBarProgress::finished()
{
    if (m_label)
        m_label->hide();
    if (m_bar)
        m_bar->hide();
}

void StatusBarProgress::showNow()
{
    // Paint and layout only: what the user does waits for the work.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
