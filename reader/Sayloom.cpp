#include "reader/Sayloom.h"

#include "platform/core/ProgramFolder.h"
#include "platform/core/Vb.h"
#include "platform/services/MessageTitles.h"
#include "platform/widgets/Named.h"
#include "reader/Frmabout.h"
#include "reader/Frmdown.h"
#include "reader/speech/AudioFormats.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>

namespace {

// The window keeps one outer size: 11985 by 7995 twips at 15 twips a pixel.
constexpr QSize kOuterSize(799, 533);

const QString kDefaultFormat = QStringLiteral("SAFT22kHz16BitMono");
const QString kNoOutput = QStringLiteral("No audio ouput object available");
const QString kIntroduction =
    QStringLiteral("这是一款可以阅读文本文件并可将文本生成语音的软件。在这里输入内容，或从文件"
                   "菜单打开文件，点左侧按钮开始朗读");

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* l = named(new QLabel(text, parent), name);
    l->setGeometry(geometry);
    return l;
}

} // namespace

Sayloom::Sayloom(Services services, std::unique_ptr<SpeechVoice> voice, QWidget* parent)
    : QMainWindow(parent), services(services), Voice(std::move(voice)) {
    setObjectName(QStringLiteral("Sayloom"));
    setWindowTitle(QStringLiteral("Sayloom   版本号：2.05"));
    setupControls();
    setupMenus();
    highlightTimer = new QTimer(this);
    highlightTimer->setSingleShot(true);
    connect(highlightTimer, &QTimer::timeout, this, [this] {
        highlightClock.start();
        HighlightSpokenRange(pendingHighlight.first, pendingHighlight.second);
    });
    connectHandlers();
    connectVoice();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    Timer1->start();
    fixSize();
    Form_Load();
}

Sayloom::~Sayloom() = default;

