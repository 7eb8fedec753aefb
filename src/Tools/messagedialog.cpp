#include "messagedialog.h"
#include "ui_messagedialog.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QTimer>

#include <utility>

namespace {

const char *const kIcons[] = {
    "image: url(:/Resources/Icons/Tools/Messagedialog/Information.png);",
    "image: url(:/Resources/Icons/Tools/Messagedialog/Warning.png);",
    "image: url(:/Resources/Icons/Tools/Messagedialog/Error.png);",
    "image: url(:/Resources/Icons/Tools/Messagedialog/Question.png);",
};

// Codes and x positions of the left, middle and right button per dialog
// type; -1 hides a button. The rows keep the buttons centred on 480 px.
struct Layout {
    int code[3];
    int x[3];
};
const Layout kLayouts[] = {
    {{-1, MessageDialog::Ok, -1}, {0, 165, 0}},
    {{-1, MessageDialog::Ok, MessageDialog::Cancel}, {0, 85, 245}},
    {{-1, MessageDialog::Yes, MessageDialog::No}, {0, 85, 245}},
    {{MessageDialog::Yes, MessageDialog::No, MessageDialog::Cancel}, {5, 165, 325}},
};

const int kButtonY = 212;
const int kButtonWidth = 150;
const int kButtonHeight = 50;
const int kHeadlinePoints = 25;
const int kHeadlineMinPoints = 16;

template<typename T, int N>
const T &entryOrFirst(const T (&table)[N], int index)
{
    return table[index >= 0 && index < N ? index : 0];
}

} // namespace

MessageDialog::MessageDialog(QWidget *parent)
    : QDialog(parent), ui(new Ui::MessageDialog), m_timer(new QTimer(this))
{
    ui->setupUi(this);
    connect(m_timer, &QTimer::timeout, this, &MessageDialog::autoCloseDialog);
}

MessageDialog::~MessageDialog()
{
    delete ui;
}

void MessageDialog::setIcon(int icon)
{
    ui->labelIcon->setStyleSheet(QString::fromLatin1(entryOrFirst(kIcons, icon)));
    ui->labelIcon->clear();
}

void MessageDialog::setHeadline(const QString &text)
{
    // A long translation shrinks rather than being cut off at the edge.
    QFont font = ui->labelHeadline->font();
    font.setPointSize(kHeadlinePoints);
    while (font.pointSize() > kHeadlineMinPoints
           && QFontMetrics(font).horizontalAdvance(text) > ui->labelHeadline->width())
        font.setPointSize(font.pointSize() - 1);
    ui->labelHeadline->setFont(font);
    ui->labelHeadline->setText(text);
}

void MessageDialog::setInfotext(const QString &text)
{
    ui->labelInfotext->setText(text);
}

void MessageDialog::setDialogType(int type)
{
    const Layout &layout = entryOrFirst(kLayouts, type);
    placeButton(ui->butLeft, m_leftButton, layout.code[0], layout.x[0]);
    placeButton(ui->butMiddle, m_middleButton, layout.code[1], layout.x[1]);
    placeButton(ui->butRight, m_rightButton, layout.code[2], layout.x[2]);
    // The first button shown takes the focus, so the select key answers it.
    setFocusedButton(layout.code[layout.code[0] != NotClosed ? 0 : 1]);
}

void MessageDialog::setFocusedButton(int code)
{
    const std::pair<QPushButton *, int> buttons[] = {
        {ui->butLeft, m_leftButton}, {ui->butMiddle, m_middleButton}, {ui->butRight, m_rightButton}};
    for (const auto &[button, buttonCode] : buttons) {
        const bool chosen = code != NotClosed && buttonCode == code;
        button->setDefault(chosen);
        if (chosen)
            button->setFocus();
    }
}

void MessageDialog::placeButton(QPushButton *button, int &code, int newCode, int x)
{
    code = newCode;
    button->setStyleSheet(QStringLiteral("QPushButton{Text-align: center;}"));
    button->setText(buttonText(newCode));
    button->setGeometry(x, kButtonY, kButtonWidth, kButtonHeight);
    button->setHidden(newCode == NotClosed);
}

QString MessageDialog::buttonText(int code)
{
    switch (code) {
    case Ok: return tr("OK", "OK");
    case Cancel: return tr("Cancel", "Cancel");
    case Yes: return tr("Yes", "Yes");
    case No: return tr("No", "No");
    default: return QString();
    }
}

int MessageDialog::inform(QWidget *parent, int icon, const QString &headline, const QString &text,
                          int autoCloseSeconds)
{
    MessageDialog dialog(parent);
    dialog.setIcon(icon);
    dialog.setHeadline(headline);
    dialog.setInfotext(text);
    dialog.setDialogType(0);
    if (autoCloseSeconds > 0)
        dialog.setAutoCloseTimeout(autoCloseSeconds);
    dialog.exec();
    return dialog.getPressedButton();
}

void MessageDialog::setAutoCloseTimeout(int seconds)
{
    // One day minus a second keeps seconds * 1000 well inside an int.
    if (seconds >= 1 && seconds <= 86399) {
        m_timeoutClose = seconds;
        m_timer->start(seconds * 1000);
    } else {
        m_timeoutClose = -1;
        m_timer->stop();
    }
}

void MessageDialog::keyPressEvent(QKeyEvent *event)
{
    // The power key sends Escape only on release; a press must not close.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MessageDialog::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        closeWith(Cancel);
        return;
    }
    QDialog::keyReleaseEvent(event);
}

void MessageDialog::on_butLeft_clicked()
{
    closeWith(m_leftButton);
}

void MessageDialog::on_butMiddle_clicked()
{
    closeWith(m_middleButton);
}

void MessageDialog::on_butRight_clicked()
{
    closeWith(m_rightButton);
}

void MessageDialog::autoCloseDialog()
{
    closeWith(AutoClosed);
}

void MessageDialog::closeWith(int code)
{
    m_pressedButton = code;
    m_timer->stop();
    close();
}
