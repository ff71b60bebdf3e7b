#include "sessioncommand.h"

#include "9-session/replay.h"
#include "inputfile.h"
#include "installationjson.h"

#include <algorithm>
#include <iostream>
#include <sstream>

namespace lumidex::cli {
namespace {

// The answers an action line gives go to the tool's own dialogs.
class AnswersFromTheLine : public ReplayAnswers
{
public:
    explicit AnswersFromTheLine(CliDialogs &dialogs) : m_dialogs(dialogs) {}
    void answerPrompt(std::optional<std::string> answer) override
    {
        m_dialogs.answers.push_back(std::move(answer));
    }
    void answerSxga(int choice) override { m_dialogs.sxgaAnswer = choice; }
    void forgetAnswers() override { m_dialogs.answers.clear(); }

private:
    CliDialogs &m_dialogs;
};

ReplayLine lineOf(const JsonValue &object)
{
    ReplayLine line;
    for (std::size_t i = 0; i < object.keys.size(); ++i) {
        const JsonValue &v = object.items[i];
        const auto kind = v.kind == JsonValue::Kind::String   ? ReplayValue::Kind::Text
                          : v.kind == JsonValue::Kind::Number ? ReplayValue::Kind::Number
                                                              : ReplayValue::Kind::Other;
        line[object.keys[i]] = {kind, v.text};
    }
    return line;
}

std::string resultJson(Session &session, const CliDialogs &dialogs, bool elements)
{
    ThrowWindow &w = session.throwWindow();
    const ProjectDocument &doc = session.document();
    std::string enabled = "[";
    for (int i = 0; i < PositionCount; ++i)
        enabled += std::string(i ? "," : "") + (w.positionEnabled(i) ? "true" : "false");
    enabled += "]";
    JsonObject fields;
    fields.add("height", w.sizeEnabled(Dimension::Height) ? "true" : "false")
        .add("width", w.sizeEnabled(Dimension::Width) ? "true" : "false")
        .add("diagonal", w.sizeEnabled(Dimension::Diagonal) ? "true" : "false");
    const NoteColour colour = w.notesColour();
    JsonObject out = installationJson(session, dialogs, elements);
    out.add("page", std::to_string(doc.currentPage()))
        .add("pageCount", std::to_string(doc.pageCount()))
        .add("positionChecked", std::to_string(w.checkedPosition()))
        .add("positionEnabled", enabled)
        .add("fieldsEnabled", fields.str())
        .addString("notesColour", colour == NoteColour::Red    ? "red"
                                  : colour == NoteColour::Blue ? "blue"
                                                               : "black");
    return out.str();
}

} // namespace

int runSession(std::vector<std::string> args)
{
    const bool elements = takeElementsFlag(args);
    if (args.size() != 1)
        throw UsageError{"session takes one file of actions (or - for the standard input)"};
    // Read as every input of the tool is: only an ordinary file, and no more than a session
    // of actions can need.
    std::string failure;
    const std::optional<std::string> text =
        args[0] == "-" ? readStandardInput("a session of actions", failure)
                       : readInputFile(args[0], "a session of actions", failure);
    if (!text) {
        std::replace(failure.begin(), failure.end(), '\r', '\n');
        std::cerr << failure << '\n';
        return 1;
    }
    std::istringstream in(*text);
    CliDialogs dialogs;
    Session session(dialogs, StartOptions{Unit::Inches, false, true, {}});
    session.screenWindow().calc(); // "&Layout": the installation window is shown
    AnswersFromTheLine answers(dialogs);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        try {
            std::string why;
            const std::optional<JsonValue> value = parseJson(line, &why);
            if (!value)
                throw ReplayError{why};
            if (value->kind != JsonValue::Kind::Object)
                throw ReplayError{"an action is a JSON object"};
            replay(session, lineOf(*value), &answers);
        } catch (const ReplayError &bad) {
            std::cerr << "lumidex-cli: session line " << number << ": " << bad.text << '\n';
            return 2;
        }
    }
    std::cout << resultJson(session, dialogs, elements) << '\n';
    return 0;
}

} // namespace lumidex::cli