void Sayloom::setupControls() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("central"));
    setCentralWidget(central);
    Image1 = named(new QLabel(central), "Image1");
    Image1->setGeometry(0, 0, kOuterSize.width(), kOuterSize.height());
    Image1->setScaledContents(true);
    const QString picture = ProgramFolder::file(QStringLiteral("backgrass.gif"));
    if (QFileInfo::exists(picture))
        Image1->setPixmap(QPixmap(picture));

    auto button = [central](const char* name, const QString& text, const QRect& geometry) {
        auto* b = named(new QPushButton(text, central), name);
        b->setGeometry(geometry);
        return b;
    };
    SpeakBtn = button("SpeakBtn", QStringLiteral("朗读"), {16, 14, 104, 36});
    PauseBtn = button("PauseBtn", QStringLiteral("暂停/继续"), {16, 58, 104, 36});
    StopBtn = button("StopBtn", QStringLiteral("停止"), {16, 102, 104, 36});
    SkipBtn = button("SkipBtn", QStringLiteral("跳过"), {16, 146, 56, 30});
    SkipTxtBox = named(new QLineEdit(QStringLiteral("0"), central), "SkipTxtBox");
    SkipTxtBox->setGeometry(76, 146, 28, 30);
    UpDown1 = named(new QSpinBox(central), "UpDown1");
    UpDown1->setRange(-50, 50);
    UpDown1->setGeometry(104, 146, 20, 30);
    UpDown1->setStyleSheet(QStringLiteral("QSpinBox { color: transparent; }"));
    ResetBtn = button("ResetBtn", QStringLiteral("重置参数"), {16, 190, 104, 36});
    PauseBtn1 = button("PauseBtn1", QStringLiteral("暂停"), {16, 234, 48, 22});
    PauseBtn1->setEnabled(false);

    MainTxtBox = named(new TextBox(central), "MainTxtBox");
    MainTxtBox->setGeometry(136, 14, 646, 270);
    MainTxtBox->setText(
        QStringLiteral("这是一款可以阅读文本文件并可将文本生成语音的软件。在这里输入内容，或从文件菜"
                       "单打开文件，点左侧按\r\n钮开始朗读\r\n"));

    auto* panel = named(new QLabel(central), "settingsPanel");
    panel->setGeometry(136, 294, 646, 190);
    panel->setStyleSheet(QStringLiteral("background: rgba(255, 255, 255, 170); border-radius: 8px;"));
    label(central, "Label2", QStringLiteral("语音引擎："), {150, 304, 100, 28});
    VoiceCB = named(new QComboBox(central), "VoiceCB");
    VoiceCB->setGeometry(250, 304, 250, 28);
    label(central, "Label1", QStringLiteral("音频输出设备："), {150, 340, 100, 28});
    AudioOutputCB = named(new QComboBox(central), "AudioOutputCB");
    AudioOutputCB->setGeometry(250, 340, 250, 28);
    label(central, "Label5", QStringLiteral("输出格式："), {150, 376, 100, 28});
    FormatCB = named(new QComboBox(central), "FormatCB");
    FormatCB->setGeometry(250, 376, 250, 28);
    FormatCB->setMaxVisibleItems(12);

    label(central, "Label3", QStringLiteral("输出语速："), {516, 304, 80, 28});
    RateSldr = named(new QSlider(Qt::Horizontal, central), "RateSldr");
    RateSldr->setRange(SpeechVoice::kRateMin, SpeechVoice::kRateMax);
    RateSldr->setTickPosition(QSlider::TicksBelow);
    RateSldr->setToolTip(QStringLiteral("语速控制"));
    RateSldr->setGeometry(596, 304, 176, 30);
    label(central, "Label4", QStringLiteral("输出音量："), {516, 340, 80, 28});
    VolumeSldr = named(new QSlider(Qt::Horizontal, central), "VolumeSldr");
    VolumeSldr->setRange(0, SpeechVoice::kVolumeMax);
    VolumeSldr->setTickInterval(10);
    VolumeSldr->setTickPosition(QSlider::TicksBelow);
    VolumeSldr->setToolTip(QStringLiteral("改变音量"));
    VolumeSldr->setGeometry(596, 340, 176, 30);

    auto box = [central](const char* name, const char* caption, int x, int y) {
        auto* b = named(new QCheckBox(QLatin1StringView(caption), central), name);
        b->setGeometry(x, y, 150, 24);
        return b;
    };
    chkSpFlagAync = box("chkSpFlagAync", "FlagsAsync", 150, 418);
    chkSpFlagPurgeBeforeSpeak = box("chkSpFlagPurgeBeforeSpeak", "PurgeBeforeSpeak", 360, 418);
    chkSpFlagIsFilename = box("chkSpFlagIsFilename", "IsFilename", 580, 418);
    chkSpFlagIsXML = box("chkSpFlagIsXML", "IsXML", 150, 448);
    chkSpFlagPersistXML = box("chkSpFlagPersistXML", "PersistXML", 360, 448);
    chkSpFlagNLPSpeakPunc = box("chkSpFlagNLPSpeakPunc", "NLPSpeakPunc", 580, 448);
}

