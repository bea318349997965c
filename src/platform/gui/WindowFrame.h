#pragma once

#include <QWidget>

class Window;

// The top-level widget of a Window: turns Qt's window events into the Window's.
class WindowFrame : public QWidget {
    Q_OBJECT
public:
    explicit WindowFrame(Window& window);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Window& m_window;
};
