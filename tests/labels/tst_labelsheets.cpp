#include <QtTest>

#include "BarcodeReader.h"
#include "TestSupport.h"
#include "core/Edition.h"
#include "database/DBItemCollection.h"
#include "database/Item.h"
#include "labels/LabelPainter.h"
#include "labels/LabelSheet.h"
#include "labels/LabelSheetLayout.h"
#include "labels/LabelSheetWriter.h"

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

using TestSupport::IsolatedSettings;

namespace {

constexpr int Dpi = 300;

struct ItemRow
{
    QString serial;
    QString name;
    int count = 1;
    int group = 0;
    int location = 0;
};

void fill(DBItemCollection &collection, const QList<ItemRow> &rows)
{
    collection.groups().clear();
    collection.locations().clear();
    collection.groups().add(QStringLiteral("Stue"));
    collection.groups().add(QStringLiteral("Køkken"));
    collection.locations().add(QStringLiteral("Kælder"));
    collection.locations().add(QStringLiteral("Loft"));
    for (const ItemRow &row : rows) {
        auto item = std::make_unique<Item>();
        item->setSerialno(row.serial);
        item->setName(row.name);
        item->setNumberOfItems(row.count);
        item->setGroup(row.group);
        item->setLocation(row.location);
        item->setProduct(QStringLiteral("Fabrikat"));
        item->setProductModel(QStringLiteral("M-%1").arg(row.serial));
        collection.add(std::move(item));
    }
}

QList<ItemRow> numbered(int count, int first = 1000)
{
    QList<ItemRow> rows;
    for (int i = 0; i < count; ++i)
        rows.append({ QString::number(first + i), QStringLiteral("Ting %1").arg(i) });
    return rows;
}

QList<const Item *> allItems(const DBItemCollection &collection)
{
    QList<const Item *> items;
    for (const Item *item : collection)
        items.append(item);
    return items;
}

// Writes the sheet's PDF and gives its pages as pictures.
QList<QImage> pages(const LabelSheet &sheet, QTemporaryDir &dir)
{
    const QString pdf = dir.filePath(QStringLiteral("labels.pdf"));
    LabelSheetWriter writer(sheet);
    if (!writer.writePdf(pdf))
        return {};
    QList<QImage> images;
    for (const QString &page : BarcodeReader::pdfPages(pdf, dir.path(), Dpi))
        images.append(QImage(page));
    return images;
}

QImage labelPicture(const QImage &page, const LabelSheetLayout &layout, int position)
{
    const QRectF mm = layout.labelRect(position);
    const double scale = Dpi / 25.4;
    // QImage::copy fills what lies beyond the page with black.
    return page.copy(QRectF(mm.topLeft() * scale, mm.size() * scale).toRect() & page.rect());
}

QString pageFile(const QImage &page, QTemporaryDir &dir, int number)
{
    const QString path = dir.filePath(QStringLiteral("check-%1.png").arg(number));
    page.save(path);
    return path;
}

int ink(const QImage &picture)
{
    const QImage gray = picture.convertToFormat(QImage::Format_Grayscale8);
    int dark = 0;
    for (int y = 0; y < gray.height(); ++y) {
        const uchar *line = gray.constScanLine(y);
        for (int x = 0; x < gray.width(); ++x)
            dark += line[x] < 128 ? 1 : 0;
    }
    return dark;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

} // namespace

class tst_LabelSheets : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyLayout_data();
    void everyLayout();
    void startAt_data();
    void startAt();
    void perPiece_data();
    void perPiece();
    void locationCodes();
    void locationCodeCut_data();
    void locationCodeCut();
    void fallback_data();
    void fallback();
    void longNameIsCut();
    void customLayoutRefused_data();
    void customLayoutRefused();
    void customLayoutRemembered();
    void itemNumberByEdition_data();
    void itemNumberByEdition();

private:
    std::unique_ptr<IsolatedSettings> m_settings;
};

void tst_LabelSheets::init()
{
    if (!BarcodeReader::available())
        QSKIP("zbarimg and pdftoppm are needed (zbar-tools, poppler-utils)");
    m_settings = std::make_unique<IsolatedSettings>(OstranaEdition);
}

void tst_LabelSheets::cleanup()
{
    m_settings.reset();
}

