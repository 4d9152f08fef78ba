// SPDX-License-Identifier: GPL-3.0-or-later
// "Berechnen" through the host without a window: results, the two messages, and every fault;
// and that a message box is the last thing any handler does.
#include <stdexcept>

#include <QTest>

#include "core/handlers.h"
#include "tests/memory_host.h"
#include "ui/binding.h"

using namespace kalvoran;

namespace {

const char* const kOld = "123"; // a result left in Text4 by an earlier calculation

struct Outcome {
    std::string text4;
    std::vector<MemoryHost::Box> boxes;
};

Outcome calculate(const QStringList& inputs) {
    MemoryHost host;
    host.type(Field::Text4, kOld);
    calculateWith(host, {inputs[0].toStdString(), inputs[1].toStdString(), inputs[2].toStdString(),
                         inputs[3].toStdString()});
    return {host.text(Field::Text4), host.boxes};
}

} // namespace

class TestCalculation : public QObject {
    Q_OBJECT
private slots:
    void results_data();
    void results();
    void refusals_data();
    void refusals();
    void faultTexts_data();
    void faultTexts();
    void messageIsTheLastAct_data() { faultTexts_data(); }
    void messageIsTheLastAct();
    void resultFieldPlaysNoPart();
    void hostFailureReported();
};

void TestCalculation::results_data() {
    QTest::addColumn<QStringList>("inputs"); // Text1, Text2, Text3, Text5
    QTest::addColumn<QString>("result");
    QTest::newRow("12 V, two red LEDs")
        << QStringList{"12", "1,85", "2", "30"} << "276,666666666667";
    QTest::newRow("5 V, one LED of 3,5 V") << QStringList{"5", "3,5", "1", "20"} << "75";
    QTest::newRow("12 V, 5 V fan") << QStringList{"12", "5", "1", "125"} << "56";
    QTest::newRow("3,3 V, just below 15") << QStringList{"3,3", "3", "1", "20"} << "15";
    QTest::newRow("fractional count used as it is") << QStringList{"12", "2", "2,5", "20"} << "350";
    QTest::newRow("half a milliampere") << QStringList{"12", "3", "1", "0,5"} << "18000";
    QTest::newRow("exactly 0 V left") << QStringList{"12", "2", "6", "30"} << "0";
    QTest::newRow("count 0 takes the source voltage") << QStringList{"12", "3", "0", "20"} << "600";
    QTest::newRow("blanks around a number") << QStringList{" 12 ", "2", "1", "20"} << "500";
    QTest::newRow("pasted negative current") << QStringList{"12", "2", "1", "-20"} << "-500";
    QTest::newRow("0 V left, negative current: no minus zero")
        << QStringList{"12", "2", "6", "-30"} << "0";
    QTest::newRow("large result in exponent form")
        << QStringList{"1E12", "0", "1", "0,001"} << "1E+18";
    QTest::newRow("D / (I / 1000): D * 1000 would overflow")
        << QStringList{"1E306", "0", "1", "1E10"} << "1E+299";
    QTest::newRow("a millionth of a milliampere")
        << QStringList{"12", "2", "1", "0,000001"} << "10000000000";
}

void TestCalculation::results() {
    QFETCH(QStringList, inputs);
    QFETCH(QString, result);
    const Outcome outcome = calculate(inputs);
    QCOMPARE(outcome.boxes.size(), std::size_t(0));
    QCOMPARE(QString::fromStdString(outcome.text4), result);
}

