#include "8-print/roomsheet.h"

#include "1-state/dialogs.h"
#include "1-state/translation.h"
#include "5-drawing/figure.h"
#include "5-drawing/sheetlayout.h"
#include "6-installation/roomwindow.h"
#include "8-print/printerprofile.h"

#include <algorithm>

namespace lumidex {
namespace {

constexpr double Left = 400;
constexpr double ValueLeft = 3300;
constexpr double TitleTop = 300;
constexpr double FirstRow = 800;
// Rows close enough that every row of the window, with the four contrast categories, fits
// above the frame's bottom with room to spare.
constexpr double RowStep = 200;
constexpr double SectionStep = 250;
constexpr double Points = 9;
// The top view at the right of the page, clear of the longest value.
constexpr double ViewLeft = 6400;
constexpr double ViewTop = 800;
constexpr double ViewWidth = 2900;
constexpr int FinePen = 1;
constexpr int ScreenPen = 10;

class RoomSheetWriter
{
public:
    explicit RoomSheetWriter(const RoomWindow &window) : m_window(window) {}

    std::vector<SheetElement> compose()
    {
        text("title", translate("RoomWindow", RoomWindow::Caption), Left, TitleTop, 14, true);
        double y = FirstRow;
        section(translate("RoomSheet", "Entered"), y);
        for (const RoomRow &r : m_window.typedRows())
            row(r.name, r.label, r.value, false, y);
        for (const RoomSection &s : m_window.sections()) {
            section(s.title, y);
            for (const RoomRow &r : s.rows)
                row(r.name, r.label, r.value, r.warning, y);
        }
        topView();
        frame();
        return std::move(m_elements);
    }

private:
    void section(const std::string &title, double &y)
    {
        y += SectionStep - RowStep;
        text("section", title, Left, y, Points, true);
        y += RowStep;
    }

    void row(std::string_view name, const std::string &label, const std::string &value,
             bool warning, double &y)
    {
        text(name, label, Left, y, Points, false);
        text(name, value, ValueLeft, y, Points, false, warning ? 0xFF0000 : SheetBlack);
        y += RowStep;
    }

    void text(std::string_view name, std::string value, double left, double top, double points,
              bool bold, std::uint32_t colour = SheetBlack)
    {
        SheetElement e;
        e.kind = SheetElementKind::Text;
        e.name = std::string(name);
        e.rect = {left, top, 0, 0};
        e.text = std::move(value);
        e.points = points;
        e.bold = bold;
        e.colour = colour;
        m_elements.push_back(std::move(e));
    }

    void topView()
    {
        const Figure &fig = m_window.topView();
        if (fig.width <= 0)
            return;
        const double scale = ViewWidth / fig.width;
        for (const DrawLine &l : fig.lines) {
            if (!l.visible)
                continue;
            SheetElement e;
            e.kind = SheetElementKind::Line;
            e.name = "topView";
            e.x1 = ViewLeft + l.x1 * scale;
            e.y1 = ViewTop + l.y1 * scale;
            e.x2 = ViewLeft + l.x2 * scale;
            e.y2 = ViewTop + l.y2 * scale;
            e.width = l.thick ? ScreenPen : FinePen;
            e.style = l.style;
            e.colour = drawColourRgb(l.colour);
            m_elements.push_back(std::move(e));
        }
        // Labels sit on their lines and interrupt them, as in the drawing.
        for (const DrawLabel &l : fig.labels) {
            if (!l.visible || l.caption.empty())
                continue;
            SheetElement e;
            e.kind = SheetElementKind::Text;
            e.name = "topView";
            e.rect = {ViewLeft + l.left * scale, ViewTop + l.top * scale, l.width * scale,
                      l.height * scale};
            e.text = l.caption;
            e.points = 8;
            e.alignment = TextAlignment::CentredInRect;
            e.opaque = true;
            e.colour = drawColourRgb(l.colour);
            m_elements.push_back(std::move(e));
        }
    }

    void frame() { m_elements.push_back(sheetFrame()); }

    const RoomWindow &m_window;
    std::vector<SheetElement> m_elements;
};

} // namespace

std::vector<SheetElement> composeRoomSheet(const RoomWindow &window)
{
    return RoomSheetWriter(window).compose();
}

PrintOutcome printRoomSheet(const std::vector<SheetElement> &sheet, const PrintRequest &request,
                            SheetSink &sink)
{
    return printCopies(request, sink, [&](bool firstOfJob) {
        return (firstOfJob || sink.newSheet()) && sink.drawSheet(sheet);
    });
}

void printRoomCommand(const RoomWindow &window, Printer &printer, ProfileStore &profile,
                      Dialogs &dialogs)
{
    runPrintCommand(printer, profile, dialogs, 1, 1, [&](const PrintRequest &request) {
        return printRoomSheet(composeRoomSheet(window), request, printer);
    });
}

} // namespace lumidex
