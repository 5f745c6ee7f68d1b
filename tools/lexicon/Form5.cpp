#include "tools/lexicon/Form5.h"

#include "lexicon/Module1.h"
#include "platform/core/Vb.h"
#include "platform/richtext/RichTextBox.h"
#include "platform/services/MessageBox.h"
#include "tools/services/SaveCommand.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

Form5::Form5(MessageBox& messageBox, CommonDialog& dialogs, const RichTextBox& document,
             const WordList& words, QWidget* parent)
    : QDialog(parent), messageBox(messageBox), dialogs(dialogs), document(document), words(words) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("搜索单词的解释"));
    auto* grid = new QGridLayout(this);
    Label1 = new QLabel(QStringLiteral("请输入单词或词组"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(QFont(QStringLiteral("Arial"), 11));
    Command1 = new QPushButton(QStringLiteral("搜索(&S)"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setEnabled(false);
    Command1->setDefault(true);
    Image1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton), QString(), this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setToolTip(QStringLiteral("保存"));
    Image1->setAutoDefault(false);
    Command2 = new QPushButton(QStringLiteral("&S"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setFixedSize(1, 1);
    // The skin's button padding and height would draw it as a stripe beside the picture button.
    Command2->setStyleSheet(
        QStringLiteral("QPushButton { border: none; background: transparent; padding: 0; min-height: 0; }"));
    Command2->setAutoDefault(false);
    Rich1 = new RichTextBox(this);
    Rich1->setObjectName(QStringLiteral("Rich1"));
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(Command1, 0, 2);
    grid->addWidget(Image1, 0, 3);
    grid->addWidget(Command2, 0, 4);
    grid->addWidget(Rich1, 1, 0, 1, 5);
    grid->setColumnStretch(1, 1);
    resize(520, 360);

    connect(Text1, &QLineEdit::textChanged, this, &Form5::Text1_Change);
    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form5::Command2_Click);
    connect(Image1, &QPushButton::clicked, this, &Form5::Image1_Click);
    Form_Load();
}

void Form5::Form_Load() {
    const QString selected = document.selText();
    if (!selected.isEmpty()) {
        Text1->setText(selected);
        Text1->setSelection(0, static_cast<int>(Text1->text().size()));
    }
    loadToolWindowSkin(skin, *this);
}

void Form5::Text1_Change() {
    Command1->setEnabled(!Text1->text().isEmpty());
}

void Form5::Command1_Click() {
    Text1->setText(Text1->text().remove(u' '));
    const QString word = Vb::trim(Text1->text());
    if (word.isEmpty()) {
        messageBox.show(QStringLiteral("您没有选定单词！"), MsgBox::Information, QStringLiteral("友情提示"));
        return;
    }
    QString meaning = Module1::LookupMeaningFast(words, word);
    if (meaning.isEmpty())
        meaning = Module1::LookupMeaningDb(word);
    Rich1->setSelText(word + QStringLiteral("  :  ") +
                      (meaning.isEmpty() ? QStringLiteral("没找到！") : meaning) + QStringLiteral("\r\n"));
    Text1->clear();
    Command1->setEnabled(false);
}

void Form5::Command2_Click() {
    (void)runSaveCommand(messageBox, dialogs, Dlg1,
                         {QStringLiteral("保存文件"), QStringLiteral("文本文件|*.txt"), {}}, *Rich1);
}

void Form5::Image1_Click() {
    Command2_Click();
}
