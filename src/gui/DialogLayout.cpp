#include "gui/DialogLayout.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace clipvane {

void SetDesignFont(QWidget& window) {
    QFont small = QApplication::font();
    small.setPixelSize(11);
    window.setFont(small);
}

void SetDialogBorder(QWidget& window, QSize clientSize) {
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window.setFixedSize(clientSize);
}

void NarrowToFit(QWidget& widget, const QString& text, int room) {
    QFont font = widget.font();
    const int needed = QFontMetrics(font).horizontalAdvance(text);
    if (needed <= room)
        return;
    // Stretch is in percent; a font without a narrow face is scaled by Qt. Below 80 % a text
    // gets hard to read, so the layout would have to change instead.
    for (int stretch = std::max(80, 100 * room / needed); stretch >= 80; --stretch) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(text) <= room)
            break;
    }
    widget.setFont(font);
}

QLabel* MakeDesignLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                        int width) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    const QSize hint = label->sizeHint();
    label->setGeometry(left, top, width < 0 ? hint.width() : width, hint.height());
    return label;
}

QPushButton* MakeDesignButton(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    // A caption longer in the user's language than the design's English narrows, as labels do.
    NarrowToFit(*button, QString(text).remove(u'&'),
                geometry.width() - 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin));
    return button;
}

} // namespace clipvane
