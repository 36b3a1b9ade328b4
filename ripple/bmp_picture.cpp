#include "ripple/bmp_picture.h"

#include <QFile>
#include <QImageReader>
#include <cstring>

QImage LoadBmpPicture(const char* path) {
  if (path == nullptr || *path == '\0') return QImage();
  QFile file(QFile::decodeName(path));
  if (!file.open(QIODevice::ReadOnly)) return QImage();
  QImageReader reader(&file, "bmp");
  // Only a BMP file will do, whatever its content would otherwise suggest.
  reader.setAutoDetectImageFormat(false);
  reader.setAutoTransform(false);
  QImage picture;
  if (!reader.read(&picture)) return QImage();
  return picture;
}

void ReadPictureRows(const QImage& picture, std::uint8_t* rows, std::uint32_t stride) {
  const QImage converted = picture.convertToFormat(QImage::Format_BGR888);
  const std::size_t rowBytes = 3u * static_cast<std::size_t>(converted.width());
  for (int y = 0; y < converted.height(); ++y) {
    std::memcpy(rows + static_cast<std::size_t>(y) * stride, converted.constScanLine(y), rowBytes);
  }
}
