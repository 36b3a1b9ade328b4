// The browser's session for the download window: a profile that keeps nothing
// on disk, and what happens to every file its pages answer with instead of a
// page: the user chooses where it goes, it is saved there, and a progress
// window of its own follows it. Downloads outlive the window whose page
// started them; several may run at once.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

#include "app/download_session.h"

class DownloadProgress;
class QWebEngineDownloadRequest;
class QWebEnginePage;
class QWebEngineProfile;

// The save dialog, owned by no window, opened on `suggestedPath`; asks before
// replacing a file. Returns the chosen path, or empty when cancelled.
QString AskSavePath(const QString& suggestedPath);

class DownloadSaver : public QObject {
  Q_OBJECT

 public:
  // Makes the browser's profile; the first one of the process also starts
  // the browser's engine, which is slow. `chooser` is asked for every
  // download (empty: AskSavePath).
  explicit DownloadSaver(SavePathChooser chooser = AskSavePath);
  // Closes the progress windows still open, ends their downloads and deletes
  // the adopted pages. Every other page made with profile() must be gone by
  // then.
  ~DownloadSaver() override;

  DownloadSaver(const DownloadSaver&) = delete;
  DownloadSaver& operator=(const DownloadSaver&) = delete;

  // The profile for the browser's pages; owned by this object.
  QWebEngineProfile* profile() const { return profile_; }

  // The progress windows still open, oldest first.
  std::vector<DownloadProgress*> progressWindows() const;

  // Takes over `page`, made with profile(), from a browser that is going
  // away while the page's address may be turning into a download: the
  // browser hands the download over only after the page has finished
  // loading, and only while the page exists. The page is deleted once a
  // download from it has been handled, or after a minute without one.
  void AdoptPage(QWebEnginePage* page);

  // The pages taken over and not yet deleted.
  int adoptedPageCount() const;

 signals:
  // A download was accepted and `progress` shows it (already shown).
  void downloadStarted(DownloadProgress* progress);

 private:
  void OnDownloadRequested(QWebEngineDownloadRequest* request);

  SavePathChooser chooser_;
  QWebEngineProfile* profile_;
  std::vector<QPointer<DownloadProgress>> progress_;
  std::vector<QPointer<QWebEnginePage>> adopted_;
};
