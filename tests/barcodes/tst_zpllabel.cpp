#include <QtTest>

#include "TestSupport.h"
#include "barcodes/ZplLabel.h"
#include "barcodes/handlebarcodes.h"

using namespace TestSupport;

namespace {

QString orientationLetter(ZplLabel::Orientation orientation)
{
    return QString(QLatin1Char("NRIB"[orientation]));
}

// One line per field, everything the preview draws it from.
QStringList describe(const ZplLabel &label)
{
    QStringList lines;
    for (const ZplLabel::Field &field : label.fields()) {
        const QString at = QStringLiteral("%1,%2 %3")
                               .arg(field.origin.x())
                               .arg(field.origin.y())
                               .arg(orientationLetter(field.orientation));
        if (field.kind == ZplLabel::Field::Code128)
            lines.append(QStringLiteral("code128 %1 module %2 height %3 line %4 %5")
                             .arg(at)
                             .arg(field.moduleWidth)
                             .arg(field.barHeight)
                             .arg(!field.interpretation          ? QStringLiteral("none")
                                     : field.interpretationAbove ? QStringLiteral("above")
                                                                 : QStringLiteral("below"),
                                 field.data));
        else
            lines.append(
                QStringLiteral("text %1 %2x%3 %4").arg(at).arg(field.fontHeight).arg(field.fontWidth).arg(field.data));
    }
    return lines;
}

QString installedTemplate(const QString &file)
{
    return QString::fromLatin1(readFile(runDir() + QLatin1Char('/') + file));
}

} // namespace

