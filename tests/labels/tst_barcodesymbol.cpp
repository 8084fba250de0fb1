#include <QtTest>

#include "BarcodeReader.h"
#include "TestSupport.h"
#include "labels/BarcodeSymbol.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

namespace {

// The symbol drawn at pixels a module, with a quiet zone of its own around
// it, on white.
QImage render(const BarcodeSymbol &symbol, int pixelsPerModule)
{
    const QSize size = (symbol.size() * pixelsPerModule).toSize();
    const int margin = 12 * pixelsPerModule;
    QImage image(size + QSize(2 * margin, 2 * margin), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    symbol.paint(&painter, QRectF(QPointF(margin, margin), QSizeF(size)));
    painter.end();
    return image;
}

} // namespace

class tst_BarcodeSymbol : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void decodes_data();
    void decodes();
    void decodesFromPdf();
    void dataMatrixFinder_data();
    void dataMatrixFinder();
    void sizeInModules_data();
    void sizeInModules();
    void refuses_data();
    void refuses();
    void ean13Check_data();
    void ean13Check();
    void textUnderBars();
};

void tst_BarcodeSymbol::initTestCase()
{
    if (!BarcodeReader::available())
        QSKIP("zbarimg and pdftoppm are needed (zbar-tools, poppler-utils)");
}

void tst_BarcodeSymbol::decodes_data()
{
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixelsPerModule");

    QTest::newRow("code128 digits") << int(BarcodeSymbol::Code128) << QStringLiteral("100245") << 3;
    QTest::newRow("code128 letters") << int(BarcodeSymbol::Code128) << QStringLiteral("SN-AB12/x") << 3;
    QTest::newRow("code128 odd digits") << int(BarcodeSymbol::Code128) << QStringLiteral("1234567") << 2;
    QTest::newRow("qr ascii") << int(BarcodeSymbol::QrCode) << QStringLiteral("Kasse 7") << 6;
    QTest::newRow("qr latin-1") << int(BarcodeSymbol::QrCode) << QStringLiteral("Æble ø å é") << 6;
    QTest::newRow("qr lines") << int(BarcodeSymbol::QrCode) << QStringLiteral("Loft\nJuletræ\nSkøjter") << 6;
    QTest::newRow("qr long") << int(BarcodeSymbol::QrCode) << QString(600, QLatin1Char('k')) << 4;
    QTest::newRow("ean13") << int(BarcodeSymbol::Ean13) << QStringLiteral("5901234123457") << 3;
}

void tst_BarcodeSymbol::decodes()
{
    QFETCH(int, symbology);
    QFETCH(QString, text);
    QFETCH(int, pixelsPerModule);
    BarcodeSymbol symbol;
    QVERIFY2(symbol.encode(BarcodeSymbol::Symbology(symbology), text), qPrintable(symbol.errorText()));
    QVERIFY(!symbol.isNull());
    QVERIFY(symbol.errorText().isEmpty());
    QCOMPARE(BarcodeReader::decodeImage(render(symbol, pixelsPerModule)), text);
}

// On a PDF the symbol is vector drawing: small on the page, read back from
// pdftoppm's picture of it.
void tst_BarcodeSymbol::decodesFromPdf()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("symbols.pdf"));
    const QStringList texts { QStringLiteral("4711"), QStringLiteral("Kælder, hylde 2") }; // sorted
    {
        QPdfWriter writer(pdf);
        writer.setResolution(1200);
        QPainter painter(&writer);
        BarcodeSymbol code;
        QVERIFY(code.encode(BarcodeSymbol::Code128, texts.at(0)));
        // 0.25 mm a module, bars 10 mm high.
        const double mm = 1200 / 25.4;
        code.paint(&painter, QRectF(10 * mm, 10 * mm, code.size().width() * 0.25 * mm, 12 * mm));
        BarcodeSymbol qr;
        QVERIFY(qr.encode(BarcodeSymbol::QrCode, texts.at(1)));
        qr.paint(&painter, QRectF(10 * mm, 60 * mm, 20 * mm, 20 * mm));
    }
    const QStringList pages = BarcodeReader::pdfPages(pdf, dir.path());
    QCOMPARE(pages.size(), 1);
    QCOMPARE(BarcodeReader::decodeFile(pages.first()), texts);
}

// zbarimg reads no DataMatrix; its drawing is checked against the
// symbology's fixed frame instead: a solid left column and bottom row, and
// modules alternating dark and light along the top row and the right column.
void tst_BarcodeSymbol::dataMatrixFinder_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("modules");
    QTest::newRow("10x10") << QStringLiteral("x") << 10;
    QTest::newRow("number") << QStringLiteral("INV-000042") << 14;
    QTest::newRow("latin-1") << QStringLiteral("Sofa Ærø") << 18;
}

