#include "favouritebutton.h"
#include "mainmenu.h"
#include "platform.h"
#include "systemsettings.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QPixmap>

namespace {

struct FavouriteAction
{
    int favourite;
    const char *log;
    int dialog; // dialog number to open; -1 = screenshot
};

const FavouriteAction favouriteActions[] = {
    {0, "Generate Screenshot", -1},
    {1, "Open Dialog Pinpointing", 3},
    {2, "Open Dialog Levelmeasurement", 1},
    {3, "Open Dialog Longterm-Measurement", 9},
    {4, "Open Dialog H2-Sensor", 6},
    {5, "Open Dialog Pipelocating", 8},
};


} // namespace

FavouriteButton::FavouriteButton(QWidget *parent) : QWidget(parent) {}

void FavouriteButton::init()
{
    if (Systemsettings *s = MainMenu::settings())
        m_butFavNum = s->getFavouriteButton(&m_butFavText);
    qDebug() << "FavouriteButton initialized";
    m_timerCntStore = 0;
}

int FavouriteButton::execFavouriteFunction()
{
    Systemsettings *s = MainMenu::settings();
    if (!s)
        return 0;
    m_butFavNum = s->getFavouriteButton(&m_butFavText);
    for (const FavouriteAction &action : favouriteActions) {
        if (action.favourite != m_butFavNum)
            continue;
        qDebug() << action.log;
        if (action.dialog < 0)
            generateScreenshot();
        else
            MainMenu::getInstanceMainMenu()->displayFavouriteDialog(action.dialog);
    }
    return 0;
}

int FavouriteButton::storeFavouriteFunction()
{
    MainMenu *main = MainMenu::getInstanceMainMenu();
    Systemsettings *settings = main ? main->getInstanceSystemsettings() : nullptr;
    if (!settings)
        return 0;
    // The star only confirms what was really written.
    if (settings->setFavouriteButton(main->getCurrentVisibleDlgNum()) != 0) {
        qWarning() << "New Favourite-Button function not stored" << main->getCurrentVisibleDlgNum();
        return 0;
    }
    m_butFavNum = settings->getFavouriteButton(&m_butFavText);
    qDebug() << "New Favourite-Button fuction stored";
    main->displayPopup(1);
    return 0;
}

bool FavouriteButton::generateScreenshot()
{
    QWidget *window = QApplication::activeWindow();
    if (!window && MainMenu::getInstanceMainMenu())
        window = MainMenu::getInstanceMainMenu();
    bool saved = false;
    if (window) {
        const QString folder = Platform::path(QStringLiteral("/media/kx500/screenshots/"));
        QDir().mkpath(folder);
        const QPixmap picture = window->grab(QRect(0, 0, 480, 272));
        saved = picture.save(folder + QStringLiteral("pic_%1.png").arg(m_screenshotCnt, 3, 10, QLatin1Char('0')));
    }
    if (saved)
        ++m_screenshotCnt;
    if (MainMenu *main = MainMenu::getInstanceMainMenu())
        main->displayPopup(2);
    qDebug() << "Screenshot finished" << (saved ? "true" : "false");
    return saved;
}
