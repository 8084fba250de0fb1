#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringEncoder>
#include <QTableWidget>
#include <QtTest>

#include "../mainwindow/DatabaseFixture.h"
#include "TestSupport.h"
#include "TestWorld.h"
#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/CsvColumnMapping.h"
#include "database/CsvColumns.h"
#include "database/CsvImportPlan.h"
#include "database/DBItemCollection.h"
#include "database/DatabaseVersions.h"
#include "database/Item.h"
#include "mainwindow/larkspanwindow.h"
#include "spreadsheet/CsvImportDialog.h"

// File > Import > Spreadsheet (CSV) on the real window and dialog: the
// detected and chosen encodings and separators, the preview, the mapping,
// the dry run's summary, the import with its undo, and the files that are
// no spreadsheet at all.
namespace {

using namespace ListColumns;

struct Env : TestSupport::TestWorld
{
    explicit Env(int edition = OstranaEdition)
        : TestWorld(edition)
    { }

    QString database(
        const QString &relativePath, const QList<DatabaseFixture::Row> &rows = DatabaseFixture::threeItems())
    {
        const QFileInfo info(path(relativePath));
        QDir().mkpath(info.absolutePath());
        DatabaseFixture::writeLists(info.absolutePath(), DatabaseFixture::twoGroups());
        return DatabaseFixture::writeDatabase(info.absolutePath(), info.fileName(), edition(), rows);
    }

    QString csv(const QByteArray &bytes, const QString &name = QStringLiteral("in.csv"))
    {
        const QString file = path(name);
        TestSupport::writeFile(file, bytes);
        return file;
    }
};

// The window with its database, and the import dialog opened on a file
// through the menu entry (the file dialog answered).
struct Session
{
    explicit Session(Env &env)
        : env(env)
    {
        env.startWith(env.database(QStringLiteral("db/home.db")));
        window = std::make_unique<MainWindow>();
    }

    QAction *entry() const { return window->findChild<QAction *>(QStringLiteral("FileImportCsv")); }
    QAction *undoAction() const { return window->findChild<QAction *>(QStringLiteral("EditUndo")); }

    CsvImportDialog *open(const QString &file)
    {
        FileDialog::queueAnswer(file);
        entry()->trigger();
        dialog = window->findChild<CsvImportDialog *>();
        return dialog && dialog->isVisible() ? dialog.data() : nullptr;
    }

    QComboBox *encodingBox() const { return dialog->findChild<QComboBox *>(QStringLiteral("encodingBox")); }
    QComboBox *separatorBox() const { return dialog->findChild<QComboBox *>(QStringLiteral("separatorBox")); }
    QCheckBox *headerCheck() const { return dialog->findChild<QCheckBox *>(QStringLiteral("headerCheck")); }
    QCheckBox *substituteCheck() const { return dialog->findChild<QCheckBox *>(QStringLiteral("substituteCheck")); }
    QTableWidget *preview() const { return dialog->findChild<QTableWidget *>(QStringLiteral("previewTable")); }
    QLabel *previewLabel() const { return dialog->findChild<QLabel *>(QStringLiteral("previewLabel")); }
    QString summary() const
    {
        return dialog->findChild<QPlainTextEdit *>(QStringLiteral("summaryText"))->toPlainText();
    }
    QPushButton *button(const char *name) const { return dialog->findChild<QPushButton *>(QLatin1String(name)); }

    QString cell(int row, int column) const
    {
        const QTableWidgetItem *item = preview()->item(row, column);
        return item ? item->text() : QString();
    }

    void choose(QComboBox *box, const QVariant &data)
    {
        const int index = box->findData(data);
        QVERIFY(index >= 0);
        box->setCurrentIndex(index);
    }
    void chooseColumn(int field, int column) { choose(dialog->mappingBox(field), column); }

    void check() { QTest::mouseClick(button("checkButton"), Qt::LeftButton); }
    void import() { QTest::mouseClick(button("importButton"), Qt::LeftButton); }