void tst_LabelSheets::everyLayout_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("symbology");
    for (const LabelSheetLayout &layout : LabelSheetLayout::namedLayouts())
        QTest::newRow(qPrintable(layout.id)) << layout.id << int(BarcodeSymbol::Code128);
    QTest::newRow("a4-3x8 qr") << QStringLiteral("a4-3x8") << int(BarcodeSymbol::QrCode);
    QTest::newRow("a4-4x10 qr") << QStringLiteral("a4-4x10") << int(BarcodeSymbol::QrCode);
}

// A full sheet and three labels more: every code on each page reads back
// as its item's number, and the last label sits where the layout puts it.
void tst_LabelSheets::everyLayout()
{
    QFETCH(QString, layout);
    QFETCH(int, symbology);
    const LabelSheetLayout sheetLayout = LabelSheetLayout::byId(layout);
    QCOMPARE(sheetLayout.id, layout);
    QVERIFY(sheetLayout.fits());
    const int perSheet = sheetLayout.labelsPerSheet();
    DBItemCollection collection(nullptr);
    fill(collection, numbered(perSheet + 3));
    LabelSheet::Options options;
    options.symbology = BarcodeSymbol::Symbology(symbology);
    LabelSheet sheet(sheetLayout, options);
    sheet.addItems(collection, allItems(collection));
    QVERIFY2(sheet.problems().isEmpty(), qPrintable(sheet.problems().join(QLatin1Char('\n'))));
    QCOMPARE(sheet.sheetCount(), 2);

    QTemporaryDir dir;
    const QList<QImage> images = pages(sheet, dir);
    QCOMPARE(images.size(), 2);
    // Each label alone, where the layout puts it (zbarimg misses QR codes
    // in a tight grid of them).
    for (int i = 0; i < perSheet + 3; ++i) {
        const QImage label = labelPicture(images.at(i / perSheet), sheetLayout, i % perSheet);
        QCOMPARE(BarcodeReader::decodeImage(label), QString::number(1000 + i));
    }
    QCOMPARE(ink(labelPicture(images.at(1), sheetLayout, 3)), 0);
    if (options.symbology == BarcodeSymbol::Code128) {
        QStringList first;
        for (int i = 0; i < perSheet; ++i)
            first.append(QString::number(1000 + i));
        QCOMPARE(BarcodeReader::decodeFile(pageFile(images.at(0), dir, 0)), sorted(first));
    }
}

void tst_LabelSheets::startAt_data()
{
    QTest::addColumn<int>("startAt");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("sheets");
    QTest::newRow("first") << 1 << 5 << 1;
    QTest::newRow("fifth") << 5 << 20 << 1;
    QTest::newRow("fifth, over the sheet") << 5 << 22 << 2;
    QTest::newRow("last") << 24 << 2 << 2;
}

// The labels before the start stay blank; the first item takes the start.
void tst_LabelSheets::startAt()
{
    QFETCH(int, startAt);
    QFETCH(int, count);
    QFETCH(int, sheets);
    const LabelSheetLayout layout = LabelSheetLayout::byId(QStringLiteral("a4-3x8"));
    DBItemCollection collection(nullptr);
    fill(collection, numbered(count));
    LabelSheet::Options options;
    options.startAt = startAt;
    LabelSheet sheet(layout, options);
    sheet.addItems(collection, allItems(collection));
    QCOMPARE(sheet.sheetCount(), sheets);
    QTemporaryDir dir;
    const QList<QImage> images = pages(sheet, dir);
    QCOMPARE(images.size(), sheets);
    for (int position = 0; position < startAt - 1; ++position)
        QVERIFY2(ink(labelPicture(images.first(), layout, position)) == 0, qPrintable(QString::number(position)));
    QCOMPARE(BarcodeReader::decodeImage(labelPicture(images.first(), layout, startAt - 1)), QStringLiteral("1000"));
    QStringList all;
    for (const QImage &image : images)
        all += BarcodeReader::decodeFile(pageFile(image, dir, int(all.size())));
    QStringList expected;
    for (int i = 0; i < count; ++i)
        expected.append(QString::number(1000 + i));
    QCOMPARE(sorted(all), sorted(expected));
}

void tst_LabelSheets::perPiece_data()
{
    QTest::addColumn<bool>("perPiece");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("one per item") << false << QStringList { "1000", "1001", "1002", "1003" };
    // A count of 0 still gives its item one label.
    QTest::newRow("one per piece") << true << QStringList { "1000", "1000", "1000", "1001", "1002", "1002", "1003" };
}

