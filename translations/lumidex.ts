<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>AboutWindow</name>
    <message>
        <location filename="../src/ui/aboutwindow.cpp" line="+15"/>
        <source>About Lumidex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Developed by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Lumidex team, Varnel installation support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copyright © Varnel. All rights reserved. Distances are calculated from the published lens data; check the installation on site before fixing the projector.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrightnessSeatingWindow</name>
    <message>
        <location filename="../src/ui/brightnessseatingwindow.cpp" line="+75"/>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+86"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the window as text (Ctrl+C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print the window on one page (Ctrl+P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help on this window (F1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scroll the figures sideways</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scroll the figures up and down</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <location filename="../src/core/3-catalogue/catalogue.cpp" line="+26"/>
        <location line="+9"/>
        <location line="+8"/>
        <location line="+6"/>
        <location line="+8"/>
        <location line="+18"/>
        <location line="+44"/>
        <location line="+271"/>
        <source>Standard Zoom Lens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-363"/>
        <location line="+9"/>
        <location line="+8"/>
        <location line="+6"/>
        <source>Optional Zoom Lens (LN-101)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-21"/>
        <location line="+8"/>
        <location line="+8"/>
        <location line="+8"/>
        <location line="+8"/>
        <location line="+10"/>
        <location line="+9"/>
        <source>Optional Short Throw Lens (LN-102)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-49"/>
        <location line="+8"/>
        <location line="+24"/>
        <source>Optional Long Throw Lens (LN-103)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+8"/>
        <location line="+10"/>
        <location line="+9"/>
        <source>Optional Short Throw Lens (LN-105)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-20"/>
        <location line="+10"/>
        <source>Optional Zoom Lens (LN-104)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Optional Zoom Lens (LN-106)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Optional 2x Zoom Lens (LN-101)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+22"/>
        <source>Optional 1.3x Zoom Lens (LN-110)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-20"/>
        <location line="+21"/>
        <source>Optional 1.6x Zoom Lens (LN-111)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-19"/>
        <location line="+20"/>
        <source>Optional 1.5x Zoom Lens (LN-112)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+20"/>
        <source>Optional Long Throw Lens (LN-113)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+20"/>
        <source>Optional Short Throw Lens (LN-114)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+19"/>
        <source>Optional Short Throw Lens (LN-115)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Optional Zoom Lens (LN-107) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Optional Zoom Lens (LN-108)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Optional Short Throw Lens (LN-109)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Optional 1.3x Zoom Lens (LN-119)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Optional Long Throw Lens (LN-120)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Optional Short Zoom Lens (LN-116)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Optional Zoom Lens (LN-117)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Optional Short Throw Lens (LN-118)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+3"/>
        <location line="+4"/>
        <source>Standard Installation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-6"/>
        <source>SVGA or Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>XGA or SXGA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mac 16&quot; or HDTV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>SVGA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+288"/>
        <source>%1 projectors support
the 1.33 aspect ratio only</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <location filename="../src/core/1-state/dialogs.h" line="+92"/>
        <source>Recover Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 was changed by another program since it was opened or saved. Overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Overwrite</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Drawing</name>
    <message>
        <location filename="../src/core/5-drawing/drawing.h" line="+118"/>
        <source>Min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DrawingView</name>
    <message>
        <location filename="../src/ui/drawingview.cpp" line="+25"/>
        <source>Installation drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+48"/>
        <source>feet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>millimetres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Throw distance %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Farthest throw distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Projector height above floor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Projector top above floor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Screen height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Screen centre above floor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Screen bottom above floor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Throw angle %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileReading</name>
    <message>
        <location filename="../src/core/7-project/filereading.cpp" line="+42"/>
        <source>It is a named pipe, not an ordinary file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It is a socket, not an ordinary file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It is a device, not an ordinary file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It is a special file, not an ordinary file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+60"/>
        <source>It is not an ordinary file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <location filename="../src/core/9-session/help.cpp" line="+46"/>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&lt;p&gt;Varnel technical support helps installers and dealers with projector placement, lens choice and screen sizing.&lt;/p&gt;
