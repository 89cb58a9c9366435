#pragma once
// The one question the engine asks: may an existing output be overwritten?

#include <string>

namespace clipvane {

// Asks the user a Yes/No question; implemented by the GUI (a message box), tests and the console.
class TQuestion {
public:
    virtual ~TQuestion() = default;
    virtual bool AskYesNo(const std::string& text) = 0;
};

} // namespace clipvane
