#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <QScopeGuard>

#include "PrintFixture.h"
#include "TestSupport.h"
#include "core/ColumnTitles.h"
#include "core/PrintSettings.h"
#include "core/Settings.h"
#include "desktop/PrintDialog.h"
#include "output/ListPrinter.h"
#include "output/PrintFieldTitles.h"

using PrintFixture::ItemRow;

// The printed list: the cells of the heading and the item lines, the group
// and location filter, and whole print runs to PDF read back as text.
class tst_ListPrint : public QObject
{
    Q_OBJECT

private:
    static void applySettings(const QVariantMap &values)
    {
        Settings settings;
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            settings.setValue(QStringLiteral("Print/") + it.key(), it.value());
    }

    // An item with every field filled, changed by the overrides.
    static std::unique_ptr<Item> fullItem(const QVariantMap &overrides)
    {
        auto item = std::make_unique<Item>();
        item->setGroup(overrides.value(QStringLiteral("group"), 1).toInt());
        item->setName(overrides.value(QStringLiteral("name"), QStringLiteral("Sofa")).toString());
        item->setProduct(QStringLiteral("Bo"));
        item->setProductModel(QStringLiteral("M1"));
        item->setNumberOfItems(overrides.value(QStringLiteral("count"), 2).toInt());
        item->setPrice(overrides.value(QStringLiteral("price"), 1234.5).toDouble());
        item->setPriceToday(1000.4);
        item->setPhotolink(QStringLiteral("/pics/living/sofa.jpg"));
        item->setDate(QStringLiteral("01.02.2003"));
        item->setLocation(overrides.value(QStringLiteral("location"), 0).toInt());
        item->setDescription(overrides.value(QStringLiteral("description"), QStringLiteral("Blue sofa")).toString());
        item->setSupplier(QStringLiteral("Shop"));
        item->setAddress(QStringLiteral("Street 1"));
        item->setSerialno(QStringLiteral("S-42"));
        item->setWww(QStringLiteral("http://x.dk/sofa"));
        item->setReceipt(QStringLiteral("r/sofa.png"));
        item->setDocument(QStringLiteral("d/manual.pdf"));
        return item;
    }

    // Whether pdfinfo's page size ("842 x 595 pts (A4)") is wider than high.
    static bool landscape(const QString &pageSize)
    {
        const QStringList parts = pageSize.split(QLatin1Char(' '));
        return parts.size() > 2 && parts.at(0).toDouble() > parts.at(2).toDouble();
    }

    static QVariantMap onlyFields(std::initializer_list<const char *> fields)
    {
        QVariantMap values;
        for (int i = 0; i < PrintFields::FieldCount; ++i)
            values.insert(PrintFields::flagKey(PrintFields::Field(i)).mid(6), false);
        for (const char *field : fields)
            values.insert(QLatin1String(field), true);
        return values;
    }

    static QVariantMap with(QVariantMap values, const QVariantMap &more)
    {
        values.insert(more);
        return values;
    }

    struct PrintRun
    {
        QStringList pages;
        QList<QPair<QString, int>> messages;
        bool pdfWritten = false;
        QStringList firstPageFonts;
        QStringList secondPageFonts;
        QString pageSize;
    };

