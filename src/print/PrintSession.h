#pragma once
#include <QPointer>
#include <QString>
#include <memory>

class PrintSettings;
class QPrinter;
class SessionPreview;
class SpreadGrid;

// The state of one print front's requests, handed to the windows a request
// opens: the grid of the last request and its settings section, the
// application name, the scaling and zoom choices, the footer as built, the
// printer and the open preview. A new request replaces the grid, the section
// and the choices; the application name and the printer stay.
class PrintSession {
public:
    PrintSession();
    ~PrintSession();
    PrintSession(const PrintSession &) = delete;
    PrintSession &operator=(const PrintSession &) = delete;

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

    // The open preview; it leaves the session when it closes.
    SessionPreview *preview() const { return m_preview; }
    void setPreview(SessionPreview *preview) { m_preview = preview; }
    // The printer of the next print; the printer dialog changes it.
    QPrinter &printer();
    // Prints the current grid as its print properties say, with the wait
    // cursor and the job's progress; the preview's page for "current page".
    // Tells the user and gives false when nothing could be printed; false
    // without a word when the user cancelled the job.
    bool printGrid();

private:
    QPointer<SpreadGrid> m_grid;
    QString m_appName;
    QString m_section;
    int m_scalingAllowed = 0;
    int m_zoomType = 8;
    QString m_savedFooter;
    SessionPreview *m_preview = nullptr;
    std::unique_ptr<QPrinter> m_printer;
};
