#include "database/ExportFile.h"

#include <QCoreApplication>

#include "database/AsyncBlockWriter.h"
#include "database/MarkupText.h"
#include "database/SaveTarget.h"

#include <algorithm>
#include <charconv>

namespace {

// Texts are converted in pieces of this many UTF-16 units, so that one piece
// always fits the buffer whatever it holds.
constexpr qsizetype textPiece = 4096;

// The longest number text: a double in fixed notation (up to 309 digits).
constexpr qsizetype maxNumberBytes = 400;

} // namespace

ExportFile::ExportFile() = default;

ExportFile::~ExportFile() = default;

bool ExportFile::open(const QString &fileName)
{
    m_errorString.clear();
    m_failed = false;
    m_used = 0;
    // Written beside the older file of that name, which it replaces only
    // once it is whole: an export that fails on the way (a full disk) leaves
    // the older export as it was, and no half page.
    m_file = std::make_unique<SaveTarget>(fileName);
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        m_errorString = m_file->errorString();
        m_file.reset();
        return false;
    }
    if (!m_buffer) {
        m_buffer = std::make_unique<char[]>(std::size_t(bufferSize));
        m_spare = std::make_unique<char[]>(std::size_t(bufferSize));
    }
    m_writer = std::make_unique<AsyncBlockWriter>(m_file->device());
    return true;
}

bool ExportFile::finish()
{
    flush();
    if (!m_writer->wait())
        m_failed = true;
    m_writer.reset();
    if (m_failed) {
        m_errorString
            = m_file->writeFailure(QCoreApplication::translate("DBItemCollection", "Filen kunne ikke skrives."));
        m_file->cancel();
    } else if (!m_file->commit()) {
        m_failed = true;
        m_errorString = m_file->errorString();
    }
    m_file.reset();
    return !m_failed;
}

void ExportFile::flush()
{
    // The full buffer goes to the file on a thread of its own while the
    // other one is filled.
    if (m_used > 0 && !m_failed) {
        if (m_writer->write(m_buffer.get(), m_used))
            std::swap(m_buffer, m_spare);
        else
            m_failed = true;
    }
    m_used = 0;
}

void ExportFile::put(std::string_view ascii)
{
    reserve(qsizetype(ascii.size()) * 2);
    char *out = m_buffer.get() + m_used;
    while (!ascii.empty()) {
        const auto lineEnd = ascii.find('\n');
        const std::size_t length = lineEnd == std::string_view::npos ? ascii.size() : lineEnd;
        std::memcpy(out, ascii.data(), length);
        out += length;
        if (lineEnd == std::string_view::npos)
            break;
        *out++ = '\r';
        *out++ = '\n';
        ascii.remove_prefix(length + 1);
    }
    m_used = out - m_buffer.get();
}

void ExportFile::putText(QStringView text)
{
    while (!text.isEmpty()) {
        qsizetype take = std::min(text.size(), textPiece);
        // A surrogate pair stays in one piece: it is one character, one "?".
        if (take < text.size() && text.at(take - 1).isHighSurrogate())
            --take;
        reserve(take * MarkupText::maxBytesPerUnit);
        m_used = MarkupText::writeLatin1(text.first(take), m_buffer.get() + m_used) - m_buffer.get();
        text = text.sliced(take);
    }
}

void ExportFile::putText(const Item &item, Item::Text which)
{
    const QByteArrayView bytes = item.textBytes(which);
    if (!item.textsAreLatin1() || bytes.size() > textPiece) {
        putText(item.text(which));
        return;
    }
    // The texts are Latin-1 already: written from the item's own bytes.
    reserve(bytes.size() * MarkupText::maxBytesPerUnit);
    m_used = MarkupText::writeLatin1(bytes, m_buffer.get() + m_used) - m_buffer.get();
}

void ExportFile::putNumber(double value)
{
    reserve(maxNumberBytes);
    char *out = m_buffer.get() + m_used;
    const auto result = std::to_chars(out, out + maxNumberBytes, value, std::chars_format::fixed, 1);
    m_used = result.ptr - m_buffer.get();
}

void ExportFile::putInteger(int value)
{
    reserve(16);
    char *out = m_buffer.get() + m_used;
    const auto result = std::to_chars(out, out + 16, value);
    m_used = result.ptr - m_buffer.get();
}
