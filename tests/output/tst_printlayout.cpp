#include <QTest>

#include "output/PrintLayout.h"

// The list's columns laid out in characters: wrapping texts within their
// columns, never amounts, and leaving off columns only when nothing else helps.
class tst_PrintLayout : public QObject
{
    Q_OBJECT

private:
    static PrintLayout::Column text(const QString &title, int width)
    {
        PrintLayout::Column column;
        column.title = title;
        column.width = width;
        column.wraps = true;
        return column;
    }
    static PrintLayout::Column amount(const QString &title, int width)
    {
        PrintLayout::Column column;
        column.title = title;
        column.width = width;
        column.alignRight = true;
        return column;
    }

private slots:
    void wrapText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("fits") << QStringLiteral("Blue sofa") << 9 << QStringList { QStringLiteral("Blue sofa") };
        QTest::newRow("at a blank, which goes")
            << QStringLiteral("Blue velvet sofa") << 8
            << QStringList { QStringLiteral("Blue"), QStringLiteral("velvet"), QStringLiteral("sofa") };
        QTest::newRow("after a slash") << QStringLiteral("/pics/living/sofa.jpg") << 8
                                       << QStringList { QStringLiteral("/pics/"), QStringLiteral("living/"),
                                              QStringLiteral("sofa.jpg") };
        QTest::newRow("inside a word too long")
            << QStringLiteral("Beskrivelse") << 4
            << QStringList { QStringLiteral("Besk"), QStringLiteral("rive"), QStringLiteral("lse") };
        QTest::newRow("empty") << QString() << 5 << QStringList { QString() };
    }
    void wrapText()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QStringList, lines);
        QCOMPARE(PrintLayout::wrapText(text, width), lines);
    }

    // Laid out as wide as they are, the lines are those of the print
    // settings' cells; a longer amount widens its column on every line.
    void naturalWidths()
    {
        PrintLayout layout({ text(QStringLiteral("Navn"), 6), amount(QStringLiteral("Pris"), 5) }, QStringLiteral("|"));
        layout.addRow({ QStringLiteral("Sofa  "), QStringLiteral("   12") });
        layout.addRow({ QStringLiteral("Bord  "), QStringLiteral("1234567") });
        QCOMPARE(layout.lineWidth(), 9 + 10);
        QCOMPARE(layout.headingLines(), QStringList { QStringLiteral(" Navn   | Pris    |") });
        QCOMPARE(layout.rowLines(0), QStringList { QStringLiteral(" Sofa   |      12 |") });
        QCOMPARE(layout.rowLines(1), QStringList { QStringLiteral(" Bord   | 1234567 |") });
        layout.fitTo(100);
        QVERIFY(layout.wrappedTitles().isEmpty());
        QVERIFY(layout.leftOffTitles().isEmpty());
    }

    // Too wide: the widest text narrows first, its content and title go on
    // over lines of their own column; the amount stays whole.
    void narrowsTheWidestText()
    {
        PrintLayout layout({ text(QStringLiteral("Navn"), 4), text(QStringLiteral("Beskrivelse"), 16),
                               amount(QStringLiteral("Pris"), 6) },
            QStringLiteral("|"));
        layout.addRow({ QStringLiteral("Sofa"), QStringLiteral("Blue velvet sofa"), QStringLiteral("123456") });
        QCOMPARE(layout.lineWidth(), 7 + 19 + 9);
        layout.fitTo(7 + 14 + 9);
        QCOMPARE(layout.lineWidth(), 30);
        QCOMPARE(layout.wrappedTitles(), QStringList { QStringLiteral("Beskrivelse") });
        QCOMPARE(layout.rowLines(0),
            (QStringList {
                QStringLiteral(" Sofa | Blue velvet | 123456 |"), QStringLiteral("      | sofa        |        |") }));
        QCOMPARE(layout.headingLines(), QStringList { QStringLiteral(" Navn | Beskrivelse | Pris   |") });

        // Below the title's longest word only when the words are not enough.
        layout.fitTo(7 + 9 + 9);
        QCOMPARE(layout.headingLines(),
            (QStringList { QStringLiteral(" Navn | Beskri | Pris   |"), QStringLiteral("      | velse  |        |") }));
        QVERIFY(layout.leftOffTitles().isEmpty());
    }

    // When the texts are as narrow as they go, columns are left off from
    // the end of the line, and named.
    void leavesOffColumnsLast()
    {
        PrintLayout layout(
            { text(QStringLiteral("Navn"), 10), amount(QStringLiteral("Pris"), 9), amount(QStringLiteral("Vurd."), 9) },
            QStringLiteral("|"));
        layout.addRow({ QStringLiteral("Sofa"), QStringLiteral("1"), QStringLiteral("2") });
        layout.fitTo(7 + 12);
        QCOMPARE(layout.leftOffTitles(), QStringList { QStringLiteral("Vurd.") });
        QCOMPARE(layout.rowLines(0), QStringList { QStringLiteral(" Sofa |         1 |") });
    }
};

QTEST_GUILESS_MAIN(tst_PrintLayout)
#include "tst_printlayout.moc"
