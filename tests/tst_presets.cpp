// SPDX-License-Identifier: GPL-3.0-or-later
// Presets, entry filter and reset through the host without a window. The expected writes are
// spelled out here from the program's description, not taken from the program's own tables.
#include <QTest>

#include "core/handlers.h"
#include "tests/memory_host.h"

using namespace kalvoran;

namespace {

using Log = std::vector<std::string>;

const std::vector<std::string> kConsumers{"ledgelb", "ledgrün", "ledrot",   "leduv",
                                          "ledweiß", "ledblau", "belverbr", "lednor",
                                          "lüft5v",  "lüft7v",  "lüft9v"};

Option optionNamed(const std::string& name) {
    for (const OptionInfo& o : kOptions)
        if (name == o.name)
            return o.option;
    qFatal("no option %s", name.c_str());
}

// A host as the window is: option buttons run their handlers when selected.
struct BoundHost : MemoryHost {
    BoundHost() { bindOptionHandlers(*this); }
    // What a click does: select the button (which runs its handler).
    void click(const std::string& name) { setValue(optionNamed(name), true); }
    void fill() {
        for (Field f : {Field::Text1, Field::Text2, Field::Text3, Field::Text4, Field::Text5})
            type(f, "x");
    }
};

std::vector<std::string> allTexts(const MemoryHost& host) {
    std::vector<std::string> texts;
    for (const FieldInfo& f : kFields)
        texts.push_back(host.text(f.field));
    return texts;
}

Log falses(std::initializer_list<const char*> names) {
    Log log;
    for (const char* n : names)
        log.push_back(std::string(n) + "=false");
    return log;
}

Log concat(Log a, const Log& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

Q_DECLARE_METATYPE(Log)

class TestPresets : public QObject {
    Q_OBJECT
private slots:
    void presetWrites_data();
    void presetWrites();
    void oneConsumerSelected();
    void anyConsumerChoosesAnyCurrent();
    void everyHandlerIsIdempotent();
    void resetSteps();
    void resetFromStartState();
    void entryFilter();
};

// Each click: the host selects the button, then its handler writes and clears, in this order.
void TestPresets::presetWrites_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<Log>("writes");
    const Log ledClears = falses({"lednor", "belverbr", "lüft5v", "lüft7v", "lüft9v"});
    const Log fanClears = falses(
        {"ledgelb", "ledgrün", "ledrot", "leduv", "ledweiß", "ledblau", "belverbr", "lednor"});
    const Log ledAndFanClears = falses({"ledgelb", "ledgrün", "ledrot", "leduv", "ledweiß",
                                        "ledblau", "lüft5v", "lüft7v", "lüft9v"});
    // The button's own selection first, then what its handler writes.
    const auto row = [](const char* button, const Log& writes) {
        QTest::newRow(button) << QString::fromUtf8(button)
                              << concat({std::string(button) + "=true"}, writes);
    };
    row("opt5v", {"Text1=5"});
    row("opt12v", {"Text1=12"});
    row("opt10", {"Text1=10"});
    row("opt33", {"Text1=3,3"});
    row("opt24", {"Text1=24"});
    row("opt30", {"Text1=30"});
    row("belque", {"Text1="});
    row("verbr1", {"Text3=1"});
    row("verbr2", {"Text3=2"});
    row("verbr3", {"Text3=3"});
    row("verbr4", {"Text3=4"});
    row("verbr5", {"Text3=5"});
    row("verbr6", {"Text3=6"});
    row("belanz", {"Text3="});
    // The button checked at start is cleared as the other of its frame is selected.
    QTest::newRow("strombel") << QString("strombel")
                              << Log{"stromueber=false", "strombel=true", "Text5="};
    row("stromueber", {});
    row("lednor", concat({"Text2=3", "Text5=20"}, ledAndFanClears));
    row("ledrot", concat({"Text2=1,85", "Text5=30"}, ledClears));
    row("ledgelb", concat({"Text2=2", "Text5=30"}, ledClears));
    row("ledgrün", concat({"Text2=3,3", "Text5=20"}, ledClears));
    row("ledblau", concat({"Text2=3,5", "Text5=20"}, ledClears));
    row("ledweiß", concat({"Text2=3,5", "Text5=20"}, ledClears));
    row("leduv", concat({"Text2=3,6", "Text5=20"}, ledClears));
    row("lüft5v", concat({"Text5=125", "Text2=5"}, fanClears));
    row("lüft7v", concat({"Text5=125", "Text2=7"}, fanClears));
    row("lüft9v", concat({"Text5=125", "Text2=9"}, fanClears));
    // strombel is selected, and its own handler runs, before the LEDs and fans are cleared.
    row("belverbr", concat({"Text2=", "Text5=", "stromueber=false", "strombel=true", "Text5="},
                           ledAndFanClears));
}

void TestPresets::presetWrites() {
    QFETCH(QString, button);
    QFETCH(Log, writes);
    BoundHost host;
    host.fill();
    host.click(button.toStdString());
    QCOMPARE(host.log, writes);
    QCOMPARE(host.text(Field::Text4), std::string("x")); // no preset touches the result
    QVERIFY(host.boxes.empty());
}

// Whatever consumer was selected before, after a consumer click exactly that one is selected;
// the current group is left alone except by "beliebiger Wert".
void TestPresets::oneConsumerSelected() {
    for (const std::string& before : kConsumers) {
        for (const std::string& after : kConsumers) {
            BoundHost host;
            host.click(before);
            host.click("stromueber");
            host.click(after);
            std::vector<std::string> selected;
            for (const std::string& name : host.selected())
                if (std::find(kConsumers.begin(), kConsumers.end(), name) != kConsumers.end())
                    selected.push_back(name);
            QCOMPARE(selected, std::vector<std::string>{after});
            QCOMPARE(host.value(Option::strombel), after == "belverbr");
            QCOMPARE(host.value(Option::stromueber), after != "belverbr");
        }
    }
}

void TestPresets::anyConsumerChoosesAnyCurrent() {
    BoundHost host;
    host.click("lüft7v");
    host.click("belverbr");
    QCOMPARE(host.selected(), (std::vector<std::string>{"belverbr", "strombel"}));
    QCOMPARE(host.text(Field::Text2), std::string());
    QCOMPARE(host.text(Field::Text5), std::string());
    host.click("ledblau"); // the current stays at "beliebiger Wert" while the preset fills it
    QCOMPARE(host.selected(), (std::vector<std::string>{"ledblau", "strombel"}));
    QCOMPARE(host.text(Field::Text5), std::string("20"));
    host.click("stromueber"); // takes over nothing by itself
    QCOMPARE(host.text(Field::Text5), std::string("20"));
}

// Running any handler twice gives the state that running it once gives.
void TestPresets::everyHandlerIsIdempotent() {
    for (const OptionInfo& option : kOptions) {
        BoundHost once, twice;
        for (BoundHost* host : {&once, &twice}) {
            host->fill();
            host->click("ledrot");
            host->click("opt24");
        }
        once.click(option.name);
        twice.click(option.name);
        twice.click(option.name);
        QCOMPARE(allTexts(twice), allTexts(once));
        QCOMPARE(twice.selected(), once.selected());
    }
}

void TestPresets::resetSteps() {
    BoundHost host;
    host.fill();
    for (const char* name : {"opt33", "belverbr", "verbr4", "lüft9v"})
        host.click(name);
    host.log.clear();
    neurechnen_Click(host);
    const Log expected =
        concat(concat(falses({"opt5v", "opt12v", "opt10", "opt33", "opt30", "opt24", "belque",
                              "ledgelb", "ledgrün", "ledrot", "leduv", "ledweiß", "ledblau",
                              "belverbr", "lednor", "lüft5v", "lüft7v", "lüft9v", "strombel"}),
                      {"stromueber=true", "Text1=", "Text2=", "Text3=", "Text4=", "Text5="}),
               falses({"verbr1", "verbr2", "verbr3", "verbr4", "verbr5", "verbr6", "belanz"}));
    QCOMPARE(host.log, expected);
    QCOMPARE(host.selected(), std::vector<std::string>{"stromueber"});
    QCOMPARE(allTexts(host), std::vector<std::string>(5));
}

void TestPresets::resetFromStartState() {
    BoundHost host;
    const MemoryHost start;
    neurechnen_Click(host);
    neurechnen_Click(host);
    QCOMPARE(allTexts(host), allTexts(start));
    QCOMPARE(host.selected(), start.selected());
    QVERIFY(host.boxes.empty());
}

// Of all 65536 codes exactly twelve pass, unchanged: the digits, the comma and backspace; the
// four fields judge alike.
void TestPresets::entryFilter() {
    for (auto handler : {Text1_KeyPress, Text2_KeyPress, Text3_KeyPress, Text5_KeyPress}) {
        std::vector<int> passed;
        for (int code = -32768; code <= 32767; ++code) {
            short KeyAscii = static_cast<short>(code);
            handler(KeyAscii);
            if (KeyAscii != 0) {
                QCOMPARE(int(KeyAscii), code);
                passed.push_back(code);
            }
        }
        QCOMPARE(passed, (std::vector<int>{8, 44, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57}));
    }
}

QTEST_GUILESS_MAIN(TestPresets)
#include "tst_presets.moc"
