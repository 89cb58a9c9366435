#include "gui/controls/SUIURLLabel.h"

#include "gui/Dialogs.h"
#include "gui/controls/FlatUtilitys.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

namespace clipvane {

TsuiURLLabel::TsuiURLLabel(QWidget* parent)
    : QLabel(parent) {
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    SetFontColor(m_fontLinkColor);
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    SetCaption(tr("Hello from Clipvane!"));
}

void TsuiURLLabel::SetCaption(const QString& caption) {
    setText(caption);
    FitToText();
}

void TsuiURLLabel::SetAutoSize(bool autoSize) {
    m_autoSize = autoSize;
    FitToText();
}

void TsuiURLLabel::FitToText() {
    if (m_autoSize)
        adjustSize();
}

void TsuiURLLabel::SetFontLinkColor(const QColor& color) {
    m_fontLinkColor = color;
    SetFontColor(color);
}

QColor TsuiURLLabel::FontColor() const {
    return palette().color(QPalette::Active, foregroundRole());
}

void TsuiURLLabel::SetFontColor(const QColor& color) {
    // The disabled colours stay the style's, so a disabled link still looks disabled.
    QPalette colours = palette();
    colours.setColor(QPalette::Active, foregroundRole(), color);
    colours.setColor(QPalette::Inactive, foregroundRole(), color);
    setPalette(colours);
}

void TsuiURLLabel::Click() {
    if (!m_url.trimmed().isEmpty())
        TDialogs::Instance().OpenUrl(QUrl(m_url));
    emit clicked();
}

void TsuiURLLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    SetFontColor(m_fontHoverColor);
}

void TsuiURLLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    SetFontColor(m_fontLinkColor);
}

void TsuiURLLabel::mousePressEvent(QMouseEvent* event) {
    QLabel::mousePressEvent(event);
    m_click.Press(event);
}

void TsuiURLLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (m_click.Release(event, rect()))
        Click();
    QLabel::mouseReleaseEvent(event);
}

void TsuiURLLabel::keyPressEvent(QKeyEvent* event) {
    if (TClickTracker::ClickKey(event))
        Click();
    else
        QLabel::keyPressEvent(event);
}

void TsuiURLLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    QPainter painter(this);
    DrawFocusIndication(painter, *this, rect());
}

void TsuiURLLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        FitToText();
}

} // namespace clipvane
