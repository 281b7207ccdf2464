#pragma once
#include <QStringList>
#include <optional>

// The preview's views, numbered by zoom type as stored in the settings and
// listed in page setup.
enum class PreviewViewType { Percentage, PageWidth, PageHeight, WholePage, MultiplePages };

struct PreviewView {
    PreviewViewType type = PreviewViewType::PageHeight;
    int percent = 100;
    int across = 1;
    int down = 1;

    int pagesPerScreen() const { return type == PreviewViewType::MultiplePages ? across * down : 1; }
    bool operator==(const PreviewView &) const = default;
};

class PreviewZoom {
public:
    static constexpr int Count = 14;
    static constexpr int DefaultZoomType = 8; // "Page Height"
    static constexpr int TwoPages = 10;

    static const QStringList &listTexts();
    // The view of a zoom type; nothing for a number outside the list.
    static std::optional<PreviewView> view(int zoomType);
};
