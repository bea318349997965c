#pragma once

#include <QDialog>

class ModalWindow;

// The dialog widget of a ModalWindow. Without a close box only the window's buttons (or
// their keys) end it.
class ModalFrame : public QDialog {
    Q_OBJECT
public:
    ModalFrame(ModalWindow& window, bool sheet);
    bool allowClose = false;

    void reject() override {}

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    ModalWindow& m_window;
};
