#pragma once

#include <QString>

// How a spreadsheet file (CSV) is written or read: its character encoding,
// the separator between cells and whether its first row names the columns.
// Lines end in CR LF when written; a reader takes CR LF, LF and CR.
struct CsvFormat
{
    enum Encoding {
        Utf8,
        Utf8WithBom, // UTF-8 after a byte-order mark, for spreadsheet programs that need one
        Utf16LE, // with a byte-order mark
        Utf16BE, // with a byte-order mark
        Windows1252,
        Latin1,
    };

    Encoding encoding = Utf8;
    // ',', ';' or '\t'.
    char16_t separator = u',';
    bool firstRowHoldsNames = true;

    // The separator a spreadsheet of the running language expects: ";" for
    // Danish and Norwegian, where the comma is the decimal mark, "," for
    // English.
    static char16_t languageSeparator();
    // The encoding's name as the encoding boxes show it ("UTF-8",
    // "UTF-8 with BOM", "UTF-16 LE", "UTF-16 BE", "Windows-1252", "Latin-1").
    static QString encodingName(Encoding encoding);
};
