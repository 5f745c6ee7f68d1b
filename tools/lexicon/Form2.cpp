#include "tools/lexicon/Form2.h"

#include "annotation/PhoneticFont.h"
#include "platform/core/EventYield.h"
#include "platform/core/Vb.h"
#include "platform/services/MessageBox.h"
#include "shell/PhoneticKeys.h"
#include "tools/lexicon/LibraryEdit.h"
#include "tools/lexicon/UserEntries.h"

#include <QCheckBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

namespace {

const QString kNotice = QStringLiteral("友情提示");
const QString kLibraryCaption = QStringLiteral("管理库中单词及音标");
constexpr int kAsk = MsgBox::OkCancel | MsgBox::Information | MsgBox::DefaultButton2;

QLineEdit* wordBox(QWidget* parent, const char16_t* name, int maxLength) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromUtf16(name));
    QFont font(QStringLiteral("Courier"));
    font.setPointSizeF(9.75);
    box->setFont(font);
    if (maxLength > 0)
        box->setMaxLength(maxLength);
    return box;
}

QLineEdit* phoneticBox(QWidget* parent, const char16_t* name, int maxLength) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromUtf16(name));
    QFont font(PhoneticFont::family());
    font.setPointSize(12);
    box->setFont(font);
    if (maxLength > 0)
        box->setMaxLength(maxLength);
    return box;
}

QPushButton* button(QWidget* parent, const char16_t* name, const char16_t* caption) {
    auto* b = new QPushButton(QString::fromUtf16(caption), parent);
    b->setObjectName(QString::fromUtf16(name));
    return b;
}

// The rule of the word boxes: no blanks, lower case.
void keepWordForm(QLineEdit* box) {
    QString text = box->text();
    text.remove(u' ');
    text = text.toLower();
    if (text == box->text())
        return;
    const int caret = std::min<int>(box->cursorPosition(), static_cast<int>(text.size()));
    box->setText(text);
    box->setCursorPosition(caret);
}

} // namespace

Form2::Form2(MessageBox& messageBox, QStringList& mainList1, QStringList& mainList2, QWidget* parent)
    : QDialog(parent), messageBox(messageBox), mainList1(mainList1), mainList2(mainList2) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("单词及音标自造管理器"));
    setupControls();
    connect(this, &QDialog::finished, this, [this] { Form_Unload(); });
    Form_Load();
}

