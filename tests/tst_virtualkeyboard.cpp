// The on-screen keyboard, driven the way an operator drives it: keys are
// tapped by object name and the test reads the text area and getText().
#include "appsetup.h"
#include "virtualkeyboard.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

class TestVirtualKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setupApplication(); }

    void typing_data();
    void typing();
    void closing_data();
    void closing();
    void keysAreLargeEnoughAndFindTheirPictures();
};

namespace {

QPushButton *key(const QWidget &keyboard, const QString &name)
{
    return keyboard.findChild<QPushButton *>(QStringLiteral("but_") + name);
}

QPlainTextEdit *textArea(const QWidget &keyboard)
{
    return keyboard.findChild<QPlainTextEdit *>(QStringLiteral("textEdit"));
}

// Taps the keys in order; "@n" first puts the caret at position n, as a tap
// into the text area does.
bool tap(const QWidget &keyboard, const QStringList &keys)
{
    for (const QString &name : keys) {
        if (name.startsWith(QLatin1Char('@'))) {
            QTextCursor cursor = textArea(keyboard)->textCursor();
            cursor.setPosition(name.mid(1).toInt());
            textArea(keyboard)->setTextCursor(cursor);
            continue;
        }
        QPushButton *button = key(keyboard, name);
        if (!button)
            return false;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    return true;
}

} // namespace

void TestVirtualKeyboard::typing_data()
{
    QTest::addColumn<QString>("preset"); // null: setText is not called
    QTest::addColumn<bool>("special");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("text");    // what the text area shows
    QTest::addColumn<QString>("result");  // getText()
    QTest::addColumn<QString>("labels");  // but_A, but_1, but_Underline afterwards

    const QString none;
    QTest::newRow("fresh") << none << false << QStringList() << "" << "" << "A1_";
    QTest::newRow("capital first letter") << none << false << QStringList{"H", "A", "L", "L", "O"}
                                          << "Hallo" << "Hallo" << "a1_";
    QTest::newRow("any first character drops the layer") << none << false << QStringList{"3", "B"}
                                                          << "3b" << "3b" << "a1_";
    QTest::newRow("preset name stays upper case") << "PP" << false << QStringList{"A", "1"}
                                                  << "PPA1" << "PPA1" << "A1_";
    QTest::newRow("deleting to one character keeps the layer") << "AB" << false << QStringList{"Del", "C"}
                                                               << "AC" << "AC" << "A1_";
    QTest::newRow("deleting all, then typing one character") << "AB" << false << QStringList{"Del", "Del", "C", "D"}
                                                             << "Cd" << "Cd" << "a1_";
    QTest::newRow("shift back to upper case") << none << false << QStringList{"H", "Shift", "I"}
                                              << "HI" << "HI" << "A1_";
    QTest::newRow("shift before the first character") << none << false << QStringList{"Shift", "H", "I"}
                                                      << "hi" << "hi" << "a1_";
    QTest::newRow("special characters on the lower layer") << none << true
                                                           << QStringList{"H", "0", "1", "9", "Underline", "Minus"}
                                                           << "H?!@=-" << "H?!@=-" << "a!=";
    QTest::newRow("special characters not on the upper layer") << "AB" << true << QStringList{"1", "Underline"}
                                                               << "AB1_" << "AB1_" << "A1_";
    QTest::newRow("insert in the middle") << "Hnt" << false << QStringList{"@1", "Y", "D", "R", "A"}
                                          << "HYDRAnt" << "HYDRAnt" << "A1_";
    QTest::newRow("insert at the start") << "ydrant" << false << QStringList{"@0", "H"}
                                         << "Hydrant" << "Hydrant" << "A1_";
    QTest::newRow("delete in the middle moves the caret back") << "Hydrannt" << false
                                                               << QStringList{"@6", "Del", "X"}
                                                               << "HydraXnt" << "HydraXnt" << "A1_";
    QTest::newRow("delete at the start") << "AB" << false << QStringList{"@0", "Del", "C"}
                                         << "CAB" << "CAB" << "A1_";
    QTest::newRow("blanks outside trimmed, inside kept") << "  Main  St  " << false << QStringList()
                                                         << "  Main  St  " << "Main  St" << "A1_";
    QTest::newRow("typed blanks") << none << false << QStringList{"Space", "A", "Space", "B", "Space"}
                                  << " a b " << "a b" << "a1_";
    QTest::newRow("enter adds a line at the end") << "Hydrant 3" << false << QStringList{"@0", "Enter", "X"}
                                                  << "Hydrant 3\nX" << "Hydrant 3\nX" << "A1_";
}

void TestVirtualKeyboard::typing()
{
    QFETCH(QString, preset);
    QFETCH(bool, special);
    QFETCH(QStringList, keys);
    QFETCH(QString, text);
    QFETCH(QString, result);
    QFETCH(QString, labels);

    VirtualKeyboard keyboard;
    keyboard.show();
    QVERIFY(QTest::qWaitForWindowActive(&keyboard));
    if (!preset.isNull())
        keyboard.setText(preset);
    keyboard.enableSpecialChar(special);
    QVERIFY(tap(keyboard, keys));

    QCOMPARE(textArea(keyboard)->toPlainText(), text);
    QCOMPARE(keyboard.getText(), result);
    const QString shown = key(keyboard, QStringLiteral("A"))->text() + key(keyboard, QStringLiteral("1"))->text()
                          + key(keyboard, QStringLiteral("Underline"))->text();
    QCOMPARE(shown, labels);
    QCOMPARE(key(keyboard, QStringLiteral("Minus"))->text(), QStringLiteral("-"));
    // The caret stays in the text area whatever was tapped.
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(textArea(keyboard)));
}

