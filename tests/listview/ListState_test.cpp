#include "listview/ListState.h"
#include "platform/gui/ListBox.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace {

// A generated folder tree shown in a real list box: each key (vref, path) has children
// keys; some keys appear under several parents, as a folder shown again under an
// expanded alias does.
struct Tree {
    std::map<std::pair<int, QString>, std::vector<std::pair<int, QString>>> children;
    std::vector<std::pair<int, QString>> top;
};

ListRow makeRow(const std::pair<int, QString>& key, bool folder)
{
    ListRow r;
    r.vref = key.first;
    r.path = key.second;
    r.name = key.second.section(QLatin1Char(':'), -1);
    r.folderRow = folder;
    return r;
}

void showTree(ListBox& list, const Tree& tree)
{
    list.onExpandRow = [&list, &tree](int row) {
        const ListRow& r = list.row(row);
        auto it = tree.children.find({r.vref, r.path});
        if (it == tree.children.end())
            return;
        for (const auto& child : it->second)
            list.addRow(makeRow(child, tree.children.count(child) > 0));
    };
    list.removeAllRows();
    for (const auto& key : tree.top)
        list.addRow(makeRow(key, tree.children.count(key) > 0));
}

Tree randomTree(std::mt19937& rng)
{
    Tree tree;
    std::vector<std::pair<int, QString>> pool;
    const int folders = 1 + int(rng() % 12);
    for (int i = 0; i < folders + 20; ++i)
        pool.push_back({1 + int(rng() % 2), QStringLiteral(":n%1").arg(rng() % 30)});
    for (int f = 0; f < folders; ++f) {
        auto& kids = tree.children[pool[size_t(f)]];
        const int n = int(rng() % 6);
        for (int k = 0; k < n; ++k)
            kids.push_back(pool[rng() % pool.size()]);
    }
    const int topCount = 1 + int(rng() % 10);
    for (int i = 0; i < topCount; ++i)
        tree.top.push_back(pool[rng() % pool.size()]);
    return tree;
}

// The restore as first designed: every key compared with every row.
void directRestore(const ListState& ex, const ListState& sel, ListBox& list)
{
    for (const FileKeeper& k : ex.rowState)
        for (int row = 0; row < list.rowCount(); ++row)
            if (k.compareWith(list, row)) {
                list.setExpanded(row, true);
                break;
            }
    for (const FileKeeper& k : sel.rowState)
        for (int row = 0; row < list.rowCount(); ++row)
            if (k.compareWith(list, row))
                list.setSelected(row, true);
}

std::vector<std::tuple<int, QString, bool>> shape(const ListBox& list)
{
    std::vector<std::tuple<int, QString, bool>> rows;
    for (int row = 0; row < list.rowCount(); ++row)
        rows.emplace_back(list.row(row).vref, list.row(row).path, list.expanded(row));
    return rows;
}

ListState randomKeys(std::mt19937& rng, const Tree& tree)
{
    ListState state;
    state.rowState.clear();
    std::vector<std::pair<int, QString>> known(tree.top);
    for (const auto& [key, kids] : tree.children) {
        known.push_back(key);
        known.insert(known.end(), kids.begin(), kids.end());
    }
    const int n = int(rng() % 8);
    for (int i = 0; i < n; ++i) {
        const auto& key = known[rng() % known.size()];
        state.rowState.push_back(FileKeeper{key.first, rng() % 7 ? key.second : QStringLiteral(":gone")});
    }
    return state;
}

} // namespace

TEST(ListStateRestore, MatchesTheKeysTimesRowsAlgorithmOnRandomLists)
{
    std::mt19937 rng(20261211);
    for (int round = 0; round < 400; ++round) {
        const Tree tree = randomTree(rng);
        const ListState ex = randomKeys(rng, tree);
        const ListState sel = randomKeys(rng, tree);

        ListBox direct, fast;
        showTree(direct, tree);
        showTree(fast, tree);
        directRestore(ex, sel, direct);
        ex.restoreExPath(fast);
        sel.restoreSelRows(fast);

        ASSERT_EQ(shape(direct), shape(fast)) << "round " << round;
        ASSERT_EQ(direct.selectedRows(), fast.selectedRows()) << "round " << round;
    }
}

TEST(ListStateRestore, SaveThenRestoreKeepsNestedExpansionAndDuplicateSelection)
{
    Tree tree;
    const std::pair<int, QString> a{1, ":A"}, b{1, ":A:B"}, f{1, ":A:B:f"}, alias{1, ":alias"};
    tree.top = {a, alias};
    tree.children[a] = {b};
    tree.children[b] = {f};
    tree.children[alias] = {b}; // the alias shows B a second time

    ListBox list;
    showTree(list, tree);
    list.setExpanded(0, true); // A
    list.setExpanded(1, true); // A:B
    ListState ex, sel;
    ex.saveExPath(list);
    list.setSelected(2, true); // f
    sel.saveSelRows(list);
    ASSERT_EQ(ex.getCount(), 2);

    showTree(list, tree);
    const int aliasRow = 1;
    list.setExpanded(aliasRow, true);
    list.setExpanded(aliasRow + 1, true); // B under the alias shows f again
    ex.restoreExPath(list);
    sel.restoreSelRows(list);

    int selectedF = 0;
    for (int row : list.selectedRows())
        selectedF += list.row(row).path == ":A:B:f";
    EXPECT_EQ(selectedF, 2);
    EXPECT_TRUE(list.expanded(0));
    EXPECT_EQ(list.row(1).path, ":A:B");
    EXPECT_TRUE(list.expanded(1));
}

TEST(ListStateRestore, BlankAndEmptyStatesSelectNothing)
{
    Tree tree;
    tree.top = {{1, ":x"}, {1, ":y"}};
    ListBox list;
    showTree(list, tree);
    ListState blank; // one blank key from construction
    blank.restoreSelRows(list);
    EXPECT_EQ(list.selCount(), 0);

    ListState empty;
    empty.saveSelRows(list); // nothing selected
    list.setSelected(0, true);
    empty.restoreSelRows(list);
    EXPECT_EQ(list.selectedRows(), std::vector<int>{0}) << "restore only adds";
    EXPECT_EQ(empty.getCount(), 0);
}

TEST(ListStateRestore, KeysCompareExactly)
{
    Tree tree;
    tree.top = {{1, ":a.txt"}, {1, ":A.txt"}, {2, ":a.txt"}};
    ListBox list;
    showTree(list, tree);
    ListState sel;
    sel.rowState = {FileKeeper{1, ":a.txt"}};
    sel.restoreSelRows(list);
    EXPECT_EQ(list.selectedRows(), std::vector<int>{0});
}

TEST(ListStateRestore, RemoveExpathForgetsOnlyTheFirstMatchingKey)
{
    Tree tree;
    tree.top = {{1, ":x"}};
    ListBox list;
    showTree(list, tree);
    ListState ex;
    ex.rowState = {FileKeeper{1, ":x"}, FileKeeper{1, ":y"}, FileKeeper{1, ":x"}};
    ex.removeExpath(list, 0);
    ASSERT_EQ(ex.getCount(), 2);
    EXPECT_EQ(ex.rowState[0].path, ":y");
    EXPECT_EQ(ex.rowState[1].path, ":x");
}
