#include "8-print/sheet.h"

#include "1-state/translation.h"
#include "5-drawing/drawingarea.h"
#include "5-drawing/figure.h"
#include "5-drawing/sheetlayout.h"
#include "7-project/projectdocument.h"
#include "8-print/textfit.h"

#include <string>

namespace lumidex {
namespace {

// The window's panels are drawn with a medium pen, the drawing with the finest one, the
// screen with a heavy one and the frame around the window's area with the heaviest.
constexpr int PanelPen = PanelPenWidth;
constexpr int DrawingPen = 1;
constexpr int ScreenPen = 10;

// The vertical ruler's numbers stand just right of their ticks on paper.
constexpr double VerticalRulerShift = 30;

SheetRectF toRectF(const SheetRect &r)
{
    return {double(r.left), double(r.top), double(r.width), double(r.height)};
}

bool isCrtFamily(std::string_view family)
{
    return family.starts_with("imgCR");
}

class SheetWriter
{
public:
    SheetWriter(const ProjectDocument &document, const Drawing &drawing)
        : m_document(document), m_window(document.window()), m_drawing(drawing),
          m_map(drawingToSheet())
    {}

    std::vector<SheetElement> compose()
    {
        panels();
        drawing();
        frame();
        return std::move(m_elements);
    }

private:
    // --- the panels of the window ---

    void panels()
    {
        const ThrowWindow &w = m_window;

        panel("fraThrow(2)", itemCaption("fraThrow(2)"));
        field("Text1(10)", w.titleText(PageText::Title));
        field("Text1(9)", w.titleText(PageText::Date));
        field("Text1(8)", w.titleText(PageText::Author));
        staticLabel("Label3");

        // A caption goes with its value: where the window hides the value, it hides both.
        panel("fraThrow(1)", w.frameTitle());
        const bool lens = !w.lensLabel().empty();
        if (lens)
            field("lblLens", w.lensLabel());
        if (!w.aspectModeCaption().empty())
            field("lblAspectRatio", w.aspectModeCaption());
        const std::string angle = w.throwAngleText();
        if (!angle.empty())
            field("lblTA", angle);
        if (w.inputSignalVisible()) {
            field("cmbInputSignal", chosenSignal());
            staticLabel("Label2(0)");
        }
        if (!angle.empty())
            staticLabel("Label2(1)");
        if (lens)
            staticLabel("Label2(2)");

        panel("fraThrow(0)", itemCaption("fraThrow(0)"));
        field("Text1(13)", w.sizeText(Dimension::Width));
        field("Text1(14)", w.sizeText(Dimension::Diagonal));
        field("Text1(16)", w.sizeText(Dimension::Height));
        field("txtAspect", w.aspectText());
        for (std::string_view label : {"Label2(14)", "Label2(15)", "Label2(16)", "Label2(17)"})
            staticLabel(label);

        panel("fraThrow(3)", {});
        field("Text1(17)", w.titleText(PageText::ApprovedBy));
        field("Text1(18)", w.titleText(PageText::Approval2));
        field("Text1(19)", w.titleText(PageText::Notes), noteRgb(w.notesColour()));
        staticLabel("Label2(12)");
        staticLabel("Label2(13)");

        panel("fraThrow(4)", {});
        field("Text1(21)", w.titleText(PageText::Revision));
        staticLabel("Label2(3)");
        staticLabel("Label2(4)");
        field("lblMeasurement", w.unitsCaption());

        panel("fraThrow(5)", itemCaption("fraThrow(5)"));
        staticLabel("Label2(7)");
        field("txtPageNum(0)", std::to_string(m_document.currentPage()));
        field("txtPageNum(1)", std::to_string(m_document.pageCount()));
    }

    std::string chosenSignal() const
    {
        const std::vector<std::string> &signals = m_window.inputSignals();
        const int i = m_window.inputSignalIndex();
        if (i < 0 || i >= static_cast<int>(signals.size()))
            return {};
        return signals[static_cast<std::size_t>(i)];
    }

    static SheetRectF itemRect(std::string_view name)
    {
        const SheetItem *item = sheetItem(name);
        return item ? toRectF(sheetRect(*item)) : SheetRectF{};
    }

    static std::string itemCaption(std::string_view name)
    {
        const SheetItem *item = sheetItem(name);
        return item ? sheetCaption(*item) : std::string();
    }

