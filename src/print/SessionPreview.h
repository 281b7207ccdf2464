#pragma once
#include "PreviewZoom.h"

// The open preview of a print session as the session's other windows reach
// it: the page it shows, the view a page setup chooses, and its end once the
// grid was printed.
class SessionPreview {
public:
    virtual int currentPage() const = 0;
    virtual void setView(const PreviewView &view) = 0;
    // The grid was printed from the preview; it reports so when it closes.
    virtual void markPrinted() = 0;
    virtual void closePreview() = 0;

protected:
    SessionPreview() = default;
    ~SessionPreview() = default;
    SessionPreview(const SessionPreview &) = default;
    SessionPreview &operator=(const SessionPreview &) = default;
};
