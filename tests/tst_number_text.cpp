// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing German number text, and the checked arithmetic under the calculation.
#include <algorithm>
#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include <QTest>

#include "host/arithmetic.h"
#include "host/host_error.h"
#include "host/number_text.h"

using namespace kalvoran;

Q_DECLARE_METATYPE(kalvoran::ParseStatus)
Q_DECLARE_METATYPE(kalvoran::ErrorKind)

class TestNumberText : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void reads_data();
    void reads();
    void writes_data();
    void writes();
    void writingNeverGivesInfinityOrNan();
    void roundTripOfRandomDoubles();
    void roundTripOfRandomTexts();
    void sameAsCharconv();
    void arithmeticFaults_data();
    void arithmeticFaults();
};

// The C library's own locale, German (decimal comma) and Pashto (decimal point U+066B, two
// bytes): the number text is the same under each.
constexpr const char* kLocales[] = {"C", "de_DE.UTF-8", "ps_AF.UTF-8"};

static QByteArray missing(const char* locale) {
    return QByteArray(locale) + " is missing: Debian's package locales-all provides it";
}

void TestNumberText::cleanup() {
    if (QTest::currentTestFailed())
        qInfo("under the locale %s", std::setlocale(LC_ALL, nullptr));
    std::setlocale(LC_ALL, "C");
}

void TestNumberText::reads_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<ParseStatus>("status");
    QTest::addColumn<double>("value");
    const auto ok = ParseStatus::Ok, nan = ParseStatus::NotANumber, big = ParseStatus::OutOfRange;

    QTest::newRow("preset 1,85 with a comma") << "1,85" << ok << 1.85;
    QTest::newRow("whole number") << "12" << ok << 12.0;
    QTest::newRow("comma first") << ",5" << ok << 0.5;
    QTest::newRow("comma last") << "5," << ok << 5.0;
    QTest::newRow("blanks around") << "  3,5 " << ok << 3.5;
    QTest::newRow("copied from a terminal, line break") << "12\n" << ok << 12.0;
    QTest::newRow("copied from a spreadsheet, tab") << "12\t" << ok << 12.0;
    QTest::newRow("Windows line break") << "\t12\r\n" << ok << 12.0;
    QTest::newRow("no-break space after") << QString::fromUtf8("1\u00A0") << ok << 1.0;
    QTest::newRow("narrow no-break and ideographic space")
        << QString::fromUtf8("\u202F\u30002,5\u2009") << ok << 2.5;
    QTest::newRow("pasted minus") << "-2,5" << ok << -2.5;
    QTest::newRow("plus sign") << "+7" << ok << 7.0;
    QTest::newRow("exponent") << "1,5E3" << ok << 1500.0;
    QTest::newRow("small exponent e") << "25e-1" << ok << 2.5;
    QTest::newRow("leading zeros") << "0007,50" << ok << 7.5;
    QTest::newRow("too small reads as 0") << "1E-400" << ok << 0.0;
    QTest::newRow("tiny fraction reads as 0") << "0,0000000001E-330" << ok << 0.0;
    QTest::newRow("zero with a huge exponent") << "0E999999" << ok << 0.0;
    QTest::newRow("largest double")
        << "1,7976931348623157E308" << ok << std::numeric_limits<double>::max();
    QTest::newRow("subnormal") << "5E-324" << ok << std::numeric_limits<double>::denorm_min();
    QTest::newRow("just below halfway above the largest double")
        << "1,7976931348623158079372897140530341E308" << ok << std::numeric_limits<double>::max();
    QTest::newRow("just below halfway to the smallest subnormal")
        << "2,4703282292062327208828439643411E-324" << ok << 0.0;
    QTest::newRow("just above halfway to the smallest subnormal")
        << "2,4703282292062327208828439643412E-324" << ok
        << std::numeric_limits<double>::denorm_min();

    QTest::newRow("empty") << "" << nan << 0.0;
    QTest::newRow("only a comma") << "," << nan << 0.0;
    QTest::newRow("a blank") << " " << nan << 0.0;
    QTest::newRow("two commas") << "1,2,3" << nan << 0.0;
    QTest::newRow("point as decimal") << "1.5" << nan << 0.0;
    QTest::newRow("point as grouping") << "1.000" << nan << 0.0;
    QTest::newRow("blank inside") << "1 000" << nan << 0.0;
    QTest::newRow("inf") << "inf" << nan << 0.0;
    QTest::newRow("nan") << "nan" << nan << 0.0;
    QTest::newRow("infinity") << "Infinity" << nan << 0.0;
    QTest::newRow("hex") << "0x1A" << nan << 0.0;
    QTest::newRow("exponent without digits") << "1E" << nan << 0.0;
    QTest::newRow("exponent without mantissa") << "E5" << nan << 0.0;
    QTest::newRow("sign alone") << "-" << nan << 0.0;
    QTest::newRow("two signs") << "--5" << nan << 0.0;
    QTest::newRow("unit behind") << "12V" << nan << 0.0;
    QTest::newRow("arabic-indic digit") << QString::fromUtf8("\u0661") << nan << 0.0;
    QTest::newRow("full-width digit") << QString::fromUtf8("\uFF11") << nan << 0.0;
    QTest::newRow("no-break space inside") << QString::fromUtf8("1\u00A0000") << nan << 0.0;
    QTest::newRow("a line break alone") << "\n" << nan << 0.0;

    QTest::newRow("beyond a double") << "1e400" << big << 0.0;
    QTest::newRow("beyond a double, negative") << "-1,8E308" << big << 0.0;
    QTest::newRow("just above halfway above the largest double")
        << "1,79769313486231580793728971405304E308" << big << 0.0;
    QTest::newRow("many digits beyond a double") << QString(400, '9') << big << 0.0;
    QTest::newRow("huge exponent") << "1E99999999999999999999999" << big << 0.0;
}

