#pragma once

#include "fileitems/ItemKinds.h"
#include "platform/gui/Pictures.h"

// The resource id of a row picture's image; its mask is the id one above.
constexpr int rowPictureId(fileitems::RowPicture picture)
{
    using fileitems::RowPicture;
    switch (picture) {
    case RowPicture::Application: return Pictures::kAppIcon;
    case RowPicture::ApplicationAlias: return Pictures::kAppAliasIcon;
    case RowPicture::File: return Pictures::kDocIcon;
    case RowPicture::FileAlias: return Pictures::kDocAliasIcon;
    case RowPicture::VolumeAlias: return Pictures::kVolAliasIcon;
    case RowPicture::FolderAlias: return Pictures::kFolAliasIcon;
    case RowPicture::Folder: return Pictures::kFolIcon;
    }
    return Pictures::kDocIcon;
}
