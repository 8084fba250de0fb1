#include <QTest>

#include "../common/ItemFixtures.h"
#include "../common/TestSupport.h"
#include "core/Edition.h"
#include "core/ProgressScope.h"
#include "database/DBItemCollection.h"

// Long work of the core tells how far it has come, once it has run longer
// than the delay, and says when it is done; quick work tells nothing.
class tst_Progress : public QObject
{
    Q_OBJECT

    struct RecordingSink : ProgressScope::Sink
    {
        QList<qint64> totals;
        QList<qint64> steps;
        void started(const QString &what, qint64 total) override
        {
            startedTexts << what;
            totals << total;
        }
        void advanced(qint64 done) override { steps << done; }
        void finished() override { ++finishedCount; }
        QStringList startedTexts;
        int finishedCount = 0;
    };

    QTemporaryDir m_dir;
    RecordingSink m_sink;

    QString writeDatabase(int items)
    {
        QByteArray bytes = ItemFixtures::ostranaHeader + "\n";
        for (int i = 0; i < items; ++i)
            bytes += QByteArray::number(i % 3) + ";Ting " + QByteArray::number(i)
                + ";Fabrikat;100.000000;50.000000;01.02.2003;;;;;;1;0;;;;;\n";
        const QString path = m_dir.filePath(QStringLiteral("large.inb"));
        return TestSupport::writeFile(path, bytes) ? path : QString();
    }

    void checkReport(const QString &what, qint64 total)
    {
        QCOMPARE(m_sink.startedTexts, QStringList { what });
        QCOMPARE(m_sink.totals, QList<qint64> { total });
        QVERIFY(!m_sink.steps.isEmpty());
        QVERIFY(std::is_sorted(m_sink.steps.cbegin(), m_sink.steps.cend()));
        QVERIFY(m_sink.steps.last() <= total);
        QCOMPARE(m_sink.finishedCount, 1);
    }

private slots:
    void init()
    {
        m_sink = {};
        ProgressScope::setSink(&m_sink);
        ProgressScope::setDelay(0);
    }
    void cleanup()
    {
        ProgressScope::setSink(nullptr);
        ProgressScope::setDelay(500);
    }

    void loadSaveAndExportReport()
    {
        TestSupport::IsolatedSettings settings(OstranaEdition);
        TestSupport::RecordedMessageBoxes boxes;
        const QString path = writeDatabase(5000);
        DBItemCollection collection(nullptr);
        QVERIFY(collection.LoadFromAsciiFile(path));
        QCOMPARE(collection.count(), 5000);
        checkReport(QStringLiteral("Indlæser databasen"), QFileInfo(path).size());

        m_sink = {};
        QVERIFY(collection.SaveToFileAsAscii(m_dir.filePath(QStringLiteral("saved.inb"))));
        checkReport(QStringLiteral("Gemmer databasen"), 5000);

        m_sink = {};
        QVERIFY(collection.SaveAsXmlFile(m_dir.filePath(QStringLiteral("all.xml"))));
        checkReport(QStringLiteral("Eksporterer"), 5000);

        m_sink = {};
        QVERIFY(collection.SaveAsHtmlFile(m_dir.filePath(QStringLiteral("all.html")), true, nullptr, false, false));
        checkReport(QStringLiteral("Eksporterer"), 5000);
        QCOMPARE(boxes.count(), 0);
    }

    void quickWorkAndInnerWorkTellNothing()
    {
        ProgressScope::setDelay(60 * 60 * 1000);
        {
            ProgressScope scope(QStringLiteral("quick"), 10);
            for (int i = 0; i < 100000; ++i)
                scope.advance(i);
        }
        QVERIFY(m_sink.startedTexts.isEmpty());
        QCOMPARE(m_sink.finishedCount, 0);

        ProgressScope::setDelay(0);
        {
            ProgressScope outer(QStringLiteral("outer"), 100000);
            ProgressScope inner(QStringLiteral("inner"), 5);
            for (int i = 0; i < 100000; ++i) {
                inner.advance(i % 5);
                outer.advance(i);
            }
        }
        QCOMPARE(m_sink.startedTexts, QStringList { QStringLiteral("outer") });
        QCOMPARE(m_sink.finishedCount, 1);
    }
};

QTEST_GUILESS_MAIN(tst_Progress)
#include "tst_progress.moc"
