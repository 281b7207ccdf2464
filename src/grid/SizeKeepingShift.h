#pragma once
#include <cstddef>

// Inserting into or removing from a sequence of fixed length, as the columns
// of a grid shift: inserted elements push the last ones off, removed ones
// leave blank elements at the end.

template <class V> void insertKeepingSize(V &v, int pos, int count, const typename V::value_type &blank = {})
{
    v.resize(v.size() - static_cast<std::size_t>(count));
    v.insert(v.begin() + pos, static_cast<std::size_t>(count), blank);
}

template <class V> void removeKeepingSize(V &v, int pos, int count, const typename V::value_type &blank = {})
{
    v.erase(v.begin() + pos, v.begin() + pos + count);
    v.resize(v.size() + static_cast<std::size_t>(count), blank);
}
