#include <QtTest>

#include <cstdio>
#include <iomanip>
#include <limits>
#include <sstream>
#include <streambuf>
#include <string>

#include "database/ECharField.h"
#include "database/EFieldException.h"
#include "database/EFloatField.h"
#include "database/EIntField.h"
#include "database/ELine.h"
#include "database/ELineException.h"
#include "database/EStringField.h"

namespace {

std::string rest(std::istream &in)
{
    in.clear();
    return std::string(std::istreambuf_iterator<char>(in.rdbuf()), std::istreambuf_iterator<char>());
}

QByteArray bytes(const std::string &text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

// A buffer that takes only the first few bytes written to it.
class ShortBuffer : public std::streambuf
{
public:
    explicit ShortBuffer(int room)
        : m_room(room)
    { }
    std::string written;

protected:
    int_type overflow(int_type c) override
    {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        if (m_room <= 0)
            return traits_type::eof();
        --m_room;
        written.push_back(traits_type::to_char_type(c));
        return c;
    }

private:
    int m_room;
};

// Input without a buffer of its own: every byte comes through uflow().
class UnbufferedInput : public std::streambuf
{
public:
    explicit UnbufferedInput(std::string bytes)
        : m_bytes(std::move(bytes))
    { }

protected:
    int_type underflow() override
    {
        return m_at < m_bytes.size() ? traits_type::to_int_type(m_bytes[m_at]) : traits_type::eof();
    }
    int_type uflow() override
    {
        return m_at < m_bytes.size() ? traits_type::to_int_type(m_bytes[m_at++]) : traits_type::eof();
    }

private:
    std::string m_bytes;
    std::size_t m_at = 0;
};

// Input handed out one byte at a time through a one-byte buffer.
class TrickleInput : public std::streambuf
{
public:
    explicit TrickleInput(std::string bytes)
        : m_bytes(std::move(bytes))
    { }

protected:
    int_type underflow() override
    {
        if (m_at >= m_bytes.size())
            return traits_type::eof();
        m_window = m_bytes[m_at++];
        setg(&m_window, &m_window, &m_window + 1);
        return traits_type::to_int_type(m_window);
    }

private:
    std::string m_bytes;
    std::size_t m_at = 0;
    char m_window = 0;
};

// A buffer whose reading breaks down.
class BrokenBuffer : public std::streambuf
{
protected:
    int_type underflow() override { throw std::runtime_error("device gone"); }
};

} // namespace

class tst_FieldFramework : public QObject
{
    Q_OBJECT

private slots:
    // The integer and number fields must leave value, state and position
    // exactly as operator>> leaves them, so compare with it directly.
    void intMatchesFormattedExtraction_data()
    {
        QTest::addColumn<QByteArray>("input");
        for (const char *text :
            { "12;", "-7;", "+5;", " \t\r\n42;", "x;", "-;", "+;", "", "   ", "0;", "007;", "2147483647;",
                "2147483648;", "-2147483648;", "-2147483649;", "99999999999999999999999;", "12", "--1;", "1-2;",
                "\xe6"
                "1;",
                "3.5;" })
            QTest::newRow(text[0] ? text : "(empty)") << QByteArray(text);
    }
    void intMatchesFormattedExtraction()
    {
        QFETCH(QByteArray, input);
        std::istringstream reference(input.toStdString());
        int expected = -99;
        reference >> expected;

        std::istringstream in(input.toStdString());
        EIntField field("Type");
        field.setValue(-99);
        field.read(in);
        QCOMPARE(in.rdstate(), reference.rdstate());
        QCOMPARE(field.value(), expected);
        QCOMPARE(bytes(rest(in)), bytes(rest(reference)));
    }

    void floatMatchesFormattedExtraction_data()
    {
        QTest::addColumn<QByteArray>("input");
        for (const char *text : { "1500.000000;", "-0.5;", ".5;", "5.;", "1e3;", "1E-2;", "2.5e+2;", "1e;", "1e+;",
                 ".;", "-.;", "1.2.3;", "1,5;", "inf;", "nan;", "1e400;", "-1e400;", "1e-400;", "0x1p3;", "00012.5;",
                 "0e5;", "  \n 3.25;", "", "  ", "7", "+8.5;", "e5;", "123456789012345678901234567890;", "0.1;" })
            QTest::newRow(text[0] ? text : "(empty)") << QByteArray(text);
        QTest::newRow("long digits") << (QByteArray(300, '9') + ".5;");
    }
    void floatMatchesFormattedExtraction()
    {
        QFETCH(QByteArray, input);
        std::istringstream reference(input.toStdString());
        double expected = -99.0;
        reference >> expected;

        std::istringstream in(input.toStdString());
        EFloatField field("Price", 9, 2);
        field.setValue(-99.0);
        field.read(in);
        QCOMPARE(in.rdstate(), reference.rdstate());
        QCOMPARE(field.value(), expected);
        QCOMPARE(bytes(rest(in)), bytes(rest(reference)));
    }