void tst_LabelSheets::perPiece()
{
    QFETCH(bool, perPiece);
    QFETCH(QStringList, expected);
    DBItemCollection collection(nullptr);
    QList<ItemRow> rows = numbered(4);
    rows[0].count = 3;
    rows[1].count = 1;
    rows[2].count = 2;
    rows[3].count = 0;
    fill(collection, rows);
    LabelSheet::Options options;
    options.perPiece = perPiece;
    LabelSheet sheet(LabelSheetLayout::byId(QStringLiteral("a4-2x7")), options);
    sheet.addItems(collection, allItems(collection));
    QCOMPARE(sheet.labels().size(), expected.size());
    QTemporaryDir dir;
    const QList<QImage> images = pages(sheet, dir);
    QCOMPARE(images.size(), 1);
    // zbarimg tells a code found twice on one picture once: each label is
    // read alone.
    const LabelSheetLayout &layout = sheet.layout();
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(BarcodeReader::decodeImage(labelPicture(images.first(), layout, i)), expected.at(i));
    QCOMPARE(ink(labelPicture(images.first(), layout, int(expected.size()))), 0);
}

// One label a location; its QR code holds the location's name and the names
// of the items kept there, Danish letters and all.
void tst_LabelSheets::locationCodes()
{
    DBItemCollection collection(nullptr);
    fill(collection,
        { { QStringLiteral("1"), QStringLiteral("Æble ø å é"), 1, 0, 0 },
            { QStringLiteral("2"), QStringLiteral("Juletræ"), 1, 1, 1 },
            { QStringLiteral("3"), QStringLiteral("Skøjter"), 1, 0, 1 },
            { QStringLiteral("4"), QStringLiteral("Sofa"), 1, 1, 0 } });
    collection.locations().add(QStringLiteral("Garage"));
    const LabelSheetLayout layout = LabelSheetLayout::byId(QStringLiteral("a4-3x7"));
    LabelSheet::Options options;
    options.kind = LabelSheet::LocationLabels;
    LabelSheet sheet(layout, options);
    sheet.addLocations(collection);
    QCOMPARE(sheet.labels().size(), 3);
    QTemporaryDir dir;
    const QList<QImage> images = pages(sheet, dir);
    QCOMPARE(images.size(), 1);
    QCOMPARE(BarcodeReader::decodeImage(labelPicture(images.first(), layout, 0)),
        QStringLiteral("Kælder\nÆble ø å é\nSofa"));
    QCOMPARE(
        BarcodeReader::decodeImage(labelPicture(images.first(), layout, 1)), QStringLiteral("Loft\nJuletræ\nSkøjter"));
    QCOMPARE(BarcodeReader::decodeImage(labelPicture(images.first(), layout, 2)), QStringLiteral("Garage"));
}

void tst_LabelSheets::locationCodeCut_data()
{
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("maxModules");
    QTest::addColumn<bool>("cut");
    QTest::newRow("all fit") << 5 << 41 << false;
    QTest::newRow("cut small") << 60 << 41 << true;
    QTest::newRow("cut large") << 600 << 101 << true;
}