// Every refusal shows exactly one box and leaves the old result in Text4.
void TestCalculation::refusals_data() {
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("title");
    const QString empty = "Felder nicht ausgefüllt";
    const QString high = "Zu hohe Verbrauchsspannung";
    const QString input = "Ungültige Eingabe";
    const QString calc = "Berechnung nicht möglich";

    QTest::newRow("all empty") << QStringList{"", "", "", ""} << empty;
    QTest::newRow("source empty, others junk") << QStringList{"", ",", ",", ","} << empty;
    QTest::newRow("consumer voltage empty") << QStringList{"12", "", "2", "30"} << empty;
    QTest::newRow("count empty") << QStringList{"12", "1,85", "", "30"} << empty;
    QTest::newRow("current empty") << QStringList{"12", "1,85", "2", ""} << empty;
    QTest::newRow("more voltage than the source") << QStringList{"12", "3,3", "4", "20"} << high;
    QTest::newRow("current not read when the voltage fails")
        << QStringList{"12", "3,3", "4", ","} << high;
    QTest::newRow("only a comma") << QStringList{",", "1,85", "2", "30"} << input;
    QTest::newRow("a blank counts as filled") << QStringList{"12", " ", "2", "30"} << input;
    QTest::newRow("point refused, not read as 15") << QStringList{"12", "1.5", "2", "30"} << input;
    QTest::newRow("beyond a double") << QStringList{"1e400", "1", "2", "30"} << input;
    QTest::newRow("current not a number") << QStringList{"12", "1", "2", "3,0,0"} << input;
    QTest::newRow("current 0 with voltage left") << QStringList{"12", "1,85", "2", "0"} << calc;
    QTest::newRow("current 0 with 0 V left") << QStringList{"12", "2", "6", "0"} << calc;
    QTest::newRow("product overflows") << QStringList{"12", "1E200", "1E200", "20"} << calc;
    QTest::newRow("difference overflows") << QStringList{"1E308", "-1E308", "1", "20"} << calc;
    QTest::newRow("quotient overflows") << QStringList{"1E300", "0", "1", "1E-300"} << calc;
}

void TestCalculation::refusals() {
    QFETCH(QStringList, inputs);
    QFETCH(QString, title);
    const Outcome outcome = calculate(inputs);
    QCOMPARE(outcome.boxes.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(outcome.boxes[0].title), title);
    QCOMPARE(QString::fromStdString(outcome.text4), QString(kOld));
}

// The words of each box, and that a conversion names the first field that fails, in the order
// source voltage, count, consumer voltage, current.
void TestCalculation::faultTexts_data() {
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<int>("icon");
    QTest::newRow("empty field")
        << QStringList{"", "1", "1", "1"}
        << "Es müssen ALLE Felder ( bis auf das Ergebnisfeld ) ausgefüllt sein um diese "
           "Berechnung durchzuführen."
        << 16;
    QTest::newRow("voltage too high")
        << QStringList{"5", "3", "2", "20"}
        << "Bei Ihrer Berechnung ist ein Fehner aufgetreten. Die Spannung die Ihre Verbraucher "
           "benötigen ist größer als die Spannung, die Ihre Spannungsquelle liefert. Verringern "
           "Sie die Anzahl der Verbraucher, vergrößern Sie die Quellenspannung oder verringern "
           "Sie die Spannung pro Verbraucher."
        << 64;
    QTest::newRow("source first") << QStringList{"x", "x", "x", "x"}
                                  << "Der Wert im Feld „Quellenspannung“ ist keine gültige Zahl. "
                                     "Geben Sie eine Zahl wie 3,5 ein."
                                  << 16;
    QTest::newRow("count before consumer voltage")
        << QStringList{"12", "x", "x", "x"}
        << "Der Wert im Feld „Anzahl der Verbraucher“ ist keine gültige Zahl. Geben Sie eine "
           "Zahl wie 3,5 ein."
        << 16;
    QTest::newRow("consumer voltage")
        << QStringList{"12", "x", "1", "x"}
        << "Der Wert im Feld „Verbrauchsspannung pro Verbraucher“ ist keine gültige Zahl. Geben "
           "Sie eine Zahl wie 3,5 ein."
        << 16;
    QTest::newRow("current") << QStringList{"12", "1", "1", ","}
                             << "Der Wert im Feld „Strom“ ist keine gültige Zahl. Geben Sie eine "
                                "Zahl wie 3,5 ein."
                             << 16;
    QTest::newRow("current beyond a double") << QStringList{"12", "1", "1", "1E999"}
                                             << "Der Wert im Feld „Strom“ liegt außerhalb des "
                                                "Zahlenbereichs, mit dem sich rechnen lässt."
                                             << 16;
    QTest::newRow("source far below the range")
        << QStringList{"-1E400", "1", "1", "20"}
        << "Der Wert im Feld „Quellenspannung“ liegt außerhalb des Zahlenbereichs, mit dem sich "
           "rechnen lässt."
        << 16;
    const char* const tooSmall = "Der Strom ist zu klein, um damit einen Widerstand zu errechnen. "
                                 "Geben Sie einen größeren Strom ein.";
    QTest::newRow("current not 0, but 0 A to a double")
        << QStringList{"12", "1", "1", "1E-322"} << tooSmall << 16;
    QTest::newRow("tiny current with 0 V left is no 0 by 0")
        << QStringList{"2", "1", "2", "-1E-322"} << tooSmall << 16;
    QTest::newRow("current 0") << QStringList{"12", "1", "1", "0"}
                               << "Bei einem Strom von 0 mA lässt sich kein Widerstand errechnen. "
                                  "Geben Sie einen Strom größer als 0 ein."
                               << 16;
    QTest::newRow("0 by 0") << QStringList{"2", "1", "2", "0"}
                            << "Bei einem Strom von 0 mA und einer Restspannung von 0 Volt ist "
                               "der Widerstand unbestimmt. Geben Sie einen Strom größer als 0 ein."
                            << 16;
    QTest::newRow("overflow") << QStringList{"1E300", "0", "1", "1E-300"}
                              << "Das Ergebnis ist zu groß, um es darzustellen. Prüfen Sie die "
                                 "eingegebenen Werte."
                              << 16;
}

