// A window's controls as its layout table gives them, compared with the real window.
#pragma once

#include <span>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

namespace testsupport {

struct ControlRow {
    const char* name;
    // Left, top, width and height in the window. A one-line label may be wider where the
    // font needs it; every other measure holds as it stands.
    QRect place;
    // The text of a label, button or field, or the title of a frame; empty for others.
    QString caption;
    int pixelSize;
    bool bold = false;
    // The horizontal alignment of a label's or field's text.
    Qt::Alignment alignment = Qt::AlignLeft;
    // Only for a button: whether Return presses it.
    bool isDefault = false;
    // The control stands right after a text of the font's width, so its left edge may lie
    // further right than the layout's.
    bool followsText = false;
};

inline QString captionOf(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(control))
        return frame->title();
    if (const auto* field = qobject_cast<const QLineEdit*>(control))
        return field->text();
    return {};
}

inline void expectControls(const QWidget& window, std::span<const ControlRow> rows)
{
    for (const ControlRow& row : rows) {
        SCOPED_TRACE(row.name);
        const auto* control = window.findChild<QWidget*>(QString::fromLatin1(row.name));
        ASSERT_NE(control, nullptr);
        const QRect at = control->geometry();
        if (row.followsText) {
            EXPECT_GE(at.left(), row.place.left());
        } else {
            EXPECT_EQ(at.left(), row.place.left());
        }
        EXPECT_EQ(at.top(), row.place.top());
        EXPECT_EQ(at.height(), row.place.height());
        const auto* label = qobject_cast<const QLabel*>(control);
        // Right-aligned text ends where the layout's box ends, whatever the font.
        if (label && !(row.alignment & Qt::AlignRight)) {
            EXPECT_GE(at.width(), row.place.width());
        } else {
            EXPECT_EQ(at.width(), row.place.width());
        }
        EXPECT_EQ(captionOf(control), row.caption);
        EXPECT_EQ(control->font().pixelSize(), row.pixelSize);
        EXPECT_EQ(control->font().bold(), row.bold);
        if (label) {
            EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, row.alignment);
        }
        if (const auto* field = qobject_cast<const QLineEdit*>(control)) {
            EXPECT_EQ(field->alignment() & Qt::AlignHorizontal_Mask, row.alignment);
        }
        if (const auto* button = qobject_cast<const QPushButton*>(control)) {
            EXPECT_EQ(button->isDefault(), row.isDefault);
        }
        // Nothing lies over a control where it is drawn, so that a click there reaches it;
        // a frame lies beneath what it frames.
        if (control->isVisible() && !qobject_cast<const QGroupBox*>(control)) {
            const QWidget* hit = window.childAt(at.center());
            EXPECT_TRUE(hit == control || control->isAncestorOf(hit))
                << "covered by " << (hit ? hit->objectName().toStdString() : "nothing");
        }
    }
}

} // namespace testsupport
