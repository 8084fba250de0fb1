#include <QtTest>

#include <QGuiApplication>
#include <QTemporaryDir>

#include <limits>
#include <memory>

#include "FailingDevice.h"
#include "ItemFixtures.h"
#include "TestSupport.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/DatabaseFile.h"
#include "database/Item.h"

using ItemFixtures::Collection;
using ItemFixtures::fieldsOf;
using ItemFixtures::makeItem;
using ItemFixtures::ostranaHeader;

// Writing the database file: what is refused before anything is written,
// what is written, and what a save that cannot finish leaves behind.

namespace {

void setMember(Item &item, const QString &member, const QVariant &value)
{
    const QString text = value.toString();
    if (member == QLatin1String("name"))
        item.setName(text);
    else if (member == QLatin1String("supplier"))
        item.setSupplier(text);
    else if (member == QLatin1String("serialno"))
        item.setSerialno(text);
    else if (member == QLatin1String("description"))
        item.setDescription(text);
    else if (member == QLatin1String("address"))
        item.setAddress(text);
    else if (member == QLatin1String("photolink"))
        item.setPhotolink(text);
    else if (member == QLatin1String("www"))
        item.setWww(text);
    else if (member == QLatin1String("document"))
        item.setDocument(text);
    else if (member == QLatin1String("productModel"))
        item.setProductModel(text);
    else if (member == QLatin1String("price"))
        item.setPrice(value.toDouble());
    else if (member == QLatin1String("priceToday"))
        item.setPriceToday(value.toDouble());
    else
        QFAIL(qPrintable(QStringLiteral("no member ") + member));
}

// The title of every box about a save that did not happen (untranslated:
// the tests install no catalogue).
const QString saveFailedTitle = QStringLiteral("Databasen blev ikke gemt");

constexpr int headerOnly = std::numeric_limits<int>::min();

} // namespace

