#include "barcodes/LabelTemplate.h"

#include <QList>
#include <QRegularExpression>

#include <algorithm>

namespace {

const QChar defaultEscape = QLatin1Char('_');

// The data of one field of the template: from after its ^FD (or ^FV) to the
// next command.
struct Field
{
    qsizetype command = 0; // where the ^FD stands
    qsizetype dataStart = 0;
    qsizetype dataEnd = 0;
    bool hex = false; // the template reads it with ^FH
    QChar escape = defaultEscape;
    bool addHex = false; // a value needs an escape that the template does not ask for
};

bool isCommandPrefix(QChar c)
{
    return c == QLatin1Char('^') || c == QLatin1Char('~');
}

// C0, DEL and C1: nothing a name should carry to the printer as it is.
bool isUnsafe(QChar c)
{
    const char16_t code = c.unicode();
    return isCommandPrefix(c) || code < 0x20 || (code >= 0x7f && code <= 0x9f);
}

QList<Field> findFields(const QString &text)
{
    static const QRegularExpression data(QStringLiteral("\\^F[DV]"), QRegularExpression::CaseInsensitiveOption);
    QList<Field> fields;
    qsizetype from = 0;
    for (;;) {
        const QRegularExpressionMatch match = data.match(text, from);
        if (!match.hasMatch())
            break;
        Field field;
        field.command = match.capturedStart();
        field.dataStart = match.capturedEnd();
        field.dataEnd = field.dataStart;
        while (field.dataEnd < text.size() && !isCommandPrefix(text.at(field.dataEnd)))
            ++field.dataEnd;
        // A ^FH between the previous field's data and this ^FD is this
        // field's; the character after it, when not a command, is its escape.
        const QStringView before = QStringView(text).mid(from, field.command - from);
        const qsizetype hex = before.lastIndexOf(u"^FH", Qt::CaseInsensitive);
        if (hex >= 0) {
            field.hex = true;
            const qsizetype escape = hex + 3;
            if (escape < before.size() && !isCommandPrefix(before.at(escape)) && before.at(escape) > QLatin1Char(' '))
                field.escape = before.at(escape);
        }
        fields.append(field);
        from = field.dataEnd;
    }
    return fields;
}

QString hexEscape(QChar escape, QChar c)
{
    return escape + QStringLiteral("%1").arg(int(c.unicode()), 2, 16, QLatin1Char('0')).toUpper();
}

QString fieldValue(const QString &value, const Field &field)
{
    const bool hex = field.hex || field.addHex;
    const QChar escape = field.hex ? field.escape : defaultEscape;
    QString safe;
    for (const QChar c : value)
        safe += hex && (isUnsafe(c) || c == escape) ? hexEscape(escape, c) : QString(c);
    return safe;
}

QString plainValue(const QString &value)
{
    QString safe = value;
    for (QChar &c : safe) {
        if (isUnsafe(c))
            c = QLatin1Char('?');
    }
    return safe;
}

} // namespace

QString LabelTemplate::fill(const QString &text, const QStringList &values)
{
    static const QRegularExpression placeholder(QStringLiteral("%([1-9][0-9]?)"));
    QList<int> numbers;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text)) {
        const int number = match.captured(1).toInt();
        if (!numbers.contains(number))
            numbers.append(number);
    }
    std::sort(numbers.begin(), numbers.end());

    struct Slot
    {
        qsizetype start;
        qsizetype end;
        QString value;
        Field *field;
    };
    QList<Field> fields = findFields(text);
    QList<Slot> placed;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text)) {
        const qsizetype index = numbers.indexOf(match.captured(1).toInt());
        if (index >= values.size())
            continue;
        Slot slot { match.capturedStart(), match.capturedEnd(), values.at(index), nullptr };
        for (Field &field : fields) {
            if (slot.start >= field.dataStart && slot.start < field.dataEnd)
                slot.field = &field;
        }
        if (slot.field && !slot.field->hex && std::any_of(slot.value.cbegin(), slot.value.cend(), isUnsafe))
            slot.field->addHex = true;
        placed.append(slot);
    }

    QString filled;
    qsizetype done = 0;
    // The template's own text up to the position: a ^FH where one is added,
    // and that field's "_" escaped, since ^FH makes it an escape.
    const auto copyUpTo = [&](qsizetype position) {
        for (; done < position; ++done) {
            const QChar c = text.at(done);
            bool escaped = false;
            for (const Field &field : std::as_const(fields)) {
                if (!field.addHex)
                    continue;
                if (done == field.command)
                    filled += QStringLiteral("^FH");
                if (done >= field.dataStart && done < field.dataEnd && c == defaultEscape)
                    escaped = true;
            }
            filled += escaped ? hexEscape(defaultEscape, c) : QString(c);
        }
    };
    for (const Slot &slot : std::as_const(placed)) {
        copyUpTo(slot.start);
        filled += slot.field ? fieldValue(slot.value, *slot.field) : plainValue(slot.value);
        done = slot.end;
    }
    copyUpTo(text.size());
    return filled;
}
