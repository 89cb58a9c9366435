#pragma once
// What every window of the program does to stand its controls where they were designed: one small
// font, labels sized to their text, buttons at fixed places.

#include <QRect>
#include <QSize>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace clipvane {

// The windows were laid out for an 8 point font 13 pixels high; an 11 pixel font keeps every text
// inside its control whatever the desktop's default size is. Call before creating the children.
void SetDesignFont(QWidget& window);

// A fixed dialog border: a title bar with a close button, no minimise or maximise box.
void SetDialogBorder(QWidget& window, QSize clientSize);

// Narrows the widget's font just enough that `text` fits into `room` pixels, for the few texts the
// desktop's font sets wider than the layout allows. Leaves the font alone when the text fits.
void NarrowToFit(QWidget& widget, const QString& text, int room);

// A label at (left, top) as high as its text; as wide as its text unless `width` is given.
QLabel* MakeDesignLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                        int width = -1);

// A push button that is the default only where the window makes it so.
QPushButton* MakeDesignButton(QWidget* parent, const char* name, const QString& text, const QRect& geometry);

} // namespace clipvane
