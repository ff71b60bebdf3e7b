#pragma once

// The default printer check of the print command. Choosing a printer in the print dialog makes
// it the default printer, and some fax modem drivers leave the default printer entry in a state
// the next program cannot use. Right after the dialog the print command looks at the entry and,
// when it names a fax modem, writes it back; if that write fails the user is asked to restore the
// default printer by hand. Printing goes on in every case.
//
// The entry lives in the per-user profile as key "device" of section "windows", a text of the
// form "printer name,driver,port". This platform has no such profile, so ProfileStore is the
// small layer the print command reads and writes it through, and IniProfileStore keeps it in a
// plain INI file.

#include <cstddef>
#include <string>
#include <string_view>

namespace lumidex {

// The message shown when the entry could not be written back: an exclamation box with an OK
// button, the text on two lines.
inline constexpr std::string_view PrinterProblemTitle = "Problem detected";
inline constexpr std::string_view PrinterProblemText =
    "Could not restore your default printer.\r\nPlease do so manually via the Control Panel";

class ProfileStore
{
public:
    virtual ~ProfileStore() = default;

    // The value of key in section, cut to bufferSize - 1 characters as a fixed character buffer
    // of that size would hold it. A missing section or key reads "".
    virtual std::string read(std::string_view section, std::string_view key,
                             std::size_t bufferSize) = 0;

    // Sets key in section to value. False when the value could not be stored.
    virtual bool write(std::string_view section, std::string_view key, std::string_view value) = 0;
};

// A profile kept as an INI file: "[section]" lines followed by "key=value" lines. Section and key
// names are matched without regard to case and blanks around keys and values are ignored, as in
// the per-user profile. Writing replaces the file as a whole (a temporary file renamed over it) so
// that an interrupted write never leaves half a profile, and keeps every other line byte for byte.
class IniProfileStore : public ProfileStore
{
public:
    explicit IniProfileStore(std::string path);

    std::string read(std::string_view section, std::string_view key,
                     std::size_t bufferSize) override;
    bool write(std::string_view section, std::string_view key, std::string_view value) override;

    const std::string &path() const { return m_path; }

private:
    std::string m_path;
};

// The size of the buffer the default printer entry is read into.
inline constexpr std::size_t PrinterEntryBuffer = 256;

struct PrinterCheck
{
    bool wrote = false;  // the entry named a fax modem and was written back
    bool failed = false; // that write failed: show PrinterProblemTitle / PrinterProblemText
};

// Reads "windows"/"device"; when the characters read contain "faxmodem" in any mix of capital and
// small letters, writes the whole entry back unchanged, so the default printer is never left
// damaged. The caller shows the problem message once when failed is set and prints regardless.
PrinterCheck checkDefaultPrinter(ProfileStore &profile);

} // namespace lumidex