void TestVirtualKeyboard::closing_data()
{
    QTest::addColumn<bool>("enterAsAccept");
    QTest::addColumn<QString>("action"); // a key's name, or "press"/"release" of a key code
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<int>("result"); // -1: still open
    QTest::addColumn<QString>("text");

    const int open = -1;
    QTest::newRow("accept") << false << "Accept" << 0 << int(QDialog::Accepted) << "Hydrant 3";
    QTest::newRow("cancel") << false << "Close" << 0 << int(QDialog::Rejected) << "Hydrant 3";
    QTest::newRow("enter accepts") << true << "Enter" << 0 << int(QDialog::Accepted) << "Hydrant 3";
    QTest::newRow("enter without accept mode") << false << "Enter" << 0 << open << "Hydrant 3\n";
    QTest::newRow("escape press ignored") << false << "press" << int(Qt::Key_Escape) << open << "Hydrant 3";
    QTest::newRow("escape release rejects") << true << "release" << int(Qt::Key_Escape)
                                            << int(QDialog::Rejected) << "Hydrant 3";
    QTest::newRow("power key press ignored") << false << "press" << int(Qt::Key_F11) << open << "Hydrant 3";
    QTest::newRow("return press ignored") << false << "press" << int(Qt::Key_Return) << open << "Hydrant 3";
}

void TestVirtualKeyboard::closing()
{
    QFETCH(bool, enterAsAccept);
    QFETCH(QString, action);
    QFETCH(int, keyCode);
    QFETCH(int, result);
    QFETCH(QString, text);

    VirtualKeyboard keyboard;
    keyboard.setText(QStringLiteral("Hydrant 3"));
    keyboard.useEnterAsAccept(enterAsAccept);
    QSignalSpy finished(&keyboard, &QDialog::finished);
    keyboard.open();
    QVERIFY(QTest::qWaitForWindowActive(&keyboard));
    // Hardware keys reach the focused widget, the text area.
    if (action == QLatin1String("press"))
        QTest::keyPress(textArea(keyboard), Qt::Key(keyCode));
    else if (action == QLatin1String("release"))
        QTest::keyRelease(textArea(keyboard), Qt::Key(keyCode));
    else
        QTest::mouseClick(key(keyboard, action), Qt::LeftButton);

    QCOMPARE(keyboard.isVisible(), result == -1);
    QCOMPARE(finished.count(), result == -1 ? 0 : 1);
    if (result != -1)
        QCOMPARE(finished.first().first().toInt(), result);
    QCOMPARE(textArea(keyboard)->toPlainText(), text);
}

// A finger must hit every key, and a picture key without its picture would
// be a blank grey key.
void TestVirtualKeyboard::keysAreLargeEnoughAndFindTheirPictures()
{
    VirtualKeyboard keyboard;
    keyboard.show();
    QVERIFY(QTest::qWaitForWindowExposed(&keyboard));
    QCOMPARE(keyboard.size(), QSize(480, 272));

    const QList<QPushButton *> keys = keyboard.findChildren<QPushButton *>();
    QCOMPARE(keys.size(), 44);
    int pictures = 0;
    QVector<QRect> taken;
    for (QPushButton *k : keys) {
        const QRect r(k->mapTo(&keyboard, QPoint(0, 0)), k->size());
        QVERIFY2(k->width() >= 40 && k->height() >= 36, qPrintable(k->objectName()));
        QVERIFY2(keyboard.rect().contains(r), qPrintable(k->objectName()));
        for (const QRect &other : taken)
            QVERIFY2(!other.intersects(r), qPrintable(k->objectName()));
        taken << r;

        const QRegularExpression url(QStringLiteral("url\\(([^)]+)\\)"));
        auto it = url.globalMatch(k->styleSheet());
        if (it.hasNext())
            ++pictures;
        while (it.hasNext()) {
            const QString file = it.next().captured(1);
            QVERIFY2(QFile::exists(file), qPrintable(k->objectName() + QLatin1Char(' ') + file));
        }
    }
    QCOMPARE(pictures, 6);
}

QTEST_MAIN(TestVirtualKeyboard)
#include "tst_virtualkeyboard.moc"
