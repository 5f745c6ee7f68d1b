#pragma once

// Flags of Speak.
namespace SpeakFlag {
enum : int {
    Async = 1,
    PurgeBeforeSpeak = 2,
    IsFilename = 4,
    IsXML = 8,
    IsNotXML = 16,
    PersistXML = 32,
    NLPSpeakPunc = 64,
    // What the window starts with and a reset puts back.
    Default = Async | PurgeBeforeSpeak | IsXML,
};
} // namespace SpeakFlag
