#include <QTest>

#include "core/Parallel.h"

#include <atomic>
#include <chrono>
#include <new>
#include <stdexcept>
#include <thread>

// Work split in two: both parts always run and have ended when run()
// returns, on two threads only when the work is large enough and a thread
// can be had, and a failure in either part reaches the caller.
class tst_Parallel : public QObject
{
    Q_OBJECT

    struct Record
    {
        std::thread::id first;
        std::thread::id second;
        // Both parts count, perhaps at once.
        std::atomic<int> runs = 0;
    };

    static bool runRecorded(qsizetype work, Record &record)
    {
        return Parallel::run(
            work,
            [&] {
                record.first = std::this_thread::get_id();
                ++record.runs;
            },
            [&] {
                record.second = std::this_thread::get_id();
                ++record.runs;
            });
    }

private slots:
    void cleanup()
    {
        Parallel::setMinimumWork(-1);
        Parallel::setNoThreads(false);
    }

    void whereThePartsRun_data()
    {
        QTest::addColumn<qsizetype>("work");
        QTest::addColumn<bool>("noThreads");
        QTest::addColumn<bool>("split");
        const qsizetype least = Parallel::minimumWork();
        QTest::newRow("below the least work") << least - 1 << false << false;
        QTest::newRow("no work at all") << qsizetype(0) << false << false;
        QTest::newRow("the least work") << least << false << true;
        QTest::newRow("large work") << least * 20 << false << true;
        QTest::newRow("no thread to be had") << least * 20 << true << false;
    }
    void whereThePartsRun()
    {
        QFETCH(qsizetype, work);
        QFETCH(bool, noThreads);
        QFETCH(bool, split);
        Parallel::setNoThreads(noThreads);
        Record record;
        QCOMPARE(runRecorded(work, record), split);
        QCOMPARE(record.runs.load(), 2);
        const std::thread::id here = std::this_thread::get_id();
        QCOMPARE(record.first, here);
        QCOMPARE(record.second == here, !split);
    }

    void theLeastWorkIsASeam()
    {
        Parallel::setMinimumWork(0);
        Record small;
        QVERIFY(runRecorded(1, small));
        Parallel::setMinimumWork(-1);
        QVERIFY(Parallel::minimumWork() > 1000);
        Record usual;
        QVERIFY(!runRecorded(1, usual));
    }

    // The failure of either part is thrown on the caller's thread, and only
    // after the other part has ended: nothing of the work runs on after it.
    void aFailureComesAfterBothParts_data()
    {
        QTest::addColumn<bool>("firstFails");
        QTest::addColumn<bool>("secondFails");
        QTest::addColumn<bool>("noThreads");
        QTest::newRow("first fails") << true << false << false;
        QTest::newRow("second fails") << false << true << false;
        QTest::newRow("both fail") << true << true << false;
        QTest::newRow("first fails, one thread") << true << false << true;
        QTest::newRow("second fails, one thread") << false << true << true;
    }
    void aFailureComesAfterBothParts()
    {
        QFETCH(bool, firstFails);
        QFETCH(bool, secondFails);
        QFETCH(bool, noThreads);
        Parallel::setNoThreads(noThreads);
        std::atomic<bool> firstEnded { false };
        std::atomic<bool> secondEnded { false };
        // The part that does not fail takes its time, so that a failure
        // thrown on early would be seen before it ends.
        const auto part = [](bool fails, std::atomic<bool> &ended, const char *what) {
            return [fails, &ended, what] {
                if (!fails)
                    std::this_thread::sleep_for(std::chrono::milliseconds(50));
                ended = true;
                if (fails)
                    throw std::runtime_error(what);
            };
        };
        QString caught;
        try {
            Parallel::run(Parallel::minimumWork(), part(firstFails, firstEnded, "first"),
                part(secondFails, secondEnded, "second"));
        } catch (const std::runtime_error &e) {
            caught = QString::fromLatin1(e.what());
            QVERIFY(firstEnded);
            QVERIFY(secondEnded);
        }
        QCOMPARE(caught, QLatin1String(firstFails ? "first" : "second"));
    }

    void runningOutOfMemoryReachesTheCaller()
    {
        bool caught = false;
        try {
            Parallel::run(
                Parallel::minimumWork(), [] {}, [] { throw std::bad_alloc(); });
        } catch (const std::bad_alloc &) {
            caught = true;
        }
        QVERIFY(caught);
    }
};

QTEST_GUILESS_MAIN(tst_Parallel)
#include "tst_parallel.moc"
