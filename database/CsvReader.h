#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>

#include "database/CsvFormat.h"

class QIODevice;

// One row of a spreadsheet file: its cells and the line of the file on
// which it starts (from 1), which a quoted cell with line breaks makes
// differ from the row's number.
struct CsvRow
{
    qint64 line = 0;
    QStringList cells;
};

// Reads a spreadsheet file row by row (RFC 4180: cells quoted where they
// hold the separator, a quote or a line break, quotes inside doubled), in
// the encoding and with the separator given. The device is read in blocks,
// never whole, so that a file of any size is read in little memory; the
// device is not owned and must stay open while the reader reads.
class CsvReader
{
public:
    // The encoding of a file that starts with these bytes (the first 64 KiB
    // or the whole file when shorter): its byte-order mark when it has one,
    // UTF-16 when every other byte is zero, UTF-8 when the bytes are valid
    // UTF-8, Windows-1252 otherwise.
    static CsvFormat::Encoding detectEncoding(QByteArrayView head);
    // The separator of ",", ";" and tab that splits the first lines of the
    // decoded text most consistently (quoted cells respected); "," when no
    // line tells.
    static char16_t detectSeparator(QStringView head);
    // The first bytes of the device, for detectEncoding, read without
    // moving the device on (it must be random-access).
    static QByteArray head(QIODevice &device);
    // Bytes of a file as text in the encoding, whole (a byte-order mark at
    // the start left out), for detectSeparator and the like.
    static QString decoded(QByteArrayView bytes, CsvFormat::Encoding encoding);

    CsvReader(QIODevice &device, CsvFormat::Encoding encoding, char16_t separator);
    ~CsvReader();
    CsvReader(const CsvReader &) = delete;
    CsvReader &operator=(const CsvReader &) = delete;

    enum Status {
        RowRead,
        AtEnd,
        Failed, // see errorString(); nothing more is read
    };
    // The next row; a byte-order mark at the start is skipped, an empty
    // line (nothing between two line ends, not even "") is no row.
    Status readRow(CsvRow &row);
    // Why reading failed, for the user: a quote not closed (with the line
    // it opened on), a zero byte in an 8-bit or UTF-8 file, the device's
    // read error.
    QString errorString() const;
    // How far the device has been read, for progress.
    qint64 bytesRead() const;
    // Whether some bytes were not valid in the encoding (they read as
    // U+FFFD, which the register cannot store).
    bool hadInvalidBytes() const;

    // The bytes read from the device at a time (256 KiB unless set; at
    // least 1). Set before the first row is read.
    void setBlockSize(qsizetype bytes);
    // The longest row read, in characters of its cells: a longer one fails,
    // so that a file that is no spreadsheet cannot fill the memory.
    static constexpr qsizetype maxRowLength = qsizetype(1) << 20;

private:
    struct State;
    std::unique_ptr<State> m_state;
};
