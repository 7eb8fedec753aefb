// The message dialog and the self-closing pop-up, driven as the operator
// and the hardware keys drive them.
#include "appsetup.h"
#include "messagedialog.h"
#include "popupinfo.h"
#include "shellfixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestMessageDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        setupApplication();
        // As on the device: black dialogs, so a picture shows as lit pixels.
        QVERIFY(loadStyleSheet());
    }
    void dialogType_data();
    void dialogType();
    void icon_data();
    void icon();
    void headlineFits();
    void autoClose_data();
    void autoClose();
    void escapeClosesOnReleaseOnly_data();
    void escapeClosesOnReleaseOnly();
    void popupPicture_data();
    void popupPicture();
    void popupClosesItselfAndKeepsNoKey();
    void serviceModeShowsBugPopup();
};

namespace {

void showActive(QWidget &w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

} // namespace

void TestMessageDialog::dialogType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QVector<int>>("codes"); // left, middle, right; -1 hidden
    QTest::addColumn<QVector<int>>("xs");
    QTest::newRow("0 OK") << 0 << QVector<int>{-1, 0, -1} << QVector<int>{0, 165, 0};
    QTest::newRow("1 OK Cancel") << 1 << QVector<int>{-1, 0, 1} << QVector<int>{0, 85, 245};
    QTest::newRow("2 Yes No") << 2 << QVector<int>{-1, 2, 3} << QVector<int>{0, 85, 245};
    QTest::newRow("3 Yes No Cancel") << 3 << QVector<int>{2, 3, 1} << QVector<int>{5, 165, 325};
    QTest::newRow("4 falls back") << 4 << QVector<int>{-1, 0, -1} << QVector<int>{0, 165, 0};
    QTest::newRow("-1 falls back") << -1 << QVector<int>{-1, 0, -1} << QVector<int>{0, 165, 0};
}

// Each button shown names its code, sits in its place and reports its code
// when tapped; a button of the type set before does not linger.
void TestMessageDialog::dialogType()
{
    QFETCH(int, type);
    QFETCH(QVector<int>, codes);
    QFETCH(QVector<int>, xs);
    const QStringList texts = {"OK", "Cancel", "Yes", "No"};
    const char *const names[] = {"butLeft", "butMiddle", "butRight"};

    for (int i = 0; i < 3; ++i) {
        MessageDialog dialog;
        dialog.setDialogType(3);
        dialog.setDialogType(type);
        showActive(dialog);
        auto *button = dialog.findChild<QPushButton *>(QLatin1String(names[i]));
        QCOMPARE(button->isVisible(), codes[i] >= 0);
        if (codes[i] < 0)
            continue;
        QCOMPARE(button->text(), texts[codes[i]]);
        QCOMPARE(button->geometry(), QRect(xs[i], 212, 150, 50));
        QCOMPARE(dialog.getPressedButton(), -1);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(dialog.getPressedButton(), codes[i]);
        QVERIFY(!dialog.isVisible());
    }
}

void TestMessageDialog::icon_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("name");
    QTest::newRow("0") << 0 << "Information";
    QTest::newRow("1") << 1 << "Warning";
    QTest::newRow("2") << 2 << "Error";
    QTest::newRow("3") << 3 << "Question";
    QTest::newRow("-1 falls back") << -1 << "Information";
}

void TestMessageDialog::icon()
{
    QFETCH(int, icon);
    QFETCH(QString, name);
    MessageDialog dialog;
    auto *label = dialog.findChild<QLabel *>(QStringLiteral("labelIcon"));
    label->setText(QStringLiteral("x"));
    dialog.setIcon(icon);
    const QString file = QStringLiteral(":/Resources/Icons/Tools/Messagedialog/%1.png").arg(name);
    QCOMPARE(label->styleSheet(), QStringLiteral("image: url(%1);").arg(file));
    QVERIFY(label->text().isEmpty());
    QCOMPARE(QImage(file).size(), QSize(64, 64));
}

// A long headline shrinks to fit; a short one after it gets 25 pt back.
void TestMessageDialog::headlineFits()
{
    MessageDialog dialog;
    auto *label = dialog.findChild<QLabel *>(QStringLiteral("labelHeadline"));
    for (const QString &headline : {QStringLiteral("Verbindung unterbrochen"), QStringLiteral("Warnung")}) {
        dialog.setHeadline(headline);
        QCOMPARE(label->text(), headline);
        QVERIFY(label->font().bold());
        QVERIFY(QFontMetrics(label->font()).horizontalAdvance(headline) <= label->width());
    }
    QCOMPARE(label->font().pointSize(), 25);
}

void TestMessageDialog::autoClose_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("stored");
    QTest::newRow("0 off") << 0 << -1;
    QTest::newRow("1 closes with code 4") << 1 << 1;
    QTest::newRow("86399 longest") << 86399 << 86399;
    QTest::newRow("86400 off") << 86400 << -1;
    QTest::newRow("-5 off") << -5 << -1;
}

