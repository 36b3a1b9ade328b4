// Where the program meets its download module. The module holds the embedded
// browser (Qt WebEngine) and everything that touches it; the program loads it
// on the first download only, so that neither the browser's libraries nor its
// engine slow down the program's start.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <string_view>

// Shows the GBK message in a modal box of the given style; returns when the
// box is closed.
using DownloadMessageFunction = std::function<void(std::string_view gbkMessage, int style)>;

// Chooses where a download is saved, given the suggested full path (the
// user's download folder and the name the server suggests). Returns the
// chosen full path, or an empty string when the user declines.
using SavePathChooser = std::function<QString(const QString& suggestedPath)>;

// What the program lends the module for the whole session.
struct DownloadHost {
  DownloadMessageFunction showMessage;
  SavePathChooser choosePath;  // empty: the module's own save dialog
};

// The module's side: one browser session for the whole run, in which
// download windows open and files are saved.
class DownloadSession {
 public:
  // Closes the windows still open; downloads still running end with them.
  virtual ~DownloadSession() = default;

  // Opens a new download window, modeless and without an owner, and sends
  // its browser to the GBK address. A refused address shows a message and
  // the window closes again. Returns the window, which deletes itself when
  // it closes.
  virtual QWidget* OpenWindow(std::string_view gbkAddress) = 0;
};

// The module's entry point, looked up by the name kDownloadSessionEntry:
// makes a session with `host` (copied), owned by the caller; null on failure.
using DownloadSessionEntry = DownloadSession* (*)(const DownloadHost* host);
inline constexpr char kDownloadSessionEntry[] = "PolvaneNewDownloadSession";

// The module's file, beside the program.
inline constexpr char kDownloadModuleFile[] = "libpolvane_download.so";
