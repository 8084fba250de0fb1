#include <QAction>
#include <QApplication>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include "../itemdialog/ItemDialogFixture.h"
#include "../mainwindow/DatabaseFixture.h"
#include "PrintFixture.h"
#include "TestSupport.h"
#include "core/Settings.h"
#include "desktop/FileDialog.h"
#include "desktop/PrintDialog.h"
#include "mainwindow/larkspanwindow.h"
#include "output/ReportDialog.h"
#include "output/printSelectDataDialog.h"

// The window's print, report and print setup entries and the item dialog's
// Print button reach their work.
class tst_PrintCommands : public QObject
{
    Q_OBJECT

private slots:
    void mainWindowEntries()
    {
        TestSupport::IsolatedSettings isolated;
        TestSupport::RecordedMessageBoxes boxes;
        QTemporaryDir dir;
        Settings().setValue(QStringLiteral("LastSavedDBFile"), QString());
        Settings().setValue(QStringLiteral("LastDBDir"), dir.path());
        DatabaseFixture::writeLists(dir.path(), DatabaseFixture::twoGroups(), currentLanguage(), {});
        const QString file = DatabaseFixture::writeDatabase(
            dir.path(), QStringLiteral("home.db"), edition(), DatabaseFixture::threeItems());
        MainWindow window;
        FileDialog::Recording files;
        FileDialog::queueAnswer(file);
        window.Load();
        QCOMPARE(window.collection()->count(), 3);

        PrintDialog::Recording printing;
        PrintDialog::queuePdf(dir.filePath(QStringLiteral("list.pdf")));
        window.findChild<QAction *>(QStringLiteral("Print"))->trigger();
        QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Print færdig"));
        const QStringList pages = PrintFixture::pdfPages(dir.filePath(QStringLiteral("list.pdf")));
        QCOMPARE(pages.size(), 1);
        // The page heading names the database the window shows.
        const QStringList lines = PrintFixture::simplifiedLines(pages.first());
        QCOMPARE(lines.size(), 2 + 1 + 3);
        QCOMPARE(lines.first(), PrintFixture::pageHeadingLine(QStringLiteral("home.db"), 1, 1));

        window.findChild<QAction *>(QStringLiteral("ViewReport"))->trigger();
        const auto isReport = [](QWidget *w) { return qobject_cast<ReportDialog *>(w) && w->isVisible(); };
        const QWidgetList tops = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(tops.begin(), tops.end(), isReport), 1);

        window.SetupWhatToPrint();
        auto *setup = window.findChild<printSelectDataDialog *>(QStringLiteral("Print setup"));
        QVERIFY(setup && setup->isVisible());
        setup->close();
    }

    void itemDialogPrintButton()
    {
        TestSupport::IsolatedSettings isolated;
        ItemDialogTest::Register reg;
        auto dialog = reg.open(reg.sofa);
        QTemporaryDir dir;
        PrintDialog::Recording printing;
        PrintDialog::queuePdf(dir.filePath(QStringLiteral("item.pdf")));
        QTest::mouseClick(dialog->printButton, Qt::LeftButton);
        const QStringList lines
            = PrintFixture::simplifiedLines(PrintFixture::pdfPages(dir.filePath(QStringLiteral("item.pdf"))).value(0));
        QCOMPARE(lines.size(), 1 + 18);
        QVERIFY(lines.contains(QStringLiteral("Navn Sofa")));
    }
};

QTEST_MAIN(tst_PrintCommands)
#include "tst_printcommands.moc"