// An invalid value also stops a timer that an earlier call started.
void TestMessageDialog::autoClose()
{
    QFETCH(int, seconds);
    QFETCH(int, stored);
    MessageDialog dialog;
    dialog.setAutoCloseTimeout(30);
    dialog.setAutoCloseTimeout(seconds);
    QCOMPARE(dialog.getAutoCloseTimeout(), stored);
    QTimer *timer = dialog.findChild<QTimer *>();
    QCOMPARE(timer->isActive(), stored > 0);
    if (stored > 0)
        QCOMPARE(timer->interval(), stored * 1000);
    if (stored == 1) {
        dialog.show();
        QTRY_COMPARE_WITH_TIMEOUT(dialog.getPressedButton(), 4, 3000);
        QVERIFY(!dialog.isVisible());
    }
}

void TestMessageDialog::escapeClosesOnReleaseOnly_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("OK only") << 0;
    QTest::newRow("Yes No Cancel") << 3;
}

// A short press of the power key arrives as an Escape release at the focused
// button; the dialog answers "Cancel" even when it shows no such button.
void TestMessageDialog::escapeClosesOnReleaseOnly()
{
    QFETCH(int, type);
    MessageDialog dialog;
    dialog.setDialogType(type);
    dialog.setAutoCloseTimeout(60);
    showActive(dialog);
    QWidget *target = QApplication::focusWidget();
    QVERIFY(qobject_cast<QPushButton *>(target));

    QTest::keyPress(target, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    QTest::keyRelease(target, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.getPressedButton(), 1);
    // Stopped, so it cannot turn the answer into 4 later.
    QVERIFY(!dialog.findChild<QTimer *>()->isActive());
}

void TestMessageDialog::popupPicture_data()
{
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("name");
    QTest::newRow("1 favourite") << 1 << "Favourite";
    QTest::newRow("2 screenshot") << 2 << "ScreenshotCamera";
    QTest::newRow("3 service connector") << 3 << "Bug";
    QTest::newRow("0 favourite") << 0 << "Favourite";
}

// The picture shows, and the repeat of the 40 px picture over the 44 px
// label stays invisible.
void TestMessageDialog::popupPicture()
{
    QFETCH(int, picture);
    QFETCH(QString, name);
    PopupInfo popup;
    popup.setPicture(picture);
    auto *label = popup.findChild<QLabel *>();
    const QString file = QStringLiteral(":/Resources/Icons/Management/Systemsettings/%1_ws_40px.png").arg(name);
    QVERIFY2(label->styleSheet().contains(QStringLiteral("url(%1)").arg(file)), qPrintable(label->styleSheet()));

    const QImage shot = label->grab().toImage();
    int lit = 0;
    for (int y = 0; y < 44; ++y) {
        for (int x = 0; x < 44; ++x) {
            const bool on = qGray(shot.pixel(x, y)) > 60;
            QVERIFY2(!on || (x < 40 && y < 40), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            lit += on;
        }
    }
    QVERIFY2(lit > 40 * 40 / 10, qPrintable(QString::number(lit)));
}

// Keys are not the pop-up's business: even the Escape release that closes a
// message dialog goes past it; its timer alone ends it, accepted.
void TestMessageDialog::popupClosesItselfAndKeepsNoKey()
{
    PopupInfo popup;
    showActive(popup);
    QElapsedTimer clock;
    clock.start();
    popup.setPicture(2);
    for (auto [type, key] : {std::pair{QEvent::KeyPress, Qt::Key_Up}, {QEvent::KeyRelease, Qt::Key_Escape}}) {
        QKeyEvent event(type, key, Qt::NoModifier);
        QApplication::sendEvent(&popup, &event);
        QVERIFY2(!event.isAccepted(), qPrintable(QString::number(key)));
    }
    QVERIFY(popup.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!popup.isVisible(), 3000);
    QVERIFY2(clock.elapsed() >= 900, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(popup.result(), int(QDialog::Accepted));
}

// Up and down held together switch the serial port to the service
// connector; the bug picture confirms it and its closing is logged.
void TestMessageDialog::serviceModeShowsBugPopup()
{
    ShellFixture shell;
    QString shown;
    QTimer::singleShot(200, [&shown] {
        if (auto *popup = qobject_cast<PopupInfo *>(QApplication::activeModalWidget()))
            shown = popup->findChild<QLabel *>()->styleSheet();
    });
    QTest::keyRelease(shell.main.get(), Qt::Key_F13);
    QVERIFY2(shown.contains(QLatin1String("/Bug_ws_40px.png")), qPrintable(shown));
    QCOMPARE(shell.log.matching(QStringLiteral("Popup closed 3")).size(), 1);
}

QTEST_MAIN(TestMessageDialog)
#include "tst_messagedialog.moc"
