#include <QtTest>

#include "TestSupport.h"
#include "barcodes/ZplLabel.h"
#include "barcodes/ZplPreview.h"
#include "barcodes/handlebarcodes.h"

#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>

using namespace TestSupport;

namespace {

// Modules of a Code 128 symbol of a text of digits in the printer's
// automatic mode: start, data, check and stop symbols of 11 modules each, the
// stop 13; two digits a symbol in subset C, and an odd digit either after a
// switch to subset B or the whole text in subset B, whichever is narrower.
int code128Modules(int digits)
{
    const int frame = 11 + 11 + 13;
    if (digits % 2 == 0)
        return frame + 11 * (digits / 2);
    return std::min(frame + 11 * digits, frame + 11 * ((digits - 1) / 2 + 2));
}

bool isInk(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// The smallest rectangle holding every dark pixel of the area.
QRect inkIn(const QImage &image, const QRect &area)
{
    QRect ink;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (isInk(image.pixel(x, y)))
                ink = ink.united(QRect(x, y, 1, 1));
        }
    }
    return ink;
}

// What zbarimg reads in the image ("CODE-128:000042" lines); empty when it
// finds nothing. A quiet zone of white is added around the label.
QString decoded(const QImage &image)
{
    QTemporaryDir dir;
    QImage framed(image.size() + QSize(40, 40), QImage::Format_RGB32);
    framed.fill(Qt::white);
    QPainter(&framed).drawImage(20, 20, image);
    const QString file = dir.filePath(QStringLiteral("label.png"));
    if (!framed.save(file))
        return QStringLiteral("not saved");
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), { QStringLiteral("--quiet"), file });
    if (!zbar.waitForFinished(60000))
        return QStringLiteral("zbarimg did not end");
    return QString::fromUtf8(zbar.readAllStandardOutput()).trimmed();
}

QString installedTemplate(const QString &file)
{
    return QString::fromLatin1(readFile(runDir() + QLatin1Char('/') + file));
}

} // namespace

