#pragma once

// Where the projector may be mounted: the Position entries each projector and lens offers, the
// entry a new choice of projector takes, and the custom throw angles each CRT series can be
// set up for, with the mounting position each angle range means.

#include "1-state/dialogs.h"
#include "1-state/installationstate.h"
#include "1-state/translation.h"
#include "3-catalogue/catalogue.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace lumidex {

// The prompt and its title are shown translated.
inline constexpr std::string_view AnglePrompt = LUMIDEX_TRANSLATE_NOOP(
    "Positions", "Please enter the projector angle in degrees off center axis:\r\r\r\r\r\r"
                 "(Use negative number for angles above center of screen)");
inline constexpr std::string_view AnglePromptTitle =
    LUMIDEX_TRANSLATE_NOOP("Positions", "Custom Projector Placement");
inline constexpr std::string_view AnglePromptDefault = "14";

// The Position entries the selection offers: every CRT series all four (the CR-75xx series
// has no custom angle), a data projector those its model and lens allow.
PositionFlags positionsOffered(const Selection &selection);

// The entry a newly chosen projector takes, given the mounting position before: that one when
// the new selection offers it, otherwise the top of the screen, or the one entry the lens
// allows. For a CRT series "Special" means asking for a custom angle.
MountPosition positionFor(const Selection &selection, MountPosition before);

struct MessageText
{
    std::string text;
    MessageIcon icon = MessageIcon::None;
    std::string title; // empty: the program's own title
};

// What a series makes of a custom angle: the mounting position it means, and whether it is
// steep enough for the installer's angle warning; or the message refusing it.
struct AngleDecision
{
    std::optional<MountPosition> position;
    bool withTips = false;
    MessageText refusal;
};

AngleDecision decideCustomAngle(Series series, double angle);

// The mounting position the drawing and the CRT calculations work with: the checked entry,
// or for a custom angle the position its range means.
MountPosition mountedAt(const InstallationInputs &inputs);

// The angle prompt's answer read as the installer typed it: nullopt for Cancel or an empty
// answer (nothing happens), a message for an answer that is no number.
struct AngleAnswer
{
    std::optional<double> angle;
    std::optional<MessageText> refusal;
};
AngleAnswer readAngleAnswer(const std::optional<std::string> &answer);

} // namespace lumidex
