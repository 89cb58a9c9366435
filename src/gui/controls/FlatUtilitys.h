#pragma once
// Drawing helpers of the flat panel, kept apart so that other flat controls can share them.

#include <Qt>

class QColor;
class QPainter;
class QPalette;
class QRect;
class QString;
class QWidget;

namespace clipvane {

// A one-pixel frame on the outermost ring of `rect`: the left and top lines in `highlight`, the right and
// bottom lines in `shadow`. The top-left corner belongs to the highlight, the other three to the shadow.
void DrawFrame(QPainter& painter, const QRect& rect, const QColor& highlight, const QColor& shadow);

// Text flags for a single-line caption, vertically centred, placed left, right or (for anything else)
// centred by the horizontal part of `alignment`; "&" underlines the next character and "&&" shows "&".
int CaptionTextFlags(Qt::Alignment alignment);

// The caption of a disabled control: a copy in the palette's Light colour one pixel lower right, under a
// copy in its Dark colour (the button highlight and button shadow colours).
void DrawDisabledText(QPainter& painter, const QRect& rect, int flags, const QString& text,
                      const QPalette& palette);

// Paints what the parent of `control` draws behind it into `painter`, whose origin is the control's
// top-left corner: its background colour, then its own painting (not its children's). Does nothing
// without a parent. The caller guards against being painted again from inside the parent's painting.
void PaintParentBackground(const QWidget& control, QPainter& painter);

// A dotted frame on the outermost ring of `rect` in the control's text colour while `control` has the
// keyboard focus; nothing otherwise.
void DrawFocusIndication(QPainter& painter, const QWidget& control, const QRect& rect);

} // namespace clipvane
