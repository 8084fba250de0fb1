#include "database/CsvReader.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr qsizetype headSize = qsizetype(64) << 10;
constexpr qsizetype defaultBlockSize = qsizetype(256) << 10;
constexpr char16_t replacement = u'\uFFFD';

// Windows-1252 differs from Latin-1 in 0x80..0x9F only; the five bytes it
// leaves unassigned read as U+FFFD.
constexpr std::array<char16_t, 32> windows1252High = {
    u'\u20AC', replacement, u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021', //
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', replacement, u'\u017D', replacement, //
    replacement, u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014', //
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', replacement, u'\u017E', u'\u0178', //
};

bool isUtf(CsvFormat::Encoding encoding)
{
    return encoding != CsvFormat::Windows1252 && encoding != CsvFormat::Latin1;
}

QStringConverter::Encoding converterEncoding(CsvFormat::Encoding encoding)
{
    switch (encoding) {
    case CsvFormat::Utf16LE:
        return QStringConverter::Utf16LE;
    case CsvFormat::Utf16BE:
        return QStringConverter::Utf16BE;
    default:
        return QStringConverter::Utf8;
    }
}

// Appends 8-bit text; true when every byte was a character of the encoding.
bool appendEightBit(QByteArrayView bytes, CsvFormat::Encoding encoding, QString &out)
{
    const qsizetype start = out.size();
    out.resize(start + bytes.size());
    char16_t *to = reinterpret_cast<char16_t *>(out.data()) + start;
    bool valid = true;
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (encoding == CsvFormat::Windows1252 && code >= 0x80 && code < 0xA0) {
            *to = windows1252High[code - 0x80];
            valid = valid && *to != replacement;
        } else {
            *to = code;
        }
        ++to;
    }
    return valid;
}

// Whether UTF-8 bytes end inside a character (its lead byte without all of
// its continuation bytes).
bool endsInsideUtf8(QByteArrayView bytes)
{
    qsizetype continuation = 0;
    for (qsizetype i = bytes.size() - 1; i >= 0 && continuation < 4; --i) {
        const auto code = static_cast<unsigned char>(bytes.at(i));
        if ((code & 0xC0) == 0x80) {
            ++continuation;
            continue;
        }
        const qsizetype length = code >= 0xF0 ? 4 : code >= 0xE0 ? 3 : code >= 0xC0 ? 2 : 1;
        return length > continuation + 1;
    }
    return false;
}

} // namespace

struct CsvReader::State
{
    State(QIODevice &device, CsvFormat::Encoding encoding, char16_t separator)
        : device(device)
        , encoding(encoding)
        , separator(separator)
    {
        if (isUtf(encoding))
            decoder.emplace(converterEncoding(encoding), QStringConverter::Flag::ConvertInitialBom);
    }

    enum Phase {
        RowStart, // before the first cell of a row
        CellStart, // after a separator
        Unquoted,
        Quoted,
        QuoteInQuoted, // a quote inside a quoted cell: its end, or the first of two
    };

    bool refill();
    void fail(const QString &reason)
    {
        failed = true;
        error = reason;
    }
    void endCell()
    {
        cells.append(cell);
        cell.clear();
    }

    QIODevice &device;
    const CsvFormat::Encoding encoding;
    const char16_t separator;
    std::optional<QStringDecoder> decoder;
    qsizetype blockSize = defaultBlockSize;

    QByteArray bytes;
    // The decoded text of the last block and how far it is read.
    QString text;
    qsizetype position = 0;
    bool started = false;
    bool deviceEnded = false;
    qint64 bytesRead = 0;
    // The last bytes of the device, to tell a UTF-8 character cut off at its end.
    QByteArray tail;
    bool invalid = false;

    Phase phase = RowStart;
    QString cell;
    QStringList cells;
    qint64 line = 1;
    qint64 rowLine = 1;
    qint64 quoteLine = 1;
    qsizetype rowLength = 0;
    // A CR ended the line: a LF right after it belongs to the same line end.
    bool afterCR = false;
    bool failed = false;
    QString error;
};

bool CsvReader::State::refill()
{
    if (deviceEnded)
        return false;
    bytes.resize(blockSize);
    qint64 got = device.read(bytes.data(), blockSize);
    if (got == 0 && device.isSequential() && !device.atEnd() && device.waitForReadyRead(30000))
        got = device.read(bytes.data(), blockSize);
    if (got < 0) {
        fail(QCoreApplication::translate("CsvReader", "Filen kunne ikke læses: %1").arg(device.errorString()));
        return false;
    }
    text.clear();
    position = 0;
    if (got == 0) {
        deviceEnded = true;
        // A character cut off by the end of the file.
        const bool cutOff = (encoding == CsvFormat::Utf8 || encoding == CsvFormat::Utf8WithBom)
            ? endsInsideUtf8(tail)
            : isUtf(encoding) && bytesRead % 2 != 0;
        if (!cutOff)
            return false;
        invalid = true;
        text.append(QChar(replacement));
        return true;
    }
    bytesRead += got;
    const QByteArrayView block(bytes.constData(), got);
    if (decoder) {
        text = decoder->decode(block);
        invalid = invalid || decoder->hasError();
        tail.append(block.last(std::min<qsizetype>(got, 4)));
        tail = tail.right(4);
    } else if (!appendEightBit(block, encoding, text)) {
        invalid = true;
    }
    if (!started && !text.isEmpty()) {
        started = true;
        if (decoder && text.startsWith(QChar(u'\uFEFF')))
            position = 1;
    }
    return true;
}

