#include "8-print/elevationdxf.h"

#include "3-catalogue/throwformulas.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace lumidex {
namespace {

// DXF insertion units and measurement system.
constexpr int InsUnitsInches = 1;
constexpr int InsUnitsMillimetres = 4;

// Colours of the layers, by the CAD colour index: the screen red as the window draws its
// height, the projector in the drawing colour, the throw line and the room grey.
struct LayerLook
{
    std::string_view name;
    int colour;
};
constexpr std::array<LayerLook, 6> LayerLooks{
    {{"SCREEN", 1}, {"PROJECTOR", 7}, {"THROW", 8}, {"DIMENSIONS", 5}, {"TEXT", 7}, {"ROOM", 8}}};

struct Point
{
    double x = 0;
    double y = 0;
};

// Group code and value pairs with the handles that tie the file's objects together. The
// header goes first in the file but names the next free handle, so it is written last.
class DxfText
{
public:
    std::string handle() { return hex(m_next++); }
    int nextHandle() const { return m_next; }
    static std::string hex(int value)
    {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%X", value);
        return buf;
    }

    void pair(int code, std::string_view value)
    {
        m_out += std::to_string(code);
        m_out += '\n';
        // A line break would end the value, and a TEXT carries no control characters: a
        // note typed over several lines becomes one.
        for (char c : value)
            m_out += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
        m_out += '\n';
    }
    void pair(int code, int value) { pair(code, std::to_string(value)); }
    void number(int code, double value)
    {
        char buf[32];
        const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
        pair(code, ec == std::errc() ? std::string_view(buf, std::size_t(end - buf)) : "0");
    }
    void point(int code, Point p)
    {
        number(code, p.x);
        number(code + 10, p.y);
        number(code + 20, 0.0);
    }

    std::string &out() { return m_out; }

private:
    std::string m_out;
    int m_next = 1;
};

class ElevationDxfWriter
{
public:
    explicit ElevationDxfWriter(const TrueElevation &e)
        : m_e(e), m_millimetres(e.units == Unit::Millimetres), m_f(m_millimetres ? 25.4 : 1.0)
    {
        const double farthest =
            -std::min(e.projector.left, e.farProjector ? e.farProjector->left : 0.0);
        m_text = std::max(1.0, std::max(farthest, e.screenTop) / 60) * m_f;
    }

    std::string write()
    {
        // Handles first: the tables and blocks name each other.
        m_modelSpace = m_d.handle();
        m_paperSpace = m_d.handle();
        m_textStyle = m_d.handle();
        for (std::size_t i = 0; i < m_e.dimensions.size(); ++i)
            m_dimensionBlocks.push_back(m_d.handle());

        section("CLASSES");
        m_d.pair(0, "ENDSEC");
        writeTables();
        writeBlocks();
        section("ENTITIES");
        writeEntities(m_modelSpace);
        m_d.pair(0, "ENDSEC");
        writeObjects();
        m_d.pair(0, "EOF");

        DxfText header;
        header.pair(0, "SECTION");
        header.pair(2, "HEADER");
        const auto variable = [&](std::string_view name) { header.pair(9, name); };
        variable("$ACADVER");
        header.pair(1, "AC1021");
        variable("$DWGCODEPAGE");
        header.pair(3, "ANSI_1252");
        variable("$INSBASE");
        header.point(10, {});
        variable("$INSUNITS");
        header.pair(70, m_millimetres ? InsUnitsMillimetres : InsUnitsInches);
        variable("$MEASUREMENT");
        header.pair(70, m_millimetres ? 1 : 0);
        variable("$LUNITS");
        header.pair(70, 2);
        variable("$LUPREC");
        header.pair(70, m_millimetres ? 0 : 1);
        variable("$DIMSTYLE");
        header.pair(2, "Standard");
        // Some readers take the dimensions' look from the header rather than their style.
        const auto size = [&](std::string_view name, double value) {
            variable(name);
            header.number(40, value);
        };
        size("$DIMSCALE", 1.0);
        // Without a length factor of its own, LibreCAD reads an inch drawing's dimensions as
        // millimetres and divides them by 25.4.
        size("$DIMLFAC", 1.0);
        variable("$DIMLUNIT");
        header.pair(70, 2);
        size("$DIMASZ", arrowSize());
        size("$DIMEXO", extensionOffset());
        size("$DIMEXE", extensionBeyond());
        size("$DIMTXT", m_text);
        size("$DIMGAP", textGap());
        variable("$DIMTAD");
        header.pair(70, 1);
        variable("$DIMDEC");
        header.pair(70, 0);
        variable("$HANDSEED");
        header.pair(5, DxfText::hex(m_d.nextHandle()));
        header.pair(0, "ENDSEC");
        return header.out() + m_d.out();
    }

private:
    Point at(double x, double y) const { return {x * m_f, y * m_f}; }

