// Measurement management as the operator uses it: paging through the list,
// opening a measurement in its screen, renaming and deleting in edit mode.
#include "appsetup.h"
#include "measmanagement.h"
#include "measmanagementedit.h"
#include "messagedialog.h"
#include "screenshot.h"
#include "settingsbutton.h"
#include "shellfixture.h"
#include "virtualkeyboard.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

const QString Meas = QStringLiteral("/media/kx500/meas/");

// Answers the modal dialogs in turn as they open: each step names the
// dialog class, the button to press and, for the keyboard, the text.
struct ModalScript
{
    struct Step
    {
        const char *dialog;
        const char *button;
        QString text;
    };
    QList<Step> steps;
    QStringList seen;
    QTimer timer;
    explicit ModalScript(QList<Step> script) : steps(std::move(script))
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || steps.isEmpty() || seen.size() > 20)
                return;
            const Step step = steps.first();
            // The select key needs the dialog active: before, the focus is elsewhere.
            if (!modal->inherits(step.dialog) || (!*step.button && !modal->isActiveWindow()))
                return;
            steps.removeFirst();
            seen << QString::fromLatin1(modal->metaObject()->className());
            if (seen.size() == 1 && qobject_cast<MeasManagementEdit *>(modal))
                saveScreenshot(modal, QStringLiteral("measmanagement-edit.png"));
            if (auto *keyboard = qobject_cast<VirtualKeyboard *>(modal); keyboard && !step.text.isNull())
                keyboard->setText(step.text);
            // No button named: the select key answers whatever has the focus.
            if (!*step.button) {
                saveScreenshot(modal, QStringLiteral("measmanagement-delete-question.png"));
                QTimer::singleShot(0, [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); });
                return;
            }
            // Clicked later: a click that opens the next dialog blocks in its
            // exec(), and this timer does not fire again while its slot runs.
            QPointer<QPushButton> button = modal->findChild<QPushButton *>(QLatin1String(step.button));
            QTimer::singleShot(0, [button] {
                if (button)
                    QTest::mouseClick(button, Qt::LeftButton);
            });
        });
        timer.start(20);
    }
};

} // namespace

Q_DECLARE_METATYPE(ModalScript::Step)

class TestMeasManagement : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        setupApplication();
        QVERIFY(installEnglish(m_english));
    }
    void cleanup() { m_shell.reset(); }

    void paging_data();
    void paging();
    void opensInItsScreen_data();
    void opensInItsScreen();
    void edit_data();
    void edit();
    void startUpClearsInterruptedStores();

private:
    MeasManagement *open(const QStringList &dirs)
    {
        m_shell = std::make_unique<ShellFixture>();
        // Oldest first, so that the list (newest first) is the reverse.
        time_t time = QDateTime::currentDateTime().addDays(-1).toSecsSinceEpoch();
        for (const QString &dir : dirs) {
            const QString info = Meas + dir + QStringLiteral("/info.ini");
            m_shell->root.write(info, "[Measurementinfo]\nMeasurementtype=x\nMeasurementname=" + dir.mid(19).toUtf8()
                                          + "\n[Levels]\nLevel=1\nLevel_1=12.5\n[Levels_CSV]\nLevels_Cnt=1\nLevels_Data=12.5;\n");
            // The list is sorted by the directories' modification time.
            const timespec times[2] = {{time, 0}, {time, 0}};
            utimensat(AT_FDCWD, QFile::encodeName(m_shell->root.file(Meas + dir)).constData(), times, 0);
            time += 60;
        }
        m_shell->main->show();
        m_shell->main->displayWidget(4, 1, 0);
        m_shell->main->displayWidget(7, 1, 0);
        return m_shell->main->findChild<MeasManagement *>();
    }
    // The list buttons the operator sees now, top to bottom.
    static QStringList shown(MeasManagement *list)
    {
        QList<SettingsButton *> buttons;
        for (SettingsButton *b : list->findChildren<SettingsButton *>()) {
            if (b->isVisible())
                buttons << b;
        }
        std::sort(buttons.begin(), buttons.end(), [](auto *a, auto *b) { return a->y() < b->y(); });
        QStringList names;
        for (SettingsButton *b : buttons)
            names << b->text2();
        return names;
    }
    static void click(QWidget *parent, const char *name)
    {
        QTest::mouseClick(parent->findChild<QPushButton *>(QLatin1String(name)), Qt::LeftButton);
    }
    QStringList entries() const
    {
        return QDir(m_shell->root.file(Meas)).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }
    void screenshot(const QString &name) { saveScreenshot(m_shell->main.get(), name); }

    std::unique_ptr<ShellFixture> m_shell;
    QTranslator m_english;
};

