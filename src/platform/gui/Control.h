#pragma once

#include "platform/fs/FolderItem.h"
#include "platform/gui/GuiTypes.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <functional>
#include <vector>

class QWidget;
class WindowBase;

// A control placed in a window at left, top, width, height in WINDOW coordinates,
// optionally inside another control (it then moves, hides and disables with it, but
// its coordinates stay window ones). The window owns the widget; the Control object
// belongs to whoever created it (usually the window class as a member).
class Control : public QObject {
    Q_OBJECT
public:
    ~Control() override;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    QString name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    WindowBase& window() const { return m_window; }
    Control* inside() const { return m_inside; }

    int left() const { return m_rect.left(); }
    int top() const { return m_rect.top(); }
    int width() const { return m_rect.width(); }
    int height() const { return m_rect.height(); }
    QRect bounds() const { return m_rect; } // window coordinates
    void setBounds(int left, int top, int width, int height);
    void setLeft(int left) { setBounds(left, top(), width(), height()); }
    void setTop(int top) { setBounds(left(), top, width(), height()); }
    bool contains(int windowX, int windowY) const; // also false while hidden

    unsigned anchors() const { return m_anchors; }
    void setAnchors(unsigned anchors) { m_anchors = anchors; }

    bool visible() const;
    void setVisible(bool visible);
    bool enabled() const;
    void setEnabled(bool enabled);
    QString helpTag() const { return m_helpTag; }
    void setHelpTag(const QString& tag); // "\r" breaks lines; full-width spaces stay
    int textSize() const { return m_textSize; }
    void setTextSize(int pixels); // "System N": N pixels
    void refresh();               // redraw now

    // Dropped file items: from other programs (file URLs) or from the program's own
    // in-window drag, which delivers them with dropObject(). A control that takes only
    // folders and disks refuses a drag that carries none (the pointer shows it).
    enum class DropKind { AnyItem, FoldersAndDisks };
    void setAcceptsFileDrops(bool accept, DropKind kind = DropKind::AnyItem);
    bool acceptsFileDrops() const { return m_acceptsDrops; }
    bool takesItems(const std::vector<FolderItemPtr>& items) const; // by the drop kind
    void dropObject(const std::vector<FolderItemPtr>& items);

    std::function<void()> onMouseEnter;
    std::function<void()> onMouseExit;
    std::function<void(const std::vector<FolderItemPtr>&)> onDropObject;
    std::function<void()> onDragEnter; // a drag from another program enters
    std::function<void()> onDragExit;

    // The platform side: the widget that shows this control.
    QWidget* widget() const { return m_widget; }
    // Re-applies the window-coordinate rectangle after the window or parent moved it.
    void applyGeometry();
    // Moves the control by the change of the window's size, as its anchors say.
    void followResize(int dw, int dh);

protected:
    Control(WindowBase& window, QWidget* widget, const QRect& rect, Control* inside);
    bool eventFilter(QObject* watched, QEvent* event) override;
    virtual void textSizeChanged() {}

private:
    WindowBase& m_window;
    QPointer<QWidget> m_widget;
    Control* m_inside = nullptr;
    QRect m_rect;
    QString m_name;
    QString m_helpTag;
    unsigned m_anchors = kAnchorTopLeft;
    int m_textSize = 12;
    bool m_acceptsDrops = false;
    DropKind m_dropKind = DropKind::AnyItem;
};

// Wraps a widget made elsewhere in the platform layer (the list box) as a control.
class EmbeddedControl : public Control {
    Q_OBJECT
public:
    EmbeddedControl(WindowBase& window, QWidget* widget, int left, int top, int width,
                    int height, Control* inside = nullptr);
};
