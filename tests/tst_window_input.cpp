// SPDX-License-Identifier: GPL-3.0-or-later
// The user's hands on the real window: clicks on option buttons, typing, pasting, "Neu".
#include <optional>

#include <QAccessible>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QRadioButton>

#include "tests/box_catcher.h"
#include "tests/window_fixture.h"

using namespace kalvoran;

namespace {

// A point on the indicator, where a user clicks an option button.
QPoint nearIndicator(QWidget* button) { return QPoint(6, button->height() / 2); }

} // namespace

class TestWindowInput : public QObject, WindowUnderTest {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void resultShowsItsLeadingDigits();
    void clickOnTheCaptionSelectsToo();
    void clickOnSelectedButtonWritesAgain();
    void typing_data();
    void typing();
    void nonAsciiCharactersAreSwallowed();
    void keysWithModifiers_data();
    void keysWithModifiers();
    void inputMethodCommitIsFiltered();
    void pasteIsNotFiltered();
    void longPasteIsKeptWhole_data();
    void longPasteIsKeptWhole();
    void deleteAndBackspaceEdit();
    void resetLeavesTheFocusOnNeu();
    void accessibleActionsAreClicks_data();
    void accessibleActionsAreClicks();
    void nothingChangesBehindABox_data();
    void nothingChangesBehindABox();
    void lockedFieldRefusesAccessibleEdits();

private:
    // What voice control or switch access does: the control's accessible action.
    void act(const char* name, const QString& action) {
        QAccessible::queryAccessibleInterface(control(m_window, name))
            ->actionInterface()
            ->doAction(action);
        QCoreApplication::processEvents(); // the click is queued
    }
    QLineEdit* field(const char* name) { return control<QLineEdit>(m_window, name); }
    void click(const char* option) {
        QWidget* button = control(m_window, option);
        QTest::mouseClick(button, Qt::LeftButton, {}, nearIndicator(button));
    }
};

void TestWindowInput::init() { QVERIFY(open()); }

void TestWindowInput::cleanup() { close(); }

// The leading digits of a long result are the ones in view; a preset leaves the result as it was.
void TestWindowInput::resultShowsItsLeadingDigits() {
    click("opt12v");
    click("ledrot");
    click("verbr2");
    QTest::mouseClick(control(m_window, "berechnen"), Qt::LeftButton);
    QCOMPARE(field("Text4")->cursorPosition(), 0);
    click("lüft9v");
    QCOMPARE(field("Text4")->text(), QString("276,666666666667"));
}

void TestWindowInput::clickOnTheCaptionSelectsToo() {
    QWidget* belanz = control(m_window, "belanz");
    field("Text3")->setText("7");
    QTest::mouseClick(belanz, Qt::LeftButton, {}, QPoint(belanz->width() - 3, 3));
    QVERIFY(control<QRadioButton>(m_window, "belanz")->isChecked());
    QCOMPARE(field("Text3")->text(), QString());
}

void TestWindowInput::clickOnSelectedButtonWritesAgain() {
    click("opt33");
    field("Text1")->setText("4");
    click("opt33");
    QCOMPARE(field("Text1")->text(), QString("3,3"));
}

void TestWindowInput::typing_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::newRow("letters, signs, point, blank") << "Text1"
                                                  << "1a.2-+ E3e"
                                                  << "123";
    QTest::newRow("two commas taken") << "Text3"
                                      << ",,1"
                                      << ",,1";
    QTest::newRow("punctuation") << "Text5"
                                 << "2!\"#$%&'()*/:;<=>?@[\\]^_`{|}~0"
                                 << "20";
    QTest::newRow("a screen reader's run over the whole text") << "Text5"
                                                               << "30"
                                                               << "30";
}

