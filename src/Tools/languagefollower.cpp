#include "languagefollower.h"

#include <QEvent>
#include <QWidget>

namespace {

class LanguageFollower : public QObject
{
public:
    LanguageFollower(QWidget *screen, std::function<void()> setTexts)
        : QObject(screen), m_setTexts(std::move(setTexts))
    {
        screen->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::LanguageChange)
            m_setTexts();
        return false;
    }

private:
    std::function<void()> m_setTexts;
};

} // namespace

void followLanguage(QWidget *screen, std::function<void()> setTexts)
{
    setTexts();
    new LanguageFollower(screen, std::move(setTexts));
}
