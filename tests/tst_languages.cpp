// Every screen and dialog in every language: no label or button text is
// wider than the widget that shows it. With KX500_SCREENSHOT_DIR set each
// one is saved as a picture (scripts/render-screens.sh).
#include "appsetup.h"
#include "backupdialog.h"
#include "bluetoothpairing.h"
#include "configuration.h"
#include "customizedialogs.h"
#include "datetimeadjust.h"
#include "displaysettings.h"
#include "filtersettings.h"
#include "firmwareupdate.h"
#include "headphonesettings.h"
#include "hearingprotection.h"
#include "languageselect.h"
#include "messagedialog.h"
#include "micsettings.h"
#include "powersaving.h"
#include "resetsettings.h"
#include "screendriver.h"
#include "screenshot.h"
#include "selectfavouritebutton.h"
#include "selectswitchmode.h"
#include "selecttimezone.h"
#include "shellfixture.h"
#include "systeminformation.h"
#include "systemsettings.h"
#include "textfit.h"
#include "virtualkeyboard.h"

#include <QStackedWidget>
#include <QtTest>

#include <functional>

namespace {

const char *const Codes[] = {"gb", "de", "fr", "it", "es", "cn", "cz", "hu", "ru", "si", "jp", "pl",
                             "pt", "ro", "sk", "se", "fi", "dk", "no", "bg", "hr", "kr", "rs", "tr"};

struct DialogMaker
{
    const char *name;
    std::function<QDialog *(QWidget *)> make;
};

template<typename D>
QDialog *plain(QWidget *parent)
{
    return new D(parent);
}

const QList<DialogMaker> &dialogs()
{
    static const QList<DialogMaker> list = {
        {"backup", plain<BackupDialog>},
        {"firmwareupdate", plain<Firmwareupdate>},
        {"configuration", plain<Configuration>},
        {"filter", plain<Filtersettings>},
        {"microphone", plain<Micsettings>},
        {"headphone", plain<Headphonesettings>},
        {"language", plain<LanguageSelect>},
        {"reset", plain<ResetSettings>},
        {"pairing", plain<BluetoothPairing>},
        {"keyboard", plain<VirtualKeyboard>},
        // The yes/no/cancel question, all three buttons shown.
        {"question", [](QWidget *p) { auto *d = new MessageDialog(p); d->setDialogType(3); return d; }},
        {"powersaving", [](QWidget *p) { auto *d = new PowerSaving(p); d->init(3600, 600); return d; }},
        {"brightness", [](QWidget *p) { auto *d = new Displaysettings(p); d->init(); return d; }},
        {"hearingprotection", [](QWidget *p) { auto *d = new HearingProtection(p); d->init(false, 0); return d; }},
        {"timezone", [](QWidget *p) { auto *d = new SelectTimezone(p); d->init(0, 13, 0); return d; }},
        {"summertime", [](QWidget *p) { auto *d = new SelectTimezone(p); d->init(1, 13, 0); return d; }},
        {"date", [](QWidget *p) { auto *d = new DateTimeAdjust(p); d->init(0, 0, 1); return d; }},
        {"time", [](QWidget *p) { auto *d = new DateTimeAdjust(p); d->init(1, 0, 1); return d; }},
        {"favourite", [](QWidget *p) { auto *d = new SelectFavouriteButton(p); d->init(2); return d; }},
        {"switchmode", [](QWidget *p) { auto *d = new SelectSwitchmode(p); d->init(QStringLiteral("Switch")); return d; }},
        {"customize", [](QWidget *p) { auto *d = new CustomizeDialogs(p); d->init(); return d; }},
        {"systeminfo", [](QWidget *p) { auto *d = new Systeminformation(p); d->init(); return d; }},
    };
    return list;
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setupApplication(); }
    void everyScreenFits_data();
    void everyScreenFits();
};

void TestLanguages::everyScreenFits_data()
{
    QTest::addColumn<int>("language");
    // scripts/render-screens.sh picks one language.
    const QString only = qEnvironmentVariable("KX500_RENDER_LANGUAGE");
    for (int n = 1; n <= 24; ++n) {
        if (only.isEmpty() || only == QLatin1String(Codes[n - 1]))
            QTest::newRow(Codes[n - 1]) << n;
    }
}

void TestLanguages::everyScreenFits()
{
    QFETCH(int, language);
    const QString code = QLatin1String(Codes[language - 1]);
    ShellFixture shell(QByteArray("[Local-Settings]\nLanguage=") + QByteArray::number(language) + '\n');
    MainMenu *main = shell.main.get();
    main->show();
    // A warning that a screen raises on the way (no sensor link) is closed.
    DialogCloser closer;
    QStringList tooWide;
    auto look = [&](QWidget *widget, const QString &name) {
        QCoreApplication::sendPostedEvents();
        for (const QString &fault : textsThatDoNotFit(widget))
            tooWide << name + QStringLiteral(": ") + fault;
        saveScreenshot(widget, QStringLiteral("%1-%2.png").arg(code, name));
    };
    const struct
    {
        int widget;
        const char *name;
    } screens[] = {{0, "mainmenu"},  {4, "management"}, {7, "measurements"}, {10, "gpsmonitor"},
                   {1, "level"},     {3, "pinpointing"}, {8, "pipelocating"}, {9, "longterm"},
                   {6, "h2sensor"}};
    for (const auto &screen : screens) {
        main->displayWidget(screen.widget, 1, 0);
        look(main, QLatin1String(screen.name));
    }
    main->displayWidget(5, 1, 0);
    auto *settings = main->findChild<Systemsettings *>();
    for (int page = 1; page <= 3; ++page) {
        look(main, QStringLiteral("settings-%1").arg(page));
        QTest::mouseClick(settings->findChild<QPushButton *>(QStringLiteral("butMenuDown")), Qt::LeftButton);
    }
    for (const DialogMaker &maker : dialogs()) {
        std::unique_ptr<QDialog> dialog(maker.make(main));
        dialog->show();
        look(dialog.get(), QLatin1String(maker.name));
    }
    QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
