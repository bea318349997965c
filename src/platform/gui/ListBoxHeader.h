#pragma once

#include <QHeaderView>

// The list's header. A click on a heading sorts (QHeaderView's own click); a drag at a
// column border changes a width, found here rather than by QHeaderView, which gives the
// columns of width 0 at the end of the header no grip at all. Where several borders
// coincide (columns of width 0), a drag to the right opens the last of those columns
// and a drag to the left narrows the first, the one that still has a width.
class ListBoxHeader : public QHeaderView {
    Q_OBJECT
public:
    static constexpr int kGripMargin = 4; // pixels either side of a border

    explicit ListBoxHeader(QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Visual indexes of the columns whose right border is the one nearest to x, within
    // the grip margin; first > last when there is none.
    struct Grip {
        int first = 0;
        int last = -1;
        bool found() const { return first <= last; }
    };
    Grip gripAt(int x) const;
    int rightBorder(int visual) const;

    Grip m_grip;       // pressed, while the button is held
    int m_pressX = 0;
    int m_column = -1; // logical; chosen by the drag's first direction
    int m_startWidth = 0;
};
