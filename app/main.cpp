// Polvane's windowed program: start-up, the main window, and the end.
#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/download_command.h"
#include "app/main_window.h"
#include "app/merge_command.h"
#include "app/program_state.h"
#include "app/qt_ui_services.h"
#include "platform/system.h"

namespace {

// True when Qt can open windows here: a display, or a platform chosen by hand.
bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

}  // namespace

int main(int, char** argv) {
  if (!HasDisplay()) {
    std::fprintf(stderr,
                 "polvane: no display to open a window on. Start it in a desktop session, or use\n"
                 "polvane-links ADDRESS (beside this program) to list the links without a window.\n");
    return 1;
  }
  if (::chdir(RunDirectory().c_str()) != 0) std::perror("polvane: cannot enter its own directory");

  // The command line is not read: Qt gets the program name only.
  int qtArgc = 1;
  char* qtArgv[] = {argv[0], nullptr};
  QApplication application(qtArgc, qtArgv);
  QtUiServices services;
  InstallUiServices(&services);

  State() = ProgramState();
  int exitCode = 0;
  {
    MergeCommand mergeCommand;
    MainWindow window;
    window.SetMergeCommand([&mergeCommand] { mergeCommand.Open(); });
    DownloadCommand downloadCommand([&window] { return SelectedAddress(window); });
    window.SetDownloadCommand([&downloadCommand] { downloadCommand.Open(); });
    window.show();
    exitCode = application.exec();
  }
  ReleaseState();
  InstallUiServices(nullptr);
  return exitCode == 0 ? 0 : exitCode;
}
