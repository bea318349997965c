#include "platform/gui/ListBoxSorter.h"

#include <algorithm>

namespace {


// Code units from `from` on, four to an integer with the first in the top bits, so that
// integers order as the texts do; missing units count as 0, below every real one.
uint64_t packed(std::u16string_view text, size_t from) {
    uint64_t value = 0;
    for (size_t i = from; i < from + 4; ++i)
        value = (value << 16) | (i < text.size() ? uint64_t(text[i]) : 0);
    return value;
}

} // namespace

ListBoxSorter::ListBoxSorter(const ListBoxRows& rows, const KeyFunction& key, bool ascending)
    : m_rows(rows), m_ascending(ascending) {
    const size_t count = static_cast<size_t>(rows.size());
    m_folded.reserve(count);
    ListRow scratch;
    for (int i = 0; i < rows.size(); ++i) {
        if (key) {
            rows.fill(rows.at(i), scratch);
            addKey(key(scratch));
        } else {
            addKey(QString());
        }
    }
}

// Room for `units` code units in the chunks; a key longer than a chunk gets its own.
char16_t* ListBoxSorter::take(size_t units, uint32_t& at) {
    if (units == 0 || units > UINT32_MAX || m_chunks.size() > kChunkMask)
        return nullptr;
    const bool own = units > kChunkUnits;
    if (own || m_used + units > kChunkUnits) {
        m_chunks.push_back(std::make_unique<char16_t[]>(std::max<size_t>(units, kChunkUnits)));
        m_used = 0;
    }
    at = uint32_t(m_chunks.size() - 1) << kChunkBits | m_used;
    char16_t* out = m_chunks.back().get() + m_used;
    m_used = own ? kChunkUnits : uint32_t(m_used + units);
    return out;
}

// Folds the case of each character as QString::compare(Qt::CaseInsensitive) does, once
// per row, so that every comparison is a plain one. Folding keeps the number of code
// units.
void ListBoxSorter::addKey(const QString& text) {
    const size_t length = size_t(text.size());
    Key key;
    // Room for the exact text after the folded one; given back when they are the same.
    char16_t* out = length < kExactFollows ? take(2 * length, key.at) : nullptr;
    if (!out) {
        m_folded.push_back(Key{});
        return;
    }
    key.length = uint32_t(length);
    const char16_t* in = reinterpret_cast<const char16_t*>(text.utf16());
    for (size_t i = 0; i < length; ++i) {
        const char16_t unit = in[i];
        if (unit < 0x80) {
            out[i] = unit >= u'A' && unit <= u'Z' ? char16_t(unit + 0x20) : unit;
        } else if (QChar::isHighSurrogate(unit) && i + 1 < length &&
                   QChar::isLowSurrogate(in[i + 1])) {
            const char32_t folded = QChar::toCaseFolded(QChar::surrogateToUcs4(unit, in[i + 1]));
            out[i] = QChar::highSurrogate(folded);
            out[i + 1] = QChar::lowSurrogate(folded);
            ++i;
        } else {
            out[i] = QChar::toCaseFolded(unit);
        }
    }
    if (std::equal(in, in + length, out)) {
        if (m_used != kChunkUnits) // not a chunk of its own
            m_used -= uint32_t(length);
    } else {
        std::copy_n(in, length, out + length);
        key.length |= kExactFollows;
    }
    m_folded.push_back(key);
}

std::u16string_view ListBoxSorter::folded(size_t row) const {
    const Key key = m_folded[row];
    const size_t length = key.length & ~kExactFollows;
    if (length == 0)
        return {};
    return std::u16string_view(m_chunks[key.at >> kChunkBits].get() + (key.at & kChunkMask),
                               length);
}

std::u16string_view ListBoxSorter::exact(size_t row) const {
    const std::u16string_view text = folded(row);
    if (!(m_folded[row].length & kExactFollows))
        return text;
    return std::u16string_view(text.data() + text.size(), text.size());
}

