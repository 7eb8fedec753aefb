#ifndef SHELLFIXTURE_H
#define SHELLFIXTURE_H

#include "logcapture.h"
#include "mainmenu.h"
#include "testroot.h"

#include <QCoreApplication>
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
