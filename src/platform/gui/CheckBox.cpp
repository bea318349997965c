#include "platform/gui/CheckBox.h"

#include "platform/gui/WindowBase.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <map>

CheckBox::CheckBox(WindowBase& window, int left, int top, int width, int height,
                   const QString& caption, Control* inside)
    : Control(window, new QCheckBox, QRect(left, top, width, height), inside)
{
    setCaption(caption);
    box()->setFocusPolicy(Qt::TabFocus);
    // toggled fires for clicks and for setChecked alike, and only on a change.
    connect(box(), &QCheckBox::toggled, this, [this] {
        if (onAction)
            onAction();
    });
}

QCheckBox* CheckBox::box() const
{
    return static_cast<QCheckBox*>(widget());
}

bool CheckBox::value() const
{
    return box()->isChecked();
}

void CheckBox::setValue(bool checked)
{
    box()->setChecked(checked);
}

void CheckBox::setCaption(const QString& caption)
{
    m_caption = caption;
    box()->setText(withLineBreaks(caption));
}

void CheckBox::textSizeChanged()
{
    // Small two-line captions: keep the indicator and text close to the box's edges.
    box()->setStyleSheet(QStringLiteral("QCheckBox { spacing: 2px; }"));
}

namespace {

// Radio groups per window, made on first use; they live as long as the surface.
QButtonGroup* radioGroup(WindowBase& window, int group)
{
    const QString key = QStringLiteral("cs_radio_group_%1").arg(group);
    auto* g = window.surface()->findChild<QButtonGroup*>(key, Qt::FindDirectChildrenOnly);
    if (!g) {
        g = new QButtonGroup(window.surface());
        g->setObjectName(key);
        g->setExclusive(true);
    }
    return g;
}

} // namespace

RadioButton::RadioButton(WindowBase& window, int left, int top, int width, int height,
                         const QString& caption, int group, Control* inside)
    : Control(window, new QRadioButton, QRect(left, top, width, height), inside)
{
    auto* radio = static_cast<QRadioButton*>(widget());
    radio->setText(withLineBreaks(caption));
    radioGroup(window, group)->addButton(radio);
    connect(radio, &QRadioButton::toggled, this, [this](bool on) {
        if (on && onAction)
            onAction();
    });
}

bool RadioButton::value() const
{
    return static_cast<QRadioButton*>(widget())->isChecked();
}

void RadioButton::setValue(bool selected)
{
    auto* radio = static_cast<QRadioButton*>(widget());
    if (selected || !radio->group()) {
        radio->setChecked(selected);
        return;
    }
    // An exclusive group refuses to clear its checked button; clearing is allowed here.
    radio->group()->setExclusive(false);
    radio->setChecked(false);
    radio->group()->setExclusive(true);
}

QString RadioButton::caption() const
{
    return static_cast<QRadioButton*>(widget())->text();
}

void RadioButton::setCaption(const QString& caption)
{
    static_cast<QRadioButton*>(widget())->setText(withLineBreaks(caption));
}
