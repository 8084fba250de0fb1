#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QtTest>

#include "../mainwindow/DatabaseFixture.h"
#include "TestSupport.h"
#include "TestWorld.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "database/DBItemCollection.h"
#include "database/DatabaseVersions.h"
#include "database/Item.h"
#include "mainwindow/ItemListView.h"
#include "mainwindow/larkspanwindow.h"
#include "versions/RestoreVersionDialog.h"

using DatabaseFixture::Row;

// File > Restore an earlier version on the real window: the entry, the
// dialog's list of the versions the saves kept, and the restore itself.
namespace {

struct Env : TestSupport::TestWorld
{
    explicit Env(int edition = OstranaEdition)
        : TestWorld(edition)
    { }

    QString database(const QString &relativePath, const QList<Row> &rows = DatabaseFixture::threeItems())
    {
        const QFileInfo info(path(relativePath));
        QDir().mkpath(info.absolutePath());
        DatabaseFixture::writeLists(info.absolutePath(), DatabaseFixture::twoGroups());
        return DatabaseFixture::writeDatabase(info.absolutePath(), info.fileName(), edition(), rows);
    }
};

QAction *restoreAction(const MainWindow &w)
{
    return w.findChild<QAction *>(QStringLiteral("FileRestoreVersion"));
}

void deleteItemNamed(MainWindow &w, const QString &name)
{
    for (Item *item : *w.collection()) {
        if (item->name() == name) {
            w.listView()->FindListViewItem(item);
            w.DeleteItem();
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no item ") + name));
}

QList<QByteArray> versionBytes(const QString &database)
{
    QList<QByteArray> bytes;
    for (const DatabaseVersions::Version &version : DatabaseVersions(database).versions())
        bytes.append(TestSupport::readFile(version.path));
    return bytes;
}

RestoreVersionDialog *openDialog(MainWindow &w)
{
    restoreAction(w)->trigger();
    auto *dialog = w.findChild<RestoreVersionDialog *>();
    return dialog && dialog->isVisible() ? dialog : nullptr;
}

QTreeWidget *versionList(RestoreVersionDialog *dialog)
{
    return dialog->findChild<QTreeWidget *>(QStringLiteral("versionList"));
}

QPushButton *button(RestoreVersionDialog *dialog, const char *name)
{
    return dialog->findChild<QPushButton *>(QLatin1String(name));
}

} // namespace

class tst_RestoreVersion : public QObject
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
        const QString file = env.database(QStringLiteral("a/home.db"));
        env.startWith(file);
        MainWindow w;
        QAction *entry = restoreAction(w);
        QVERIFY(entry);
        QCOMPARE(entry->text(), QStringLiteral("Gendan en tidligere version..."));
        QVERIFY(w.fileMenu()->actions().contains(entry));
        QVERIFY(entry->isEnabled());
        // A new database has no file, so no versions.
        w.FileNew();
        QVERIFY(!entry->isEnabled());
        restoreAction(w)->trigger();
        QVERIFY(!w.findChild<RestoreVersionDialog *>());
        // Save As gives it one.
        const QString named = env.path(QStringLiteral("b/new.db"));
        QDir().mkpath(QFileInfo(named).absolutePath());
        FileDialog::queueAnswer(named);
        QVERIFY(w.saveDatabaseAs());
        QVERIFY(entry->isEnabled());
        QCOMPARE(env.boxes.count(), 0);
    }

    void lockedDatabaseRestoresNothing()
    {
        Env env(QuorvelEdition);
        const QString file = env.database(QStringLiteral("a/stock.db"));
        QVERIFY(TestSupport::writeFile(env.path(QStringLiteral("a/LockFile")), "other.db Locked by PC: STORE1"));
        env.startWith(file);
        MainWindow w;
        QVERIFY(w.collection()->isReadOnly());
        QVERIFY(!restoreAction(w)->isEnabled());
        w.RestoreVersion();
        QVERIFY(!w.findChild<RestoreVersionDialog *>());
    }

