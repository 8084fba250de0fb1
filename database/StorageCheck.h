#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>

#include <limits>

#include "database/StoredText.h"

class Item;
class userItemCollection;

// Whether an item or a list keeps every character and number when it goes
// through its file and back. The writers ask here before they touch a file,
// so that what they write always reads back as it was; the texts say why
// something cannot be stored, for the user.
class StorageCheck
{
    Q_DECLARE_TR_FUNCTIONS(StorageCheck)

public:
    // The item's fields by their number in a data line of the database file.
    enum FileField {
        NoField = 0,
        GroupField = 1,
        NameField,
        ProductField,
        PriceField,
        PriceTodayField,
        DateField,
        SupplierField,
        SerialnoField,
        DescriptionField,
        AddressField,
        PhotolinkField,
        CountField,
        LocationField,
        WwwField,
        ReceiptField,
        DocumentField,
        ProductModelField,
    };

    struct ItemProblem
    {
        FileField field = NoField;
        QString reason;
        bool isNull() const { return field == NoField; }
    };

    // Why the text cannot be stored as it is, in one translated sentence
    // that names no field, so that it serves every caller; empty when it can.
    // By the field's rule unless told otherwise: a text given to a field is
    // refused a control character that the file would hold.
    static QString textProblem(QStringView text, StoredText::Rule rule = StoredText::FieldRule);
    // The characters of the text that the file cannot hold, each once,
    // separated by blanks, for a message that names them.
    static QString unstorableCharacters(QStringView text);
    // Why the number cannot be stored; empty when it can.
    static QString numberProblem(double value);

    // The counts (number of pieces) the file holds: the reader takes the
    // count field as a signed 32-bit decimal integer, the writer writes one.
    static constexpr int minCount = std::numeric_limits<int>::min();
    static constexpr int maxCount = std::numeric_limits<int>::max();
    static bool countFits(qint64 count) { return count >= minCount && count <= maxCount; }
    // Whether a count changed by change pieces is still one the file holds;
    // change is any int or the negation of one, so nothing overflows here.
    static bool countChangeFits(int count, qint64 change) { return countFits(qint64(count) + change); }

    enum CountReading {
        CountRead, // a whole decimal number the file holds as a count
        CountBeyondRange, // a whole decimal number outside minCount..maxCount
        NotACount, // no whole decimal number (also the empty text)
    };
    // A count written as text (blanks around it allowed); *count is set
    // only when the reading is CountRead.
    static CountReading readCount(QStringView text, int *count);
    // The first field of the item, in file order, that the running edition's
    // file cannot hold as it is.
    static ItemProblem itemProblem(const Item &item);
    // Why the list's entries cannot be written to a list file (the first
    // that cannot, with its line number); empty when all can.
    static QString listProblem(const QStringList &entries);

    // The title the user knows the field by: the database's own title from
    // its field-names list when it has one, otherwise the list's heading.
    static QString fieldTitle(const userItemCollection &fieldNames, FileField field);

    // The running edition writes a header whose format level makes every
    // reader skip the product model.
    static bool editionKeepsProductModel();
};
