#include "mainwindow/HelpTags.h"

// The help tags of the main window's controls; a carriage return joins the lines.
const std::vector<HelpTag>& mainWindowHelpTags()
{
    static const std::vector<HelpTag> tags = {
        {"BaseDropBox", QStringLiteral("　【基準フォルダ変更ボックス】\rここへFinderからフォルダまたはディスクを\rドラッグ＆ドロップするとその位置の内容を\rリストに表示するよう変更")},
        {"PathPop", QStringLiteral("絶対パスの変更")},
        {"PathPop2", QStringLiteral("絶対パスの変更")},
        {"VolPop", QStringLiteral("ボリュームの変更")},
        {"HistoryPop", QStringLiteral("最近開いたフォルダへジャンプ")},
        {"CloakswitchButton", QStringLiteral("不可視属性を反転（常に利用可能）\rOption+クリック：可視にする\rShift+クリック：不可視にする")},
        {"TypeChangeButton", QStringLiteral("　Creator/Typeの変更　（日付変更なし）\r（但し、フォルダのタイプ変更は不可）\r（詳細設定で機能をOnにすれば常に利用可能）")},
        {"InvisDupButton", QStringLiteral("　　　選択項目を複製\r（不可視のままでも処理可能）\r⌘+Option併用：エイリアス作成")},
        {"InvisCopyButton", QStringLiteral("　　　選択項目をコピー\r保存先は、後からダイアログで指定\r（不可視のままでも処理可能）\r⌘キー併用：コピー後すべて可視にする\r（コピー参照元は変化なし）")},
        {"InvisMoveButton", QStringLiteral("　　　選択項目を移動\r移動先は、後からダイアログで指定\r（不可視のままでも処理可能）")},
        {"CopyCheckBox", QStringLiteral("ファイルへの直接アクセスを行なう\r右側のボタンの利用／禁止の切替え")},
        {"NameChangeButton", QStringLiteral("　　選択項目の名称を変更\r（不可視のままでも処理可能）")},
        {"NewFolderButton", QStringLiteral("　【新規フォルダ作成】\r選択項目によって以下の動作\r（複数選択の場合は何もしない）\r◇選択無しの場合：\r　　現在の基準フォルダ内に作成\r◇開いたフォルダの場合：\r　　選択フォルダ直下に作成\r◇ファイルか閉じたフォルダの場合：\r　　選択位置に作成")},
        {"BackButton", QStringLiteral("　　　　前へ戻る\rControl+クリック、または\rマウス長押しでメニュー表示")},
        {"ForwardButton", QStringLiteral("　　　　次へ進む\rControl+クリック、または\rマウス長押しでメニュー表示")},
        {"TrashButton", QStringLiteral("【ゴミ箱機能の利用方法】\r長押し または Control+Click\r　　：　メニューを表示して処理選択\rClick：　選択ボリュームのゴミ箱を表示\r---以下は、書込みOnの場合のみ有効---\r⌘+Click（または ⌘+Delete）\r　　：　選択項目をゴミ箱へ移動\r⌘+Shift+Click（または ⌘+Shift+Delete）\r　　：　ゴミ箱を空に\r⌘+Option+Click\r　　：　選択項目を即、削除\r\r【ドラッグ&ドロップ】\r(1) ドロップした全項目をゴミ箱へ移動\r(2) 外部からのドラッグも受け付ける\r（上記すべて不可視のままでも処理可能）\r\r【本ソフトのゴミ箱についての注意】\rここで使用するゴミ箱はFinderのゴミ箱と\rは違い、現在選択中のボリューム専用に用\r意されたゴミ箱（起動ボリュームの場合は\rユーザ専用ゴミ箱）です。別々に操作した\rい場合に有用ですが、ゴミ箱の一括消去等\rには向かないので、その際はFinderを利用\rして下さい。")},
        {"JumpEntityButton", QStringLiteral("エイリアスを解決して\rオリジナルへジャンプ\r(⌘+r でも同様の処理)\r（常に利用可能）")},
        {"ExternalDragCheckBox", QStringLiteral("Finderや別のアプリケーションへのドラッグを許可するか、リスト内のみのドラッグかを選択する")},
        {"FontSizeButton", QStringLiteral("基準サイズ12に戻す")},
        {"LittleArrows1", QStringLiteral("リスト内フォントサイズ変更")},
        {"DragCancelButton", QStringLiteral("ドラッグを中止したい場合はここへドロップ\r（正しくは、Window内部でリストとゴミ箱\r以外ならどこでもドラッグ中止可能）\rドラッグ中にEscキーを押しても中止可能")},
        {"DispInvises", QStringLiteral("不可視ファイルを\r表示するかどうか")},
        {"DispVisibles", QStringLiteral("可視ファイルを\r表示するかどうか")},
        {"DispDots", QStringLiteral("名前がドットで始まる項目を\r表示するかどうか")},
        {"ExpandAliases", QStringLiteral("フォルダのエイリアスを\r拡張可能にするかどうか")},
        {"WithReport", QStringLiteral("コピー/移動/削除などで対象項目を表示\rする確認ダイアログを表示するかどうか")},
        {"TypeChangeCheck", QStringLiteral("Creator/Typeを変更するかどうか\r\rファイルのタイプはOSXではあまり利用されなくなったようですが、古いソフトを利用する場合など、必要な場合もあるので機能を残す事にしました。このため通常は、この機能をオフにしておきます。")},
        {"HelpButton", QStringLiteral("操作説明の表示")},
    };
    return tags;
}