static QStringList levelDirs(int count)
{
    QStringList dirs;
    for (int i = 1; i <= count; ++i)
        dirs << QStringLiteral("LE_20261204_1120%1_Point %2").arg(i % 60, 2, 10, QLatin1Char('0')).arg(i);
    return dirs;
}

void TestMeasManagement::paging_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("none") << 0 << QStringList() << QString() << QStringList();
    QTest::newRow("newest first") << 5 << QStringList() << "" << QStringList{"Point 5", "Point 4", "Point 3", "Point 2", "Point 1"};
    QTest::newRow("one page does not page") << 5 << QStringList{"butMenuPageDown"} << "" << QStringList{"Point 5", "Point 4", "Point 3", "Point 2", "Point 1"};
    QTest::newRow("11: down twice reaches the last") << 11 << QStringList{"butMenuPageDown", "butMenuPageDown"} << "3/3" << QStringList{"Point 1"};
    QTest::newRow("11: down from the last wraps") << 11 << QStringList{"butMenuPageDown", "butMenuPageDown", "butMenuPageDown"} << "1/3" << QStringList{"Point 11", "Point 10", "Point 9", "Point 8", "Point 7"};
    QTest::newRow("11: up from the first wraps") << 11 << QStringList{"butMenuPageUp"} << "3/3" << QStringList{"Point 1"};
    QTest::newRow("105: only the newest 100") << 105 << QStringList{"butMenuPageUp"} << "20/20" << QStringList{"Point 10", "Point 9", "Point 8", "Point 7", "Point 6"};
}

void TestMeasManagement::paging()
{
    QFETCH(int, count);
    QFETCH(QStringList, clicks);
    QFETCH(QString, page);
    QFETCH(QStringList, names);

    MeasManagement *list = open(levelDirs(count));
    QVERIFY(list);
    for (const QString &button : clicks)
        click(list, qPrintable(button));
    QCOMPARE(shown(list), names);
    if (!page.isEmpty())
        QCOMPARE(list->findChild<QLabel *>(QStringLiteral("labelPage"))->text(), page);
    QCOMPARE(list->findChild<QLabel *>(QStringLiteral("labelEmpty"))->isVisible(), count == 0);
    if (count == 11 && clicks.size() == 2)
        screenshot(QStringLiteral("measmanagement.png"));
}

void TestMeasManagement::opensInItsScreen_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addColumn<int>("dialog");
    QTest::newRow("level measurement") << "LE_20261204_112005_Main St" << 1;
    QTest::newRow("pinpointing") << "PP_20261204_112005_Main St" << 3;
    QTest::newRow("H2") << "H2_20261204_112005_Main St" << 6;
    QTest::newRow("pipe locating") << "PL_20261204_112005_Main St" << 8;
    QTest::newRow("long-term") << "LT_20261204_112005_Main St" << 9;
}

void TestMeasManagement::opensInItsScreen()
{
    QFETCH(QString, dir);
    QFETCH(int, dialog);
    MeasManagement *list = open({dir});
    QVERIFY(m_shell->openStoredMeasurement(dir));
    QCOMPARE(m_shell->main->currentWidget(), dialog);
    QCOMPARE(list->getSelectedMeasurementDir(), dir);
    if (dialog == 1) {
        // The stored view's way back leads to the list again.
        click(m_shell->main.get(), "butMenuStoredBack");
        QCOMPARE(m_shell->main->currentWidget(), 7);
        QCOMPARE(shown(list), QStringList{"Main St"});
    }
}