// A location with more items than its code holds lists as many as fit and
// then how many more there are; the code still reads back whole.
void tst_LabelSheets::locationCodeCut()
{
    QFETCH(int, items);
    QFETCH(int, maxModules);
    QFETCH(bool, cut);
    QStringList names;
    for (int i = 0; i < items; ++i)
        names.append(QStringLiteral("Kasse nr. %1 med æbler").arg(i));
    const QString text = LabelSheet::locationCodeText(QStringLiteral("Loft"), names, maxModules);
    QStringList lines = text.split(QLatin1Char('\n'));
    QCOMPARE(lines.takeFirst(), QStringLiteral("Loft"));
    if (cut) {
        const QString more = lines.takeLast();
        QVERIFY(!lines.isEmpty());
        QCOMPARE(more, QStringLiteral("…og %1 mere").arg(items - lines.size()));
        // One name more would not fit.
        QStringList longer = lines;
        longer.append(names.at(lines.size()));
        BarcodeSymbol bigger;
        QVERIFY(!bigger.encode(BarcodeSymbol::QrCode,
                    QStringLiteral("Loft\n") + longer.join(QLatin1Char('\n'))
                        + QStringLiteral("\n…og %1 mere").arg(items - longer.size()))
            || bigger.size().width() > maxModules);
    }
    QCOMPARE(lines, names.mid(0, lines.size()));
    BarcodeSymbol symbol;
    QVERIFY(symbol.encode(BarcodeSymbol::QrCode, text));
    QVERIFY(symbol.size().width() <= maxModules);
    QImage image((symbol.size() * 6).toSize() + QSize(60, 60), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    symbol.paint(&painter, QRectF(QPointF(30, 30), symbol.size() * 6));
    painter.end();
    QCOMPARE(BarcodeReader::decodeImage(image), text);
}

void tst_LabelSheets::fallback_data()
{
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("decoded");
    QTest::addColumn<QString>("problem");
    QTest::newRow("ean") << int(BarcodeSymbol::Ean13) << QStringLiteral("5901234123457")
                         << QStringLiteral("5901234123457") << QString();
    QTest::newRow("ean of letters") << int(BarcodeSymbol::Ean13) << QStringLiteral("AB-12") << QStringLiteral("AB-12")
                                    << QStringLiteral("Etiketten får en Code 128-stregkode i stedet");
    QTest::newRow("ean wrong check digit")
        << int(BarcodeSymbol::Ean13) << QStringLiteral("5901234123458") << QStringLiteral("5901234123458")
        << QStringLiteral("Etiketten får en Code 128-stregkode i stedet");
    QTest::newRow("qr of latin-1") << int(BarcodeSymbol::QrCode) << QStringLiteral("Æble-7") << QStringLiteral("Æble-7")
                                   << QString();
    QTest::newRow("code 128 of latin-1") << int(BarcodeSymbol::Code128) << QStringLiteral("Æble-7") << QString()
                                         << QStringLiteral("Etiketten får ingen stregkode");
    QTest::newRow("no number") << int(BarcodeSymbol::Code128) << QString() << QString()
                               << QStringLiteral("Uden nummer får etiketten ingen stregkode");
}

// A number the chosen code cannot hold gets Code 128 or no code, never a
// wrong one, and the problem names the item.
void tst_LabelSheets::fallback()
{
    QFETCH(int, symbology);
    QFETCH(QString, serial);
    QFETCH(QString, decoded);
    QFETCH(QString, problem);
    DBItemCollection collection(nullptr);
    fill(collection, { { serial, QStringLiteral("Cykelpumpe") } });
    LabelSheet::Options options;
    options.symbology = BarcodeSymbol::Symbology(symbology);
    const LabelSheetLayout layout = LabelSheetLayout::byId(QStringLiteral("a4-2x7"));
    LabelSheet sheet(layout, options);
    sheet.addItems(collection, allItems(collection));
    if (problem.isEmpty()) {
        QVERIFY(sheet.problems().isEmpty());
    } else {
        QCOMPARE(sheet.problems().size(), 1);
        QVERIFY2(sheet.problems().first().contains(problem), qPrintable(sheet.problems().first()));
        QVERIFY(sheet.problems().first().startsWith(QStringLiteral("Cykelpumpe")));
    }
    QTemporaryDir dir;
    const QList<QImage> images = pages(sheet, dir);
    QCOMPARE(images.size(), 1);
    QCOMPARE(BarcodeReader::decodeImage(labelPicture(images.first(), layout, 0)), decoded);
}

// A name longer than the label is wide ends in "…" on its label and leaves
// the label beside it blank.
void tst_LabelSheets::longNameIsCut()
{
    DBItemCollection collection(nullptr);
    fill(collection, { { QStringLiteral("77"), QStringLiteral("Bornholmerur ") + QString(200, QLatin1Char('W')) } });
    const LabelSheetLayout layout = LabelSheetLayout::byId(QStringLiteral("a4-4x10"));
    LabelSheet sheet(layout, {});
    sheet.addItems(collection, allItems(collection));
    QTemporaryDir dir;
    const QList<QImage> images = pages(sheet, dir);
    QCOMPARE(images.size(), 1);
    QVERIFY(ink(labelPicture(images.first(), layout, 0)) > 0);
    QCOMPARE(ink(labelPicture(images.first(), layout, 1)), 0);
    QCOMPARE(BarcodeReader::decodeImage(labelPicture(images.first(), layout, 0)), QStringLiteral("77"));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), { dir.filePath(QStringLiteral("labels.pdf")), QStringLiteral("-") });
    QVERIFY(text.waitForFinished(60000));
    const QString words = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(words.contains(QStringLiteral("Bornholmerur")), qPrintable(words));
    QVERIFY(words.contains(QStringLiteral("…")));
    QVERIFY(!words.contains(QString(100, QLatin1Char('W'))));
}

