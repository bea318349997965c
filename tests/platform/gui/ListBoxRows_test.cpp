#include "platform/gui/ListBox.h"
#include "platform/gui/ListBoxRows.h"
#include "platform/gui/ListBoxSorter.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

QString lone(std::initializer_list<uint8_t> bytes) // a non-UTF-8 name as the project keeps it
{
    QString out;
    for (uint8_t b : bytes)
        out.append(QChar(char16_t(0xDC00 + b)));
    return out;
}

ListRow row(const QString& name, const QString& path, int vref = 1) {
    ListRow r;
    r.name = name;
    r.path = path;
    r.vref = vref;
    r.created = -5'000'000'000;
    r.modified = 1'700'000'000;
    r.size = 5'000'000'000;
    r.creator = {'M', 'A', 'C', 'S'};
    r.type = {'\0', '\x80', 'x', '\xff'};
    r.picture = 1001;
    r.folderRow = true;
    r.underline = true;
    return r;
}

void expectSame(const ListRow& want, const ListRow& got) {
    EXPECT_EQ(got.name, want.name);
    EXPECT_EQ(got.path, want.path);
    EXPECT_EQ(got.vref, want.vref);
    EXPECT_EQ(got.created, want.created);
    EXPECT_EQ(got.modified, want.modified);
    EXPECT_EQ(got.size, want.size);
    EXPECT_EQ(got.creator, want.creator);
    EXPECT_EQ(got.type, want.type);
    EXPECT_EQ(got.picture, want.picture);
    EXPECT_EQ(got.folderRow, want.folderRow);
    EXPECT_EQ(got.underline, want.underline);
}

} // namespace

// Rows share folder parts and keep narrow texts at a byte a character; every kind of
// name and path must still come back exactly.
TEST(ListBoxRows, RowsComeBackAsGiven) {
    const QString longName = QString(70'000, QLatin1Char('n')) + QChar(u'\u30D5');
    const ListRow cases[] = {
        row("file.txt", ":Users:me:file.txt"),
        row("file.txt", ":Users:me:file.txt", 2), // same path, other volume
        row(lone({0x82, 0xA0}), ":Users:" + lone({0x82, 0xA0})),
        row(lone({0xFF}) + "x", ":" + lone({0x8E}) + ":" + lone({0xFF}) + "x"),
        row("書類", ":Users:me:Documents"),    // display name differs
        row("report", ":Users:me:report.pdf"), // hidden extension
        row("a:b", ":Users:me:a/b"),           // colon written as "/"
        row("café", ":Users:me:café"),         // below U+0100, kept narrow
        row("\U0001F600 smile", ":Users:me:\U0001F600 smile"),
        row("no folder", "no folder"),
        row("", ""),
        row("name", ":Users:me:"), // a path that ends in a separator
        row(longName, ":big:" + longName),
    };
    ListBoxRows rows;
    for (const ListRow& r : cases)
        rows.append(r);
    ASSERT_EQ(rows.size(), int(std::size(cases)));
    QString path;
    for (int i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        expectSame(cases[i], rows.materialize(rows.at(i)));
        path.clear();
        rows.appendPath(rows.at(i), path);
        EXPECT_EQ(path, cases[i].path);
        EXPECT_EQ(rows.vref(rows.at(i)), cases[i].vref);
    }
}

// Collapsing and expanding again and again must neither lose texts nor keep every
// removed one: the store is rebuilt from the live rows.
TEST(ListBoxRows, RemovedRowsLeaveTheOthersIntact) {
    ListBoxRows rows;
    rows.append(row("keep", ":keep"));
    rows.append(row(lone({0x90}), ":" + lone({0x90})));
    for (int round = 0; round < 40; ++round) {
        std::vector<uint32_t> slots;
        for (int i = 0; i < 2000; ++i)
            slots.push_back(rows.store(row(QString("child %1 %2").arg(round).arg(i) + lone({0xE0}),
                                           QString(":keep:c%1").arg(i))));
        rows.insert(1, slots);
        rows.remove(1, int(slots.size()));
    }
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows.materialize(rows.at(0)).path, ":keep");
    EXPECT_EQ(rows.materialize(rows.at(1)).name, lone({0x90}));
    EXPECT_EQ(rows.materialize(rows.at(1)).path, ":" + lone({0x90}));
}

// The sorter compares packed leading characters before the texts; on names that share
// long beginnings, differ only in case or in characters beyond the packed ones, hold
// surrogates, or are equal, its order must be the plain one: by folded text, then exact
// text, then the order the rows had.
TEST(ListBoxRows, SortAgreesWithComparingTheTexts) {
    const QString pieces[] = {
        "a",          "A",          "b",          "file000", "FILE000", "ß",      "é",      "É",
        "\U0001F600", lone({0x80}), lone({0xFF}), "0",       "~",       "\u0101", "\u0100", ""};
    QRandomGenerator random(16);
    for (bool ascending : {true, false}) {
        ListBoxRows rows;
        std::vector<QString> keys;
        for (int i = 0; i < 3000; ++i) {
            QString name;
            const int parts = random.bounded(1, 6);
            for (int p = 0; p < parts; ++p)
                name += pieces[random.bounded(int(std::size(pieces)))];
            keys.push_back(name);
            rows.append(row(name, ":" + name));
        }
        const std::vector<int> order = ListBoxSorter(
                                           rows, [](const ListRow& r) { return r.name; }, ascending)
                                           .sortedOrder();
        std::vector<int> expected(keys.size());
        for (size_t i = 0; i < expected.size(); ++i)
            expected[i] = int(i);
        std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
            const QString& x = keys[size_t(ascending ? a : b)];
            const QString& y = keys[size_t(ascending ? b : a)];
            const int folded = x.compare(y, Qt::CaseInsensitive);
            return folded != 0 ? folded < 0 : x.compare(y) < 0;
        });
        EXPECT_EQ(order, expected) << (ascending ? "ascending" : "descending");
    }
}