void TestMeasManagement::edit_data()
{
    QTest::addColumn<QStringList>("dirs");
    QTest::addColumn<QList<ModalScript::Step>>("script");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("infoName"); // of the first entry of after

    const QString mainSt = QStringLiteral("PP_20261204_112005_Main St");
    const QString other = QStringLiteral("LE_20261204_113000_Hydrant 3");
    using Steps = QList<ModalScript::Step>;
    QTest::newRow("rename keeps date and time")
        << QStringList{mainSt}
        << Steps{{"MeasManagementEdit", "butEdit", {}}, {"VirtualKeyboard", "but_Accept", "Hydrant 3"}, {"MeasManagementEdit", "butAccept", {}}}
        << QStringList{"PP_20261204_112005_Hydrant 3"} << "Hydrant 3";
    QTest::newRow("cancelled keyboard renames to itself")
        << QStringList{mainSt}
        << Steps{{"MeasManagementEdit", "butEdit", {}}, {"VirtualKeyboard", "but_Close", "Other"}, {"MeasManagementEdit", "butAccept", {}}}
        << QStringList{mainSt} << "Main St";
    QTest::newRow("a path in the name stays one entry")
        << QStringList{mainSt}
        << Steps{{"MeasManagementEdit", "butEdit", {}}, {"VirtualKeyboard", "but_Accept", "../../x"}, {"MeasManagementEdit", "butAccept", {}}}
        << QStringList{"PP_20261204_112005_.._.._x"} << ".._.._x";
    QTest::newRow("the name of another measurement is refused")
        << QStringList{QStringLiteral("PP_20261204_112005_Hydrant 3"), mainSt}
        << Steps{{"MeasManagementEdit", "butEdit", {}}, {"VirtualKeyboard", "but_Accept", "Hydrant 3"}, {"MeasManagementEdit", "butAccept", {}}, {"MessageDialog", "butMiddle", {}}}
        << QStringList{"PP_20261204_112005_Hydrant 3", mainSt} << "Hydrant 3";
    QTest::newRow("delete question starts on no")
        << QStringList{mainSt}
        << Steps{{"MeasManagementEdit", "butDelete", {}}, {"MessageDialog", "", {}}, {"MeasManagementEdit", "butCancel", {}}}
        << QStringList{mainSt} << "Main St";
    QTest::newRow("delete removes only that one")
        << QStringList{other, mainSt}
        << Steps{{"MeasManagementEdit", "butDelete", {}}, {"MessageDialog", "butMiddle", {}}}
        << QStringList{other} << "Hydrant 3";
}

void TestMeasManagement::edit()
{
    QFETCH(QStringList, dirs);
    QFETCH(QList<ModalScript::Step>, script);
    QFETCH(QStringList, after);
    QFETCH(QString, infoName);

    MeasManagement *list = open(dirs);
    click(list, "butMenuEdit");
    if (dirs.size() == 2)
        screenshot(QStringLiteral("measmanagement-editmode.png"));
    ModalScript answers(script);
    // The newest (last written) is at the top.
    QList<SettingsButton *> buttons = list->findChildren<SettingsButton *>();
    auto top = std::find_if(buttons.begin(), buttons.end(), [&](SettingsButton *b) { return b->additionalInfo() == dirs.last(); });
    QVERIFY(top != buttons.end());
    QTest::mouseClick(*top, Qt::LeftButton);
    QVERIFY2(answers.steps.isEmpty(), qPrintable(answers.seen.join(QLatin1Char(','))));
    QCOMPARE(m_shell->main->currentWidget(), 7);

    QCOMPARE(entries(), after);
    QSettings info(m_shell->root.file(Meas + after.first() + QStringLiteral("/info.ini")), QSettings::IniFormat);
    QCOMPARE(info.value(QStringLiteral("Measurementinfo/Measurementname")).toString(), infoName);
    QCOMPARE(info.value(QStringLiteral("Levels/Level_1")).toString(), QStringLiteral("12.5"));
    // Nothing left the measurement root.
    QCOMPARE(QDir(m_shell->root.file(QStringLiteral("/media/kx500"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).filter(QStringLiteral("x")), QStringList());
    // The list is rebuilt and stays in edit mode.
    QCOMPARE(shown(list).size(), after.size());
}

// A save or rename cut off by a power loss: the next start tidies up, and
// what it cannot know to be a leftover is at least not listed.
void TestMeasManagement::startUpClearsInterruptedStores()
{
    const QString ok = QStringLiteral("LT_20261204_112005_ok");
    m_shell = std::make_unique<ShellFixture>([&](TestRoot &root) {
        for (const char *file : {".store-a1b2c3/info.ini", ".store-d4e5f6/.lock", "LE_20261204_112005_ok/info.ini",
                                    "LE_20261204_112005_ok/info.ini.lock", "LE_20261204_112005_ok/info.ini.Ab12Cd",
                                    "PP_20261204_112005_wav only/PP_Sound_1.wav"})
            root.write(Meas + QLatin1String(file), "x");
        QDir().mkpath(root.file(Meas + QStringLiteral("LE_20261204_112005_M4")));
        root.write(Meas + ok + QStringLiteral("/info.ini"), "[Measurementinfo]\nMeasurementname=ok\n");
    });
    QCOMPARE(QDir(m_shell->root.file(Meas)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{"LE_20261204_112005_ok", ok, "PP_20261204_112005_wav only"}));
    QCOMPARE(QDir(m_shell->root.file(Meas + QStringLiteral("LE_20261204_112005_ok"))).entryList(QDir::Files),
             QStringList{"info.ini"});
    m_shell->main->show();
    m_shell->main->displayWidget(4, 1, 0);
    m_shell->main->displayWidget(7, 1, 0);
    QCOMPARE(shown(m_shell->main->findChild<MeasManagement *>()), (QStringList{"ok", "ok"}));
}

QTEST_MAIN(TestMeasManagement)
#include "tst_measmanagement.moc"
