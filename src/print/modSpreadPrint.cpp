#include "modSpreadPrint.h"

#include "Clock.h"
#include "FrmSPPrint_Preview.h"
#include "PreviewZoom.h"
#include "PrintMarkupText.h"
#include "PrintSettings.h"
#include "SpreadGrid.h"
#include "SpreadPrintState.h"

#include <cmath>

namespace {
int toTwips(double inches)
{
    return static_cast<int>(std::lround(inches * PrintSettings::TwipsPerInch));
}
} // namespace

void SetPreviewZoom(int zoomType)
{
    const std::optional<PreviewView> view = PreviewZoom::view(zoomType);
    FrmSPPrint_Preview *preview = SpreadPrintState::instance().preview();
    if (view && preview)
        preview->setView(*view);
}

void SetPrintOptions(SpreadGrid &grid, const QString &sTitle, const QString &sHeadLeft, const QString &sHeadCenter,
                     long printOT, double fLeft, double fRight, double fTop, double fBottom, bool bPrintFoot,
                     const QString &sPrintFootText, int sTitleFont)
{
    SpreadPrintState &state = SpreadPrintState::instance();
    const PrintSettings settings = state.settings();
    SpreadPrintSettings &print = grid.Print();
    print.PrintMarginTop = toTwips(settings.margin(PrintMargin::Top, fTop));
    print.PrintMarginBottom = toTwips(settings.margin(PrintMargin::Bottom, fBottom));
    print.PrintMarginLeft = toTwips(settings.margin(PrintMargin::Left, fLeft));
    print.PrintMarginRight = toTwips(settings.margin(PrintMargin::Right, fRight));
    print.PrintOrientation = settings.orientation(static_cast<int>(printOT));

    print.PrintHeader = PrintMarkupText::header(sTitle, sHeadLeft, sHeadCenter, sTitleFont);
    print.PrintFooter = PrintMarkupText::footer(sPrintFootText, bPrintFoot, sTitleFont, Clock::today());
    state.setSavedFooter(print.PrintFooter);

    bool options[PrintOptionCount];
    for (int n = 0; n < PrintOptionCount; ++n)
        options[n] = settings.option(static_cast<PrintOption>(n));
    const int fit = static_cast<int>(PrintOption::FitToPage);
    if (state.scalingAllowed() != 0)
        print.PrintScalingMethod = options[fit] ? 1 : 0;
    else
        options[fit] = false;

    print.PrintType = PrintTypeAll;
    for (int n = 0; n < PrintOptionCount; ++n) {
        if (n != fit)
            ApplyPrintOption(grid, n, options[n]);
    }
}

void ApplyPrintOption(SpreadGrid &grid, int option, bool on)
{
    SpreadPrintSettings &print = grid.Print();
    switch (static_cast<PrintOption>(option)) {
    case PrintOption::ColHeaders:
        print.PrintColHeaders = on;
        break;
    case PrintOption::RowHeaders:
        print.PrintRowHeaders = on;
        break;
    case PrintOption::GridLines:
        print.PrintGrid = on;
        break;
    case PrintOption::Border:
        print.PrintBorder = on;
        break;
    case PrintOption::DataCellsOnly:
        print.PrintUseDataMax = false;
        break;
    case PrintOption::Colour:
        print.PrintColor = on;
        break;
    case PrintOption::Shadows:
        print.PrintShadows = on;
        break;
    case PrintOption::FitToPage:
        print.PrintScalingMethod = on ? 1 : 0;
        break;
    case PrintOption::Footer:
        print.PrintFooter = on ? SpreadPrintState::instance().savedFooter() : QString();
        break;
    }
}