void Sayloom::setupMenus() {
    auto action = [this](QMenu* menu, const char* name, const QString& text) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QLatin1StringView(name));
        return a;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
    menuFileOpenText = action(file, "menuFileOpenText", QStringLiteral("打开文字文件"));
    menuFileOpenText->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    menuFileSpeakWave = action(file, "menuFileSpeakWave", QStringLiteral("打开声音文件"));
    menuFileSpeakWave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    menuFileSaveToWave = action(file, "menuFileSaveToWave", QStringLiteral("保存为声音文件"));
    menuFileSaveToWave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnusavetotxt = action(file, "mnusavetotxt", QStringLiteral("另存为文本文件"));
    file->addSeparator();
    mnuclearfile = action(file, "mnuclearfile", QStringLiteral("清除文件列表记录"));
    mnuclearfile->setVisible(false);
    recent = std::make_unique<RecentFileList>(services.settings, QStringLiteral("Sayloom"), *file,
                                              mnuclearfile, QStringLiteral("mlastfile%1"),
                                              [this](int i) { mlastfile_Click(i); });
    mlastfile = recent->menuItems();
    file->addSeparator();
    menuFileExit = action(file, "menuFileExit", QStringLiteral("退出程序"));
    menuFileExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* background = menuBar()->addMenu(QStringLiteral("背景(&B)"));
    const std::array<std::pair<const char*, QString>, 4> pictures = {{
        {"mnub1", QStringLiteral("青草绿")},
        {"mnub2", QStringLiteral("纯情粉")},
        {"mnub3", QStringLiteral("梦幻蓝")},
        {"mnub4", QStringLiteral("渐变银")},
    }};
    const std::array<QString, 4> files = {QStringLiteral("backgrass.gif"), QStringLiteral("backpink.gif"),
                                          QStringLiteral("backblue.gif"), QStringLiteral("backyin.gif")};
    for (int i = 0; i < 4; ++i) {
        QAction* a = action(background, pictures[i].first, pictures[i].second);
        connect(a, &QAction::triggered, this, [this, f = files[i]] { showBackground(f); });
    }

    QMenu* help = menuBar()->addMenu(QStringLiteral("帮助(&H)"));
    connect(action(help, "mnucontact", QStringLiteral("联系作者(&C)")), &QAction::triggered, this,
            [this] { menuAbout_Click(); });
    connect(action(help, "menuAbout", QStringLiteral("关于(&A)")), &QAction::triggered, this,
            [this] { menuAbout_Click(); });
    connect(action(help, "mnudownload", QStringLiteral("下载语音引擎(&D)")), &QAction::triggered, this,
            [this] { mnudownload_Click(); });
}

void Sayloom::connectHandlers() {
    connect(VoiceCB, &QComboBox::activated, this, [this] { VoiceCB_Click(); });
    connect(AudioOutputCB, &QComboBox::activated, this, [this] { AudioOutputCB_Click(); });
    connect(FormatCB, &QComboBox::activated, this, [this] { FormatCB_Click(); });
    connect(RateSldr, &QSlider::valueChanged, this, [this] { RateSldr_Scroll(); });
    connect(VolumeSldr, &QSlider::valueChanged, this, [this] { VolumeSldr_Scroll(); });
    connect(ResetBtn, &QPushButton::clicked, this, [this] { ResetBtn_Click(); });
    connect(SpeakBtn, &QPushButton::clicked, this, [this] { SpeakBtn_Click(); });
    connect(PauseBtn, &QPushButton::clicked, this, [this] { PauseBtn_Click(); });
    connect(StopBtn, &QPushButton::clicked, this, [this] { StopBtn_Click(); });
    connect(SkipBtn, &QPushButton::clicked, this, [this] { SkipBtn_Click(); });
    for (QCheckBox* b : {chkSpFlagAync, chkSpFlagPurgeBeforeSpeak, chkSpFlagIsFilename, chkSpFlagIsXML,
                         chkSpFlagPersistXML, chkSpFlagNLPSpeakPunc})
        connect(b, &QCheckBox::toggled, this, [this, b] { applyFlagBox(b); });
    connect(UpDown1, &QSpinBox::valueChanged, this,
            [this](int v) { SkipTxtBox->setText(QString::number(v)); });
    connect(SkipTxtBox, &QLineEdit::textEdited, this, [this](const QString& t) {
        const QSignalBlocker block(UpDown1);
        UpDown1->setValue(int(qBound<double>(-50, Vb::roundHalfEven(Vb::val(t)), 50)));
    });
    connect(menuFileOpenText, &QAction::triggered, this, [this] { menuFileOpenText_Click(); });
    connect(menuFileSpeakWave, &QAction::triggered, this, [this] { menuFileSpeakWave_Click(); });
    connect(menuFileSaveToWave, &QAction::triggered, this, [this] { menuFileSaveToWave_Click(); });
    connect(mnusavetotxt, &QAction::triggered, this, [this] { mnusavetotxt_Click(); });
    connect(mnuclearfile, &QAction::triggered, this, [this] { mnuclearfile_Click(); });
    connect(menuFileExit, &QAction::triggered, this, [this] { menuFileExit_Click(); });
}

