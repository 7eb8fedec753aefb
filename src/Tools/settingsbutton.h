#ifndef SETTINGSBUTTON_H
#define SETTINGSBUTTON_H

#include <QPushButton>

// A two-line button: the setting's title above its current value, with an
// optional picture on the left (QIcon::Normal drawn, QIcon::Selected while
// pressed).
class SettingsButton : public QPushButton
{
    Q_OBJECT
public:
    explicit SettingsButton(QWidget *parent = nullptr);

    void setText2(const QString &value);
    QString text2() const { return m_text2; }
    // What the button stands for, for the slot that all buttons of a list share.
    void setAdditionalInfo(const QString &info) { m_additionalInfo = info; }
    QString additionalInfo() const { return m_additionalInfo; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text2;
    QString m_additionalInfo;
};

#endif // SETTINGSBUTTON_H
