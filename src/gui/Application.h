#pragma once
// The application's general error display: an exception that escapes an event handler is shown in
// an error message box instead of unwinding into Qt's event loop.

#include <QApplication>

#include <string>

namespace clipvane {

class TApplication final : public QApplication {
    Q_OBJECT

public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

// For a handler's own catch block: shows the exception being handled (an EAbort shows nothing).
// The box is owned by `parent`, or by the active window when there is none.
void ShowCurrentException(QWidget* parent);

// For a catch block: the message of the exception being handled, as its box words it.
std::string CurrentExceptionText();

} // namespace clipvane