CsvFormat::Encoding CsvReader::detectEncoding(QByteArrayView head)
{
    if (head.startsWith("\xEF\xBB\xBF"))
        return CsvFormat::Utf8WithBom;
    if (head.startsWith("\xFF\xFE"))
        return CsvFormat::Utf16LE;
    if (head.startsWith("\xFE\xFF"))
        return CsvFormat::Utf16BE;

    // Text in UTF-16 without a mark: its ASCII characters (separators,
    // digits, line ends) have a zero byte, high in the order of the bytes.
    qsizetype zeros[2] = { 0, 0 };
    const qsizetype pairs = head.size() / 2;
    for (qsizetype i = 0; i < pairs * 2; ++i)
        if (head.at(i) == 0)
            ++zeros[i % 2];
    if (pairs > 0) {
        if (zeros[1] * 4 >= pairs && zeros[0] * 10 <= zeros[1])
            return CsvFormat::Utf16LE;
        if (zeros[0] * 4 >= pairs && zeros[1] * 10 <= zeros[0])
            return CsvFormat::Utf16BE;
    }

    // The head may end inside a character: a stateful decoder does not call
    // that an error.
    QStringDecoder decoder(QStringConverter::Utf8);
    const QString text = decoder.decode(head);
    Q_UNUSED(text);
    return decoder.hasError() ? CsvFormat::Windows1252 : CsvFormat::Utf8;
}

char16_t CsvReader::detectSeparator(QStringView head)
{
    constexpr char16_t candidates[] = { u',', u';', u'\t' };
    constexpr int maxLines = 20;
    char16_t best = u',';
    int bestScore = 0;
    int bestCount = 0;
    for (const char16_t separator : candidates) {
        // The separators of each line outside quoted cells.
        QList<int> counts;
        int count = 0;
        bool quoted = false;
        bool lineHasText = false;
        for (qsizetype i = 0; i < head.size() && counts.size() < maxLines; ++i) {
            const char16_t c = head.at(i).unicode();
            if (c == u'"') {
                quoted = !quoted;
            } else if (!quoted && (c == u'\n' || c == u'\r')) {
                if (lineHasText)
                    counts.append(count);
                count = 0;
                lineHasText = false;
                continue;
            } else if (!quoted && c == separator) {
                ++count;
            }
            lineHasText = true;
        }
        if (lineHasText && counts.size() < maxLines)
            counts.append(count);
        // The most frequent count above zero, and how many lines have it.
        int score = 0;
        int mode = 0;
        for (const int candidate : counts) {
            if (candidate == 0)
                continue;
            const int lines = int(std::count(counts.cbegin(), counts.cend(), candidate));
            if (lines > score || (lines == score && candidate > mode)) {
                score = lines;
                mode = candidate;
            }
        }
        if (score > bestScore || (score == bestScore && score > 0 && mode > bestCount)) {
            best = separator;
            bestScore = score;
            bestCount = mode;
        }
    }
    return best;
}

QByteArray CsvReader::head(QIODevice &device)
{
    return device.peek(headSize);
}

QString CsvReader::decoded(QByteArrayView bytes, CsvFormat::Encoding encoding)
{
    QString text;
    if (isUtf(encoding)) {
        QStringDecoder decoder(converterEncoding(encoding), QStringConverter::Flag::ConvertInitialBom);
        text = decoder.decode(bytes);
        if (text.startsWith(QChar(u'\uFEFF')))
            text.remove(0, 1);
    } else {
        appendEightBit(bytes, encoding, text);
    }
    return text;
}

CsvReader::CsvReader(QIODevice &device, CsvFormat::Encoding encoding, char16_t separator)
    : m_state(std::make_unique<State>(device, encoding, separator))
{ }

CsvReader::~CsvReader() = default;

void CsvReader::setBlockSize(qsizetype bytes)
{
    m_state->blockSize = std::max<qsizetype>(1, bytes);
}

QString CsvReader::errorString() const
{
    return m_state->error;
}

qint64 CsvReader::bytesRead() const
{
    return m_state->bytesRead;
}

bool CsvReader::hadInvalidBytes() const
{
    return m_state->invalid;
}

