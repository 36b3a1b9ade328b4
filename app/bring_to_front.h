// Showing an already open window to the user again.
#pragma once

#include <QWidget>

// Restores `window` if it is minimized, shows it, raises it and activates it.
inline void BringToFront(QWidget* window) {
  window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->show();
  window->raise();
  window->activateWindow();
}
