// The elevation as a CAD drawing, read back the way a CAD program reads it: the header's
// units, the layers, the screen's height, the lens at minus its throw distance, and every
// dimension measuring what the window shows (the values `lumidex-cli throw` prints).

#include "3-catalogue/throwformulas.h"
#include "8-print/elevationdxf.h"
#include "8-print/trueelevation.h"
#include "9-session/session.h"
#include "scripteddialogs.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <utility>

using namespace lumidex;

namespace {

// The entities and table records of a DXF file: each one's type and its group values.
struct DxfObject
{
    std::string type;
    std::multimap<int, std::string> groups;

    std::string text(int code) const
    {
        const auto it = groups.find(code);
        return it == groups.end() ? std::string() : it->second;
    }
    double number(int code) const { return std::stod(text(code)); }
};

struct DxfFile
{
    std::map<std::string, std::string> header; // variable, its first value
    std::vector<DxfObject> tables;
    std::vector<DxfObject> entities;

    std::vector<const DxfObject *> of(std::string_view type) const
    {
        std::vector<const DxfObject *> out;
        for (const DxfObject &e : entities) {
            if (e.type == type)
                out.push_back(&e);
        }
        return out;
    }
};

DxfFile readDxf(const std::string &bytes)
{
    DxfFile file;
    std::istringstream in(bytes);
    std::string code;
    std::string value;
    std::string section;
    std::string variable;
    std::vector<DxfObject> *into = nullptr;
    bool sectionNext = false;
    while (std::getline(in, code) && std::getline(in, value)) {
        const int c = std::stoi(code);
        if (sectionNext) {
            section = value;
            into = section == "TABLES"     ? &file.tables
                   : section == "ENTITIES" ? &file.entities
                                           : nullptr;
            sectionNext = false;
        } else if (c == 0 && (value == "SECTION" || value == "ENDSEC")) {
            sectionNext = value == "SECTION";
            into = nullptr;
        } else if (section == "HEADER") {
            if (c == 9)
                variable = value;
            else if (!variable.empty())
                file.header.emplace(std::exchange(variable, {}), value);
        } else if (c == 0 && into && value != "TABLE" && value != "ENDTAB") {
            into->push_back({value, {}});
        } else if (into && !into->empty() && c != 0) {
            into->back().groups.emplace(c, value);
        }
    }
    return file;
}

struct Desk
{
    Desk() : session(dialogs, StartOptions{Unit::Inches, false, true, {}})
    {
        session.screenWindow().calc();
    }
    ThrowWindow &window() { return session.throwWindow(); }

