#include "app/download_saver.h"

#include <algorithm>

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>

#include "app/download_progress.h"
#include "app/qt_text.h"

namespace {

// "保存下载的文件" in GBK.
constexpr std::string_view kSaveCaption = "\xB1\xA3\xB4\xE6\xCF\xC2\xD4\xD8\xB5\xC4\xCE\xC4\xBC\xFE";

// How long an adopted page waits for its download to be handed over.
constexpr int kAdoptedPageLifeMs = 60000;

}  // namespace

QString AskSavePath(const QString& suggestedPath) {
  return QFileDialog::getSaveFileName(nullptr, FromGbk(kSaveCaption), suggestedPath);
}

DownloadSaver::DownloadSaver(SavePathChooser chooser)
    : chooser_(chooser ? std::move(chooser) : SavePathChooser(AskSavePath)),
      profile_(new QWebEngineProfile(this)) {
  connect(profile_, &QWebEngineProfile::downloadRequested, this, &DownloadSaver::OnDownloadRequested);
}

DownloadSaver::~DownloadSaver() {
  for (const QPointer<DownloadProgress>& progress : progress_) delete progress.data();
  for (const QPointer<QWebEnginePage>& page : adopted_) delete page.data();
  // The profile, a child, goes next and takes the downloads with it.
}

void DownloadSaver::AdoptPage(QWebEnginePage* page) {
  if (page == nullptr) return;
  page->setParent(this);
  std::erase_if(adopted_, [](const QPointer<QWebEnginePage>& kept) { return kept == nullptr; });
  adopted_.emplace_back(page);
  QTimer::singleShot(kAdoptedPageLifeMs, page, &QObject::deleteLater);
}

int DownloadSaver::adoptedPageCount() const {
  return static_cast<int>(std::count_if(adopted_.begin(), adopted_.end(),
                                        [](const QPointer<QWebEnginePage>& kept) { return kept != nullptr; }));
}

std::vector<DownloadProgress*> DownloadSaver::progressWindows() const {
  std::vector<DownloadProgress*> open;
  for (const QPointer<DownloadProgress>& progress : progress_) {
    if (progress != nullptr) open.push_back(progress.data());
  }
  return open;
}

void DownloadSaver::OnDownloadRequested(QWebEngineDownloadRequest* request) {
  // An adopted page has done its part once its download is handled; the
  // download does not need it any longer.
  QWebEnginePage* page = request->page();
  for (const QPointer<QWebEnginePage>& kept : adopted_) {
    if (kept != nullptr && kept == page) kept->deleteLater();
  }

  // The request must be accepted before this returns, or the browser drops
  // it; so the question is asked here, in a modal dialog.
  const QString suggested = QDir(request->downloadDirectory()).filePath(request->downloadFileName());
  const QString chosen = chooser_(suggested);
  if (chosen.isEmpty()) return;  // not accepted: the browser cancels it
  const QFileInfo target(chosen);
  request->setDownloadDirectory(target.absolutePath());
  request->setDownloadFileName(target.fileName());
  request->accept();

  std::erase_if(progress_, [](const QPointer<DownloadProgress>& progress) { return progress == nullptr; });
  auto* progress = new DownloadProgress(request);
  progress_.emplace_back(progress);
  progress->show();
  emit downloadStarted(progress);
}