void Form2::setupControls() {
    auto* top = new QVBoxLayout(this);
    auto* modes = new QHBoxLayout;
    Option1 = new QRadioButton(QStringLiteral("新增自定义单词及其音标"), this);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2 = new QRadioButton(QStringLiteral("管理自定义单词的音标"), this);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option7 = new QRadioButton(QStringLiteral("管理库中单词及其音标"), this);
    Option7->setObjectName(QStringLiteral("Option7"));
    for (QRadioButton* o : {Option1, Option2, Option7})
        modes->addWidget(o);
    top->addLayout(modes);
    lblwhere = new QLabel(QStringLiteral("text2.text"), this);
    lblwhere->setObjectName(QStringLiteral("lblwhere"));
    lblwhere->hide();

    Frame1 = new QGroupBox(QStringLiteral("新增自定义单词"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* f1 = new QGridLayout(Frame1);
    Text1 = wordBox(Frame1, u"Text1", 20);
    Text2 = phoneticBox(Frame1, u"Text2", 20);
    Text2->setToolTip(QStringLiteral("双击清空"));
    Cmdadd = button(Frame1, u"Cmdadd", u"增加");
    Label6 = new QLabel(
        QStringLiteral(
            "    "
            "提示：软件具有从第十三版向第十五版、KK音标自动转换的功能，您自定义音标时请定义为第１３版音标。"
            "您的自定义音标保存在单独的文件中，也可以合并到软件音标库中，方法是：切换到本页顶部的“管理自定义"
            "单词的音标”，点击“读取自定义音标到软件音标库”按钮。"),
        Frame1);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setWordWrap(true);
    f1->addWidget(new QLabel(QStringLiteral("单词："), Frame1), 0, 0);
    f1->addWidget(Text1, 0, 1);
    f1->addWidget(new QLabel(QStringLiteral("音标："), Frame1), 1, 0);
    f1->addWidget(Text2, 1, 1);
    f1->addWidget(Cmdadd, 1, 2);
    f1->addWidget(Label6, 2, 0, 1, 3);
    top->addWidget(Frame1);

    Frame2 = new QGroupBox(QStringLiteral("管理自定义单词的音标"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* f2 = new QGridLayout(Frame2);
    List1 = new QListWidget(Frame2);
    List1->setObjectName(QStringLiteral("List1"));
    Text3 = wordBox(Frame2, u"Text3", 20);
    Text4 = phoneticBox(Frame2, u"Text4", 20);
    Command2 = button(Frame2, u"Command2", u"修改");
    Command5 = button(Frame2, u"Command5", u"删除");
    Command9 = button(Frame2, u"Command9", u"读取自定义音标到软件音标库(&S)");
    Check1 = new QCheckBox(QStringLiteral("存在单词重复时，用自定义音标强制替换库中音标"), Frame2);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check2 = new QCheckBox(QStringLiteral("读取到软件音标库后，删除本地自定义项"), Frame2);
    Check2->setObjectName(QStringLiteral("Check2"));
    Check1->setChecked(true);
    Check2->setChecked(true);
    f2->addWidget(List1, 0, 0, 6, 1);
    f2->addWidget(new QLabel(QStringLiteral("单词："), Frame2), 0, 1);
    f2->addWidget(Text3, 0, 2);
    f2->addWidget(new QLabel(QStringLiteral("音标："), Frame2), 1, 1);
    f2->addWidget(Text4, 1, 2);
    auto* edits = new QHBoxLayout;
    edits->addWidget(Command2);
    edits->addWidget(Command5);
    f2->addLayout(edits, 2, 1, 1, 2);
    f2->addWidget(Command9, 3, 1, 1, 2);
    f2->addWidget(Check1, 4, 1, 1, 2);
    f2->addWidget(Check2, 5, 1, 1, 2);
    top->addWidget(Frame2);

    Frame3 = new QGroupBox(kLibraryCaption, this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    auto* f3 = new QGridLayout(Frame3);
    Text5 = wordBox(Frame3, u"Text5", 0);
    Text6 = phoneticBox(Frame3, u"Text6", 0);
    Command3 = button(Frame3, u"Command3", u"搜索");
    Command4 = button(Frame3, u"Command4", u"修改");
    Command6 = button(Frame3, u"Command6", u"删除");
    f3->addWidget(new QLabel(QStringLiteral("单词："), Frame3), 0, 0);
    f3->addWidget(Text5, 0, 1);
    f3->addWidget(Command3, 0, 2);
    f3->addWidget(new QLabel(QStringLiteral("音标："), Frame3), 1, 0);
    f3->addWidget(Text6, 1, 1);
    f3->addWidget(Command4, 1, 2);
    f3->addWidget(Command6, 1, 3);
    top->addWidget(Frame3);

    Frame5 = new LexiconKeypad([this](int i) { Command1_Click(i); }, [this](int i) { c1_Click(i); }, this);
    top->addWidget(Frame5);

    Option1->setChecked(true);
    Frame2->hide();
    Frame3->hide();
    for (QPushButton* b : {Cmdadd, Command2, Command3, Command4})
        b->setEnabled(false);
    for (QPushButton* b : {Cmdadd, Command2, Command5, Command9, Command3, Command4, Command6})
        b->setAutoDefault(false);

    connect(Option1, &QRadioButton::clicked, this, &Form2::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form2::Option2_Click);
    connect(Option7, &QRadioButton::clicked, this, &Form2::Option7_Click);
    connect(Cmdadd, &QPushButton::clicked, this, &Form2::Cmdadd_Click);
    connect(List1, &QListWidget::itemClicked, this, &Form2::List1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(Command5, &QPushButton::clicked, this, &Form2::Command5_Click);
    connect(Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form2::Command4_Click);
    connect(Command6, &QPushButton::clicked, this, &Form2::Command6_Click);
    connect(Command9, &QPushButton::clicked, this, &Form2::Command9_Click);
    connect(Check1, &QCheckBox::clicked, this, &Form2::Check1_Click);
    connect(Check2, &QCheckBox::clicked, this, &Form2::Check2_Click);

    const auto addRule = [this] { Cmdadd->setEnabled(!Text1->text().isEmpty() && !Text2->text().isEmpty()); };
    connect(Text1, &QLineEdit::textChanged, this, [this, addRule] {
        keepWordForm(Text1);
        addRule();
    });
    connect(Text2, &QLineEdit::textChanged, this, addRule);
    const auto modifyRule = [this] {
        Command2->setEnabled(!Text3->text().isEmpty() && !Text4->text().isEmpty());
    };
    connect(Text3, &QLineEdit::textChanged, this, [this, modifyRule] {
        keepWordForm(Text3);
        Command5->setEnabled(!Text3->text().isEmpty());
        modifyRule();
    });
    connect(Text4, &QLineEdit::textChanged, this, modifyRule);
    connect(Text5, &QLineEdit::textChanged, this, [this] {
        keepWordForm(Text5);
        Command3->setEnabled(!Text5->text().isEmpty());
    });
    connect(Text6, &QLineEdit::textChanged, this, [this] { Command4->setEnabled(!Text6->text().isEmpty()); });
    for (QLineEdit* box : {Text2, Text4, Text6})
        box->installEventFilter(this);
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        static_cast<QLineEdit*>(watched)->clear();
        return true;
    }
    if (watched == Text4 && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Backspace) {
        // Backspace takes the last character wherever the caret stands.
        if (!Text4->text().isEmpty())
            Text4->setText(Text4->text().chopped(1));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Form2::Form_Load() {
    tianchong();
}

void Form2::tianchong() {
    QStringList w = words();
    for (const UserEntries::Entry& e : UserEntries::load())
        addEntry(w, List2, e.line);
    showWords(w);
}

void Form2::addEntry(QStringList& w, QStringList& lines, const QString& line) const {
    const QString word = UserEntries::wordOf(line);
    const qsizetype at = UserEntries::sortedIndex(w, lines, word, line);
    w.insert(at, word);
    lines.insert(at, line);
}

QStringList Form2::words() const {
    QStringList w;
    w.reserve(List1->count());
    for (int i = 0; i < List1->count(); ++i)
        w.append(List1->item(i)->text());
    return w;
}

void Form2::showWords(const QStringList& w) {
    List1->clear();
    List1->addItems(w);
}

bool Form2::replaceEntries(const QStringList& w, const QStringList& lines) {
    if (!UserEntries::rewrite(lines)) {
        messageBox.show(QStringLiteral("自定义音标文件 selfmake.dat 无法写入，记录没有改变！"),
                        MsgBox::Critical, kNotice);
        return false;
    }
    List2 = lines;
    showWords(w);
    return true;
}

void Form2::info(const QString& text) {
    messageBox.show(text, MsgBox::Information, kNotice);
}

void Form2::selectMode(QRadioButton* option) {
    if (option->isChecked())
        return;
    option->setChecked(true);
    if (option == Option1)
        Option1_Click();
    else if (option == Option2)
        Option2_Click();
    else
        Option7_Click();
}

void Form2::showMode(QGroupBox* frame, const QString& target) {
    for (QGroupBox* f : {Frame1, Frame2, Frame3})
        f->setVisible(f == frame);
    lblwhere->setText(target);
}

void Form2::Option1_Click() {
    if (!Option1->isChecked())
        return;
    showMode(Frame1, QStringLiteral("text2.text"));
    List1->clear();
    List2.clear();
    tianchong();
    Text2->setFocus();
}

void Form2::Option2_Click() {
    if (Option2->isChecked())
        showMode(Frame2, QStringLiteral("text4.text"));
}

void Form2::Option7_Click() {
    if (Option7->isChecked())
        showMode(Frame3, QStringLiteral("text5.text"));
}

void Form2::Cmdadd_Click() {
    const QString word = Vb::trim(Text1->text()).toLower();
    const std::optional<QString> inLibrary = LibraryEdit::lookup(word);
    if (!inLibrary)
        messageBox.show(QStringLiteral("音标库 data.dat 无法打开，没有检查该单词是否已在库中。"),
                        MsgBox::Critical, kNotice);
    if (inLibrary && !inLibrary->isEmpty()) {
        if (messageBox.show(QStringLiteral("该单词在音标库中已经存在！您仍要自己制作？"), kAsk, kNotice) ==
            MsgBox::Cancel)
            return;
    } else {
        for (const QString& line : List2) {
            if (UserEntries::wordOf(line) != word || !line.contains(u"old", Qt::CaseInsensitive))
                continue;
            if (messageBox.show(QStringLiteral("该单词在库中已经存在！您仍要自己制作？"), kAsk, kNotice) ==
                MsgBox::Cancel)
                return;
        }
    }
    if (!UserEntries::append(word + u',' + Text2->text() + QStringLiteral(",old"))) {
        messageBox.show(QStringLiteral("自定义音标文件 selfmake.dat 无法写入，单词没有保存！"),
                        MsgBox::Critical, kNotice);
        return;
    }
    info(QStringLiteral("单词 ") + Text1->text() + QStringLiteral(" 及其音标已经保存好了！"));
    List1->clear();
    List2.clear();
    tianchong();
}

int Form2::selectedEntry() const {
    const QListWidgetItem* item = List1->currentItem();
    if (!item || !item->isSelected())
        return -1;
    const int row = List1->row(item);
    return row < List2.size() ? row : -1;
}

void Form2::List1_Click() {
    const int i = selectedEntry();
    if (i < 0)
        return;
    const QString& line = List2[i];
    Text3->setText(UserEntries::wordOf(line));
    Text4->setText(UserEntries::transcriptionOf(line));
}

void Form2::Command2_Click() {
    const int i = selectedEntry();
    if (i < 0)
        return;
    QStringList w = words();
    QStringList lines = List2;
    w.removeAt(i);
    lines.removeAt(i);
    addEntry(w, lines, Text3->text() + u',' + Text4->text() + QStringLiteral(",old"));
    if (!replaceEntries(w, lines))
        return;
    Text3->clear();
    Text4->clear();
    info(QStringLiteral("记录已经修改并刷新！"));
}

void Form2::Command5_Click() {
    const int i = selectedEntry();
    if (i < 0)
        return;
    if (messageBox.show(QStringLiteral("删除操作不可恢复，您确定要删除吗？"),
                        MsgBox::OkCancel | MsgBox::Exclamation | MsgBox::DefaultButton2,
                        QStringLiteral("警告！")) != MsgBox::Ok)
        return;
    QStringList w = words();
    QStringList lines = List2;
    w.removeAt(i);
    lines.removeAt(i);
    if (!replaceEntries(w, lines))
        return;
    Text3->clear();
    Text4->clear();
    info(QStringLiteral("记录已经删除并刷新！"));
}

QString Form2::libraryWord() const {
    return Vb::trim(Text5->text().toLower());
}

void Form2::reportLibraryFailure() {
    messageBox.show(QStringLiteral("音标库 data.dat 无法打开或写入，没有发生修改！"), MsgBox::Critical,
                    kNotice);
}

void Form2::Command3_Click() {
    Text6->clear();
    Text6->setText(LibraryEdit::lookup(libraryWord()).value_or(QString()));
}

void Form2::Command4_Click() {
    switch (LibraryEdit::modify(libraryWord(), Text6->text())) {
    case LibraryEdit::Change::Missing:
        info(QStringLiteral("该单词不存在，未发生修改！"));
        break;
    case LibraryEdit::Change::Done:
        Text6->clear();
        info(QStringLiteral("修改成功！"));
        break;
    case LibraryEdit::Change::Failed:
        reportLibraryFailure();
        break;
    }
}

void Form2::Command6_Click() {
    if (messageBox.show(QStringLiteral("删除后无法恢复，您确定吗？"),
                        MsgBox::OkCancel | MsgBox::Question | MsgBox::DefaultButton2, kNotice) != MsgBox::Ok)
        return;
    if (LibraryEdit::remove(libraryWord()) != LibraryEdit::Change::Done) {
        reportLibraryFailure();
        return;
    }
    Text5->clear();
    Text6->clear();
    info(QStringLiteral("删除成功！"));
}

void Form2::Check1_Click() {
    Check1->setText(Check1->isChecked() ? QStringLiteral("单词重复时，用自定义强制替换库中音标")
                                        : QStringLiteral("忽略自定义库与软件音标库中的重复记录"));
}

void Form2::Check2_Click() {
    Check2->setText(Check2->isChecked() ? QStringLiteral("读取到软件音标库后，删除本地自定义项")
                                        : QStringLiteral("读取到软件音标库后，不删除本地自定义项"));
}

void Form2::Command9_Click() {
    importing = true;
    for (QWidget* w : std::initializer_list<QWidget*>{Command9, Check1, Check2})
        w->setEnabled(false);
    const bool replace = Check1->isChecked();
    // The lists may change while events run (a mode switch refills them); the import keeps its copy.
    const QStringList lines = List2;
    EventYield yield;
    const LibraryEdit::ImportResult result =
        LibraryEdit::import(lines, replace, [this, &yield](const QString& word) {
            Frame3->setTitle(QStringLiteral("正在处理：") + word);
            yield.yieldToEvents();
        });
    Frame3->setTitle(kLibraryCaption);
    if (!result.ok) {
        messageBox.show(
            QStringLiteral("音标库 data.dat 无法打开或写入，读取已撤销：%1 条自定义音标没有读取到软件音标库。"
                           "本地自定义音标文件保留。")
                .arg(result.entries),
            MsgBox::Critical, kNotice);
    } else {
        info(replace ? QStringLiteral("操作完成。\r\n强制更新数：%1\r\n新加入音标库数：%2")
                           .arg(result.duplicates)
                           .arg(result.additions)
                     : QStringLiteral("操作完成。\r\n忽略重担记录数：%1\r\n新增记录数：%2")
                           .arg(result.duplicates)
                           .arg(result.additions));
        if (Check2->isChecked()) {
            if (!QFile::exists(UserEntries::path())) {
                info(QStringLiteral("本地自定义音标文件没有找到，没有删除动作！"));
            } else if (!QFile::remove(UserEntries::path())) {
                messageBox.show(QStringLiteral("本地自定义音标文件无法删除！"), MsgBox::Critical, kNotice);
            } else {
                List1->clear();
                List2.clear();
                info(QStringLiteral("本地自定义音标文件已经删除！"));
            }
        }
    }
    for (QWidget* w : std::initializer_list<QWidget*>{Command9, Check1, Check2})
        w->setEnabled(true);
    importing = false;
    // Closed during the import: the main window's lists follow the file as the import left it.
    if (std::exchange(closedDuringImport, false))
        Form_Unload();
}

QLineEdit* Form2::keypadTarget() const {
    const QString target = lblwhere->text();
    if (target == u"text4.text")
        return Text4;
    if (target == u"text5.text")
        return Text6;
    return Text2;
}

void Form2::Command1_Click(int index) {
    QLineEdit* box = keypadTarget();
    box->insert(PhoneticKeys::dialogLayout(index));
    box->setFocus();
}

void Form2::c1_Click(int index) {
    QLineEdit* box = keypadTarget();
    const bool addMode = box == Text2;
    box->insert(index == 7 && !addMode ? QStringLiteral("]") : PhoneticKeys::extraKey(index));
    box->setFocus();
}

void Form2::Form_Unload() {
    closedDuringImport = importing;
    mainList1.clear();
    mainList2.clear();
    for (const UserEntries::Entry& e : UserEntries::load()) {
        mainList1.append(e.word);
        mainList2.append(e.line);
    }
}
