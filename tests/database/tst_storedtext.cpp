#include <QTest>

#include <QTemporaryDir>

#include "ItemFixtures.h"
#include "TestSupport.h"
#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/DatabaseFile.h"
#include "database/Item.h"
#include "database/StorageCheck.h"
#include "database/StoredText.h"
#include "database/userItemCollection.h"

namespace {

// The fields of a data line that hold the item's texts, in Item::Text order.
constexpr StorageCheck::FileField fileFieldOf[Item::TextCount] = {
    StorageCheck::NameField,
    StorageCheck::ProductField,
    StorageCheck::DateField,
    StorageCheck::SupplierField,
    StorageCheck::SerialnoField,
    StorageCheck::DescriptionField,
    StorageCheck::AddressField,
    StorageCheck::PhotolinkField,
    StorageCheck::WwwField,
    StorageCheck::ReceiptField,
    StorageCheck::DocumentField,
    StorageCheck::ProductModelField,
};

} // namespace

// What the database file can hold, checked before anything is written.
class tst_StoredText : public QObject
{
    Q_OBJECT

private slots:
    void check_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("problem");

        QTest::newRow("empty") << QString() << int(StoredText::None);
        QTest::newRow("plain Danish") << QStringLiteral("Sofabord i eg, ærø") << int(StoredText::None);
        QTest::newRow("199 bytes") << QString(199, u'x') << int(StoredText::None);
        QTest::newRow("199 Latin-1 letters") << QString(199, u'ø') << int(StoredText::None);
        QTest::newRow("200 bytes") << QString(200, u'x') << int(StoredText::TooLong);
        QTest::newRow("separator") << QStringLiteral("a;b") << int(StoredText::Separator);
        QTest::newRow("line feed") << QStringLiteral("a\nb") << int(StoredText::LineBreak);
        QTest::newRow("carriage return") << QStringLiteral("a\rb") << int(StoredText::LineBreak);
        QTest::newRow("zero character") << (QStringLiteral("12") + QChar(0) + QStringLiteral("3"))
                                        << int(StoredText::ZeroCharacter);
        QTest::newRow("euro") << QStringLiteral("Pris 100 \u20ac") << int(StoredText::NotLatin1);
        QTest::newRow("Polish") << QStringLiteral("\u0141\u00f3d\u017a") << int(StoredText::NotLatin1);
        QTest::newRow("separator before line break") << QStringLiteral("a\n;") << int(StoredText::Separator);
        QTest::newRow("230-byte path with separator")
            << (QString(220, u'p') + QStringLiteral("/a;b.jpg")) << int(StoredText::Separator);
    }
    void check()
    {
        QFETCH(QString, text);
        QFETCH(int, problem);
        QCOMPARE(int(StoredText::check(text)), problem);
    }

    // A field takes no control character (an XML export could not carry
    // it); the file holds it, so a database that has one still saves.
    void fieldRule_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("inFile");
        QTest::addColumn<int>("inField");
        const int none = StoredText::None, control = StoredText::ControlCharacter;
        QTest::newRow("tab") << QStringLiteral("a\tb") << none << none;
        QTest::newRow("vertical tab") << QStringLiteral("a\vb") << none << control;
        QTest::newRow("escape") << QStringLiteral("\x1b[1m") << none << control;
        QTest::newRow("start of heading") << QStringLiteral("\x01") << none << control;
        QTest::newRow("unit separator") << QStringLiteral("x\x1f") << none << control;
        QTest::newRow("delete is no control XML forbids") << QStringLiteral("x\x7f") << none << none;
        QTest::newRow("a C1 control neither") << QStringLiteral("x\u0085") << none << none;
        QTest::newRow("separator comes first")
            << QStringLiteral("a\x1b;") << int(StoredText::Separator) << int(StoredText::Separator);
        QTest::newRow("before a character Latin-1 lacks")
            << QStringLiteral("\u20ac\x1b") << int(StoredText::NotLatin1) << control;
        QTest::newRow("before a length of 200")
            << (QString(199, u'x') + QChar(0x1b)) << int(StoredText::TooLong) << control;
    }
    void fieldRule()
    {
        QFETCH(QString, text);
        QFETCH(int, inFile);
        QFETCH(int, inField);
        QCOMPARE(int(StoredText::check(text, StoredText::FileRule)), inFile);
        QCOMPARE(int(StoredText::check(text, StoredText::FieldRule)), inField);
        QCOMPARE(StoredText::isStorable(text), inFile == StoredText::None);
        QCOMPARE(StoredText::isEnterable(text), inField == StoredText::None);
        QCOMPARE(StorageCheck::textProblem(text, StoredText::FileRule).isEmpty(), inFile == StoredText::None);
        QCOMPARE(StorageCheck::textProblem(text).isEmpty(), inField == StoredText::None);
    }

    // Every text of an item may hold 199 bytes, none 200: on the bytes of
    // an item read from a file, and on an item held beyond Latin-1, whose
    // character the file cannot hold stands in its last text (so that a
    // text before it that is too long is named first).
    void itemTextLengths_data()
    {
        QTest::addColumn<int>("text");
        QTest::addColumn<bool>("latin1");
        for (int text = 0; text < Item::TextCount; ++text) {
            QTest::addRow("text %d, Latin-1", text) << text << true;
            if (text != Item::ProductModelText)
                QTest::addRow("text %d, wide", text) << text << false;
        }
    }
    void itemTextLengths()
    {
        QFETCH(int, text);
        QFETCH(bool, latin1);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        const auto which = Item::Text(text);
        auto item = ItemFixtures::makeItem(0, QStringLiteral("Sofa"), 1);
        if (!latin1)
            item->setProductModel(QStringLiteral("PH \u20ac"));
        QCOMPARE(item->textsAreLatin1(), latin1);
        for (const int length : { 199, 200 }) {
            item->setText(which, QString(length, u'\u00f8'));
            const StorageCheck::ItemProblem problem = StorageCheck::itemProblem(*item);
            if (length == 200) {
                QCOMPARE(int(problem.field), int(fileFieldOf[text]));
                QCOMPARE(problem.reason, QString::fromUtf8("Databasen kan højst gemme 199 tegn i et felt."));
            } else if (latin1) {
                QVERIFY2(problem.isNull(), qPrintable(problem.reason));
            } else {
                QCOMPARE(int(problem.field), int(StorageCheck::ProductModelField));
                QCOMPARE(problem.reason, QString::fromUtf8("Tegnene \u20ac kan ikke gemmes i databasen."));
            }
        }
    }

    // The byte the file cannot hold is found wherever it is among the
    // bytes the check looks at eight at a time, and in the bytes after.
    void unstorableByteAnywhere_data()
    {
        QTest::addColumn<char>("byte");
        QTest::addColumn<QString>("reason");
        QTest::newRow("carriage return") << '\r' << QStringLiteral("Linjeskift kan ikke gemmes i et felt.");
        QTest::newRow("line feed") << '\n' << QStringLiteral("Linjeskift kan ikke gemmes i et felt.");
        QTest::newRow("separator") << ';'
                                   << QStringLiteral(
                                          "Semikolon (;) kan ikke gemmes, fordi databasen bruger det mellem felterne.");
        QTest::newRow("zero") << '\0' << QStringLiteral("Teksten indeholder et nul-tegn.");
    }
    void unstorableByteAnywhere()
    {
        QFETCH(char, byte);
        QFETCH(QString, reason);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        for (int before = 0; before < 9; ++before) {
            for (int length = 1; length <= 24; ++length) {
                for (int at = 0; at < length; ++at) {
                    // The texts before the description move its bytes
                    // through every place in a word.
                    Item item;
                    item.setName(QString(before + 1, u'n'));
                    QString description(length, u'd');
                    description[at] = QLatin1Char(byte);
                    item.setDescription(description);
                    item.setDocument(QStringLiteral("manual.pdf"));
                    QVERIFY(item.textsAreLatin1());
                    const StorageCheck::ItemProblem problem = StorageCheck::itemProblem(item);
                    if (problem.field != StorageCheck::DescriptionField || problem.reason != reason)
                        QFAIL(qPrintable(QStringLiteral("name of %1, byte %2 of %3: field %4, \"%5\"")
                                             .arg(before + 1)
                                             .arg(at)
                                             .arg(length)
                                             .arg(int(problem.field))
                                             .arg(problem.reason)));
                }
            }
        }
    }

    // A save refuses such an item whole: the file keeps its old bytes, and
    // no carriage return gets into a line, where a reader would end it.
    void carriageReturnIsNeverSaved_data()
    {
        QTest::addColumn<int>("at");
        for (int at = 0; at < 16; ++at)
            QTest::addRow("byte %d", at) << at;
    }
    void carriageReturnIsNeverSaved()
    {
        QFETCH(int, at);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        QTemporaryDir dir;
        Settings().setValue(QStringLiteral("LastDBDir"), dir.path());
        const QString path = dir.filePath(QStringLiteral("kept.inb"));
        const QByteArray old = DatabaseFile::headerLine() + "\n1;Gammel;x;1.000000;1.000000;;;;;;;1;0;;;;;\n";
        QVERIFY(TestSupport::writeFile(path, old));

        DBItemCollection collection(nullptr);
        QString name(16, u'a');
        name[at] = QLatin1Char('\r');
        auto item = std::make_unique<Item>();
        item->setName(name);
        collection.add(std::move(item));
        QVERIFY(!collection.SaveToFileAsAscii(path));
        QCOMPARE(TestSupport::readFile(path), old);
        QCOMPARE(boxes.count(), 1);

        // Without it, the same item is saved.
        collection.at(0)->setName(QString(16, u'a'));
        QVERIFY(collection.SaveToFileAsAscii(path));
        QVERIFY(TestSupport::readFile(path).contains(QByteArray(16, 'a')));
    }

    void unencodableCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        QTest::newRow("Latin-1 only") << QStringLiteral("æøå ÆØÅ ü") << QString();
        QTest::newRow("euro twice") << QStringLiteral("\u20ac 5 \u20ac") << QStringLiteral("\u20ac");
        QTest::newRow("in order of appearance")
            << QStringLiteral("\u4e2d\u6587 \u0141") << QStringLiteral("\u4e2d\u6587\u0141");
        QTest::newRow("camera emoji stays whole")
            << QStringLiteral("foto \U0001F4F7 \U0001F4F7") << QStringLiteral("\U0001F4F7");
    }
    void unencodableCharacters()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(StoredText::unencodableCharacters(text), expected);
    }

    void numbers()
    {
        QVERIFY(StoredText::isStorableNumber(0.0));
        QVERIFY(StoredText::isStorableNumber(9999999.0));
        QVERIFY(StoredText::isStorableNumber(-1.5));
        QVERIFY(!StoredText::isStorableNumber(qInf()));
        QVERIFY(!StoredText::isStorableNumber(-qInf()));
        QVERIFY(!StoredText::isStorableNumber(qQNaN()));
    }

    // A count as the scanner's records and the item dialog give it: the
    // range is the reader's, a signed 32-bit integer.
    void counts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("reading");
        QTest::addColumn<int>("value");
        const int read = StorageCheck::CountRead, beyond = StorageCheck::CountBeyondRange,
                  none = StorageCheck::NotACount;
        QTest::newRow("plain") << "12" << read << 12;
        QTest::newRow("blanks around") << " 12 " << read << 12;
        QTest::newRow("plus") << "+5" << read << 5;
        QTest::newRow("top") << "2147483647" << read << 2147483647;
        QTest::newRow("bottom") << "-2147483648" << read << int(-2147483647 - 1);
        QTest::newRow("one past the top") << "2147483648" << beyond << 0;
        QTest::newRow("one below the bottom") << "-2147483649" << beyond << 0;
        QTest::newRow("past 64 bits") << "123456789012345678901234567890" << beyond << 0;
        QTest::newRow("empty") << "" << none << 0;
        QTest::newRow("sign alone") << "-" << none << 0;
        QTest::newRow("two signs") << "+-5" << none << 0;
        QTest::newRow("letters") << "12x" << none << 0;
        QTest::newRow("decimal") << "1.5" << none << 0;
    }
    void counts()
    {
        QFETCH(QString, text);
        QFETCH(int, reading);
        QFETCH(int, value);
        int count = 0;
        QCOMPARE(int(StorageCheck::readCount(text, &count)), reading);
        QCOMPARE(count, value);
    }

    void countChanges()
    {
        const int top = StorageCheck::maxCount, bottom = StorageCheck::minCount;
        QVERIFY(StorageCheck::countChangeFits(top - 1, 1));
        QVERIFY(!StorageCheck::countChangeFits(top, 1));
        QVERIFY(StorageCheck::countChangeFits(top, -qint64(top)));
        QVERIFY(!StorageCheck::countChangeFits(0, -qint64(bottom)));
        QVERIFY(StorageCheck::countChangeFits(bottom, 0));
        QVERIFY(!StorageCheck::countChangeFits(bottom, -1));
        QVERIFY(StorageCheck::countChangeFits(bottom, top));
    }

    // The title a refusal names a field by: the database's own from its
    // field-names list, else the list's initial heading for that field,
    // whatever the list shows at the moment.
    void fieldTitle_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("entry"); // of the field-names list
        const struct
        {
            StorageCheck::FileField field;
            const char *heading;
            int entry;
        } rows[] = {
            { StorageCheck::GroupField, "Gruppe", 0 },
            { StorageCheck::NameField, "Navn", 1 },
            { StorageCheck::ProductField, "Fabrikat", 2 },
            { StorageCheck::CountField, "Antal", 3 },
            { StorageCheck::PriceField, "Pris", 4 },
            { StorageCheck::PriceTodayField, "Vurd.", 5 },
            { StorageCheck::PhotolinkField, "Billede", 6 },
            { StorageCheck::DateField, "Dato", 7 },
            { StorageCheck::LocationField, "Rum", 8 },
            { StorageCheck::DescriptionField, "Beskrivelse", 9 },
            { StorageCheck::SupplierField, "Leverandør", 10 },
            { StorageCheck::AddressField, "Adresse", 11 },
            { StorageCheck::SerialnoField, "Serie no.", 12 },
            { StorageCheck::WwwField, "Www", 13 },
            { StorageCheck::ReceiptField, "Kvitt.", 14 },
            { StorageCheck::DocumentField, "Dok.", 15 },
            { StorageCheck::ProductModelField, "Produkt model", 16 },
        };
        for (const auto &row : rows)
            QTest::addRow("%s", row.heading) << int(row.field) << QString::fromUtf8(row.heading) << row.entry;
        QTest::newRow("no field") << int(StorageCheck::NoField) << QString() << -1;
    }
    void fieldTitle()
    {
        QFETCH(int, field);
        QFETCH(QString, expected);
        QFETCH(int, entry);
        const auto fileField = StorageCheck::FileField(field);
        userItemCollection none;
        // A database that renamed the list's columns does not rename the fallback.
        for (int column = 0; column < ListColumnCount; ++column)
            setColumnTitle(column, QStringLiteral("Kolonne %1").arg(column));
        QCOMPARE(StorageCheck::fieldTitle(none, fileField), expected);
        resetColumnTitles();

        // The database's own titles, in the field-names list's order.
        userItemCollection named;
        named.setLimit(30);
        for (int i = 0; i < 17; ++i)
            named.add(QStringLiteral("T&itel %1").arg(i));
        QCOMPARE(
            StorageCheck::fieldTitle(named, fileField), entry < 0 ? QString() : QStringLiteral("Titel %1").arg(entry));
    }

    void markedEntriesGiveWayToTheHeading_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("expected");
        QTest::newRow("document titled") << int(StorageCheck::DocumentField) << "Manual"
                                         << "Manual";
        QTest::newRow("document marked") << int(StorageCheck::DocumentField) << "NO_COLUMN"
                                         << "Dok.";
        QTest::newRow("model titled") << int(StorageCheck::ProductModelField) << "Type"
                                      << "Type";
        QTest::newRow("model marked") << int(StorageCheck::ProductModelField) << "no field"
                                      << "Produkt model";
        QTest::newRow("model blank") << int(StorageCheck::ProductModelField) << "  "
                                     << "Produkt model";
    }
    void markedEntriesGiveWayToTheHeading()
    {
        QFETCH(int, field);
        QFETCH(QString, entry);
        QFETCH(QString, expected);
        userItemCollection names;
        names.setLimit(30);
        for (int i = 0; i < 17; ++i)
            names.add(i == (field == StorageCheck::DocumentField ? 15 : 16) ? entry : QStringLiteral("x"));
        QCOMPARE(StorageCheck::fieldTitle(names, StorageCheck::FileField(field)), expected);
    }
};

QTEST_GUILESS_MAIN(tst_StoredText)
#include "tst_storedtext.moc"
