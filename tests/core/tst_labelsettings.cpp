#include <QTest>

#include "TestSupport.h"
#include "core/LabelSettings.h"
#include "core/Settings.h"

// The barcode label settings as the labels read them: what was stored when
// it is sound, the default when it is not.
class tst_LabelSettings : public QObject
{
    Q_OBJECT

    static QVariant read(const QString &key)
    {
        if (key == QLatin1String("EnableNameOnLabels"))
            return LabelSettings::namesOnItemLabels();
        if (key == QLatin1String("EnableLocationNameOnLabels"))
            return LabelSettings::namesOnLocationLabels();
        if (key == QLatin1String("BarcodeItemNameLabelLength"))
            return LabelSettings::itemNameLength();
        return LabelSettings::locationNameLength();
    }

private slots:
    void values_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("expected");
        const QList<QVariant> absurd { 2147483647, -5, 0, QStringLiteral("abc"), QStringLiteral("-5"),
            QStringLiteral("0"), QString(), 2.5 };
        for (const char *key : { "EnableNameOnLabels", "EnableLocationNameOnLabels" }) {
            for (const QVariant &value : absurd)
                QTest::addRow("%s = %s", key, qPrintable(value.toString())) << key << value << QVariant(false);
            QTest::addRow("%s on", key) << key << QVariant(true) << QVariant(true);
            QTest::addRow("%s on, from the file", key) << key << QVariant(QStringLiteral("true")) << QVariant(true);
            QTest::addRow("%s missing", key) << key << QVariant() << QVariant(false);
        }
        for (const char *key : { "BarcodeItemNameLabelLength", "BarcodeLocationNameLabeLength" }) {
            for (const QVariant &value : absurd)
                QTest::addRow("%s = %s", key, qPrintable(value.toString())) << key << value << QVariant(10);
            QTest::addRow("%s missing", key) << key << QVariant() << QVariant(10);
            QTest::addRow("%s shortest", key) << key << QVariant(1) << QVariant(1);
            QTest::addRow("%s from the file", key) << key << QVariant(QStringLiteral("14")) << QVariant(14);
            QTest::addRow("%s longest", key) << key << QVariant(199) << QVariant(199);
            QTest::addRow("%s too long", key) << key << QVariant(200) << QVariant(10);
        }
    }
    void values()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QFETCH(QVariant, expected);
        TestSupport::IsolatedSettings settings(5);
        if (value.isValid())
            Settings().setValue(key, value);
        QCOMPARE(read(key), expected);
    }
};

QTEST_GUILESS_MAIN(tst_LabelSettings)
#include "tst_labelsettings.moc"