    void toStringMatchesPrintf_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("precision");
        QTest::newRow("9.2") << 1234.5 << 9 << 2;
        QTest::newRow("0.6") << 1234.5 << 0 << 6;
        QTest::newRow("0.6 whole") << 1500.0 << 0 << 6;
        QTest::newRow("negative") << -0.125 << 0 << 2;
        QTest::newRow("rounding") << 2.675 << 0 << 2;
        QTest::newRow("0 decimals") << 1499.6 << 0 << 0;
        QTest::newRow("narrow width") << 123456.789 << 3 << 1;
        QTest::newRow("left justified") << 3.5 << -8 << 1;
        QTest::newRow("default precision") << 3.5 << 0 << -1;
        QTest::newRow("huge") << 1e300 << 0 << 6;
        QTest::newRow("tiny") << 1e-300 << 0 << 6;
        QTest::newRow("wide") << 1.0 << 150 << 2;
    }
    void toStringMatchesPrintf()
    {
        QFETCH(double, value);
        QFETCH(int, width);
        QFETCH(int, precision);
        char expected[512];
        std::snprintf(expected, sizeof expected, "%*.*lf", width, precision, value);
        EFloatField field(width, precision);
        field.setValue(value);
        QCOMPARE(QByteArray::fromStdString(field.toString()), QByteArray(expected));
        std::ostringstream out;
        field.write(out);
        QCOMPARE(QByteArray::fromStdString(out.str()), QByteArray(expected));
    }

    void otherToStrings()
    {
        EIntField number;
        number.setValue(-2147483647 - 1);
        QCOMPARE(number.toString(), std::string("-2147483648"));
        ECharField separator;
        separator.setValue(';');
        QCOMPARE(separator.toString(), std::string(";"));
        EStringField text("Name", ';');
        text.setValue("abc");
        QCOMPARE(text.toString(), std::string("abc"));
    }

