#include <QDir>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include "FailingDevice.h"
#include "PrintFixture.h"
#include "TestSupport.h"
#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "desktop/PrintDialog.h"
#include "output/ItemPrintout.h"
#include "output/ListPrinter.h"
#include "output/PrintFieldTitles.h"
#include "output/ReportDialog.h"

using PrintFixture::ItemRow;

// The group report (its lines on screen and on paper) and the one-item
// printout, with the Danish catalogue, whose line texts the report fills in.
class tst_Printouts : public QObject
{
    Q_OBJECT

private:
    QTranslator m_translator;

    static std::unique_ptr<DBItemCollection> smallRegister()
    {
        // Group 2 has no name; group 7 lies past the list.
        return PrintFixture::makeCollection(
            { QStringLiteral("Køkken"), QStringLiteral("Stue"), QString(), QStringLiteral("Have") }, {},
            { ItemRow { 0, QStringLiteral("Pot"), 100, 2, 50 }, ItemRow { 0, QStringLiteral("Pan"), 10, 3, 5 },
                ItemRow { 1, QStringLiteral("Sofa"), 1000, 1, 900 }, ItemRow { 7, QStringLiteral("Lost"), 1, 4, 1 },
                ItemRow { 2, QStringLiteral("Unnamed group"), 2, 1, 2 } });
    }

    static QString pdfPath(const QTemporaryDir &dir) { return dir.filePath(QStringLiteral("out.pdf")); }

