#include "dkeywithtextpage.h"

#include "ddatamanager.h"
#include "keypagestyle.h"
#include "textlimit.h"
#include "ui_dkeywithtextpage.h"

#include <QTextCursor>
#include <QTimer>

namespace {
constexpr int kTypeText = 6;
} // namespace

DKeyWithTextPage::DKeyWithTextPage(QWidget *parent)
    : DKeyItemPage(parent), ui(std::make_unique<Ui::DKeyWithTextPage>())
{
    ui->setupUi(this);
    setTexts();
}

DKeyWithTextPage::~DKeyWithTextPage() = default;

void DKeyWithTextPage::setTexts()
{
    ui->label_8->setText(tr("Text"));
    ui->textEdit_keyText->setPlaceholderText(tr("Enter text ..."));
    ui->pushButton_OK->setText(tr("OK"));
    ui->pushButton_Cancel->setText(tr("Cancel"));
}

void DKeyWithTextPage::retranslate()
{
    setTexts();
}

void DKeyWithTextPage::applyTheme()
{
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    ui->textEdit_keyText->setStyleSheet(keypagestyle::fieldSheet("QTextEdit", c));
    keypagestyle::styleTitle(ui->label_8, c);
    keypagestyle::styleButton(ui->pushButton_OK, c);
    keypagestyle::styleButton(ui->pushButton_Cancel, c);
    m_scrollSheet = keypagestyle::fieldSheet("QTextEdit", c) + keypagestyle::scrollBarSheet(c);
    // Applied a moment later, once the editor has laid out its bar; the newest sheet wins.
    QTimer::singleShot(200, this, &DKeyWithTextPage::onScrollSheetSet);
}

void DKeyWithTextPage::onScrollSheetSet()
{
    ui->textEdit_keyText->setStyleSheet(m_scrollSheet);
}

void DKeyWithTextPage::loadCurrentKeyInfo()
{
    takeCurrentKey();
    ui->textEdit_keyText->clear();
    ui->textEdit_keyText->setFocus();

    KeyOperateInfo info{};
    if (!readItem(info) || keyfunctionitem::number(info.type) != kTypeText)
        return;
    // As plain text: a stored text that looks like markup is shown, and saved again, as it is.
    ui->textEdit_keyText->setPlainText(QString::fromUtf8(info.value));
    ui->textEdit_keyText->moveCursor(QTextCursor::End);
}

void DKeyWithTextPage::on_textEdit_keyText_textChanged()
{
    QTextEdit *editor = ui->textEdit_keyText;
    const QString text = editor->toPlainText();
    const textlimit::Fitted fitted = textlimit::fit(text, editor->textCursor().position());
    if (fitted.text.size() == text.size()) {
        m_text = text;
        return;
    }
    // Putting the shortened text in runs this slot again, which takes it as the page's text.
    editor->setPlainText(fitted.text);
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(fitted.cursor);
    editor->setTextCursor(cursor);
}

void DKeyWithTextPage::on_pushButton_OK_clicked()
{
    if (m_text.isEmpty()) {
        emit sigCustomKeyInfoSaveFailed(kTypeText, 0);
        return;
    }
    writeItem(kTypeText, m_text.toUtf8());
}

void DKeyWithTextPage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}
