#ifndef DEBUGMENU_H
#define DEBUGMENU_H

#include "servicedialog.h"

namespace Ui {
class DebugMenu;
}

// The service menu opened with the argument "debug". Its functions are not
// in this build: it says so and closes.
class DebugMenu : public ServiceDialog
{
    Q_OBJECT
public:
    explicit DebugMenu(QWidget *parent = nullptr);
    ~DebugMenu() override;

private slots:
    void on_butClose_clicked();

private:
    Ui::DebugMenu *ui;
};

#endif // DEBUGMENU_H
