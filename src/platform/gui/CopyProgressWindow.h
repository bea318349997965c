#pragma once

#include "platform/fs/CopyEngine.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// The small window a long copy shows: items and bytes done, the item being copied, a
// bar and a cancel button. It reads the counters the copy updates from its thread.
class CopyProgressWindow : public QDialog {
  public:
    explicit CopyProgressWindow(CopyProgress& progress);

    static constexpr const char* kObjectName = "CopyProgressWindow";

  private:
    void update();
    void reject() override; // Escape and the close box cancel too

    CopyProgress& m_progress;
    QLabel* m_name;
    QLabel* m_counts;
    QProgressBar* m_bar;
    QPushButton* m_cancel;
    QTimer* m_timer;
};
