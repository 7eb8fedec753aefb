#ifndef MESSAGEDIALOG_H
#define MESSAGEDIALOG_H

#include <QDialog>

class QPushButton;
class QTimer;

namespace Ui {
class MessageDialog;
}

// The one full-screen dialog for warnings, errors and questions. A caller
// creates it on the stack, sets icon, texts and type, runs exec() and then
// reads getPressedButton().
class MessageDialog : public QDialog
{
    Q_OBJECT
public:
    // Result codes of getPressedButton().
    enum Code { NotClosed = -1, Ok = 0, Cancel = 1, Yes = 2, No = 3, AutoClosed = 4 };

    explicit MessageDialog(QWidget *parent = nullptr);
    ~MessageDialog() override;

    // A message with only OK, run modally; returns the code it closed with.
    // autoCloseSeconds as for setAutoCloseTimeout (0: stays until answered).
    static int inform(QWidget *parent, int icon, const QString &headline, const QString &text,
                      int autoCloseSeconds = 0);

    // 0 information, 1 warning, 2 error, 3 question; others as 0.
    void setIcon(int icon);
    // Large and bold; a headline too wide for the line is set smaller.
    void setHeadline(const QString &text);
    void setInfotext(const QString &text);
    // 0 OK; 1 OK, Cancel; 2 Yes, No; 3 Yes, No, Cancel; others as 0.
    void setDialogType(int type);
    // Gives the focus and the Enter key to the button with this result code
    // (after setDialogType): a question about something that cannot be
    // undone starts on "No". By default the first button shown has them.
    void setFocusedButton(int code);
    // 1 to 86399 s closes the dialog with code 4 after that time; any
    // other value switches the timer off and stores -1.
    void setAutoCloseTimeout(int seconds);
    int getAutoCloseTimeout() const { return m_timeoutClose; }
    int getPressedButton() const { return m_pressedButton; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private slots:
    void on_butLeft_clicked();
    void on_butMiddle_clicked();
    void on_butRight_clicked();
    void autoCloseDialog();

private:
    void closeWith(int code);
    void placeButton(QPushButton *button, int &code, int newCode, int x);
    static QString buttonText(int code);

    Ui::MessageDialog *ui;
    QTimer *m_timer;
    int m_pressedButton = NotClosed;
    int m_leftButton = NotClosed;
    int m_middleButton = NotClosed;
    int m_rightButton = NotClosed;
    int m_timeoutClose = -1;
};

#endif // MESSAGEDIALOG_H
