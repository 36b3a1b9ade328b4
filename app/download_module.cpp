#include "app/download_module.h"

#include <dlfcn.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QOpenGLContext>

QT_BEGIN_NAMESPACE
// Qt's own hooks for the context that every other OpenGL context shares with.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();
QT_END_NAMESPACE

namespace {

QOpenGLContext* ownShareContext = nullptr;

void DeleteShareContext() {
  if (qt_gl_global_share_context() == ownShareContext) qt_gl_set_global_share_context(nullptr);
  delete ownShareContext;
  ownShareContext = nullptr;
}

}  // namespace

void PrepareBrowserEngine() {
  // The engine reads this when it starts, at its first profile.
  if (::geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");

  // What the engine's library does when it is loaded before the
  // QApplication: done here, only now, since it costs a noticeable part of
  // the program's start. The engine needs the context object even where
  // there is no OpenGL and it cannot be created.
  if (qt_gl_global_share_context() != nullptr || ownShareContext != nullptr) return;
  ownShareContext = new QOpenGLContext;
  ownShareContext->create();
  qt_gl_set_global_share_context(ownShareContext);
  qAddPostRoutine(DeleteShareContext);
}

QString DownloadModulePath() {
  return QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(kDownloadModuleFile));
}

std::unique_ptr<DownloadSession> LoadDownloadSession(const DownloadHost& host, const QString& path,
                                                     std::string* error) {
  auto fail = [error](std::string reason) {
    if (error != nullptr) *error = std::move(reason);
    return nullptr;
  };
  if (!QFile::exists(path)) return fail("no such file: " + QFile::encodeName(path).toStdString());
  PrepareBrowserEngine();
  // Loaded once and kept for the rest of the run.
  void* module = ::dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr) return fail(::dlerror());
  auto entry = reinterpret_cast<DownloadSessionEntry>(::dlsym(module, kDownloadSessionEntry));
  if (entry == nullptr) return fail(std::string("no entry point ") + kDownloadSessionEntry);
  std::unique_ptr<DownloadSession> session(entry(&host));
  if (session == nullptr) return fail("the session did not start");
  return session;
}
