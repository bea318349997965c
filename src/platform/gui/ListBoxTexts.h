#pragma once

#include <QStringView>
#include <cstdint>
#include <memory>
#include <vector>

// The texts of the list's rows, UTF-16 as QString holds them (so that names that are not
// UTF-8, kept as lone surrogates, stay as they are), packed into large chunks instead of
// one allocation with its header per text. Removed texts are only counted; the owner
// copies the live ones into a fresh store when the dead ones outweigh them.
class ListBoxTexts {
  public:
    struct Ref {
        uint32_t at = 0; // chunk index in the high 16 bits, position in the low 16
        uint32_t length = 0;
    };

    Ref add(QStringView text);
    QStringView view(Ref ref) const {
        if (ref.length == 0)
            return {};
        return QStringView(m_chunks[ref.at >> kChunkBits].get() + (ref.at & kChunkMask),
                           qsizetype(ref.length));
    }
    void remove(Ref ref) { m_dead += ref.length; }
    size_t dead() const { return m_dead; }
    size_t live() const { return m_total - m_dead; }
    void clear();

  private:
    static constexpr uint32_t kChunkBits = 16;
    static constexpr uint32_t kChunkMask = (1u << kChunkBits) - 1;
    static constexpr uint32_t kChunkUnits = 1u << kChunkBits;

    std::vector<std::unique_ptr<char16_t[]>> m_chunks;
    uint32_t m_used = kChunkUnits; // units taken in the last chunk
    size_t m_total = 0;
    size_t m_dead = 0;
};
