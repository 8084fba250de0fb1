#pragma once

#include <QString>
#include <QStringList>

// Fills a label template with the texts of one label so that no text can
// give the label printer a command of its own.
//
// Placeholders %1 to %99 are filled in order: the lowest-numbered one present
// takes the first value, the next the second, and so on; one without a value
// stays as written. One pass, so a placeholder inside a value is never filled
// in turn.
//
// The printer reads "^" and "~" as the start of a command wherever they
// stand, so a value never reaches it with either raw:
// - In the data of a ZPL field (after ^FD or ^FV, up to the next "^" or "~")
//   a value has "^", "~", control characters and, when the field is read
//   with ^FH, its escape character written as hexadecimal escapes (_5E). A
//   field that needs such an escape and has no ^FH gets one put in front of
//   its ^FD, and the template's own "_" in that field's data is escaped as
//   well, so that it still prints as "_". Fields whose values need nothing
//   stay byte for byte as the template has them.
// - Anywhere else (a command's parameter, a template in another language)
//   there is no escape, and those characters are written as "?".
// Letters from the upper half of Latin-1 stay as they are: the label is
// written as Latin-1 bytes, which the shipped templates have the printer read
// as Windows-1252 (^CI27), the same letters at the same bytes.
class LabelTemplate
{
public:
    static QString fill(const QString &text, const QStringList &values);
};
