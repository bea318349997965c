#include "platform/gui/Control.h"

#include "platform/gui/WindowBase.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFont>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <algorithm>

namespace {

// Help tags keep every space (the program indents lines with full-width spaces) and
// their lines as written, none wrapped inside: pre-formatted rich text, not plain text,
// which a tooltip would collapse and wrap.
QString toolTipHtml(const QString& tag)
{
    if (tag.isEmpty())
        return {};
    QString html = withLineBreaks(tag).toHtmlEscaped();
    html.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return QLatin1String("<p style='white-space:pre'>") + html + QLatin1String("</p>");
}

std::vector<FolderItemPtr> droppedItems(const QMimeData* data)
{
    std::vector<FolderItemPtr> items;
    if (!data || !data->hasUrls())
        return items;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        if (FolderItemPtr item = FolderItem::fromPosixPath(QFile::encodeName(url.toLocalFile())))
            items.push_back(item);
    }
    return items;
}

} // namespace

Control::Control(WindowBase& window, QWidget* widget, const QRect& rect, Control* inside)
    : m_window(window), m_widget(widget), m_inside(inside), m_rect(rect)
{
    widget->setParent(inside ? inside->widget() : window.surface());
    widget->installEventFilter(this);
    QFont f = widget->font();
    f.setPixelSize(m_textSize);
    widget->setFont(f);
    applyGeometry();
    widget->show();
    window.addControl(this);
}

Control::~Control()
{
    m_window.removeControl(this);
    delete m_widget.data();
}

void Control::setBounds(int left, int top, int width, int height)
{
    m_rect = QRect(left, top, width, height);
    applyGeometry();
}

void Control::applyGeometry()
{
    if (!m_widget)
        return;
    QRect r = m_rect;
    if (m_inside)
        r.translate(-m_inside->left(), -m_inside->top());
    r.setWidth(std::max(0, r.width()));
    r.setHeight(std::max(0, r.height()));
    m_widget->setGeometry(r);
}

void Control::followResize(int dw, int dh)
{
    const bool l = m_anchors & kAnchorLeft, r = m_anchors & kAnchorRight;
    const bool t = m_anchors & kAnchorTop, b = m_anchors & kAnchorBottom;
    // The logical rectangle may go negative in size; only the shown one is clamped, so
    // that growing the window again puts everything back exactly.
    if (r && l)
        m_rect.setWidth(m_rect.width() + dw);
    else if (r)
        m_rect.translate(dw, 0);
    if (b && t)
        m_rect.setHeight(m_rect.height() + dh);
    else if (b)
        m_rect.translate(0, dh);
    applyGeometry();
}

bool Control::contains(int windowX, int windowY) const
{
    return visible() && m_rect.contains(windowX, windowY);
}

bool Control::visible() const
{
    return m_widget && !m_widget->isHidden() && (!m_inside || m_inside->visible());
}

void Control::setVisible(bool visible)
{
    if (m_widget)
        m_widget->setVisible(visible);
}

bool Control::enabled() const
{
    return m_widget && m_widget->isEnabled();
}

void Control::setEnabled(bool enabled)
{
    if (m_widget)
        m_widget->setEnabled(enabled);
}

void Control::setHelpTag(const QString& tag)
{
    m_helpTag = tag;
    if (m_widget)
        m_widget->setToolTip(toolTipHtml(tag));
}

void Control::setTextSize(int pixels)
{
    if (pixels <= 0 || !m_widget)
        return;
    m_textSize = pixels;
    QFont f = m_widget->font();
    f.setPixelSize(pixels);
    m_widget->setFont(f);
    textSizeChanged();
}

void Control::refresh()
{
    if (m_widget)
        m_widget->repaint();
}

void Control::setAcceptsFileDrops(bool accept, DropKind kind)
{
    m_acceptsDrops = accept;
    m_dropKind = kind;
    if (m_widget)
        m_widget->setAcceptDrops(accept);
}

bool Control::takesItems(const std::vector<FolderItemPtr>& items) const
{
    if (items.empty())
        return false;
    if (m_dropKind == DropKind::AnyItem)
        return true;
    return std::any_of(items.begin(), items.end(), [](const FolderItemPtr& item) {
        return item && (item->isFolder() || item->isVolumeRoot());
    });
}

void Control::dropObject(const std::vector<FolderItemPtr>& items)
{
    if (onDropObject && takesItems(items))
        onDropObject(items);
}

bool Control::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_widget)
        return false;
    switch (event->type()) {
    case QEvent::Enter:
        if (onMouseEnter)
            onMouseEnter();
        break;
    case QEvent::Leave:
        if (onMouseExit)
            onMouseExit();
        break;
    case QEvent::DragEnter: {
        auto* e = static_cast<QDragEnterEvent*>(event);
        if (!m_acceptsDrops || !takesItems(droppedItems(e->mimeData())))
            return false;
        e->acceptProposedAction();
        if (onDragEnter)
            onDragEnter();
        return true;
    }
    case QEvent::DragLeave:
        if (m_acceptsDrops && onDragExit)
            onDragExit();
        return m_acceptsDrops;
    case QEvent::Drop: {
        auto* e = static_cast<QDropEvent*>(event);
        if (!m_acceptsDrops)
            return false;
        const std::vector<FolderItemPtr> items = droppedItems(e->mimeData());
        if (!takesItems(items)) {
            e->ignore();
            return true;
        }
        e->acceptProposedAction();
        dropObject(items);
        return true;
    }
    default:
        break;
    }
    return false;
}

EmbeddedControl::EmbeddedControl(WindowBase& window, QWidget* widget, int left, int top,
                                 int width, int height, Control* inside)
    : Control(window, widget, QRect(left, top, width, height), inside)
{
}
