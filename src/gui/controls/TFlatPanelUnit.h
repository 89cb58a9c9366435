#pragma once
// A flat panel with a one-pixel two-colour border and a single-line caption, painted through an
// off-screen pixmap and optionally showing its parent through it. The main window's profile box is one.

#include "gui/controls/ClickTracker.h"

#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace clipvane {

class TFlatPanel final : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QColor Color READ Color WRITE SetColor)
    Q_PROPERTY(bool ParentColor READ ParentColor WRITE SetParentColor)
    Q_PROPERTY(QColor ColorHighLight READ ColorHighLight WRITE SetColorHighLight)
    Q_PROPERTY(QColor ColorShadow READ ColorShadow WRITE SetColorShadow)
    Q_PROPERTY(Qt::Alignment Alignment READ Alignment WRITE SetAlignment)

public:
    static constexpr QColor DefaultBorderColor{160, 150, 131};

    explicit TFlatPanel(QWidget* parent = nullptr);

    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    // The fill colour: the parent's background colour while ParentColor holds.
    QColor Color() const;
    void SetColor(const QColor& color);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool parentColor);
    QColor ColorHighLight() const { return m_borderColors[0]; }
    void SetColorHighLight(const QColor& color) { SetBorderColor(0, color); }
    QColor ColorShadow() const { return m_borderColors[1]; }
    void SetColorShadow(const QColor& color) { SetBorderColor(1, color); }
    // Index 0 is the highlight (left and top), 1 the shadow (right and bottom); other indexes are ignored.
    void SetBorderColor(int index, const QColor& color);
    Qt::Alignment Alignment() const { return m_alignment; }
    void SetAlignment(Qt::Alignment alignment);

    // The menu a click opens, shown to screen readers as the panel's list, as a combo box shows its
    // own; none by default.
    QWidget* PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(QWidget* menu) { m_popupMenu = menu; }

    QSize sizeHint() const override;

    // What a click does; also run by Space, Return or Alt+Down while the panel has the focus.
    void Click() { emit clicked(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_transparent = false;
    QString m_caption;
    QColor m_color;
    bool m_parentColor = true;
    QColor m_borderColors[2] = {DefaultBorderColor, DefaultBorderColor};
    Qt::Alignment m_alignment = Qt::AlignHCenter;
    TClickTracker m_click;
    bool m_painting = false;
    QPointer<QWidget> m_popupMenu;
};

} // namespace clipvane