    void section(std::string_view name)
    {
        m_d.pair(0, "SECTION");
        m_d.pair(2, name);
    }

    std::string table(std::string_view name, int count)
    {
        const std::string h = m_d.handle();
        m_d.pair(0, "TABLE");
        m_d.pair(2, name);
        m_d.pair(5, h);
        m_d.pair(330, "0");
        m_d.pair(100, "AcDbSymbolTable");
        m_d.pair(70, count);
        return h;
    }

    void record(std::string_view type, const std::string &table, std::string_view subclass,
                const std::string &handle = {})
    {
        m_d.pair(0, type);
        m_d.pair(type == "DIMSTYLE" ? 105 : 5, handle.empty() ? m_d.handle() : handle);
        m_d.pair(330, table);
        m_d.pair(100, "AcDbSymbolTableRecord");
        m_d.pair(100, subclass);
    }

    void writeTables()
    {
        section("TABLES");
        std::string t = table("VPORT", 1);
        record("VPORT", t, "AcDbViewportTableRecord");
        m_d.pair(2, "*ACTIVE");
        m_d.pair(70, 0);
        m_d.point(10, {0, 0});
        m_d.point(11, {1, 1});
        // Opened, the view shows the whole installation.
        const double left = std::min(m_e.projector.left, m_e.farProjector ? m_e.farProjector->left
                                                                          : m_e.projector.left);
        const double top = std::max(m_e.screenTop, m_e.projector.top);
        m_d.number(12, (left / 2) * m_f);
        m_d.number(22, (top / 2) * m_f);
        m_d.number(40, std::max(top, -left / 2) * 1.6 * m_f);
        m_d.number(41, 2.0);
        m_d.pair(0, "ENDTAB");

        t = table("LTYPE", 3);
        for (std::string_view name : {"ByBlock", "ByLayer", "Continuous"}) {
            record("LTYPE", t, "AcDbLinetypeTableRecord");
            m_d.pair(2, name);
            m_d.pair(70, 0);
            m_d.pair(3, name == "Continuous" ? "Solid line" : "");
            m_d.pair(72, 65);
            m_d.pair(73, 0);
            m_d.number(40, 0.0);
        }
        m_d.pair(0, "ENDTAB");

        t = table("LAYER", int(LayerLooks.size()) + 1);
        record("LAYER", t, "AcDbLayerTableRecord");
        m_d.pair(2, "0");
        m_d.pair(70, 0);
        m_d.pair(62, 7);
        m_d.pair(6, "Continuous");
        for (const LayerLook &l : LayerLooks) {
            record("LAYER", t, "AcDbLayerTableRecord");
            m_d.pair(2, l.name);
            m_d.pair(70, 0);
            m_d.pair(62, l.colour);
            m_d.pair(6, "Continuous");
        }
        m_d.pair(0, "ENDTAB");

        t = table("STYLE", 1);
        record("STYLE", t, "AcDbTextStyleTableRecord", m_textStyle);
        m_d.pair(2, "Standard");
        m_d.pair(70, 0);
        m_d.number(40, 0.0);
        m_d.number(41, 1.0);
        m_d.number(50, 0.0);
        m_d.pair(71, 0);
        m_d.number(42, m_text);
        m_d.pair(3, "arial.ttf");
        m_d.pair(4, "");
        m_d.pair(0, "ENDTAB");

        for (std::string_view name : {"VIEW", "UCS"}) {
            table(name, 0);
            m_d.pair(0, "ENDTAB");
        }

        t = table("APPID", 1);
        record("APPID", t, "AcDbRegAppTableRecord");
        m_d.pair(2, "ACAD");
        m_d.pair(70, 0);
        m_d.pair(0, "ENDTAB");

        // The dimension style: whole inches or millimetres, as the window writes lengths.
        t = table("DIMSTYLE", 1);
        m_d.pair(100, "AcDbDimStyleTable");
        m_d.pair(71, 1);
        record("DIMSTYLE", t, "AcDbDimStyleTableRecord");
        m_d.pair(2, "Standard");
        m_d.pair(70, 0);
        m_d.number(40, 1.0);
        m_d.number(41, arrowSize());
        m_d.number(42, extensionOffset());
        m_d.number(44, extensionBeyond());
        m_d.number(140, m_text);
        m_d.number(147, textGap());
        m_d.pair(77, 1);  // text above the dimension line
        m_d.pair(73, 0);  // inside: aligned with the line
        m_d.pair(74, 0);  // outside: aligned with the line
        m_d.pair(271, 0); // no decimals
        m_d.pair(277, 2); // decimal units
        m_d.pair(340, m_textStyle);
        m_d.pair(0, "ENDTAB");

        t = table("BLOCK_RECORD", int(m_dimensionBlocks.size()) + 2);
        record("BLOCK_RECORD", t, "AcDbBlockTableRecord", m_modelSpace);
        m_d.pair(2, "*Model_Space");
        record("BLOCK_RECORD", t, "AcDbBlockTableRecord", m_paperSpace);
        m_d.pair(2, "*Paper_Space");
        for (std::size_t i = 0; i < m_dimensionBlocks.size(); ++i) {
            record("BLOCK_RECORD", t, "AcDbBlockTableRecord", m_dimensionBlocks[i]);
            m_d.pair(2, dimensionBlockName(i));
        }
        m_d.pair(0, "ENDTAB");
        m_d.pair(0, "ENDSEC");
    }

