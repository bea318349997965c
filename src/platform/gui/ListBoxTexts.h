#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <memory>
#include <vector>

// The texts of the list's rows, packed into large chunks instead of one allocation with
// its header per text. A text whose characters all lie below U+0100 is kept at one byte
// a character; any other keeps its UTF-16 code units as QString holds them, so that
// names that are not UTF-8 (lone surrogates U+DC80 + byte) come back unchanged. Removed
// texts are only counted; the owner copies the live ones into a fresh store when the
// dead ones outweigh them.
class ListBoxTexts {
  public:
    struct Ref {
        uint32_t at = 0;     // chunk index in the high 16 bits, byte position in the low 16
        uint32_t length = 0; // characters; the top bit marks a one-byte text
    };

    Ref add(QStringView text);
    Ref add(const ListBoxTexts& other, Ref ref); // a copy of another store's text
    static qsizetype length(Ref ref) { return qsizetype(ref.length & ~kNarrow); }
    void copy(Ref ref, char16_t* out) const; // length(ref) units
    void append(Ref ref, QString& out) const;
    bool equals(Ref ref, QStringView text) const;
    void remove(Ref ref) { m_dead += size_t(length(ref)); }
    size_t dead() const { return m_dead; }
    size_t live() const { return m_total - m_dead; }
    void clear();

  private:
    static constexpr uint32_t kNarrow = 0x80000000u;
    static constexpr uint32_t kChunkBits = 16;
    static constexpr uint32_t kChunkMask = (1u << kChunkBits) - 1;
    static constexpr uint32_t kChunkBytes = 1u << kChunkBits;

    const unsigned char* bytes(Ref ref) const {
        return m_chunks[ref.at >> kChunkBits].get() + (ref.at & kChunkMask);
    }
    unsigned char* reserve(size_t bytes, uint32_t& at);

    std::vector<std::unique_ptr<unsigned char[]>> m_chunks;
    uint32_t m_used = kChunkBytes; // bytes taken in the last chunk
    size_t m_total = 0;
    size_t m_dead = 0;
};