CsvReader::Status CsvReader::readRow(CsvRow &row)
{
    State &s = *m_state;
    if (s.failed)
        return Failed;
    const char16_t separator = s.separator;
    for (;;) {
        if (s.position == s.text.size()) {
            if (s.refill())
                continue;
            if (s.failed)
                return Failed;
            // The end of the file ends the row it is in.
            switch (s.phase) {
            case State::RowStart:
                return AtEnd;
            case State::Quoted:
                s.fail(QCoreApplication::translate("CsvReader", "Et anførselstegn på linje %1 bliver ikke lukket.")
                           .arg(s.quoteLine));
                return Failed;
            default:
                s.endCell();
                break;
            }
            s.phase = State::RowStart;
            row.line = s.rowLine;
            row.cells = std::exchange(s.cells, {});
            return RowRead;
        }

        const char16_t *const begin = reinterpret_cast<const char16_t *>(s.text.constData());
        const char16_t *p = begin + s.position;
        const char16_t *const end = begin + s.text.size();
        bool rowEnded = false;

        while (p != end && !rowEnded) {
            const char16_t c = *p;
            if (c == 0) {
                s.fail(QCoreApplication::translate(
                    "CsvReader", "Linje %1 indeholder et nul-tegn: filen er ikke tekst i det valgte tegnsæt.")
                           .arg(s.line));
                return Failed;
            }
            switch (s.phase) {
            case State::RowStart:
                if (c == u'\n' || c == u'\r') {
                    // An empty line is no row.
                    if (!(c == u'\n' && s.afterCR))
                        ++s.line;
                    s.afterCR = c == u'\r';
                    ++p;
                    continue;
                }
                s.afterCR = false;
                s.rowLine = s.line;
                s.rowLength = 0;
                s.phase = State::CellStart;
                continue;
            case State::CellStart:
                if (c == u'"') {
                    s.phase = State::Quoted;
                    s.quoteLine = s.line;
                    s.afterCR = false;
                    ++p;
                    continue;
                }
                s.phase = State::Unquoted;
                continue;
            case State::Unquoted: {
                // A run of plain characters goes into the cell in one piece; a
                // quote inside an unquoted cell is a character like any other.
                const char16_t *run = p;
                while (run != end && *run != separator && *run != u'\n' && *run != u'\r' && *run != 0)
                    ++run;
                s.rowLength += run - p;
                const bool whole = run != end && *run != 0 && s.cell.isEmpty();
                if (whole) {
                    // The whole cell lies in this block: made in one piece.
                    s.cells.append(QString(reinterpret_cast<const QChar *>(p), run - p));
                } else {
                    s.cell.append(QStringView(p, run));
                }
                p = run;
                if (p == end)
                    break;
                if (*p == 0)
                    continue;
                if (!whole)
                    s.endCell();
                ++s.rowLength;
                if (*p == separator) {
                    s.phase = State::CellStart;
                } else {
                    s.afterCR = *p == u'\r';
                    ++s.line;
                    s.phase = State::RowStart;
                    rowEnded = true;
                }
                ++p;
                break;
            }
            case State::Quoted: {
                const char16_t *run = p;
                while (run != end && *run != u'"' && *run != u'\n' && *run != u'\r' && *run != 0)
                    ++run;
                if (run != p)
                    s.afterCR = false;
                s.cell.append(QStringView(p, run));
                s.rowLength += run - p;
                p = run;
                if (p == end || *p == 0)
                    break;
                if (*p == u'"') {
                    s.phase = State::QuoteInQuoted;
                } else {
                    // A line break inside the cell is kept as it is.
                    if (!(*p == u'\n' && s.afterCR))
                        ++s.line;
                    s.afterCR = *p == u'\r';
                    s.cell.append(QChar(*p));
                    ++s.rowLength;
                }
                ++p;
                break;
            }
            case State::QuoteInQuoted:
                s.afterCR = false;
                if (c == u'"') {
                    s.cell.append(QChar(u'"'));
                    ++s.rowLength;
                    s.phase = State::Quoted;
                    ++p;
                } else if (c == separator) {
                    s.endCell();
                    s.phase = State::CellStart;
                    ++p;
                } else if (c == u'\n' || c == u'\r') {
                    s.endCell();
                    s.afterCR = c == u'\r';
                    ++s.line;
                    s.phase = State::RowStart;
                    rowEnded = true;
                    ++p;
                } else {
                    // Text after the closing quote belongs to the cell, as
                    // spreadsheet programs read it.
                    s.phase = State::Unquoted;
                }
                break;
            }
            if (s.rowLength > maxRowLength) {
                if (s.phase == State::Quoted)
                    s.fail(QCoreApplication::translate("CsvReader", "Et anførselstegn på linje %1 bliver ikke lukket.")
                               .arg(s.quoteLine));
                else
                    s.fail(QCoreApplication::translate(
                        "CsvReader", "Rækken på linje %1 er over %2 tegn lang: filen er ikke et regneark.")
                               .arg(s.rowLine)
                               .arg(maxRowLength));
                return Failed;
            }
        }
        s.position = p - begin;
        if (rowEnded) {
            row.line = s.rowLine;
            row.cells = std::exchange(s.cells, {});
            s.cells.reserve(row.cells.size());
            return RowRead;
        }
    }
}