void Sayloom::startupFailed(const QString& description) {
    services.messageBox.show(QStringLiteral("初始化错误: \r\n\r\n") + description +
                                 QStringLiteral("\r\n\r\n关闭！"),
                             MsgBox::OkOnly, MessageTitle::notice());
    Voice.reset();
    services.programExit.exit(0);
}

void Sayloom::Form_Load() {
    if (!Voice) {
        startupFailed(QStringLiteral("语音引擎不存在"));
        return;
    }
    if (!Voice->initializationError().isEmpty()) {
        startupFailed(Voice->initializationError());
        return;
    }
    const QList<VoiceToken> voices = Voice->GetVoices();
    for (const VoiceToken& v : voices)
        VoiceCB->addItem(v.GetDescription());
    if (voices.isEmpty()) {
        startupFailed(QStringLiteral("没有安装任何语音，无效的过程调用或参数"));
        return;
    }
    VoiceCB->setCurrentIndex(0);
    if (!Voice->setVoice(voices[0])) {
        startupFailed(Voice->errorDescription());
        return;
    }
    FillFormatList();
    {
        const QSignalBlocker rate(RateSldr);
        const QSignalBlocker volume(VolumeSldr);
        RateSldr->setValue(Voice->Rate());
        VolumeSldr->setValue(Voice->Volume());
    }
    selectFormatByText(kDefaultFormat);
    const QList<AudioOutputToken> outputs = Voice->GetAudioOutputs();
    if (outputs.isEmpty()) {
        AudioOutputCB->addItem(kNoOutput);
        AudioOutputCB->setEnabled(false);
    } else {
        for (const AudioOutputToken& o : outputs)
            AudioOutputCB->addItem(o.GetDescription());
    }
    AudioOutputCB->setCurrentIndex(0);
    AudioOutputCB_Click();
    SpeakFlags = SpeakFlag::Default;
    chkSpFlagAync->setChecked(true);
    chkSpFlagPurgeBeforeSpeak->setChecked(true);
    chkSpFlagIsXML->setChecked(true);
    UpdateSpeakState(false, false);
    recent->LoadRecentFileMenu();
}

void Sayloom::FillFormatList() {
    for (const AudioFormat& f : AudioFormats::all())
        AddFormatItem(f.name(), f.type);
}

void Sayloom::AddFormatItem(const QString& name, int value) {
    FormatCB->addItem(name);
    FormatCB->setItemData(FormatCB->count() - 1, value);
}

void Sayloom::selectFormatByText(const QString& text) {
    const QSignalBlocker block(FormatCB);
    FormatCB->setCurrentIndex(FormatCB->findText(text));
}

void Sayloom::Timer1_Timer() {
    ++StartupTicks;
    if (StartupTicks == 1) {
        jiance();
        Timer1->stop();
    }
}

void Sayloom::jiance() {
    if (VoiceCB->count() < 2)
        MainTxtBox->setSelText(
            QStringLiteral("软件检测到您当前电脑的语音发声引擎少于2个，请尽可能安装更多的语音引擎！"
                           "\r\n具体安装方法，请点帮助菜单下的下载语音引擎，安装即可。"));
    if (VoiceCB->count() < 1)
        return;
    bool mandarin = false;
    if (Voice) {
        for (const VoiceToken& v : Voice->GetVoices())
            mandarin = mandarin || v.isMandarin();
    }
    if (!mandarin)
        MainTxtBox->setSelText(
            QStringLiteral("\r\n软件未检测到中文语音发音引擎，软件可能无法阅读中文。请点帮助菜单下的"
                           "下载语音引擎，安装后即可阅读中文。\r\n"));
}