    // A panel: a grey box, its caption centred across the top.
    void panel(std::string_view name, std::string_view caption)
    {
        const SheetRectF r = itemRect(name);
        box(name, r, PanelGrey, PanelPen);
        if (!caption.empty())
            text(name, std::string(caption), r, TextAlignment::PanelCaption);
    }

    // A field or value label of the panels: a white box with its value centred in it.
    void field(std::string_view name, const std::string &value, std::uint32_t colour = SheetBlack)
    {
        const SheetRectF r = itemRect(name);
        box(name, r, SheetWhite, PanelPen);
        text(name, value, r, TextAlignment::CentredInRect);
        if (!value.empty())
            m_elements.back().colour = colour;
    }

    static std::uint32_t noteRgb(NoteColour colour)
    {
        switch (colour) {
        case NoteColour::Red:
            return drawColourRgb(DrawColour::Red);
        case NoteColour::Blue:
            return drawColourRgb(DrawColour::Blue);
        case NoteColour::Black:
            break;
        }
        return SheetBlack;
    }

    // A caption: plain text from the label's top-left corner.
    void staticLabel(std::string_view name)
    {
        const SheetItem *item = sheetItem(name);
        if (!item)
            return;
        text(name, sheetCaption(*item), toRectF(sheetRect(*item)), TextAlignment::TopLeft);
    }

    // --- the side elevation ---

    void drawing()
    {
        const Drawing &d = m_drawing;
        using S = LineStyle;

        // The frame of reference: always on paper, even where the window hides it.
        line("Line1", d.Line1, DrawingPen, S::Solid, true);
        line("Line2", d.Line2, DrawingPen, S::Dash, true);
        line("Line3", d.Line3, DrawingPen, S::Solid, true);
        for (std::size_t i = 0; i <= 22; ++i)
            line("Line4(" + std::to_string(i) + ")", d.Line4[i], DrawingPen, S::Solid, true);

        m_points = 8;
        for (std::size_t i = 0; i < Drawing::MinLabel; ++i) {
            const double shift = i >= Drawing::UpNumbers ? VerticalRulerShift : 0;
            labelAt("Label1(" + std::to_string(i) + ")", d.Label1[i], shift);
        }

        // From here the drawing's values hide the lines they sit on.
        m_points = 10;
        m_opaque = true;
        line("lineHoriz_flr_proj", d.lineHoriz_flr_proj, DrawingPen, S::Dot, false);
        line("lineFlr_HTD", d.lineFlr_HTD, DrawingPen, S::Dot, false);
        line("lineHoriz_flr_ceiling", d.lineHoriz_flr_ceiling, DrawingPen, S::Dot, false);
        line("line_back_proj", d.line_back_proj, DrawingPen, S::Dot, false);
        line("lineCeiling", d.lineCeiling, DrawingPen, S::Dot, false);
        line("line_TD", d.line_TD, DrawingPen, S::DashDot, false);

        // The farthest position of a zoom lens, with its own ruler marks and distance.
        if (d.lineFar.visible) {
            line("lineFar", d.lineFar, DrawingPen, S::Solid, true);
            labelAt("Label1(14)", d.minLabel(), 0);
            labelAt("Label1(15)", d.maxLabel(), 0);
            line("Line4(24)", d.farMarker(), DrawingPen, S::Solid, true);
            drawingField("txtHTDFar", d.txtHTDFar);
        }

        if (d.line_flr_proj.visible) {
            line("line_flr_proj", d.line_flr_proj, DrawingPen, S::Dot, true);
            labelOnLine("lblflr_proj", d.lblflr_proj);
        }
        if (d.line_flr_ceiling.visible) {
            line("line_flr_ceiling", d.line_flr_ceiling, DrawingPen, S::Dot, true);
            labelOnLine("lblflr_ceiling", d.lblflr_ceiling);
        }

        // The ghost of a zoom lens's farthest position, then the arrows and a CRT projector.
        picture("farPicture", d.farPicture);
        picture("imgArrow", d.imgArrow);
        picture("imgArrow_V", d.imgArrow_V);
        crtPicture(d);

        // The throw distance: always on paper, it is what the sheet is for.
        m_points = 12;
        line("lineNear", d.lineNear, DrawingPen, S::Solid, true);
        drawingField("hdimbox", d.hdimbox);

        line("screen_pic", d.screen_pic, ScreenPen, S::Solid, true);

        m_points = 10;
        line("line_Vsize", d.line_Vsize, DrawingPen, S::Solid, true);
        labelOnLine("lblVsize", d.lblVsize);
        if (d.line_Hcent.visible) {
            line("line_Hcent", d.line_Hcent, DrawingPen, S::Solid, true);
            labelOnLine("lblHcent", d.lblHcent);
        }
        if (d.line_flr_screen.visible) {
            line("line_flr_screen", d.line_flr_screen, DrawingPen, S::Solid, true);
            labelOnLine("lblflr_screen", d.lblflr_screen);
        }

        // A data projector at its (nearest) position comes last, over the lines.
        if (!isCrtFamily(d.nearPicture.family))
            picture("nearPicture", d.nearPicture);

        // The installation's notes that the Notes field does not hold, in their colours.
        m_points = 8;
        for (std::size_t i = 0; i < d.lblNotice.size(); ++i) {
            const DrawLabel &notice = d.lblNotice[i];
            if (!notice.visible)
                continue;
            labelAt("lblNotice(" + std::to_string(i) + ")", notice, 0);
            if (!notice.caption.empty())
                m_elements.back().colour = drawColourRgb(notice.colour);
        }
    }

