#pragma once
// The one question the engine asks: may an existing output be overwritten?

#include <string>

namespace clipvane {

// What happens to a file whose output exists: the question, or a standing answer chosen beforehand.
enum class TExistingOutput { Ask, Replace, Skip };

// Asks the user a Yes/No question; implemented by the GUI (a message box), tests and the console.
class TQuestion {
public:
    virtual ~TQuestion() = default;
    virtual bool AskYesNo(const std::string& text) = 0;
};

} // namespace clipvane
