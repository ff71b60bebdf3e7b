#pragma once

namespace lumidex {
class Dialogs;
class ProjectDocument;
struct FocusTables;
} // namespace lumidex

class QWidget;

// File, Export Drawing: asks for a file (DXF for CAD programs, SVG for documents) and, in a
// project of several pages, whether all pages go out, one file each (the default), or the page
// shown. Each file is written whole or not at all, so a failed write leaves an earlier file of
// that name as it was; a page whose screen is refused is reported and skipped. The window
// shows the page it showed before.
void exportDrawing(lumidex::ProjectDocument &document, const lumidex::FocusTables &focus,
                   lumidex::Dialogs &dialogs, QWidget *parent);
