#pragma once

#include <QString>
#include <QVariantList>

// The six Finder scripts, run by their resource ids with a list of loosely typed values
// (strings or integers), synchronously. Paths are full colon paths (volume name first).
// They answer an empty string, or what went wrong; no caller needs to read it.
namespace FinderScripts {

constexpr int kItemCopy = 168;
constexpr int kMakeNewWindow = 169;
constexpr int kShowInfo = 170;
constexpr int kRevealItem = 171;
constexpr int kMakeAliases = 172;
constexpr int kOpenFinderWindow = 173;

QString run(int scriptId, const QVariantList& args);

} // namespace FinderScripts

QString ItemCopy(const QVariantList& args);         // item, destination folder
QString makeNewWindow(const QVariantList& args);    // folder
QString showInfo(const QVariantList& args);         // item
QString revealItem(const QVariantList& args);       // item
QString makeAliases(const QVariantList& args);      // original, folder, alias name
QString openFinderWindow(const QVariantList& args); // folder