    static std::string dimensionBlockName(std::size_t i) { return "*D" + std::to_string(i + 1); }

    void block(const std::string &owner, std::string_view name, int flags)
    {
        entity("BLOCK", owner, "0");
        m_d.pair(100, "AcDbBlockBegin");
        m_d.pair(2, name);
        m_d.pair(70, flags);
        m_d.point(10, {});
        m_d.pair(3, name);
        m_d.pair(1, "");
    }

    void endBlock(const std::string &owner)
    {
        entity("ENDBLK", owner, "0");
        m_d.pair(100, "AcDbBlockEnd");
    }

    void writeBlocks()
    {
        section("BLOCKS");
        block(m_modelSpace, "*Model_Space", 0);
        endBlock(m_modelSpace);
        block(m_paperSpace, "*Paper_Space", 0);
        endBlock(m_paperSpace);
        // What each dimension shows, as CAD programs draw it until they restyle it.
        for (std::size_t i = 0; i < m_e.dimensions.size(); ++i) {
            const std::string &owner = m_dimensionBlocks[i];
            block(owner, dimensionBlockName(i), 1);
            dimensionPicture(owner, m_e.dimensions[i]);
            endBlock(owner);
        }
        m_d.pair(0, "ENDSEC");
    }

    void entity(std::string_view type, const std::string &owner, std::string_view layer)
    {
        m_d.pair(0, type);
        m_d.pair(5, m_d.handle());
        m_d.pair(330, owner);
        m_d.pair(100, "AcDbEntity");
        m_d.pair(8, layer);
    }

