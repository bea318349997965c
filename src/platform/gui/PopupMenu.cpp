#include "platform/gui/PopupMenu.h"

#include "platform/gui/WindowBase.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace {

constexpr int kTextRole = Qt::UserRole + 1;
const QString kSeparator = QStringLiteral("-");

class PopupCombo : public QComboBox {
public:
    std::function<void()> onOpen;
    void showPopup() override
    {
        if (onOpen)
            onOpen();
        QComboBox::showPopup();
    }
};

} // namespace

PopupMenu::PopupMenu(WindowBase& window, int left, int top, int width, int height,
                     Control* inside)
    : Control(window, new PopupCombo, QRect(left, top, width, height), inside)
{
    combo()->setFocusPolicy(Qt::TabFocus);
    combo()->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // currentIndexChanged fires for the user's choice and for code alike; activated
    // follows every choice of the user, the row already selected included.
    connect(combo(), &QComboBox::currentIndexChanged, this, [this] {
        ++m_changes;
        if (onChange)
            onChange();
    });
    static_cast<PopupCombo*>(combo())->onOpen = [this] { m_changesAtChoice = m_changes; };
    connect(combo(), &QComboBox::activated, this, [this](int index) { chosen(index); });
}

void PopupMenu::choose(int index)
{
    if (index < 0 || index >= listCount())
        return;
    m_changesAtChoice = m_changes;
    combo()->setCurrentIndex(index);
    chosen(index);
}

void PopupMenu::chosen(int index)
{
    // A choice that changed the row has raised onChange already.
    if (m_everyChoiceActs && index == combo()->currentIndex() && m_changes == m_changesAtChoice) {
        ++m_changes;
        if (onChange)
            onChange();
    }
    m_changesAtChoice = m_changes;
}

QComboBox* PopupMenu::combo() const
{
    return static_cast<QComboBox*>(widget());
}

void PopupMenu::addRow(const QString& text)
{
    insertRow(listCount(), text);
}

void PopupMenu::insertRow(int index, const QString& text)
{
    index = std::clamp(index, 0, listCount());
    // Adding rows never selects one: the program chooses the row itself.
    const QSignalBlocker quiet(combo());
    const int before = combo()->currentIndex();
    if (text == kSeparator)
        combo()->insertSeparator(index);
    else
        combo()->insertItem(index, text);
    combo()->setItemData(index, text, kTextRole);
    if (before < 0)
        combo()->setCurrentIndex(-1);
}

void PopupMenu::removeRow(int index)
{
    if (index < 0 || index >= listCount())
        return;
    // Removing rows is not a choice: no change event, and no other row gets selected
    // in place of a removed selected one.
    const QSignalBlocker quiet(combo());
    const int selected = combo()->currentIndex();
    combo()->removeItem(index);
    if (selected == index)
        combo()->setCurrentIndex(-1);
}

void PopupMenu::deleteAllRows()
{
    const QSignalBlocker quiet(combo());
    combo()->clear();
}

int PopupMenu::listCount() const
{
    return combo()->count();
}

QString PopupMenu::list(int index) const
{
    if (index < 0 || index >= listCount())
        return {};
    return combo()->itemData(index, kTextRole).toString();
}

int PopupMenu::listIndex() const
{
    return combo()->currentIndex();
}

void PopupMenu::setListIndex(int index)
{
    if (index < -1 || index >= listCount())
        return;
    combo()->setCurrentIndex(index);
}

QString PopupMenu::text() const
{
    return list(listIndex());
}

void PopupMenu::textSizeChanged()
{
    combo()->view()->setFont(combo()->font());
}