    void textField_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("left");
        QTest::addColumn<int>("state");
        QTest::newRow("plain") << QByteArray("abc;x") << QByteArray("abc") << QByteArray(";x") << 0;
        QTest::newRow("empty") << QByteArray(";;") << QByteArray() << QByteArray(";;") << 0;
        QTest::newRow("blanks kept") << QByteArray("  a b ;") << QByteArray("  a b ") << QByteArray(";") << 0;
        QTest::newRow("line break is a byte") << QByteArray("a\r\nb;") << QByteArray("a\r\nb") << QByteArray(";") << 0;
        QTest::newRow("cut at zero byte") << QByteArray("ab\0cd;", 6) << QByteArray("ab") << QByteArray(";") << 0;
        QTest::newRow("latin-1 bytes") << QByteArray("\xe6\xf8\xe5;") << QByteArray("\xe6\xf8\xe5") << QByteArray(";")
                                       << 0;
        QTest::newRow("198 bytes and the end")
            << QByteArray(198, 'a') << QByteArray(198, 'a') << QByteArray() << int(std::ios::eofbit);
        QTest::newRow("199 bytes and the end") << QByteArray(199, 'a') << QByteArray(199, 'a') << QByteArray() << 0;
        QTest::newRow("200 bytes and the end") << QByteArray(200, 'a') << QByteArray(199, 'a') << QByteArray("a") << 0;
        QTest::newRow("199 bytes") << (QByteArray(199, 'a') + ';') << QByteArray(199, 'a') << QByteArray(";") << 0;
        QTest::newRow("250 bytes") << (QByteArray(199, 'a') + QByteArray(51, 'b') + ';') << QByteArray(199, 'a')
                                   << (QByteArray(51, 'b') + ';') << 0;
        QTest::newRow("input ends in text")
            << QByteArray("abc") << QByteArray("abc") << QByteArray() << int(std::ios::eofbit);
        QTest::newRow("no input") << QByteArray() << QByteArray() << QByteArray()
                                  << int(std::ios::eofbit | std::ios::failbit);
    }
    void textField()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, left);
        QFETCH(int, state);
        // The same outcome whatever kind of buffer the stream has.
        std::stringbuf whole(input.toStdString());
        UnbufferedInput unbuffered(input.toStdString());
        TrickleInput trickle(input.toStdString());
        for (std::streambuf *buffer : std::initializer_list<std::streambuf *> { &whole, &unbuffered, &trickle }) {
            std::istream in(buffer);
            EStringField field("Name", ';');
            field.setValue("old");
            field.read(in);
            QCOMPARE(int(in.rdstate()), state);
            QCOMPARE(bytes(field.value()), value);
            QCOMPARE(bytes(rest(in)), left);
        }
    }

    void fixedLengthText()
    {
        std::istringstream in("abcdef");
        EStringField field("Code", 4);
        QCOMPARE(field.mode(), EStringField::FixedLength);
        field.read(in);
        QVERIFY(in.good());
        QCOMPARE(field.value(), std::string("abcd"));
        field.read(in);
        QCOMPARE(in.rdstate(), std::ios::eofbit | std::ios::failbit);
        QCOMPARE(field.value(), std::string("ef"));
        QCOMPARE(EStringField("Long", 500).length(), EStringField::MaxLength);
    }

    void separatorTakesAnyNonBlankByte_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<char>("taken");
        QTest::newRow("separator") << QByteArray(";a") << ';';
        QTest::newRow("after blanks") << QByteArray("  \n\t\r X") << 'X';
        QTest::newRow("a digit") << QByteArray("7;") << '7';
        QTest::newRow("high byte") << QByteArray("\xe5;") << '\xe5';
    }
    void separatorTakesAnyNonBlankByte()
    {
        QFETCH(QByteArray, input);
        QFETCH(char, taken);
        std::istringstream in(input.toStdString());
        ECharField separator("Separator");
        separator.read(in);
        QVERIFY(in.good());
        QCOMPARE(separator.value(), taken);
    }

    void readsALine()
    {
        std::istringstream in("12;abc;");
        EIntField type("Type");
        ECharField separator("Separator");
        EStringField name("Name", ';');
        ELine line;
        line.add(&type);
        line.add(&separator);
        line.add(&name);
        line.add(&separator);
        line.read(in);
        QCOMPARE(type.value(), 12);
        QCOMPARE(name.value(), std::string("abc"));
        QCOMPARE(line.lineCount(), 1);
        QVERIFY(rest(in).empty());
    }

    // Which field fails, at which line, and how the stream state is coded.
    void lineFailures_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("goodLines");
        QTest::addColumn<int>("fieldIndex");
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<int>("code");
        QTest::newRow("letter in integer") << QByteArray("x;") << 0 << 0 << "Type" << 2;
        QTest::newRow("letters in price") << QByteArray("1;a;abc;\n") << 0 << 4 << "Price" << 2;
        QTest::newRow("nothing left") << QByteArray("1;a;2;\n") << 1 << 0 << "Type" << 3;
        QTest::newRow("only a line end left") << QByteArray("1;a;2;\r\n") << 1 << 0 << "Type" << 3;
        QTest::newRow("input ends inside text") << QByteArray("1;abc") << 0 << 2 << "Name" << 1;
        QTest::newRow("input ends after number") << QByteArray("1;a;2.5") << 0 << 4 << "Price" << 1;
    }
    void lineFailures()
    {
        QFETCH(QByteArray, input);
        QFETCH(int, goodLines);
        QFETCH(int, fieldIndex);
        QFETCH(QString, fieldName);
        QFETCH(int, code);
        std::istringstream in(input.toStdString());
        EIntField type("Type");
        ECharField separator("Separator");
        EStringField name("Name", ';');
        EFloatField price("Price", 9, 2);
        ELine line;
        for (EField *field :
            std::initializer_list<EField *> { &type, &separator, &name, &separator, &price, &separator })
            line.add(field);
        int read = 0;
        try {
            for (;;) {
                line.read(in);
                ++read;
            }
        } catch (const ELineException &e) {
            QCOMPARE(read, goodLines);
            QCOMPARE(e.lineNumber(), goodLines);
            QCOMPARE(e.fieldIndex(), fieldIndex);
            QCOMPARE(QString::fromStdString(e.fieldException().text()), fieldName);
            QCOMPARE(e.fieldException().code(), code);
            QCOMPARE(e.isEndOfInput(), (code & 1) != 0);
            QCOMPARE(QString::fromStdString(e.message()),
                QStringLiteral("An error occured while reading line %1, parameter (%2)!")
                    .arg(goodLines)
                    .arg(fieldName));
            return;
        }
        QFAIL("no exception");
    }

    void secondFieldOfThirdLine()
    {
        EIntField a("A");
        EIntField b("B");
        ECharField separator("Separator");
        // The failing field is counted from 0, separators included, and the
        // line number is the count of lines read before with the same line.
        std::istringstream in2("1;2;\n3;4;\n5;x;\n");
        ELine proper;
        proper.add(&a);
        proper.add(&separator);
        proper.add(&b);
        proper.add(&separator);
        proper.read(in2);
        proper.read(in2);
        try {
            proper.read(in2);
            QFAIL("no exception");
        } catch (const ELineException &e) {
            QCOMPARE(e.lineNumber(), 2);
            QCOMPARE(e.fieldIndex(), 2);
            QCOMPARE(e.fieldException().text(), std::string("B"));
            QCOMPARE(a.value(), 5); // fields read before the failure keep their values
        }
    }

    void brokenInputIsBad()
    {
        BrokenBuffer buffer;
        std::istream in(&buffer);
        EIntField type("Type");
        ELine line;
        line.add(&type);
        try {
            line.read(in);
            QFAIL("no exception");
        } catch (const ELineException &e) {
            QCOMPARE(e.fieldException().code(), EFieldException::Bad | EFieldException::Failed);
            QVERIFY(!e.isEndOfInput());
        }
        QVERIFY(in.bad());
    }

    void writesALine()
    {
        EIntField type;
        ECharField separator;
        separator.setValue(';');
        ECharField lineEnd;
        lineEnd.setValue('\n');
        EStringField name;
        EFloatField price(0, 6);
        ELine line;
        for (EField *field :
            std::initializer_list<EField *> { &type, &separator, &name, &separator, &price, &separator, &lineEnd })
            line.add(field);
        std::ostringstream out;
        type.setValue(12);
        name.setValue("K\xf8leskab");
        price.setValue(1500);
        line.write(out);
        type.setValue(-3);
        name.assign("");
        price.setValue(0.5);
        line.write(out);
        QCOMPARE(bytes(out.str()), QByteArray("12;K\xf8leskab;1500.000000;\n-3;;0.500000;\n"));
        QCOMPARE(line.lineCount(), 2);
    }

    void writingHonoursTheStreamWidth()
    {
        EFloatField price(0, 2);
        price.setValue(2.5);
        std::ostringstream out;
        out << std::setw(8);
        price.write(out);
        out << std::setw(4) << std::left;
        price.write(out);
        QCOMPARE(out.str(), std::string("    2.502.50"));
    }

    void writeFailureNamesTheField()
    {
        ShortBuffer buffer(5);
        std::ostream out(&buffer);
        EStringField name("Name", ';');
        name.setValue("abc");
        ECharField separator("Separator");
        separator.setValue(';');
        ELine line;
        line.add(&name);
        line.add(&separator);
        line.write(out);
        try {
            line.write(out);
            QFAIL("no exception");
        } catch (const ELineException &e) {
            QCOMPARE(e.lineNumber(), 1);
            QCOMPARE(e.fieldIndex(), 0);
            QCOMPARE(e.fieldException().code(), EFieldException::Bad | EFieldException::Failed);
            QVERIFY(!e.isEndOfInput());
        }
        QCOMPARE(line.lineCount(), 1);
    }

    void messageIsNotCut()
    {
        const std::string name(300, 'n');
        const ELineException e(EFieldException(2, name), 3, 123456789);
        const std::string expected = "An error occured while reading line 123456789, parameter (" + name + ")!";
        QCOMPARE(e.message(), expected);
        const ELineException copy = e;
        QCOMPARE(copy.fieldException().text(), name);
        QCOMPARE(copy.fieldException().code(), 2);
    }
};

QTEST_GUILESS_MAIN(tst_FieldFramework)
#include "tst_fieldframework.moc"
