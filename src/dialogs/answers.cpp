#include "dialogs/answers.h"

namespace globals {
bool retOk = false;
int retVal = 0;
int afterAll = 0;
QString newFilename;
} // namespace globals
