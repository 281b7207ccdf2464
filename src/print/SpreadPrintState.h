#pragma once
#include <QPointer>
#include <QString>
#include <memory>

class FrmSPPrint_Preview;
class QPrinter;
class SpreadGrid;
class PrintSettings;

// The state of the print pipeline, one set for the whole program: the grid of
// the last print request and its settings section, the application name, the
// scaling and zoom choices, the footer as built, the printer and the open
// preview. A new print request replaces it.
class SpreadPrintState {
public:
    static SpreadPrintState &instance();

    SpreadGrid *grid() const;
    void setGrid(SpreadGrid *grid);
    QString appName() const { return m_appName; }
    void setAppName(const QString &name) { m_appName = name; }
    QString section() const { return m_section; }
    void setSection(const QString &section) { m_section = section; }
    int scalingAllowed() const { return m_scalingAllowed; }
    void setScalingAllowed(int allowed) { m_scalingAllowed = allowed; }
    int zoomType() const { return m_zoomType; }
    void setZoomType(int zoomType) { m_zoomType = zoomType; }
    QString savedFooter() const { return m_savedFooter; }
    void setSavedFooter(const QString &footer) { m_savedFooter = footer; }

    // The stored settings of the current request's screen.
    PrintSettings settings() const;

    FrmSPPrint_Preview *preview() const;
    void setPreview(FrmSPPrint_Preview *preview);
    // The printer of the next print; the printer dialog changes it.
    QPrinter &printer();
    // Prints the current grid as its print properties say, with the wait
    // cursor; the preview's page for "current page". Tells the user and gives
    // false when nothing could be printed.
    bool printGrid();

private:
    SpreadPrintState();
    ~SpreadPrintState();

    QPointer<SpreadGrid> m_grid;
    QString m_appName;
    QString m_section;
    int m_scalingAllowed = 0;
    int m_zoomType = 8;
    QString m_savedFooter;
    QPointer<FrmSPPrint_Preview> m_preview;
    std::unique_ptr<QPrinter> m_printer;
};
