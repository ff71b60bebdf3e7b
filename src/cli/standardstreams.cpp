#include "standardstreams.h"

#include <iostream>

namespace lumidex::cli {

bool writeStandardOutput(std::string_view bytes)
{
    std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::cout.flush();
    return static_cast<bool>(std::cout);
}

} // namespace lumidex::cli
