#include "platform/gui/ListBoxTexts.h"

#include <algorithm>

ListBoxTexts::Ref ListBoxTexts::add(QStringView text) {
    const size_t length = size_t(text.size());
    if (length == 0 || length > UINT32_MAX || m_chunks.size() > kChunkMask)
        return {};
    const bool ownChunk = length > kChunkUnits;
    if (ownChunk || m_used + length > kChunkUnits) {
        // A text longer than a chunk gets a chunk of its own size; texts after it start
        // a new one.
        m_chunks.push_back(std::make_unique<char16_t[]>(std::max<size_t>(length, kChunkUnits)));
        m_used = 0;
    }
    const uint32_t chunk = uint32_t(m_chunks.size() - 1);
    std::copy_n(text.utf16(), length, m_chunks.back().get() + m_used);
    const Ref ref{(chunk << kChunkBits) | m_used, uint32_t(length)};
    m_used = ownChunk ? kChunkUnits : uint32_t(m_used + length);
    m_total += length;
    return ref;
}

void ListBoxTexts::clear() {
    std::vector<std::unique_ptr<char16_t[]>>().swap(m_chunks);
    m_used = kChunkUnits;
    m_total = 0;
    m_dead = 0;
}