    Env &env;
    std::unique_ptr<MainWindow> window;
    QPointer<CsvImportDialog> dialog;
};

QByteArray encoded(const QString &text, CsvFormat::Encoding encoding)
{
    switch (encoding) {
    case CsvFormat::Utf8:
        return text.toUtf8();
    case CsvFormat::Utf8WithBom:
        return "\xEF\xBB\xBF" + text.toUtf8();
    case CsvFormat::Utf16LE:
        return QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom).encode(text);
    case CsvFormat::Utf16BE:
        return QStringEncoder(QStringEncoder::Utf16BE, QStringEncoder::Flag::WriteBom).encode(text);
    case CsvFormat::Windows1252: {
        QByteArray bytes = QString(text).replace(QChar(u'€'), QChar(0x80)).toLatin1();
        return bytes;
    }
    case CsvFormat::Latin1:
        break;
    }
    return text.toLatin1();
}

QStringList names(const DBItemCollection &collection)
{
    QStringList result;
    for (const Item *item : collection)
        result << item->name();
    return result;
}

} // namespace

class tst_CsvImportDialog : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { setDatabaseModified(false); }

    void entryInEveryEdition_data()
    {
        QTest::addColumn<int>("edition");
        QTest::newRow("Ostrana") << int(OstranaEdition);
        QTest::newRow("Vistrel") << int(VistrelEdition);
        QTest::newRow("Numivax") << int(NumivaxEdition);
        QTest::newRow("Quorvel") << int(QuorvelEdition);
    }
    void entryInEveryEdition()
    {
        QFETCH(int, edition);
        Env env(edition);
        Session s(env);
        QAction *entry = s.entry();
        QVERIFY(entry);
        QCOMPARE(entry->text(), QStringLiteral("Regneark (CSV)..."));
        auto *importMenu = s.window->findChild<QMenu *>(QStringLiteral("importMenu"));
        QVERIFY(importMenu);
        QCOMPARE(importMenu->title(), QStringLiteral("Importér"));
        QVERIFY(importMenu->actions().contains(entry));
        QVERIFY(s.window->fileMenu()->actions().contains(importMenu->menuAction()));
        // A cancelled file dialog opens no dialog.
        FileDialog::queueCancel();
        entry->trigger();
        QVERIFY(!s.window->findChild<CsvImportDialog *>());
        QCOMPARE(env.boxes.count(), 0);
    }

    // Each encoding is detected where its bytes tell it, and the box
    // reads the file again as the user chooses.
    void everyEncoding_data()
    {
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("detected");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");

        const QString munich = QStringLiteral("München æøå");
        QTest::newRow("UTF-8") << int(CsvFormat::Utf8) << int(CsvFormat::Utf8) << int(CsvFormat::Utf8) << munich
                               << munich;
        QTest::newRow("UTF-8 with BOM") << int(CsvFormat::Utf8WithBom) << int(CsvFormat::Utf8WithBom)
                                        << int(CsvFormat::Utf8WithBom) << munich << munich;
        QTest::newRow("UTF-16 LE") << int(CsvFormat::Utf16LE) << int(CsvFormat::Utf16LE) << int(CsvFormat::Utf16LE)
                                   << munich << munich;
        QTest::newRow("UTF-16 BE") << int(CsvFormat::Utf16BE) << int(CsvFormat::Utf16BE) << int(CsvFormat::Utf16BE)
                                   << munich << munich;
        QTest::newRow("Windows-1252") << int(CsvFormat::Windows1252) << int(CsvFormat::Windows1252)
                                      << int(CsvFormat::Windows1252) << munich << munich;
        // Latin-1 bytes are no UTF-8: detected as Windows-1252, which reads
        // the letters alike; the user's choice of Latin-1 reads them too.
        QTest::newRow("Latin-1") << int(CsvFormat::Latin1) << int(CsvFormat::Windows1252) << int(CsvFormat::Latin1)
                                 << munich << munich;
        // UTF-8 read as Latin-1: the preview shows what that would import.
        QTest::newRow("UTF-8 chosen as Latin-1")
            << int(CsvFormat::Utf8) << int(CsvFormat::Utf8) << int(CsvFormat::Latin1) << munich
            << QString::fromLatin1(munich.toUtf8());
        const QString coffee = QStringLiteral("Kaffe 5 €");
        QTest::newRow("Windows-1252 euro") << int(CsvFormat::Windows1252) << int(CsvFormat::Windows1252)
                                           << int(CsvFormat::Windows1252) << coffee << coffee;
        QTest::newRow("Windows-1252 chosen as Latin-1")
            << int(CsvFormat::Windows1252) << int(CsvFormat::Windows1252) << int(CsvFormat::Latin1) << coffee
            << QStringLiteral("Kaffe 5 \u0080");
        // Bytes that are no UTF-8 show as U+FFFD, and the preview says so.
        QTest::newRow("Latin-1 chosen as UTF-8")
            << int(CsvFormat::Latin1) << int(CsvFormat::Windows1252) << int(CsvFormat::Utf8) << munich << QString();
    }
    void everyEncoding()
    {
        QFETCH(int, written);
        QFETCH(int, detected);
        QFETCH(int, chosen);
        QFETCH(QString, name);
        QFETCH(QString, shown);
        Env env;
        Session s(env);
        const QString text = QStringLiteral("Navn;Pris\r\n%1;12.5\r\nStol;3\r\n").arg(name);
        QVERIFY(s.open(env.csv(encoded(text, CsvFormat::Encoding(written)))));
        QCOMPARE(s.encodingBox()->count(), 6);
        QCOMPARE(s.encodingBox()->currentData().toInt(), detected);
        QCOMPARE(s.encodingBox()->currentText(), CsvFormat::encodingName(CsvFormat::Encoding(detected)));
        s.choose(s.encodingBox(), chosen);
        QCOMPARE(int(s.dialog->format().encoding), chosen);
        QCOMPARE(s.preview()->rowCount(), 2);
        QCOMPARE(s.preview()->columnCount(), 2);
        if (shown.isEmpty()) {
            QVERIFY(s.cell(0, 0).contains(QChar::ReplacementCharacter));
            QVERIFY(s.previewLabel()->text().contains(QStringLiteral("UTF-8")));
        } else {
            QCOMPARE(s.cell(0, 0), shown);
        }
        QCOMPARE(s.cell(1, 0), QStringLiteral("Stol"));
        QCOMPARE(s.preview()->horizontalHeaderItem(1)->text(), QStringLiteral("Pris"));
        QCOMPARE(env.boxes.count(), 0);
    }

    void everySeparator_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<int>("detected");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("columns");
        QTest::newRow("comma") << QStringLiteral(",") << int(u',') << int(u',') << 3;
        QTest::newRow("semicolon") << QStringLiteral(";") << int(u';') << int(u';') << 3;
        QTest::newRow("tab") << QStringLiteral("\t") << int(u'\t') << int(u'\t') << 3;
        QTest::newRow("semicolon file read with tab") << QStringLiteral(";") << int(u';') << int(u'\t') << 1;
        QTest::newRow("tab file read with comma") << QStringLiteral("\t") << int(u'\t') << int(u',') << 1;
    }
    void everySeparator()
    {
        QFETCH(QString, separator);
        QFETCH(int, detected);
        QFETCH(int, chosen);
        QFETCH(int, columns);
        Env env;
        Session s(env);
        // A quoted cell holds each of the other separators.
        const QString text
            = QStringList { QStringLiteral("Navn"), QStringLiteral("Pris"), QStringLiteral("Antal") }.join(separator)
            + QStringLiteral("\r\n")
            + QStringList { QStringLiteral("\"Bord, rundt\ttil 4\""), QStringLiteral("100"), QStringLiteral("2") }.join(
                separator)
            + QStringLiteral("\r\n");
        QVERIFY(s.open(env.csv(text.toUtf8())));
        QCOMPARE(s.separatorBox()->count(), 3);
        QCOMPARE(s.separatorBox()->currentData().toInt(), detected);
        s.choose(s.separatorBox(), chosen);
        QCOMPARE(int(s.dialog->format().separator), chosen);
        QCOMPARE(s.preview()->columnCount(), columns);
        QCOMPARE(s.preview()->rowCount(), 1);
        if (columns == 3) {
            QCOMPARE(s.cell(0, 0), QStringLiteral("Bord, rundt\ttil 4"));
            QCOMPARE(s.cell(0, 2), QStringLiteral("2"));
            QCOMPARE(s.dialog->mapping().column(NameColumn), 0);
        }
    }

    // The mapping boxes show the guess from headers in each language;
    // without a header row the columns are taken in the export's order.
    void autoMapping_data()
    {
        QTest::addColumn<QString>("header");
        QTest::addColumn<bool>("hasHeader");
        QTest::addColumn<QList<int>>("fields");
        QTest::addColumn<QList<int>>("columns");
        const QList<int> fields { NameColumn, CountColumn, PriceColumn, SupplierColumn, DescriptionColumn };
        QTest::newRow("Danish") << QStringLiteral("Leverandør;Navn;Pris;Antal;Beskrivelse") << true << fields
                                << QList<int> { 1, 3, 2, 0, 4 };
        QTest::newRow("Norwegian") << QStringLiteral("Antall;Beskrivelse;Navn;Leverandør;Pris") << true << fields
                                   << QList<int> { 2, 0, 4, 3, 1 };
        QTest::newRow("English") << QStringLiteral("Price;Name;Supplier;Description;Count") << true << fields
                                 << QList<int> { 1, 4, 0, 2, 3 };
        QTest::newRow("English, any case and blanks")
            << QStringLiteral(" price ;NAME;x;y; Count") << true << fields << QList<int> { 1, 4, 0, -1, -1 };
        QTest::newRow("no header row") << QStringLiteral("a;b;c;d;e;f") << false
                                       << QList<int> { GroupColumn, NameColumn, ProductColumn, ModelColumn, CountColumn,
                                              PriceColumn, PriceTodayColumn }
                                       << QList<int> { 0, 1, 2, 3, 4, 5, -1 };
    }
    void autoMapping()
    {
        QFETCH(QString, header);
        QFETCH(bool, hasHeader);
        QFETCH(QList<int>, fields);
        QFETCH(QList<int>, columns);
        Env env;
        Session s(env);
        QVERIFY(s.open(env.csv((header + QStringLiteral("\r\n1;2;3;4;5;6\r\n")).toUtf8())));
        if (!hasHeader)
            s.headerCheck()->setChecked(false);
        for (int i = 0; i < fields.size(); ++i) {
            const int field = fields.at(i);
            QCOMPARE(s.dialog->mapping().column(field), columns.at(i));
            QComboBox *box = s.dialog->mappingBox(field);
            QVERIFY(box);
            QCOMPARE(box->currentData().toInt(), columns.at(i));
            if (columns.at(i) < 0)
                QCOMPARE(box->currentText(), QStringLiteral("ikke i filen"));
        }
        QCOMPARE(s.preview()->rowCount(), hasHeader ? 1 : 2);
    }

    // A mapping changed in its box is what the dry run and the import use,
    // and is remembered for the next file of the same header.
    void changedMapping()
    {
        Env env;
        Session s(env);
        const QString file = env.csv("Navn;Beskrivelse;Pris\r\nStol;Rød stol;10\r\nBord;Stort bord;20\r\n");
        QVERIFY(s.open(file));
        QCOMPARE(s.dialog->mapping().column(NameColumn), 0);
        QCOMPARE(s.dialog->mapping().column(DescriptionColumn), 1);
        s.chooseColumn(NameColumn, 1);
        s.chooseColumn(DescriptionColumn, 0);
        QCOMPARE(s.dialog->mapping().column(NameColumn), 1);
        QVERIFY(!s.dialog->plan());
        s.check();
        QVERIFY(s.dialog->plan());
        QCOMPARE(int(s.dialog->plan()->items.size()), 2);
        const int before = s.window->collection()->count();
        s.import();
        QTRY_VERIFY(!s.dialog);
        QCOMPARE(s.window->collection()->count(), before + 2);
        const Item *last = s.window->collection()->at(before + 1);
        QCOMPARE(last->name(), QStringLiteral("Stort bord"));
        QCOMPARE(last->description(), QStringLiteral("Bord"));

        // The same header again: the changed mapping comes back.
        QVERIFY(s.open(env.csv("Navn;Beskrivelse;Pris\r\nSkab;Hvidt;5\r\n", QStringLiteral("again.csv"))));
        QCOMPARE(s.dialog->mapping().column(NameColumn), 1);
        QCOMPARE(s.dialog->mappingBox(NameColumn)->currentData().toInt(), 1);
        // Taking the name out refuses every row.
        s.chooseColumn(NameColumn, CsvColumnMapping::NotPresent);
        s.check();
        QVERIFY(s.dialog->plan());
        QCOMPARE(int(s.dialog->plan()->items.size()), 0);
        QCOMPARE(s.dialog->plan()->errors.size(), 1);
        QVERIFY(!s.button("importButton")->isEnabled());
    }

    // The summary names each refused row by its line in the file, and the
    // preview marks the cells that refuse it.
    void dryRunSummary_data()
    {
        QTest::addColumn<bool>("substitute");
        QTest::addColumn<QList<qint64>>("refusedLines");
        QTest::addColumn<int>("imported");
        QTest::newRow("as it is") << false << QList<qint64> { 3, 4, 5, 8 } << 2;
        QTest::newRow("substitutes") << true << QList<qint64> { 3, 8 } << 4;
    }
    void dryRunSummary()
    {
        QFETCH(bool, substitute);
        QFETCH(QList<qint64>, refusedLines);
        QFETCH(int, imported);
        Env env;
        Session s(env);
        // Line 5 starts a row whose quoted description goes on over line 6.
        const QByteArray text = "Navn;Pris;Beskrivelse;Gruppe\r\n"
                                "Stol;10;;Stue\r\n"
                                "Bord;ti kroner;;Stue\r\n"
                                "Skab; med semikolon;5;;Stue\r\n"
                                "Lampe;7;\"To\r\nlinjer\";Stue\r\n"
                                "Kande;8;;Værksted\r\n";
        QByteArray withQuote = text;
        withQuote.replace("Skab; med semikolon", "\"Skab; med semikolon\"");
        withQuote += "Kop;1e400;;Stue\r\n";
        QVERIFY(s.open(env.csv(withQuote)));
        s.substituteCheck()->setChecked(substitute);
        QCOMPARE(s.preview()->rowCount(), 6);
        QCOMPARE(s.preview()->verticalHeaderItem(3)->text(), QStringLiteral("Linje 5"));
        QCOMPARE(s.preview()->verticalHeaderItem(4)->text(), QStringLiteral("Linje 7"));
        // The bad price is marked with its reason.
        const QTableWidgetItem *price = s.preview()->item(1, 1);
        QVERIFY(!price->toolTip().isEmpty());
        QVERIFY(price->background() != QBrush());
        QVERIFY(s.preview()->item(0, 1)->toolTip().isEmpty());
        const QTableWidgetItem *name = s.preview()->item(2, 0);
        if (substitute)
            QCOMPARE(name->text(), QStringLiteral("Skab, med semikolon"));
        else
            QCOMPARE(name->text(), QStringLiteral("Skab; med semikolon"));
        QVERIFY(!name->toolTip().isEmpty());

        QVERIFY(!s.button("importButton")->isEnabled());
        s.check();
        const CsvImportPlan *plan = s.dialog->plan();
        QVERIFY(plan);
        QCOMPARE(plan->rows, 6);
        QCOMPARE(int(plan->items.size()), imported);
        QList<qint64> lines;
        for (const CsvRowError &error : plan->errors)
            lines << error.line;
        QCOMPARE(lines, refusedLines);
        const QString summary = s.summary();
        QVERIFY2(summary.contains(QStringLiteral("Rækker i filen: 6")), qPrintable(summary));
        QVERIFY2(summary.contains(QStringLiteral("Rækker, der importeres: %1").arg(imported)), qPrintable(summary));
        for (const CsvRowError &error : plan->errors)
            QVERIFY2(summary.contains(QStringLiteral("Linje %1: %2").arg(error.line).arg(error.reason)),
                qPrintable(summary));
        // The group the lists lack is named.
        QVERIFY2(summary.contains(QStringLiteral("Værksted")), qPrintable(summary));
        QCOMPARE(plan->newGroups, QStringList { QStringLiteral("Værksted") });
        QVERIFY(s.button("importButton")->isEnabled());
        // Any change of the options asks for a new check.
        s.substituteCheck()->setChecked(!substitute);
        QVERIFY(!s.dialog->plan());
        QVERIFY(!s.button("importButton")->isEnabled());
        QCOMPARE(env.boxes.count(), 0);
    }

    // The import is one step: undo takes the items and the new group out.
    void importAndUndo()
    {
        Env env;
        Session s(env);
        DBItemCollection &collection = *s.window->collection();
        const QStringList namesBefore = names(collection);
        const int groupsBefore = collection.groups().size();
        QVERIFY(s.open(env.csv("Navn;Gruppe;Pris\r\nKedel;Køkken;250\r\nHammer;Værksted;99.5\r\n")));
        s.check();
        QVERIFY(s.button("importButton")->isEnabled());
        QSignalSpy imported(s.dialog.data(), &CsvImportDialog::imported);
        s.import();
        QCOMPARE(imported.count(), 1);
        QCOMPARE(imported.at(0).at(0).toInt(), 2);
        QCOMPARE(names(collection), (namesBefore + QStringList { QStringLiteral("Kedel"), QStringLiteral("Hammer") }));
        QCOMPARE(collection.groups().size(), groupsBefore + 1);
        QCOMPARE(collection.at(collection.count() - 1)->group(), groupsBefore);
        QCOMPARE(collection.at(collection.count() - 1)->price(), 99.5);
        QVERIFY(databaseModified());
        QCOMPARE(s.undoAction()->text(), QStringLiteral("Fortryd import"));
        s.undoAction()->trigger();
        QCOMPARE(names(collection), namesBefore);
        QCOMPARE(collection.groups().size(), groupsBefore);
        QCOMPARE(env.boxes.count(), 0);
    }

    // The first save after an import keeps the file it replaces as a
    // version, even where no versions are kept.
    void backupBeforeTheFirstSave()
    {
        Env env;
        Settings().setValue(DatabaseVersions::keepKey(), 0);
        Session s(env);
        const QString database = s.window->currentFileName();
        const QByteArray original = TestSupport::readFile(database);
        QVERIFY(s.open(env.csv("Navn;Pris\r\nKedel;5\r\n")));
        s.check();
        s.import();
        QVERIFY(s.window->saveDatabase());
        const QList<DatabaseVersions::Version> versions = DatabaseVersions(database).versions();
        QCOMPARE(versions.size(), 1);
        QCOMPARE(TestSupport::readFile(versions.first().path), original);
        QVERIFY(TestSupport::readFile(database) != original);
    }

    void importIntoNewDatabase()
    {
        Env env;
        Session s(env);
        QVERIFY(s.open(env.csv("Navn;Pris\r\nKedel;250\r\nHammer;99\r\n")));
        s.check();
        QPushButton *intoNew = s.button("importNewButton");
        QVERIFY(intoNew->isVisible());
        QVERIFY(intoNew->isEnabled());
        QTest::mouseClick(intoNew, Qt::LeftButton);
        QTRY_VERIFY(!s.dialog);
        QVERIFY(s.window->currentFileName().isEmpty());
        QCOMPARE(names(*s.window->collection()), (QStringList { QStringLiteral("Kedel"), QStringLiteral("Hammer") }));
        QCOMPARE(s.undoAction()->text(), QStringLiteral("Fortryd import"));
    }

    // Files that are no spreadsheet, or none with rows, give a message in
    // the dialog and nothing to import; the database stays as it was.
    void badInput_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("readFails");
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("header only") << QByteArray("Navn;Pris\r\n") << false;
        QTest::newRow("unterminated quote") << QByteArray("Navn;Pris\r\nStol;\"12\r\nBord;3\r\n") << true;
        QTest::newRow("NUL byte") << QByteArray("Navn;Pris\r\nSt\0ol;12\r\n", 21) << true;
        QByteArray garbage;
        quint32 seed = 12345;
        for (int i = 0; i < 70000; ++i) {
            seed = seed * 1103515245u + 12345u;
            garbage.append(char(seed >> 24));
        }
        QTest::newRow("binary garbage") << garbage << true;
    }
    void badInput()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, readFails);
        Env env;
        Session s(env);
        const QByteArray databaseBefore = TestSupport::readFile(s.window->currentFileName());
        const int countBefore = s.window->collection()->count();
        QVERIFY(s.open(env.csv(bytes)));
        QVERIFY(!s.previewLabel()->text().isEmpty());
        s.check();
        const CsvImportPlan *plan = s.dialog->plan();
        QVERIFY(plan);
        QVERIFY(!plan->canApply());
        if (readFails)
            QVERIFY(!plan->failure.isEmpty() || plan->items.empty());
        else
            QCOMPARE(plan->rows, 0);
        // The summary tells why nothing can be imported.
        const QString why = plan->failure.isEmpty() ? QStringLiteral("Ingen rækker kan importeres.") : plan->failure;
        QVERIFY2(s.summary().contains(why), qPrintable(s.summary()));
        QVERIFY(!s.button("importButton")->isEnabled());
        QVERIFY(!s.button("importNewButton")->isEnabled());
        QVERIFY(!s.dialog->importPlan(false));
        QCOMPARE(s.window->collection()->count(), countBefore);
        QVERIFY(!databaseModified());
        QCOMPARE(TestSupport::readFile(s.window->currentFileName()), databaseBefore);
        QCOMPARE(env.boxes.count(), 0);
    }

    // A file changed after the dry run is checked again before anything is
    // imported.
    void changedFile_data()
    {
        QTest::addColumn<bool>("checkAgain");
        QTest::newRow("checked again") << true;
        QTest::newRow("left") << false;
    }
    void changedFile()
    {
        QFETCH(bool, checkAgain);
        Env env;
        Session s(env);
        const QString file = env.csv("Navn;Pris\r\nKedel;5\r\n");
        QVERIFY(s.open(file));
        s.check();
        QVERIFY(s.button("importButton")->isEnabled());
        TestSupport::writeFile(file, "Navn;Pris\r\nKedel;5\r\nHammer;6\r\nTang;7\r\n");
        const int before = s.window->collection()->count();
        MessageBox::queueAnswer(checkAgain ? QMessageBox::Yes : QMessageBox::No);
        s.import();
        QCOMPARE(env.boxes.count(), 1);
        QCOMPARE(env.boxes.shown().first().kind, MessageBox::Question);
        QVERIFY(s.dialog);
        QCOMPARE(s.window->collection()->count(), before);
        if (checkAgain) {
            QVERIFY(s.dialog->plan());
            QCOMPARE(int(s.dialog->plan()->items.size()), 3);
            s.import();
            QCOMPARE(s.window->collection()->count(), before + 3);
        } else {
            QVERIFY(!s.dialog->plan());
            QVERIFY(!s.button("importButton")->isEnabled());
        }
    }

    void readOnlyDatabase()
    {
        Env env(QuorvelEdition);
        const QString file = env.database(QStringLiteral("a/stock.db"));
        QVERIFY(TestSupport::writeFile(env.path(QStringLiteral("a/LockFile")), "other.db Locked by PC: STORE1"));
        env.startWith(file);
        MainWindow w;
        QVERIFY(w.collection()->isReadOnly());
        const int before = w.collection()->count();
        const int boxesBefore = int(env.boxes.count());
        w.findChild<QAction *>(QStringLiteral("FileImportCsv"))->trigger();
        QVERIFY(!w.findChild<CsvImportDialog *>());
        QCOMPARE(env.boxes.count(), boxesBefore + 1);
        QCOMPARE(env.boxes.shown().last().kind, MessageBox::Warning);
        QVERIFY(env.boxes.shown().last().text.contains(QStringLiteral("skrivebeskyttet")));
        // Not even the file dialog came.
        QCOMPARE(env.dialogs.asked().size(), 0);

        // A dialog made on the locked collection refuses too.
        CsvImportDialog dialog(*w.collection(), &w);
        QVERIFY(dialog.openFile(env.csv("Navn\r\nKedel\r\n")));
        QVERIFY(dialog.check());
        QVERIFY(!dialog.findChild<QPushButton *>(QStringLiteral("importButton"))->isEnabled());
        QVERIFY(!dialog.importPlan(false));
        QCOMPARE(env.boxes.count(), boxesBefore + 2);
        QCOMPARE(w.collection()->count(), before);
    }
};

QTEST_MAIN(tst_CsvImportDialog)
#include "tst_csvimportdialog.moc"
