#pragma once
// An underlined label that opens its address with the desktop's handler when clicked and changes
// colour under the mouse.

#include "gui/controls/ClickTracker.h"

#include <QColor>
#include <QLabel>
#include <QString>

namespace clipvane {

class TsuiURLLabel final : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE SetCaption)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(QString URL READ URL WRITE SetURL)
    Q_PROPERTY(QColor FontHoverColor READ FontHoverColor WRITE SetFontHoverColor)
    Q_PROPERTY(QColor FontLinkColor READ FontLinkColor WRITE SetFontLinkColor)

public:
    static constexpr QColor DefaultHoverColor{255, 0, 0};
    static constexpr QColor DefaultLinkColor{0, 0, 255};

    explicit TsuiURLLabel(QWidget* parent = nullptr);

    // Sets the text and, with AutoSize, fits the label to it.
    void SetCaption(const QString& caption);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    QString URL() const { return m_url; }
    void SetURL(const QString& url) { m_url = url; }
    QColor FontHoverColor() const { return m_fontHoverColor; }
    // Takes effect the next time the mouse enters.
    void SetFontHoverColor(const QColor& color) { m_fontHoverColor = color; }
    QColor FontLinkColor() const { return m_fontLinkColor; }
    // Also recolours the text at once.
    void SetFontLinkColor(const QColor& color);
    // The colour the text is drawn in now.
    QColor FontColor() const;
    void SetFontColor(const QColor& color);

    // Opens URL unless it is blank, then reports the click either way.
    void Click();

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Space or Return clicks the label while it has the focus.
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FitToText();

    bool m_autoSize = true;
    QString m_url = QStringLiteral("https://clipvane.example/");
    QColor m_fontHoverColor = DefaultHoverColor;
    QColor m_fontLinkColor = DefaultLinkColor;
    TClickTracker m_click;
};

} // namespace clipvane
