#include "PreviewZoom.h"

#include <array>

namespace {
struct ZoomEntry {
    const char *text;
    PreviewView view;
};

const std::array<ZoomEntry, PreviewZoom::Count> &entries()
{
    using T = PreviewViewType;
    static const std::array<ZoomEntry, PreviewZoom::Count> table{{
        {"200%", {T::Percentage, 200, 1, 1}},
        {"150%", {T::Percentage, 150, 1, 1}},
        {"100%", {T::Percentage, 100, 1, 1}},
        {"75%", {T::Percentage, 75, 1, 1}},
        {"50%", {T::Percentage, 50, 1, 1}},
        {"25%", {T::Percentage, 25, 1, 1}},
        {"10%", {T::Percentage, 10, 1, 1}},
        {"Page Width", {T::PageWidth, 100, 1, 1}},
        {"Page Height", {T::PageHeight, 100, 1, 1}},
        {"Whole Page", {T::WholePage, 100, 1, 1}},
        {"Two Pages", {T::MultiplePages, 100, 2, 1}},
        {"Three Pages", {T::MultiplePages, 100, 3, 1}},
        {"Four Pages", {T::MultiplePages, 100, 2, 2}},
        {"Six Pages", {T::MultiplePages, 100, 3, 2}},
    }};
    return table;
}
} // namespace

const QStringList &PreviewZoom::listTexts()
{
    static const QStringList texts = [] {
        QStringList list;
        for (const ZoomEntry &entry : entries())
            list << QString::fromLatin1(entry.text);
        return list;
    }();
    return texts;
}

std::optional<PreviewView> PreviewZoom::view(int zoomType)
{
    if (zoomType < 0 || zoomType >= Count)
        return std::nullopt;
    return entries()[static_cast<size_t>(zoomType)].view;
}
