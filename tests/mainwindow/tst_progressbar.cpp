#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>

#include "../common/ItemFixtures.h"
#include "../common/TestWorld.h"
#include "DatabaseFixture.h"
#include "core/Edition.h"
#include "core/ProgressScope.h"
#include "database/DBItemCollection.h"
#include "mainwindow/larkspanwindow.h"

// Opening and saving a large register show their progress in the status
// bar, and the bar goes when the work is done.
class tst_ProgressBar : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { ProgressScope::setDelay(500); }

    void openAndSaveShowProgress()
    {
        TestSupport::TestWorld world(OstranaEdition);
        QByteArray bytes = ItemFixtures::ostranaHeader + "\n";
        for (int i = 0; i < 5000; ++i)
            bytes += "1;Ting " + QByteArray::number(i) + ";Fabrikat;1.000000;1.000000;01.02.2003;;;;;;1;0;;;;;\n";
        const QString path = world.path(QStringLiteral("large.inb"));
        QVERIFY(TestSupport::writeFile(path, bytes));
        DatabaseFixture::writeLists(world.path(QString()), DatabaseFixture::twoGroups());
        world.startWith(path);

        MainWindow window;
        window.show();
        auto *bar = window.findChild<QProgressBar *>(QStringLiteral("progressBar"));
        QVERIFY(bar);
        QVERIFY(!bar->isVisible());
        QSignalSpy steps(bar, &QProgressBar::valueChanged);
        ProgressScope::setDelay(0);

        FileDialog::queueAnswer(path);
        window.Load();
        QCOMPARE(window.collection()->count(), 5000);
        QVERIFY(steps.count() > 0);
        QCOMPARE(bar->maximum(), int(bytes.size()));
        QVERIFY(!bar->isVisible());

        steps.clear();
        window.collection()->SaveToFileAsAscii(world.path(QStringLiteral("saved.inb")));
        QVERIFY(steps.count() > 0);
        QCOMPARE(bar->maximum(), 5000);
        QVERIFY(!bar->isVisible());
        QCOMPARE(world.boxes.count(), 0);
    }
};

QTEST_MAIN(tst_ProgressBar)
#include "tst_progressbar.moc"