std::vector<int> ListBoxSorter::sortedOrder() {
    m_result.clear();
    m_result.reserve(static_cast<size_t>(m_rows.size()));
    sortSiblings(0, m_rows.size());
    return std::move(m_result);
}

// Sorts by the packed characters at `offset`; runs that agree on them are packed again
// from the next characters and sorted among themselves, so that comparisons stay between
// integers however long the texts' common beginnings are. Where nothing is left to pack,
// the full comparison settles the run.
void ListBoxSorter::refine(Subtree* first, Subtree* last, size_t offset) {
    const bool ascending = m_ascending;
    std::sort(first, last, [ascending](const Subtree& a, const Subtree& b) {
        if (a.prefix0 != b.prefix0)
            return ascending ? a.prefix0 < b.prefix0 : a.prefix0 > b.prefix0;
        return ascending ? a.prefix1 < b.prefix1 : a.prefix1 > b.prefix1;
    });
    const size_t next = offset + 8;
    for (Subtree* run = first; run < last;) {
        Subtree* runEnd = run + 1;
        while (runEnd < last && runEnd->prefix0 == run->prefix0 &&
               runEnd->prefix1 == run->prefix1)
            ++runEnd;
        if (runEnd - run > 1) {
            const bool longer = std::any_of(
                run, runEnd, [&](const Subtree& t) { return folded(t.head).size() > next; });
            if (longer) {
                for (Subtree* t = run; t < runEnd; ++t) {
                    const std::u16string_view text = folded(t->head);
                    t->prefix0 = packed(text, next);
                    t->prefix1 = packed(text, next + 4);
                }
                refine(run, runEnd, next);
            } else {
                std::sort(run, runEnd,
                          [this](const Subtree& a, const Subtree& b) { return before(a, b); });
            }
        }
        run = runEnd;
    }
}

ListBoxSorter::Subtree ListBoxSorter::subtree(int head, int end) const {
    const std::u16string_view text = folded(size_t(head));
    return {packed(text, 0), packed(text, 4), uint32_t(head), uint32_t(end)};
}

bool ListBoxSorter::before(const Subtree& a, const Subtree& b) const {
    const Subtree& x = m_ascending ? a : b;
    const Subtree& y = m_ascending ? b : a;
    if (x.prefix0 != y.prefix0)
        return x.prefix0 < y.prefix0;
    if (x.prefix1 != y.prefix1)
        return x.prefix1 < y.prefix1;
    const int byFolded = folded(x.head).compare(folded(y.head));
    if (byFolded != 0)
        return byFolded < 0;
    const int byExact = exact(x.head).compare(exact(y.head));
    if (byExact != 0)
        return byExact < 0;
    return a.head < b.head; // equal texts keep their order in either direction
}

// [begin, end) is a run of sibling subtrees; each is sorted as a whole, then the
// children inside each subtree are sorted the same way. Depth is bounded by the 8-bit
// row depth, so the recursion is too.
void ListBoxSorter::sortSiblings(int begin, int end) {
    // Counted first: growing the vector of a million siblings would need it twice over.
    size_t count = 0;
    for (int row = begin; row < end; ++row)
        count += row == begin || m_rows.at(row).depth <= m_rows.at(begin).depth;
    std::vector<Subtree> siblings;
    siblings.reserve(count);
    for (int head = begin; head < end;) {
        const uint8_t depth = m_rows.at(head).depth;
        int next = head + 1;
        while (next < end && m_rows.at(next).depth > depth)
            ++next;
        siblings.push_back(subtree(head, next));
        head = next;
    }
    refine(siblings.data(), siblings.data() + siblings.size(), 0);
    for (const Subtree& s : siblings) {
        m_result.push_back(int(s.head));
        if (s.end > s.head + 1)
            sortSiblings(int(s.head) + 1, int(s.end));
    }
}
