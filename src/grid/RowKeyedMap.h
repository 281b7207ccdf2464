#pragma once
#include <algorithm>
#include <utility>
#include <vector>

// Values keyed by grid row, kept as one array sorted by key. A grid is filled
// row after row, so adding an entry is appending to the end, and a million
// coloured cells are one allocation rather than a million tree nodes.
template <class T> class RowKeyedMap {
public:
    using Entry = std::pair<int, T>;
    using iterator = typename std::vector<Entry>::iterator;
    using const_iterator = typename std::vector<Entry>::const_iterator;

    iterator begin() { return m_entries.begin(); }
    iterator end() { return m_entries.end(); }
    const_iterator begin() const { return m_entries.begin(); }
    const_iterator end() const { return m_entries.end(); }
    bool empty() const { return m_entries.empty(); }
    std::size_t size() const { return m_entries.size(); }

    iterator lower_bound(int key) { return std::lower_bound(begin(), end(), key, keyLess); }
    iterator upper_bound(int key) { return std::upper_bound(begin(), end(), key, lessKey); }
    const_iterator find(int key) const
    {
        const auto it = std::lower_bound(begin(), end(), key, keyLess);
        return it != end() && it->first == key ? it : end();
    }

    T &operator[](int key)
    {
        if (m_entries.empty() || m_entries.back().first < key)
            return m_entries.emplace_back(key, T{}).second;
        const auto it = lower_bound(key);
        if (it != end() && it->first == key)
            return it->second;
        return m_entries.emplace(it, key, T{})->second;
    }

    // Entries with keys from..to (inclusive) removed.
    void erase(int from, int to) { m_entries.erase(lower_bound(from), upper_bound(to)); }

    // Entries with keys from..to for which drop(value) holds removed.
    template <class Drop> void eraseIf(int from, int to, Drop drop)
    {
        const auto first = lower_bound(from);
        const auto last = upper_bound(to);
        const auto kept = std::remove_if(first, last, [&drop](Entry &e) { return drop(e.second); });
        m_entries.erase(kept, last);
    }

    // Keys >= from moved by delta; the caller makes sure no two keys meet.
    void shiftKeys(int from, int delta)
    {
        for (auto it = lower_bound(from); it != end(); ++it)
            it->first += delta;
    }

    // Every key replaced by newKey(key), then the entries sorted again.
    template <class NewKey> void remapKeys(NewKey newKey)
    {
        for (Entry &e : m_entries)
            e.first = newKey(e.first);
        std::stable_sort(begin(), end(), [](const Entry &a, const Entry &b) { return a.first < b.first; });
    }

private:
    static bool keyLess(const Entry &e, int key) { return e.first < key; }
    static bool lessKey(int key, const Entry &e) { return key < e.first; }

    std::vector<Entry> m_entries;
};