    void line(const std::string &owner, std::string_view layer, Point a, Point b)
    {
        entity("LINE", owner, layer);
        m_d.pair(100, "AcDbLine");
        m_d.point(10, a);
        m_d.point(11, b);
    }

    void rectangle(const std::string &owner, std::string_view layer, const TrueRect &r)
    {
        entity("LWPOLYLINE", owner, layer);
        m_d.pair(100, "AcDbPolyline");
        m_d.pair(90, 4);
        m_d.pair(70, 1); // closed
        for (Point p :
             {at(r.left, r.bottom), at(r.right, r.bottom), at(r.right, r.top), at(r.left, r.top)}) {
            m_d.number(10, p.x);
            m_d.number(20, p.y);
        }
    }

    // Left-aligned unless centred on `p`; rotated by `angle` degrees.
    void text(const std::string &owner, std::string_view layer, Point p, std::string_view value,
              bool centred = false, double angle = 0)
    {
        entity("TEXT", owner, layer);
        m_d.pair(100, "AcDbText");
        m_d.point(10, p);
        m_d.number(40, m_text);
        m_d.pair(1, value);
        if (angle != 0)
            m_d.number(50, angle);
        m_d.pair(7, "Standard");
        if (centred) {
            m_d.pair(72, 1);
            m_d.point(11, p);
        }
        m_d.pair(100, "AcDbText");
    }

    double arrowSize() const { return m_text; }
    double extensionOffset() const { return m_text * 0.3; }
    double extensionBeyond() const { return m_text * 0.5; }
    double textGap() const { return m_text * 0.3; }

    // Where a dimension's line meets its extension lines, in file units.
    std::pair<Point, Point> dimensionLineEnds(const TrueDimension &d) const
    {
        if (d.vertical)
            return {at(d.at, d.y1), at(d.at, d.y2)};
        return {at(d.x1, d.at), at(d.x2, d.at)};
    }

    std::string valueText(const TrueDimension &d) const
    {
        return formatLength(d.measured, m_millimetres ? Unit::Millimetres : Unit::Inches);
    }

    void dimensionPicture(const std::string &owner, const TrueDimension &d)
    {
        const std::string_view layer = "DIMENSIONS";
        const auto [q1, q2] = dimensionLineEnds(d);
        const Point p1 = at(d.x1, d.y1);
        const Point p2 = at(d.x2, d.y2);
        // Extension lines from just off the measured points to just past the dimension line.
        for (const auto &[p, q] : {std::pair{p1, q1}, std::pair{p2, q2}}) {
            const double dx = q.x - p.x;
            const double dy = q.y - p.y;
            const double length = std::hypot(dx, dy);
            if (length <= extensionOffset())
                continue;
            const double ux = dx / length;
            const double uy = dy / length;
            line(owner, layer, {p.x + ux * extensionOffset(), p.y + uy * extensionOffset()},
                 {q.x + ux * extensionBeyond(), q.y + uy * extensionBeyond()});
        }
        line(owner, layer, q1, q2);
        // Arrow heads pointing out to the extension lines.
        const double length = std::hypot(q2.x - q1.x, q2.y - q1.y);
        if (length > 0) {
            const double ux = (q2.x - q1.x) / length;
            const double uy = (q2.y - q1.y) / length;
            const double a = arrowSize();
            for (const auto &[tip, sign] : {std::pair{q1, 1.0}, std::pair{q2, -1.0}}) {
                const Point back{tip.x + sign * ux * a, tip.y + sign * uy * a};
                entity("SOLID", owner, layer);
                m_d.pair(100, "AcDbTrace");
                m_d.point(10, tip);
                m_d.point(11, {back.x - uy * a / 6, back.y + ux * a / 6});
                m_d.point(12, {back.x + uy * a / 6, back.y - ux * a / 6});
                m_d.point(13, {back.x + uy * a / 6, back.y - ux * a / 6});
            }
        }
        text(owner, layer, textPoint(d), valueText(d), true, d.vertical ? 90 : 0);
    }

