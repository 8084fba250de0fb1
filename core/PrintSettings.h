#pragma once

#include <QString>
#include <QStringList>

#include <array>

// What a printed list and the HTML table show: which item fields, how many
// characters each takes in print, the character between fields, the sort,
// and whether only one group or one location is printed. Kept in the
// settings store under "Print/".
//
// Two copies exist: the program's current values (PrintSettings::current(),
// loaded at start-up and when the print setup dialog opens, written back by
// its OK), and a snapshot that each print or table export reads freshly from
// the store when it starts (PrintSettingsSnapshot).
namespace PrintFields {

// The fields in their fixed print order.
enum Field {
    ItemCount, // the running number
    Group,
    Name,
    Model, // the item's product ("Print/printModelField")
    ProductType, // the item's product model ("Print/printProductTypeField")
    Count,
    Price,
    PriceToday,
    Picture,
    Date,
    Location,
    Describe,
    Supplier,
    Address,
    SerialNumber,
    Www,
    Receipt,
    Document,
    FieldCount
};

// The flag key ("Print/printNameField") and its default.
QString flagKey(Field field);
bool defaultFlag(Field field);
// Whether the field has a length ("Print/printNameFieldLength"): all but the
// running number and the date.
bool hasLength(Field field);
QString lengthKey(Field field);
int defaultLength(Field field);
// The largest length the print setup dialog takes (the smallest is 1).
int maxLength(Field field);

} // namespace PrintFields

struct PrintSettingsSnapshot
{
    // Reads every value from the store; a missing key, and a value that is
    // not one the print setup can store, takes its default: a flag is "true"
    // or "false", a length lies in 1..maxLength, the separator is one of the
    // choices, the sort one of the collection's sorts (0, 1, 2, 5, 9, 10),
    // a group or location number in 0..maxListPosition.
    PrintSettingsSnapshot();

    // The last position in a group or location list (which hold 9999 names).
    static constexpr int maxListPosition = 9998;

    std::array<bool, PrintFields::FieldCount> flags {};
    // 0 for the fields without a length.
    std::array<int, PrintFields::FieldCount> lengths {};
    QString separator;
    int sortMethod = 0;
    bool printGroupOnly = false;
    int groupToPrint = 0;
    bool printLocationOnly = false;
    int locationToPrint = 0;

    bool prints(PrintFields::Field field) const { return flags[field]; }
    // Whether a print or table shows an item of the group and location: with
    // only one group, an item of it; with only one location, an item there;
    // with both, an item of the group or of the location.
    bool shows(int group, int location) const;
    int length(PrintFields::Field field) const { return lengths[field]; }

    // The separators offered, in order; the first is the default.
    static const QStringList &separatorChoices();
};

class PrintSettings : public PrintSettingsSnapshot
{
public:
    // The program's current values.
    static PrintSettings &current();

    // Reads every value from the store into the current values.
    void Load();
    // Puts the values into the store (and keeps them as the current ones).
    void store() const;
};
