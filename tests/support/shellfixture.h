#ifndef SHELLFIXTURE_H
#define SHELLFIXTURE_H

#include "logcapture.h"
#include "mainmenu.h"
#include "measmanagement.h"
#include "settingsbutton.h"
#include "testroot.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

#include <memory>

// A fresh root with the main window started on it, its log captured.
// prepare() runs on the root before the main window exists.
class ShellFixture
{
public:
    template<typename Prepare>
    explicit ShellFixture(Prepare prepare)
    {
        prepare(root);
        main = std::make_unique<MainMenu>();
    }
    // Starts with this settings file (none: the program writes its defaults).
    explicit ShellFixture(const QByteArray &settings = QByteArray())
        : ShellFixture([&](TestRoot &r) {
              if (!settings.isNull())
                  r.write(QStringLiteral("/home/root/settings.ini"), settings);
          })
    {
    }

    // Opens measurement management from the management menu and taps the
    // list entry of dirName, paging down to it as the operator would; false
    // when the list does not show it.
    bool openStoredMeasurement(const QString &dirName)
    {
        main->displayWidget(4, 1, 0);
        main->displayWidget(7, 1, 0);
        auto *list = main->findChild<MeasManagement *>();
        if (!list)
            return false;
        for (int page = 0; page < qMax(1, list->pageCount()); ++page) {
            for (SettingsButton *button : list->findChildren<SettingsButton *>()) {
                if (button->isVisibleTo(list) && button->additionalInfo() == dirName) {
                    QTest::mouseClick(button, Qt::LeftButton);
                    return true;
                }
            }
            QTest::mouseClick(list->findChild<QWidget *>(QStringLiteral("butMenuPageDown")), Qt::LeftButton);
        }
        return false;
    }

    // Shows the main window with one of its screens, as the main menu opens it.
    template<typename Screen>
    Screen *showScreen(int widget)
    {
        main->show();
        main->displayWidget(widget, 1, 0);
        return main->findChild<Screen *>();
    }

    TestRoot root;
    LogCapture log;
    std::unique_ptr<MainMenu> main;
};

// The device always runs with a language file; English is language 1.
inline bool installEnglish(QTranslator &translator)
{
    return translator.load(QStringLiteral(":/Languages/GB_KX500.qm")) && QCoreApplication::installTranslator(&translator);
}

#endif // SHELLFIXTURE_H