    // Prints the collection through the print dialog seam: into a PDF, or
    // with the dialog cancelled (empty pdf), or into a file that cannot be made.
    static PrintRun print(DBItemCollection &collection, const QString &pdfName = QStringLiteral("list.pdf"))
    {
        PrintRun run;
        QTemporaryDir dir;
        const QString pdf = dir.filePath(pdfName);
        PrintDialog::Recording recording;
        if (pdfName.isEmpty())
            PrintDialog::queueCancel();
        else
            PrintDialog::queuePdf(pdf);
        ListPrinter printer(&collection);
        QSignalSpy spy(&printer, &ListPrinter::message);
        printer.Print(nullptr);
        for (const QList<QVariant> &signal : std::as_const(spy))
            run.messages.append({ signal.at(0).toString(), signal.at(1).toInt() });
        run.pdfWritten = !pdfName.isEmpty() && QFileInfo(pdf).isFile();
        if (run.pdfWritten) {
            run.pages = PrintFixture::pdfPages(pdf);
            run.firstPageFonts = PrintFixture::pdfFonts(pdf, 1);
            run.secondPageFonts = PrintFixture::pdfFonts(pdf, 2);
            run.pageSize = PrintFixture::pdfPageSize(pdf);
        }
        return run;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
            "pdftotext (poppler-utils) is needed to read the printed pages");
        resetColumnTitles();
    }

    void itemLine_data()
    {
        QTest::addColumn<QVariantMap>("settings");
        QTest::addColumn<QVariantMap>("item");
        QTest::addColumn<QString>("expected");

        const QVariantMap none;
        QTest::newRow("defaults: group, name, product, amounts rounded, date")
            << none << none
            << QStringLiteral(
                   " Stue            | Sofa            | Bo              |      1235 |      1000 | 01.02.2003 |");
        QTest::newRow("a name longer than its width keeps its beginning")
            << onlyFields({ "printNameField" })
            << QVariantMap { { QStringLiteral("name"), QStringLiteral("A very long name indeed") } }
            << QStringLiteral(" A very long nam |");
        QTest::newRow("a picture link keeps its end")
            << with(onlyFields({ "printPictureField" }), { { QStringLiteral("printPictureFieldLength"), 10 } }) << none
            << QStringLiteral(" g/sofa.jpg |");
        QTest::newRow("an amount wider than its width is not cut")
            << with(onlyFields({ "printPriceField", "printDateField" }),
                   { { QStringLiteral("printPriceFieldLength"), 5 } })
            << QVariantMap { { QStringLiteral("price"), 1234567.0 } } << QStringLiteral(" 1234567 | 01.02.2003 |");
        QTest::newRow("half an amount rounds up")
            << onlyFields({ "printPriceField" }) << QVariantMap { { QStringLiteral("price"), 2.5 } }
            << QStringLiteral("         3 |");
        // Rounding a small negative amount gives a negative zero, which
        // printed alone would read "-0".
        for (const double small : { -0.4, -0.0, -1e-9, -0.49999 }) {
            QTest::addRow("%g prints as 0", small)
                << onlyFields({ "printPriceField" }) << QVariantMap { { QStringLiteral("price"), small } }
                << QStringLiteral("         0 |");
        }
        QTest::newRow("half a negative amount rounds away from zero")
            << onlyFields({ "printPriceField" }) << QVariantMap { { QStringLiteral("price"), -0.5 } }
            << QStringLiteral("        -1 |");
        QTest::newRow("a count keeps its last digits")
            << with(onlyFields({ "printCountField" }), { { QStringLiteral("printCountFieldLength"), 3 } })
            << QVariantMap { { QStringLiteral("count"), 12345 } } << QStringLiteral(" 345 |");
        QTest::newRow("the running number has no leading blank")
            << onlyFields({ "printItemCount", "printNameField" }) << none << QStringLiteral("  7| Sofa            |");
        QTest::newRow("a group number past the list prints as the number")
            << onlyFields({ "printGroupField" }) << QVariantMap { { QStringLiteral("group"), 42 } }
            << QStringLiteral(" 42              |");
        QTest::newRow("a negative location number prints as the number")
            << onlyFields({ "printLocationField" }) << QVariantMap { { QStringLiteral("location"), -1 } }
            << QStringLiteral(" -1              |");
        QTest::newRow("the separator of the settings")
            << with(onlyFields({ "printNameField", "printLocationField" }),
                   { { QStringLiteral("printSeparator"), QStringLiteral("#") } })
            << none << QStringLiteral(" Sofa            # Kælder          #");

        // Every field at width 4: the fixed print order, whatever the list order in the dialog.
        QVariantMap all;
        for (int i = 0; i < PrintFields::FieldCount; ++i) {
            const auto field = PrintFields::Field(i);
            all.insert(PrintFields::flagKey(field).mid(6), true);
            if (PrintFields::hasLength(field))
                all.insert(PrintFields::lengthKey(field).mid(6), 4);
        }
        QTest::newRow("every field in print order")
            << all << none
            << QStringLiteral(
                   "  7| Stue | Sofa | Bo   | M1   |    2 | 1235 | 1000 | .jpg | 01.02.2003 | Kæld | Blue | Shop "
                   "| Stre | S-42 | sofa | .png | .pdf |");
    }

    void itemLine()
    {
        QFETCH(QVariantMap, settings);
        QFETCH(QVariantMap, item);
        QFETCH(QString, expected);
        TestSupport::IsolatedSettings isolated;
        applySettings(settings);
        auto collection = PrintFixture::makeCollection(
            { QStringLiteral("Køkken"), QStringLiteral("Stue") }, { QStringLiteral("Kælder") }, {});
        ListPrinter printer(collection.get());
        const auto made = fullItem(item);
        QCOMPARE(printer.MakeItemLine(7, *made), expected);
        QCOMPARE(printer.line(), expected);
    }

    void filter_data()
    {
        QTest::addColumn<QVariantMap>("settings");
        QTest::addColumn<QString>("printed");
        // What the page heading says the list shows.
        QTest::addColumn<QString>("detail");
        // Ten items: 4 and 7 in group 3; 2 and 7 in location 1. Sorted by
        // name, they keep their order, whatever their groups.
        const auto row
            = [](const char *name, bool groupOnly, bool locationOnly, const char *printed, const char *detail) {
                  QTest::newRow(name) << QVariantMap { { QStringLiteral("printItemCount"), true },
                      { QStringLiteral("printGroupField"), false }, { QStringLiteral("printNameField"), false },
                      { QStringLiteral("printModelField"), false }, { QStringLiteral("printPriceField"), false },
                      { QStringLiteral("printPriceTodayField"), false }, { QStringLiteral("printDateField"), false },
                      { QStringLiteral("sortMethod"), 1 }, { QStringLiteral("printGroupOnly"), groupOnly },
                      { QStringLiteral("GroupToPrint"), 3 }, { QStringLiteral("printLocationOnly"), locationOnly },
                      { QStringLiteral("LocationToPrint"), 1 } }
                                      << QString::fromLatin1(printed) << QString::fromUtf8(detail);
              };
        row("one group keeps its numbers", true, false, "4| 7|", "Kun Gruppe: D, sorteret efter Navn");
        row("one location", false, true, "2| 7|", "Kun Rum: There, sorteret efter Navn");
        row("a group or a location", true, true, "2| 4| 7|", "Kun Gruppe: D eller Kun Rum: There, sorteret efter Navn");
    }

    // Through a whole print run, so that the filter is seen on paper.
    void filter()
    {
        QFETCH(QVariantMap, settings);
        QFETCH(QString, printed);
        QFETCH(QString, detail);
        TestSupport::IsolatedSettings isolated;
        applySettings(settings);
        QList<ItemRow> rows;
        for (int i = 1; i <= 10; ++i) {
            ItemRow row;
            row.group = (i == 4 || i == 7) ? 3 : 0;
            row.location = (i == 2 || i == 7) ? 1 : 0;
            row.name = QStringLiteral("Item %1").arg(i, 2, 10, QLatin1Char('0'));
            rows.append(row);
        }
        auto collection = PrintFixture::makeCollection(
            { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D") },
            { QStringLiteral("Here"), QStringLiteral("There") }, rows);
        const PrintRun run = print(*collection);
        QCOMPARE(run.pages.size(), 1);
        const QStringList lines = PrintFixture::simplifiedLines(run.pages.first());
        QCOMPARE(lines.value(1), detail);
        QCOMPARE(lines.mid(2).join(QLatin1Char(' ')), QStringLiteral("ITEM_COUNT| ") + printed);
    }

    // Enough items for three pages: every page starts with the heading, no
    // line is lost or doubled at a break, and the status bar follows the pages.
    void pagesRepeatTheHeading()
    {
        TestSupport::IsolatedSettings isolated;
        applySettings(onlyFields({ "printItemCount", "printNameField" }));
        QList<ItemRow> rows;
        for (int i = 1; i <= 150; ++i)
            rows.append(ItemRow { 0, QStringLiteral("Item %1").arg(i, 3, 10, QLatin1Char('0')) });
        auto collection = PrintFixture::makeCollection({ QStringLiteral("A") }, {}, rows);

        const PrintRun run = print(*collection);
        QVERIFY(run.pdfWritten);
        QCOMPARE(run.pages.size(), 3);
        QStringList itemLines;
        for (int page = 0; page < run.pages.size(); ++page) {
            QStringList lines = PrintFixture::simplifiedLines(run.pages.at(page));
            QCOMPARE(
                lines.value(0), PrintFixture::pageHeadingLine(QStringLiteral("Ny database (ikke gemt)"), page + 1, 3));
            QCOMPARE(lines.value(1), QStringLiteral("Alle poster, sorteret efter Gruppe"));
            QCOMPARE(lines.value(2), QStringLiteral("ITEM_COUNT| Navn |"));
            itemLines += lines.mid(3);
        }
        QCOMPARE(itemLines.size(), 150);
        for (int i = 1; i <= 150; ++i)
            QCOMPARE(itemLines.at(i - 1), QStringLiteral("%1| Item %2 |").arg(i).arg(i, 3, 10, QLatin1Char('0')));

        const QList<QPair<QString, int>> expected { { QStringLiteral("Printing..."), 0 },
            { QStringLiteral("Printing (page 2)..."), 0 }, { QStringLiteral("Printing (page 3)..."), 0 },
            { QStringLiteral("Print færdig"), 2000 } };
        QCOMPARE(run.messages, expected);

        // Only the first page's heading is bold.
        const auto bold = [](const QStringList &fonts) {
            return std::any_of(
                fonts.begin(), fonts.end(), [](const QString &f) { return f.contains(QLatin1String("Bold")); });
        };
        QVERIFY2(bold(run.firstPageFonts), qPrintable(run.firstPageFonts.join(QLatin1Char(' '))));
        QVERIFY(!run.secondPageFonts.isEmpty());
        QVERIFY2(!bold(run.secondPageFonts), qPrintable(run.secondPageFonts.join(QLatin1Char(' '))));
    }

    // A page takes item lines while the top of the next one lies at least
    // two margins above the page's foot (the bottom margin and the
    // margin the lines are drawn below); one line more goes on the next page.
    void pageBreakBoundary()
    {
        TestSupport::IsolatedSettings isolated;
        applySettings(onlyFields({ "printItemCount" }));
        QList<ItemRow> rows;
        for (int i = 1; i <= 150; ++i)
            rows.append(ItemRow { 0, QStringLiteral("x") });
        auto collection = PrintFixture::makeCollection({ QStringLiteral("A") }, {}, rows);
        const PrintRun run = print(*collection);
        QVERIFY(run.pdfWritten);
        QVERIFY(run.pages.size() >= 2);

        // The printer of the print dialog seam and the list's font, measured
        // as the printout measures them.
        QTemporaryDir dir;
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("measure.pdf")));
        QPainter painter(&printer);
        QFont font(QStringLiteral("Courier New"), 10, QFont::Bold);
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
        painter.setFont(font);
        const QFontMetrics metrics = painter.fontMetrics();
        const int margin = 50;
        const int pageHeight = printer.height();
        painter.end();
        // Each line takes its ascent and descent. The first item line's top
        // is below the page heading's two lines, half a line of room and
        // the column heading (with the font's leading).
        const int step = metrics.ascent() + metrics.descent();
        const int firstTop = margin + 2 * step + step / 2 + metrics.lineSpacing();
        const int perPage = (pageHeight - margin - firstTop) / step;
        QVERIFY(perPage > 10);

        const QStringList first = PrintFixture::simplifiedLines(run.pages.at(0));
        QCOMPARE(first.size(), 3 + perPage);
        QCOMPARE(first.last(), QStringLiteral("%1|").arg(perPage));
        QCOMPARE(PrintFixture::simplifiedLines(run.pages.at(1)).value(3), QStringLiteral("%1|").arg(perPage + 1));
    }

    void emptyRegisterPrintsTheHeadingOnly()
    {
        TestSupport::IsolatedSettings isolated;
        auto collection = PrintFixture::makeCollection({ QStringLiteral("A") }, {}, {});
        const PrintRun run = print(*collection);
        QCOMPARE(run.pages.size(), 1);
        QCOMPARE(PrintFixture::simplifiedLines(run.pages.first()),
            (QStringList { PrintFixture::pageHeadingLine(QStringLiteral("Ny database (ikke gemt)"), 1, 1),
                QStringLiteral("Alle poster, sorteret efter Gruppe"),
                QStringLiteral("Gruppe | Navn | Fabrikat | Pris | Vurd. | Dato |") }));
        QCOMPARE(run.messages.last(), qMakePair(QStringLiteral("Print færdig"), 2000));
    }

    // Cancelled, or into a file that cannot be made, nothing is printed and
    // nothing claims it was: a print that failed says so, naming the file.
    void runsThatPrintNothing_data()
    {
        QTest::addColumn<QString>("pdfName");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("cancelled") << QString() << QStringList { QStringLiteral("Print afbrudt") };
        QTest::newRow("file in a folder that is not there")
            << QStringLiteral("missing-folder/list.pdf")
            << QStringList { QStringLiteral("Printing..."), QStringLiteral("Print mislykkedes") };
    }

    void runsThatPrintNothing()
    {
        QFETCH(QString, pdfName);
        QFETCH(QStringList, messages);
        TestSupport::IsolatedSettings isolated;
        TestSupport::RecordedMessageBoxes boxes;
        auto collection
            = PrintFixture::makeCollection({ QStringLiteral("A") }, {}, { ItemRow { 0, QStringLiteral("X") } });
        const PrintRun run = print(*collection, pdfName);
        QVERIFY(!run.pdfWritten);
        QStringList shown;
        for (const auto &message : run.messages)
            shown.append(message.first);
        QCOMPARE(shown, messages);
        QCOMPARE(boxes.count(), pdfName.isEmpty() ? 0 : 1);
        if (!pdfName.isEmpty()) {
            QCOMPARE(boxes.last().kind, MessageBox::Critical);
            QCOMPARE(boxes.last().title, QStringLiteral("Udskriften mislykkedes"));
            QVERIFY2(boxes.last().text.contains(QDir::toNativeSeparators(pdfName)), qPrintable(boxes.last().text));
        }
    }

    // Every field chosen, with the column titles of each edition's demo
    // database: the page is turned, the font made smaller and the widest
    // texts wrapped, which a box says before printing; every column's title
    // stands on every page, under a page heading that counts the pages.
    void widestSelectionFits_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("folder");
        for (const PrintFixture::EditionDemo &demo : PrintFixture::editionDemos())
            QTest::newRow(demo.tag) << demo.edition << QString::fromLatin1(demo.folder);
    }
    void widestSelectionFits()
    {
        QFETCH(int, edition);
        QFETCH(QString, folder);
        TestSupport::IsolatedSettings isolated(edition);
        // In the program's own words ("Nr." for the running number).
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral("larkspan_dk"), TestSupport::runDir()));
        QCoreApplication::installTranslator(&translator);
        const auto restore = qScopeGuard([&translator] {
            QCoreApplication::removeTranslator(&translator);
            resetColumnTitles();
        });
        QVERIFY(PrintFixture::useFieldNames(PrintFixture::demoFieldNames(folder.toLatin1().constData(), "dk")));
        QVariantMap all;
        for (int i = 0; i < PrintFields::FieldCount; ++i)
            all.insert(PrintFields::flagKey(PrintFields::Field(i)).mid(6), true);
        applySettings(all);
        auto collection = PrintFixture::makeCollection(
            { QStringLiteral("Køkken"), QStringLiteral("Stue") }, { QStringLiteral("Kælder") }, {});
        for (int i = 0; i < 60; ++i)
            collection->add(fullItem({ { QStringLiteral("description"), QStringLiteral("Blue velvet sofa") } }));

        TestSupport::RecordedMessageBoxes boxes;
        const PrintRun run = print(*collection);
        QVERIFY(run.pdfWritten);
        QVERIFY2(landscape(run.pageSize), qPrintable(run.pageSize));
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::Warning);
        QCOMPARE(boxes.last().title, QStringLiteral("Listen er for bred til papiret"));
        QVERIFY2(
            boxes.last().text.contains(PrintFieldTitles::title(PrintFields::Describe)), qPrintable(boxes.last().text));
        QVERIFY2(!boxes.last().text.contains(QLatin1String("udelades")), qPrintable(boxes.last().text));
        QVERIFY2(!boxes.last().text.contains(QLatin1String("..")), qPrintable(boxes.last().text));

        QVERIFY(run.pages.size() >= 2);
        QStringList numbers;
        for (int page = 0; page < run.pages.size(); ++page) {
            const QStringList lines = PrintFixture::simplifiedLines(run.pages.at(page));
            QCOMPARE(lines.value(0),
                PrintFixture::pageHeadingLine(
                    QStringLiteral("Ny database (ikke gemt)"), page + 1, int(run.pages.size())));
            QCOMPARE(lines.value(1),
                QStringLiteral("Alle poster, sorteret efter %1").arg(PrintFieldTitles::title(PrintFields::Group)));
            // The column heading: the lines above the first item's.
            qsizetype first = 2;
            while (first < lines.size() && !lines.at(first).contains(QRegularExpression(QStringLiteral("^\\d+\\|"))))
                ++first;
            QVERIFY(first < lines.size());
            // Its cells, line after line; a title goes on over the lines of
            // its column after a blank, a slash or a hyphen, and only where
            // the room is least, inside a word.
            QStringList cells;
            for (const QString &line : lines.mid(2, first - 2)) {
                for (const QString &cell : line.split(QLatin1Char('|')))
                    cells.append(cell.trimmed());
            }
            const auto inHeading = [&cells](const QString &word) {
                if (cells.contains(word))
                    return true;
                for (qsizetype at = 4; at < word.size(); ++at) {
                    if (cells.contains(word.left(at)) && cells.contains(word.mid(at)))
                        return true;
                }
                return false;
            };
            for (int i = 0; i < PrintFields::FieldCount; ++i) {
                const QString title = PrintFieldTitles::title(PrintFields::Field(i));
                QStringList words;
                for (QString word : title.split(QLatin1Char(' '))) {
                    static const QRegularExpression breaks(QStringLiteral("(?<=[/-])"));
                    words += word.split(breaks, Qt::SkipEmptyParts);
                }
                for (const QString &word : std::as_const(words))
                    QVERIFY2(cells.contains(title) || inHeading(word),
                        qPrintable(word + QStringLiteral(" not in ") + cells.join(QLatin1Char('|'))));
            }
            for (const QString &line : lines.mid(first)) {
                const QRegularExpressionMatch number = QRegularExpression(QStringLiteral("^(\\d+)\\|")).match(line);
                if (number.hasMatch())
                    numbers.append(number.captured(1));
                // The amounts stand whole on the item's first line.
                if (number.hasMatch())
                    QVERIFY2(line.contains(QLatin1String("| 1235 | 1000 |")), qPrintable(line));
            }
        }
        QCOMPARE(numbers.size(), 60);
        QCOMPARE(numbers.last(), QStringLiteral("60"));
    }

    // A few fields more than the page takes upright: the page is turned,
    // and nothing needs telling.
    void turnsThePageWithoutAsking()
    {
        TestSupport::IsolatedSettings isolated;
        applySettings({ { QStringLiteral("printItemCount"), true }, { QStringLiteral("printDescribeField"), true } });
        auto collection = PrintFixture::makeCollection({ QStringLiteral("A") }, {}, {});
        collection->add(fullItem({ { QStringLiteral("group"), 0 } }));
        TestSupport::RecordedMessageBoxes boxes;
        const PrintRun run = print(*collection);
        QCOMPARE(boxes.count(), 0);
        QVERIFY2(landscape(run.pageSize), qPrintable(run.pageSize));
        const QStringList lines = PrintFixture::simplifiedLines(run.pages.value(0));
        QCOMPARE(lines.value(2),
            QStringLiteral("ITEM_COUNT| Gruppe | Navn | Fabrikat | Pris | Vurd. | Dato | Beskrivelse |"));
        QCOMPARE(lines.value(3), QStringLiteral("1| A | Sofa | Bo | 1235 | 1000 | 01.02.2003 | Blue sofa |"));

        // The list that fits upright stays upright.
        applySettings(onlyFields({ "printNameField" }));
        const QString upright = print(*collection).pageSize;
        QVERIFY2(!upright.isEmpty() && !landscape(upright), qPrintable(upright));
    }

    // Cancelled in the box that says what is wrapped: nothing is printed.
    void cancelledWhenTold()
    {
        TestSupport::IsolatedSettings isolated;
        QVariantMap all;
        for (int i = 0; i < PrintFields::FieldCount; ++i)
            all.insert(PrintFields::flagKey(PrintFields::Field(i)).mid(6), true);
        applySettings(all);
        auto collection = PrintFixture::makeCollection({ QStringLiteral("A") }, {}, {});
        collection->add(fullItem({ { QStringLiteral("group"), 0 } }));
        TestSupport::RecordedMessageBoxes boxes;
        MessageBox::queueAnswerIndex(1);
        const PrintRun run = print(*collection);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().buttons, (QStringList { QStringLiteral("&Udskriv"), QStringLiteral("&Annuller") }));
        QVERIFY(!run.pdfWritten);
        QCOMPARE(run.messages, (QList<QPair<QString, int>> { { QStringLiteral("Print afbrudt"), 2000 } }));
    }

    // The sort of the settings orders the print and stays in the register.
    void sortsTheRegister()
    {
        TestSupport::IsolatedSettings isolated;
        applySettings(with(onlyFields({ "printNameField" }), { { QStringLiteral("sortMethod"), 1 } }));
        auto collection = PrintFixture::makeCollection({ QStringLiteral("A"), QStringLiteral("B") }, {},
            { ItemRow { 1, QStringLiteral("Cup") }, ItemRow { 0, QStringLiteral("Bowl") },
                ItemRow { 1, QStringLiteral("Anvil") } });
        const PrintRun run = print(*collection);
        QCOMPARE(PrintFixture::simplifiedLines(run.pages.value(0)).mid(1),
            (QStringList { QStringLiteral("Alle poster, sorteret efter Navn"), QStringLiteral("Navn |"),
                QStringLiteral("Anvil |"), QStringLiteral("Bowl |"), QStringLiteral("Cup |") }));
        QCOMPARE(collection->at(0)->name(), QStringLiteral("Anvil"));
        QCOMPARE(collection->at(2)->name(), QStringLiteral("Cup"));
    }
};

QTEST_MAIN(tst_ListPrint)
#include "tst_listprint.moc"
