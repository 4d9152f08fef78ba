// SPDX-License-Identifier: GPL-3.0-or-later
// The input rule of every host: what goes into a field of each kind of insertion, and what not.
#include <QTest>

#include "host/field_input.h"
#include "tests/memory_host.h"
#include "ui/window_model.h"

using namespace kalvoran;

class TestFieldInput : public QObject {
    Q_OBJECT
private slots:
    void inserted_data();
    void inserted();
};

// A host whose fields hold at most 20 units fast.
struct SmallHost : MemoryHost {
    std::size_t fieldCapacity() const override { return 20; }
};

void TestFieldInput::inserted_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");   // of the field, in units
    QTest::addColumn<int>("selected"); // of them
    QTest::addColumn<bool>("unloaded");
    QTest::addColumn<QString>("answer"); // null: nothing goes in
    QTest::addColumn<QString>("box");    // the title of the box that says why, if any
    const int typed = int(Insertion::Typed), pasted = int(Insertion::Pasted);
    const int t1 = int(Field::Text1);
    const QString none;
    QTest::newRow("typed, judged unit by unit")
        << t1 << typed << "a1.b2,3 x-4€5" << 0 << 0 << false << "12,345"
        << "";
    QTest::newRow("typed, nothing taken") << t1 << typed << "x" << 3 << 3 << false << none << "";
    QTest::newRow("composed") << int(Field::Text5) << int(Insertion::Composed) << "x,ä9" << 0 << 0
                              << false << ",9"
                              << "";
    QTest::newRow("typed into the result")
        << int(Field::Text4) << typed << "5" << 0 << 0 << false << none << "";
    QTest::newRow("typed, unloaded") << t1 << typed << "5" << 0 << 0 << true << none << "";
    QTest::newRow("pasted, unloaded") << t1 << pasted << "5" << 0 << 0 << true << none << "";
    QTest::newRow("pasted, unjudged") << t1 << pasted << "-1.5 V" << 0 << 0 << false << "-1.5 V"
                                      << "";
    QTest::newRow("LF") << t1 << pasted << "12\n34" << 0 << 0 << false << "12 34"
                        << "";
    QTest::newRow("CR LF, CR, LF") << t1 << pasted << "2,5\r\n7\r\r\n\n"
                                   << 0 << 0 << false << "2,5 7   "
                                   << "";
    QTest::newRow("NEL, LS, PS") << int(Field::Text3) << int(Insertion::Dropped)
                                 << "1\u00852\u20283\u2029" << 0 << 0 << false << "1 2 3 "
                                 << "";
    QTest::newRow("no-break space, euro, accessible")
        << t1 << int(Insertion::Accessible) << "\u00a05€" << 0 << 0 << false << "\u00a05€"
        << "";
    QTest::newRow("filling the field")
        << t1 << pasted << "1234567890" << 15 << 5 << false << "1234567890"
        << "";
    QTest::newRow("beyond the field's capacity")
        << t1 << pasted << "12345678901" << 15 << 5 << false << none << "Einfügen nicht möglich";
    QTest::newRow("undo") << int(Field::Text2) << int(Insertion::Undo) << "45" << 4 << 0 << false
                          << "45"
                          << "";
}

void TestFieldInput::inserted() {
    QFETCH(int, field);
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(int, length);
    QFETCH(int, selected);
    QFETCH(bool, unloaded);
    QFETCH(QString, answer);
    QFETCH(QString, box);
    SmallHost host;
    bindHandlers(host);
    if (unloaded)
        host.unload();
    const std::optional<std::u16string> got =
        insert(host, Field(field), text.toStdU16String(), Insertion(kind), std::size_t(length),
               std::size_t(selected));
    QCOMPARE(got ? QString::fromStdU16String(*got) : QString(), answer);
    QCOMPARE(host.boxes.empty() ? QString() : QString::fromStdString(host.boxes[0].title), box);
}

QTEST_GUILESS_MAIN(TestFieldInput)
#include "tst_field_input.moc"
