#pragma once

// The Brightness and Seating window on paper: one landscape page through the same printer path
// as the installation sheets, with what was typed, every result and the top view.

#include "8-print/printjob.h"
#include "8-print/sheet.h"

#include <vector>

namespace lumidex {

class Dialogs;
class ProfileStore;
class RoomWindow;

std::vector<SheetElement> composeRoomSheet(const RoomWindow &window);

// The page once per copy asked for: each copy its own job on a printer, one after the other in
// a file.
PrintOutcome printRoomSheet(const std::vector<SheetElement> &sheet, const PrintRequest &request,
                            SheetSink &sink);

// The window's Print: the print dialog, the default printer check, the page; "Print Error" once
// when the printer fails.
void printRoomCommand(const RoomWindow &window, Printer &printer, ProfileStore &profile,
                      Dialogs &dialogs);

} // namespace lumidex
