#include "core/PrintSettings.h"

#include "core/CheckedSetting.h"
#include "core/Settings.h"

#include <QDebug>
#include <QStringList>

namespace {

struct FieldKeys
{
    const char *name; // the key's middle part: "Name" in "Print/printNameField"
    bool flag;
    int length; // 0: no length key
    int maxLength;
};

// In print order.
constexpr std::array<FieldKeys, PrintFields::FieldCount> fieldKeys { {
    { "ItemCount", false, 0, 0 },
    { "Group", true, 15, 200 },
    { "Name", true, 15, 200 },
    { "Model", true, 15, 200 },
    { "ProductType", false, 15, 200 },
    { "Count", false, 3, 20 },
    { "Price", true, 9, 12 },
    { "PriceToday", true, 9, 12 },
    { "Picture", false, 15, 200 },
    { "Date", true, 0, 0 },
    { "Location", false, 15, 200 },
    { "Describe", false, 15, 200 },
    { "Supplier", false, 15, 200 },
    { "Address", false, 15, 200 },
    { "SerialNumber", false, 15, 200 },
    { "Www", false, 15, 200 },
    { "Receipt", false, 15, 200 },
    { "Document", false, 15, 200 },
} };

QString keyName(PrintFields::Field field)
{
    return QLatin1String(fieldKeys[field].name);
}

const QString sortKey = QStringLiteral("Print/sortMethod");
const QString separatorKey = QStringLiteral("Print/printSeparator");
const QString groupOnlyKey = QStringLiteral("Print/printGroupOnly");
const QString groupKey = QStringLiteral("Print/GroupToPrint");
const QString locationOnlyKey = QStringLiteral("Print/printLocationOnly");
const QString locationKey = QStringLiteral("Print/LocationToPrint");

// Every value is held to what the print setup dialog can store: a length
// beyond its input's limits would make a line of millions of blanks (or cut
// every cell to nothing), and the dialog would show it and store it again.
void read(PrintSettingsSnapshot &values)
{
    using namespace CheckedSetting;
    const Settings settings;
    for (int i = 0; i < PrintFields::FieldCount; ++i) {
        const auto field = PrintFields::Field(i);
        values.flags[i] = flag(settings, PrintFields::flagKey(field), PrintFields::defaultFlag(field));
        values.lengths[i] = PrintFields::hasLength(field) ? number(settings, PrintFields::lengthKey(field),
                                PrintFields::defaultLength(field), 1, PrintFields::maxLength(field))
                                                          : 0;
    }
    const QStringList &separators = PrintSettingsSnapshot::separatorChoices();
    values.separator = choice(settings, separatorKey, separators.first(), separators);
    values.sortMethod = oneOf(settings, sortKey, 0, { 0, 1, 2, 5, 9, 10 });
    values.printGroupOnly = flag(settings, groupOnlyKey, false);
    values.groupToPrint = number(settings, groupKey, 0, 0, PrintSettingsSnapshot::maxListPosition);
    values.printLocationOnly = flag(settings, locationOnlyKey, false);
    values.locationToPrint = number(settings, locationKey, 0, 0, PrintSettingsSnapshot::maxListPosition);
}

} // namespace

QString PrintFields::flagKey(Field field)
{
    // The running number's key alone has no "Field" at its end.
    if (field == ItemCount)
        return QStringLiteral("Print/printItemCount");
    return QStringLiteral("Print/print") + keyName(field) + QStringLiteral("Field");
}

bool PrintFields::defaultFlag(Field field)
{
    return fieldKeys[field].flag;
}

bool PrintFields::hasLength(Field field)
{
    return fieldKeys[field].length > 0;
}

QString PrintFields::lengthKey(Field field)
{
    return hasLength(field) ? flagKey(field) + QStringLiteral("Length") : QString();
}

int PrintFields::defaultLength(Field field)
{
    return fieldKeys[field].length;
}

int PrintFields::maxLength(Field field)
{
    return fieldKeys[field].maxLength;
}

PrintSettingsSnapshot::PrintSettingsSnapshot()
{
    read(*this);
}

bool PrintSettingsSnapshot::shows(int group, int location) const
{
    if (printGroupOnly)
        return group == groupToPrint || (printLocationOnly && location == locationToPrint);
    return !printLocationOnly || location == locationToPrint;
}

const QStringList &PrintSettingsSnapshot::separatorChoices()
{
    static const QStringList choices { QStringLiteral("|"), QStringLiteral(";"), QStringLiteral(":"),
        QStringLiteral("+"), QStringLiteral("#"), QStringLiteral("!"), QStringLiteral("I") };
    return choices;
}

PrintSettings &PrintSettings::current()
{
    static PrintSettings settings;
    return settings;
}

void PrintSettings::Load()
{
    read(*this);
    qDebug().noquote() << separator;
}

void PrintSettings::store() const
{
    Settings settings;
    for (int i = 0; i < PrintFields::FieldCount; ++i) {
        const auto field = PrintFields::Field(i);
        settings.setValue(PrintFields::flagKey(field), flags[i]);
        if (PrintFields::hasLength(field))
            settings.setValue(PrintFields::lengthKey(field), lengths[i]);
    }
    settings.setValue(separatorKey, separator);
    settings.setValue(sortKey, sortMethod);
    settings.setValue(groupOnlyKey, printGroupOnly);
    settings.setValue(groupKey, groupToPrint);
    settings.setValue(locationOnlyKey, printLocationOnly);
    settings.setValue(locationKey, locationToPrint);
    if (this != &current())
        current().PrintSettingsSnapshot::operator=(*this);
}
