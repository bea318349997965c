#include "finderinfo/TypeChangeWindow.h"

#include "fileitems/Codes.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/FileDialogs.h"
#include "platform/gui/PopupMenu.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/Shapes.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/TextField.h"

TypeChangeWindow::TypeChangeWindow() : ModalWindow(Style::Movable)
{
    createControls();
    connectEvents();
}

TypeChangeWindow::~TypeChangeWindow() = default;

void TypeChangeWindow::connectEvents()
{
    DestRect->onDropObject = [this](const std::vector<FolderItemPtr>& items) {
        setDestination(items.front(), kBoth);
    };
    DstCr->onDropObject = [this](const std::vector<FolderItemPtr>& items) {
        setDestination(items.front(), kCreator);
    };
    DstTy->onDropObject = [this](const std::vector<FolderItemPtr>& items) {
        setDestination(items.front(), kType);
    };
    RefBoth->onAction = [this] { referToFolderItem(kBoth); };
    RefCr->onAction = [this] { referToFolderItem(kCreator); };
    RefTy->onAction = [this] { referToFolderItem(kType); };
    ZeroCr->onAction = [this] { DstCr->setText(QString::fromLatin1(fileitems::kZeroCodeText)); };
    ZeroTy->onAction = [this] { DstTy->setText(QString::fromLatin1(fileitems::kZeroCodeText)); };
    SrcPop->onChange = [this] { SrcPop_Change(); };
    OkButton->onAction = [this] { OkButton_Action(); };
    CancelButton->onAction = [this] { CancelButton_Action(); };
}

void TypeChangeWindow::showCode(TextField& field, FieldOrigin& origin, const QByteArray& code)
{
    field.setText(fileitems::optStr(code));
    origin.shown = field.text();
    origin.code = code;
}

std::optional<QByteArray> TypeChangeWindow::codeIn(const TextField& field,
                                                   const FieldOrigin& origin)
{
    const QString text = field.text();
    if (!origin.shown.isEmpty() && text == origin.shown)
        return origin.code;
    return fileitems::codeFromText(text);
}

void TypeChangeWindow::showCreator(const QByteArray& code)
{
    showCode(*DstCr, m_creatorOrigin, code);
}

void TypeChangeWindow::showType(const QByteArray& code)
{
    showCode(*DstTy, m_typeOrigin, code);
}

void TypeChangeWindow::setDestination(const FolderItemPtr& item, int what)
{
    if (!item)
        return;
    if (what & kCreator)
        showCreator(item->creatorCode());
    if (what & kType)
        showType(item->typeCode());
}

void TypeChangeWindow::referToFolderItem(int what)
{
    setDestination(FileDialogs::getOpenFile(QString()), what);
}

void TypeChangeWindow::SrcPop_Change()
{
    const int index = SrcPop->listIndex();
    if (index < 0 || size_t(index) >= dealFile.size())
        return;
    const FolderItemPtr& file = dealFile[size_t(index)];
    SrcCr->setText(fileitems::optStr(file->creatorCode()));
    SrcTy->setText(fileitems::optStr(file->typeCode()));
    refresh();
}

// Both codes go to every file, even when only one was edited. A text that is no code
// (not four Mac Roman characters, nor "(zero)") is left unwritten: the files keep theirs.
void TypeChangeWindow::OkButton_Action()
{
    const std::optional<QByteArray> creator = codeIn(*DstCr, m_creatorOrigin);
    const std::optional<QByteArray> type = codeIn(*DstTy, m_typeOrigin);
    for (const FolderItemPtr& file : dealFile) {
        if (creator)
            file->setCreatorCode(*creator);
        if (type)
            file->setTypeCode(*type);
    }
    close();
}

void TypeChangeWindow::CancelButton_Action()
{
    close();
}
