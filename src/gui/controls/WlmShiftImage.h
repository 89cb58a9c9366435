#pragma once
// An image that shows one picture while the mouse is over it and another once it has left, and sinks
// by two pixels while a mouse button is held on it, so that it feels like a button.

#include "gui/controls/ClickTracker.h"

#include <QPixmap>
#include <QWidget>

namespace clipvane {

class TWlmShiftImage final : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QPixmap Picture READ Picture WRITE SetPicture)
    Q_PROPERTY(QPixmap FocusedPicture READ FocusedPicture WRITE SetFocusedPicture)
    Q_PROPERTY(QPixmap NoFocusedPicture READ NoFocusedPicture WRITE SetNoFocusedPicture)

public:
    // How far the image sinks while a button is held on it.
    static constexpr QPoint PressShift{2, 2};

    explicit TWlmShiftImage(QWidget* parent = nullptr);

    // The picture shown now, drawn at the top-left corner with its transparency kept.
    QPixmap Picture() const { return m_picture; }
    void SetPicture(const QPixmap& picture);
    QPixmap FocusedPicture() const { return m_focusedPicture; }
    void SetFocusedPicture(const QPixmap& picture) { m_focusedPicture = picture; }
    QPixmap NoFocusedPicture() const { return m_noFocusedPicture; }
    void SetNoFocusedPicture(const QPixmap& picture) { m_noFocusedPicture = picture; }

    QSize sizeHint() const override;

    // What a click does, for a screen reader's press.
    void Click() { emit clicked(); }

signals:
    // Sent before the picture changes, and also while the image is disabled.
    void mouseEntered();
    void mouseLeft();
    // A left press and release both on the image, or Click.
    void clicked();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void MouseEnter();
    void MouseLeave();

    QPixmap m_picture;
    QPixmap m_focusedPicture;
    QPixmap m_noFocusedPicture;
    TClickTracker m_click;
};

} // namespace clipvane
