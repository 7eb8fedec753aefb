#include "pendingscreen.h"
#include "languagefollower.h"
#include "buttonstyle.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PendingScreen::PendingScreen(Title title, QWidget *parent)
    : QWidget(parent), m_titleKey(title), m_title(new QLabel(this)), m_text(new QLabel(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 40, 20, 20);
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setStyleSheet(QStringLiteral("font-size: 28px; font-weight: bold;"));
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setWordWrap(true);
    auto *home = new QPushButton(this);
    home->setObjectName(QStringLiteral("butMenuBack"));
    home->setFixedSize(60, 60);
    home->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Allgemein"), QStringLiteral("Home"), 44));
    connect(home, &QPushButton::clicked, this, &PendingScreen::exit);
    layout->addWidget(m_title);
    layout->addWidget(m_text);
    layout->addStretch();
    layout->addWidget(home, 0, Qt::AlignHCenter);
    followLanguage(this, [this] { retranslate(); });
}

void PendingScreen::init(int variant)
{
    m_variant = variant;
    retranslate();
}

void PendingScreen::retranslate()
{
    m_title->setText(QCoreApplication::translate("MainMenu", m_titleKey.key, m_titleKey.english));
    m_text->setText(tr("NotAvailableYet", "This function is not available in this version."));
}

void PendingScreen::keyPressEvent(QKeyEvent *event)
{
    // Select on the only button: back to the main menu.
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return) {
        emit exit();
        return;
    }
    QWidget::keyPressEvent(event);
}
