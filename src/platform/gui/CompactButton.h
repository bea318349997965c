#pragma once

#include <QPushButton>

// A push button that draws its caption itself with no margins, so that two lines of a
// small font fit the 23-pixel buttons of the design.
class CompactButton : public QPushButton {
    Q_OBJECT
public:
    explicit CompactButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
