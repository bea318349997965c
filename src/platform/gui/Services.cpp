#include "platform/gui/Services.h"

#include "platform/gui/GuiTypes.h"
#include "platform/gui/KeyMapping.h"
#include "platform/gui/WindowBase.h"

#include <QCursor>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

// The real keyboard and mouse. Escape is noticed by an application-wide filter so that
// a drag loop can ask whether it was pressed.
class LiveInput : public QObject, public InputSource {
public:
    LiveInput()
    {
        m_clock.start();
        if (QCoreApplication::instance())
            QCoreApplication::instance()->installEventFilter(this);
    }
    int modifiers() const override
    {
        int bits = macModifiers(int(QGuiApplication::queryKeyboardModifiers()));
        if (QGuiApplication::mouseButtons() & Qt::RightButton)
            bits |= kControlKey; // a contextual click
        return bits;
    }
    // While another program drags over one of our windows the window system tells us
    // nothing of its button; the drag itself means the button is held.
    bool mouseDown() const override
    {
        return m_dragOver || (QGuiApplication::mouseButtons() & Qt::LeftButton);
    }
    QPoint pointer() const override { return QCursor::pos(); }
    bool escapePressed() const override { return m_escape; }
    void clearEscape() override { m_escape = false; }
    uint64_t ticks() const override { return uint64_t(m_clock.elapsed()) * 60 / 1000; }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape)
                m_escape = true;
            break;
        case QEvent::DragEnter:
        case QEvent::DragMove:
            m_dragOver = true;
            break;
        case QEvent::DragLeave:
        case QEvent::Drop:
            m_dragOver = false;
            break;
        default:
            break;
        }
        return false;
    }

private:
    QElapsedTimer m_clock;
    bool m_escape = false;
    bool m_dragOver = false;
};

LiveInput& liveInput()
{
    static LiveInput* live = new LiveInput; // lives as long as the process
    return *live;
}

} // namespace

std::optional<QString> ModalResponder::next()
{
    if (m_answers.empty())
        return std::nullopt;
    QString a = m_answers.front();
    m_answers.pop_front();
    return a;
}

Services::Services() = default;

Services& Services::instance()
{
    static Services services;
    return services;
}

void Services::setInput(InputSource* input)
{
    m_input = input;
}

InputSource& Services::input() const
{
    return m_input ? *m_input : liveInput();
}

QPoint Services::pointerIn(const WindowBase& window) const
{
    const QPoint global = input().pointer();
    return window.surface() ? window.surface()->mapFromGlobal(global) : global;
}

bool Services::recordFinder(const QString& kind, const QStringList& args)
{
    if (!m_finder)
        return false;
    m_finder->requests.push_back({kind, args});
    return true;
}

bool Services::launch(const QUrl& url)
{
    if (m_launch) {
        m_launch->requests.push_back({QStringLiteral("launch"), {url.toString()}});
        return true;
    }
    return QDesktopServices::openUrl(url);
}

void Services::setVolumeTable(std::optional<std::vector<Volumes::TestVolume>> table)
{
    Volumes::setTestTable(std::move(table));
}
