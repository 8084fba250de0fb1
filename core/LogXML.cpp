#include "core/LogXML.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>

namespace {

// The switch is read once, when the log is opened: any "1" in the value turns
// logging on (1, 01, x1y); unset, empty or without a "1" leaves it off.
bool switchedOn()
{
    return qgetenv("DEBUGTALDRUM").contains('1');
}

std::FILE *openForWriting(const QString &path)
{
#ifdef Q_OS_WIN
    return _wfopen(reinterpret_cast<const wchar_t *>(path.utf16()), L"w");
#else
    return std::fopen(QFile::encodeName(path).constData(), "w");
#endif
}

LogXML::Clock g_clock = nullptr;

QDateTime now()
{
    return g_clock ? g_clock() : QDateTime::currentDateTime();
}

QByteArray timeOfDay(const QDateTime &now)
{
    return now.time().toString(QStringLiteral("hh:mm:ss.zzz")).toLatin1();
}

} // namespace

void LogXML::setClock(Clock clock)
{
    g_clock = clock;
}

LogXML::LogXML(const QString &path, const QString &applicationName)
{
    if (!switchedOn() || path.isEmpty())
        return;
    m_file = openForWriting(path);
    // A log that cannot be created stays off for the whole run: nothing is
    // ever written through a failed handle.
    if (!m_file)
        return;
    m_enabled = true;

    std::fputs("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n", m_file);
    m_depth = 0;
    writeLine("<LogFile>");
    m_depth = 1;
    writeElement("AppName", applicationName);

    const qint64 msecs = now().toMSecsSinceEpoch();
    const QByteArray stamp
        = QByteArray::number(msecs / 1000) + '.' + QByteArray::number(msecs % 1000).rightJustified(3, '0');
    writeLine("<Timestamp>" + stamp + "</Timestamp>");
    writeDateAndTime();
}

LogXML::~LogXML()
{
    if (!m_enabled)
        return;
    while (m_depth > 1) {
        --m_depth;
        writeLine("</LogItem>");
    }
    logItem(QStringLiteral("Log File closed"), QStringLiteral("Error"));
    m_depth = 0;
    writeLine("</LogFile>");
    std::fclose(m_file);
    m_file = nullptr;
    m_enabled = false;
}

bool LogXML::logItem(const QString &entry, const QString &fileName, const QString &function)
{
    if (!m_enabled)
        return false;
    openItem(fileName, function);
    // The entry of a complete item is always written, even when empty.
    writeElement("Entry", entry);
    --m_depth;
    writeLine("</LogItem>");
    return true;
}

bool LogXML::beginItem(const QString &entry, const QString &fileName, const QString &function)
{
    if (!m_enabled)
        return false;
    openItem(fileName, function);
    if (!entry.isEmpty())
        writeElement("Entry", entry);
    return true;
}

bool LogXML::element(const QString &name, const QString &text)
{
    if (!m_enabled)
        return false;
    return writeElement(name.toLatin1(), text);
}

bool LogXML::endItem()
{
    if (!m_enabled || m_depth < 2)
        return false;
    --m_depth;
    return writeLine("</LogItem>");
}

bool LogXML::writeLine(const QByteArray &text)
{
    if (!m_enabled || !m_file)
        return false;
    std::fputc('\n', m_file);
    for (int i = 0; i < m_depth; ++i)
        std::fputs("  ", m_file);
    std::fwrite(text.constData(), 1, size_t(text.size()), m_file);
    return true;
}

void LogXML::openItem(const QString &fileName, const QString &function)
{
    writeLine("<LogItem>");
    ++m_depth;
    writeDateAndTime();
    if (!fileName.isEmpty())
        writeElement("Filename", fileName);
    if (!function.isEmpty())
        writeElement("Function", function);
}

bool LogXML::writeElement(const QByteArray &tag, const QString &text)
{
    return writeLine('<' + tag + '>' + text.toLatin1() + "</" + tag + '>');
}

bool LogXML::writeDateAndTime()
{
    const QDateTime time = now();
    writeLine("<Date>" + time.date().toString(QStringLiteral("yyyy-MM-dd")).toLatin1() + "</Date>");
    return writeLine("<Time>" + timeOfDay(time) + "</Time>");
}