    // A CRT projector, with the CR-75xx's other mountings lighter behind it.
    void crtPicture(const Drawing &d)
    {
        for (std::size_t i = 0; i < d.crtPictures.size(); ++i)
            picture("crtPictures(" + std::to_string(i) + ")", d.crtPictures[i]);
        if (isCrtFamily(d.nearPicture.family))
            picture("nearPicture", d.nearPicture);
    }

    SheetRectF mapRect(double left, double top, double width, double height) const
    {
        return {m_map.x(left), m_map.y(top), m_map.length(width), m_map.length(height)};
    }

    void line(std::string name, const DrawLine &l, int width, LineStyle style, bool always)
    {
        if (!always && !l.visible)
            return;
        // A tick the rulers leave unused has no length and no place: a wide pen would print
        // it as a stray dot.
        if (l.length() == 0)
            return;
        SheetElement e;
        e.kind = SheetElementKind::Line;
        e.name = std::move(name);
        e.x1 = m_map.x(l.x1);
        e.y1 = m_map.y(l.y1);
        e.x2 = m_map.x(l.x2);
        e.y2 = m_map.y(l.y2);
        e.width = width;
        e.style = style;
        m_elements.push_back(std::move(e));
    }

    // A label of the drawing as plain text from its top-left corner, shifted on paper.
    void labelAt(std::string name, const DrawLabel &l, double shift)
    {
        SheetRectF r = mapRect(l.left, l.top, l.width, l.height);
        r.left += shift;
        std::string caption = shownCaption(name, l);
        text(std::move(name), std::move(caption), r, TextAlignment::TopLeft);
    }

    // A value where the window shows it: on the middle of its dimension line, or where the
    // drawing moved it to stay clear of the other values.
    void labelOnLine(std::string name, const DrawLabel &l)
    {
        const SheetRectF at{m_map.x(l.left + l.width / 2.0), m_map.y(l.top + l.height / 2.0), 0, 0};
        text(std::move(name), l.caption, at, TextAlignment::CentredOnPoint);
    }

    void drawingField(std::string name, const DrawLabel &l)
    {
        const SheetRectF r = mapRect(l.left, l.top, l.width, l.height);
        box(name, r, SheetWhite, DrawingPen);
        text(std::move(name), l.caption, r, TextAlignment::CentredInRect);
    }

    void picture(std::string name, const DrawPicture &p)
    {
        if (!p.visible || p.family.empty())
            return;
        SheetElement e;
        e.kind = SheetElementKind::Picture;
        e.name = std::move(name);
        e.rect = mapRect(p.left, p.top, p.width, p.height);
        e.family = std::string(p.family);
        e.entry = p.entry;
        e.inverted = p.inverted;
        e.ghost = p.ghost;
        m_elements.push_back(std::move(e));
    }

    // --- building blocks ---

    void box(std::string_view name, const SheetRectF &r, std::uint32_t fill, int pen)
    {
        SheetElement e;
        e.kind = SheetElementKind::Box;
        e.name = std::string(name);
        e.rect = r;
        e.fill = fill;
        e.width = pen;
        m_elements.push_back(std::move(e));
    }

    // Nothing is drawn for an empty text: an opaque empty text would only blank a spot.
    void text(std::string_view name, std::string value, const SheetRectF &r, TextAlignment a)
    {
        if (value.empty())
            return;
        SheetElement e;
        e.kind = SheetElementKind::Text;
        e.name = std::string(name);
        e.rect = r;
        e.text = std::move(value);
        e.points = m_points;
        e.alignment = a;
        e.opaque = m_opaque;
        m_elements.push_back(std::move(e));
    }