class tst_ZplPreview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty())
            QFAIL("zbarimg (zbar-tools) is needed to read the barcodes");
    }

    // The installed labels as the printer lays them out: the barcode's bars
    // at ^FO, ^BY dots a module and the bar height high, readable as the ID;
    // the text at its ^FO, no taller than its font; the label ^PW wide.
    void installedLabels_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("id");

        const QString item = installedTemplate(HandlerBarcodesC::itemTemplateFile());
        const QString location = installedTemplate(HandlerBarcodesC::locationTemplateFile());
        for (const char *serial : { "42", "7", "123456", "12345678", "123456789" })
            QTest::addRow("item %s", serial) << HandlerBarcodesC::itemLabelText(
                item, QString::fromLatin1(serial), QStringLiteral("Skruer"), true, 10)
                                             << HandlerBarcodesC::itemId(QString::fromLatin1(serial));
        QTest::newRow("location 0") << HandlerBarcodesC::locationLabelText(location, 0, QString(), false, 10)
                                    << HandlerBarcodesC::locationId(0);
        QTest::newRow("location 2 with its name") << HandlerBarcodesC::locationLabelText(location, 2,
            QStringLiteral("Kælder ^~"), true, 9) << HandlerBarcodesC::locationId(2);
    }

    void installedLabels()
    {
        QFETCH(QString, label);
        QFETCH(QString, id);

        const ZplLabel zpl = ZplLabel::parse(label);
        QVERIFY(zpl.notShown().isEmpty());
        QCOMPARE(zpl.fields().size(), 2);
        const ZplLabel::Field &bars = zpl.fields().at(0);
        const ZplLabel::Field &text = zpl.fields().at(1);
        const ZplPreview preview(zpl);
        const QImage image = preview.image();
        QVERIFY(preview.errors().isEmpty());
        QCOMPARE(image.width(), zpl.printWidth());
        QCOMPARE(zpl.printWidth(), 295);
        // The measured label repeats the top margin under the text.
        QCOMPARE(image.height(), text.origin.y() + text.fontHeight + bars.origin.y());

        const QRect barArea(0, bars.origin.y(), image.width(), bars.barHeight);
        const QRect barInk = inkIn(image, barArea);
        QCOMPARE(barInk.topLeft(), bars.origin);
        QCOMPARE(barInk.height(), bars.barHeight);
        QCOMPARE(barInk.width(), code128Modules(int(id.size())) * bars.moduleWidth);
        // Nothing between the bars and the text, nor above the bars.
        QVERIFY(inkIn(image, QRect(0, 0, image.width(), bars.origin.y())).isNull());
        QVERIFY(inkIn(image, QRect(0, barArea.bottom() + 1, image.width(), text.origin.y() - barArea.bottom() - 1))
                    .isNull());

        const QRect textInk = inkIn(image, QRect(0, text.origin.y(), image.width(), image.height()));
        QVERIFY2(textInk.left() >= text.origin.x() && textInk.left() <= text.origin.x() + 4,
            qPrintable(QStringLiteral("text ink from x %1").arg(textInk.left())));
        QVERIFY(textInk.bottom() < text.origin.y() + text.fontHeight);
        QVERIFY2(textInk.height() >= text.fontHeight / 2, qPrintable(QString::number(textInk.height())));
        QCOMPARE(preview.fieldRects().at(1).topLeft(), text.origin);

        QCOMPARE(decoded(image), QStringLiteral("CODE-128:") + id);
    }

    // A turned field keeps its box's upper left corner at ^FO, and its
    // barcode still reads.
    void orientations_data()
    {
        QTest::addColumn<QChar>("orientation");
        QTest::addColumn<bool>("across");
        QTest::newRow("normal") << QChar(u'N') << false;
        QTest::newRow("rotated") << QChar(u'R') << true;
        QTest::newRow("inverted") << QChar(u'I') << false;
        QTest::newRow("bottom up") << QChar(u'B') << true;
    }

    void orientations()
    {
        QFETCH(QChar, orientation);
        QFETCH(bool, across);

        const QString zpl = QStringLiteral("^XA^PW600^LL600^BY2^FO40,50^BC%1,80,N,N,N,A^FD4711^FS"
                                           "^FO300,320^A0%1,40,30^FDHylde^FS^XZ")
                                .arg(orientation);
        const ZplLabel label = ZplLabel::parse(zpl);
        QCOMPARE(label.fields().size(), 2);
        const ZplPreview preview(label);
        const QImage image = preview.image();
        QCOMPARE(image.size(), QSize(600, 600));

        const QList<QRect> boxes = preview.fieldRects();
        const int length = code128Modules(4) * 2;
        QCOMPARE(boxes.at(0), across ? QRect(40, 50, 80, length) : QRect(40, 50, length, 80));
        QCOMPARE(inkIn(image, QRect(0, 0, 280, 280)), boxes.at(0));
        QCOMPARE(boxes.at(1).topLeft(), QPoint(300, 320));
        QCOMPARE(across ? boxes.at(1).width() : boxes.at(1).height(), 40);
        const QRect textInk = inkIn(image, QRect(280, 280, 320, 320));
        QVERIFY(!textInk.isNull());
        QVERIFY2(boxes.at(1).adjusted(-1, -1, 1, 1).contains(textInk),
            qPrintable(QStringLiteral("%1,%2 %3x%4")
                           .arg(textInk.x())
                           .arg(textInk.y())
                           .arg(textInk.width())
                           .arg(textInk.height())));
        QCOMPARE(decoded(image), QStringLiteral("CODE-128:4711"));
    }

    // The interpretation line goes under or above the bars, and the label
    // home moves every field.
    void interpretationAndHome_data()
    {
        QTest::addColumn<QString>("zpl");
        QTest::addColumn<QRect>("bars");
        QTest::addColumn<QRect>("box");

        QTest::newRow("line under") << QStringLiteral("^XA^PW300^LL200^BY2^FO30,20^BCN,60,Y,N,N,A^FD12^FS^XZ")
                                    << QRect(30, 20, code128Modules(2) * 2, 60)
                                    << QRect(30, 20, code128Modules(2) * 2, 60 + 2 + 16);
        QTest::newRow("line above") << QStringLiteral("^XA^PW300^LL200^BY2^FO30,20^BCN,60,Y,Y,N,A^FD12^FS^XZ")
                                    << QRect(30, 20 + 18, code128Modules(2) * 2, 60)
                                    << QRect(30, 20, code128Modules(2) * 2, 60 + 2 + 16);
        QTest::newRow("label home") << QStringLiteral("^XA^PW300^LL200^LH15,25^BY1^FO30,20^BCN,60,N,N,N,A^FD12^FS^XZ")
                                    << QRect(45, 45, code128Modules(2), 60) << QRect(45, 45, code128Modules(2), 60);
    }

    void interpretationAndHome()
    {
        QFETCH(QString, zpl);
        QFETCH(QRect, bars);
        QFETCH(QRect, box);

        const ZplPreview preview(ZplLabel::parse(zpl));
        const QImage image = preview.image();
        QCOMPARE(preview.fieldRects(), QList<QRect> { box });
        QCOMPARE(inkIn(image, QRect(0, bars.top(), image.width(), bars.height())).intersected(bars), bars);
        QCOMPARE(inkIn(image, image.rect()).united(box), box);
        QCOMPARE(decoded(image), QStringLiteral("CODE-128:12"));
    }

    // A barcode the symbology cannot hold is said, not drawn as another.
    void uncodableBarcode()
    {
        const ZplPreview preview(ZplLabel::parse(
            QStringLiteral("^XA^CI27^PW300^LL200^FO10,10^BCN,50,N,N,N,A^FDÆble^FS^FO10,100^A0N,30,30^FDok^FS^XZ")));
        QCOMPARE(preview.errors().size(), 1);
        QVERIFY2(preview.errors().first().contains(QStringLiteral("Æble")), qPrintable(preview.errors().first()));
        QCOMPARE(preview.fieldRects().size(), 1);
        const QImage image = preview.image();
        QVERIFY(inkIn(image, QRect(0, 0, 300, 100)).isNull());
        QVERIFY(!inkIn(image, QRect(0, 100, 300, 100)).isNull());
    }
};

QTEST_MAIN(tst_ZplPreview)
#include "tst_zplpreview.moc"
