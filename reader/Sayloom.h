#pragma once

#include "platform/core/TextEncoding.h"
#include "platform/recent/RecentFileList.h"
#include "platform/services/Services.h"
#include "reader/TextBox.h"
#include "reader/speech/SpeakFlags.h"
#include "reader/speech/SpeechVoice.h"

#include <QElapsedTimer>
#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QTimer;
class Frmabout;
class Frmdown;

// The reader's main window: speaks the text box with the chosen voice, output, format, rate and
// volume, marks each word as it is heard, writes speech to WAV files and keeps recent files.
class Sayloom : public QMainWindow {
    Q_OBJECT
public:
    Sayloom(Services services, std::unique_ptr<SpeechVoice> voice, QWidget* parent = nullptr);
    ~Sayloom() override;

    // Engine set-up, choices, reset, background.
    void Form_Load();
    void Timer1_Timer();
    void jiance();
    void VoiceCB_Click();
    void AudioOutputCB_Click();
    void FormatCB_Click();
    void RateSldr_Scroll();
    void VolumeSldr_Scroll();
    void ResetBtn_Click();
    void Form_Unload();
    void menuFileExit_Click();
    void showBackground(const QString& fileName);

    // Speaking.
    // False when the voice refused to speak.
    bool SpeakBtn_Click();
    void PauseBtn_Click();
    void StopBtn_Click();
    void SkipBtn_Click();
    void UpdateSpeakState(bool speaking, bool paused);
    void HighlightSpokenRange(int start, int length);

    // Files.
    void menuFileSaveToWave_Click();
    void menuFileSpeakWave_Click();
    void menuFileOpenText_Click();
    void mnusavetotxt_Click();
    void mlastfile_Click(int index);
    void mnuclearfile_Click();
    void OpenRecentFile(const QString& path);
    QString GetDirectory() const;

    // Help.
    void menuAbout_Click();
    void mnudownload_Click();

    SpeechVoice* voice() const { return Voice.get(); }
    int speakFlags() const { return SpeakFlags; }
    bool speaking() const { return Speaking; }
    bool paused() const { return Paused; }

    QComboBox* VoiceCB;
    QComboBox* AudioOutputCB;
    QComboBox* FormatCB;
    QSlider* RateSldr;
    QSlider* VolumeSldr;
    TextBox* MainTxtBox;
    QLineEdit* SkipTxtBox;
    QSpinBox* UpDown1;
    QPushButton* SpeakBtn;
    QPushButton* PauseBtn;
    QPushButton* StopBtn;
    QPushButton* SkipBtn;
    QPushButton* ResetBtn;
    QPushButton* PauseBtn1;
    QCheckBox* chkSpFlagAync;
    QCheckBox* chkSpFlagPurgeBeforeSpeak;
    QCheckBox* chkSpFlagIsFilename;
    QCheckBox* chkSpFlagIsXML;
    QCheckBox* chkSpFlagPersistXML;
    QCheckBox* chkSpFlagNLPSpeakPunc;
    QLabel* Image1;
    QTimer* Timer1;
    QAction* menuFileOpenText;
    QAction* menuFileSpeakWave;
    QAction* menuFileSaveToWave;
    QAction* mnusavetotxt;
    std::array<QAction*, 4> mlastfile;
    QAction* mnuclearfile;
    QAction* menuFileExit;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void setupControls();
    void setupMenus();
    void connectHandlers();
    void connectVoice();
    void FillFormatList();
    void AddFormatItem(const QString& name, int value);
    void selectFormatByText(const QString& text);
    void applyFlagBox(QCheckBox* box);
    void startupFailed(const QString& description);
    void fixSize();
    void reportFileError(const QString& path, bool writing);
    bool openTextFile(const QString& path);
    void showSpokenWord(int start, int length);
    // Waits for a WAV export to end.
    bool waitUntilExported();

    Services services;
    std::unique_ptr<SpeechVoice> Voice;
    int SpeakFlags = SpeakFlag::Default;
    bool Speaking = false;
    bool Paused = false;
    bool exporting = false;
    QTimer* highlightTimer;
    QElapsedTimer highlightClock;
    std::pair<int, int> pendingHighlight;
    int StartupTicks = 0;
    QString lastFileName;
    // A text file is saved in the encoding it was opened in.
    TextEncoding::Encoding textEncoding = TextEncoding::Encoding::Ansi;
    std::unique_ptr<RecentFileList> recent;
    // Owned through this window as their Qt parent, created on first use.
    Frmabout* about = nullptr;
    Frmdown* download = nullptr;
};
