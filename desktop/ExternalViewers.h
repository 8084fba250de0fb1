#pragma once

#include <QString>

class QWidget;

// Opening the items' links (pictures, receipts, web addresses, documents),
// the help pages and the generated pages in outside programs: a picture
// viewer or web program the user chose, or the program the desktop associates
// with the file or address. Every start and open goes through Launcher, every
// box through MessageBox.

// Opens a file or address with its associated program. An empty target does
// nothing. When no program could open it, the box "Taldrum program error"
// tells so. Returns true when it was handed over.
bool shellOpen(const QString &target);

// Starts the chosen program on the file or address (one argument, never
// through a shell); when it cannot be started, the "Program (%1) ikke fundet"
// box tells so and the associated program is asked instead (shellOpen). With
// no program chosen the associated program is asked at once, without a box.
// owner is the widget the request comes from. Returns true when the program
// or the associated program took it.
bool openWithProgram(const QString &program, const QString &target, QWidget *owner);

// Opens a help page or a generated page: the path is first + second when
// complete is true, otherwise the current folder + "/help/" + first + second.
// A page that cannot be opened gives the "HTML fejl" box naming the reason.
bool openHtmlPage(const QString &first, const QString &second, bool complete);

// True when the name contains, ignoring case, one of PNG, BMP, XBM, XPM, PNM,
// JPEG, JPG, MNG or GIF anywhere (folder names included).
bool isPictureFile(const QString &name);

// The reason shown by openHtmlPage for a failure code of the shell (2: file
// not found, 31: no associated program, ...); "" for unknown codes.
QString htmlPageErrorText(int code);

// The picture viewer used when none was chosen: "mspaint.exe" on Windows,
// none elsewhere (the associated program shows the picture).
QString defaultPictureViewer();

// "PictureViewerProgram" as stored; fallback when nothing is stored.
QString pictureViewerProgram(const QString &fallback = QString());
// "wwwProgram" as stored; "" when nothing is stored.
QString webProgram();

// The work of the Setup menu's program choosers: asks for a program with a
// file dialog (parent the main window) and stores it, with native
// separators, as "PictureViewerProgram" or "wwwProgram". A cancelled dialog
// changes nothing. Returns true when a program was stored.
bool choosePictureViewer(QWidget *parent);
bool chooseWebProgram(QWidget *parent);
