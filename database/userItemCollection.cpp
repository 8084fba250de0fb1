#include "database/userItemCollection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "core/Notices.h"
#include "database/SaveTarget.h"
#include "database/StorageCheck.h"

bool userItemCollection::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;

    m_entries.clear();
    // The limit counts entries already held, so one more than the limit is taken.
    while (qsizetype(m_entries.size()) <= qsizetype(m_limit)) {
        QByteArray line = file.readLine();
        if (line.isEmpty())
            break; // end of file: a final line end does not start another entry
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        m_entries.append(QString::fromLatin1(line));
    }
    return true;
}

bool userItemCollection::save(const QString &path, bool tellUser)
{
    m_errorString.clear();
    // A name the file cannot hold would come back as another name or as
    // several: nothing is written, the old file stays.
    const QString problem = StorageCheck::listProblem(m_entries);
    if (!problem.isEmpty()) {
        m_errorString = problem;
        if (tellUser) {
            Notices::critical(QStringLiteral("userItemCollection:SaveToFile"),
                QCoreApplication::translate("userItemCollection", "Listen er ikke gemt:") + QLatin1Char('\n')
                    + QDir::toNativeSeparators(path) + QLatin1Char('\n') + m_errorString);
        }
        return false;
    }
    QByteArray content;
    for (const QString &text : std::as_const(m_entries)) {
        content += text.toLatin1();
        content += "\r\n";
    }

    // Unbuffered, so that a short write (disk full, size limit) shows in the
    // count written: a buffered flush may report success for a partial file.
    // An uncommitted save is discarded when it goes; the old file stays.
    SaveTarget file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        m_errorString = file.errorString();
    } else if (file.device().write(content) != content.size()) {
        m_errorString
            = file.writeFailure(QCoreApplication::translate("userItemCollection", "Filen kunne ikke skrives helt"));
    } else if (!file.commit()) {
        m_errorString = file.errorString();
    } else {
        return true;
    }

    if (tellUser) {
        Notices::critical(QStringLiteral("userItemCollection:SaveToFile"),
            QCoreApplication::translate("userItemCollection", "Could_Not_Open_File") + QLatin1Char('\n')
                + QDir::toNativeSeparators(path) + QLatin1Char('\n') + m_errorString);
    }
    return false;
}

QString userItemCollection::entry(int index) const
{
    if (index < 0 || index >= m_entries.size())
        return QString();
    return m_entries.at(index);
}

QString userItemCollection::plainEntry(int index)
{
    if (index < 0 || index >= m_entries.size())
        return QString();
    m_entries[index].remove(QLatin1Char('&'));
    return m_entries.at(index);
}
