#include "platform/gui/ListBoxTexts.h"

#include <algorithm>
#include <cstring>

unsigned char* ListBoxTexts::reserve(size_t bytes, uint32_t& at) {
    // UTF-16 texts start at even positions, so that they can be read as char16_t.
    const uint32_t start = (m_used + 1) & ~1u;
    const bool ownChunk = bytes > kChunkBytes;
    if (ownChunk || start + bytes > kChunkBytes) {
        // A text longer than a chunk gets a chunk of its own size; texts after it start
        // a new one.
        if (m_chunks.size() > kChunkMask)
            return nullptr;
        m_chunks.push_back(std::make_unique<unsigned char[]>(std::max<size_t>(bytes, kChunkBytes)));
        m_used = 0;
    }
    const uint32_t chunk = uint32_t(m_chunks.size() - 1);
    const uint32_t position = m_used == 0 ? 0 : (m_used + 1) & ~1u;
    at = (chunk << kChunkBits) | position;
    m_used = ownChunk ? kChunkBytes : uint32_t(position + bytes);
    return m_chunks.back().get() + position;
}

ListBoxTexts::Ref ListBoxTexts::add(QStringView text) {
    const size_t length = size_t(text.size());
    if (length == 0 || length >= kNarrow)
        return {};
    const char16_t* units = text.utf16();
    const bool narrow = std::all_of(units, units + length, [](char16_t u) { return u < 0x100; });
    Ref ref;
    unsigned char* out = reserve(narrow ? length : 2 * length, ref.at);
    if (!out)
        return {};
    if (narrow)
        std::transform(units, units + length, out, [](char16_t u) { return uint8_t(u); });
    else
        std::memcpy(out, units, 2 * length);
    ref.length = uint32_t(length) | (narrow ? kNarrow : 0);
    m_total += length;
    return ref;
}

ListBoxTexts::Ref ListBoxTexts::add(const ListBoxTexts& other, Ref ref) {
    QString text;
    other.append(ref, text);
    return add(text);
}

void ListBoxTexts::copy(Ref ref, char16_t* out) const {
    const qsizetype n = length(ref);
    if (n == 0)
        return;
    const unsigned char* in = bytes(ref);
    if (ref.length & kNarrow)
        std::copy_n(in, n, out);
    else
        std::memcpy(out, in, size_t(2 * n));
}

void ListBoxTexts::append(Ref ref, QString& out) const {
    const qsizetype start = out.size();
    out.resize(start + length(ref));
    copy(ref, reinterpret_cast<char16_t*>(out.data()) + start);
}

bool ListBoxTexts::equals(Ref ref, QStringView text) const {
    const qsizetype n = length(ref);
    if (n != text.size())
        return false;
    if (n == 0)
        return true;
    const unsigned char* in = bytes(ref);
    if (ref.length & kNarrow)
        return std::equal(in, in + n, text.utf16());
    return std::memcmp(in, text.utf16(), size_t(2 * n)) == 0;
}

void ListBoxTexts::clear() {
    std::vector<std::unique_ptr<unsigned char[]>>().swap(m_chunks);
    m_used = kChunkBytes;
    m_total = 0;
    m_dead = 0;
}
