#include <QtTest>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QStringDecoder>
#include <QTemporaryDir>

#include "ItemFixtures.h"
#include "TestSupport.h"
#include "core/Edition.h"
#include "desktop/ExternalViewers.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"

#include <algorithm>

// The installation data a new user sees first: the demo database of every
// edition in every language, with its lists, pictures and documents, read from
// the run folder exactly as the program reads it at its first start. Also the
// icons compiled into the program.

using ItemFixtures::Collection;

namespace {

const QStringList languages = { QStringLiteral("dk"), QStringLiteral("no"), QStringLiteral("en") };

struct Demo
{
    int edition;
    const char *tag;
    const char *database; // %1 = language
    int formatLevel;
};

const Demo demos[] = {
    { OstranaEdition, "ostrana", "OstranaStdDemoDatabase.%1.db", 255 },
    { VistrelEdition, "vistrel", "Cinvaro.%1.db", 254 },
    { NumivaxEdition, "numivax", "DemoDBNumivax.%1.txt", 254 },
    { QuorvelEdition, "quorvel", "DemoQuorvel.%1.db", 254 },
};

// Copies a folder tree. The tests load the demo databases from copies: the
// inventory edition locks its database folder, so a load in the run folder
// would leave a lock there if the test died, and a lock left there by anyone
// would turn the load read-only. A lock file is therefore never copied.
bool copyTree(const QString &from, const QString &to)
{
    const QDir base(QFileInfo(from).absoluteFilePath());
    QDirIterator it(base.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        if (it.fileName() == QLatin1String("LockFile"))
            continue;
        const QString target = QDir(to).filePath(base.relativeFilePath(source));
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::copy(source, target))
            return false;
    }
    return true;
}

QByteArray withoutCarriageReturns(QByteArray bytes)
{
    return bytes.replace('\r', QByteArray());
}

QString boxesText(const TestSupport::RecordedMessageBoxes &boxes)
{
    QStringList texts;
    for (const auto &box : boxes.shown())
        texts << box.title + QStringLiteral(": ") + box.text;
    return texts.join(QStringLiteral(" | "));
}

} // namespace