void tst_BarcodeSymbol::dataMatrixFinder()
{
    QFETCH(QString, text);
    QFETCH(int, modules);
    BarcodeSymbol symbol;
    QVERIFY(symbol.encode(BarcodeSymbol::DataMatrix, text));
    QCOMPARE(symbol.size(), QSizeF(modules, modules));
    const int module = 5;
    QImage image(modules * module, modules * module, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    symbol.paint(&painter, image.rect());
    painter.end();
    const auto dark = [&](int column, int row) {
        return qGray(image.pixel(column * module + module / 2, row * module + module / 2)) < 128;
    };
    for (int i = 0; i < modules; ++i) {
        QVERIFY2(dark(0, i), qPrintable(QStringLiteral("left column, row %1").arg(i)));
        QVERIFY2(dark(i, modules - 1), qPrintable(QStringLiteral("bottom row, column %1").arg(i)));
        QCOMPARE(dark(i, 0), i % 2 == 0);
        QCOMPARE(dark(modules - 1, i), i % 2 == 1 || i == modules - 1);
    }
}

void tst_BarcodeSymbol::sizeInModules_data()
{
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QSizeF>("size");

    // Code 128 of four digits: start, two symbols of subset C, check, stop:
    // 4 × 11 + 13 modules; the bars 50 high without the text.
    QTest::newRow("code128") << int(BarcodeSymbol::Code128) << QStringLiteral("4711") << QSizeF(57, 50);
    QTest::newRow("qr version 1") << int(BarcodeSymbol::QrCode) << QStringLiteral("Hello") << QSizeF(21, 21);
    QTest::newRow("datamatrix 10x10") << int(BarcodeSymbol::DataMatrix) << QStringLiteral("x") << QSizeF(10, 10);
}

void tst_BarcodeSymbol::sizeInModules()
{
    QFETCH(int, symbology);
    QFETCH(QString, text);
    QFETCH(QSizeF, size);
    BarcodeSymbol symbol;
    symbol.setShowText(false);
    QVERIFY(symbol.encode(BarcodeSymbol::Symbology(symbology), text));
    QCOMPARE(symbol.size(), size);
}

void tst_BarcodeSymbol::refuses_data()
{
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reason");

    QTest::newRow("ean letters") << int(BarcodeSymbol::Ean13) << QStringLiteral("ABC1234567890")
                                 << QStringLiteral("ikke et EAN-13-nummer");
    QTest::newRow("ean short") << int(BarcodeSymbol::Ean13) << QStringLiteral("12345")
                               << QStringLiteral("ikke et EAN-13-nummer");
    QTest::newRow("ean check digit") << int(BarcodeSymbol::Ean13) << QStringLiteral("5901234123458")
                                     << QStringLiteral("ikke et EAN-13-nummer");
    QTest::newRow("qr too long") << int(BarcodeSymbol::QrCode) << QString(8000, QLatin1Char('x'))
                                 << QStringLiteral("for lang til stregkodetypen QR-kode");
    QTest::newRow("datamatrix too long") << int(BarcodeSymbol::DataMatrix) << QString(4000, QLatin1Char('x'))
                                         << QStringLiteral("for lang til stregkodetypen DataMatrix");
    QTest::newRow("code128 too long") << int(BarcodeSymbol::Code128) << QString(300, QLatin1Char('x'))
                                      << QStringLiteral("for lang til stregkodetypen Code 128");
    QTest::newRow("code128 latin-1") << int(BarcodeSymbol::Code128) << QStringLiteral("Æble-ø")
                                     << QStringLiteral("indeholder tegn, som stregkodetypen Code 128 ikke kan rumme");
    QTest::newRow("empty") << int(BarcodeSymbol::QrCode) << QString() << QStringLiteral("En tom tekst");
}

void tst_BarcodeSymbol::refuses()
{
    QFETCH(int, symbology);
    QFETCH(QString, text);
    QFETCH(QString, reason);
    BarcodeSymbol symbol;
    QVERIFY(symbol.encode(BarcodeSymbol::Code128, QStringLiteral("1")));
    QVERIFY(!symbol.encode(BarcodeSymbol::Symbology(symbology), text));
    QVERIFY(symbol.isNull());
    QVERIFY2(symbol.errorText().contains(reason), qPrintable(symbol.errorText()));
    // The sentence names the text, and zint's own English never shows.
    QVERIFY(symbol.errorText().contains(text.left(20)));
    QVERIFY2(!symbol.errorText().contains(QLatin1String("Error")), qPrintable(symbol.errorText()));
    QVERIFY(!symbol.errorText().contains(QLatin1String("Invalid")));
    QImage image(50, 50, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    symbol.paint(&painter, image.rect());
    painter.end();
    QCOMPARE(image.pixel(25, 25), qRgb(255, 255, 255));
}

void tst_BarcodeSymbol::ean13Check_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("valid") << QStringLiteral("5901234123457") << true;
    QTest::newRow("valid zero check") << QStringLiteral("4006381333931") << true;
    QTest::newRow("wrong check") << QStringLiteral("4006381333932") << false;
    QTest::newRow("twelve digits") << QStringLiteral("400638133393") << false;
    QTest::newRow("fourteen digits") << QStringLiteral("40063813339310") << false;
    QTest::newRow("letter") << QStringLiteral("40063813339A1") << false;
    QTest::newRow("arabic-indic digits") << QStringLiteral("٤٠٠٦٣٨١٣٣٣٩٣١") << false;
}

void tst_BarcodeSymbol::ean13Check()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(BarcodeSymbol::isEan13(text), valid);
}

// The number under a Code 128 symbol is drawn inside the symbol's size, and
// only when asked for.
void tst_BarcodeSymbol::textUnderBars()
{
    BarcodeSymbol withText;
    QVERIFY(withText.encode(BarcodeSymbol::Code128, QStringLiteral("4711")));
    BarcodeSymbol bare;
    bare.setShowText(false);
    QVERIFY(bare.encode(BarcodeSymbol::Code128, QStringLiteral("4711")));
    QCOMPARE(withText.size().width(), bare.size().width());
    QVERIFY(withText.size().height() > bare.size().height() + 3);

    const auto inkBelowBars = [](const BarcodeSymbol &symbol) {
        const QImage image = render(symbol, 4);
        const int margin = 12 * 4;
        int ink = 0;
        for (int y = margin + 50 * 4 + 2; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                ink += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        }
        return ink;
    };
    QVERIFY(inkBelowBars(withText) > 50);
    QCOMPARE(inkBelowBars(bare), 0);
}

QTEST_MAIN(tst_BarcodeSymbol)
#include "tst_barcodesymbol.moc"
