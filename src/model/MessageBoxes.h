#pragma once

#include <memory>
#include <string>

// The program's one way of telling the user something: three modal boxes,
// each preceded by a short alarm tone. The boxes themselves are shown by a
// replaceable sink, so that the model needs no window system: the program
// installs one that shows real message boxes, tests install a recorder.

enum class MessageKind {
    Question,     // Yes and No buttons, question icon
    Warning,      // OK button, exclamation icon
    Info,         // OK button, no icon
    SaveQuestion, // Yes, No and Cancel buttons, exclamation icon, no tone
};

// The button the user chose; OK counts as Yes.
enum class MessageAnswer { Yes, No, Cancel };

class CMessageSink {
public:
    virtual ~CMessageSink() = default;

    // Sounds the alarm tone and returns when it has ended.
    virtual void Beep(int frequencyHz, int durationMs) = 0;

    // Shows a modal box and returns the button the user chose.
    virtual MessageAnswer Show(MessageKind kind, const std::string& caption, const std::string& text) = 0;
};

// Installs the sink used from now on and returns the previous one. A null
// sink restores the default, which writes the message to standard error and
// answers No, or Cancel where that is offered, so that nothing is lost when no
// one can answer.
std::unique_ptr<CMessageSink> InstallMessageSink(std::unique_ptr<CMessageSink> sink);

// A tone of 2200 Hz for 50 ms.
void AlarmBeep();

// Each box sounds AlarmBeep first; the caption comes first, then the text.
bool AskYesNo(const std::string& caption, const std::string& text);
void ShowWarning(const std::string& caption, const std::string& text);
void ShowInfo(const std::string& caption, const std::string& text);

// Whether to save a changed document before it closes: Yes, No or Cancel.
MessageAnswer AskYesNoCancel(const std::string& caption, const std::string& text);
