#pragma once

#include <memory>
#include <string>

// A question with the buttons Yes, No and Cancel and a warning icon, such as
// whether to save a changed document before it closes. Like the other message
// boxes it is shown by a replaceable sink: the program installs one that shows
// a real box, tests install a recorder.

enum class YesNoCancelAnswer { Yes, No, Cancel };

class CYesNoCancelSink {
public:
    virtual ~CYesNoCancelSink() = default;

    // Shows a modal box and returns the button the user chose.
    virtual YesNoCancelAnswer Ask(const std::string& caption, const std::string& text) = 0;
};

// Installs the sink used from now on and returns the previous one. A null sink
// restores the default, which writes the question to standard error and
// answers Cancel, so that nothing is lost when no one can answer.
std::unique_ptr<CYesNoCancelSink> InstallYesNoCancelSink(std::unique_ptr<CYesNoCancelSink> sink);

// The caption comes first, then the text.
YesNoCancelAnswer AskYesNoCancel(const std::string& caption, const std::string& text);