    fakes::ScriptedDialogs dialogs;
    Session session;
};

struct DxfCase
{
    const char *name;
    std::function<void(ThrowWindow &)> choose;
    int insUnits;
    bool zoom;
};

void PrintTo(const DxfCase &c, std::ostream *os)
{
    *os << c.name;
}

class ElevationDxf : public ::testing::TestWithParam<DxfCase>
{};

const std::string Title = "Salle é – Ø 3 m, 1 200 €";

TEST_P(ElevationDxf, MeasuresWhatTheWindowShows)
{
    const DxfCase &c = GetParam();
    Desk desk;
    ThrowWindow &window = desk.window();
    c.choose(window);
    window.setTitleText(PageText::Title, Title);
    const std::optional<TrueElevation> elevation =
        trueElevation(window, desk.session.focusTables());
    ASSERT_TRUE(elevation);
    const DxfFile dxf = readDxf(elevationDxf(*elevation));

    EXPECT_EQ(dxf.header.at("$ACADVER"), "AC1021");
    ASSERT_EQ(std::stoi(dxf.header.at("$INSUNITS")), c.insUnits);
    const double f = c.insUnits == 4 ? 25.4 : 1.0;
    for (std::string_view layer : DxfLayers) {
        EXPECT_TRUE(std::any_of(dxf.tables.begin(), dxf.tables.end(), [&](const DxfObject &t) {
            return t.type == "LAYER" && t.text(2) == layer;
        })) << layer;
    }

    const InstallationState &state = window.state();
    const InstallationResults &r = state.results;
    const auto near = [&](double a, double b) { return std::abs(a - b) <= 1e-9 * std::abs(b); };
    const auto onLayer = [&](std::string_view layer) -> const DxfObject * {
        for (const DxfObject *l : dxf.of("LINE")) {
            if (l->text(8) == layer)
                return l;
        }
        return nullptr;
    };
    const DxfObject *screen = onLayer("SCREEN");
    ASSERT_TRUE(screen);
    EXPECT_TRUE(near(screen->number(21) - screen->number(20), state.screen.height * f));

    // The throw line starts at the lens front, the throw distance (the near one of a zoom
    // lens, whichever point its distances are measured from) left of the screen.
    const DxfObject *throwLine = onLayer("THROW");
    ASSERT_TRUE(throwLine);
    const double lensFront = c.zoom ? r.throwNear : r.throwDistance;
    EXPECT_TRUE(near(throwLine->number(10), -lensFront * f));

    // Each dimension: its measured value is the distance between its points, and reads as
    // the window's value; the distances are the recalculation's, unrounded.
    const Drawing &d = window.drawing();
    std::vector<std::string> shown{window.distanceText()};
    for (const DrawLabel *l : {&d.txtHTDFar, &d.lblVsize, &d.lblHcent, &d.lblflr_screen,
                               &d.lblflr_proj, &d.lblflr_ceiling}) {
        if (l->visible)
            shown.push_back(l->caption);
    }
    const std::vector<const DxfObject *> dims = dxf.of("DIMENSION");
    ASSERT_EQ(dims.size(), shown.size());
    for (std::size_t i = 0; i < dims.size(); ++i) {
        const DxfObject &dim = *dims[i];
        EXPECT_EQ(dim.text(8), "DIMENSIONS");
        const bool vertical = dim.number(50) == 90;
        const double span =
            vertical ? dim.number(24) - dim.number(23) : dim.number(14) - dim.number(13);
        EXPECT_TRUE(near(std::abs(span), dim.number(42))) << i;
        EXPECT_EQ(formatLength(dim.number(42) / f, state.screen.displayUnits), shown[i]) << i;
    }
    EXPECT_TRUE(near(dims[0]->number(42), r.throwDistance * f));
    if (c.zoom) {
        EXPECT_TRUE(near(dims[1]->number(42), double(r.throwFar) * f));
    }

    const std::vector<const DxfObject *> texts = dxf.of("TEXT");
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const DxfObject *t) {
        return t->text(8) == "TEXT" && t->text(1) == "Title: " + Title;
    }));
}

INSTANTIATE_TEST_SUITE_P(
    Installations, ElevationDxf,
    ::testing::Values(DxfCase{"ZoomLensInInches",
                              [](ThrowWindow &w) { w.selectLens(Model::LX460, 0); }, 1, true},
                      DxfCase{"ZoomLensFromTheHoleInMillimetres",
                              [](ThrowWindow &w) {
                                  w.selectLens(Model::LX460, 0);
                                  w.selectUnits(Unit::Millimetres);
                                  w.selectThrowPoint(1);
                              },
                              4, true},
                      DxfCase{"CrtAtBottom",
                              [](ThrowWindow &w) {
                                  w.selectSeries(Series::CR7100);
                                  w.selectPosition(2);
                              },
                              1, false},
                      DxfCase{"CrtHungInFeet",
                              [](ThrowWindow &w) {
                                  w.selectSeries(Series::CR7500);
                                  w.selectUnits(Unit::Feet);
                              },
                              1, false}),
    [](const ::testing::TestParamInfo<DxfCase> &info) { return std::string(info.param.name); });

// Before, a screen changed on the page shown counted as a refused one: the page held the
// screen it was loaded with, so exporting it after an edit skipped it.
TEST(ShowPageAsStored, TakesTheInstallersChangesToThePageShown)
{
    Desk desk;
    ThrowWindow &window = desk.window();
    window.setSizeText(Dimension::Diagonal, "120");
    window.sizeKeyPress(Dimension::Diagonal, ThrowWindow::KeyEnter);
    EXPECT_TRUE(showPageAsStored(desk.session.document(), 1));
    EXPECT_FLOAT_EQ(desk.session.document().project().page(1).screenWidth, 96.0f);
}

} // namespace
