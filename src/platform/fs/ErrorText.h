#pragma once

#include "platform/Result.h"

#include <QByteArray>

// Why a file operation failed, in plain words for a person (English, for the command-line
// tool; the window shows its own Japanese messages).
namespace ErrorText {

QByteArray reason(const SysError& e);

} // namespace ErrorText
