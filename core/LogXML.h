#pragma once

#include <QDateTime>
#include <QString>

#include <cstdio>

// The XML event log "log.xml": a diagnostic trace for support, written only
// when the environment variable DEBUGTALDRUM contains a "1". When it is off no
// file is created or touched and every call returns at once.
//
// Texts are written as Latin-1 and unescaped. An empty file name, function or
// entry counts as absent: its line is left out (except the entry of logItem,
// which is always written).
class LogXML
{
public:
    // Opens the log at path with the given application name (the framed
    // edition name); when the file cannot be created the log stays disabled.
    LogXML(const QString &path, const QString &applicationName);
    // Closes every open item, writes the closing item and "</LogFile>".
    ~LogXML();
    LogXML(const LogXML &) = delete;
    LogXML &operator=(const LogXML &) = delete;

    // Where the log takes the current time from; null for the system clock.
    // Tests set a fixed time to see how every value of it is written.
    using Clock = QDateTime (*)();
    static void setClock(Clock clock);

    bool isEnabled() const { return m_enabled; }
    int depth() const { return m_depth; }

    // One complete log item at the current depth.
    bool logItem(const QString &entry, const QString &fileName = QString(), const QString &function = QString());
    // Starts an item and leaves it open one level deeper.
    bool beginItem(
        const QString &entry = QString(), const QString &fileName = QString(), const QString &function = QString());
    // One element line "<name>text</name>" at the current depth.
    bool element(const QString &name, const QString &text);
    // Ends the innermost open item; nothing at depth 1 or less.
    bool endItem();

private:
    // "<LogItem>", one level deeper, the date and time, then the file name
    // and function when given: the opening of every item.
    void openItem(const QString &fileName, const QString &function);
    bool writeLine(const QByteArray &text);
    bool writeElement(const QByteArray &tag, const QString &text);
    bool writeDateAndTime();

    bool m_enabled = false;
    std::FILE *m_file = nullptr;
    int m_depth = 0;
};
