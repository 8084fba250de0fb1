#include "database/CsvFormat.h"

#include <QCoreApplication>

#include "core/Edition.h"

char16_t CsvFormat::languageSeparator()
{
    // Danish and Norwegian spreadsheets write "1,5" for one and a half, so
    // they split cells at ";".
    return currentLanguage() == QLatin1String("en") ? u',' : u';';
}

QString CsvFormat::encodingName(Encoding encoding)
{
    switch (encoding) {
    case Utf8:
        return QStringLiteral("UTF-8");
    case Utf8WithBom:
        return QCoreApplication::translate("CsvFormat", "UTF-8 med BOM");
    case Utf16LE:
        return QStringLiteral("UTF-16 LE");
    case Utf16BE:
        return QStringLiteral("UTF-16 BE");
    case Windows1252:
        return QStringLiteral("Windows-1252");
    case Latin1:
        return QStringLiteral("Latin-1");
    }
    return QString();
}
