#pragma once

#include <QString>

// The answers of the modal dialogs, read by their callers once the dialog has closed.
namespace globals {
extern bool retOk;       // the confirming button ended the last confirmation
extern int retVal;       // name clash: 0 cancel, 1 suffixed name, 2 replace
extern int afterAll;     // standing answer for the batch: 0 ask, -1, 1, 2
extern QString newFilename;
} // namespace globals
