#pragma once

#include "platform/gui/GuiTypes.h"

#include <QColor>
#include <QSize>
#include <QString>
#include <vector>

class Control;
class PushButton;
class QWidget;

// What every window shares: a title, a client area of a given size with a background
// colour, and the controls placed on it. Window and ModalWindow build on it.
class WindowBase {
public:
    virtual ~WindowBase();
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    QString title() const;
    void setTitle(const QString& title);
    int width() const;  // client area
    int height() const;
    void setSize(int width, int height); // client area; the frame is added around it
    void setMinimumSize(int width, int height);
    void setMaximumSize(int width, int height);
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor& color);

    bool visible() const;
    void show();
    void hide();
    void refresh();

    // The control under a point in window coordinates (the innermost one), or none.
    Control* controlAt(int x, int y) const;
    // The control that would take file items dropped at a point: the innermost shown
    // control there that accepts drops, or one it lies inside. Enabled or not.
    Control* dropTargetAt(int x, int y) const;
    const std::vector<Control*>& controls() const { return m_controls; }
    Control* findControl(const QString& name) const; // by name, else by caption

    // Return/Enter press the default button, Escape and Ctrl+period the cancel button.
    void setDefaultButton(PushButton* button) { m_defaultButton = button; }
    void setCancelButton(PushButton* button) { m_cancelButton = button; }
    PushButton* defaultButton() const { return m_defaultButton; }
    PushButton* cancelButton() const { return m_cancelButton; }

    // The platform side.
    QWidget* topWidget() const { return m_top; }
    QWidget* surface() const { return m_surface; } // the client area; controls live here
    void addControl(Control* control);
    void removeControl(Control* control);

protected:
    WindowBase() = default;
    void attach(QWidget* top, QWidget* surface);
    // Handles Return/Enter/Escape/Ctrl+period; true when a button was pressed.
    bool pressKeyButton(int qtKey, int qtModifiers);
    // The client area changed size: controls follow their anchors from the size they
    // were last placed for (the designed size at first).
    void surfaceResized(int newWidth, int newHeight);
    // Height the window adds above the client area (the menu bar).
    virtual int topExtra() const { return 0; }

private:
    QWidget* m_top = nullptr;
    QWidget* m_surface = nullptr;
    std::vector<Control*> m_controls; // creation order
    QColor m_backColor = QColor(0xEC, 0xEC, 0xEC);
    PushButton* m_defaultButton = nullptr;
    PushButton* m_cancelButton = nullptr;
    QSize m_layoutSize;
};
