#pragma once

#include "platform/fs/FolderItem.h"

#include <QByteArray>

// One item's line of cloakswitch-info, without the closing newline.
QByteArray infoLine(const FolderItemPtr& item);

// Tab, newline and backslash inside a field as \t, \n and \\, so that a line stays one
// line of tab-separated fields.
QByteArray escapeInfoField(const QByteArray& field);
