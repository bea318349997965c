#pragma once

#include <QColor>
#include <QHash>
#include <QPixmap>
#include <QRect>
#include <QSet>

// What the view and its delegate share about the list's appearance.
struct ListBoxLook {
    static constexpr int kIndent = 16;         // per depth level
    static constexpr int kTriangleWidth = 14;  // reserved on every row, so names align
    static constexpr int kPictureSize = 16;
    static constexpr int kGap = 4;
    static QColor shade() { return QColor(0xEC, 0xEC, 0xEC); }

    bool alternateRows = false;
    int textSize = 12;
    int rowHeight = 18;
    QHash<int, QPixmap> pictures;
    bool checkBoxColumn = false;
    QSet<int> checkedRows; // shown row indexes; only while checkBoxColumn
    static constexpr int kCheckBoxWidth = 18;

    // The disclosure triangle's place in a column-0 cell.
    static QRect triangleRect(const QRect& cell, int depth)
    {
        return QRect(cell.left() + 2 + depth * kIndent, cell.top(), kTriangleWidth,
                     cell.height());
    }
};
