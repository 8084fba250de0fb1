#include "barcodes/ZplLabel.h"

#include <QByteArray>

#include <algorithm>

namespace {

bool isCommandPrefix(QChar c)
{
    return c == QLatin1Char('^') || c == QLatin1Char('~');
}

// The printer reads the upper half of Windows-1252 where Latin-1 has its C1
// controls; above them both are the same.
const char16_t windows1252High[32] = { 0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030,
    0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178 };

enum CodePage { PrinterDefault, Windows1252, Utf8 };

// The default code page of a printer (^CI0) is plain ASCII below 128; above
// it the printer's own table, which differs between models.
bool decode(const QByteArray &bytes, CodePage page, QString *text)
{
    if (page == Utf8) {
        *text = QString::fromUtf8(bytes);
        return true;
    }
    QString decoded;
    decoded.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code < 0x80)
            decoded += QChar(code);
        else if (page == PrinterDefault)
            return false;
        else if (code < 0xa0)
            decoded += QChar(windows1252High[code - 0x80]);
        else
            decoded += QChar(code);
    }
    *text = decoded;
    return true;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// ^FH: the escape character and two hexadecimal digits stand for one byte.
QByteArray unescape(const QByteArray &data, char escape)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < data.size(); ++i) {
        if (data.at(i) == escape && i + 2 < data.size()) {
            const int high = hexDigit(data.at(i + 1));
            const int low = hexDigit(data.at(i + 2));
            if (high >= 0 && low >= 0) {
                bytes += char(high * 16 + low);
                i += 2;
                continue;
            }
        }
        bytes += data.at(i);
    }
    return bytes;
}

QByteArray bytesOf(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text)
        bytes += c.unicode() <= 0xff ? char(c.unicode()) : '?';
    return bytes;
}

bool orientationOf(const QString &text, ZplLabel::Orientation *orientation)
{
    const QString code = text.trimmed().toUpper();
    if (code == QLatin1String("N"))
        *orientation = ZplLabel::Normal;
    else if (code == QLatin1String("R"))
        *orientation = ZplLabel::Rotated;
    else if (code == QLatin1String("I"))
        *orientation = ZplLabel::Inverted;
    else if (code == QLatin1String("B"))
        *orientation = ZplLabel::Bottom;
    else
        return false;
    return true;
}

// A parameter, or the fallback when it is absent, empty or not a number.
int number(const QStringList &parameters, int index, int fallback)
{
    if (index >= parameters.size())
        return fallback;
    bool ok = false;
    const int value = parameters.at(index).trimmed().toInt(&ok);
    return ok ? value : fallback;
}

QString parameter(const QStringList &parameters, int index)
{
    return index < parameters.size() ? parameters.at(index).trimmed().toUpper() : QString();
}

bool isFlag(const QString &value, bool *flag)
{
    if (value == QLatin1String("Y"))
        *flag = true;
    else if (value == QLatin1String("N"))
        *flag = false;
    else
        return value.isEmpty();
    return true;
}

// What one field has collected from its commands up to ^FS.
struct PendingField
{
    bool started = false;
    bool leftOut = false; // a command in it is not drawn
    QPoint origin;
    bool hasFont = false;
    QChar font;
    bool hasFontOrientation = false;
    ZplLabel::Orientation fontOrientation = ZplLabel::Normal;
    int fontHeight = 0;
    int fontWidth = 0;
    bool hex = false;
    char escape = '_';
    bool barcode = false;
    ZplLabel::Field code;
    bool hasData = false;
    QByteArray data;
};

} // namespace