class tst_ZplLabel : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("zpl");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("notShown");
        QTest::addColumn<QList<int>>("sizeAndCopies"); // ^PW, ^LL, ^PQ
        QTest::addColumn<bool>("ended");

        const QString item = installedTemplate(HandlerBarcodesC::itemTemplateFile());
        const QString location = installedTemplate(HandlerBarcodesC::locationTemplateFile());
        QTest::newRow("installed item label")
            << HandlerBarcodesC::itemLabelText(item, QStringLiteral("42"), QString(), false, 10)
            << QStringList { QStringLiteral("code128 79,28 N module 2 height 109 line none 000042"),
                   QStringLiteral("text 10,142 N 44x25 ID:000042") }
            << QStringList() << QList<int> { 295, 0, 1 } << true;
        QTest::newRow("installed item label with a name")
            << HandlerBarcodesC::itemLabelText(item, QStringLiteral("7"), QStringLiteral("Skruer ^FS~JA"), true, 10)
            << QStringList { QStringLiteral("code128 79,28 N module 2 height 109 line none 000007"),
                   QStringLiteral("text 10,142 N 44x25 ID:000007") }
            << QStringList() << QList<int> { 295, 0, 1 } << true;
        QTest::newRow("installed location label with a Latin-1 name")
            << HandlerBarcodesC::locationLabelText(location, 2, QStringLiteral("Kælder ^ 1_2"), true, 12)
            << QStringList { QStringLiteral("code128 79,28 N module 2 height 109 line none 000002"),
                   QStringLiteral("text 10,142 N 44x20 LOC:Kælder ^ 1_2") }
            << QStringList() << QList<int> { 295, 0, 1 } << true;

        QTest::newRow("unknown commands are listed once and their fields left out")
            << QStringLiteral("^XA^FO10,10^GB100,50,3^FS^FO20,20^A0N,30,30^FDHej^FS~SD15^FO5,5^GB9,9^FS^XZ")
            << QStringList { QStringLiteral("text 20,20 N 30x30 Hej") }
            << QStringList { QStringLiteral("^GB"), QStringLiteral("~SD") } << QList<int> { 0, 0, 1 } << true;
        QTest::newRow("a positioning the preview does not know is not guessed")
            << QStringLiteral("^XA^FT10,50^A0N,30,30^FDBaseline^FS^FO10,60,1^A0N,30,30^FDRight^FS^XZ") << QStringList()
            << QStringList { QStringLiteral("^FT"), QStringLiteral("^FO10,60,1") } << QList<int> { 0, 0, 1 } << true;
        QTest::newRow("missing end") << QStringLiteral("^XA^PW400^FO1,2^A0N,20,10^FDUden ende^FS")
                                     << QStringList { QStringLiteral("text 1,2 N 20x10 Uden ende") } << QStringList()
                                     << QList<int> { 400, 0, 1 } << false;
        QTest::newRow("only the first label")
            << QStringLiteral("^XA^LL300^PQ3^FO0,0^A0N,20,20^FDEn^FS^XZ\r\n^XA^FO0,0^A0N,20,20^FDTo^FS^GB1,1^XZ")
            << QStringList { QStringLiteral("text 0,0 N 20x20 En") } << QStringList() << QList<int> { 0, 300, 3 }
            << true;

        QTest::newRow("hex escapes") << QStringLiteral("^XA^CI27^FO0,0^A0N,20,20^FH^FDa_5Eb_7e_5F_zz_4^FS^XZ")
                                     << QStringList { QStringLiteral("text 0,0 N 20x20 a^b~__zz_4") } << QStringList()
                                     << QList<int> { 0, 0, 1 } << true;
        QTest::newRow("hex escapes with another escape character")
            << QStringLiteral("^XA^CI27^FO0,0^A0N,20,20^FH\\^FD\\5E_5E^FS^XZ")
            << QStringList { QStringLiteral("text 0,0 N 20x20 ^_5E") } << QStringList() << QList<int> { 0, 0, 1 }
            << true;
        QTest::newRow("escapes are read only with ^FH") << QStringLiteral("^XA^FO0,0^A0N,20,20^FDa_5E^FS^XZ")
                                                        << QStringList { QStringLiteral("text 0,0 N 20x20 a_5E") }
                                                        << QStringList() << QList<int> { 0, 0, 1 } << true;
        QTest::newRow("Windows-1252 bytes") << QStringLiteral("^XA^CI27^FO0,0^A0N,20,20^FH^FDÆøå _80_85_FF^FS^XZ")
                                            << QStringList { QStringLiteral("text 0,0 N 20x20 Æøå €…ÿ") }
                                            << QStringList() << QList<int> { 0, 0, 1 } << true;
        QTest::newRow("UTF-8 bytes") << QStringLiteral("^XA^CI28^FO0,0^A0N,20,20^FH^FD_C3_A6_E2_82_AC^FS^XZ")
                                     << QStringList { QStringLiteral("text 0,0 N 20x20 æ€") } << QStringList()
                                     << QList<int> { 0, 0, 1 } << true;
        QTest::newRow("the printer's own code page holds ASCII only")
            << QStringLiteral("^XA^FO0,0^A0N,20,20^FDplain^FS^FO0,30^A0N,20,20^FDæble^FS^XZ")
            << QStringList { QStringLiteral("text 0,0 N 20x20 plain") } << QStringList { QStringLiteral("^CI0") }
            << QList<int> { 0, 0, 1 } << true;
        QTest::newRow("line ends are no part of the data")
            << QStringLiteral("^XA\r\n^FO0,0^A0N,20,20^FDto\r\nlinjer^FS\r\n^XZ")
            << QStringList { QStringLiteral("text 0,0 N 20x20 tolinjer") } << QStringList() << QList<int> { 0, 0, 1 }
            << true;

        QTest::newRow("label home, default orientation and font")
            << QStringLiteral("^XA^LH30,40^FWR^CF0,30^FO10,10^FDa^FS^FO0,0^A0B,20^FDb^FS^FO1,1^A0,,12^FDc^FS^XZ")
            << QStringList { QStringLiteral("text 40,50 R 30x30 a"), QStringLiteral("text 30,40 B 20x20 b"),
                   QStringLiteral("text 31,41 R 30x12 c") }
            << QStringList() << QList<int> { 0, 0, 1 } << true;
        QTest::newRow("bitmap fonts are not drawn")
            << QStringLiteral("^XA^CFD,24^FO0,0^FDdefault^FS^FO0,30^AEN,30,20^FDe^FS^FO0,60^A0N,20,20^FDok^FS^XZ")
            << QStringList { QStringLiteral("text 0,60 N 20x20 ok") }
            << QStringList { QStringLiteral("^AD"), QStringLiteral("^AE") } << QList<int> { 0, 0, 1 } << true;
        QTest::newRow("barcode defaults from ^BY and ^FW")
            << QStringLiteral("^XA^FWI^BY3,2,55^FO5,6^BC,,,,,A^FD12^FS^BY1^FO7,8^BCB,70,Y,Y,N,A^FDab^FS^XZ")
            << QStringList { QStringLiteral("code128 5,6 I module 3 height 55 line below 12"),
                   QStringLiteral("code128 7,8 B module 1 height 70 line above ab") }
            << QStringList() << QList<int> { 0, 0, 1 } << true;
        QTest::newRow("barcode modes other than automatic are not drawn")
            << QStringLiteral("^XA^FO0,0^BCN,50^FD1234^FS^FO0,0^BCN,50,N,N,Y,A^FD1234^FS^FO0,0^BCN,50,N,N,N,U^FD1^FS"
                              "^XZ")
            << QStringList()
            << QStringList { QStringLiteral("^BCN,50"), QStringLiteral("^BCN,50,N,N,Y,A"),
                   QStringLiteral("^BCN,50,N,N,N,U") }
            << QList<int> { 0, 0, 1 } << true;
        QTest::newRow("printing settings that change the picture are listed")
            << QStringLiteral("^XA^PR4^MNY^MTD^MMT^MD10^PON^PMN^LRN^FXcomment^POI^PMY^LRY^XZ") << QStringList()
            << QStringList { QStringLiteral("^POI"), QStringLiteral("^PMY"), QStringLiteral("^LRY") }
            << QList<int> { 0, 0, 1 } << true;
    }

    void parse()
    {
        QFETCH(QString, zpl);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, notShown);
        QFETCH(QList<int>, sizeAndCopies);
        QFETCH(bool, ended);

        const ZplLabel label = ZplLabel::parse(zpl);
        QCOMPARE(describe(label), fields);
        QCOMPARE(label.notShown(), notShown);
        QCOMPARE((QList<int> { label.printWidth(), label.labelLength(), label.quantity() }), sizeAndCopies);
        QVERIFY(label.hasStart());
        QCOMPARE(label.hasEnd(), ended);
    }
};

QTEST_GUILESS_MAIN(tst_ZplLabel)
#include "tst_zpllabel.moc"
