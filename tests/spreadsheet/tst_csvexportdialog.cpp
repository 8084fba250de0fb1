#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include "../mainwindow/DatabaseFixture.h"
#include "ItemFixtures.h"
#include "TestSupport.h"
#include "TestWorld.h"
#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/CsvReader.h"
#include "database/DBItemCollection.h"
#include "desktop/FileDialog.h"
#include "desktop/MessageBox.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/larkspanwindow.h"
#include "spreadsheet/CsvExportDialog.h"

#include <memory>

// The spreadsheet export dialog on its real widgets: the options chosen with
// the keyboard and the mouse are the ones the file is written with, the
// scope gives the items it names, the file dialog proposes the database's
// name, and a file that cannot be written is told and leaves the dialog open.

using namespace TestSupport;

class tst_CsvExportDialog : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<IsolatedSettings> m_settings;
    std::unique_ptr<DBItemCollection> m_collection;
    std::unique_ptr<QTemporaryDir> m_dir;

    QString databaseFile() const { return m_dir->filePath(QStringLiteral("Hjem.inb")); }
    QString csvFile() const { return m_dir->filePath(QStringLiteral("Hjem.csv")); }

    std::unique_ptr<CsvExportDialog> makeDialog(int group = -1, const QList<const Item *> &selection = {})
    {
        auto dialog = std::make_unique<CsvExportDialog>(*m_collection, databaseFile(), group, selection);
        dialog->show();
        return dialog;
    }

    static void clickOk(CsvExportDialog &dialog)
    {
        auto *box = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
    }

    // The lines of the file written, without their CR LF.
    static QList<QByteArray> lines(const QString &path)
    {
        QByteArray bytes = TestSupport::readFile(path);
        if (bytes.startsWith("\xEF\xBB\xBF"))
            bytes.remove(0, 3);
        QList<QByteArray> result = bytes.split('\n');
        if (!result.isEmpty() && result.constLast().isEmpty())
            result.removeLast();
        for (QByteArray &line : result)
            line.chop(1);
        return result;
    }

