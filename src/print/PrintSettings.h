#pragma once
#include <QString>

// The nine print options, numbered as stored ("CheckBox_" + number).
enum class PrintOption {
    ColHeaders = 0,
    RowHeaders = 1,
    GridLines = 2,
    Border = 3,
    DataCellsOnly = 4,
    Colour = 5,
    Shadows = 6,
    FitToPage = 7,
    Footer = 8,
};
constexpr int PrintOptionCount = 9;

enum class PrintMargin { Top, Bottom, Left, Right };

// A screen's stored print settings: application = program name + "_PritSetUp",
// section = the screen's window name. Margins are inches, as decimal text.
class PrintSettings {
public:
    PrintSettings(const QString &appName, const QString &section);

    static QString applicationOf(const QString &appName);
    static QString keyOf(PrintMargin margin);
    static QString keyOf(PrintOption option);
    static bool defaultOf(PrintOption option) { return option != PrintOption::FitToPage; }
    static constexpr int TwipsPerInch = 1440;

    double margin(PrintMargin margin, double defaultInches) const;
    void saveMargin(PrintMargin margin, double inches) const;
    int orientation(int defaultOrientation) const;
    void saveOrientation(int orientation) const;
    int zoomType() const;
    void saveZoomType(int zoomType) const;
    bool option(PrintOption option) const;
    void saveOption(PrintOption option, bool on) const;

    // The number at the start of a text ("0.5in" reads 0.5, "abc" reads 0).
    static double leadingNumber(const QString &text);

private:
    QString read(const QString &key, const QString &defaultValue) const;
    void write(const QString &key, const QString &value) const;

    QString m_application;
    QString m_section;
};