void TestNumberText::reads() {
    QFETCH(QString, text);
    QFETCH(ParseStatus, status);
    QFETCH(double, value);
    for (const char* locale : kLocales) {
        QVERIFY2(std::setlocale(LC_ALL, locale), missing(locale));
        const ParseResult result = parseNumberText(text.toStdString());
        QCOMPARE(result.status, status);
        QCOMPARE(result.value, value);
    }
}

void TestNumberText::writes_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("8,3 V at 30 mA") << 8.3 / 0.03 << "276,666666666667";
    QTest::newRow("whole number has no comma") << 75.0 << "75";
    QTest::newRow("just below 15 rounds to 15") << 14.999999999999991 << "15";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("minus zero is written as 0") << -0.0 << "0";
    QTest::newRow("negative") << -350.5 << "-350,5";
    QTest::newRow("no grouping") << 18000.0 << "18000";
    QTest::newRow("15 digits still plain") << 999999999999999.0 << "999999999999999";
    QTest::newRow("exponent from 1E+15") << 1e15 << "1E+15";
    QTest::newRow("exponent with fraction") << 1.5e15 << "1,5E+15";
    QTest::newRow("small stays plain") << 0.0001 << "0,0001";
    QTest::newRow("below 1E-4 as exponent") << 0.00001 << "1E-05";
    QTest::newRow("three-digit exponent") << 1e300 << "1E+300";
    QTest::newRow("largest double")
        << std::numeric_limits<double>::max() << "1,79769313486232E+308";
    QTest::newRow("smallest subnormal")
        << std::numeric_limits<double>::denorm_min() << "4,94065645841247E-324";
}

void TestNumberText::writes() {
    QFETCH(double, value);
    QFETCH(QString, text);
    for (const char* locale : kLocales) {
        QVERIFY2(std::setlocale(LC_ALL, locale), missing(locale));
        QCOMPARE(QString::fromStdString(formatNumberText(value)), text);
    }
}

void TestNumberText::writingNeverGivesInfinityOrNan() {
    for (double v :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        QVERIFY_THROWS_EXCEPTION(HostError, formatNumberText(v));
    }
}

// Whatever double is written, reading the text back and writing again gives the same text.
void TestNumberText::roundTripOfRandomDoubles() {
    std::mt19937_64 random(20261208);
    int checked = 0;
    while (checked < 200000) {
        const double x = std::bit_cast<double>(random());
        if (!std::isfinite(x))
            continue;
        ++checked;
        const std::string first = formatNumberText(x);
        const ParseResult read = parseNumberText(first);
        QVERIFY2(read.status == ParseStatus::Ok, first.c_str());
        const std::string second = formatNumberText(read.value);
        QVERIFY2(first == second, (first + " -> " + second).c_str());
        QVERIFY(first.find('.') == std::string::npos);
        QVERIFY(first != "-0");
    }
}

// Texts a user could type (digits and commas) either read as a number or are refused; a read
// number writes to a text that reads back to the same double.
void TestNumberText::roundTripOfRandomTexts() {
    std::mt19937 random(7);
    const std::string alphabet = "0123456789,";
    for (int i = 0; i < 50000; ++i) {
        std::string text(1 + random() % 20, ' ');
        for (char& c : text)
            c = alphabet[random() % alphabet.size()];
        const ParseResult read = parseNumberText(text);
        const bool number = std::count(text.begin(), text.end(), ',') <= 1 && text != ",";
        QCOMPARE(read.status == ParseStatus::Ok, number);
        if (!number)
            continue;
        const std::string written = formatNumberText(read.value);
        const ParseResult again = parseNumberText(written);
        QCOMPARE(again.status, ParseStatus::Ok);
        // 15 digits keep the value within a relative 5E-15 of the original, plus the rounding
        // to double.
        QVERIFY(std::fabs(again.value - read.value) <= 6e-15 * std::fabs(read.value));
    }
}

