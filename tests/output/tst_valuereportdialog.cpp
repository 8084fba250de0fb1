#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include "../mainwindow/DatabaseFixture.h"
#include "../mainwindow/FilteredWindow.h"
#include "ItemFixtures.h"
#include "PrintFixture.h"
#include "TestSupport.h"
#include "TestWorld.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "desktop/FileDialog.h"
#include "desktop/MessageBox.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/larkspanwindow.h"
#include "output/ValueReportDialog.h"

#include <memory>

// The value report dialog on its real widgets: the items it takes, what it
// remembers, the file it proposes, and a report that cannot be written.

using namespace TestSupport;

class tst_ValueReportDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<IsolatedSettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<DBItemCollection> m_collection;

    QString reportFile() const { return m_dir->filePath(QStringLiteral("rapport.pdf")); }

    static void clickOk(ValueReportDialog &dialog)
    {
        auto *box = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
    }
    static void choose(ValueReportDialog &dialog, const char *button)
    {
        auto *radio = dialog.findChild<QRadioButton *>(QString::fromLatin1(button));
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(5, radio->height() / 2));
    }
    static QStringList names(const QList<const Item *> &items)
    {
        QStringList result;
        for (const Item *item : items)
            result << item->name();
        return result;
    }

private slots:
    void init()
    {
        m_settings = std::make_unique<IsolatedSettings>(OstranaEdition);
        m_dir = std::make_unique<QTemporaryDir>();
        using PrintFixture::ItemRow;
        m_collection = PrintFixture::makeCollection({ "Stue", "Køkken" }, { "Hus", "Kælder" },
            { ItemRow { 0, QStringLiteral("Sofa"), 100, 1, 50, 1 }, ItemRow { 1, QStringLiteral("Gryde"), 10, 1, 5, 0 },
                ItemRow { 0, QStringLiteral("Lampe"), 20, 1, 10, 0 } });
    }
    void cleanup()
    {
        m_collection.reset();
        m_dir.reset();
        m_settings.reset();
    }

    void itemsChosen_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<int>("groupIndex");
        QTest::addColumn<int>("locationIndex");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("all") << QByteArray("allButton") << 0 << 0 << QStringList { "Sofa", "Gryde", "Lampe" };
        QTest::newRow("the current row's group")
            << QByteArray("groupButton") << -1 << 0 << QStringList { "Sofa", "Lampe" };
        QTest::newRow("another group") << QByteArray("groupButton") << 1 << 0 << QStringList { "Gryde" };
        QTest::newRow("a location") << QByteArray("locationButton") << 0 << 1 << QStringList { "Sofa" };
        QTest::newRow("the selected rows, in the register's order")
            << QByteArray("selectionButton") << 0 << 0 << QStringList { "Gryde", "Lampe" };
    }
    void itemsChosen()
    {
        QFETCH(QByteArray, button);
        QFETCH(int, groupIndex);
        QFETCH(int, locationIndex);
        QFETCH(QStringList, expected);
        const QList<const Item *> selection { m_collection->at(2), m_collection->at(1) };
        ValueReportDialog dialog(*m_collection, 0, selection, {});
        dialog.show();
        choose(dialog, button.constData());
        if (groupIndex >= 0)
            dialog.findChild<QComboBox *>(QStringLiteral("groupBox"))->setCurrentIndex(groupIndex);
        dialog.findChild<QComboBox *>(QStringLiteral("locationBox"))->setCurrentIndex(locationIndex);
        QCOMPARE(names(dialog.items()), expected);
    }

    // The file proposed beside nothing (a new database) is named after the
    // edition; the owner, address, policy and check boxes are there again
    // in the next dialog once a report was written, not after a cancel.
    void rememberedAndProposed()
    {
        {
            ValueReportDialog dialog(*m_collection, -1, {}, {});
            dialog.show();
            QVERIFY(!dialog.findChild<QRadioButton *>(QStringLiteral("selectionButton"))->isEnabled());
            QTest::keyClicks(dialog.findChild<QLineEdit *>(QStringLiteral("ownerEdit")), QStringLiteral("Åse Ærø"));
            dialog.findChild<QPlainTextEdit *>(QStringLiteral("addressEdit"))
                ->setPlainText(QStringLiteral("Vej 1\nBy"));
            QTest::keyClicks(dialog.findChild<QLineEdit *>(QStringLiteral("policyEdit")), QStringLiteral("P-9"));
            auto *photos = dialog.findChild<QCheckBox *>(QStringLiteral("photosCheckBox"));
            QTest::mouseClick(photos, Qt::LeftButton, {}, QPoint(5, photos->height() / 2));
            FileDialog::Recording files;
            FileDialog::queueCancel();
            clickOk(dialog);
            QCOMPARE(files.asked().size(), 1);
            QCOMPARE(QFileInfo(files.asked().constFirst().folder).fileName(),
                QStringLiteral("Ostrana - værdiopgørelse.pdf"));
            QVERIFY(dialog.isVisible());
            QVERIFY(Settings().value(QStringLiteral("ValueReport/Owner")).toString().isEmpty());

            MessageBox::Recording boxes;
            FileDialog::queueAnswer(reportFile());
            clickOk(dialog);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(dialog.writtenFile(), reportFile());
            QVERIFY(boxes.shown().isEmpty());
            const ValueReport::Options options = dialog.options();
            QCOMPARE(options.owner, QStringLiteral("Åse Ærø"));
            QVERIFY(!options.photos);
        }
        QVERIFY(QFileInfo(reportFile()).size() > 0);
        const QStringList cover = PrintFixture::simplifiedLines(PrintFixture::pdfPages(reportFile()).value(0));
        QVERIFY2(cover.contains(QStringLiteral("Policenummer: P-9")), qPrintable(cover.join(QLatin1Char('|'))));

        ValueReportDialog again(*m_collection, -1, {}, {});
        const ValueReport::Options options = again.options();
        QCOMPARE(options.owner, QStringLiteral("Åse Ærø"));
        QCOMPARE(options.address, QStringLiteral("Vej 1\nBy"));
        QCOMPARE(options.policy, QStringLiteral("P-9"));
        QVERIFY(!options.photos);
        QVERIFY(options.receipts);
    }

    void failedWrite()
    {
        ValueReportDialog dialog(*m_collection, -1, {}, {});
        dialog.show();
        FileDialog::Recording files;
        MessageBox::Recording boxes;
        const QString unwritable = m_dir->filePath(QStringLiteral("missing/rapport.pdf"));
        FileDialog::queueAnswer(unwritable);
        clickOk(dialog);
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.shown().constFirst().kind, MessageBox::Critical);
        QCOMPARE(boxes.shown().constFirst().title, QStringLiteral("Værdiopgørelsen blev ikke gemt"));
        QVERIFY2(boxes.shown().constFirst().text.contains(QDir::toNativeSeparators(unwritable)),
            qPrintable(boxes.shown().constFirst().text));
        QVERIFY(dialog.isVisible());
        QVERIFY(!QFileInfo::exists(unwritable));
    }

    // Every edition has the command; it writes the register it shows.
    void fromTheWindow_data()
    {
        QTest::addColumn<int>("edition");
        QTest::newRow("Ostrana") << int(OstranaEdition);
        QTest::newRow("Vistrel") << int(VistrelEdition);
        QTest::newRow("Numivax") << int(NumivaxEdition);
        QTest::newRow("Quorvel") << int(QuorvelEdition);
    }
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
        const QString pdf = world.path(QStringLiteral("home - værdiopgørelse.pdf"));
        FileDialog::queueAnswer(pdf);
        bool handled = false;
        QTimer::singleShot(0, &w, [&w, &handled] {
            if (auto *dialog = w.findChild<ValueReportDialog *>()) {
                clickOk(*dialog);
                handled = true;
            }
        });
        w.findChild<QAction *>(QStringLiteral("FileValueReport"))->trigger();
        QVERIFY(handled);
        QCOMPARE(world.dialogs.asked().constLast().folder, pdf);
        QCOMPARE(world.boxes.shown().size(), 0);
        const QStringList cover = PrintFixture::simplifiedLines(PrintFixture::pdfPages(pdf).value(0));
        QVERIFY2(cover.contains(QStringLiteral("Antal poster: 3")), qPrintable(cover.join(QLatin1Char('|'))));
    }

    // While the list is filtered the rows it shows are offered, and chosen
    // from the start unless several rows are selected; the report of them
    // counts and sums those items on its cover (each costs 100.00 and is
    // worth 80.00 today).
    void shownRows_data() { FilteredWindow::addCases(); }
    void shownRows()
    {
        QFETCH(QString, filter);
        QFETCH(QString, renamed);
        QFETCH(QStringList, selected);
        QFETCH(QStringList, shown);
        QFETCH(bool, shownChosen);
        m_collection.reset();
        m_settings.reset();
        TestWorld world(OstranaEdition);
        FilteredWindow::startWorld(world, OstranaEdition);
        MainWindow w;
        QVERIFY(w.startSucceeded());
        FilteredWindow::prepare(w, filter, renamed, selected);
        if (QTest::currentTestFailed())
            return;

        const QString pdf = world.path(QStringLiteral("viste.pdf"));
        bool offered = false;
        bool chosen = false;
        QString text;
        QStringList reported;
        QStringList reportedShown;
        QTimer::singleShot(0, &w, [&] {
            auto *dialog = w.findChild<ValueReportDialog *>();
            if (!dialog)
                return;
            auto *button = dialog->findChild<QRadioButton *>(QStringLiteral("shownButton"));
            offered = button->isVisible() && button->isEnabled();
            chosen = button->isChecked();
            text = button->text();
            reported = FilteredWindow::names(dialog->items());
            if (!offered) {
                dialog->reject();
                return;
            }
            choose(*dialog, "shownButton");
            reportedShown = FilteredWindow::names(dialog->items());
            FileDialog::queueAnswer(pdf);
            clickOk(*dialog);
        });
        w.findChild<QAction *>(QStringLiteral("FileValueReport"))->trigger();

        QCOMPARE(offered, !shown.isEmpty());
        QCOMPARE(chosen, shownChosen);
        QCOMPARE(reported, shownChosen ? shown : FilteredWindow::allNames());
        QCOMPARE(world.boxes.shown().size(), 0);
        if (shown.isEmpty()) {
            QVERIFY(!QFileInfo::exists(pdf));
            return;
        }
        QCOMPARE(text, QStringLiteral("De &viste rækker (%1)").arg(shown.size()));
        QCOMPARE(reportedShown, shown);
        const QStringList cover = PrintFixture::simplifiedLines(PrintFixture::pdfPages(pdf).value(0));
        const qsizetype n = shown.size();
        for (const QString &line :
            { QStringLiteral("Antal poster: %1").arg(n), QStringLiteral("Købspris i alt: %1.00").arg(n * 100),
                QStringLiteral("Værdi i dag i alt: %1.00").arg(n * 80) })
            QVERIFY2(cover.contains(line), qPrintable(cover.join(QLatin1Char('|'))));
    }
};

QTEST_MAIN(tst_ValueReportDialog)
#include "tst_valuereportdialog.moc"