void tst_LabelSheets::customLayoutRefused_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<double>("labelWidth");
    QTest::addColumn<double>("leftMargin");
    QTest::addColumn<int>("rows");
    QTest::addColumn<double>("rowGap");
    QTest::addColumn<QString>("reason");
    QTest::newRow("fits exactly") << 3 << 70.0 << 0.0 << 8 << 0.0 << QString();
    QTest::newRow("too wide")
        << 3 << 70.0 << 5.0 << 8 << 0.0
        << QStringLiteral("3 kolonner med margen og mellemrum er 215 mm brede, men siden er kun 210 mm bred.");
    QTest::newRow("too high by gaps")
        << 3 << 60.0 << 5.0 << 8 << 2.0
        << QStringLiteral("8 rækker med margen og mellemrum er 310 mm høje, men siden er kun 297 mm høj.");
    QTest::newRow("no rows") << 3 << 60.0 << 5.0 << 0 << 0.0
                             << QStringLiteral("Arket skal have mindst én række og én kolonne.");
    QTest::newRow("no width") << 3 << 0.0 << 5.0 << 8 << 0.0
                              << QStringLiteral("Etiketterne skal have en bredde og en højde.");
    QTest::newRow("negative margin") << 3 << 60.0 << -1.0 << 8 << 0.0
                                     << QStringLiteral("Margener og mellemrum kan ikke være negative.");
}

void tst_LabelSheets::customLayoutRefused()
{
    QFETCH(int, columns);
    QFETCH(double, labelWidth);
    QFETCH(double, leftMargin);
    QFETCH(int, rows);
    QFETCH(double, rowGap);
    QFETCH(QString, reason);
    LabelSheetLayout layout = LabelSheetLayout::byId(LabelSheetLayout::customId());
    layout.columns = columns;
    layout.labelSize.setWidth(labelWidth);
    layout.leftMargin = leftMargin;
    layout.rows = rows;
    layout.rowGap = rowGap;
    layout.topMargin = 0;
    QString why;
    QCOMPARE(layout.fits(&why), reason.isEmpty());
    QCOMPARE(why, reason);
}

void tst_LabelSheets::customLayoutRemembered()
{
    LabelSheetLayout layout = LabelSheetLayout::savedCustom();
    QCOMPARE(layout.id, LabelSheetLayout::customId());
    layout.pageSize = QSizeF(100, 150);
    layout.columns = 2;
    layout.rows = 5;
    layout.labelSize = QSizeF(45, 28.5);
    layout.leftMargin = 3.5;
    layout.topMargin = 4;
    layout.columnGap = 2;
    layout.rowGap = 1.25;
    layout.saveAsCustom();
    const LabelSheetLayout read = LabelSheetLayout::byId(LabelSheetLayout::customId());
    QCOMPARE(read.pageSize, layout.pageSize);
    QCOMPARE(read.columns, 2);
    QCOMPARE(read.rows, 5);
    QCOMPARE(read.labelSize, layout.labelSize);
    QCOMPARE(read.leftMargin, 3.5);
    QCOMPARE(read.topMargin, 4.0);
    QCOMPARE(read.columnGap, 2.0);
    QCOMPARE(read.rowGap, 1.25);
    QCOMPARE(read.labelRect(3), QRectF(3.5 + 47, 4 + 29.75, 45, 28.5));
}

void tst_LabelSheets::itemNumberByEdition_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("number");
    QTest::newRow("ostrana serial") << int(OstranaEdition) << QStringLiteral(" SN-77 ") << 2 << QStringLiteral("SN-77");
    QTest::newRow("numivax catalogue") << int(NumivaxEdition) << QStringLiteral("KM 123") << 4
                                       << QStringLiteral("KM 123");
    QTest::newRow("vistrel register") << int(VistrelEdition) << QStringLiteral("V-9") << 314 << QStringLiteral("314");
    QTest::newRow("vistrel without register") << int(VistrelEdition) << QStringLiteral("V-9") << 0 << QString();
    QTest::newRow("quorvel item number") << int(QuorvelEdition) << QStringLiteral("42") << 7
                                         << QStringLiteral("000042");
    QTest::newRow("quorvel without number") << int(QuorvelEdition) << QString() << 7 << QString();
}

void tst_LabelSheets::itemNumberByEdition()
{
    QFETCH(int, edition);
    QFETCH(QString, serial);
    QFETCH(int, count);
    QFETCH(QString, number);
    m_settings->setEdition(edition);
    Item item;
    item.setSerialno(serial);
    item.setNumberOfItems(count);
    QCOMPARE(LabelSheet::itemNumber(item), number);
}

QTEST_MAIN(tst_LabelSheets)
#include "tst_labelsheets.moc"