&lt;h3&gt;Before you call&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;Note the projector model and lens shown in the installation window.&lt;/li&gt;
&lt;li&gt;Note the screen size and aspect ratio, and the units you are working in.&lt;/li&gt;
&lt;li&gt;Save the project, so that you can send it with your question.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;How to reach us&lt;/h3&gt;
&lt;p&gt;Call the technical support line of your Varnel dealer network on working days, or write to your regional Varnel support office. Attach the saved project file (.lmx) and the printed installation sheet to written questions.&lt;/p&gt;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&lt;p&gt;Screen, Brightness and Seating in the screen calculator answers the two questions asked once the screen is sized: will the picture be bright enough in this room, and where do the seats go. The window follows the screen and the units of both windows; everything is worked out again as you type.&lt;/p&gt;
&lt;h3&gt;What you type&lt;/h3&gt;
&lt;ul&gt;
&lt;li&gt;&lt;b&gt;Light output&lt;/b&gt;: the projector&apos;s ANSI lumens, from its data sheet. Lumidex holds no light output figures of its own.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Screen gain&lt;/b&gt;: from the screen&apos;s data sheet; 1.0 is a matte white screen.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Ambient light&lt;/b&gt;: the room light falling on the screen, in lux, measured at the screen with the projector off; 0 is a dark room.&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Vertical resolution&lt;/b&gt;: the picture&apos;s lines (1080 for full HD).&lt;/li&gt;
&lt;li&gt;&lt;b&gt;Nearest seat&lt;/b&gt; and &lt;b&gt;Farthest seat&lt;/b&gt; (optional): distances from the screen, in the units shown.&lt;/li&gt;
&lt;/ul&gt;
&lt;h3&gt;Brightness&lt;/h3&gt;
&lt;p&gt;Luminance in foot-lamberts is the light output times the gain divided by the image area in square feet; candela per square metre (nits) are foot-lamberts times 3.426. The reference for a dark room is digital cinema&apos;s white, SMPTE ST 431-1 (ISO 26431-1): 48 cd/m&amp;sup2; (14 fL). Within 3 fL of it (37.8 to 58.2 cd/m&amp;sup2;) the picture is about right; below, too dim; above, brighter than cinema.&lt;/p&gt;
&lt;h3&gt;Room light&lt;/h3&gt;
&lt;p&gt;The projector puts its lumens divided by the image area in square metres on the screen, in lux. The image contrast is that light plus the room light, divided by the room light. The ANSI/AVIXA projected-image contrast standard has four categories: 7:1 for passive viewing (signage, pictures only glanced at), 15:1 for basic decision making (reading text, presentations), 50:1 for analytical decision making (detailed images) and 80:1 for full-motion video (film and video, a home cinema&apos;s goal). The window shows the highest category the contrast meets; which one the room needs depends on what it is for, so a 60:1 home cinema meets analytical decision making and still falls short of full-motion video. A contrast below 7:1 meets none and is shown in red. In a dark room there is no room light to overcome: the contrast has no limit from it, full-motion video. A room light that is not a number is shown in red and used as nothing, never as a dark room.&lt;/p&gt;
&lt;h3&gt;Light output needed&lt;/h3&gt;
&lt;p&gt;The ANSI lumens that give 14 fL on this screen with this gain, and that reach 7:1, 15:1, 50:1 and 80:1 in this room light, rounded up.&lt;/p&gt;
&lt;h3&gt;Seating&lt;/h3&gt;
&lt;p&gt;The distances at which the picture&apos;s width fills a horizontal view of 30&amp;deg; (the SMPTE EG 18 minimum), 36&amp;deg; (THX, from the farthest seat) and 40&amp;deg; (the usual home theatre recommendation): the width divided by twice the tangent of half the angle. Nearer seats see a wider view. Beyond the distance at which one line of the picture spans one arc-minute (about 3438 line heights) the eye no longer tells the lines apart. A seat whose view is narrower than 26&amp;deg; or wider than 50&amp;deg; is shown in red.&lt;/p&gt;
&lt;p&gt;The picture shows the screen from above with the arcs from which it fills 30&amp;deg;, 36&amp;deg; and 40&amp;deg; (every point of an arc sees the screen&apos;s edges the same angle apart), and each seat with its lines of sight.&lt;/p&gt;
&lt;h3&gt;Copy and print&lt;/h3&gt;
&lt;p&gt;Ctrl+C copies the whole window as text; Print (Ctrl+P) prints it on one landscape page, with the picture. F1 opens this page.&lt;/p&gt;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+57"/>
        <source>&lt;p&gt;Choose this projector from the installation window&apos;s Projector menu. Lumidex then computes the throw distance for the screen entered in the screen calculator and draws the installation.&lt;/p&gt;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+47"/>
        <source>&lt;p&gt;CRT projector series with a fixed lens. Lumidex computes the throw distance for the mounting position chosen in the Position menu. A throw distance can also be typed into the distance box: Lumidex then finds the screen width that it fills.&lt;/p&gt;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Lenses:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 (zoom lens: nearest and farthest distance)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (fixed lens: one distance)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Input signals:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Lumidex Help Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Obtaining Technical Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Brightness and Seating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&lt;p&gt;Lumidex sizes projection screens and places Varnel projectors in front of them. Enter the screen in the screen calculator, then choose &amp;quot;Layout&amp;quot; to see where the projector stands.&lt;/p&gt;
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/ui/helpwindow.cpp" line="+15"/>
        <source>Lumidex Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>C&amp;lose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&lt;h3&gt;Help is not available&lt;/h3&gt;&lt;p&gt;The help topic &lt;b&gt;%1&lt;/b&gt; could not be read from the help folder &lt;b&gt;%2&lt;/b&gt;.&lt;/p&gt;&lt;p&gt;Lumidex works without it; reinstall the program to restore its help.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstallationWindow</name>
    <message>
        <location filename="../src/ui/installationwindow.cpp" line="+100"/>
        <source>&amp;New Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save &amp;As Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Delete Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Pre&amp;view...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export PD&amp;F...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export Dra&amp;wing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Feet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Millimeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Tool Tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Lens Finder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Front of Lens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standard hole for installation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>&amp;Top of Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Center of Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Bottom of Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Special</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Lumidex!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Measurement Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Throw Distance Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Projector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Po&amp;sition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+121"/>
        <source>Click right button to create/scroll through pages, left to scroll backwards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Installation sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scroll the sheet sideways</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scroll the sheet up and down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Approved by, second signature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Screen set-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Page shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pages in the project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Throw distance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LensFinder</name>
    <message>
        <location filename="../src/core/6-installation/lensfinder.cpp" line="+118"/>
        <source>Type the distance the room offers, then press Enter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>No projector and lens fills this screen from %1 feet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No projector and lens fills this screen from %1 millimetres.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No projector and lens fills this screen from %1 inches.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 projector and lens fits: choose one with Select or a double-click.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 projectors and lenses fit: choose one with Select or a double-click.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LensFinderDialog</name>
    <message>
        <location filename="../src/ui/lensfinderdialog.cpp" line="+24"/>
        <source>Lens Finder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>feet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>millimetres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Distance available (%1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Projectors and lenses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Projector and lens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Nearest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Farthest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Projectors and lenses that fill the current screen from this distance, best fit first:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>fixed lens</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LensRingPicture</name>
    <message>
        <location filename="../src/ui/tipsdialog.cpp" line="+51"/>
        <source>Four ring lockdown screws</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Limits</name>
    <message>
        <location filename="../src/core/3-catalogue/limits.cpp" line="+11"/>
        <source>This dimension is outside the 
  capabilities of this projector

Screen will be reset to 100 inch diag.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/core/6-installation/throwwindow.cpp" line="+345"/>
        <source>Notice:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>This type of projector supports
1.33 and 1.78 aspect ratios only</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <location filename="../src/core/4-crt/crtmodel.h" line="+159"/>
        <source> Lens Ring Position = 100,  CRT Spacers = 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Lens Ring Position = 200,  CRT Spacers = 200 and 0.2mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Lens Ring Position = 100,  CRT Spacers = 100 and 0.8mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Lens Ring Position = 200,  CRT Spacers = 200 and 0.8mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/6-installation/recalculation.h" line="+68"/>
        <source>Projector can be positioned anywhere along the line indicated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Projector can be positioned anywhere along the lines indicated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source> NOTE: Projector Tilt shown may not be correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Removal of lens spacers is required for this throw angle.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Positions</name>
    <message>
        <location filename="../src/core/4-crt/crtmodel.h" line="-132"/>
        <source>Angle limit exceeded.  The Maximum Angle for the CR-7100 is (+-)17.7 degrees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Angle limit exceeded.  The Maximum Angle for the CR-7200 is (+-)17.7 degrees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/6-installation/positions.cpp" line="+95"/>
        <source>This angle is too large for this projector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+36"/>
        <source>Input Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-34"/>
        <source>This angle is too large for this projector.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Angle must be a valid NUMBER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/6-installation/positions.h" line="+20"/>
        <source>Please enter the projector angle in degrees off center axis:<byte value="xd"/><byte value="xd"/><byte value="xd"/><byte value="xd"/><byte value="xd"/><byte value="xd"/>(Use negative number for angles above center of screen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Custom Projector Placement</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <location filename="../src/ui/program.cpp" line="+234"/>
        <source>an untitled project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Lumidex was stopped on %2 while it saved %1, and the file may be incomplete. %1 as it was before that save was kept.

Restore it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lumidex did not end properly last time. The unsaved changes to %1 were kept on %2.

Restore them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Delete the copy of %1 kept on %2 for good?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProjectDocument</name>
    <message>
        <location filename="../src/core/7-project/projectdocument.cpp" line="+97"/>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+139"/>
        <location line="+53"/>
        <source>Installation dimensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Delete page %1 of %2 of the project?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Page %1 holds characters that a project file cannot keep. They will be saved as &quot;?&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pages %1 hold characters that a project file cannot keep. They will be saved as &quot;?&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+76"/>
        <source>Save Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-75"/>
        <source>Save &amp;Anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+73"/>
        <source>%1 already exists.<byte value="xd"/>Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Replace</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <location filename="../src/core/7-project/projectfile.cpp" line="+39"/>
        <source>author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>width text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>height text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>approved by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>approval 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>revision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>spare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+98"/>
        <location line="+25"/>
        <source>the file ends before the text&apos;s length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-21"/>
        <source>the text&apos;s length is negative (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+23"/>
        <source>the text&apos;s length is %1 but the file ends after %2 more bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>page %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the file ends inside the page&apos;s numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>projector code %1 names no projector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>mounting position %1 is outside 0 to 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>measurement units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>height unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>width unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>diagonal unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 %2 is not 0, 1 or 2 (inches, feet, millimetres)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>throw distance point %1 is neither 0 nor 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Error code: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+163"/>
        <source>the file ends before its page count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the page count is %1; a project has 1 to %2 pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>trailer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+40"/>
        <source>the project has %1 pages; a project has 1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is longer than %2 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the trailer is longer than %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Unable to save project to filename: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Unable to open project to filename: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <location filename="../src/ui/numberkeys.cpp" line="+28"/>
        <source>&quot;%1&quot; cannot be part of a number: type digits and %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/ui/drawingexportdialog.cpp" line="+22"/>
        <source>CAD drawing, true scale (*.dxf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SVG picture (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+25"/>
        <source>Export Drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export all %1 pages, one file each (%2 and so on)?
No exports only the page shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Unable to export the drawing to filename: %1<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Page %1 cannot be drawn: its screen is refused. Nothing was written for it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/qtdialogs.cpp" line="+121"/>
        <source>Save the changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your changes are lost if you do not save them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+31"/>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-30"/>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cancel keeps the copy and offers it again at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 was changed by another program since it was opened or saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Overwriting it loses the other program&apos;s changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Overwrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/sheetoutput.cpp" line="+125"/>
        <source>It is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+114"/>
        <source>The sheets could not be drawn.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <location filename="../src/ui/sheetprinting.cpp" line="+240"/>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Recalculation</name>
    <message>
        <location filename="../src/core/4-crt/focustables.h" line="+17"/>
        <source>The data is out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/6-installation/recalculation.cpp" line="+163"/>
        <source>Focus Angle out of range.  <byte value="xd"/>Screen size will now be reset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+199"/>
        <source>4:3 on 4:3 screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5:4 on 4:3 screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Units = ft.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Units = mm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Units = in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/6-installation/recalculation.h" line="-17"/>
        <source>Unit = in.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RoomSheet</name>
    <message>
        <location filename="../src/core/8-print/roomsheet.cpp" line="+40"/>
        <source>Entered</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RoomWindow</name>
    <message>
        <location filename="../src/core/6-installation/roomwindow.cpp" line="+22"/>
        <source>ft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+49"/>
        <source>%1 ANSI lumens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>too dim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>brighter than cinema</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>about right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>30° view (SMPTE EG 18 minimum)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>36° view (THX, farthest seat)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>40° view (home theatre)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Light &amp;output (ANSI lumens):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen &amp;gain:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Ambient light on the screen (lux):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Vertical resolution (lines):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Nearest seat (%1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Farthest seat (%1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+69"/>
        <source>light output must be a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light output must be more than 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>type the light output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>gain must be a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>gain must be more than 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>room light must be a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>room light cannot be below 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dark room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 x %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, diagonal %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Image area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 sq ft, %2 m²</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Luminance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Against cinema (48 cd/m², 14 fL)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 fL, %2 cd/m²</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Room light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Light from the projector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 lux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Image contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Highest ANSI/AVIXA category met</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 (dark room)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>none, below %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Light output needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For 14 fL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>For %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Seating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>lines must be a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lines must be 1 or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lines blend beyond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Nearest seat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Farthest seat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>must be a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>, outside 26° to 50°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Nearest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Farthest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Screen %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/6-installation/roomwindow.h" line="+55"/>
        <source>Brightness and Seating</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreenCalculatorWindow</name>
    <message>
        <location filename="../src/ui/screencalculatorwindow.cpp" line="+61"/>
        <source>&amp;Open Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Always on top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Tooltips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Feet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Metric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Determine Aspect Ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Brightness and Seating...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Obtaining Technical Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Lumidex!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change Aspect &amp;Ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Measurement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Enter two of the three dimensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+53"/>
        <source>Next aspect ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Expert mode on or off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Expert mode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreenModel</name>
    <message>
        <location filename="../src/core/2-screen/screenmodel.cpp" line="+19"/>
        <source>1.33 - Television (acadamy)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1.66 - European Widescreen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1.78 - High Definition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1.85 - American Widescreen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.00 - Anamorphic Mode 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.35 - Anamorphic Mode 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/core/2-screen/screenmodel.h" line="+111"/>
        <source>Custom...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreenWindow</name>
    <message>
        <location filename="../src/core/2-screen/screenwindow.cpp" line="+12"/>
        <source>&amp;Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Diagonal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>: Inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>: Ft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>: mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Input Value Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The aspect ratio must be a positive number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The aspect ratio must lie between 0.01 and 100.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>For aspect ratios less than 4:3, please base the throw distance on the width determined by the height desired with a 4:3 aspect ratio.<byte value="xd"/>For example, if a 100&quot; H x 100&quot; W screen is used (1:1 aspect ratio), please determine the width by entering 100&quot; into the height field at a 4:3 aspect ratio.  (In this example, this would give a screen width of 133&quot;.)  Then use this width to calculate the throw distance.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+78"/>
        <source>Units:  Feet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Units:  Millimeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Units:  Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+194"/>
        <source>Please enter aspect ratio:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Custom aspect ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+102"/>
        <location line="+18"/>
        <source>Height must be greater than zero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+13"/>
        <source>Width must be greater than zero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Height must be smaller than diagonal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Width must be smaller than diagonal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>The dimensions entered are too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+70"/>
        <source>     Projector throw distance should be 
determined with the WIDEST screen used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+12"/>
        <location line="+5"/>
        <source>Installer&apos;s Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-6"/>
        <source>           Expert Mode 
Installer&apos;s tips will not appear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>       Normal Mode 
Installer&apos;s tips will appear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-468"/>
        <source>&amp;Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-8"/>
        <source>&amp;ReCalculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-2"/>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <location filename="../src/core/8-print/sheet.cpp" line="+395"/>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>By</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Approved by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Approval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Revision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+46"/>
        <source>%1, continued:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SheetLayout</name>
    <message>
        <location filename="../src/core/5-drawing/sheetlayout.cpp" line="+17"/>
        <source>File Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screen Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lens:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Input:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Throw Angle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>By:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Diagonal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Aspect:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Approved by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Notes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Measure:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Revision:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>fraThrow(5)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SheetPrinting</name>
    <message>
        <location filename="../src/ui/sheetprinting.cpp" line="-6"/>
        <source>Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Export PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Unable to export the PDF to filename: %1<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Spinner</name>
    <message>
        <location filename="../src/ui/screenwidgets.cpp" line="+52"/>
        <source>One inch larger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>One inch smaller</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <location filename="../src/ui/splashwindow.cpp" line="+25"/>
        <source>Screen size and projector placement for Varnel projectors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Copyright © Varnel. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;How to reach us...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextFit</name>
    <message>
        <location filename="../src/core/8-print/textfit.h" line="+31"/>
        <source>(continued on the notes sheet)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TipsDialog</name>
    <message>
        <location filename="../src/ui/tipsdialog.cpp" line="+31"/>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TipsWindow</name>
    <message>
        <location filename="../src/core/4-crt/tipswindow.cpp" line="+11"/>
        <source>Adjustment of the Modular Lens Coupling lens focus rings is needed to obtain optimum focus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The screen size is too small      for the standard lenses.                                           Please contact your authorized Varnel dealer to obtain the LN-121 lenses.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>(The following ring information is for the above lenses)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The ANGLE is too large.  Minor electrical modification may be necessary.  Please contact your local Varnel regional office to obtain further information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>(Varnel Regional Office information is located under the ABOUT menu)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>STEP 1<byte value="xd"/><byte value="xd"/>Loosen the four ring lockdown screws around each CRT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>STEP 2<byte value="xd"/><byte value="xd"/>Dial the ring spacers to adjust the rings to the numbers shown below:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>STEP 3<byte value="xd"/><byte value="xd"/>Re-Tighten the four ring lockdown screws around each CRT</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tooltips</name>
    <message>
        <location filename="../src/core/9-session/tooltips.cpp" line="+11"/>
        <source>Enter new throw distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter new horizontal screen size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter new diagonal screen size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter new vertical screen size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Enter new revision number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Double click to cycle through aspect ratios.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Double click to cycle through measurement units.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Double click to cycle through aspect ratios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Double click to cycle through units</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ViewingRoom</name>
    <message>
        <location filename="../src/core/2-screen/viewingroom.h" line="+47"/>
        <source>passive viewing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>basic decision making</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>analytical decision making</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>full-motion video</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