class tst_DemoDatabases : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(larkspan);
        // The demo links are relative to the run folder, the program's working folder.
        QVERIFY2(QFileInfo::exists(QStringLiteral("db/DemoDBStd")),
            qPrintable(QStringLiteral("not run from the run folder: ") + QDir::currentPath()));
    }

    void demoLoads_data()
    {
        QTest::addColumn<int>("editionNumber");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("level");
        for (const Demo &demo : demos) {
            for (const QString &language : languages) {
                QTest::addRow("%s %s", demo.tag, qPrintable(language))
                    << demo.edition << language << QString::fromLatin1(demo.database).arg(language) << demo.formatLevel;
            }
        }
    }

    // What the first start shows: the demo database opened in its own edition
    // with the lists of its folder, without a single message box.
    void demoLoads()
    {
        QFETCH(int, editionNumber);
        QFETCH(QString, language);
        QFETCH(QString, fileName);
        QFETCH(int, level);

        TestSupport::IsolatedSettings isolated(editionNumber);
        TestSupport::RecordedMessageBoxes boxes;
        QTemporaryDir copy;
        QVERIFY(copy.isValid());
        QVERIFY(copyTree(demoFolder(editionNumber), copy.path()));
        const QString folder = copy.path() + QLatin1Char('/');
        {
            Settings settings;
            settings.setValue(QStringLiteral("Language"), language);
            settings.setValue(QStringLiteral("LastDBDir"), folder);
        }

        Collection collection;
        DBItemCollection &db = collection.db;
        QVERIFY(db.MakeDynamicLists());
        QVERIFY2(db.LoadFromAsciiFile(folder + fileName), qPrintable(folder + fileName));
        QVERIFY2(boxes.count() == 0, qPrintable(boxesText(boxes)));
        QVERIFY(!db.isReadOnly());
        QCOMPARE(db.formatLevel(), level);
        QCOMPARE(databaseFormatLevel(), level);
        QVERIFY2(db.count() >= 40 && db.count() <= 80, qPrintable(QString::number(db.count())));

        // The lists come from the demo folder in the chosen language. The
        // field names title all seventeen columns: none may be empty, carry
        // an "&", or hold the words that make the list view keep its own
        // document and model titles.
        QVERIFY(db.groups().size() > 0);
        QVERIFY(db.locations().size() > 0);
        QVERIFY(db.suppliers().size() > 0);
        QCOMPARE(db.fields().size(), 17);
        for (const QString &title : db.fields()) {
            QVERIFY(!title.trimmed().isEmpty());
            QVERIFY2(!title.contains(QLatin1Char('&')), qPrintable(title));
        }
        QVERIFY(!db.fields().entry(15).contains(QLatin1String("COLUMN"), Qt::CaseInsensitive));
        QVERIFY(!db.fields().entry(15).contains(QLatin1Char('#')));
        QVERIFY(!db.fields().entry(16).contains(QLatin1String("FIELD"), Qt::CaseInsensitive));
        for (const auto *list : { &db.groups(), &db.locations(), &db.suppliers() }) {
            for (const QString &entry : *list)
                QVERIFY2(!entry.trimmed().isEmpty(), "empty list entry");
        }

        int lastGroup = 0;
        for (const Item *item : db) {
            const QString what = QStringLiteral("%1 (group %2, location %3)")
                                     .arg(item->name())
                                     .arg(item->group())
                                     .arg(item->location());
            QVERIFY2(item->group() >= 0 && item->group() < db.groups().size(), qPrintable(what));
            QVERIFY2(item->location() >= 0 && item->location() < db.locations().size(), qPrintable(what));
            // Stored in group order, as the program saves it.
            QVERIFY2(item->group() >= lastGroup, qPrintable(what));
            lastGroup = item->group();
            QVERIFY2(!item->name().isEmpty(), qPrintable(what));
            QVERIFY2(
                db.suppliers().contains(item->supplier()), qPrintable(what + QLatin1String(": ") + item->supplier()));
            QVERIFY2(item->numberOfItems() >= 1, qPrintable(what));
            QVERIFY2(item->dateValue().isValid(), qPrintable(what + QLatin1String(": ") + item->date()));
            QVERIFY2(item->price() >= 0 && item->priceToday() >= 0, qPrintable(what));
            if (editionNumber != OstranaEdition)
                QVERIFY2(item->productModel().isEmpty(), qPrintable(what));

            // Links are relative to the working folder and name files that exist;
            // pictures are pictures, so the list shows their icons.
            for (const QString &link : { item->photolink(), item->receipt(), item->document() }) {
                if (link.isEmpty())
                    continue;
                QVERIFY2(QDir::isRelativePath(link), qPrintable(link));
                QVERIFY2(QFileInfo(link).isFile(), qPrintable(what + QLatin1String(": ") + link));
            }
            for (const QString &picture : { item->photolink(), item->receipt() }) {
                if (picture.isEmpty())
                    continue;
                QVERIFY2(isPictureFile(picture), qPrintable(picture));
                QVERIFY2(!QImage(picture).isNull(), qPrintable(picture));
            }
            if (editionNumber == QuorvelEdition)
                QVERIFY2(item->serialNumberValue() > 0, qPrintable(what + QLatin1String(": ") + item->serialno()));
        }

        // The inventory numbers of the inventory edition are unique within a storage place.
        if (editionNumber == QuorvelEdition) {
            QSet<QString> seen;
            for (const Item *item : db) {
                const QString key = QString::number(item->group()) + QLatin1Char('/') + item->serialno();
                QVERIFY2(!seen.contains(key), qPrintable(key));
                seen.insert(key);
            }
        }
    }

    // The demo files are exactly what the program itself writes for the same
    // items (header, six-decimal prices, 17 fields), apart from the line ends
    // and the order of items within one group.
    void demoIsInTheProgramsOwnForm_data() { demoLoads_data(); }
    void demoIsInTheProgramsOwnForm()
    {
        QFETCH(int, editionNumber);
        QFETCH(QString, language);
        QFETCH(QString, fileName);

        TestSupport::IsolatedSettings isolated(editionNumber);
        TestSupport::RecordedMessageBoxes boxes;
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString original = dir.filePath(fileName);
        QVERIFY(QFile::copy(demoFolder(editionNumber) + fileName, original));
        {
            Settings settings;
            settings.setValue(QStringLiteral("Language"), language);
            settings.setValue(QStringLiteral("LastDBDir"), dir.path());
        }
        const QString saved = dir.filePath(QStringLiteral("saved.db"));
        {
            Collection collection;
            QVERIFY(collection.db.LoadFromAsciiFile(original));
            QVERIFY(collection.db.SaveToFileAsAscii(saved));
        }
        QCOMPARE(boxes.count(), 0);

        const QByteArray originalBytes = TestSupport::readFile(original);
        QVERIFY(originalBytes.endsWith("\r\n"));
        QCOMPARE(originalBytes.count("\n"), originalBytes.count("\r\n"));
        QList<QByteArray> expected = withoutCarriageReturns(originalBytes).split('\n');
        QList<QByteArray> written = withoutCarriageReturns(TestSupport::readFile(saved)).split('\n');
        QVERIFY(!expected.isEmpty() && !written.isEmpty());
        QCOMPARE(written.takeFirst(), expected.takeFirst());
        std::sort(expected.begin(), expected.end());
        std::sort(written.begin(), written.end());
        QCOMPARE(written, expected);
    }

    // Every list file of every demo folder: Latin-1 text with CR LF line ends,
    // the Danish fall-back files equal to the Danish lists, and the numbered
    // lists (groups, locations) of one edition equally long in every language.
    void listFiles_data()
    {
        QTest::addColumn<int>("editionNumber");
        for (const Demo &demo : demos)
            QTest::addRow("%s", demo.tag) << demo.edition;
    }
    void listFiles()
    {
        QFETCH(int, editionNumber);
        const QString folder = demoFolder(editionNumber);
        const QStringList lists = { QStringLiteral("groups/groups"), QStringLiteral("location/location"),
            QStringLiteral("supplier/supplier"), QStringLiteral("fields/fields") };
        for (const QString &list : lists) {
            qsizetype lines = -1;
            for (const QString &language : languages) {
                const QString path = folder + list + QLatin1Char('.') + language + QStringLiteral(".txt");
                const QByteArray bytes = TestSupport::readFile(path);
                QVERIFY2(!bytes.isEmpty(), qPrintable(path));
                QVERIFY2(bytes.endsWith("\r\n"), qPrintable(path));
                QVERIFY2(bytes.count("\n") == bytes.count("\r\n"), qPrintable(path));
                QVERIFY2(!bytes.contains("\r\n\r\n"), qPrintable(path + QLatin1String(": empty entry")));
                // Latin-1, not UTF-8: a file with Danish letters is not valid UTF-8.
                if (std::any_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) >= 0x80; })) {
                    QStringDecoder utf8(QStringDecoder::Utf8);
                    const QString decoded = utf8(bytes);
                    Q_UNUSED(decoded)
                    QVERIFY2(utf8.hasError(), qPrintable(path + QLatin1String(" is UTF-8")));
                }
                if (list == lists.at(0) || list == lists.at(1)) {
                    if (lines >= 0)
                        QVERIFY2(bytes.count("\n") == lines, qPrintable(path));
                    lines = bytes.count("\n");
                }
            }
            if (list == lists.at(0) || list == lists.at(1)) {
                const QString danish = folder + list + QStringLiteral(".dk.txt");
                const QString fallBack = folder + list + QStringLiteral(".da.txt");
                QCOMPARE(TestSupport::readFile(fallBack), TestSupport::readFile(danish));
            }
        }
    }

    // A Danish letter survives the trip from the list file to the screen.
    void danishLettersAreLatin1()
    {
        TestSupport::IsolatedSettings isolated(OstranaEdition);
        QTemporaryDir copy;
        QVERIFY(copyTree(demoFolder(OstranaEdition), copy.path()));
        {
            Settings settings;
            settings.setValue(QStringLiteral("Language"), QStringLiteral("dk"));
            settings.setValue(QStringLiteral("LastDBDir"), copy.path());
        }
        Collection collection;
        QVERIFY(collection.db.MakeDynamicLists());
        QVERIFY(collection.db.groups().contains(QStringLiteral("Møbler")));
        QVERIFY(collection.db.locations().contains(QStringLiteral("Soveværelse")));
        QVERIFY(collection.db.fields().contains(QStringLiteral("Leverandør")));
    }

    void icons_data()
    {
        QTest::addColumn<QString>("path");
        for (const char *name : { "new", "open", "save", "print", "search", "picture", "receipt", "www", "document",
                 "report", "ostrana", "vistrel", "numivax", "quorvel" }) {
            QTest::addRow("%s", name) << QStringLiteral(":/icons/%1.png").arg(QLatin1String(name));
        }
    }
    void icons()
    {
        QFETCH(QString, path);
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), QSize(32, 32));
        QVERIFY(image.hasAlphaChannel());
    }
};

QTEST_MAIN(tst_DemoDatabases)

#include "tst_demodatabases.moc"
