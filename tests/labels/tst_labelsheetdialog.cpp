#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

#include "../mainwindow/DatabaseFixture.h"
#include "../mainwindow/FilteredWindow.h"
#include "BarcodeReader.h"
#include "TestSupport.h"
#include "TestWorld.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "desktop/FileDialog.h"
#include "desktop/MessageBox.h"
#include "labels/LabelSheetDialog.h"
#include "labels/LabelSheetPreview.h"
#include "mainwindow/larkspanwindow.h"

#include <memory>

// The label sheet dialog on its real widgets: the items it takes, the
// preview that follows the choices, the custom layout it refuses, the PDF it
// writes and what it remembers, and the command in every edition.

using namespace TestSupport;

namespace {

void click(QAbstractButton *button)
{
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2));
}

QStringList names(const QList<const Item *> &items)
{
    QStringList result;
    for (const Item *item : items)
        result << item->name();
    return result;
}

QImage picture(QWidget *widget)
{
    return widget->grab().toImage();
}

} // namespace

class tst_LabelSheetDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<IsolatedSettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<DBItemCollection> m_collection;

    template <typename T> static T *child(LabelSheetDialog &dialog, const char *name)
    {
        T *widget = dialog.findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }
    static QPushButton *okButton(LabelSheetDialog &dialog)
    {
        return child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok);
    }
    static void chooseLayout(LabelSheetDialog &dialog, const QString &id)
    {
        auto *box = child<QComboBox>(dialog, "layoutBox");
        box->setCurrentIndex(box->findData(id));
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
        m_collection->locations().add(QStringLiteral("Kælder"));
        const QList<std::pair<int, QString>> rows { { 0, QStringLiteral("Sofa") }, { 1, QStringLiteral("Gryde") },
            { 0, QStringLiteral("Lampe") } };
        int serial = 501;
        for (const auto &[group, name] : rows) {
            auto item = std::make_unique<Item>();
            item->setGroup(group);
            item->setName(name);
            item->setSerialno(QString::number(serial++));
            item->setNumberOfItems(2);
            m_collection->add(std::move(item));
        }
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
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("all") << QByteArray("allButton") << -1 << QStringList { "Sofa", "Gryde", "Lampe" };
        QTest::newRow("the current row's group") << QByteArray("groupButton") << -1 << QStringList { "Sofa", "Lampe" };
        QTest::newRow("another group") << QByteArray("groupButton") << 1 << QStringList { "Gryde" };
        QTest::newRow("the selected rows, in the register's order")
            << QByteArray("selectionButton") << -1 << QStringList { "Gryde", "Lampe" };
    }
    void itemsChosen()
    {
        QFETCH(QByteArray, button);
        QFETCH(int, groupIndex);
        QFETCH(QStringList, expected);
        const QList<const Item *> selection { m_collection->at(2), m_collection->at(1) };
        LabelSheetDialog dialog(*m_collection, 0, selection, {});
        dialog.show();
        click(child<QRadioButton>(dialog, button.constData()));
        if (groupIndex >= 0)
            child<QComboBox>(dialog, "groupBox")->setCurrentIndex(groupIndex);
        QCOMPARE(names(dialog.items()), expected);
        QCOMPARE(dialog.preview()->sheet()->labels().size(), expected.size());
    }

    // Each choice shows at once in the preview's first sheet.
    void previewFollows()
    {
        LabelSheetDialog dialog(*m_collection, -1, {}, {});
        dialog.show();
        LabelSheetPreview *preview = dialog.preview();
        QCOMPARE(preview->sheet()->layout().id, QStringLiteral("a4-3x8"));
        QImage before = picture(preview);

        chooseLayout(dialog, QStringLiteral("a4-2x7"));
        QCOMPARE(preview->sheet()->layout().id, QStringLiteral("a4-2x7"));
        QVERIFY(picture(preview) != before);

        before = picture(preview);
        click(child<QCheckBox>(dialog, "nameCheckBox"));
        QVERIFY(preview->sheet()->labels().first().title.isEmpty());
        QVERIFY(picture(preview) != before);

        before = picture(preview);
        auto *startAt = child<QSpinBox>(dialog, "startAtSpin");
        startAt->selectAll();
        QTest::keyClicks(startAt, QStringLiteral("4"));
        QCOMPARE(preview->sheet()->position(0), 3);
        QVERIFY(picture(preview) != before);

        click(child<QCheckBox>(dialog, "perPieceCheckBox"));
        QCOMPARE(preview->sheet()->labels().size(), 6);

        click(child<QRadioButton>(dialog, "locationKindButton"));
        QCOMPARE(preview->sheet()->options().kind, LabelSheet::LocationLabels);
        QCOMPARE(preview->sheet()->labels().size(), 1);
        QVERIFY(!child<QRadioButton>(dialog, "allButton")->isEnabled());
    }

    // Labels that do not fit the custom page: the reason shows, OK is off,
    // and the preview is empty until they fit again.
    void customLayoutRefused()
    {
        LabelSheetDialog dialog(*m_collection, -1, {}, {});
        dialog.show();
        chooseLayout(dialog, LabelSheetLayout::customId());
        QVERIFY(child<QSpinBox>(dialog, "columnsSpin")->isEnabled());
        QVERIFY(okButton(dialog)->isEnabled());
        auto *columns = child<QSpinBox>(dialog, "columnsSpin");
        columns->selectAll();
        QTest::keyClicks(columns, QStringLiteral("4"));
        auto *reason = child<QLabel>(dialog, "layoutProblemLabel");
        QVERIFY(reason->isVisible());
        QCOMPARE(reason->text(),
            QStringLiteral("4 kolonner med margen og mellemrum er 280 mm brede, men siden er kun 210 mm bred."));
        QVERIFY(!okButton(dialog)->isEnabled());
        QVERIFY(!dialog.preview()->sheet());
        columns->selectAll();
        QTest::keyClicks(columns, QStringLiteral("3"));
        QVERIFY(!reason->isVisible());
        QVERIFY(okButton(dialog)->isEnabled());
        QCOMPARE(dialog.preview()->sheet()->layout().columns, 3);
    }

    // The PDF through the file dialog: its codes read back, and the choices
    // are there again in the next dialog.
    void pdfWrittenAndRemembered()
    {
        if (!BarcodeReader::available())
            QSKIP("zbarimg and pdftoppm are needed (zbar-tools, poppler-utils)");
        const QString pdf = m_dir->filePath(QStringLiteral("etiketter.pdf"));
        {
            LabelSheetDialog dialog(*m_collection, -1, {}, {});
            dialog.show();
            chooseLayout(dialog, QStringLiteral("a4-4x10"));
            click(child<QRadioButton>(dialog, "pdfButton"));
            QCOMPARE(okButton(dialog)->text(), QStringLiteral("&Gem PDF..."));
            click(child<QCheckBox>(dialog, "priceCheckBox"));
            FileDialog::Recording files;
            MessageBox::Recording boxes;
            FileDialog::queueAnswer(pdf);
            QTest::mouseClick(okButton(dialog), Qt::LeftButton);
            QCOMPARE(files.asked().size(), 1);
            QCOMPARE(
                QFileInfo(files.asked().constFirst().folder).fileName(), QStringLiteral("Ostrana - etiketter.pdf"));
            QVERIFY(boxes.shown().isEmpty());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(dialog.writtenFile(), pdf);
        }
        const QStringList pages = BarcodeReader::pdfPages(pdf, m_dir->path());
        QCOMPARE(pages.size(), 1);
        QCOMPARE(BarcodeReader::decodeFile(pages.first()), (QStringList { "501", "502", "503" }));

        LabelSheetDialog again(*m_collection, -1, {}, {});
        QCOMPARE(again.layout().id, QStringLiteral("a4-4x10"));
        QVERIFY(child<QRadioButton>(again, "pdfButton")->isChecked());
        QVERIFY(again.options().price);
        QVERIFY(again.options().name);
    }

    // Numbers the chosen code cannot hold are told before anything is
    // written; a cancel there keeps the dialog open.
    void problemsAsked_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("fileDialogs");
        QTest::newRow("cancelled") << int(QMessageBox::Cancel) << 0;
        QTest::newRow("printed anyway") << int(QMessageBox::Ok) << 1;
    }
    void problemsAsked()
    {
        QFETCH(int, answer);
        QFETCH(int, fileDialogs);
        LabelSheetDialog dialog(*m_collection, -1, {}, {});
        dialog.show();
        click(child<QRadioButton>(dialog, "pdfButton"));
        auto *symbology = child<QComboBox>(dialog, "symbologyBox");
        symbology->setCurrentIndex(symbology->findData(int(BarcodeSymbol::Ean13)));
        QVERIFY(child<QLabel>(dialog, "problemsLabel")->text().contains(QStringLiteral("Sofa (501)")));
        FileDialog::Recording files;
        MessageBox::Recording boxes;
        MessageBox::queueAnswer(QMessageBox::StandardButton(answer));
        FileDialog::queueCancel();
        QTest::mouseClick(okButton(dialog), Qt::LeftButton);
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.shown().constFirst().kind, MessageBox::Warning);
        QVERIFY(boxes.shown().constFirst().text.contains(QStringLiteral("Gryde (502)")));
        QCOMPARE(files.asked().size(), fileDialogs);
        QVERIFY(dialog.isVisible());
    }

    // Every edition has the command in its File menu.
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
        int labels = -1;
        QTimer::singleShot(0, &w, [&w, &labels] {
            if (auto *dialog = w.findChild<LabelSheetDialog *>()) {
                labels = int(dialog->makeSheet()->labels().size());
                dialog->reject();
            }
        });
        w.findChild<QAction *>(QStringLiteral("FilePrintLabels"))->trigger();
        QCOMPARE(labels, 3);
        QCOMPARE(world.boxes.shown().size(), 0);
    }

    // While the list is filtered the rows it shows are offered, and chosen
    // from the start unless several rows are selected (the selection then,
    // as without a filter); the sheet has a label for each of those items.
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

        bool offered = false;
        bool chosen = false;
        QString text;
        QStringList printed;
        QStringList printedShown;
        qsizetype labels = -1;
        qsizetype previewed = -1;
        QTimer::singleShot(0, &w, [&] {
            auto *dialog = w.findChild<LabelSheetDialog *>();
            if (!dialog)
                return;
            auto *button = dialog->findChild<QRadioButton *>(QStringLiteral("shownButton"));
            offered = button->isVisible() && button->isEnabled();
            chosen = button->isChecked();
            text = button->text();
            printed = names(dialog->items());
            if (offered) {
                click(button);
                printedShown = names(dialog->items());
                labels = dialog->makeSheet()->labels().size();
                previewed = dialog->preview()->sheet()->labels().size();
            }
            dialog->reject();
        });
        w.findChild<QAction *>(QStringLiteral("FilePrintLabels"))->trigger();

        QCOMPARE(offered, !shown.isEmpty());
        QCOMPARE(chosen, shownChosen);
        QCOMPARE(printed, shownChosen ? shown : selected.isEmpty() ? FilteredWindow::allNames() : selected);
        QCOMPARE(world.boxes.shown().size(), 0);
        if (shown.isEmpty())
            return;
        QCOMPARE(text, QStringLiteral("De &viste rækker (%1)").arg(shown.size()));
        QCOMPARE(printedShown, shown);
        QCOMPARE(labels, shown.size());
        QCOMPARE(previewed, shown.size());
    }
};

QTEST_MAIN(tst_LabelSheetDialog)
#include "tst_labelsheetdialog.moc"
