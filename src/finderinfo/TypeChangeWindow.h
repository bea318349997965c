#pragma once

#include "platform/fs/FolderItem.h"
#include "platform/gui/ModalWindow.h"

#include <QByteArray>
#include <array>
#include <memory>
#include <optional>
#include <vector>

class Canvas;
class PopupMenu;
class PushButton;
class RectangleShape;
class StaticText;
class TextField;

// The creator and type dialog: the current codes of any one file above, the pair to
// write below, filled by typing, by a dropped or chosen file, or as all zero. One
// instance serves every use; it is hidden, not destroyed, when the dialog ends.
class TypeChangeWindow : public ModalWindow {
public:
    // What setDestination and referToFolderItem fill: bits of the creator and the type.
    static constexpr int kCreator = 1, kType = 2, kBoth = 3;

    TypeChangeWindow();
    ~TypeChangeWindow() override;

    std::vector<FolderItemPtr> dealFile; // the files to change, in list order

    std::array<std::unique_ptr<StaticText>, 3> LabelText;
    std::unique_ptr<StaticText> numOfDeal;
    std::array<std::unique_ptr<RectangleShape>, 2> BackRect;
    std::unique_ptr<StaticText> SrcCr, SrcTy;
    std::unique_ptr<PopupMenu> SrcPop;
    std::array<std::unique_ptr<Canvas>, 2> DownCanvas;
    std::array<std::unique_ptr<StaticText>, 2> warningText;
    std::unique_ptr<RectangleShape> DestRect;
    std::unique_ptr<TextField> DstCr, DstTy;
    std::array<std::unique_ptr<Canvas>, 5> UpCanvas;
    std::unique_ptr<PushButton> ZeroCr, RefCr, RefBoth, RefTy, ZeroTy;
    std::unique_ptr<PushButton> CancelButton, OkButton;

    // Shows a code in a field and remembers the code, so that executing with the field
    // unchanged writes that code, not its displayed form ("(zero)", "•" for control
    // characters).
    void showCreator(const QByteArray& code);
    void showType(const QByteArray& code);

    void setDestination(const FolderItemPtr& item, int what);
    void referToFolderItem(int what);
    void SrcPop_Change();
    void OkButton_Action();
    void CancelButton_Action();

private:
    // The code a field last showed from a file, and the field's text right after.
    struct FieldOrigin {
        QString shown;
        QByteArray code;
    };
    void createControls();
    void createSourceControls();
    void createDestinationControls();
    void createButtons();
    void connectEvents();
    static void showCode(TextField& field, FieldOrigin& origin, const QByteArray& code);
    static std::optional<QByteArray> codeIn(const TextField& field, const FieldOrigin& origin);

    FieldOrigin m_creatorOrigin, m_typeOrigin;
};
