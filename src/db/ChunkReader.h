#pragma once
#include <functional>

class Recordset;

// What reads a result lot by lot (cMySQL::query_in_chunks): the rows of a
// lot, what takes each lot (its cursor on the first row; false stops the
// reading), and what runs between short waits while the server has not yet
// answered, sorting or searching.
struct ChunkReader {
    int rowsPerChunk = 1024;
    std::function<bool(Recordset &chunk)> take;
    std::function<void()> whileWaiting;
};
