#pragma once

#include <QString>
#include <vector>

struct HelpTag {
    const char* control;
    QString text;
};

const std::vector<HelpTag>& mainWindowHelpTags();