    // The value's place: above a horizontal line, left of an upright one.
    Point textPoint(const TrueDimension &d) const
    {
        const auto [q1, q2] = dimensionLineEnds(d);
        const Point mid{(q1.x + q2.x) / 2, (q1.y + q2.y) / 2};
        if (d.vertical)
            return {mid.x - textGap(), mid.y};
        return {mid.x, mid.y + textGap()};
    }

    void writeEntities(const std::string &owner)
    {
        const TrueElevation &e = m_e;
        const double left =
            std::min(e.projector.left, e.farProjector ? e.farProjector->left : e.projector.left);
        const double margin = m_text / m_f * 4;

        line(owner, "ROOM", at(left - margin, 0), at(margin, 0));
        if (e.ceiling)
            line(owner, "ROOM", at(left - margin, *e.ceiling), at(0, *e.ceiling));

        line(owner, "SCREEN", at(0, e.screenBottom), at(0, e.screenTop));
        // The screen's centre, marked across its face.
        line(owner, "SCREEN", at(-margin / 4, e.screenCentre), at(margin / 4, e.screenCentre));

        rectangle(owner, "PROJECTOR", e.projector);
        if (e.farProjector) {
            rectangle(owner, "PROJECTOR", *e.farProjector);
            // The range the projector may stand anywhere on, lens to lens.
            line(owner, "PROJECTOR", at(e.farLensX, e.lensY), at(e.lensX, e.lensY));
        }
        line(owner, "THROW", at(e.lensX, e.lensY), at(0, e.screenCentre));

        for (std::size_t i = 0; i < e.dimensions.size(); ++i)
            dimension(owner, e.dimensions[i], dimensionBlockName(i));

        // The texts in a column above the installation.
        const double top = std::max(e.screenTop, e.projector.top) * m_f + m_text * 3;
        double y = top + m_text * 1.6 * double(e.texts.size());
        for (const std::string &t : e.texts) {
            text(owner, "TEXT", {left * m_f, y}, t);
            y -= m_text * 1.6;
        }
    }

    void dimension(const std::string &owner, const TrueDimension &d, const std::string &block)
    {
        const auto [q1, q2] = dimensionLineEnds(d);
        entity("DIMENSION", owner, "DIMENSIONS");
        m_d.pair(100, "AcDbDimension");
        m_d.pair(2, block);
        m_d.point(10, q2);
        m_d.point(11, textPoint(d));
        m_d.pair(70, 32); // linear, its picture block its own
        m_d.pair(71, 5);  // text attached at its middle
        m_d.number(42, d.measured * m_f);
        m_d.pair(3, "Standard");
        m_d.pair(100, "AcDbAlignedDimension");
        m_d.point(13, at(d.x1, d.y1));
        m_d.point(14, at(d.x2, d.y2));
        m_d.number(50, d.vertical ? 90.0 : 0.0);
        m_d.pair(100, "AcDbRotatedDimension");
    }

    void writeObjects()
    {
        section("OBJECTS");
        const std::string root = m_d.handle();
        const std::string groups = m_d.handle();
        m_d.pair(0, "DICTIONARY");
        m_d.pair(5, root);
        m_d.pair(330, "0");
        m_d.pair(100, "AcDbDictionary");
        m_d.pair(281, 1);
        m_d.pair(3, "ACAD_GROUP");
        m_d.pair(350, groups);
        m_d.pair(0, "DICTIONARY");
        m_d.pair(5, groups);
        m_d.pair(330, root);
        m_d.pair(100, "AcDbDictionary");
        m_d.pair(281, 1);
        m_d.pair(0, "ENDSEC");
    }

    const TrueElevation &m_e;
    const bool m_millimetres;
    const double m_f; // file units per inch
    double m_text = 1;
    DxfText m_d;
    std::string m_modelSpace;
    std::string m_paperSpace;
    std::string m_textStyle;
    std::vector<std::string> m_dimensionBlocks;
};

} // namespace

std::string elevationDxf(const TrueElevation &elevation)
{
    return ElevationDxfWriter(elevation).write();
}

} // namespace lumidex
