#ifndef SETTINGSBUTTON_H
#define SETTINGSBUTTON_H

#include <QPushButton>

// A two-line button: the setting's title above its current value.
class SettingsButton : public QPushButton
{
    Q_OBJECT
public:
    explicit SettingsButton(QWidget *parent = nullptr);

    void setText2(const QString &value);
    QString text2() const { return m_text2; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text2;
};

#endif // SETTINGSBUTTON_H
