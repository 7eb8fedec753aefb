#ifndef PENDINGSCREEN_H
#define PENDINGSCREEN_H

#include <QWidget>

class QLabel;

// Stands in for a screen that this build does not have yet: it says so
// plainly and leads back to the main menu, and it has the navigation
// interface the main window drives, so the shell works end to end.
class PendingScreen : public QWidget
{
    Q_OBJECT
public:
    // A key of the main menu's context with its English.
    struct Title
    {
        const char *key;
        const char *english;
    };
    PendingScreen(Title title, QWidget *parent = nullptr);

    void init(int variant = 0);
    int variant() const { return m_variant; }

signals:
    void exit();
    void gotoWidget(int widget, int dir, int variant);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void retranslate();

    Title m_titleKey;
    int m_variant = 0;
    QLabel *m_title;
    QLabel *m_text;
};

#endif // PENDINGSCREEN_H
