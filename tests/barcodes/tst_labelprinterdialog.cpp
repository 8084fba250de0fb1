#include <QtTest>

#include "TestSupport.h"
#include "barcodes/LabelPrinterDialog.h"
#include "barcodes/handlebarcodes.h"
#include "core/Edition.h"
#include "core/Settings.h"
#include "desktop/ProcessRunner.h"

#include <memory>

using namespace TestSupport;

namespace {

const QString itemFlagKey = QStringLiteral("EnableNameOnLabels");
const QString itemLengthKey = QStringLiteral("BarcodeItemNameLabelLength");
const QString locationFlagKey = QStringLiteral("EnableLocationNameOnLabels");
const QString locationLengthKey = QStringLiteral("BarcodeLocationNameLabeLength");

LabelPrinterDialog::Sample sample()
{
    LabelPrinterDialog::Sample sample;
    sample.serialno = QStringLiteral("42");
    sample.itemName = QStringLiteral("Skruesække ^FS");
    sample.location = 2;
    sample.locationName = QStringLiteral("Kælder_nord");
    return sample;
}

template <typename T> T *child(QWidget &parent, const char *name)
{
    T *widget = parent.findChild<T *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no %s", name);
    return widget;
}

void clickOk(QDialog &dialog)
{
    QTest::mouseClick(child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

void setLength(QSpinBox *spin, int length)
{
    spin->selectAll();
    QTest::keyClicks(spin, QString::number(length));
}

ProcessRunner::Result lpResult(int exitCode, const QString &errorOutput = QString())
{
    ProcessRunner::Result result;
    result.started = true;
    result.finished = true;
    result.exitCode = exitCode;
    result.errorOutput = errorOutput;
    return result;
}

} // namespace

class tst_LabelPrinterDialog : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<IsolatedSettings> m_settings;
    std::unique_ptr<RunFolderCopy> m_run;

private slots:
    void init()
    {
        m_settings = std::make_unique<IsolatedSettings>(QuorvelEdition);
        m_run = std::make_unique<RunFolderCopy>(QStringList { QStringLiteral("Setup"), QStringLiteral("Work") });
        QVERIFY(m_run->isValid());
        QVERIFY(writeFile(HandlerBarcodesC::printerDeviceFile(), "zebra\r\n"));
    }

    void cleanup()
    {
        m_run.reset();
        m_settings.reset();
    }

    // The dialog reads the keys through the same checks as a print job and
    // writes what it shows under the same keys.
    void nameSettings_data()
    {
        QTest::addColumn<bool>("location");
        QTest::addColumn<QVariant>("storedFlag"); // invalid: not set
        QTest::addColumn<QVariant>("storedLength");
        QTest::addColumn<bool>("shownFlag");
        QTest::addColumn<int>("shownLength");
        QTest::addColumn<bool>("toggle");
        QTest::addColumn<int>("typedLength"); // 0: none typed
        QTest::addColumn<int>("savedLength");

        for (const bool location : { false, true }) {
            const char *kind = location ? "location" : "item";
            QTest::addRow("%s: defaults", kind)
                << location << QVariant() << QVariant() << false << 10 << false << 0 << 10;
            QTest::addRow("%s: stored values", kind)
                << location << QVariant(QStringLiteral("true")) << QVariant(QStringLiteral("25")) << true << 25 << false
                << 0 << 25;
            QTest::addRow("%s: damaged values take the defaults", kind)
                << location << QVariant(QStringLiteral("ja")) << QVariant(QStringLiteral("2000000000000")) << false
                << 10 << false << 0 << 10;
            QTest::addRow("%s: a length of 0 takes the default", kind)
                << location << QVariant(true) << QVariant(0) << true << 10 << false << 0 << 10;
            QTest::addRow("%s: names switched on, length typed", kind)
                << location << QVariant() << QVariant() << false << 10 << true << 14 << 14;
            QTest::addRow("%s: a length above the longest name stops there", kind)
                << location << QVariant(true) << QVariant(7) << true << 7 << false << 999 << 99;
        }
    }

    void nameSettings()
    {
        QFETCH(bool, location);
        QFETCH(QVariant, storedFlag);
        QFETCH(QVariant, storedLength);
        QFETCH(bool, shownFlag);
        QFETCH(int, shownLength);
        QFETCH(bool, toggle);
        QFETCH(int, typedLength);
        QFETCH(int, savedLength);

        const QString flagKey = location ? locationFlagKey : itemFlagKey;
        const QString lengthKey = location ? locationLengthKey : itemLengthKey;
        {
            Settings settings;
            if (storedFlag.isValid())
                settings.setValue(flagKey, storedFlag);
            if (storedLength.isValid())
                settings.setValue(lengthKey, storedLength);
        }
        LabelPrinterDialog dialog(sample());
        auto *check = child<QCheckBox>(dialog, location ? "locationNamesCheck" : "itemNamesCheck");
        auto *spin = child<QSpinBox>(dialog, location ? "locationLengthSpin" : "itemLengthSpin");
        QCOMPARE(check->isChecked(), shownFlag);
        QCOMPARE(spin->value(), shownLength);
        QCOMPARE(spin->isEnabled(), shownFlag);

        if (toggle)
            QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
        if (typedLength > 0)
            setLength(spin, typedLength);
        clickOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        const Settings settings;
        QCOMPARE(settings.value(flagKey).toString(), QVariant(shownFlag != toggle).toString());
        QCOMPARE(settings.value(lengthKey).toInt(), savedLength);
        // The other kind's keys are written as the dialog showed them.
        QCOMPARE(settings.value(location ? itemFlagKey : locationFlagKey).toString(), QStringLiteral("false"));
        QCOMPARE(settings.value(location ? itemLengthKey : locationLengthKey).toInt(), 10);
        // A print job reads what the dialog wrote.
        QCOMPARE(HandlerBarcodesC::printerDevice(), QStringLiteral("zebra"));
    }

    void cancelKeepsEverything()
    {
        LabelPrinterDialog dialog(sample());
        QTest::mouseClick(child<QCheckBox>(dialog, "itemNamesCheck"), Qt::LeftButton, {}, QPoint(4, 8));
        child<QLineEdit>(dialog, "printerEdit")->setText(QStringLiteral("other"));
        QTest::mouseClick(
            child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Cancel), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!Settings().contains(itemFlagKey));
        QCOMPARE(readFile(HandlerBarcodesC::printerDeviceFile()), QByteArray("zebra\r\n"));
    }

