// SPDX-License-Identifier: GPL-3.0-or-later
// Ten thousand random user actions on the real window from a fixed seed. After each: at most
// one consumer selected, exactly one current button, no box left open, the result empty or a
// German number, the window still there.
#include <random>

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "host/number_text.h"
#include "tests/box_catcher.h"
#include "tests/window_fixture.h"

using namespace kalvoran;

class TestRandomEvents : public QObject {
    Q_OBJECT
private slots:
    void randomActions();
};

namespace {

const QStringList kConsumers{"ledgelb",  "ledgrün", "ledrot", "leduv",  "ledweiß", "ledblau",
                             "belverbr", "lednor",  "lüft5v", "lüft7v", "lüft9v"};

bool isGermanNumber(const QString& text) {
    const std::string s = text.toStdString();
    const ParseResult read = parseNumberText(s);
    return read.status == ParseStatus::Ok && formatNumberText(read.value) == s;
}

} // namespace

void TestRandomEvents::randomActions() {
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    const QList<QRadioButton*> options = window.findChildren<QRadioButton*>();
    const QList<QLineEdit*> fields = window.findChildren<QLineEdit*>();
    const QList<QPushButton*> commands{control<QPushButton>(&window, "berechnen"),
                                       control<QPushButton>(&window, "neurechnen"),
                                       control<QPushButton>(&window, "hilfe")};
    // Characters a user might type or paste: mostly what numbers are made of.
    const QString typed = QString::fromUtf8("0123456789,,,..--+ eEaäß€\t");
    const QStringList pasted{
        "12",    "1,85", "-3",  "1.5", "1E300", "1E-300", "0", ",", " ", "", "99999999999999999999",
        "3,3E2", "inf",  "nan", "0,5", "١٢"};
    const Qt::Key commandKeys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,
                                   Qt::Key_End,       Qt::Key_Return, Qt::Key_Escape};

    std::mt19937 random(20261208);
    const auto pick = [&](auto n) { return static_cast<int>(random() % unsigned(n)); };
    BoxCatcher boxes;
    const int actions = 10000;
    int resultsWritten = 0;
    for (int i = 0; i < actions; ++i) {
        const QString before = control<QLineEdit>(&window, "Text4")->text();
        switch (pick(6)) {
        case 0: { // click an option button anywhere on it
            QRadioButton* b = options[pick(options.size())];
            QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(pick(b->width()), pick(b->height())));
            break;
        }
        case 1: // a command button, but never "Beenden"
            QTest::mouseClick(commands[pick(commands.size())], Qt::LeftButton);
            break;
        case 2: { // type a character into any field
            QLineEdit* f = fields[pick(fields.size())];
            f->setFocus();
            QTest::sendKeyEvent(QTest::KeyAction::Click, f, Qt::Key_unknown,
                                typed.at(pick(typed.size())), Qt::NoModifier);
            break;
        }
        case 3: { // paste into any field
            QLineEdit* f = fields[pick(fields.size())];
            f->setFocus();
            QApplication::clipboard()->setText(pasted[pick(pasted.size())]);
            QTest::keyClick(f, Qt::Key_V, Qt::ControlModifier);
            break;
        }
        case 4: { // an editing key
            QLineEdit* f = fields[pick(fields.size())];
            f->setFocus();
            QTest::keyClick(f, commandKeys[pick(std::size(commandKeys))]);
            break;
        }
        case 5: // a calculation, for results to check
            QTest::mouseClick(commands[0], Qt::LeftButton);
            break;
        }

        int consumers = 0;
        for (const QString& name : kConsumers)
            consumers += control<QRadioButton>(&window, name.toUtf8().constData())->isChecked();
        QVERIFY2(consumers <= 1, qPrintable(QString("action %1").arg(i)));
        QVERIFY(control<QRadioButton>(&window, "strombel")->isChecked() !=
                control<QRadioButton>(&window, "stromueber")->isChecked());
        QVERIFY(!QApplication::activeModalWidget());
        const QString result = control<QLineEdit>(&window, "Text4")->text();
        QVERIFY2(result.isEmpty() || isGermanNumber(result), qPrintable(result));
        resultsWritten += !result.isEmpty() && result != before;
        QVERIFY(window.isVisible());
    }
    QMap<QString, int> byTitle;
    for (const SeenBox& box : boxes.seen)
        ++byTitle[box.title];
    qInfo("%d actions, %d new results, %d message boxes seen", actions, resultsWritten,
          int(boxes.seen.size()));
    // A run in which the calculation never got through would prove little.
    QVERIFY(resultsWritten >= actions / 500);
    for (auto it = byTitle.cbegin(); it != byTitle.cend(); ++it)
        qInfo("  %5d  %s", it.value(), qPrintable(it.key()));
}

KALVORAN_WINDOW_TEST_MAIN(TestRandomEvents)
#include "tst_random_events.moc"