    void dialogListsTheVersions()
    {
        Env env;
        const QString file = env.database(QStringLiteral("a/home.db"));
        env.startWith(file);
        MainWindow w;
        RestoreVersionDialog *dialog = openDialog(w);
        QVERIFY(dialog);
        QCOMPARE(versionList(dialog)->topLevelItemCount(), 0);
        QVERIFY(!button(dialog, "restoreButton")->isEnabled());
        QVERIFY(dialog->findChild<QLabel *>(QStringLiteral("introLabel"))
                    ->text()
                    .startsWith(QStringLiteral("Der er ingen")));
        QTest::mouseClick(button(dialog, "closeButton"), Qt::LeftButton);
        QTRY_VERIFY(!w.findChild<RestoreVersionDialog *>());

        // Three saves keep three versions: 3, 2 and 1 items, newest first.
        QList<QByteArray> replaced;
        for (const QString &name : { QStringLiteral("Sofa"), QStringLiteral("Komfur"), QStringLiteral("Gryde") }) {
            replaced.prepend(TestSupport::readFile(file));
            deleteItemNamed(w, name);
            QVERIFY(w.saveDatabase());
        }
        QCOMPARE(versionBytes(file), replaced);
        dialog = openDialog(w);
        QVERIFY(dialog);
        QTreeWidget *list = versionList(dialog);
        QCOMPARE(list->topLevelItemCount(), 3);
        const QList<DatabaseVersions::Version> versions = DatabaseVersions(file).versions();
        for (int row = 0; row < 3; ++row) {
            const QFileInfo version(versions.at(row).path);
            QTRY_COMPARE(list->topLevelItem(row)->text(1), QString::number(row + 1));
            QCOMPARE(list->topLevelItem(row)->text(2), QLocale().formattedDataSize(replaced.at(row).size()));
            QCOMPARE(list->topLevelItem(row)->text(0),
                version.lastModified().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")));
        }
        QCOMPARE(dialog->selectedVersion(), versions.at(0).path);
        QVERIFY(button(dialog, "restoreButton")->isEnabled());
        QCOMPARE(env.boxes.count(), 0);
    }

    void restore_data()
    {
        QTest::addColumn<int>("answer"); // to the save question; -1: no changes, no question
        QTest::addColumn<bool>("restores");
        QTest::newRow("no unsaved changes") << -1 << true;
        QTest::newRow("&Gem") << 0 << true;
        QTest::newRow("Gem &ikke") << 1 << true;
        QTest::newRow("&Fortryd") << 2 << false;
    }
    void restore()
    {
        QFETCH(int, answer);
        QFETCH(bool, restores);
        Env env;
        const QString file = env.database(QStringLiteral("a/home.db"));
        env.startWith(file);
        Settings().setValue(DatabaseVersions::keepKey(), 2);
        MainWindow w;
        // The three items as the program writes them.
        QVERIFY(w.saveDatabase());
        const QByteArray original = TestSupport::readFile(file);
        // Two more saves: the three items and one item less are kept.
        deleteItemNamed(w, QStringLiteral("Sofa"));
        QVERIFY(w.saveDatabase());
        deleteItemNamed(w, QStringLiteral("Komfur"));
        QVERIFY(w.saveDatabase());
        QCOMPARE(versionBytes(file).size(), 2);
        QCOMPARE(versionBytes(file).last(), original);
        if (answer >= 0) {
            deleteItemNamed(w, QStringLiteral("Gryde"));
            QVERIFY(databaseModified());
        }
        const QByteArray onDisk = TestSupport::readFile(file);
        const int unsavedCount = w.collection()->count();

        // The oldest version: saving the changes first keeps one more, which
        // must not take the chosen one away.
        RestoreVersionDialog *dialog = openDialog(w);
        QVERIFY(dialog);
        QTreeWidget *list = versionList(dialog);
        QCOMPARE(list->topLevelItemCount(), 2);
        list->setCurrentItem(list->topLevelItem(1));
        if (answer >= 0)
            MessageBox::queueAnswerIndex(answer);
        QTest::mouseClick(button(dialog, "restoreButton"), Qt::LeftButton);
        QTRY_VERIFY(!w.findChild<RestoreVersionDialog *>());

        QCOMPARE(env.boxes.count(), answer >= 0 ? 1 : 0);
        if (answer >= 0)
            QCOMPARE(env.boxes.last().text, QStringLiteral("SAVE_CURRENT_DB_QUESTION"));
        QCOMPARE(w.currentFileName(), file);
        if (!restores) {
            QCOMPARE(w.collection()->count(), unsavedCount);
            QVERIFY(databaseModified());
            QCOMPARE(TestSupport::readFile(file), onDisk);
            return;
        }
        // The version's items, under the database's own name, not yet saved.
        QCOMPARE(w.collection()->count(), 3);
        QVERIFY(databaseModified());
        QCOMPARE(w.windowTitle(), windowCaption(file));
        QCOMPARE(w.recentFiles(), QStringList { file });
        QCOMPARE(Settings().value(QStringLiteral("LastSavedDBFile")).toString(), file);
        QVERIFY(w.statusBar()->currentMessage().contains(QStringLiteral("gendannet")));
        const QByteArray replacedByRestore = TestSupport::readFile(file);
        if (answer == 0)
            QCOMPARE(dataLinesOf(replacedByRestore), 0);
        else
            QCOMPARE(replacedByRestore, onDisk);

        // The next save writes the version's bytes and keeps what it replaced.
        QVERIFY(w.saveDatabase());
        QVERIFY(!databaseModified());
        QCOMPARE(TestSupport::readFile(file), original);
        QCOMPARE(versionBytes(file).first(), replacedByRestore);
    }

private:
    static int dataLinesOf(const QByteArray &bytes)
    {
        int lines = 0;
        for (const QByteArray &line : bytes.split('\n')) {
            if (!line.trimmed().isEmpty() && !line.startsWith('#'))
                ++lines;
        }
        return lines;
    }
};

QTEST_MAIN(tst_RestoreVersion)
#include "tst_restoreversion.moc"
