// Any text given to `project import`'s reading: the JSON reader and the project built from it
// must never crash, and a document they accept must survive an export and an import: the
// exported text reads again and describes a project that saves to the same bytes.

#include "json.h"
#include "projectjson.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

[[noreturn]] void mismatch(const char *what)
{
    std::fprintf(stderr, "projectjson_fuzz: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace lumidex;
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    std::string error;
    const std::optional<cli::JsonValue> document = cli::parseJson(text, &error);
    if (!document) {
        if (error.empty())
            mismatch("malformed JSON refused without a reason");
        return 0;
    }
    const std::optional<Project> project = cli::projectFromJson(*document, &error);
    if (!project)
        return 0;

    const std::string exported = cli::projectToJson(*project);
    const std::optional<cli::JsonValue> again = cli::parseJson(exported, &error);
    if (!again)
        mismatch(("an export is not valid JSON: " + error).c_str());
    const std::optional<Project> reimported = cli::projectFromJson(*again, &error);
    if (!reimported)
        mismatch(("an export does not import: " + error).c_str());
    if (encodeProject(*reimported) != encodeProject(*project))
        mismatch("an export imports to other bytes");
    return 0;
}
