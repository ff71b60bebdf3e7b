#include "9-session/help.h"

#include "1-state/translation.h"
#include "3-catalogue/catalogue.h"

#include <map>

namespace lumidex {
namespace {

std::string escapeHtml(std::string_view text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string page(std::string_view title, std::string_view body)
{
    std::string html = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>";
    html += escapeHtml(title);
    html += "</title></head>\n<body>\n<h2>";
    html += escapeHtml(title);
    html += "</h2>\n";
    html += body;
    html += "<p><a href=\"";
    html += HelpContentsFile;
    html += "\">";
    html += escapeHtml(translate("Help", "Contents"));
    html += "</a></p>\n</body></html>\n";
    return html;
}

constexpr std::string_view supportBody = LUMIDEX_TRANSLATE_NOOP(
    "Help",
    "<p>Varnel technical support helps installers and dealers with projector placement, "
    "lens choice and screen sizing.</p>\n"
    "<h3>Before you call</h3>\n"
    "<ul>\n"
    "<li>Note the projector model and lens shown in the installation window.</li>\n"
    "<li>Note the screen size and aspect ratio, and the units you are working in.</li>\n"
    "<li>Save the project, so that you can send it with your question.</li>\n"
    "</ul>\n"
    "<h3>How to reach us</h3>\n"
    "<p>Call the technical support line of your Varnel dealer network on working days, or "
    "write to your regional Varnel support office. Attach the saved project file (.lmx) and "
    "the printed installation sheet to written questions.</p>\n");

constexpr std::string_view brightnessSeatingBody = LUMIDEX_TRANSLATE_NOOP(
    "Help",
    "<p>Screen, Brightness and Seating in the screen calculator answers the two questions "
    "asked once the screen is sized: will the picture be bright enough in this room, and "
    "where do the seats go. The window follows the screen and the units of both windows; "
    "everything is worked out again as you type.</p>\n"
    "<h3>What you type</h3>\n"
    "<ul>\n"
    "<li><b>Light output</b>: the projector's ANSI lumens, from its data sheet. Lumidex holds "
    "no light output figures of its own.</li>\n"
    "<li><b>Screen gain</b>: from the screen's data sheet; 1.0 is a matte white screen.</li>\n"
    "<li><b>Ambient light</b>: the room light falling on the screen, in lux, measured at the "
    "screen with the projector off; 0 is a dark room.</li>\n"
    "<li><b>Vertical resolution</b>: the picture's lines (1080 for full HD).</li>\n"
    "<li><b>Nearest seat</b> and <b>Farthest seat</b> (optional): distances from the "
    "screen, in the units shown.</li>\n"
    "</ul>\n"
    "<h3>Brightness</h3>\n"
    "<p>Luminance in foot-lamberts is the light output times the gain divided by the image "
    "area in square feet; candela per square metre (nits) are foot-lamberts times 3.426. "
    "The reference for a dark room is digital cinema's white, SMPTE ST 431-1 "
    "(ISO 26431-1): 48 cd/m&sup2; (14 fL). Within 3 fL of it (37.8 to 58.2 cd/m&sup2;) the "
    "picture is about right; below, too dim; above, brighter than cinema.</p>\n"
    "<h3>Room light</h3>\n"
    "<p>The projector puts its lumens divided by the image area in square metres on the "
    "screen, in lux. The image contrast is that light plus the room light, divided by the "
    "room light. The ANSI/AVIXA projected-image contrast standard has four categories: "
    "7:1 for passive viewing (signage, pictures only glanced at), 15:1 for basic decision "
    "making (reading text, presentations), 50:1 for analytical decision making (detailed "
    "images) and 80:1 for full-motion video (film and video, a home cinema's goal). The "
    "window shows the highest category the contrast meets; which one the room needs "
    "depends on what it is for, so a 60:1 home cinema meets analytical decision making and "
    "still falls short of full-motion video. A contrast below 7:1 meets none and is shown "
    "in red. In a dark room there is no room light to overcome: the contrast has no limit "
    "from it, full-motion video. A room light that is not a number is shown in red and "
    "used as nothing, never as a dark room.</p>\n"
    "<h3>Light output needed</h3>\n"
    "<p>The ANSI lumens that give 14 fL on this screen with this gain, and that reach 7:1, "
    "15:1, 50:1 and 80:1 in this room light, rounded up.</p>\n"
    "<h3>Seating</h3>\n"
    "<p>The distances at which the picture's width fills a horizontal view of 30&deg; "
    "(the SMPTE EG 18 minimum), 36&deg; (THX, from the farthest seat) and 40&deg; (the usual "
    "home theatre recommendation): the width divided by twice the tangent of half the angle. "
    "Nearer seats see a wider view. Beyond the distance at which one line of the picture "
    "spans one arc-minute (about 3438 line heights) the eye no longer tells the lines "
    "apart. A seat whose view is narrower than 26&deg; or wider than 50&deg; is shown in "
    "red.</p>\n"
    "<p>The picture shows the screen from above with the arcs from which it fills 30&deg;, "
    "36&deg; and 40&deg; (every point of an arc sees the screen's edges the same angle "
    "apart), and each seat with its lines of sight.</p>\n"
    "<h3>Copy and print</h3>\n"
    "<p>Ctrl+C copies the whole window as text; Print (Ctrl+P) prints it on one landscape "
    "page, with the picture. F1 opens this page.</p>\n");

std::string modelBody(const std::vector<std::string> &sections)
{
    std::string body =
        translate("Help", "<p>Choose this projector from the installation window's Projector menu. "
                          "Lumidex then computes the throw distance for the screen entered in the "
                          "screen calculator and draws the installation.</p>\n");
    for (const std::string &s : sections)
        body += s;
    return body;
}

} // namespace

std::string helpFolderPath(std::string_view programFolder)
{
    std::string path(programFolder);
    if (path.empty() || path.back() != '/')
        path += '/';
    path += HelpFolderName;
    return path;
}

std::vector<std::string> helpFolderCandidates(std::string_view programFolder)
{
    std::string parent(programFolder);
    while (!parent.empty() && parent.back() == '/')
        parent.pop_back();
    parent = parent.substr(0, parent.find_last_of('/') + 1);
    return {helpFolderPath(programFolder), helpFolderPath(parent + "share/lumidex")};
}

std::string helpFileName(const HelpRequest &request)
{
    if (request.command == HelpCommand::Context)
        return std::to_string(request.contextId) + ".html";
    return std::string(HelpContentsFile);
}

std::vector<HelpTopic> helpTopics()
{
    // Several models may share a topic id (they share a picture); one page lists them all.
    std::map<int, std::pair<std::string, std::vector<std::string>>> byId;
    auto add = [&byId](int id, std::string_view caption, std::string section) {
        auto &[title, sections] = byId[id];
        title += title.empty() ? "" : ", ";
        title += caption;
        sections.push_back(std::move(section));
    };
    for (const SeriesEntry &s : crtSeries()) {
        std::string section = "<h3>" + escapeHtml(s.caption) + "</h3>\n";
        section += translate(
            "Help", "<p>CRT projector series with a fixed lens. Lumidex computes the throw "
                    "distance for the mounting position chosen in the Position menu. A throw "
                    "distance can also be typed into the distance box: Lumidex then finds the "
                    "screen width that it fills.</p>\n");
        add(s.helpId, s.caption, std::move(section));
    }
    for (const ModelEntry &m : dataProjectors()) {
        std::string section = "<h3>" + escapeHtml(m.caption) + "</h3>\n<p>" +
                              escapeHtml(translate("Help", "Lenses:")) + "</p>\n<ul>\n";
        for (const LensEntry &lens : m.lenses) {
            const std::string lensText =
                fillIn(lens.kind == LensKind::Zoom
                           ? translate("Help", "%1 (zoom lens: nearest and farthest distance)")
                           : translate("Help", "%1 (fixed lens: one distance)"),
                       translate("Catalogue", lens.caption));
            section += "<li>" + escapeHtml(lensText) + "</li>\n";
        }
        section += "</ul>\n";
        if (!m.inputSignals.empty()) {
            section += "<p>" + escapeHtml(translate("Help", "Input signals:")) + "</p>\n<ul>\n";
            for (std::string_view signal : m.inputSignals)
                section += "<li>" + escapeHtml(translate("Catalogue", signal)) + "</li>\n";
            section += "</ul>\n";
        }
        add(m.helpId, m.caption, std::move(section));
    }

    std::vector<HelpTopic> topics;
    topics.push_back(
        {0, translate("Help", "Lumidex Help Contents"), std::string(HelpContentsFile), {}});
    const std::string support = translate("Help", "Obtaining Technical Support");
    topics.push_back({HelpTechnicalSupport, support,
                      helpFileName(HelpRequest::topic(HelpTechnicalSupport)),
                      page(support, translate("Help", supportBody))});
    const std::string brightnessSeating = translate("Help", "Brightness and Seating");
    topics.push_back({HelpBrightnessSeating, brightnessSeating,
                      helpFileName(HelpRequest::topic(HelpBrightnessSeating)),
                      page(brightnessSeating, translate("Help", brightnessSeatingBody))});
    for (auto &[id, entry] : byId) {
        const std::string title = entry.first;
        topics.push_back({id, title, helpFileName(HelpRequest::topic(id)),
                          page(title, modelBody(entry.second))});
    }

    std::string contents =
        translate("Help", "<p>Lumidex sizes projection screens and places Varnel projectors in "
                          "front of them. Enter the screen in the screen calculator, then choose "
                          "&quot;Layout&quot; to see where the projector stands.</p>\n") +
        "<ul>\n";
    for (std::size_t i = 1; i < topics.size(); ++i) {
        contents += "<li><a href=\"" + topics[i].fileName + "\">" + escapeHtml(topics[i].title) +
                    "</a></li>\n";
    }
    contents += "</ul>\n";
    topics.front().html = page(topics.front().title, contents);
    return topics;
}

} // namespace lumidex
