#include "prefs/PrefsCore.h"

#include "platform/fs/FolderItem.h"
#include "platform/fs/SpecialFolders.h"
#include "prefs/PrefsText.h"

#include <QStringList>

namespace globals {
PrefsCore Prefs;
}

namespace {

constexpr int kFirstInteger = 8;
constexpr int kFirstString = 13;
constexpr int kLineCount = 1 + PrefsCore::kDataCount;

FolderItemPtr prefsFile(bool createFolders)
{
    FolderItemPtr prefs = SpecialFolders::preferencesFolder();
    if (!prefs)
        return nullptr;
    // A new user's ~/.config may not exist yet; nothing else would make it.
    if (createFolders && !prefs->exists())
        prefs->createAsFolder();
    FolderItemPtr folder = prefs->trueChild(QStringLiteral("Quillmark"));
    if (!folder)
        return nullptr;
    if (createFolders && !folder->exists())
        folder->createAsFolder();
    return folder->trueChild(QStringLiteral("Cloakswitch Prefs"));
}

QString entryText(const QVariant& value, int index)
{
    if (index < kFirstInteger)
        return PrefsText::fromBool(value.toBool());
    if (index < kFirstString)
        return QString::number(value.toInt());
    return PrefsText::escape(value.toString());
}

QVariant entryValue(const QString& line, int index)
{
    if (index < kFirstInteger)
        return PrefsText::readBool(line);
    if (index < kFirstString)
        return PrefsText::readInt(line);
    return PrefsText::unescape(line);
}

} // namespace

bool PrefsCore::save()
{
    FolderItemPtr file = prefsFile(true);
    if (!file)
        return true;
    QString text = PrefsText::fromBool(customOpen);
    if (customOpen) {
        for (int i = 0; i < kDataCount; ++i)
            text += QLatin1Char('\r') + entryText(i < int(Data.size()) ? Data[size_t(i)] : QVariant(), i);
    }
    if (!file->writeText(text))
        return true;
    file->setTypeCode(QByteArray(4, '\0'));
    file->setCreatorCode(QByteArray(4, '\0'));
    return false;
}

bool PrefsCore::load()
{
    FolderItemPtr file = prefsFile(false);
    if (!file || !file->exists() || file->isFolder() || file->dataForkSize() > kMaxFileSize)
        return true;
    const Result<QString> text = file->readText();
    if (!text || text.value().isEmpty())
        return true;
    const QStringList lines = text.value().split(QLatin1Char('\r'));
    bool isBoolean = false;
    const bool choice = PrefsText::readBool(lines.front(), &isBoolean);
    if (!isBoolean)
        return true;
    customOpen = choice;
    if (!customOpen)
        return false;
    // An incomplete state is no state: the start-up defaults stay, and the next save
    // writes a whole file again.
    if (lines.size() < kLineCount)
        return true;
    Data.assign(size_t(kDataCount), QVariant());
    for (int i = 0; i < kDataCount; ++i)
        Data[size_t(i)] = entryValue(lines.at(i + 1), i);
    return false;
}
