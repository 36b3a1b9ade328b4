// Test helper for everything drawn with Qt: waiting on the event loop.
#pragma once

#include <QEventLoop>
#include <QObject>
#include <QTimer>
#include <functional>

// Dispatches events until `done` holds or `limitMs` has passed; returns
// whether it holds.
inline bool WaitFor(const std::function<bool()>& done, int limitMs = 60000) {
  if (done()) return true;
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (done()) loop.quit();
  });
  poll.start(5);
  QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
  loop.exec();
  return done();
}
