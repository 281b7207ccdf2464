#pragma once

class BenchServer;

// The data the scale bench measures on: a million customers and ten million
// history rows, filled on the server from its sequence tables. One heavy
// customer holds a year of rows; everyone else about ten over eight years.
class ScaleData {
public:
    static constexpr int Customers = 1000000;
    static constexpr int HistoryRows = 10000000;
    static constexpr int HeavyCode = 500000;
    static constexpr int HeavyRows = 50000; // all in HeavyYear
    static constexpr int HeavyYear = 2011;
    static constexpr int OrdinaryCode = 777777;
    static constexpr int FirstYear = 2008; // ordinary rows: FirstYear to LastYear
    static constexpr int LastYear = 2015;

    explicit ScaleData(BenchServer &server) : m_server(server) {}

    // Fills each table unless it already holds exactly this data; prints the
    // time each fill took.
    void ensure();

private:
    bool customersInPlace();
    bool historyInPlace();
    void fillCustomers();
    void fillHistory();
    void fillOrdinaryRows(long long first, long long last);
    void fillHeavyRows();

    BenchServer &m_server;
};
