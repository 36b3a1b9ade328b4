// Loading the download module, and preparing the process for the browser's
// engine that the module starts.
#pragma once

#include <QString>
#include <memory>
#include <string>

#include "app/download_session.h"

// Prepares the process for the browser's engine; needs the QApplication and
// must run before the engine's first use. When the program runs as root,
// where the engine's sandbox cannot start, switches that sandbox off. Makes
// the graphics context that the engine shares with the program's windows
// (an empty one where the platform has no OpenGL). Running it again does
// nothing more; no failure.
void PrepareBrowserEngine();

// The module's file beside the running program.
QString DownloadModulePath();

// Prepares the engine, loads the module at `path` and starts a session in it
// with `host`. Returns null when the module or its entry point cannot be
// found or the session cannot start; `error`, when given, then says why.
std::unique_ptr<DownloadSession> LoadDownloadSession(const DownloadHost& host,
                                                     const QString& path = DownloadModulePath(),
                                                     std::string* error = nullptr);