ZplLabel ZplLabel::parse(const QString &text)
{
    ZplLabel label;
    const auto note = [&label](const QString &command) {
        if (!label.m_notShown.contains(command))
            label.m_notShown.append(command);
    };

    QPoint home;
    Orientation defaultOrientation = Normal;
    // The printer's own default font until ^CF sets one.
    QChar defaultFont = QLatin1Char('A');
    int defaultHeight = 9;
    int defaultWidth = 5;
    int moduleWidth = 2;
    int barHeight = 10;
    CodePage codePage = PrinterDefault;
    QString codePageCommand = QStringLiteral("^CI0");
    PendingField field;

    const auto finishField = [&]() {
        if (field.hasData && !field.leftOut) {
            Field done = field.barcode ? field.code : Field();
            done.origin = field.started ? field.origin : home;
            if (!field.barcode) {
                const QChar font = field.hasFont ? field.font : defaultFont;
                done.kind = Field::Text;
                done.orientation = field.hasFontOrientation ? field.fontOrientation : defaultOrientation;
                done.fontHeight = field.hasFont && field.fontHeight > 0 ? field.fontHeight : defaultHeight;
                done.fontWidth = field.hasFont && field.fontWidth > 0 ? field.fontWidth : defaultWidth;
                if (field.hasFont && field.fontHeight > 0 && field.fontWidth <= 0)
                    done.fontWidth = done.fontHeight;
                if (font != QLatin1Char('0')) {
                    note(QStringLiteral("^A") + font);
                    field = PendingField();
                    return;
                }
            }
            const QByteArray bytes = field.hex ? unescape(field.data, field.escape) : field.data;
            if (decode(bytes, codePage, &done.data))
                label.m_fields.append(done);
            else
                note(codePageCommand);
        }
        field = PendingField();
    };

    const qsizetype size = text.size();
    qsizetype at = 0;
    while (at < size) {
        if (!isCommandPrefix(text.at(at))) {
            ++at; // the printer skips what stands between commands
            continue;
        }
        const QChar prefix = text.at(at);
        if (at + 1 >= size)
            break;
        // The font command takes the font's name right after the "A".
        const bool fontCommand = prefix == QLatin1Char('^') && text.at(at + 1).toUpper() == QLatin1Char('A');
        const qsizetype nameLength = fontCommand ? 1 : 2;
        if (at + nameLength >= size)
            break;
        const QString name = text.mid(at + 1, nameLength).toUpper();
        qsizetype end = at + 1 + nameLength;
        while (end < size && !isCommandPrefix(text.at(end)))
            ++end;
        QString arguments = text.mid(at + 1 + nameLength, end - at - 1 - nameLength);
        // Line ends are not part of a label: the printer ignores them.
        arguments.remove(QLatin1Char('\r'));
        arguments.remove(QLatin1Char('\n'));
        at = end;
        const QString command = prefix + name;
        const QString written = command + arguments;
        const QStringList parameters = arguments.split(QLatin1Char(','));

        if (prefix != QLatin1Char('^')) {
            note(command);
            field.leftOut = true;
            continue;
        }

        if (name == QLatin1String("XA")) {
            label.m_hasStart = true;
        } else if (name == QLatin1String("XZ")) {
            label.m_hasEnd = true;
            break;
        } else if (name == QLatin1String("FO")) {
            field.started = true;
            field.origin = home + QPoint(number(parameters, 0, 0), number(parameters, 1, 0));
            const QString justification = parameter(parameters, 2);
            if (!justification.isEmpty() && justification != QLatin1String("0")) {
                note(written);
                field.leftOut = true;
            }
        } else if (name == QLatin1String("LH")) {
            home = QPoint(number(parameters, 0, 0), number(parameters, 1, 0));
        } else if (name == QLatin1String("FW")) {
            const QString justification = parameter(parameters, 1);
            if (!orientationOf(parameter(parameters, 0), &defaultOrientation)
                || (!justification.isEmpty() && justification != QLatin1String("0")))
                note(written);
        } else if (name == QLatin1String("CF")) {
            const QString font = parameter(parameters, 0);
            if (!font.isEmpty())
                defaultFont = font.at(0);
            const int height = number(parameters, 1, 0);
            const int width = number(parameters, 2, 0);
            if (height > 0) {
                defaultHeight = height;
                defaultWidth = width > 0 ? width : height;
            } else if (width > 0) {
                defaultWidth = width;
            }
        } else if (name == QLatin1String("A")) {
            field.hasFont = true;
            field.font = arguments.isEmpty() ? defaultFont : arguments.at(0).toUpper();
            const QStringList rest = arguments.mid(1).split(QLatin1Char(','));
            Orientation orientation = defaultOrientation;
            if (orientationOf(parameter(rest, 0), &orientation)) {
                field.hasFontOrientation = true;
                field.fontOrientation = orientation;
            }
            field.fontHeight = number(rest, 1, 0);
            field.fontWidth = number(rest, 2, 0);
        } else if (name == QLatin1String("FH")) {
            field.hex = true;
            if (!arguments.isEmpty() && arguments.at(0) > QLatin1Char(' ') && arguments.at(0).unicode() < 0x80)
                field.escape = char(arguments.at(0).unicode());
        } else if (name == QLatin1String("FD") || name == QLatin1String("FV")) {
            field.hasData = true;
            field.data += bytesOf(arguments);
        } else if (name == QLatin1String("FS")) {
            finishField();
        } else if (name == QLatin1String("BY")) {
            moduleWidth = qBound(1, number(parameters, 0, moduleWidth), 10);
            barHeight = std::max(1, number(parameters, 2, barHeight));
        } else if (name == QLatin1String("BC")) {
            field.barcode = true;
            Field &code = field.code;
            code.kind = Field::Code128;
            code.orientation = defaultOrientation;
            orientationOf(parameter(parameters, 0), &code.orientation);
            code.moduleWidth = moduleWidth;
            code.barHeight = std::max(1, number(parameters, 1, barHeight));
            bool checkDigit = false;
            // Only the automatic mode is drawn as the printer codes it: the
            // others read invocation codes in the data or add digits.
            const bool drawn = isFlag(parameter(parameters, 2), &code.interpretation)
                && isFlag(parameter(parameters, 3), &code.interpretationAbove)
                && isFlag(parameter(parameters, 4), &checkDigit) && !checkDigit
                && parameter(parameters, 5) == QLatin1String("A");
            if (!drawn) {
                note(written);
                field.leftOut = true;
            }
        } else if (name == QLatin1String("PW")) {
            label.m_printWidth = std::max(0, number(parameters, 0, 0));
        } else if (name == QLatin1String("LL")) {
            label.m_labelLength = std::max(0, number(parameters, 0, 0));
        } else if (name == QLatin1String("PQ")) {
            label.m_quantity = std::max(1, number(parameters, 0, 1));
        } else if (name == QLatin1String("CI")) {
            const int page = number(parameters, 0, 0);
            codePage = page == 27 ? Windows1252 : page == 28 ? Utf8 : PrinterDefault;
            codePageCommand = written;
        } else if (name == QLatin1String("FX") || name == QLatin1String("PR") || name == QLatin1String("MN")
            || name == QLatin1String("MT") || name == QLatin1String("MM") || name == QLatin1String("MD")) {
            // A comment, and how the printer prints: speed, media, darkness.
        } else if (name == QLatin1String("PO") || name == QLatin1String("PM") || name == QLatin1String("LR")) {
            // Turned, mirrored or reversed labels are not drawn so.
            const QString value = parameter(parameters, 0);
            if (!value.isEmpty() && value != QLatin1String("N"))
                note(written);
        } else {
            note(command);
            field.leftOut = true;
        }
    }
    return label;
}
