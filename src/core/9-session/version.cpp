#include "9-session/version.h"

#include "lumidex_version.h"

namespace lumidex {

std::string versionLabel(int major, int minor, int revision)
{
    return "Version " + std::to_string(major) + "." + std::to_string(minor) +
           std::to_string(revision);
}

std::string versionLabel()
{
    return versionLabel(LumidexVersionMajor, LumidexVersionMinor, LumidexVersionPatch);
}

std::string versionNumber()
{
    return std::to_string(LumidexVersionMajor) + "." + std::to_string(LumidexVersionMinor) + "." +
           std::to_string(LumidexVersionPatch);
}

} // namespace lumidex
