#pragma once

#include <QString>
#include <QStringList>
#include <QTest>

#include "core/PrintSettings.h"

// The print settings' keys and defaults, written out whole rather than built
// as the program builds them, so that a wrong rule for a key cannot agree
// with itself: a key that changes no longer reads the users' stored choices.
namespace PrintKeyRows {

struct Row
{
    PrintFields::Field field;
    const char *flagKey;
    bool flag; // printed unless chosen otherwise
    const char *lengthKey; // "" for a field without a length
    int length;
    int maxLength;
};

// One row per print field, in print order.
inline constexpr Row rows[] = {
    { PrintFields::ItemCount, "Print/printItemCount", false, "", 0, 0 },
    { PrintFields::Group, "Print/printGroupField", true, "Print/printGroupFieldLength", 15, 200 },
    { PrintFields::Name, "Print/printNameField", true, "Print/printNameFieldLength", 15, 200 },
    { PrintFields::Model, "Print/printModelField", true, "Print/printModelFieldLength", 15, 200 },
    { PrintFields::ProductType, "Print/printProductTypeField", false, "Print/printProductTypeFieldLength", 15, 200 },
    { PrintFields::Count, "Print/printCountField", false, "Print/printCountFieldLength", 3, 20 },
    { PrintFields::Price, "Print/printPriceField", true, "Print/printPriceFieldLength", 9, 12 },
    { PrintFields::PriceToday, "Print/printPriceTodayField", true, "Print/printPriceTodayFieldLength", 9, 12 },
    { PrintFields::Picture, "Print/printPictureField", false, "Print/printPictureFieldLength", 15, 200 },
    { PrintFields::Date, "Print/printDateField", true, "", 0, 0 },
    { PrintFields::Location, "Print/printLocationField", false, "Print/printLocationFieldLength", 15, 200 },
    { PrintFields::Describe, "Print/printDescribeField", false, "Print/printDescribeFieldLength", 15, 200 },
    { PrintFields::Supplier, "Print/printSupplierField", false, "Print/printSupplierFieldLength", 15, 200 },
    { PrintFields::Address, "Print/printAddressField", false, "Print/printAddressFieldLength", 15, 200 },
    { PrintFields::SerialNumber, "Print/printSerialNumberField", false, "Print/printSerialNumberFieldLength", 15, 200 },
    { PrintFields::Www, "Print/printWwwField", false, "Print/printWwwFieldLength", 15, 200 },
    { PrintFields::Receipt, "Print/printReceiptField", false, "Print/printReceiptFieldLength", 15, 200 },
    { PrintFields::Document, "Print/printDocumentField", false, "Print/printDocumentFieldLength", 15, 200 },
};

// Adds the rows as test data, one row per field named by its flag key, in
// the columns field, flagKey, flag, lengthKey, length and maxLength.
inline void add()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("flagKey");
    QTest::addColumn<bool>("flag");
    QTest::addColumn<QString>("lengthKey");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("maxLength");
    for (const Row &row : rows) {
        QTest::newRow(row.flagKey) << int(row.field) << QString::fromLatin1(row.flagKey) << row.flag
                                   << QString::fromLatin1(row.lengthKey) << row.length << row.maxLength;
    }
}

// Every key the print settings keep, the fields' and the others.
inline QStringList allKeys()
{
    return { "Print/printItemCount", "Print/printGroupField", "Print/printGroupFieldLength", "Print/printNameField",
        "Print/printNameFieldLength", "Print/printModelField", "Print/printModelFieldLength",
        "Print/printProductTypeField", "Print/printProductTypeFieldLength", "Print/printCountField",
        "Print/printCountFieldLength", "Print/printPriceField", "Print/printPriceFieldLength",
        "Print/printPriceTodayField", "Print/printPriceTodayFieldLength", "Print/printPictureField",
        "Print/printPictureFieldLength", "Print/printDateField", "Print/printLocationField",
        "Print/printLocationFieldLength", "Print/printDescribeField", "Print/printDescribeFieldLength",
        "Print/printSupplierField", "Print/printSupplierFieldLength", "Print/printAddressField",
        "Print/printAddressFieldLength", "Print/printSerialNumberField", "Print/printSerialNumberFieldLength",
        "Print/printWwwField", "Print/printWwwFieldLength", "Print/printReceiptField", "Print/printReceiptFieldLength",
        "Print/printDocumentField", "Print/printDocumentFieldLength", "Print/printSeparator", "Print/sortMethod",
        "Print/printGroupOnly", "Print/GroupToPrint", "Print/printLocationOnly", "Print/LocationToPrint" };
}

} // namespace PrintKeyRows
