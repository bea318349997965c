#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// The program's pictures by resource id: the row icons, arrows and trash pictures
// 168-193 and the cursor 168. The desktop's icon theme is used where it has a fitting
// icon; otherwise the project's own images. Each is made once and kept.
namespace Pictures {

constexpr int kAppAliasIcon = 168, kAppAliasIconMask = 169, kAppIcon = 170,
              kAppIconMask = 171, kDocAliasIcon = 172, kDocAliasIconMask = 173,
              kDocIcon = 174, kDocIconMask = 175, kDownArrow = 176, kFolAliasIcon = 177,
              kFolAliasIconMask = 178, kFolIcon = 179, kFolIconMask = 180,
              kIcArrowMask = 181, kIcBack = 182, kIcBackDim = 183, kIcNext = 184,
              kIcNextDim = 185, kIcTrash = 186, kIcTrashMask = 187, kIcTrashDim = 188,
              kCloakswitchIcon = 189, kCloakswitchIconMask = 190, kUpArrow = 191,
              kVolAliasIcon = 192, kVolAliasIconMask = 193;
constexpr int kFingerCursor = 168;

// The picture of the id; a null pixmap for an unknown id. Masks are Mac masks: black
// where the picture shows, white or transparent elsewhere.
QPixmap get(int id);
// The image with the mask applied: only the pixels where the mask is black show.
QPixmap compose(const QPixmap& image, const QPixmap& mask);
QCursor cursor(int id);
QIcon programIcon();

} // namespace Pictures