void TestWindowInput::typing() {
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QLineEdit* edit = this->field(field.toUtf8().constData());
    edit->setFocus();
    BoxCatcher boxes;
    QTest::keyClicks(edit, keys);
    for (auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(edit, key);
    QCOMPARE(edit->text(), text);
    QCOMPARE(edit->cursorPosition(), text.size());
    // Orca reads a field by its attribute runs: one over the whole text.
    int start = -1, end = -1;
    QAccessible::queryAccessibleInterface(edit)->textInterface()->attributes(int(text.size()) - 1,
                                                                             &start, &end);
    QCOMPARE(std::pair(start, end), std::pair(0, int(text.size())));
    QVERIFY(boxes.seen.isEmpty());
    QVERIFY(m_window->isVisible());
}

// QTest::keyClicks() cannot send these; a key event carrying the text can.
void TestWindowInput::nonAsciiCharactersAreSwallowed() {
    QLineEdit* edit = field("Text1");
    edit->setFocus();
    QTest::keyClicks(edit, "1");
    for (const char* typed : {"ä", "ß", "€", "µ", "²", "½", "٣", "😀"})
        QTest::sendKeyEvent(QTest::KeyAction::Click, edit, Qt::Key_unknown,
                            QString::fromUtf8(typed), Qt::NoModifier);
    QTest::keyClicks(edit, "2");
    QCOMPARE(edit->text(), QString("12"));
}

// Whatever modifiers are held, a key that carries text is judged; the line edit inserts the
// text of most such combinations.
void TestWindowInput::keysWithModifiers_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Qt::KeyboardModifiers>("held");
    QTest::addColumn<bool>("taken");
    const Qt::KeyboardModifiers ctrlKeypad = Qt::ControlModifier | Qt::KeypadModifier;
    const Qt::KeyboardModifiers ctrlMeta = Qt::ControlModifier | Qt::MetaModifier;
    const Qt::KeyboardModifiers ctrlAltGr =
        Qt::ControlModifier | Qt::AltModifier | Qt::GroupSwitchModifier;
    QTest::newRow("Text1: Ctrl+keypad minus")
        << "Text1" << int(Qt::Key_Minus) << "-" << ctrlKeypad << false;
    QTest::newRow("Text2: Ctrl+keypad decimal point")
        << "Text2" << int(Qt::Key_Period) << "." << ctrlKeypad << false;
    QTest::newRow("Text3: Ctrl+keypad plus")
        << "Text3" << int(Qt::Key_Plus) << "+" << ctrlKeypad << false;
    QTest::newRow("Text5: Ctrl+keypad divide")
        << "Text5" << int(Qt::Key_Slash) << "/" << ctrlKeypad << false;
    QTest::newRow("Text1: Ctrl+Super+minus")
        << "Text1" << int(Qt::Key_Minus) << "-" << ctrlMeta << false;
    QTest::newRow("Text2: Ctrl+Super+ä")
        << "Text2" << int(Qt::Key_Adiaeresis) << "ä" << ctrlMeta << false;
    QTest::newRow("Text3: Ctrl+Meta+letter")
        << "Text3" << int(Qt::Key_E) << "e" << ctrlMeta << false;
    QTest::newRow("Text5: Ctrl+AltGr+e, euro")
        << "Text5" << int(Qt::Key_E) << "€" << ctrlAltGr << false;
    QTest::newRow("Text1: Ctrl+AltGr+2, squared")
        << "Text1" << int(Qt::Key_2) << "²" << ctrlAltGr << false;
    QTest::newRow("Text2: Ctrl+Shift, zero-width joiner")
        << "Text2" << int(Qt::Key_unknown) << QString(QChar(0x200D))
        << (Qt::ControlModifier | Qt::ShiftModifier) << false;
    QTest::newRow("Text3: Ctrl+keypad digit is a digit")
        << "Text3" << int(Qt::Key_7) << "7" << ctrlKeypad << true;
    QTest::newRow("Text5: AltGr comma is a comma")
        << "Text5" << int(Qt::Key_Comma) << "," << ctrlAltGr << true;
}

void TestWindowInput::keysWithModifiers() {
    QFETCH(QString, field);
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(Qt::KeyboardModifiers, held);
    QFETCH(bool, taken);
    QLineEdit* edit = this->field(field.toUtf8().constData());
    edit->setFocus();
    QTest::keyClicks(edit, "1");
    QTest::sendKeyEvent(QTest::KeyAction::Click, edit, Qt::Key(key), text, held);
    QTest::keyClicks(edit, "2");
    QCOMPARE(edit->text(), taken ? "1" + text + "2" : QString("12"));
}

