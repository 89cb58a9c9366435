#pragma once
// Checks shared by the dialog tests: what a person would notice first in a window.

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyleOption>
#include <QTest>

namespace clipvane {

template <class T> T* Child(QObject& window, const char* name) {
    return window.findChild<T*>(QLatin1String(name));
}

// The text a control shows and the pixels its style leaves for it.
inline int TextRoom(QWidget& widget, QString& text) {
    QStyle& style = *widget.style();
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        text = label->text();
        if (!label->wordWrap())
            return label->contentsRect().width();
        // A wrapped text needs no more lines than the label's height holds, nor a word wider than it.
        const QRect room = label->contentsRect();
        const QRect needed = label->fontMetrics().boundingRect(room, Qt::TextWordWrap, text);
        text.clear(); // measured here, not as one line
        return needed.width() <= room.width() && needed.height() <= room.height() ? room.width() : -1;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        text = button->text().remove(u'&');
        const int inset = button->inherits("QCheckBox")
                              ? style.pixelMetric(QStyle::PM_IndicatorWidth) +
                                    style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing)
                              : 2 * style.pixelMetric(QStyle::PM_ButtonMargin);
        return button->width() - inset;
    }
    if (auto* group = qobject_cast<QGroupBox*>(&widget)) {
        // The title is cut at the box's edge: its label rectangle must stay inside.
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = text = group->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect label =
            style.subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
        return group->width() - label.right() - 1 + group->fontMetrics().horizontalAdvance(text);
    }
    if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth = style.pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
        text = edit->text();
        // Less the edit's own margins of 2 pixels and its cursor.
        return style.subElementRect(QStyle::SE_LineEditContents, &option, edit).width() - 5;
    }
    return text.clear(), widget.width();
}

// Every text shows whole, and no control sticks out of its parent (but those the design lets spill) or
// runs into a neighbour.
inline void VerifyNothingClipped(QWidget& window, const QStringList& spill = {}) {
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window) || widget->objectName().startsWith(u"qt_"))
            continue;
        QString text;
        const int room = TextRoom(*widget, text), needed = widget->fontMetrics().horizontalAdvance(text);
        QVERIFY2(
            needed <= room,
            qPrintable(
                QStringLiteral("%1 needs %2 px, has %3").arg(widget->objectName()).arg(needed).arg(room)));
        QVERIFY2(spill.contains(widget->objectName()) ||
                     widget->parentWidget()->rect().contains(widget->geometry()),
                 qPrintable(widget->objectName()));
        for (QWidget* sibling : widget->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(sibling == widget || !sibling->geometry().intersects(widget->geometry()),
                     qPrintable(widget->objectName() + u" overlaps " + sibling->objectName()));
    }
}

// The controls Tab visits, from `first` round to it again.
inline QStringList TabOrder(QWidget* first) {
    QStringList names;
    QWidget* widget = first;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled())
            names.append(widget->objectName());
    } while ((widget = widget->nextInFocusChain()) != first);
    return names;
}

// A fixed dialog border of the given client size, centred on its owner once shown.
inline void VerifyFixedAndCentred(QWidget& dialog, QWidget& owner, QSize size) {
    QVERIFY(dialog.minimumSize() == size && dialog.maximumSize() == size);
    QVERIFY(!(dialog.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
    const QPoint offset = dialog.frameGeometry().center() - owner.frameGeometry().center();
    QVERIFY2(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2, "not centred on the owner");
}

} // namespace clipvane
