#include "ripple/bmp_picture.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <vector>

#include "platform/system.h"
#include "ripple/test_bmp.h"
#include "ripple/test_file.h"

namespace {

std::string PngBytes(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::red);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes.toStdString();
}

TEST(LoadBmpPicture, ReadsBmpFilesAtTheirOwnSize) {
  struct Case {
    const char* name;
    std::string content;
    int width, height;
  };
  const Case cases[] = {
      {"24 bits", TestBmp(174, 193), 174, 193},
      {"24 bits top-down", TestBmp(5, 7, 24, true), 5, 7},
      {"32 bits", TestBmp(6, 4, 32), 6, 4},
      {"8 bits", PalettedTestBmp(9, 5), 9, 5},
      {"3 x 3", TestBmp(3, 3), 3, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFile file(c.content);
    const QImage picture = LoadBmpPicture(file.path());
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.width(), c.width);
    EXPECT_EQ(picture.height(), c.height);
  }
}

TEST(LoadBmpPicture, AnythingElseIsNull) {
  struct Case {
    const char* name;
    std::string content;
  };
  const Case cases[] = {
      {"empty", ""},
      {"text", "hello, this is no picture"},
      {"PNG", PngBytes(10, 10)},
      {"header only", TestBmp(10, 10).substr(0, 54)},
      {"BM and nothing", "BM"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFile file(c.content);
    EXPECT_TRUE(LoadBmpPicture(file.path()).isNull());
  }
  EXPECT_TRUE(LoadBmpPicture((TempDirectory() + "no-such-picture.bmp").c_str()).isNull());
  EXPECT_TRUE(LoadBmpPicture("").isNull());
  EXPECT_TRUE(LoadBmpPicture(nullptr).isNull());
}

TEST(ReadPictureRows, GivesBlueGreenRedRowsTopFirst) {
  struct Case {
    const char* name;
    std::string content;
  };
  const Case cases[] = {
      {"bottom-up 24 bits", TestBmp(7, 5)},
      {"top-down 24 bits", TestBmp(7, 5, 24, true)},
      {"32 bits", TestBmp(7, 5, 32)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFile file(c.content);
    const QImage picture = LoadBmpPicture(file.path());
    std::vector<std::uint8_t> rows(24 * 5, 0xEE);
    ReadPictureRows(picture, rows.data(), 24);
    for (int y = 0; y < 5; ++y) {
      for (int x = 0; x < 7; ++x) {
        for (int k = 0; k < 3; ++k) EXPECT_EQ(rows[y * 24 + 3 * x + k], PictureByte(x, y, k)) << x << ", " << y;
      }
      for (int pad = 21; pad < 24; ++pad) EXPECT_EQ(rows[y * 24 + pad], 0xEE);
    }
  }
}

TEST(ReadPictureRows, ConvertsAPalette) {
  TempFile file(PalettedTestBmp(9, 5));
  const QImage picture = LoadBmpPicture(file.path());
  std::vector<std::uint8_t> rows(28 * 5);
  ReadPictureRows(picture, rows.data(), 28);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 9; ++x) {
      const int entry = (x + 2 * y) % 4;
      for (int k = 0; k < 3; ++k) EXPECT_EQ(rows[y * 28 + 3 * x + k], 10 * entry + k + 1) << x << ", " << y;
    }
  }
}

}  // namespace