    void frame() { m_elements.push_back(sheetFrame()); }

    const ProjectDocument &m_document;
    const ThrowWindow &m_window;
    const Drawing &m_drawing;
    const DrawingTransform m_map;
    std::vector<SheetElement> m_elements;
    double m_points = 12;
    bool m_opaque = false;
};

} // namespace

SheetElement sheetFrame()
{
    // The heaviest pen, around the window's area, so that the sheet shows where the window
    // ends.
    SheetElement e;
    e.kind = SheetElementKind::Box;
    e.name = "frame";
    e.rect = {0, 0, double(SheetWidth), double(SheetHeight)};
    e.filled = false;
    e.outline = FrameGrey;
    e.width = 20;
    return e;
}

namespace {

// What the installer calls each field whose text can go on on a notes sheet.
std::string fieldCaption(std::string_view field)
{
    constexpr std::pair<std::string_view, std::string_view> Captions[] = {
        {"Text1(10)", LUMIDEX_TRANSLATE_NOOP("Sheet", "Title")},
        {"Text1(9)", LUMIDEX_TRANSLATE_NOOP("Sheet", "Date")},
        {"Text1(8)", LUMIDEX_TRANSLATE_NOOP("Sheet", "By")},
        {"Text1(17)", LUMIDEX_TRANSLATE_NOOP("Sheet", "Approved by")},
        {"Text1(18)", LUMIDEX_TRANSLATE_NOOP("Sheet", "Approval")},
        {"Text1(19)", LUMIDEX_TRANSLATE_NOOP("Sheet", "Notes")},
        {"Text1(21)", LUMIDEX_TRANSLATE_NOOP("Sheet", "Revision")},
    };
    for (const auto &[name, caption] : Captions) {
        if (name == field)
            return translate("Sheet", caption);
    }
    return std::string(field);
}

bool isTitleBlock(std::string_view name)
{
    return name == "fraThrow(2)" || name == "Text1(10)" || name == "Text1(9)" ||
           name == "Text1(8)" || name == "Label3" || name == "frame";
}

} // namespace

std::vector<SheetElement> composeNotesSheet(const std::vector<SheetElement> &sheet,
                                            const std::vector<ContinuedText> &continued)
{
    std::vector<SheetElement> notes;
    double titleBlockTop = double(SheetHeight);
    for (const SheetElement &e : sheet) {
        if (!isTitleBlock(e.name))
            continue;
        notes.push_back(e);
        if (e.name == "fraThrow(2)")
            titleBlockTop = e.rect.top;
    }
    if (continued.empty())
        return notes;
    // The rest of each field in a box of its own, one under the other, above the title block.
    constexpr double Margin = 120;
    constexpr double CaptionHeight = 300;
    const double left = Margin;
    const double width = double(SheetWidth) - 2 * Margin;
    const double each = (titleBlockTop - Margin) / double(continued.size());
    double top = Margin;
    for (const ContinuedText &c : continued) {
        const std::string field = c.field.starts_with(NotesSheetFieldPrefix)
                                      ? c.field
                                      : std::string(NotesSheetFieldPrefix) + c.field;
        SheetElement caption;
        caption.kind = SheetElementKind::Text;
        caption.name = field;
        caption.rect = {left, top, width, CaptionHeight};
        caption.text = fillIn(translate("Sheet", "%1, continued:"),
                              fieldCaption(field.substr(NotesSheetFieldPrefix.size())));
        caption.bold = true;
        notes.push_back(caption);

        SheetElement box;
        box.kind = SheetElementKind::Box;
        box.name = field;
        box.rect = {left, top + CaptionHeight, width, each - CaptionHeight - Margin};
        box.width = PanelPenWidth;
        notes.push_back(box);

        SheetElement text;
        text.kind = SheetElementKind::Text;
        text.name = field;
        text.rect = box.rect;
        text.text = c.text;
        text.points = SmallestFieldPoints;
        text.alignment = TextAlignment::CentredInRect;
        notes.push_back(text);
        top += each;
    }
    return notes;
}

std::vector<SheetElement> composeSheet(const ProjectDocument &document)
{
    return SheetWriter(document, document.window().drawing()).compose();
}

namespace detail {

std::vector<SheetElement> composeSheet(const ProjectDocument &document, const Drawing &drawing)
{
    return SheetWriter(document, drawing).compose();
}

} // namespace detail

} // namespace lumidex