    void printerDevice_data()
    {
        QTest::addColumn<QString>("typed"); // null: left as shown
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("accepted");

        QTest::newRow("unchanged, with its line end") << QString() << QByteArray("zebra\r\n") << true;
        QTest::newRow("another queue") << QStringLiteral("  labels@printhost ") << QByteArray("labels@printhost")
                                       << true;
        QTest::newRow("a device") << QStringLiteral("/dev/usb/lp0") << QByteArray("/dev/usb/lp0") << true;
        QTest::newRow("Latin-1") << QStringLiteral("etiket-kø") << QByteArray("etiket-k\xf8") << true;
        QTest::newRow("none") << QStringLiteral("   ") << QByteArray() << true;
        QTest::newRow("not Latin-1") << QStringLiteral("zebra€") << QByteArray("zebra\r\n") << false;
    }

    void printerDevice()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, file);
        QFETCH(bool, accepted);

        RecordedMessageBoxes boxes;
        LabelPrinterDialog dialog(sample());
        auto *edit = child<QLineEdit>(dialog, "printerEdit");
        QCOMPARE(edit->text(), QStringLiteral("zebra"));
        if (!typed.isNull()) {
            // Typed as an input method would: "€" has no key of its own.
            edit->selectAll();
            edit->insert(typed);
        }
        dialog.show();
        clickOk(dialog);
        QCOMPARE(dialog.isVisible(), !accepted);
        QCOMPARE(readFile(HandlerBarcodesC::printerDeviceFile()), file);
        QCOMPARE(boxes.count(), accepted ? 0 : 1);
        if (!accepted) {
            QCOMPARE(boxes.last().kind, MessageBox::Critical);
            QVERIFY2(boxes.last().text.contains(QStringLiteral("PrinterDevice.txt")), qPrintable(boxes.last().text));
        }
    }

    // The test label is the label shown, byte for byte as a print job would
    // send it, to the queue typed even before it is saved.
    void testLabel_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("names");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("lpExit");
        QTest::addColumn<QByteArray>("label");

        const QByteArray itemLabel
            = readFile(runDir() + QStringLiteral("/Setup/BarcodeFormatFile.txt")).replace("%1", "000042");
        QByteArray locationLabel = readFile(runDir() + QStringLiteral("/Setup/BarcodeFormatLocationFile.txt"));
        const QByteArray locationWithoutName
            = QByteArray(locationLabel).replace("%1", "000002").replace("%2", "000002");
        const QByteArray locationWithName = locationLabel.replace("%1", "000002").replace("%2", "K\xe6lder_5Fnord");

        QTest::newRow("item label") << int(LabelPrinterDialog::ItemLabel) << false << QString() << 0 << itemLabel;
        QTest::newRow("item label with names")
            << int(LabelPrinterDialog::ItemLabel) << true << QString() << 0 << itemLabel;
        QTest::newRow("location label") << int(LabelPrinterDialog::LocationLabel) << false << QStringLiteral("labels2")
                                        << 0 << locationWithoutName;
        QTest::newRow("location label with its name")
            << int(LabelPrinterDialog::LocationLabel) << true << QString() << 0 << locationWithName;
        QTest::newRow("queue refuses it") << int(LabelPrinterDialog::ItemLabel) << false << QString() << 1 << itemLabel;
        QTest::newRow("no queue typed") << int(LabelPrinterDialog::ItemLabel) << false << QStringLiteral(" ") << -1
                                        << QByteArray();
    }

    void testLabel()
    {
        QFETCH(int, kind);
        QFETCH(bool, names);
        QFETCH(QString, typed);
        QFETCH(int, lpExit);
        QFETCH(QByteArray, label);

        QVERIFY(writeFile(HandlerBarcodesC::workFile(), "^XA^FDan earlier job^FS^XZ"));
        RecordedMessageBoxes boxes;
        ProcessRunner::Recording runs;
        if (lpExit >= 0)
            ProcessRunner::queueResult(lpResult(lpExit, QStringLiteral("lp: no such queue")));
        LabelPrinterDialog dialog(sample());
        auto *kindBox = child<QComboBox>(dialog, "kindBox");
        kindBox->setCurrentIndex(kindBox->findData(kind));
        if (names) {
            QCheckBox *check = child<QCheckBox>(
                dialog, kind == LabelPrinterDialog::LocationLabel ? "locationNamesCheck" : "itemNamesCheck");
            QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
            if (kind == LabelPrinterDialog::LocationLabel)
                setLength(child<QSpinBox>(dialog, "locationLengthSpin"), 20);
        }
        const QString device = typed.isNull() ? QStringLiteral("zebra") : typed;
        if (!typed.isNull()) {
            child<QLineEdit>(dialog, "printerEdit")->selectAll();
            QTest::keyClicks(child<QLineEdit>(dialog, "printerEdit"), typed);
        }
        QTest::mouseClick(child<QPushButton>(dialog, "testButton"), Qt::LeftButton);

        auto *result = child<QLabel>(dialog, "testResultLabel");
        if (lpExit < 0) {
            QCOMPARE(runs.count(), 0);
            QCOMPARE(boxes.count(), 1);
            QCOMPARE(boxes.last().kind, MessageBox::Warning);
            QCOMPARE(readFile(HandlerBarcodesC::workFile()), QByteArray("^XA^FDan earlier job^FS^XZ"));
            return;
        }
        QCOMPARE(runs.count(), 1);
        QCOMPARE(runs.last().program, QStringLiteral("lp"));
        QCOMPARE(runs.last().arguments,
            (QStringList { QStringLiteral("-d"), device, QStringLiteral("-o"), QStringLiteral("raw"),
                HandlerBarcodesC::workFile() }));
        QCOMPARE(readFile(HandlerBarcodesC::workFile()), label);
        QCOMPARE(dialog.labelText().toLatin1(), label);
        if (lpExit == 0) {
            QCOMPARE(boxes.count(), 0);
            QVERIFY2(result->text().contains(device), qPrintable(result->text()));
        } else {
            QCOMPARE(boxes.count(), 1);
            QVERIFY(boxes.last().text.contains(QStringLiteral("lp: no such queue")));
            QVERIFY(result->text().isEmpty());
        }
        // Sending a test label saves nothing.
        QCOMPARE(readFile(HandlerBarcodesC::printerDeviceFile()), QByteArray("zebra\r\n"));
    }

    // What the picture cannot show is said under it.
    void notes_data()
    {
        QTest::addColumn<QByteArray>("itemTemplate"); // null: no file
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("picture");

        QTest::newRow("installed") << QByteArray("installed")
                                   << QStringList { QStringLiteral("295 × 214 punkter, 36.9 × 26.8 mm") } << true;
        QTest::newRow("unknown commands") << QByteArray("^XA^PW200^LL100^FO0,0^GB10,10,2^FS^FO0,0^ADN^FDx^FS^XZ")
                                          << QStringList { QStringLiteral("200 × 100 punkter, 25.0 × 12.5 mm"),
                                                 QStringLiteral("Ikke vist: ^GB, ^AD") }
                                          << true;
        QTest::newRow("missing end")
            << QByteArray("^XA^PW100^LL100^FO0,0^A0N,20,20^FD%1^FS")
            << QStringList { QStringLiteral("100 × 100 punkter, 12.5 × 12.5 mm"),
                   QStringLiteral("Etiketten slutter ikke med ^XZ: printeren venter på resten og udskriver intet.") }
            << true;
        QTest::newRow("not a ZPL label") << QByteArray("N\r\nA50,0,0,1,1,1,N,\"%1\"\r\nP1\r\n")
                                         << QStringList { QStringLiteral("1 × 1 punkter, 0.1 × 0.1 mm"),
                                                QStringLiteral("Skabelonen har ingen ^XA, så printeren læser den "
                                                               "ikke som en etiket.") }
                                         << true;
        QTest::newRow("empty template") << QByteArray(" \r\n") << QStringList() << false;
        QTest::newRow("no template") << QByteArray() << QStringList() << false;
    }

    void notes()
    {
        QFETCH(QByteArray, itemTemplate);
        QFETCH(QStringList, shown);
        QFETCH(bool, picture);

        if (itemTemplate.isNull())
            QVERIFY(QFile::remove(HandlerBarcodesC::itemTemplateFile()));
        else if (itemTemplate != "installed")
            QVERIFY(writeFile(HandlerBarcodesC::itemTemplateFile(), itemTemplate));
        LabelPrinterDialog dialog(sample());
        auto *preview = child<QLabel>(dialog, "previewLabel");
        QCOMPARE(child<QLabel>(dialog, "notShownLabel")->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts), shown);
        QCOMPARE(!preview->pixmap().isNull(), picture);
        QCOMPARE(child<QPushButton>(dialog, "testButton")->isEnabled(), picture);
        if (!picture) {
            QVERIFY2(preview->text().contains(QStringLiteral("BarcodeFormatFile.txt")), qPrintable(preview->text()));
            QVERIFY(dialog.labelText().isEmpty());
        }
    }

    // The picture follows the name settings before they are saved.
    void pictureFollowsTheSettings()
    {
        QVERIFY(writeFile(HandlerBarcodesC::locationTemplateFile(), "^XA^FO0,0^A0N,20,20^FD%1 %2^FS^XZ"));
        LabelPrinterDialog dialog(sample());
        auto *kindBox = child<QComboBox>(dialog, "kindBox");
        kindBox->setCurrentIndex(kindBox->findData(int(LabelPrinterDialog::LocationLabel)));
        QCOMPARE(dialog.labelText(), QStringLiteral("^XA^FO0,0^A0N,20,20^FD000002 000002^FS^XZ"));
        const QImage before = child<QLabel>(dialog, "previewLabel")->pixmap().toImage();
        QTest::mouseClick(child<QCheckBox>(dialog, "locationNamesCheck"), Qt::LeftButton, {}, QPoint(4, 8));
        QCOMPARE(dialog.labelText(), QStringLiteral("^XA^FO0,0^A0N,20,20^FD000002 Kælder_nor^FS^XZ"));
        setLength(child<QSpinBox>(dialog, "locationLengthSpin"), 3);
        QCOMPARE(dialog.labelText(), QStringLiteral("^XA^FO0,0^A0N,20,20^FD000002 Kæl^FS^XZ"));
        QVERIFY(child<QLabel>(dialog, "previewLabel")->pixmap().toImage() != before);
        QVERIFY(!Settings().contains(locationFlagKey));
    }
};

QTEST_MAIN(tst_LabelPrinterDialog)
#include "tst_labelprinterdialog.moc"
