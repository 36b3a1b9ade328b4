// The program's calls into the ripple library. Each entry point is looked up
// by name at its first call, loading the library by its path; a library or
// entry point that cannot be found is reported to the failure handler, which
// in the program shows a message naming it and ends the program.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/system.h"
#include "text/text.h"

class QWidget;

// The three entry points the program calls, as an interface so that tests can
// stand in for the library.
class WaveCalls {
 public:
  virtual ~WaveCalls() = default;
  // E_WaveInit: 1 when the surface started on `window`, 0 when not.
  virtual std::int32_t WaveInit(QWidget* window, const char* picturePath) = 0;
  // E_WaveDropStone.
  virtual void WaveDropStone(std::int32_t x, std::int32_t y, std::int32_t size, std::int32_t weight) = 0;
  // E_AutoEffects.
  virtual void AutoEffects(std::int32_t mode, std::int32_t param1, std::int32_t param2, std::int32_t param3) = 0;
};

class WaveClient : public WaveCalls {
 public:
  // Gets the GBK message naming what is missing. The program's handler never
  // returns; if one does, the call that failed does nothing (E_WaveInit
  // returns 0).
  using FailureHandler = std::function<void(const Text& gbkMessage)>;

  // `libraryPath` is asked once, at the first call.
  WaveClient(std::function<Path()> libraryPath, FailureHandler onFailure);
  WaveClient(const WaveClient&) = delete;
  WaveClient& operator=(const WaveClient&) = delete;

  std::int32_t WaveInit(QWidget* window, const char* picturePath) override;
  void WaveDropStone(std::int32_t x, std::int32_t y, std::int32_t size, std::int32_t weight) override;
  void AutoEffects(std::int32_t mode, std::int32_t param1, std::int32_t param2, std::int32_t param3) override;

 private:
  // The entry point `name`, looked up once into `slot`; null after reporting
  // a failure.
  void* Entry(const char* name, void*& slot);

  std::function<Path()> libraryPath_;
  FailureHandler onFailure_;
  Path loadedPath_;
  void* library_ = nullptr;  // never unloaded: the library's view outlives any caller
  void* waveInit_ = nullptr;
  void* waveDropStone_ = nullptr;
  void* autoEffects_ = nullptr;
};

// Shows the message as an error box captioned "错误" and ends the program with
// exit code 1. The program's failure handler.
void EndProgramForMissingLibrary(const Text& gbkMessage);

// The program's client: the library at WaveLibraryPath(), failures through
// EndProgramForMissingLibrary.
WaveClient& Wave();
