#pragma once

// The "Brightness and Seating" window as plain state: what the installer typed from the
// projector's data sheet and about the room, and everything shown for the screen in force,
// in the display units. It keeps no copy of the screen: every refresh starts again from the
// shared installation state, so it always agrees with the screen calculator and the
// installation window.

#include "1-state/installationstate.h"
#include "1-state/translation.h"
#include "2-screen/viewingroom.h"
#include "5-drawing/figure.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lumidex {

enum class RoomField
{
    Lumens,
    Gain,
    Ambient,
    Lines,
    NearestSeat,
    FarthestSeat
};
inline constexpr std::array<RoomField, 6> AllRoomFields{
    RoomField::Lumens, RoomField::Gain,        RoomField::Ambient,
    RoomField::Lines,  RoomField::NearestSeat, RoomField::FarthestSeat};

// One line of results: its element name, caption and value as shown.
struct RoomRow
{
    std::string_view name;
    std::string label;
    std::string value;
    bool warning = false; // shown in red: the room or the seat needs a second look
};

struct RoomSection
{
    std::string title;
    std::vector<RoomRow> rows;
};

class RoomWindow
{
public:
    static constexpr std::string_view Caption =
        LUMIDEX_TRANSLATE_NOOP("RoomWindow", "Brightness and Seating");

    explicit RoomWindow(const InstallationState &state);

    // Digits and the decimal point go into a field; every other key is discarded.
    static bool acceptsKey(char key);
    // The field's text after the user edited it, read as its leading number. Seats are typed in
    // the display units.
    void setFieldText(RoomField field, std::string text);
    // The screen or the units changed in either window.
    void refresh();

    const std::string &fieldText(RoomField field) const { return m_texts[index(field)]; }
    // The caption with its access key; the seats name the display unit.
    std::string fieldLabel(RoomField field) const;
    static std::string_view fieldName(RoomField field);

    const std::vector<RoomSection> &sections() const { return m_sections; }
    const RoomFigures &figures() const { return m_figures; }
    const RoomInputs &inputs() const { return m_inputs; }
    // The screen from above with the viewing arcs and the seats.
    const Figure &topView() const { return m_topView; }

    // What was typed, as rows: the captions without access keys, a dash for an empty field.
    std::vector<RoomRow> typedRows() const;
    // Everything the window shows, as plain text lines: what was typed, then the results.
    std::string text() const;

    const InstallationState &state() const { return m_state; }

private:
    static std::size_t index(RoomField f) { return static_cast<std::size_t>(f); }
    void readInputs();
    void compose();

    const InstallationState &m_state;
    std::array<std::string, 6> m_texts{"", "1.0", "0", "1080", "", ""};
    std::array<std::optional<double>, 2> m_seatInches{}; // nearest, farthest
    std::array<bool, 6> m_notNumber{};                   // typed, but not starting with a number
    Unit m_units;
    RoomInputs m_inputs;
    RoomFigures m_figures;
    std::vector<RoomSection> m_sections;
    Figure m_topView;
};

// The top view for a screen `width` inches wide: the screen, the arc from which it fills each
// of the viewing angles, and the seats with their lines of sight.
// Each seat comes with the name its label gives it.
Figure roomTopView(double width, const std::string &screenCaption,
                   const std::vector<std::pair<std::string, SeatView>> &seats);

} // namespace lumidex