class tst_DatabaseSave : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    // Nothing that would not read back as the same item is written: the save
    // names the item (name, group, place in the group) and the field, and the
    // old file stays byte for byte.
    void unstorableItemIsNotWritten_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("member");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QStringList>("fieldNames");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("reason");
        const int ostrana = OstranaEdition;
        const QStringList none;
        const double inf = std::numeric_limits<double>::infinity();
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("separator in a chosen picture path")
            << ostrana << "photolink" << QVariant(QStringLiteral("C:\\Billeder\\a;b.jpg")) << none << "Billede"
            << "(;)";
        QTest::newRow("line break in a pasted description")
            << ostrana << "description" << QVariant(QStringLiteral("Linje 1\nLinje 2")) << none << "Beskrivelse"
            << "Linjeskift";
        QTest::newRow("230-byte document path")
            << ostrana << "document" << QVariant(QStringLiteral("C:\\") + QString(227, u'd')) << none << "Dok."
            << "199 tegn";
        QTest::newRow("euro sign in the name")
            << ostrana << "name" << QVariant(QStringLiteral("Pris 100 \u20ac")) << none << "Navn"
            << "\u20ac";
        QTest::newRow("Polish letters in the supplier")
            << ostrana << "supplier" << QVariant(QStringLiteral("\u0141\u00f3d\u017a")) << none << "Leverandør"
            << "\u0141 \u017a";
        QTest::newRow("camera symbol in the web address")
            << ostrana << "www" << QVariant(QStringLiteral("http://x.dk/\U0001F4F7")) << none << "Www"
            << "\U0001F4F7";
        QTest::newRow("zero character in the serial number")
            << ostrana << "serialno" << QVariant(QStringLiteral("12") + QChar(0) + QStringLiteral("3")) << none
            << "Serie no."
            << "nul-tegn";
        QTest::newRow("infinite price in Vistrel") << int(VistrelEdition) << "price" << QVariant(inf) << none << "Pris"
                                                   << "inf";
        QTest::newRow("value today not a number in Numivax")
            << int(NumivaxEdition) << "priceToday" << QVariant(nan) << none << "Vurd."
            << "nan";
        const std::pair<int, const char *> withoutModel[]
            = { { VistrelEdition, "Vistrel" }, { NumivaxEdition, "Numivax" }, { QuorvelEdition, "Quorvel" } };
        for (const auto &[edition, editionTag] : withoutModel) {
            QTest::addRow("product model in %s", editionTag)
                << edition << "productModel" << QVariant(QStringLiteral("PSB 500")) << none << "Produkt model"
                << "udgave";
        }
        QTest::newRow("the database's own field title")
            << int(NumivaxEdition) << "name" << QVariant(QStringLiteral("1864;1865")) << QStringList { "Land", "&År" }
            << "År"
            << "(;)";
        QTest::newRow("a marked model title gives way to the heading")
            << int(QuorvelEdition) << "productModel" << QVariant(QStringLiteral("x"))
            << (QStringList() << QString() << QString() << QString() << QString() << QString() << QString() << QString()
                              << QString() << QString() << QString() << QString() << QString() << QString() << QString()
                              << QString() << QString() << QStringLiteral("NO_FIELD"))
            << "Produkt model"
            << "udgave";
    }
    void unstorableItemIsNotWritten()
    {
        QFETCH(int, edition);
        QFETCH(QString, member);
        QFETCH(QVariant, value);
        QFETCH(QStringList, fieldNames);
        QFETCH(QString, field);
        QFETCH(QString, reason);
        TestSupport::IsolatedSettings settings(edition);
        Settings().setValue(QStringLiteral("LastDBDir"), m_dir.path());
        TestSupport::RecordedMessageBoxes boxes;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kept.inb"));
        const QByteArray old = DatabaseFile::headerLine() + "\n1;Gammel;x;1.000000;1.000000;;;;;;;1;0;;;;;\n";
        QVERIFY(TestSupport::writeFile(path, old));

        Collection c;
        c.db.groups().clear();
        for (const char *group : { "Stue", "Køkken", "Bad" })
            c.db.groups().add(QString::fromUtf8(group));
        c.db.fields().clear();
        for (const QString &title : fieldNames)
            c.db.fields().add(title);
        Item *bad = nullptr;
        for (const int group : { 1, 0, 1, 2 }) {
            Item *item = c.db.add(makeItem(group, QStringLiteral("Ting %1").arg(c.db.count()), c.db.count()));
            item->setProductModel(QString());
            if (c.db.count() == 3)
                bad = item;
        }
        bad->setName(QStringLiteral("Skab"));
        setMember(*bad, member, value);

        QVERIFY(!c.db.SaveToFileAsAscii(path));
        QCOMPARE(TestSupport::readFile(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "kept.inb" });
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::Critical);
        QCOMPARE(boxes.last().title, saveFailedTitle);
        const QString text = boxes.last().text;
        const QString name = member == QLatin1String("name") ? value.toString() : QStringLiteral("Skab");
        QVERIFY2(text.contains(QStringLiteral("Vare: ") + name + QLatin1Char('\n')), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Gruppe: Køkken (1), nr. 2 i gruppen")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Felt: ") + field + QLatin1Char('\n')), qPrintable(text));
        QVERIFY2(text.contains(reason), qPrintable(text));
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // A large register is checked in two halves at once: the first item
    // that cannot be stored is named, whichever half it is in.
    void firstUnstorableItemOfALargeRegister_data()
    {
        QTest::addColumn<QList<int>>("unstorable");
        QTest::addColumn<int>("named");
        QTest::newRow("first half only") << QList<int> { 20000 } << 20000;
        QTest::newRow("second half only") << QList<int> { 50000 } << 50000;
        QTest::newRow("both halves") << QList<int> { 50000, 20000 } << 20000;
        QTest::newRow("both, the second half's first") << QList<int> { 59999, 35000 } << 35000;
    }
    void firstUnstorableItemOfALargeRegister()
    {
        QFETCH(QList<int>, unstorable);
        QFETCH(int, named);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        Settings().setValue(QStringLiteral("LastDBDir"), m_dir.path());
        TestSupport::RecordedMessageBoxes boxes;
        Collection c;
        for (int i = 0; i < 60000; ++i) {
            auto item = std::make_unique<Item>();
            item->setName(QStringLiteral("Ting %1").arg(i));
            c.db.add(std::move(item));
        }
        for (const int index : unstorable)
            c.db.at(index)->setDescription(QStringLiteral("a;b"));
        QVERIFY(!c.db.SaveToFileAsAscii(m_dir.filePath(QStringLiteral("large.inb"))));
        QCOMPARE(boxes.count(), 1);
        const QString text = boxes.last().text;
        QVERIFY2(text.contains(QStringLiteral("Vare: Ting %1\n").arg(named)), qPrintable(text));
    }

    // The other side of the check: what the file can hold is written and read
    // back as it was, up to the limits.
    void storableBoundariesReadBack_data()
    {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QVariant>("value");
        QString latin1;
        for (char16_t c = 0xA0; c <= 0xFF; ++c)
            latin1 += QChar(c);
        QTest::newRow("199 bytes") << "description" << QVariant(QString(199, u'x'));
        QTest::newRow("every Latin-1 letter") << "address" << QVariant(latin1);
        QTest::newRow("blanks around a text") << "supplier" << QVariant(QStringLiteral("  Lys  "));
        QTest::newRow("tab in a text") << "www" << QVariant(QStringLiteral("a\tb"));
        QTest::newRow("largest price") << "price" << QVariant(std::numeric_limits<double>::max());
        QTest::newRow("product model where kept") << "productModel" << QVariant(QStringLiteral("PSB 500"));
    }
    void storableBoundariesReadBack()
    {
        QFETCH(QString, member);
        QFETCH(QVariant, value);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        const QString path = m_dir.filePath(QStringLiteral("boundary.inb"));
        QStringList expected;
        {
            Collection c;
            std::unique_ptr<Item> item = makeItem(0, QStringLiteral("Ting"), 1);
            setMember(*item, member, value);
            c.db.add(std::move(item));
            QVERIFY(c.db.SaveToFileAsAscii(path));
            expected = fieldsOf(c.db.at(0));
        }
        Collection loaded;
        QVERIFY(loaded.db.LoadFromAsciiFile(path));
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(loaded.db.count(), 1);
        QCOMPARE(fieldsOf(loaded.db.at(0)), expected);
    }

    // Loading and saving twice gives the same bytes: items of one group keep
    // their order.
    void twoSavesGiveTheSameBytes()
    {
        TestSupport::IsolatedSettings settings(OstranaEdition);
        const QString first = m_dir.filePath(QStringLiteral("first.inb"));
        const QString second = m_dir.filePath(QStringLiteral("second.inb"));
        QStringList order;
        {
            Collection c;
            // Enough items for the sort to leave its insertion phase.
            for (int i = 0; i < 300; ++i) {
                c.db.add(makeItem((i * 7) % 4, QStringLiteral("Ting %1").arg(i), i));
                if (i % 4 == 0 && (i * 7) % 4 == 0)
                    order << QStringLiteral("Ting %1").arg(i);
            }
            QVERIFY(c.db.SaveToFileAsAscii(first));
        }
        {
            Collection c;
            QVERIFY(c.db.LoadFromAsciiFile(first));
            QStringList group0;
            for (const Item *item : c.db) {
                if (item->group() == 0)
                    group0 << item->name();
            }
            QCOMPARE(group0, order);
            QVERIFY(c.db.SaveToFileAsAscii(second));
        }
        QCOMPARE(TestSupport::readFile(second), TestSupport::readFile(first));
    }

    void saveSortsByGroup()
    {
        TestSupport::IsolatedSettings settings(OstranaEdition);
        const QString path = m_dir.filePath(QStringLiteral("sorted.inb"));
        Collection c;
        for (int group : { 5, 0, 3, 0, 9 })
            c.db.add(makeItem(group, QStringLiteral("g%1").arg(group), group));
        QVERIFY(c.db.SaveToFileAsAscii(path));
        const QList<QByteArray> lines = TestSupport::readFile(path).split('\n');
        QCOMPARE(lines.size(), 7);
        QList<int> groups;
        for (int i = 1; i < 6; ++i)
            groups << lines.at(i).left(lines.at(i).indexOf(';')).toInt();
        QCOMPARE(groups, (QList<int> { 0, 0, 3, 5, 9 }));
        QVERIFY(lines.last().isEmpty());
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // A save that cannot finish leaves the previous file exactly as it was and
    // tells the user which file and why.
    void failedSaveKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("disk full midway") << "size limit";
        QTest::newRow("folder gone") << "missing folder";
        QTest::newRow("target is a folder") << "folder";
    }
    void failedSaveKeepsTheOldFile()
    {
        QFETCH(QString, how);
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("keep.inb"));
        if (how == QLatin1String("missing folder"))
            path = dir.filePath(QStringLiteral("gone/keep.inb"));
        else if (how == QLatin1String("folder"))
            QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("keep.inb")));

        const QByteArray old = ostranaHeader + "\n1;Gammel;x;1.000000;1.000000;;;;;;;1;0;;;;;\n";
        if (how == QLatin1String("size limit"))
            QVERIFY(TestSupport::writeFile(path, old));

        Collection c;
        for (int i = 0; i < 400; ++i)
            c.db.add(makeItem(i % 7, QStringLiteral("Ting %1").arg(i), i));

        bool saved = true;
        if (how == QLatin1String("size limit")) {
            // The file takes 4 KB and no more: the write fails part of the
            // way through, as on a full disk.
            TestSupport::FailingSaves limit(4096);
            saved = c.db.SaveToFileAsAscii(path);
        } else {
            saved = c.db.SaveToFileAsAscii(path);
        }
        QVERIFY(!saved);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::Critical);
        QCOMPARE(boxes.last().title, saveFailedTitle);
        QVERIFY2(boxes.last().text.contains(QDir::toNativeSeparators(path)), qPrintable(boxes.last().text));
        // The reason follows the file name.
        QVERIFY(boxes.last().text.size() > QDir::toNativeSeparators(path).size() + 5);
        QVERIFY(!QGuiApplication::overrideCursor());

        if (how == QLatin1String("size limit")) {
            QVERIFY2(boxes.last().text.endsWith(QLatin1Char('\n') + TestSupport::FailingDevice::reason()),
                qPrintable(boxes.last().text));
            QCOMPARE(TestSupport::readFile(path), old);
            // No half-written temporary file is left beside it.
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "keep.inb" });
        } else if (how == QLatin1String("missing folder")) {
            QVERIFY(!QFileInfo::exists(QFileInfo(path).path()));
        } else {
            QVERIFY(QFileInfo(path).isDir());
        }
    }

    // A disk that fills up at the very end of the file, or exactly with it:
    // the last bytes decide, so they must be checked like the first.
    void diskFullAroundTheEndOfTheFile_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<int>("items");
        // Bytes the disk takes, relative to the file's size; headerOnly: just the header line.
        QTest::addColumn<int>("room");
        QTest::addColumn<bool>("saved");
        QTest::newRow("one byte short") << int(OstranaEdition) << 50 << -1 << false;
        QTest::newRow("exactly the file") << int(OstranaEdition) << 50 << 0 << true;
        QTest::newRow("only the header fits") << int(QuorvelEdition) << 3 << headerOnly << false;
        QTest::newRow("empty database, one byte short") << int(NumivaxEdition) << 0 << -1 << false;
        QTest::newRow("empty database fits") << int(VistrelEdition) << 0 << 0 << true;
        QTest::newRow("larger than one block") << int(OstranaEdition) << 6000 << -1 << false;
    }
    void diskFullAroundTheEndOfTheFile()
    {
        QFETCH(int, edition);
        QFETCH(int, items);
        QFETCH(int, room);
        QFETCH(bool, saved);
        TestSupport::IsolatedSettings settings(edition);
        TestSupport::RecordedMessageBoxes boxes;
        QTemporaryDir dir;
        const QString whole = dir.filePath(QStringLiteral("whole.inb"));
        const QString path = dir.filePath(QStringLiteral("limited.inb"));
        const QByteArray old = DatabaseFile::headerLine() + "\n";
        QVERIFY(TestSupport::writeFile(path, old));

        Collection c;
        for (int i = 0; i < items; ++i) {
            Item *item = c.db.add(makeItem(i % 5, QStringLiteral("Ting %1").arg(i), i));
            item->setProductModel(QString());
        }
        QVERIFY(c.db.SaveToFileAsAscii(whole));
        const QByteArray expected = TestSupport::readFile(whole);
        const qint64 limit = room == headerOnly ? DatabaseFile::headerLine().size() + 1 : expected.size() + room;
        {
            TestSupport::FailingSaves disk(limit);
            QCOMPARE(c.db.SaveToFileAsAscii(path), saved);
        }
        QCOMPARE(TestSupport::readFile(path), saved ? expected : old);
        QCOMPARE(boxes.count(), saved ? 0 : 1);
        if (!saved) {
            QCOMPARE(boxes.last().title, saveFailedTitle);
            QVERIFY2(boxes.last().text.contains(QDir::toNativeSeparators(path)), qPrintable(boxes.last().text));
            QVERIFY2(boxes.last().text.endsWith(TestSupport::FailingDevice::reason()), qPrintable(boxes.last().text));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
            (QStringList { QStringLiteral("limited.inb"), QStringLiteral("whole.inb") }));
    }

    void saveReplacesTheOldFileWhole()
    {
        TestSupport::IsolatedSettings settings(OstranaEdition);
        const QString path = m_dir.filePath(QStringLiteral("replace.inb"));
        QVERIFY(TestSupport::writeFile(path, QByteArray(100000, 'z')));
        Collection c;
        c.db.add(makeItem(1, QStringLiteral("Ny"), 1));
        QVERIFY(c.db.SaveToFileAsAscii(path));
        const QByteArray bytes = TestSupport::readFile(path);
        QVERIFY(bytes.startsWith(ostranaHeader));
        QVERIFY(!bytes.contains('z'));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(tst_DatabaseSave)
#include "tst_databasesave.moc"
