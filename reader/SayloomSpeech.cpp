#include "reader/Sayloom.h"

#include "platform/core/Vb.h"
#include "platform/services/MessageTitles.h"
#include "reader/speech/SpeakFlags.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {
const QString kPauseCaption = QStringLiteral("暂停");
const QString kContinueCaption = QStringLiteral("继续");

int withFlag(int flags, bool ticked, int bit) {
    return ticked ? flags | bit : flags & ~bit;
}
} // namespace

void Sayloom::connectVoice() {
    if (!Voice)
        return;
    connect(Voice.get(), &SpeechVoice::StartStream, this, [this] { UpdateSpeakState(true, Paused); });
    connect(Voice.get(), &SpeechVoice::Word, this,
            [this](int, qint64, int position, int length) { showSpokenWord(position, length); });
    connect(Voice.get(), &SpeechVoice::EndStream, this, [this] {
        highlightTimer->stop();
        HighlightSpokenRange(0, int(MainTxtBox->text().size()));
        UpdateSpeakState(false, Paused);
    });
    connect(Voice.get(), &SpeechVoice::VoiceChange, this, [this](int, qint64, const VoiceToken& token) {
        const int i = VoiceCB->findText(token.GetDescription(), Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (i < 0)
            return;
        VoiceCB->setCurrentIndex(i);
        VoiceCB_Click();
    });
}

void Sayloom::applyFlagBox(QCheckBox* box) {
    const bool ticked = box->isChecked();
    if (box == chkSpFlagAync)
        SpeakFlags = withFlag(SpeakFlags, ticked, SpeakFlag::Async);
    else if (box == chkSpFlagPurgeBeforeSpeak)
        SpeakFlags = withFlag(SpeakFlags, ticked, SpeakFlag::PurgeBeforeSpeak);
    else if (box == chkSpFlagIsFilename)
        SpeakFlags = withFlag(SpeakFlags, ticked, SpeakFlag::IsFilename);
    else if (box == chkSpFlagIsXML)
        SpeakFlags = withFlag(withFlag(SpeakFlags, ticked, SpeakFlag::IsXML), !ticked, SpeakFlag::IsNotXML);
    else if (box == chkSpFlagPersistXML)
        SpeakFlags = withFlag(SpeakFlags, ticked, SpeakFlag::PersistXML);
    else if (box == chkSpFlagNLPSpeakPunc)
        SpeakFlags = withFlag(SpeakFlags, ticked, SpeakFlag::NLPSpeakPunc);
}

bool Sayloom::SpeakBtn_Click() {
    const QString text = MainTxtBox->text();
    if (text.isEmpty()) {
        services.messageBox.show(QStringLiteral("当前没有内容，让我朗读什么？"), MsgBox::Information,
                                 MessageTitle::notice());
        MainTxtBox->setFocus();
        return true;
    }
    if (!Voice) {
        UpdateSpeakState(false, Paused);
        return false;
    }
    const bool blocking = !(SpeakFlags & SpeakFlag::Async);
    bool ok = true;
    if (!(Paused && Speaking))
        ok = Voice->Speak(text, SpeakFlags);
    if (ok && Paused)
        ok = Voice->Resume();
    if (!ok)
        UpdateSpeakState(false, Paused);
    else if (blocking)
        // The events of a blocking Speak have already arrived: the speech is over.
        UpdateSpeakState(false, false);
    else
        UpdateSpeakState(true, false);
    return ok;
}

void Sayloom::PauseBtn_Click() {
    bool paused = false;
    const QString caption = PauseBtn1->text();
    if (caption == kPauseCaption) {
        if (Voice)
            Voice->Pause();
        paused = true;
    } else if (caption == kContinueCaption) {
        if (Voice)
            Voice->Resume();
        paused = false;
    } else {
        return;
    }
    UpdateSpeakState(Speaking, paused);
}

void Sayloom::StopBtn_Click() {
    if (Voice) {
        Voice->Speak(QString(), SpeakFlag::PurgeBeforeSpeak);
        if (Paused)
            Voice->Resume();
    }
    UpdateSpeakState(false, false);
}

void Sayloom::SkipBtn_Click() {
    if (!Voice)
        return;
    const int count = Vb::toInt16(Vb::val(SkipTxtBox->text())).value_or(0);
    Voice->Skip(QStringLiteral("Sentence"), count);
}

void Sayloom::UpdateSpeakState(bool speaking, bool paused) {
    menuFileOpenText->setEnabled(!speaking);
    menuFileSpeakWave->setEnabled(!speaking);
    menuFileSaveToWave->setEnabled(!speaking);
    SpeakBtn->setEnabled(true);
    StopBtn->setEnabled(speaking);
    SkipBtn->setEnabled(speaking && !paused);
    PauseBtn->setEnabled(speaking);
    PauseBtn1->setText(paused ? kContinueCaption : kPauseCaption);
    Speaking = speaking;
    Paused = paused;
}

void Sayloom::showSpokenWord(int start, int length) {
    // An export reports words far faster than anyone can read them, and marking a word lays out
    // its paragraph: the box shows the latest word now and then.
    constexpr int kExportHighlightMs = 250;
    if (exporting && highlightClock.isValid() && highlightClock.elapsed() < kExportHighlightMs) {
        pendingHighlight = {start, length};
        if (!highlightTimer->isActive())
            highlightTimer->start(kExportHighlightMs);
        return;
    }
    highlightTimer->stop();
    highlightClock.start();
    HighlightSpokenRange(start, length);
}

void Sayloom::HighlightSpokenRange(int start, int length) {
    if (chkSpFlagIsFilename->isChecked())
        return;
    MainTxtBox->setSelStart(start);
    MainTxtBox->setSelLength(length);
}
