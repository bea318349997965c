#include "platform/gui/TextField.h"
#include "platform/gui/Window.h"
#include "support/Ink.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>

namespace {

// How text reaches a field the way a user brings it: pasted with Ctrl+V, dropped from
// another program, typed with Shift+Return.
struct Arrival {
    const char* label;
    std::function<void(QWidget* editor, const QString& text)> bring;
};

const Arrival kArrivals[] = {
    {"pasted", [](QWidget* editor, const QString& text) {
         QGuiApplication::clipboard()->setText(text);
         QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
     }},
    {"dropped", [](QWidget* editor, const QString& text) {
         QMimeData data;
         data.setText(text);
         const QPoint at = editor->rect().center();
         QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
         QApplication::sendEvent(editor, &enter);
         QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
         QApplication::sendEvent(editor, &move);
         QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
         QApplication::sendEvent(editor, &drop);
     }},
    {"typed", [](QWidget* editor, const QString& text) {
         for (QChar c : text) {
             if (c == u'\n')
                 QTest::keyClick(editor, Qt::Key_Return, Qt::ShiftModifier);
             else
                 QTest::keyClicks(editor, QString(c));
         }
     }},
};

// The widget that takes the text: the field itself, or a multi-line field's viewport
// for drops.
QWidget* receiver(TextField& field, bool forDrop)
{
    QWidget* w = field.widget();
    if (forDrop)
        if (QWidget* viewport = w->findChild<QWidget*>(QStringLiteral("qt_scrollarea_viewport")))
            return viewport;
    return w;
}

TEST(TextField, AOneLineFieldDropsTheLineBreaksOfWhatArrives)
{
    Window w;
    w.show();
    for (const Arrival& a : kArrivals) {
        TextField line(w, 10, 10, 300, 40);
        TextField lines(w, 10, 60, 300, 80, true);
        for (TextField* field : {&line, &lines}) {
            field->setText({});
            field->setFocus();
            const bool drop = QByteArray(a.label) == "dropped";
            a.bring(receiver(*field, drop), QStringLiteral("b.txt\n"));
        }
        EXPECT_EQ(line.text(), QStringLiteral("b.txt")) << a.label;
        EXPECT_EQ(lines.text(), QStringLiteral("b.txt\n")) << a.label << ": several lines keep it";
    }
    TextField line(w, 10, 10, 300, 40);
    QGuiApplication::clipboard()->setText(QString::fromUtf8("first\r\nsecond\u2028third"));
    line.setFocus();
    QTest::keyClick(line.widget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(line.text(), QStringLiteral("firstsecondthird"));
}

TEST(TextField, ReturnAndEscapeAreLeftToTheWindowsButtons)
{
    Window w;
    TextField line(w, 10, 10, 300, 40);
    line.setText(QStringLiteral("a"));
    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(line.widget(), &press);
        EXPECT_FALSE(press.isAccepted()) << key;
    }
    EXPECT_EQ(line.text(), QStringLiteral("a"));
}

TEST(TextField, ACentredFieldDrawsItsTextInTheMiddle)
{
    Window w;
    w.show();
    TextField field(w, 10, 10, 80, 22);
    field.setBackColor(Qt::white);
    field.setText(QStringLiteral("APPL"));
    field.setAlignment(Qt::AlignHCenter);
    QApplication::processEvents();
    const auto [first, last] = inkSpan(field.widget());
    EXPECT_TRUE(inkCentred(field.widget())) << "text from " << first << " to " << last;
    EXPECT_GT(first, 15);
}

} // namespace
