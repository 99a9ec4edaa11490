#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace ashtally {

// Values under names, kept in the order of creation, found by exact name through a small hash
// index: every name in every formula is looked up here, so a lookup must not walk the list.
template <typename T>
class NamedValues {
public:
    // The value stored under exactly this name, or nullptr.
    const T* Find(std::string_view name) const {
        if (m_slots.empty()) {
            return nullptr;
        }
        const NameKey key = KeyOf(name);
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t slot = SlotOf(key);; slot = (slot + 1) & mask) {
            const std::uint32_t index = m_slots[slot];
            if (index == 0) {
                return nullptr;
            }
            const Entry& entry = m_entries[index - 1];
            if (entry.Key == key &&
                (name.size() <= 16 ||
                 std::memcmp(entry.Name.data() + 8, name.data() + 8, name.size() - 16) == 0)) {
                return &entry.Value;
            }
        }
    }

    T* Find(std::string_view name) {
        return const_cast<T*>(static_cast<const NamedValues&>(*this).Find(name));
    }

    // The value under the name, created (default-initialised) when there is none yet.
    T& Obtain(std::string_view name) {
        if (T* value = Find(name)) {
            return *value;
        }
        m_entries.push_back(Entry{std::string(name), KeyOf(name), T{}});
        if (m_entries.size() * 2 > m_slots.size()) {
            Reindex(m_slots.empty() ? 16 : m_slots.size() * 2);
        } else {
            Place(static_cast<std::uint32_t>(m_entries.size()));
        }
        return m_entries.back().Value;
    }

private:
    // A name's size and its first and last eight bytes (fewer for a short name, the two words
    // overlapping for one of 8 to 16 bytes): for the usual names of up to 16 bytes the key is
    // the whole name, so comparing keys is comparing names, without touching the stored text.
    struct NameKey {
        std::uint64_t First = 0;
        std::uint64_t Last = 0;
        std::size_t Size = 0;

        bool operator==(const NameKey&) const = default;
    };

    struct Entry {
        std::string Name;
        NameKey Key;
        T Value;
    };

    template <typename Unsigned>
    static std::uint64_t Word(const char* bytes) {
        Unsigned word;
        std::memcpy(&word, bytes, sizeof word);
        return word;
    }

    static NameKey KeyOf(std::string_view name) {
        const char* bytes = name.data();
        const std::size_t size = name.size();
        NameKey key;
        key.Size = size;
        if (size >= 8) {
            key.First = Word<std::uint64_t>(bytes);
            key.Last = Word<std::uint64_t>(bytes + size - 8);
        } else if (size >= 4) {
            key.First = Word<std::uint32_t>(bytes);
            key.Last = Word<std::uint32_t>(bytes + size - 4);
        } else {
            for (std::size_t i = 0; i < size; ++i) {
                key.First = key.First << 8 | static_cast<unsigned char>(bytes[i]);
            }
        }
        return key;
    }

    std::size_t SlotOf(const NameKey& key) const {
        const std::uint64_t hash =
            ((key.First * 0x9E3779B97F4A7C15ull) ^ key.Last ^ key.Size) * 0xC2B2AE3D27D4EB4Full;
        return static_cast<std::size_t>(hash >> 32) & (m_slots.size() - 1);
    }

    void Place(std::uint32_t index) {
        const std::size_t mask = m_slots.size() - 1;
        std::size_t slot = SlotOf(m_entries[index - 1].Key);
        while (m_slots[slot] != 0) {
            slot = (slot + 1) & mask;
        }
        m_slots[slot] = index;
    }

    void Reindex(std::size_t slotCount) {
        m_slots.assign(slotCount, 0);
        for (std::uint32_t index = 1; index <= m_entries.size(); ++index) {
            Place(index);
        }
    }

    std::vector<Entry> m_entries;
    std::vector<std::uint32_t> m_slots; // 1-based entry numbers, 0 for a free slot
};

} // namespace ashtally
