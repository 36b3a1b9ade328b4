// The process-wide set-up of the embedded browser (Qt WebEngine) that the
// download window uses.
#pragma once

// Must run once before the QApplication is made. Lets the browser share the
// program's graphics context, and when the program runs as root, where the
// browser's sandbox cannot start, switches that sandbox off so the browser
// still works. Makes no browser and cannot fail.
void PrepareDownloadBrowser();
