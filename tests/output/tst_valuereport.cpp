#include <QtTest>

#include "PrintFixture.h"
#include "TestSupport.h"
#include "core/ColumnTitles.h"
#include "core/Edition.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "output/ValueReport.h"

#include <QImage>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <memory>

using PrintFixture::ItemRow;

namespace {

// pdfimages -list: one row per picture in the file, its width and height.
QList<QSize> pdfImages(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdfimages"), { QStringLiteral("-list"), path });
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    QList<QSize> sizes;
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'));
    // Two heading lines; then page, num, type, width, height, ...
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QStringList cells = lines.at(i).simplified().split(QLatin1Char(' '));
        if (cells.size() > 4 && cells.at(2) == QLatin1String("image"))
            sizes.append(QSize(cells.at(3).toInt(), cells.at(4).toInt()));
    }
    return sizes;
}

QString allText(const QStringList &pages)
{
    QStringList lines;
    for (const QString &page : pages)
        lines << PrintFixture::simplifiedLines(page);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class tst_ValueReport : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestSupport::IsolatedSettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<DBItemCollection> m_collection;

    QString pdf() const { return m_dir->filePath(QStringLiteral("rapport.pdf")); }

    // Three things in two rooms: a sofa with a large photo and a picture
    // receipt, two lamps with a missing photo and a PDF receipt, and a
    // cupboard with no links, bought in another year and beyond the lists.
    void fill(int editionNumber)
    {
        m_settings = std::make_unique<TestSupport::IsolatedSettings>(editionNumber);
        m_dir = std::make_unique<QTemporaryDir>();
        resetColumnTitles();
        m_collection = PrintFixture::makeCollection({ "Stue", "Køkken" }, { "Hus", "Kælder" },
            { ItemRow { 0, QStringLiteral("Sofa Ærø"), 14995.5, 1, 9000, 0, QStringLiteral("12.03.2019") },
                ItemRow { 1, QStringLiteral("Lampe"), 450, 2, 600, 1, QStringLiteral("01.05.2021") },
                ItemRow { 5, QStringLiteral("Skab"), 1000, 1, 250, 7, QStringLiteral("ukendt") } });
        QImage photo(1600, 1200, QImage::Format_RGB32);
        photo.fill(Qt::darkCyan);
        QVERIFY(photo.save(m_dir->filePath(QStringLiteral("sofa.jpg")), "JPEG"));
        QImage receipt(300, 500, QImage::Format_RGB32);
        receipt.fill(Qt::white);
        QVERIFY(receipt.save(m_dir->filePath(QStringLiteral("bon.png")), "PNG"));
        QFile pdfReceipt(m_dir->filePath(QStringLiteral("faktura.pdf")));
        QVERIFY(pdfReceipt.open(QIODevice::WriteOnly));
        pdfReceipt.write("%PDF-1.4\n");
        pdfReceipt.close();
        Item *sofa = m_collection->at(0);
        sofa->setPhotolink(m_dir->filePath(QStringLiteral("sofa.jpg")));
        sofa->setReceipt(m_dir->filePath(QStringLiteral("bon.png")));
        sofa->setSerialno(QStringLiteral("SN-4711"));
        sofa->setSupplier(QStringLiteral("Bolia"));
        Item *lamp = m_collection->at(1);
        lamp->setPhotolink(m_dir->filePath(QStringLiteral("lampe.jpg")));
        lamp->setReceipt(m_dir->filePath(QStringLiteral("faktura.pdf")));
        lamp->setSupplier(QStringLiteral("Bolia"));
    }

    ValueReport::Options options() const
    {
        ValueReport::Options options;
        options.owner = QStringLiteral("Åse Ærbødig");
        options.address = QStringLiteral("Søvej 1\n8000 Århus");
        options.policy = QStringLiteral("P-123");
        options.date = QDate(2026, 12, 10);
        return options;
    }

    QList<const Item *> allItems() const
    {
        QList<const Item *> items;
        for (const Item *item : *m_collection)
            items.append(item);
        return items;
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty())
            QSKIP("pdftotext and pdfimages (poppler-utils) are needed to read the reports back");
    }

    void cleanup()
    {
        m_collection.reset();
        m_dir.reset();
        m_settings.reset();
        resetColumnTitles();
    }

    // The cover's owner and totals, the four tables with their sums, the
    // entries and the page headings, read back from the PDF.
    void documentText()
    {
        fill(OstranaEdition);
        ValueReport report(*m_collection, allItems(), options());
        QVERIFY2(report.write(pdf()), qPrintable(report.errorString()));
        QCOMPARE(report.missingPictures(), 1);
        const QStringList pages = PrintFixture::pdfPages(pdf());
        QCOMPARE(pages.size(), 3); // cover, tables, entries
        const QStringList cover = PrintFixture::simplifiedLines(pages.at(0));
        // Purchase: 14995.50 + 2 × 450 + 1000; value today once per item.
        for (const char *line : { "Ejer: Åse Ærbødig", "Søvej 1", "8000 Århus", "Policenummer: P-123",
                 "Opgørelsens dato: 10.12.2026", "Antal poster: 3", "Købspris i alt: 16895.50",
                 "Værdi i dag i alt: 9850.00", "Poster, hvis billede ikke blev fundet: 1" })
            QVERIFY2(cover.contains(QString::fromUtf8(line)), qPrintable(cover.join(QLatin1Char('|'))));
        for (int page = 1; page <= 3; ++page)
            QVERIFY2(PrintFixture::simplifiedLines(pages.at(page - 1))
                         .first()
                         .endsWith(QStringLiteral("10.12.2026 side %1 af 3").arg(page)),
                qPrintable(pages.at(page - 1).left(120)));

        const QStringList tables = PrintFixture::simplifiedLines(pages.at(1));
        for (const char *line :
            { "Fordelt på Gruppe", "Stue 1 14995.50 9000.00", "Køkken 1 900.00 600.00", "(uden navn) 1 1000.00 250.00",
                "I alt 3 16895.50 9850.00", "Fordelt på Rum", "Hus 1 14995.50 9000.00", "Kælder 1 900.00 600.00",
                "Fordelt på Leverandør", "Bolia 2 15895.50 9600.00", "(ingen) 1 1000.00 250.00", "Fordelt på Købsår",
                "2019 1 14995.50 9000.00", "2021 1 900.00 600.00", "(uden dato) 1 1000.00 250.00" })
            QVERIFY2(tables.contains(QString::fromUtf8(line)), qPrintable(tables.join(QLatin1Char('|'))));

        const QString entries = allText({ pages.at(2) });
        for (const char *words : { "Sofa Ærø", "Serie no.: SN-4711", "Antal: 2", "Pris: 450.00", "Vurd.: 9000.00",
                 "billede ikke fundet:", "lampe.jpg", "Kvitt.: faktura.pdf", "Rum: Kælder" })
            QVERIFY2(entries.contains(QString::fromUtf8(words)), qPrintable(entries));

        // The photo and the picture receipt, at print resolution rather
        // than the photo's 1600 × 1200.
        const QList<QSize> images = pdfImages(pdf());
        QCOMPARE(images.size(), 2);
        for (const QSize &size : images)
            QVERIFY2(size.width() <= 300 && size.height() <= 300, qPrintable(QString::number(size.width())));
    }

    // Without photos and receipts no picture is embedded and none is
    // counted missing; the coin edition shows both sides of a coin.
    void picturesChosen_data()
    {
        QTest::addColumn<int>("editionNumber");
        QTest::addColumn<bool>("photos");
        QTest::addColumn<bool>("receipts");
        QTest::addColumn<int>("images");
        QTest::addColumn<int>("missing");
        QTest::newRow("home contents, nothing") << int(OstranaEdition) << false << false << 0 << 0;
        QTest::newRow("home contents, photos only") << int(OstranaEdition) << true << false << 1 << 1;
        QTest::newRow("home contents, receipts only") << int(OstranaEdition) << false << true << 1 << 0;
        QTest::newRow("coins, both sides") << int(NumivaxEdition) << true << true << 2 << 1;
    }
    void picturesChosen()
    {
        QFETCH(int, editionNumber);
        QFETCH(bool, photos);
        QFETCH(bool, receipts);
        QFETCH(int, images);
        QFETCH(int, missing);
        fill(editionNumber);
        ValueReport::Options chosen = options();
        chosen.photos = photos;
        chosen.receipts = receipts;
        ValueReport report(*m_collection, allItems(), chosen);
        QVERIFY2(report.write(pdf()), qPrintable(report.errorString()));
        QCOMPARE(int(pdfImages(pdf()).size()), images);
        QCOMPARE(report.missingPictures(), missing);
    }

    // Each entry gets its own pictures, read ahead of the drawing: in the
    // order of the entries, each scaled to its box, none for the missing.
    void picturesInEntryOrder()
    {
        fill(OstranaEdition);
        QList<QSize> expected { QSize(283, 212), QSize(70, 117) };
        for (int i = 9; i >= 0; --i) {
            auto item = std::make_unique<Item>();
            item->setName(QStringLiteral("Ting %1").arg(i));
            item->setPriceToday(100 + i);
            const QString path = m_dir->filePath(QStringLiteral("ting%1.jpg").arg(i));
            item->setPhotolink(path);
            if (i % 3 != 1) {
                const QSize size(500 + 40 * i, 300);
                QImage photo(size, QImage::Format_RGB32);
                photo.fill(Qt::darkYellow);
                QVERIFY(photo.save(path, "JPEG"));
                expected.append(size.scaled(QSize(283, 283), Qt::KeepAspectRatio));
            }
            m_collection->add(std::move(item));
        }
        ValueReport::Options chosen = options();
        chosen.sort = ValueReport::ByValue;
        ValueReport report(*m_collection, allItems(), chosen);
        QVERIFY2(report.write(pdf()), qPrintable(report.errorString()));
        QCOMPARE(pdfImages(pdf()), expected);
        // The lamp and the three things whose photos are not there.
        QCOMPARE(report.missingPictures(), 4);
    }

    // The paper of the user's country, and every font the report uses
    // embedded, so that it prints alike wherever it is opened.
    void pageAndFonts_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("pageSize");
        QTest::newRow("Danish, A4") << "da_DK"
                                    << "595 x 842 pts (A4)";
        QTest::newRow("Norwegian, A4") << "nb_NO"
                                       << "595 x 842 pts (A4)";
        QTest::newRow("British English, A4") << "en_GB"
                                             << "595 x 842 pts (A4)";
        QTest::newRow("American English, Letter") << "en_US"
                                                  << "612 x 792 pts (letter)";
        QTest::newRow("Canadian French, Letter") << "fr_CA"
                                                 << "612 x 792 pts (letter)";
    }
    void pageAndFonts()
    {
        QFETCH(QString, locale);
        QFETCH(QString, pageSize);
        if (QStandardPaths::findExecutable(QStringLiteral("pdffonts")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdffonts and pdfinfo (poppler-utils) are needed");
        fill(OstranaEdition);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
        ValueReport::Options chosen = options();
        chosen.pageSize = ValueReport::localPageSize();
        ValueReport report(*m_collection, allItems(), chosen);
        QVERIFY2(report.write(pdf()), qPrintable(report.errorString()));
        QCOMPARE(PrintFixture::pdfPageSize(pdf()), pageSize);

        QProcess fonts;
        fonts.start(QStringLiteral("pdffonts"), { pdf() });
        QVERIFY(fonts.waitForFinished(30000) && fonts.exitCode() == 0);
        // name, type, encoding, then "emb sub uni object ID" as yes/no...
        const QStringList lines = QString::fromUtf8(fonts.readAllStandardOutput()).split(QLatin1Char('\n'));
        int fontCount = 0;
        for (qsizetype i = 2; i < lines.size(); ++i) {
            const QStringList cells = lines.at(i).simplified().split(QLatin1Char(' '));
            if (cells.size() < 7)
                continue;
            ++fontCount;
            QVERIFY2(cells.at(cells.size() - 5) == QLatin1String("yes"), qPrintable(lines.at(i)));
        }
        QVERIFY(fontCount > 0);
    }

    // Sorted by value, the dearest comes first; many items take several
    // pages, all numbered.
    void sortAndPages()
    {
        fill(OstranaEdition);
        for (int i = 0; i < 20; ++i) {
            auto item = std::make_unique<Item>();
            item->setName(QStringLiteral("Ting %1").arg(i, 2, 10, QLatin1Char('0')));
            item->setPriceToday(100 + i);
            m_collection->add(std::move(item));
        }
        ValueReport::Options chosen = options();
        chosen.sort = ValueReport::ByValue;
        chosen.photos = false;
        ValueReport report(*m_collection, allItems(), chosen);
        QVERIFY2(report.write(pdf()), qPrintable(report.errorString()));
        const QStringList pages = PrintFixture::pdfPages(pdf());
        QVERIFY(pages.size() >= 5);
        const QString entries = allText(pages.mid(2));
        QVERIFY(entries.indexOf(QStringLiteral("Sofa Ærø")) < entries.indexOf(QStringLiteral("Lampe")));
        QVERIFY(entries.indexOf(QStringLiteral("Lampe")) < entries.indexOf(QStringLiteral("Skab")));
        QVERIFY(entries.indexOf(QStringLiteral("Skab")) < entries.indexOf(QStringLiteral("Ting 19")));
        QVERIFY(entries.indexOf(QStringLiteral("Ting 19")) < entries.indexOf(QStringLiteral("Ting 00")));
        const QString last = PrintFixture::simplifiedLines(pages.last()).first();
        QVERIFY2(last.endsWith(QStringLiteral("side %1 af %1").arg(pages.size())), qPrintable(last));
    }

    // A stopped report leaves no file, and an older file where it was
    // stays as it was; a folder that cannot be written says why.
    void cancelledAndFailed()
    {
        fill(OstranaEdition);
        QFile older(pdf());
        QVERIFY(older.open(QIODevice::WriteOnly));
        older.write("older");
        older.close();
        ValueReport report(*m_collection, allItems(), options());
        int told = 0;
        QVERIFY(!report.write(pdf(), [&](int page, int pages) {
            ++told;
            return !(page == 2 && pages == 3);
        }));
        QVERIFY(report.errorString().isEmpty());
        QCOMPARE(told, 2);
        QCOMPARE(TestSupport::readFile(pdf()), QByteArray("older"));
        const QStringList leftOver = QDir(m_dir->path()).entryList({ QStringLiteral("rapport*") }, QDir::Files);
        QCOMPARE(leftOver, QStringList { QStringLiteral("rapport.pdf") });

        QVERIFY(!report.write(m_dir->filePath(QStringLiteral("no such folder/rapport.pdf"))));
        QVERIFY(!report.errorString().isEmpty());
    }
};

QTEST_MAIN(tst_ValueReport)
#include "tst_valuereport.moc"
