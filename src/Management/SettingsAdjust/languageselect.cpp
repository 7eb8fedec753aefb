#include "languageselect.h"
#include "ui_languageselect.h"

#include "buttonstyle.h"
#include "screenfont.h"

#include <QPushButton>

namespace {

const int kTitlePixelSize = 22;
const int kPagePixelSize = 16;
const int kLanguagePixelSize = 24;

} // namespace

LanguageSelect::LanguageSelect(QWidget *parent) : ServiceDialog(parent, false), ui(new Ui::LanguageSelect)
{
    ui->setupUi(this);
    ui->widgetStatusbar->init(ui->widgetStatusbar->width(), ui->widgetStatusbar->height());

    setScreenFont({ui->labelTitle}, kTitlePixelSize, true);
    setScreenFont({ui->labelPage}, kPagePixelSize);
    for (QPushButton *button : ui->stackedPages->findChildren<QPushButton *>())
        setScreenFont({button}, kLanguagePixelSize, true);
    ui->butMenuUp->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Allgemein"), QStringLiteral("PageUp"), 44));
    ui->butMenuDown->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Allgemein"), QStringLiteral("PageDown"), 44));
    ui->butMenuBack->setStyleSheet(ButtonStyle::iconButton(QStringLiteral("Allgemein"), QStringLiteral("Back"), 44));
    ui->labelTitle->setText(tr("Language", "Language"));
    shrinkToFit(ui->labelTitle, kTitlePixelSize, kPagePixelSize);
    showPage(1);
}

LanguageSelect::~LanguageSelect()
{
    delete ui;
}

void LanguageSelect::select(int language)
{
    m_selectedLanguage = language;
    accept();
}

void LanguageSelect::showPage(int page)
{
    m_currentPage = page;
    ui->stackedPages->setCurrentIndex(page - 1);
    ui->labelPage->setText(QStringLiteral("%1 / %2").arg(page).arg(PageCount));
}

void LanguageSelect::on_butMenuUp_clicked()
{
    showPage(m_currentPage == 1 ? PageCount : m_currentPage - 1);
}

void LanguageSelect::on_butMenuDown_clicked()
{
    showPage(m_currentPage == PageCount ? 1 : m_currentPage + 1);
}

void LanguageSelect::on_butMenuBack_clicked()
{
    reject();
}