void Sayloom::VoiceCB_Click() {
    if (!Voice)
        return;
    const QList<VoiceToken> voices = Voice->GetVoices();
    const int i = VoiceCB->currentIndex();
    if (i >= 0 && i < voices.size())
        Voice->setVoice(voices[i]);
}

void Sayloom::AudioOutputCB_Click() {
    if (!Voice)
        return;
    const QList<AudioOutputToken> outputs = Voice->GetAudioOutputs();
    const int i = AudioOutputCB->currentIndex();
    if (AudioOutputCB->isEnabled() && i >= 0 && i < outputs.size())
        Voice->setAudioOutput(outputs[i]);
    FormatCB_Click();
}

void Sayloom::FormatCB_Click() {
    if (!Voice)
        return;
    Voice->setAllowAudioOutputFormatChangesOnNextSet(false);
    const QVariant type = FormatCB->currentData();
    if (type.isValid())
        Voice->AudioOutputStream()->setFormatType(type.toInt());
    Voice->setAudioOutputStream(Voice->AudioOutputStream());
}

void Sayloom::RateSldr_Scroll() {
    if (Voice)
        Voice->setRate(RateSldr->value());
}

void Sayloom::VolumeSldr_Scroll() {
    if (Voice)
        Voice->setVolume(VolumeSldr->value());
}

void Sayloom::ResetBtn_Click() {
    {
        const QSignalBlocker block(AudioOutputCB);
        AudioOutputCB->setCurrentIndex(0);
    }
    AudioOutputCB_Click();
    if (Voice)
        Voice->setAudioOutput(std::nullopt);
    {
        const QSignalBlocker block(VoiceCB);
        VoiceCB->setCurrentIndex(0);
    }
    VoiceCB_Click();
    selectFormatByText(kDefaultFormat);
    MainTxtBox->setText(kIntroduction);
    {
        const QSignalBlocker block(VolumeSldr);
        VolumeSldr->setValue(100);
    }
    VolumeSldr_Scroll();
    {
        const QSignalBlocker block(RateSldr);
        RateSldr->setValue(0);
    }
    RateSldr_Scroll();
    SpeakFlags = SpeakFlag::Default;
    chkSpFlagAync->setChecked(true);
    chkSpFlagPurgeBeforeSpeak->setChecked(true);
    chkSpFlagIsXML->setChecked(true);
    chkSpFlagIsFilename->setChecked(false);
    chkSpFlagNLPSpeakPunc->setChecked(false);
    chkSpFlagPersistXML->setChecked(false);
    {
        const QSignalBlocker block(UpDown1);
        UpDown1->setValue(0);
    }
    SkipTxtBox->setText(QStringLiteral("0"));
    if (Paused && Voice)
        Voice->Resume();
    UpdateSpeakState(false, false);
}

void Sayloom::showBackground(const QString& fileName) {
    const QString path = ProgramFolder::file(fileName);
    if (!QFileInfo::exists(path))
        return;
    const QPixmap picture(path);
    if (!picture.isNull())
        Image1->setPixmap(picture);
}

void Sayloom::Form_Unload() {
    Voice.reset();
}

void Sayloom::menuFileExit_Click() {
    services.programExit.exit(0);
}

void Sayloom::closeEvent(QCloseEvent* event) {
    // The export under way uses the voice; the window closes when it is done.
    if (exporting) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
    services.programExit.exit(0);
}

void Sayloom::fixSize() {
    const QSize frame = frameGeometry().size() - geometry().size();
    setFixedSize(kOuterSize - frame);
}

void Sayloom::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!isMinimized() && frameGeometry().size() != kOuterSize)
        fixSize();
}

void Sayloom::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    fixSize();
}

void Sayloom::menuAbout_Click() {
    if (!about)
        about = new Frmabout(services.shell, this);
    about->setWindowModality(Qt::ApplicationModal);
    about->show();
    about->raise();
}

void Sayloom::mnudownload_Click() {
    if (!download)
        download = new Frmdown(services.shell, this);
    download->show();
    download->raise();
}
