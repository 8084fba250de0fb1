#include <QTest>

#include "database/Item.h"

// An item keeps its twelve texts in one block; whatever is set must come
// back as it was, beside the other texts, in every form the block takes.
class tst_Item : public QObject
{
    Q_OBJECT

    static QStringList texts(const Item &item)
    {
        QStringList all;
        for (int i = 0; i < Item::TextCount; ++i)
            all << item.text(Item::Text(i));
        return all;
    }

private slots:
    void textsKeepTheirValues_data()
    {
        QTest::addColumn<QStringList>("values");
        QStringList plain;
        for (int i = 0; i < Item::TextCount; ++i)
            plain << QStringLiteral("text %1").arg(i);
        QTest::newRow("plain") << plain;
        QStringList someEmpty = plain;
        someEmpty[0].clear();
        someEmpty[5].clear();
        someEmpty[Item::TextCount - 1].clear();
        QTest::newRow("some empty") << someEmpty;
        QTest::newRow("all empty") << QStringList(Item::TextCount, QString());
        QStringList latin1 = plain;
        latin1[1] = QStringLiteral("Bl\u00e5b\u00e6r \u00f8 \u00ff\u00b5");
        QTest::newRow("Latin-1 letters") << latin1;
        QStringList beyond = plain;
        beyond[3] = QStringLiteral("Pris 100 \u20ac \U0001F600");
        QTest::newRow("beyond Latin-1") << beyond;
        QStringList loneSurrogate = plain;
        loneSurrogate[4] = QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b");
        QTest::newRow("lone surrogate") << loneSurrogate;
        QStringList zero = plain;
        zero[2] = QStringLiteral("a") + QChar(0) + QStringLiteral("b;\r\n");
        QTest::newRow("zero, separator and line breaks") << zero;
        QStringList longTexts = plain;
        for (int i = 0; i < Item::TextCount; i += 2)
            longTexts[i] = QString(20000 + i, QChar(u'a' + i));
        QTest::newRow("texts too long for 16-bit ends") << longTexts;
    }
    void textsKeepTheirValues()
    {
        QFETCH(QStringList, values);
        // Set one at a time, in both orders: each set keeps the others.
        Item forward;
        for (int i = 0; i < Item::TextCount; ++i)
            forward.setText(Item::Text(i), values.at(i));
        QCOMPARE(texts(forward), values);
        Item backward;
        for (int i = Item::TextCount - 1; i >= 0; --i)
            backward.setText(Item::Text(i), values.at(i));
        QCOMPARE(texts(backward), values);

        // A copy is a value of its own.
        Item copy = forward;
        copy.setText(Item::NameText, QStringLiteral("other"));
        QCOMPARE(texts(forward), values);
        QCOMPARE(copy.name(), QStringLiteral("other"));

        // Setting a text back to Latin-1 returns the block to bytes the file takes.
        Item back = forward;
        for (int i = 0; i < Item::TextCount; ++i)
            back.setText(Item::Text(i), QString::fromLatin1(values.at(i).toLatin1()));
        QVERIFY(back.textsAreLatin1());
        QCOMPARE(back.textBytes(Item::DateText), values.at(Item::DateText).toLatin1());
    }

    void latin1TextsFromBytes()
    {
        Item item;
        std::array<QByteArrayView, Item::TextCount> bytes;
        bytes[Item::NameText] = "S\xf8"
                                "fa";
        bytes[Item::ProductModelText] = "pm";
        item.setLatin1Texts(bytes);
        QVERIFY(item.textsAreLatin1());
        QCOMPARE(item.name(), QStringLiteral("S\u00f8fa"));
        QCOMPARE(item.productModel(), QStringLiteral("pm"));
        QCOMPARE(item.date(), QString());
        QCOMPARE(item.name(true), QStringLiteral("S\u00f8fa"));
    }

    // A serial number is read from the bytes when it is plainly a number,
    // and must give what reading the text gives.
    void serialNumberValue()
    {
        const QStringList serials { QString(), QStringLiteral("0"), QStringLiteral("00123"), QStringLiteral("+5"),
            QStringLiteral("-7"), QStringLiteral("-0"), QStringLiteral("-"), QStringLiteral("+"),
            QStringLiteral("123456789"), QStringLiteral("1234567890"), QStringLiteral("2147483647"),
            QStringLiteral("2147483648"), QStringLiteral("-2147483648"), QStringLiteral(" 12"), QStringLiteral("12 "),
            QStringLiteral("1a"), QStringLiteral("\u00a012"), QStringLiteral("\u0663"), QStringLiteral("SN-12") };
        for (const QString &serial : serials) {
            Item item;
            item.setSerialno(serial);
            bool ok = false;
            const int expected = serial.toInt(&ok, 10);
            QVERIFY2(item.serialNumberValue() == (ok ? expected : 0), qPrintable(serial));
        }
    }

    // The byte order of Latin-1 texts is the character order of the texts.
    void textOrder_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::newRow("equal") << QStringLiteral("abc") << QStringLiteral("abc");
        QTest::newRow("prefix") << QStringLiteral("ab") << QStringLiteral("abc");
        QTest::newRow("case") << QStringLiteral("B") << QStringLiteral("a");
        QTest::newRow("Latin-1 after ASCII") << QStringLiteral("\u00e6") << QStringLiteral("z");
        QTest::newRow("empty") << QString() << QStringLiteral("a");
        QTest::newRow("beyond Latin-1") << QStringLiteral("\u20ac") << QStringLiteral("\u00ff");
        QTest::newRow("mixed forms") << QStringLiteral("\u00e6\u20ac") << QStringLiteral("\u00e6");
    }
    void textOrder()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        Item first;
        first.setName(a);
        Item second;
        second.setName(b);
        const auto sign = [](int v) { return v < 0 ? -1 : v > 0 ? 1 : 0; };
        QCOMPARE(sign(Item::compareTexts(first, second, Item::NameText)), sign(QString::compare(a, b)));
        QCOMPARE(sign(Item::compareTexts(second, first, Item::NameText)), sign(QString::compare(b, a)));
        QCOMPARE(Item::lessByName(&first, &second), a < b);
        QCOMPARE(first.textEquals(Item::NameText, b), a == b);
        QCOMPARE(second.textEquals(Item::NameText, a), a == b);
    }
};

QTEST_GUILESS_MAIN(tst_Item)
#include "tst_item.moc"
