// Reading 100,000 customers into a row set through DBQuery, against the bare
// client library fetching the same statement on an euckr connection: time,
// the row set's memory against the size of the result's data, peak RSS.
#include "BenchFigures.h"
#include "BenchFolder.h"
#include "BenchServer.h"
#include "modMySQL_Func.h"

#include <QApplication>

#include <cstdio>

namespace {
constexpr int Customers = 100000;
constexpr int Repeats = 5;
constexpr long long PointerBytes = 8; // one value pointer of a fetched row
const char *const ListSql = "SELECT u.code, u.userid, u.userpw, u.username, u.restcnt AS cnt, u.regdate, "
                            "u.bigo, u.hpno FROM emailuser AS u WHERE 1=1 ORDER BY u.username";

int readRowSet()
{
    RecordsetPtr rows;
    DBQuery(rows, QString::fromLatin1(ListSql));
    const int count = rows ? rows->RecordCount() : -1;
    CloseRecordset(rows);
    return count;
}

struct RowSetMemory {
    long long used = 0;
    long rssBefore = 0;
    long rssAfter = 0;
};

RowSetMemory measureRowSet()
{
    RowSetMemory m;
    m.rssBefore = BenchFigures::peakRssKb();
    RecordsetPtr rows;
    DBQuery(rows, QString::fromLatin1(ListSql));
    m.rssAfter = BenchFigures::peakRssKb();
    m.used = static_cast<long long>(rows ? rows->memoryUsed() : 0);
    CloseRecordset(rows);
    return m;
}

void reportMemory(const RowSetMemory &rowSet, const PlainFetch &plain)
{
    const auto data = static_cast<long long>(plain.textBytes + plain.values * PointerBytes);
    BenchFigures::printCount("row set memoryUsed", rowSet.used, "bytes");
    BenchFigures::printCount("result value bytes", static_cast<long long>(plain.textBytes), "bytes");
    BenchFigures::printCount("result data (value bytes + 8 per value pointer)", data, "bytes");
    BenchFigures::printRatio("memory ratio (row set / result data)", data ? double(rowSet.used) / double(data) : 0,
                             3.0);
    BenchFigures::printCount("peak RSS before first row set", rowSet.rssBefore, "KiB");
    BenchFigures::printCount("peak RSS after first row set", rowSet.rssAfter, "KiB");
    BenchFigures::printCount("peak RSS delta", rowSet.rssAfter - rowSet.rssBefore, "KiB");
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (BenchServer::missing("bench_rowset"))
        return 0;
    const BenchFolder folder;
    BenchServer("utf8mb4").fillCustomers(Customers);
    if (!BenchServer::connectProgram("bench_rowset"))
        return 0;
    BenchServer plain("euckr");

    // The row set's memory first, before any other result has passed through the heap.
    const RowSetMemory rowSet = measureRowSet();
    const PlainFetch fetched = plain.fetch(ListSql);
    std::printf("rows: %llu\n", fetched.rows);
    reportMemory(rowSet, fetched);

    int rowSetRows = 0;
    const auto [rowSetMs, plainMs] = BenchFigures::interleavedMediansMs(
        Repeats, [&] { rowSetRows = readRowSet(); }, [&] { plain.fetch(ListSql); });
    std::printf("row set rows: %d\n", rowSetRows);
    BenchFigures::print("DBQuery into row set (median of 5)", rowSetMs, "ms");
    BenchFigures::print("plain client library fetch (median of 5)", plainMs, "ms");
    BenchFigures::printRatio("time ratio (row set / plain)", plainMs > 0 ? rowSetMs / plainMs : 0, 1.5);
    return 0;
}