// Where the standard library has floating-point <charconv>, the C library's conversions give what
// it gives, under each locale in turn: on random doubles, next to and at ties of 15 digits, and on
// the texts halfway between two doubles (exact in a long double) and just above and below them.
void TestNumberText::sameAsCharconv() {
#if defined(__cpp_lib_to_chars)
    char buf[1024];
    const auto chars = [&](auto x, std::chars_format format, int digits) {
        return std::string(buf, std::to_chars(buf, buf + sizeof buf, x, format, digits).ptr);
    };
    const auto german = [](std::string text) {
        std::replace(text.begin(), text.end(), '.', ',');
        std::replace(text.begin(), text.end(), 'e', 'E');
        return text;
    };
    const auto readsAsFromChars = [&](const std::string& text) {
        double want = 0.0; // too small for a double: 0
        std::from_chars(text.data(), text.data() + text.size(), want);
        const ParseResult read = parseNumberText(german(text));
        QCOMPARE(read.status, ParseStatus::Ok);
        QCOMPARE(std::bit_cast<std::uint64_t>(read.value), std::bit_cast<std::uint64_t>(want));
    };
    std::mt19937_64 random(20261210);
    for (int i = 0; i < 30000 && !QTest::currentTestFailed(); ++i) {
        if (i % 10000 == 0)
            QVERIFY2(std::setlocale(LC_ALL, kLocales[i / 10000]), missing(kLocales[i / 10000]));
        const double x = std::fabs(std::bit_cast<double>(i % 2 ? random() : random() >> 12));
        const std::int64_t tie = 1000000000000005 + std::int64_t(random() % 900000000000000) * 10;
        const double near =
            parseNumberText(std::to_string(tie) + "E" + std::to_string(i % 640 - 330)).value;
        for (double y : {x, near, std::nextafter(near, 0.0), std::nextafter(near, 1e308),
                         double(tie / 10) + 0.5})
            if (std::isfinite(y) && y != 0.0)
                QCOMPARE(formatNumberText(y), german(chars(y, std::chars_format::general, 15)));
        if (!std::isfinite(x))
            continue;
        readsAsFromChars(chars(x, std::chars_format::scientific, 15 + i % 6));
        const long double halfway = (x + std::nextafter(x, HUGE_VAL)) / 2.0L;
        if (i % 3 != 0 || !std::isfinite(halfway) || std::numeric_limits<long double>::digits <= 53)
            continue;
        std::string exact = chars(halfway, std::chars_format::scientific, 770);
        const std::size_t e = exact.find_last_not_of('0', exact.find('e') - 1) + 1;
        exact.erase(e, exact.find('e') - e);
        readsAsFromChars(exact);
        readsAsFromChars(exact.substr(0, e) + "1" + exact.substr(e));
        readsAsFromChars(exact.substr(0, std::min<std::size_t>(e, 27)) + exact.substr(e));
    }
#else
    QSKIP("the standard library has no floating-point <charconv>");
#endif
}

void TestNumberText::arithmeticFaults_data() {
    QTest::addColumn<char>("op");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<ErrorKind>("kind");
    const double max = std::numeric_limits<double>::max();
    QTest::newRow("division by zero") << '/' << 8.3 << 0.0 << ErrorKind::DivisionByZero;
    QTest::newRow("negative by zero") << '/' << -1.0 << 0.0 << ErrorKind::DivisionByZero;
    QTest::newRow("0 by 0") << '/' << 0.0 << 0.0 << ErrorKind::InvalidOperation;
    QTest::newRow("0 by minus 0") << '/' << 0.0 << -0.0 << ErrorKind::InvalidOperation;
    QTest::newRow("quotient overflows") << '/' << 1e300 << 1e-300 << ErrorKind::Overflow;
    QTest::newRow("product overflows") << '*' << max << 2.0 << ErrorKind::Overflow;
    QTest::newRow("difference overflows") << '-' << max << -max << ErrorKind::Overflow;
}

void TestNumberText::arithmeticFaults() {
    QFETCH(char, op);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(ErrorKind, kind);
    const Checked got = op == '/'   ? checkedDiv(a, b)
                        : op == '*' ? checkedMul(a, b)
                                    : checkedSub(a, b);
    QCOMPARE(got.error, std::optional<ErrorKind>(kind));
    // Underflow is no fault: it rounds towards zero.
    QCOMPARE(checkedMul(1e-300, 1e-300).value, 0.0);
    QVERIFY(!checkedDiv(1e-300, 1e300).error);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_number_text.moc"
