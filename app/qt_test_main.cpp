// main() of the window tests: on the offscreen platform unless another is
// chosen, with the per-user library directory and the temporary directory in
// a fresh folder of their own, so that the user's own files are never touched.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <QApplication>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  char folder[] = "/tmp/polvane-window-test-XXXXXX";
  if (mkdtemp(folder) == nullptr) return 2;
  const std::string data = std::string(folder) + "/data";
  const std::string temporary = std::string(folder) + "/tmp";
  ::mkdir(data.c_str(), 0700);
  ::mkdir(temporary.c_str(), 0700);
  ::setenv("XDG_DATA_HOME", data.c_str(), 1);
  ::setenv("TMPDIR", temporary.c_str(), 1);

  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  return result;
}
