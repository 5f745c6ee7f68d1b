#include "shell/frmstep1.h"

#include "platform/core/ProgramFolder.h"
#include "platform/services/MessageTitles.h"
#include "platform/widgets/ClickableLabel.h"
#include "shell/ForeColor.h"
#include "shell/ProductSite.h"
#include "shell/ProductTitle.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kLinkBase = 0x804000; // the maker line's colour, which the links return to
constexpr int kLinkHover = 0xFF0000;

QLabel* label(QWidget* parent, const QString& name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}
} // namespace

frmstep1::frmstep1(Services services, const QString& lockPath, std::function<void()> showMainWindow)
    : QDialog(nullptr, Qt::SplashScreen), services(services), Timer1(new QTimer(this)),
      Frame1(new QFrame(this)), instance(lockPath), showMainWindow(std::move(showMainWindow)) {
    setObjectName(QStringLiteral("frmstep1"));
    setWindowTitle(QStringLiteral("关于 ") + productTitle());
    setFont(QFont(QStringLiteral("宋体"), 10));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Panel);
    Frame1->setMouseTracking(true);
    Frame1->installEventFilter(this);
    setMouseTracking(true);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(Frame1);

    auto* grid = new QGridLayout(Frame1);
    grid->setContentsMargins(18, 14, 18, 14);
    auto* image = new QLabel(Frame1);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(QPixmap(ProgramFolder::file(QStringLiteral("phonexa.png")))
                         .scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    grid->addWidget(image, 0, 0, 3, 1, Qt::AlignTop);
    QLabel* title = label(Frame1, QStringLiteral("Label16"), productTitle());
    QFont titleFont = title->font();
    titleFont.setPointSize(18);
    titleFont.setBold(true);
    title->setFont(titleFont);
    grid->addWidget(title, 0, 1, 1, 2);
    const std::pair<const char16_t*, const char16_t*> bullets[] = {
        {u"Label17", u"●增加系统音标字体支持，实现UNICODE编码的支持"},
        {u"Label14", u"●内建语法规则，识别名词复数、动词各种时态语态，篇章直接标注"},
        {u"Label13", u"●基于音标转换规则的自动查证，并可自主选择是否查证"},
        {u"Label7", u"●内含15万单词音标库，并可自定义单词和音标，扩展性能优越"},
        {u"Label5", u"●高速单词识别，一秒钟内标注十八万词的长篇文档"},
        {u"Label3", u"●当前市场上唯一支持英式第十三版、第十五版、美式KK三种标注的软件"},
        {u"Label4", u"●抹黑单词即可标注，使用得心应手，真正实现即选即标"},
        {u"Label2", u"●内建音标转换的语法规则，不依赖词库，自由实现音标转换"},
    };
    int row = 1;
    for (const auto& [name, text] : bullets)
        grid->addWidget(label(Frame1, QString::fromUtf16(name), QString::fromUtf16(text)), row++, 1, 1, 2);
    auto* twin = label(Frame1, QStringLiteral("Label6"), QStringLiteral("●抹黑单词即可标注，使用得心应手"));
    twin->hide();
    grid->addWidget(label(Frame1, QStringLiteral("Label11"), QStringLiteral("网站：")), row, 1);
    Label12 = new ClickableLabel(ProductSite::home(), Frame1);
    Label12->setObjectName(QStringLiteral("Label12"));
    connect(Label12, &ClickableLabel::clicked, this, &frmstep1::Label12_Click);
    Label12->setCursor(Qt::PointingHandCursor);
    Label12->setMouseTracking(true);
    Label12->installEventFilter(this);
    grid->addWidget(Label12, row++, 2);
    grid->addWidget(label(Frame1, QStringLiteral("Label1"), QStringLiteral("作者：")), row, 1);
    Label8 = label(Frame1, QStringLiteral("Label8"), QStringLiteral("Phonexa 开发组"));
    grid->addWidget(Label8, row++, 2);
    grid->addWidget(label(Frame1, QStringLiteral("Label9"), QStringLiteral("邮箱：")), row, 1);
    Label10 = label(Frame1, QStringLiteral("Label10"), ProductSite::contact());
    grid->addWidget(Label10, row++, 2);
    grid->setColumnStretch(2, 1);
    setForeColor(Label8, kLinkBase);
    setForeColor(Label10, kLinkBase);
    setForeColor(Label12, kLinkBase);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frmstep1::Timer1_Timer);
}

bool frmstep1::Form_Load() {
    switch (instance.acquire()) {
    case InstanceLock::Outcome::Acquired:
    case InstanceLock::Outcome::Unavailable:
        return true;
    case InstanceLock::Outcome::NotAFile:
        // Not a sign of a running instance: the user is told, and the program runs.
        services.messageBox.show(QStringLiteral("无法建立实例锁文件，该位置是一个文件夹：") + instance.path(),
                                 MsgBox::Critical, MessageTitle::notice());
        return true;
    case InstanceLock::Outcome::HeldByRunningInstance:
        break;
    }
    services.messageBox.show(QStringLiteral("已经有实例在运行！"), MsgBox::Critical, MessageTitle::notice());
    services.programExit.exit(0);
    return false;
}

void frmstep1::Timer1_Timer() {
    ++ticks;
    if (ticks != 3)
        return;
    if (showMainWindow)
        showMainWindow();
    Timer1->stop();
    hide();
}

void frmstep1::Frame1_Click() {
    hide();
}

void frmstep1::Form_MouseMove() {
    setForeColor(Label12, foreColor(Label8));
    setForeColor(Label10, foreColor(Label8));
}

void frmstep1::Label12_MouseMove() {
    setForeColor(Label12, kLinkHover);
}

void frmstep1::Label12_Click() {
    (void)services.shell.open(ProductSite::home());
}

void frmstep1::showAbout(QWidget* owner) {
    Timer1->stop();
    setParent(owner, Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    exec();
    // Owned by whoever created it, never by the main window.
    setParent(nullptr, Qt::Dialog | Qt::FramelessWindowHint);
}

bool frmstep1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label12) {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
            Label12_MouseMove();
    } else if (watched == Frame1) {
        if (event->type() == QEvent::MouseMove)
            Form_MouseMove();
        else if (event->type() == QEvent::MouseButtonRelease &&
                 static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            Frame1_Click();
    }
    return QDialog::eventFilter(watched, event);
}