    // Where a report's columns disagree with its heading: the group title
    // must start where the lines start, every number title end in the
    // column where its numbers end (the last numbers of each line). Empty
    // when they all line up.
    static QString misalignment(const QString &heading, const QStringList &lines, const QStringList &titles)
    {
        const qsizetype indent = heading.indexOf(titles.first());
        if (indent < 0 || heading.left(indent).trimmed().size() > 0)
            return QStringLiteral("the heading does not start with %1: %2").arg(titles.first(), heading);
        QList<qsizetype> ends;
        qsizetype from = indent + titles.first().size();
        for (const QString &title : titles.mid(1)) {
            const qsizetype at = heading.indexOf(title, from);
            if (at < 0)
                return QStringLiteral("%1 missing from the heading: %2").arg(title, heading);
            from = at + title.size();
            ends.append(from);
        }
        static const QRegularExpression word(QStringLiteral("\\S+"));
        for (const QString &line : lines) {
            if (line.left(indent).trimmed().size() > 0 || line.at(indent).isSpace())
                return QStringLiteral("the line does not start under the group title:\n%1\n%2").arg(heading, line);
            QList<qsizetype> numberEnds;
            for (auto it = word.globalMatch(line); it.hasNext();)
                numberEnds.append(it.next().capturedEnd());
            numberEnds = numberEnds.mid(numberEnds.size() - ends.size());
            if (numberEnds != ends)
                return QStringLiteral("the numbers are not under their titles:\n%1\n%2").arg(heading, line);
        }
        return QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
            "pdftotext (poppler-utils) is needed to read the printed pages");
        QVERIFY(m_translator.load(QStringLiteral("larkspan_dk"), TestSupport::runDir()));
        QCoreApplication::installTranslator(&m_translator);
        resetColumnTitles();
    }

    void reportLines_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("printedHeading");
        const QString dash = QStringLiteral("---------------------------------------------------------\n");
        // Name to 25, count to 5 (as wide as its title "Antal"), amounts
        // with one decimal to 9, sorted by text.
        const QString numbered[] = {
            QStringLiteral("Have                          0        0.0        0.0"),
            QStringLiteral("Køkken                        5      230.0       55.0"),
            QStringLiteral("Stue                          1     1000.0      900.0"),
            QStringLiteral("I alt                        11     1236.0      958.0"),
        };
        // Pictures have no count; their sum is of the prices alone.
        const QString pictures[] = {
            QStringLiteral("Have                             0.0        0.0"),
            QStringLiteral("Køkken                         110.0       55.0"),
            QStringLiteral("Stue                          1000.0      900.0"),
            QStringLiteral("I alt                         1113.0      958.0"),
        };
        const QString heading = QStringLiteral("Samlet oversigt efter gruppe");
        QTest::newRow("home contents") << 1 << QStringList { numbered[0], numbered[1], numbered[2], dash, numbered[3] }
                                       << heading;
        QTest::newRow("pictures") << 2 << QStringList { pictures[0], pictures[1], pictures[2], dash, pictures[3] }
                                  << QStringLiteral("Billeder: samlet oversigt efter gruppe");
        QTest::newRow("coins") << 3 << QStringList { numbered[0], numbered[1], numbered[2], dash, numbered[3] }
                               << heading;
    }

    void reportLines()
    {
        QFETCH(int, edition);
        QFETCH(QStringList, lines);
        QFETCH(QString, printedHeading);
        TestSupport::IsolatedSettings isolated(edition);
        const auto register_ = smallRegister();
        ReportDialog dialog(register_.get());
        QCOMPARE(dialog.ReportLines(), lines);
        QCOMPARE(dialog.countLine(), QStringLiteral("Antal poster: 5"));

        const QString heading = edition == 2 ? QStringLiteral("Gruppe--------------------------Pris------Vurd.")
                                             : QStringLiteral("Gruppe--------------------Antal-------Pris------Vurd.");
        const QStringList shown = dialog.reportMultiLineEdit->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(shown.first(), heading);
        QCOMPARE(shown.mid(1, 3), lines.mid(0, 3));
        QCOMPARE(shown.at(4) + QLatin1Char('\n'), lines.at(3));
        QCOMPARE(shown.at(5), lines.at(4));
        QCOMPARE(shown.last(), QStringLiteral("Antal poster: 5"));
        QVERIFY(!dialog.isModal());

        // On paper: the edition's heading, the column heading, the lines, the count.
        QTemporaryDir dir;
        PrintDialog::Recording recording;
        PrintDialog::queuePdf(pdfPath(dir));
        QTest::mouseClick(dialog.reportPushButton, Qt::LeftButton);
        const QStringList pages = PrintFixture::pdfPages(pdfPath(dir));
        QCOMPARE(pages.size(), 1);
        QStringList expected { PrintFixture::pageHeadingLine(QStringLiteral("Ny database (ikke gemt)"), 1, 1),
            printedHeading, heading };
        for (const QString &line : lines)
            expected.append(line.simplified());
        expected.append(QStringLiteral("Antal poster: 5"));
        QCOMPARE(PrintFixture::simplifiedLines(pages.first()), expected);
    }

    // The heading's titles stand over their columns in every edition and
    // language, with the edition's own column titles (some longer than the
    // numbers below them), on screen and on paper.
    void reportColumnsLineUp_data()
    {
        QTest::addColumn<int>("edition");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("folder");
        for (const PrintFixture::EditionDemo &demo : PrintFixture::editionDemos()) {
            for (const QString &language : PrintFixture::languages())
                QTest::addRow("%s %s", demo.tag, qPrintable(language))
                    << demo.edition << language << QString::fromLatin1(demo.folder);
        }
    }

    void reportColumnsLineUp()
    {
        QFETCH(int, edition);
        QFETCH(QString, language);
        QFETCH(QString, folder);
        TestSupport::IsolatedSettings isolated(edition);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral("larkspan_") + language, TestSupport::runDir()));
        QCoreApplication::removeTranslator(&m_translator);
        QCoreApplication::installTranslator(&translator);
        const auto restore = qScopeGuard([this, &translator] {
            QCoreApplication::removeTranslator(&translator);
            QCoreApplication::installTranslator(&m_translator);
            resetColumnTitles();
        });
        QVERIFY(PrintFixture::useFieldNames(PrintFixture::demoFieldNames(folder.toLatin1().constData(), language)));

        QStringList titles { PrintFieldTitles::title(PrintFields::Group) };
        if (edition != VistrelEdition)
            titles.append(PrintFieldTitles::title(PrintFields::Count));
        titles += { PrintFieldTitles::title(PrintFields::Price), PrintFieldTitles::title(PrintFields::PriceToday) };

        const auto register_ = smallRegister();
        ReportDialog dialog(register_.get());
        const QStringList shown = dialog.reportMultiLineEdit->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(shown.size(), 7);
        // The group lines and the totals line, not the dash line or the count.
        QStringList lines = shown.mid(1, 3);
        lines.append(shown.at(5));
        const QString onScreen = misalignment(shown.first(), lines, titles);
        QVERIFY2(onScreen.isEmpty(), qPrintable(onScreen));

        QTemporaryDir dir;
        PrintDialog::Recording recording;
        PrintDialog::queuePdf(pdfPath(dir));
        QTest::mouseClick(dialog.reportPushButton, Qt::LeftButton);
        const QStringList pages = PrintFixture::pdfPages(pdfPath(dir));
        QCOMPARE(pages.size(), 1);
        QStringList printed;
        for (const QString &line : pages.first().split(QLatin1Char('\n'))) {
            if (!line.trimmed().isEmpty())
                printed.append(line);
        }
        // The page heading, the printed heading, the column heading, three
        // groups, the dashes, the totals, the count.
        QCOMPARE(printed.size(), 9);
        QCOMPARE(printed.at(1).trimmed(), ReportDialog::headerText());
        QStringList printedLines = printed.mid(3, 3);
        printedLines.append(printed.at(7));
        const QString onPaper = misalignment(printed.at(2), printedLines, titles);
        QVERIFY2(onPaper.isEmpty(), qPrintable(onPaper));
    }

    // A report longer than a page goes on over the next pages, each starting
    // with the heading, and nothing runs off a page.
    void printedReportBreaksPages()
    {
        TestSupport::IsolatedSettings isolated;
        QStringList groups;
        QList<ItemRow> rows;
        for (int i = 0; i < 90; ++i) {
            groups.append(QStringLiteral("Group %1").arg(i, 2, 10, QLatin1Char('0')));
            rows.append(ItemRow { i, QStringLiteral("Thing"), 10, 1, 10 });
        }
        auto register_ = PrintFixture::makeCollection(groups, {}, rows);
        ReportDialog dialog(register_.get());
        QTemporaryDir dir;
        PrintDialog::Recording recording;
        PrintDialog::queuePdf(pdfPath(dir));
        QTest::mouseClick(dialog.reportPushButton, Qt::LeftButton);

        const QStringList pages = PrintFixture::pdfPages(pdfPath(dir));
        QVERIFY2(pages.size() >= 2, qPrintable(QString::number(pages.size())));
        QStringList printed;
        for (int page = 0; page < pages.size(); ++page) {
            QStringList lines = PrintFixture::simplifiedLines(pages.at(page));
            QCOMPARE(lines.value(0),
                PrintFixture::pageHeadingLine(QStringLiteral("Ny database (ikke gemt)"), page + 1, int(pages.size())));
            QCOMPARE(lines.value(1), QStringLiteral("Samlet oversigt efter gruppe"));
            QCOMPARE(lines.value(2), ReportDialog::columnHeadingLine());
            printed += lines.mid(3);
        }
        QCOMPARE(printed.size(), 90 + 3);
        for (int i = 0; i < 90; ++i)
            QCOMPARE(printed.at(i), QStringLiteral("Group %1 1 10.0 10.0").arg(i, 2, 10, QLatin1Char('0')));
        QVERIFY(printed.at(90).startsWith(QLatin1String("-----")));
        QCOMPARE(printed.at(91), QStringLiteral("I alt 90 900.0 900.0"));
        QCOMPARE(printed.at(92), QStringLiteral("Antal poster: 90"));
    }

    void itemLines_data()
    {
        QTest::addColumn<int>("edition");
        QTest::newRow("Ostrana: 18 lines") << 1;
        QTest::newRow("Vistrel: 17 lines, no total") << 2;
        QTest::newRow("Numivax: 18 lines") << 3;
        QTest::newRow("Quorvel: 18 lines") << 5;
    }

    // Printed on paper: each line a label and its value, the total of count
    // times price, amounts with two decimals, list names by number.
    void itemLines()
    {
        QFETCH(int, edition);
        TestSupport::IsolatedSettings isolated(edition);
        auto register_ = PrintFixture::makeCollection({ QStringLiteral("Køkken") }, { QStringLiteral("Loft") }, {});
        Item item;
        item.setGroup(0);
        item.setName(QStringLiteral("Gryde"));
        item.setNumberOfItems(3);
        item.setPrice(10);
        item.setPriceToday(7.5);
        item.setLocation(4); // past the list
        item.setWww(QStringLiteral("http://gryde.dk"));

        QTemporaryDir dir;
        PrintDialog::Recording recording;
        PrintDialog::queuePdf(pdfPath(dir));
        ItemPrintout::print(&item, register_.get(), nullptr);
        const QStringList pages = PrintFixture::pdfPages(pdfPath(dir));
        QCOMPARE(pages.size(), 1);
        QStringList printed = PrintFixture::simplifiedLines(pages.first());
        QCOMPARE(printed.takeFirst(), PrintFixture::pageHeadingLine(QStringLiteral("Ny database (ikke gemt)"), 1, 1));
        QStringList expected { QStringLiteral("Gruppe Køkken"), QStringLiteral("Navn Gryde"),
            QStringLiteral("Fabrikat"), QStringLiteral("Produktmodel"), QStringLiteral("Antal 3"),
            QStringLiteral("Pris 10.00"), QStringLiteral("Pris i alt 30.00"), QStringLiteral("Vurd. 7.50"),
            QStringLiteral("Dato"), QStringLiteral("Rum 4"), QStringLiteral("Leverandør"), QStringLiteral("Adresse"),
            QStringLiteral("Serienr."), QStringLiteral("Beskrivelse"), QStringLiteral("Billede"),
            QStringLiteral("Www http://gryde.dk"), QStringLiteral("Kvitt."), QStringLiteral("Dok.") };
        if (edition == 2)
            expected.removeAt(6);
        QCOMPARE(printed, expected);
    }

    // Long texts go on over the following lines within the page instead of
    // running off it: a description as long as the field takes (199
    // characters), a long address, a link without a blank.
    void itemPrintoutWrapsLongTexts()
    {
        TestSupport::IsolatedSettings isolated;
        auto register_ = PrintFixture::makeCollection({ QStringLiteral("Køkken") }, {}, {});
        QString description;
        for (int word = 0; description.size() < 199; ++word)
            description += QStringLiteral("ord%1 ").arg(word);
        description = description.left(199);
        QCOMPARE(description.toLatin1().size(), 199);
        const QString address
            = QStringLiteral("Lange Gade 117, 2. sal til venstre, baghuset, 8000 Aarhus C, Danmark, Europa");
        const QString link
            = QStringLiteral("C:/Dokumenter/Billeder/Stuen/Sofaen/forfra/med/puder/og/taeppe/i/solen/sofa.jpg");
        Item item;
        item.setName(QStringLiteral("Sofa"));
        item.setDescription(description);
        item.setAddress(address);
        item.setPhotolink(link);

        QTemporaryDir dir;
        PrintDialog::Recording recording;
        PrintDialog::queuePdf(pdfPath(dir));
        ItemPrintout::print(&item, register_.get(), nullptr);
        const QStringList pages = PrintFixture::pdfPages(pdfPath(dir));
        QCOMPARE(pages.size(), 1);
        const QStringList lines = PrintFixture::simplifiedLines(pages.first());
        QCOMPARE(lines.first(), PrintFixture::pageHeadingLine(QStringLiteral("Ny database (ikke gemt)"), 1, 1));
        // The value's lines follow its label, up to the next label.
        const auto value = [&lines](const QString &label, const QString &next, const QString &joint) {
            const qsizetype from = lines.indexOf(QRegularExpression(QLatin1Char('^') + label + QLatin1String(" .*")));
            const qsizetype to = lines.indexOf(QRegularExpression(QLatin1Char('^') + next + QLatin1String("( .*)?")));
            if (from < 0 || to <= from)
                return QString();
            QStringList parts = lines.mid(from, to - from);
            parts.first() = parts.first().mid(label.size() + 1);
            return parts.join(joint);
        };
        const QString printedDescription
            = value(QStringLiteral("Beskrivelse"), QStringLiteral("Billede"), QStringLiteral(" "));
        QCOMPARE(printedDescription, description.simplified());
        QVERIFY2(lines.indexOf(QRegularExpression(QStringLiteral("^Beskrivelse.*"))) + 3
                < lines.indexOf(QRegularExpression(QStringLiteral("^Billede.*"))),
            "the description takes several lines");
        QCOMPARE(value(QStringLiteral("Adresse"), QStringLiteral("Serienr."), QStringLiteral(" ")), address);
        QCOMPARE(value(QStringLiteral("Billede"), QStringLiteral("Www"), QString()), link);
    }

    // Search mode has no item: an empty page. Cancelled: no page at all.
    void itemPrintoutWithoutItemOrPrinter()
    {
        TestSupport::IsolatedSettings isolated;
        QTemporaryDir dir;
        PrintDialog::Recording recording;
        PrintDialog::queuePdf(pdfPath(dir));
        ItemPrintout::print(nullptr, nullptr, nullptr);
        QVERIFY(QFile::exists(pdfPath(dir)));
        QVERIFY(PrintFixture::simplifiedLines(PrintFixture::pdfPages(pdfPath(dir)).value(0)).isEmpty());

        QVERIFY(QFile::remove(pdfPath(dir)));
        Item item;
        PrintDialog::queueCancel();
        ItemPrintout::print(&item, nullptr, nullptr);
        QVERIFY(!QFile::exists(pdfPath(dir)));
    }

    // A print into a PDF file that fails (a full disk, a folder where the
    // file should be, a folder that is not there) says so, naming the file
    // and why, and leaves the older file of that name as it was: the list,
    // the item and the report alike.
    void failedPrintKeepsTheOlderFile_data()
    {
        QTest::addColumn<int>("print");
        QTest::addColumn<QString>("failure");
        const char *const prints[] = { "list", "item", "report" };
        for (int print = 0; print < 3; ++print) {
            for (const char *failure :
                { "full disk", "disk full after 3000 bytes", "folder in its place", "missing folder" }) {
                QTest::addRow("%s, %s", prints[print], failure) << print << QString::fromLatin1(failure);
            }
        }
    }
    void failedPrintKeepsTheOlderFile()
    {
        QFETCH(int, print);
        QFETCH(QString, failure);
        TestSupport::IsolatedSettings isolated;
        TestSupport::RecordedMessageBoxes boxes;
        const auto register_ = smallRegister();
        QTemporaryDir dir;
        const bool fullDisk = failure.contains(QLatin1String("full"));
        const QString pdf = failure == QLatin1String("missing folder") ? dir.filePath(QStringLiteral("missing/out.pdf"))
                                                                       : pdfPath(dir);
        if (failure == QLatin1String("folder in its place"))
            QVERIFY(QDir().mkpath(pdf));

        PrintDialog::Recording recording;
        ListPrinter list(register_.get());
        QSignalSpy messages(&list, &ListPrinter::message);
        ReportDialog report(register_.get());
        const auto printOnce = [&] {
            PrintDialog::queuePdf(pdf);
            if (print == 0)
                list.Print(nullptr);
            else if (print == 1)
                ItemPrintout::print(register_->at(0), register_.get(), nullptr);
            else
                report.report_slot();
        };

        QByteArray older;
        if (fullDisk) {
            printOnce();
            older = TestSupport::readFile(pdf);
            QVERIFY(older.startsWith("%PDF"));
            QVERIFY(older.size() > 3000);
            QCOMPARE(boxes.count(), 0);
            messages.clear();
        }
        {
            std::unique_ptr<TestSupport::FailingSaves> full;
            if (fullDisk)
                full = std::make_unique<TestSupport::FailingSaves>(failure.contains(QLatin1String("3000")) ? 3000 : 0);
            printOnce();
        }

        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().kind, MessageBox::Critical);
        QCOMPARE(boxes.last().title, QStringLiteral("Udskriften mislykkedes"));
        const QString text = boxes.last().text;
        QVERIFY2(text.contains(QDir::toNativeSeparators(pdf)), qPrintable(text));
        if (fullDisk)
            QVERIFY2(text.contains(TestSupport::FailingDevice::reason()), qPrintable(text));
        if (print == 0) {
            QVERIFY(!messages.isEmpty());
            // In the Danish catalogue's words.
            QCOMPARE(messages.last().at(0).toString(), QStringLiteral("Udskrift mislykkedes"));
            for (const QList<QVariant> &message : std::as_const(messages))
                QVERIFY(message.at(0).toString() != QLatin1String("Udskrift færdig"));
        }

        const QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
        if (fullDisk) {
            QCOMPARE(TestSupport::readFile(pdf), older);
            QCOMPARE(files, QStringList { QStringLiteral("out.pdf") });
        } else {
            QCOMPARE(files, QStringList());
            QCOMPARE(QFileInfo(pdf).isDir(), failure == QLatin1String("folder in its place"));
        }
    }
};

QTEST_MAIN(tst_Printouts)
#include "tst_printouts.moc"
