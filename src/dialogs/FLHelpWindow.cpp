#include "dialogs/FLHelpWindow.h"

#include "dialogs/DialogParts.h"
#include "platform/gui/PushButton.h"
#include "platform/gui/StaticText.h"
#include "platform/gui/TextField.h"

#include <QStringList>

using DialogParts::named;

namespace {

constexpr int kWidth = 350, kHeight = 450, kMinHeight = 64;

const char16_t* const kManual[] = {
    u"【 ダブルクリックによる動作 】",
    u"フォルダの場合：フォルダへジャンプ",
    u"ファイルの場合：オープンまたは実行",
    u"不可視ファイル／フォルダの場合：何もしない",
    u"",
    u"【 Control+クリック 】",
    u"該当行についてショートカットメニューを表示",
    u"(1) Finderの情報を見る",
    u"(2) Finderで表示",
    u"(3) 以下の３種類またはこの行なし",
    u"エイリアスの場合：オリジナル表示 (ジャンプ)",
    u"パッケージの場合：パッケージ内容を表示",
    u"フォルダーの場合：Finderでフォルダを開く",
    u"",
    u"【キー操作】",
    u"⌘+a: 全選択、⌘+Shift+a: 全解除",
    u"⌘+r: オリジナルへジャンプ",
    u"⌘+Shift+n: 新規フォルダ作成、⌘+d: 複製",
    u"⌘+Del: ゴミ箱へ、⌘+Shift+Del: ゴミ箱消去",
    u"",
    u"【ドラッグ＆ドロップ操作】",
    u"(1) 『書込みOn/Off』がOnでなければできない",
    u"(2) 通常はリスト内での操作のみ",
    u"(3) 現在の基準フォルダへドロップしたい場合は",
    u"リストのヘッダー部へドロップすればよい",
    u"(4) 『外部へのドラッグ』がOnの場合はFinder",
    u"その他のFile/Folderへドロップ可能。但しこの",
    u"場合には内部から内部へのドラッグは不可",
    u"(5) Option併用でコピー、併用なしで移動",
    u"(6) ⌘+Option併用でエイリアスを作成",
    u"(7) 外部からリスト内部へのドラッグは『書込み",
    u"On/Off』がOnなら常に可能",
    u"",
    u"【行のソートとカラム幅の変更】",
    u"(1) ヘッダー部をクリックするとそのカラムで",
    u"ソート（正順逆順交互にソート）",
    u"(2) ヘッダー部のカラムの境目をドラッグすると",
    u"カラム幅を変更可能",
    u"",
    u"（注意）パッケージの判別について",
    u"通常フォルダなのに、パッケージと表示される",
    u"場合があります。その場合は、実行してもその",
    u"フォルダがFinderで開かれるだけです。",
};

// A field that only shows its text: read-only, white, wrapping.
std::unique_ptr<TextField> shownField(FLHelpWindow& window, const QString& name, int top,
                                      int height, const QString& text)
{
    auto field = named<TextField>(name, window, 20, top, 310, height, true);
    field->setBackColor(Qt::white);
    field->setText(text);
    field->setReadOnly(true);
    return field;
}

} // namespace

QString FLHelpWindow::manualText()
{
    QStringList lines;
    for (const char16_t* line : kManual)
        lines << QString::fromUtf16(line);
    return lines.join(QLatin1Char('\r'));
}

FLHelpWindow::FLHelpWindow()
{
    setTitle(QStringLiteral("操作説明"));
    setSize(kWidth, kHeight);
    setBackColor(rgb(0xECECEC));
    StaticText1 = named<StaticText>(QStringLiteral("StaticText1"), *this, 20, 14, 210, 20,
                                    QStringLiteral("表（リストボックス）内の操作方法："));
    EditField1 = shownField(*this, QStringLiteral("EditField1"), 33, 295, manualText());
    EditField1->setScrollBar(true);
    EditField1->setAnchors(kAnchorAll);
    StaticText2 = named<StaticText>(QStringLiteral("StaticText2"), *this, 20, 340, 100, 20,
                                    QStringLiteral("その他の操作："));
    EditField2 = shownField(*this, QStringLiteral("EditField2"), 359, 40,
                            QStringLiteral("ボタンやポップアップメニューなど、殆どのアイテムの中で"
                                           "マウスを止めると操作方法が表示されます。"));
    PushButton1 = named<PushButton>(QStringLiteral("PushButton1"), *this, 261, 410, 69, 20,
                                    QStringLiteral("閉じる"));
    for (Control* below : {static_cast<Control*>(StaticText2.get()),
                           static_cast<Control*>(EditField2.get()),
                           static_cast<Control*>(PushButton1.get())})
        below->setAnchors(kAnchorLeft | kAnchorBottom);
    DialogParts::useTextSize(*this);
    // Escape closes the manual, as it closes any window that only shows information.
    PushButton1->setCancel(true);
    PushButton1->onAction = [this] { PushButton1_Action(); };
    // Its close box hides it as the button does; the confirmation dialogs have none.
    setCloseBox(true);
    setResizable(true);
    setMinimumSize(kWidth, kMinHeight);
    setMaximumSize(kWidth, 32000);
}

FLHelpWindow::~FLHelpWindow() = default;

void FLHelpWindow::PushButton1_Action()
{
    // Hidden, not destroyed: the next showing finds the manual as it was left.
    close();
}