private slots:
    void init()
    {
        m_settings = std::make_unique<IsolatedSettings>(OstranaEdition);
        m_dir = std::make_unique<QTemporaryDir>();
        m_collection = std::make_unique<DBItemCollection>(nullptr);
        m_collection->groups().clear();
        m_collection->groups().add(QStringLiteral("Stue"));
        m_collection->groups().add(QStringLiteral("Køkken"));
        m_collection->locations().clear();
        m_collection->locations().add(QStringLiteral("Loft"));
        m_collection->add(ItemFixtures::plainItem(0, QStringLiteral("Lænestol"), 1, 1250.5));
        m_collection->add(ItemFixtures::plainItem(1, QStringLiteral("Gryde"), 2, 99));
        m_collection->add(ItemFixtures::plainItem(0, QStringLiteral("Sofa, blå"), 1, 5000));
        m_collection->add(ItemFixtures::plainItem(1, QStringLiteral("Pande"), 1, 0.25));
    }

    void cleanup()
    {
        m_collection.reset();
        m_dir.reset();
        m_settings.reset();
    }

    void options_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("encodingDowns"); // key presses down the encoding box
        QTest::addColumn<bool>("clickBom");
        QTest::addColumn<int>("separatorUps"); // key presses up the separator box
        QTest::addColumn<QByteArray>("start"); // the file's first bytes
        QTest::addColumn<QByteArray>("row"); // its second row starts so

        QTest::newRow("Danish defaults") << "dk" << 0 << false << 0 << QByteArray("Gruppe;Navn;")
                                         << QByteArray("Stue;L\xC3\xA6nestol;;;1;1250.5;0;");
        QTest::newRow("English defaults")
            << "en" << 0 << false << 0 << QByteArray("Group,Name,") << QByteArray("Stue,L\xC3\xA6nestol,,,1,1250.5,0,");
        QTest::newRow("byte-order mark") << "dk" << 0 << true << 0 << QByteArray("\xEF\xBB\xBFGruppe;")
                                         << QByteArray("Stue;L\xC3\xA6nestol;");
        QTest::newRow("Latin-1, comma") << "dk" << 1 << false << 1 << QByteArray("Gruppe,Navn,")
                                        << QByteArray("Stue,L\xE6nestol,,,1,1250.5,0,");
        QTest::newRow("Latin-1 takes no mark")
            << "dk" << 1 << true << 0 << QByteArray("Gruppe;") << QByteArray("Stue;L\xE6nestol;");
        QTest::newRow("tab") << "en" << 0 << false << -2 << QByteArray("Group\tName\t")
                             << QByteArray("Stue\tL\xC3\xA6nestol\t");
    }

    void options()
    {
        QFETCH(QString, language);
        QFETCH(int, encodingDowns);
        QFETCH(bool, clickBom);
        QFETCH(int, separatorUps);
        QFETCH(QByteArray, start);
        QFETCH(QByteArray, row);

        Settings().setValue(QStringLiteral("Language"), language);
        if (language == QLatin1String("en")) {
            setColumnTitle(0, QStringLiteral("Group"));
            setColumnTitle(1, QStringLiteral("Name"));
        } else {
            resetColumnTitles();
        }
        auto dialog = makeDialog();
        auto *encoding = dialog->findChild<QComboBox *>(QStringLiteral("encodingBox"));
        auto *bom = dialog->findChild<QCheckBox *>(QStringLiteral("bomCheckBox"));
        auto *separator = dialog->findChild<QComboBox *>(QStringLiteral("separatorBox"));
        QVERIFY(encoding && bom && separator);
        for (int i = 0; i < encodingDowns; ++i)
            QTest::keyClick(encoding, Qt::Key_Down);
        // Latin-1 has no byte-order mark to offer.
        QCOMPARE(bom->isEnabled(), encodingDowns == 0);
        if (clickBom)
            QTest::mouseClick(bom, Qt::LeftButton, {}, QPoint(5, bom->height() / 2));
        for (int i = 0; i < std::abs(separatorUps); ++i)
            QTest::keyClick(separator, separatorUps > 0 ? Qt::Key_Up : Qt::Key_Down);

        FileDialog::Recording files;
        MessageBox::Recording boxes;
        FileDialog::queueAnswer(csvFile());
        clickOk(*dialog);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->writtenFile(), csvFile());
        QVERIFY(boxes.shown().isEmpty());
        const QByteArray bytes = TestSupport::readFile(csvFile());
        QVERIFY2(bytes.startsWith(start), bytes.left(40).constData());
        const QList<QByteArray> rows = lines(csvFile());
        QCOMPARE(rows.size(), 5);
        QVERIFY2(rows.at(1).startsWith(row), rows.at(1).constData());
        resetColumnTitles();
    }

    // The next export starts from the choices of the last one written; a
    // cancelled export, and stored values the boxes do not offer, change
    // nothing.
    void choicesAreRemembered()
    {
        auto dialog = makeDialog();
        auto *encoding = dialog->findChild<QComboBox *>(QStringLiteral("encodingBox"));
        auto *separator = dialog->findChild<QComboBox *>(QStringLiteral("separatorBox"));
        QTest::keyClick(encoding, Qt::Key_Down); // Latin-1
        QTest::keyClick(separator, Qt::Key_Down); // tab
        {
            FileDialog::Recording files;
            FileDialog::queueCancel();
            clickOk(*dialog);
        }
        QCOMPARE(makeDialog()->format().encoding, CsvFormat::Utf8);
        {
            FileDialog::Recording files;
            MessageBox::Recording boxes;
            FileDialog::queueAnswer(csvFile());
            clickOk(*dialog);
            QCOMPARE(dialog->result(), int(QDialog::Accepted));
        }
        CsvFormat again = makeDialog()->format();
        QCOMPARE(again.encoding, CsvFormat::Latin1);
        QCOMPARE(again.separator, u'\t');

        // UTF-8 with its mark and a comma.
        auto second = makeDialog();
        QTest::keyClick(second->findChild<QComboBox *>(QStringLiteral("encodingBox")), Qt::Key_Up);
        auto *bom = second->findChild<QCheckBox *>(QStringLiteral("bomCheckBox"));
        QTest::mouseClick(bom, Qt::LeftButton, {}, QPoint(5, bom->height() / 2));
        QTest::keyClick(second->findChild<QComboBox *>(QStringLiteral("separatorBox")), Qt::Key_Home);
        {
            FileDialog::Recording files;
            MessageBox::Recording boxes;
            FileDialog::queueAnswer(csvFile());
            clickOk(*second);
        }
        again = makeDialog()->format();
        QCOMPARE(again.encoding, CsvFormat::Utf8WithBom);
        QCOMPARE(again.separator, u',');

        Settings().setValue(QStringLiteral("Csv/Export/Encoding"), QStringLiteral("ebcdic"));
        Settings().setValue(QStringLiteral("Csv/Export/Separator"), QStringLiteral("pipe"));
        again = makeDialog()->format();
        QCOMPARE(again.encoding, CsvFormat::Utf8);
        QCOMPARE(again.separator, CsvFormat::languageSeparator());
    }

    void proposedFile()
    {
        auto dialog = makeDialog();
        FileDialog::Recording files;
        FileDialog::queueCancel();
        clickOk(*dialog);
        QCOMPARE(files.asked().size(), 1);
        const FileDialog::Request &request = files.asked().constFirst();
        QCOMPARE(request.mode, FileDialog::AnyFile);
        QCOMPARE(request.folder, csvFile());
        QCOMPARE(request.defaultSuffix, QStringLiteral("csv"));
        QVERIFY(request.confirmOverwrite);
        // Cancelled: the dialog stays, and nothing is written.
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->writtenFile().isEmpty());
        QVERIFY(!QFile::exists(csvFile()));
    }

    void scope_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QList<int>>("selected"); // positions in the collection
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("names");

        const QStringList all = { "Lænestol", "Gryde", "Sofa, blå", "Pande" };
        QTest::newRow("whole register") << 1 << QList<int> { 2 } << "wholeRegisterButton" << all;
        QTest::newRow("the group") << 1 << QList<int> { 2 } << "groupButton" << QStringList { "Gryde", "Pande" };
        QTest::newRow("the rows, in the register's order")
            << 0 << QList<int> { 3, 0 } << "selectionButton" << QStringList { "Lænestol", "Pande" };
        QTest::newRow("no group: all") << -1 << QList<int> {} << "groupButton" << all;
        QTest::newRow("no rows: all") << 0 << QList<int> {} << "selectionButton" << all;
    }

    void scope()
    {
        QFETCH(int, group);
        QFETCH(QList<int>, selected);
        QFETCH(QString, button);
        QFETCH(QStringList, names);

        QList<const Item *> selection;
        for (int position : selected)
            selection.append(m_collection->at(position));
        auto dialog = makeDialog(group, selection);
        auto *radio = dialog->findChild<QRadioButton *>(button);
        QVERIFY(radio);
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(5, radio->height() / 2));

        FileDialog::Recording files;
        FileDialog::queueAnswer(csvFile());
        clickOk(*dialog);
        QCOMPARE(dialog->writtenFile(), csvFile());
        QFile file(csvFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        CsvReader reader(file, CsvFormat::Utf8, CsvFormat::languageSeparator());
        CsvRow row;
        QCOMPARE(reader.readRow(row), CsvReader::RowRead); // the header
        QStringList written;
        while (reader.readRow(row) == CsvReader::RowRead)
            written.append(row.cells.at(1));
        QCOMPARE(written, names);
    }

    void failedWrite()
    {
        auto dialog = makeDialog();
        FileDialog::Recording files;
        MessageBox::Recording boxes;
        const QString unwritable = m_dir->filePath(QStringLiteral("missing/Hjem.csv"));
        FileDialog::queueAnswer(unwritable);
        clickOk(*dialog);
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.shown().constFirst().kind, MessageBox::Critical);
        QVERIFY2(boxes.shown().constFirst().text.contains(QDir::toNativeSeparators(unwritable)),
            qPrintable(boxes.shown().constFirst().text));
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->writtenFile().isEmpty());

        // Another try, somewhere it can be written.
        FileDialog::queueAnswer(csvFile());
        clickOk(*dialog);
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(dialog->writtenFile(), csvFile());
        QCOMPARE(lines(csvFile()).size(), 5);
    }

    void fromTheWindow_data()
    {
        QTest::addColumn<int>("edition");
        QTest::newRow("Ostrana") << int(OstranaEdition);
        QTest::newRow("Vistrel") << int(VistrelEdition);
        QTest::newRow("Numivax") << int(NumivaxEdition);
        QTest::newRow("Quorvel") << int(QuorvelEdition);
    }

    // File > Export > Spreadsheet in the window: the group of the current
    // row, into the file proposed beside the database.
    void fromTheWindow()
    {
        QFETCH(int, edition);
        m_collection.reset();
        m_settings.reset();
        TestWorld world(edition);
        Settings().setValue(QStringLiteral("Language"), QStringLiteral("dk"));
        DatabaseFixture::writeLists(world.dir.path(), DatabaseFixture::twoGroups(), currentLanguage());
        const QString database = DatabaseFixture::writeDatabase(
            world.dir.path(), QStringLiteral("home.db"), edition, DatabaseFixture::threeItems());
        world.startWith(database);
        MainWindow w;
        QVERIFY(w.startSucceeded());
        const Item *komfur = nullptr;
        for (const Item *item : *w.collection())
            if (item->name() == QLatin1String("Komfur"))
                komfur = item;
        QVERIFY(komfur);
        w.listView()->setCurrentItem(w.listView()->rowForItem(komfur));

        const QString csv = world.path(QStringLiteral("home.csv"));
        FileDialog::queueAnswer(csv);
        bool handled = false;
        QTimer::singleShot(0, &w, [&w, &handled] {
            auto *dialog = w.findChild<CsvExportDialog *>();
            if (!dialog)
                return;
            auto *group = dialog->findChild<QRadioButton *>(QStringLiteral("groupButton"));
            if (!group->isEnabled()) {
                dialog->reject();
                return;
            }
            QTest::mouseClick(group, Qt::LeftButton, {}, QPoint(5, group->height() / 2));
            clickOk(*dialog);
            handled = true;
        });
        w.findChild<QAction *>(QStringLiteral("FileExportCsv"))->trigger();
        QVERIFY(handled);
        QCOMPARE(world.dialogs.asked().constLast().folder, csv);
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        CsvReader reader(file, CsvFormat::Utf8, u';');
        CsvRow row;
        QStringList names;
        while (reader.readRow(row) == CsvReader::RowRead)
            names.append(row.cells.at(1));
        QCOMPARE(names.mid(1), (QStringList { QStringLiteral("Komfur"), QStringLiteral("Gryde") }));
        QCOMPARE(world.boxes.shown().size(), 0);
    }
};

QTEST_MAIN(tst_CsvExportDialog)
#include "tst_csvexportdialog.moc"