// A dead acute then "e" commits "é" without a key press; the field judges it like a typed key.
void TestWindowInput::inputMethodCommitIsFiltered() {
    QLineEdit* edit = field("Text5");
    edit->setFocus();
    for (const char* commit : {"é", "5", "ñ,", "7"}) {
        QInputMethodEvent event;
        event.setCommitString(QString::fromUtf8(commit));
        QApplication::sendEvent(edit, &event);
    }
    QCOMPARE(edit->text(), QString("5,7"));
}

void TestWindowInput::pasteIsNotFiltered() {
    QLineEdit* edit = field("Text2");
    edit->setFocus();
    QApplication::clipboard()->setText("-1.5 V");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), QString("-1.5 V"));
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier); // undo is a command too
    QCOMPARE(edit->text(), QString());
    QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(edit->text(), QString("-1.5 V"));
    // Each line break a blank, the caret behind the paste.
    QApplication::clipboard()->setText(QString::fromUtf8("12\r\n34\u2028"
                                                         "5"));
    edit->setCursorPosition(2);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), QString("-112 34 5.5 V"));
    QCOMPARE(edit->cursorPosition(), 9);
}

// Nothing pasted is ever cut: a value of more digits than a line edit takes by default is kept
// whole and judged as the number it is.
void TestWindowInput::longPasteIsKeptWhole_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("boxText");
    QTest::newRow("32766 zeros, then 30: still 30 mA") << QString(32766, '0') + "30"
                                                       << "276,666666666667"
                                                       << "";
    QTest::newRow("40000 digits: too large") << QString(40000, '7') << ""
                                             << "Der Wert im Feld „Strom“ liegt außerhalb des "
                                                "Zahlenbereichs, mit dem sich rechnen lässt.";
}

void TestWindowInput::longPasteIsKeptWhole() {
    QFETCH(QString, pasted);
    QFETCH(QString, result);
    QFETCH(QString, boxText);
    click("opt12v");
    click("ledrot");
    click("verbr2");
    QLineEdit* edit = field("Text5");
    edit->selectAll();
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), pasted);

    BoxCatcher boxes;
    QTest::mouseClick(control(m_window, "berechnen"), Qt::LeftButton);
    QCOMPARE(field("Text4")->text(), result);
    QCOMPARE(boxes.seen.size(), boxText.isEmpty() ? 0 : 1);
    if (!boxText.isEmpty())
        QCOMPARE(boxes.seen[0].text, boxText);
}

void TestWindowInput::deleteAndBackspaceEdit() {
    QLineEdit* edit = field("Text3");
    edit->setFocus();
    QTest::keyClicks(edit, "1234");
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClick(edit, Qt::Key_Right);
    QTest::keyClicks(edit, ",");
    QCOMPARE(edit->text(), QString("2,3"));
}

// "Neu" moves the focus nowhere: it stays where the click put it.
void TestWindowInput::resetLeavesTheFocusOnNeu() {
    click("opt24");
    field("Text2")->setFocus();
    QTest::mouseClick(control(m_window, "neurechnen"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), control(m_window, "neurechnen"));
}

// Through AT-SPI's Press and Toggle an option button runs its handler exactly as a click does.
void TestWindowInput::accessibleActionsAreClicks_data() {
    QTest::addColumn<QString>("action");
    QTest::newRow("Press") << QAccessibleActionInterface::pressAction();
    QTest::newRow("Toggle") << QAccessibleActionInterface::toggleAction();
}

void TestWindowInput::accessibleActionsAreClicks() {
    QFETCH(QString, action);
    click("opt12v");
    click("lednor");
    click("verbr2");
    act("ledrot", action);
    QVERIFY(!control<QRadioButton>(m_window, "lednor")->isChecked());
    QCOMPARE(field("Text2")->text(), QString("1,85"));
    QCOMPARE(field("Text5")->text(), QString("30"));
    act("ledrot", action); // stays selected
    QVERIFY(control<QRadioButton>(m_window, "ledrot")->isChecked());
    act("berechnen", QAccessibleActionInterface::pressAction());
    QCOMPARE(field("Text4")->text(), QString("276,666666666667"));
}

