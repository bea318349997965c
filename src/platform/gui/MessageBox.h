#pragma once

#include <QString>

// Message boxes: OK only; OK and Cancel with a caution icon; OK and Cancel with a
// question icon. A modal responder answers them under test.
namespace MessageBox {

enum class Kind { Note, Caution, Question };
enum class Answer { Ok, Cancel };

Answer show(Kind kind, const QString& text, const QString& title = {});
inline void note(const QString& text) { show(Kind::Note, text); }

} // namespace MessageBox
