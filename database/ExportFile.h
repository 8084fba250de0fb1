#pragma once

#include <QString>
#include <QStringView>

#include <cstring>
#include <memory>
#include <string_view>

#include "database/Item.h"

class AsyncBlockWriter;
class SaveTarget;

// The file an export writes: Latin-1 bytes with CR LF line ends, made in a
// fixed buffer that goes to the file on a thread of its own while the next
// one fills, so that no text is built per item of a large register.
//
// The file is written beside the older one of its name and replaces it only
// when whole: a file that could not be written whole leaves the older one
// as it was. The buffers stay from one file to the next.
class ExportFile
{
public:
    ExportFile();
    ~ExportFile();
    ExportFile(const ExportFile &) = delete;
    ExportFile &operator=(const ExportFile &) = delete;

    // Starts the file; false (see errorString) when it cannot be made.
    bool open(const QString &fileName);
    // Writes what is left and puts the file in place of the older one;
    // false (see errorString) when it was not written whole.
    bool finish();
    // Why the file could not be made or written.
    QString errorString() const { return m_errorString; }

    // ASCII text; every "\n" becomes CR LF.
    void put(std::string_view ascii);
    // Bytes as they are. Inline: the item blocks make millions of these
    // calls for a register.
    void putRaw(std::string_view bytes)
    {
        reserve(qsizetype(bytes.size()));
        std::memcpy(m_buffer.get() + m_used, bytes.data(), bytes.size());
        m_used += qsizetype(bytes.size());
    }
    // A text as MarkupText writes it for a file: the characters of markup
    // as entities, the control characters XML does not allow and those
    // Latin-1 cannot hold as "?".
    void putText(QStringView text);
    void putText(const Item &item, Item::Text which);
    // A number with one decimal in fixed notation ("1250.0").
    void putNumber(double value);
    void putInteger(int value);

private:
    static constexpr qsizetype bufferSize = qsizetype(1) << 20;
    void reserve(qsizetype bytes)
    {
        if (m_used + bytes > bufferSize)
            flush();
    }
    void flush();

    std::unique_ptr<SaveTarget> m_file;
    std::unique_ptr<char[]> m_buffer;
    // The buffer being written while m_buffer fills.
    std::unique_ptr<char[]> m_spare;
    // Made for each file; declared after the file and the buffers it
    // writes from, so that it goes (waiting for its block) before them.
    std::unique_ptr<AsyncBlockWriter> m_writer;
    qsizetype m_used = 0;
    bool m_failed = false;
    QString m_errorString;
};