// While a box is open, and once the window is closed, what a screen reader, voice control or
// switch access asks changes nothing: no handler runs, no field's text, no option.
void TestWindowInput::nothingChangesBehindABox_data() {
    QTest::addColumn<QString>("opener"); // the command button clicked first
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("request");
    const auto row = [](const char* opener, const char* target, const char* request) {
        QTest::addRow("%s, then %s %s", opener, request, target) << opener << target << request;
    };
    for (const char* button : {"neurechnen", "berechnen", "hilfe", "beenden", "ledrot"})
        row("hilfe", button, "Press");
    row("berechnen", "lüft9v", "Toggle");
    row("hilfe", "Text1", "insertText");
    row("hilfe", "Text5", "deleteText");
    row("hilfe", "Text2", "replaceText");
    row("berechnen", "Text1", "replaceText");
    row("berechnen", "Text5", "insertText");
    row("berechnen", "Text2", "deleteText");
    row("berechnen", "Text3", "Value");
    row("beenden", "Text1", "insertText");
    row("beenden", "Text5", "replaceText");
    row("beenden", "opt5v", "Press");
}

void TestWindowInput::nothingChangesBehindABox() {
    QFETCH(QString, opener);
    QFETCH(QString, target);
    QFETCH(QString, request);
    field("Text1")->setText("12");
    field("Text2")->setText("3"); // Text3 stays empty, so "Berechnen" refuses with a message
    field("Text5")->setText("20");
    const auto state = [this] {
        QStringList texts;
        for (auto* edit : m_window->findChildren<QLineEdit*>())
            texts << edit->objectName() + "=" + edit->text();
        for (auto* option : m_window->findChildren<QRadioButton*>())
            if (option->isChecked())
                texts << option->objectName();
        return texts;
    };
    const QStringList before = state();
    const auto ask = [&] {
        QAccessibleInterface* a =
            QAccessible::queryAccessibleInterface(control(m_window, qPrintable(target)));
        QAccessibleEditableTextInterface* edit = a->editableTextInterface();
        if (request == "Press" || request == "Toggle")
            a->actionInterface()->doAction(request);
        else if (request == "Value")
            a->setText(QAccessible::Value, "7");
        else if (!edit)
            QFAIL("no editable text");
        else if (request == "insertText")
            edit->insertText(0, "9");
        else if (request == "deleteText")
            edit->deleteText(0, 1);
        else if (request == "replaceText") // AT-SPI's SetTextContents
            edit->replaceText(0, a->textInterface()->characterCount(), "7");
        QCoreApplication::processEvents(); // a click is queued
    };
    std::optional<BoxCatcher> boxes;
    int asked = 0;
    if (opener == "beenden") {
        QTest::mouseClick(control(m_window, "beenden"), Qt::LeftButton);
        QVERIFY(!m_window->isVisible());
        ask();
    } else {
        QTimer::singleShot(0, this, [&] {
            ++asked;
            ask();
            boxes.emplace(); // closes this box, and any other that opened
        });
        QTest::mouseClick(control(m_window, qPrintable(opener)), Qt::LeftButton);
        QCOMPARE(asked, 1);
        QVERIFY(m_window->isVisible());
        QCOMPARE(boxes->seen.size(), 1);
    }
    QCOMPARE(state(), before);
}

// The result field can be read, selected and copied from outside, never written; an input
// field's accessible edit is like a paste, unfiltered.
void TestWindowInput::lockedFieldRefusesAccessibleEdits() {
    m_window->host().setText(Field::Text4, "75");
    QAccessibleInterface* result = QAccessible::queryAccessibleInterface(field("Text4"));
    QVERIFY(!result->editableTextInterface());
    QVERIFY(!result->state().editable);
    QVERIFY(result->state().readOnly);
    QCOMPARE(result->textInterface()->text(0, 2), QString("75"));
    const QRect five = result->textInterface()->characterRect(1);
    QVERIFY2(result->rect().contains(five) &&
                 five.left() > result->textInterface()->characterRect(0).left(),
             "the second digit to the right of the first, inside the field");
    result->textInterface()->setSelection(0, 0, 2);
    QCOMPARE(field("Text4")->selectedText(), QString("75"));
    QAccessible::queryAccessibleInterface(field("Text1"))
        ->editableTextInterface()
        ->insertText(0, "-1.5");
    QCOMPARE(field("Text1")->text(), QString("-1.5"));
}

KALVORAN_WINDOW_TEST_MAIN(TestWindowInput)
#include "tst_window_input.moc"