void TestCalculation::faultTexts() {
    QFETCH(QStringList, inputs);
    QFETCH(QString, prompt);
    QFETCH(int, icon);
    const Outcome outcome = calculate(inputs);
    QCOMPARE(outcome.boxes.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(outcome.boxes[0].prompt), prompt);
    QCOMPARE(static_cast<int>(outcome.boxes[0].icon), icon);
}

// Every handler of the binding tables, with inputs that make each message appear: after its
// box, no handler reads or writes the window, so a host may return from the box at once.
void TestCalculation::messageIsTheLastAct() {
    QFETCH(QStringList, inputs);
    QFETCH(QString, prompt);
    QStringList shown, faults;
    const auto run = [&](const QString& control, const auto& handler) {
        MemoryHost host;
        bindOptionHandlers(host);
        host.typeInputs({inputs[0].toStdString(), inputs[1].toStdString(), inputs[2].toStdString(),
                         inputs[3].toStdString()});
        host.runEvent([&] { handler(host); });
        for (const MemoryHost::Box& box : host.boxes)
            shown << QString::fromStdString(box.prompt);
        for (const std::string& call : host.afterBox())
            faults << control + " after its box: " + QString::fromStdString(call);
    };
    for (const CommandBinding& binding : kCommandBindings)
        run(QString::fromUtf8(binding.control.data(), qsizetype(binding.control.size())),
            [&](Host& host) { binding.handler(host); });
    for (const OptionInfo& option : kOptions)
        run(QString::fromUtf8(option.name),
            [&](Host& host) { host.setValue(option.option, true); });
    // They reach the window through KeyAscii alone, for now.
    for (const KeyPressBinding& binding : kKeyPressBindings)
        for (const short key : std::initializer_list<short>{'1', ',', 'x', 8, 13, 27})
            run(QString::fromUtf8(info(binding.field).name) + " KeyPress", [&](Host&) {
                short KeyAscii = key;
                binding.handler(KeyAscii);
            });
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    QVERIFY2(shown.contains(prompt), "the row's message was not shown");
}

void TestCalculation::resultFieldPlaysNoPart() {
    for (const char* before : {"", "alt", ","}) {
        MemoryHost host;
        host.type(Field::Text1, "5");
        host.type(Field::Text2, "3,5");
        host.type(Field::Text3, "1");
        host.type(Field::Text5, "20");
        host.type(Field::Text4, before);
        berechnen_Click(host);
        QCOMPARE(host.log, std::vector<std::string>{"Text4=75"});
    }
}

// A window that fails in a way of its own (a field that refuses its text) is told of in the box
// for the unexpected, and the calculation ends there.
void TestCalculation::hostFailureReported() {
    struct RefusingHost : MemoryHost {
        void write(Field, std::string_view) override { throw std::runtime_error("refused"); }
    } host;
    calculateWith(host, {"5", "3,5", "1", "20"});
    QCOMPARE(host.boxes.size(), std::size_t(1));
    QCOMPARE(host.boxes[0].title, std::string("Fehler"));
    QCOMPARE(host.boxes[0].prompt, std::string("Bei der Bearbeitung ist ein unerwarteter Fehler "
                                               "aufgetreten. Die Felder sind unverändert."));
    QCOMPARE(host.boxes[0].icon, Icon::Stop);
}

QTEST_GUILESS_MAIN(TestCalculation)
#include "tst_calculation.moc"
