#pragma once

#include "platform/fs/Volumes.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

class ModalWindow;
class WindowBase;

// The live input state: modifier keys as Mac bits, the mouse button, the pointer, the
// Escape key, ticks. The default reads the real keyboard and mouse.
class InputSource {
public:
    virtual ~InputSource() = default;
    virtual int modifiers() const = 0;       // kCommandKey | kShiftKey | ...
    virtual bool mouseDown() const = 0;      // the primary button is held
    virtual QPoint pointer() const = 0;      // screen coordinates
    virtual bool escapePressed() const = 0;  // Escape went down since clearEscape()
    virtual void clearEscape() = 0;
    virtual uint64_t ticks() const = 0;      // sixtieths of a second, monotonic
};

// An input state that tests set by hand.
class ScriptedInput : public InputSource {
public:
    int mods = 0;
    bool button = false;
    QPoint point;
    bool escape = false;
    uint64_t tickCount = 0;

    int modifiers() const override { return mods; }
    bool mouseDown() const override { return button; }
    QPoint pointer() const override { return point; }
    bool escapePressed() const override { return escape; }
    void clearEscape() override { escape = false; }
    uint64_t ticks() const override { return tickCount; }
};

// What a modal window, message box, selection dialog or contextual menu showed.
struct ModalRecord {
    enum class Kind { Window, Message, SelectFolder, OpenFile, ContextualMenu };
    Kind kind = Kind::Window;
    QString title;
    QStringList texts;
};

// Answers modal interaction with scripted answers, in order, and records what was
// shown. An answer is, for a modal window, the name or caption of the button to push;
// for a message box "OK" or "Cancel"; for a selection dialog a POSIX path ("" cancels);
// for a contextual menu the entry's text ("" chooses nothing). Without answers left,
// windows and boxes are cancelled and dialogs and menus choose nothing.
class ModalResponder {
public:
    void answer(const QString& reply) { m_answers.push_back(reply); }
    std::optional<QString> next();
    bool hasAnswers() const { return !m_answers.empty(); }

    // Runs on a modal window before its answer, e.g. to tick a check box.
    std::function<void(ModalWindow&)> prepare;
    std::vector<ModalRecord> records;

private:
    std::deque<QString> m_answers;
};

// A request to the desktop (a Finder request or a launch) that was recorded.
struct ExternalRequest {
    QString kind; // "openFinderWindow", "showInfo", "revealItem", "launch", ...
    QStringList args;
};

class RequestRecorder {
public:
    std::vector<ExternalRequest> requests;
};

// The one service object of the platform layer: what tests replace. Production code
// reads through it and never asks whether it runs under test.
class Services {
public:
    static Services& instance();

    // Input; setInput(nullptr) returns to the real keyboard and mouse.
    void setInput(InputSource* input);
    InputSource& input() const;
    int modifiers() const { return input().modifiers(); }
    QPoint pointerIn(const WindowBase& window) const; // window (client) coordinates
    uint64_t ticks() const { return input().ticks(); }

    // Modal interaction; none means real dialogs.
    void setModalResponder(ModalResponder* responder) { m_responder = responder; }
    ModalResponder* modalResponder() const { return m_responder; }

    // Finder requests and launches; while a recorder is set they are recorded instead
    // of sent. recordFinder() is true when it recorded the request (the caller then
    // sends nothing); launch() is true when the item was opened or recorded.
    void setFinderRecorder(RequestRecorder* recorder) { m_finder = recorder; }
    void setLaunchRecorder(RequestRecorder* recorder) { m_launch = recorder; }
    bool recordFinder(const QString& kind, const QStringList& args);
    bool launch(const QUrl& url); // opens with the desktop's default program

    // The volume table (forwarded to the file-system layer); nullopt: the real mounts.
    void setVolumeTable(std::optional<std::vector<Volumes::TestVolume>> table);

private:
    Services();
    InputSource* m_input = nullptr;
    ModalResponder* m_responder = nullptr;
    RequestRecorder* m_finder = nullptr;
    RequestRecorder* m_launch = nullptr;
};
