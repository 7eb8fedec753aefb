#ifndef LANGUAGEFOLLOWER_H
#define LANGUAGEFOLLOWER_H

#include <functional>

class QWidget;

// Sets a screen's texts now and again whenever the language changes, so a
// screen that is open shows the new language at once, without a restart.
void followLanguage(QWidget *screen, std::function<void()> setTexts);

#endif // LANGUAGEFOLLOWER_H
