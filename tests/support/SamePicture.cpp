#include "SamePicture.h"

#include <QColor>
#include <QDir>
#include <QString>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>

namespace fwtest {
namespace {

// The current test's name as a file name, numbered from its second failed
// picture on.
std::string PictureName() {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = test != nullptr ? std::string(test->test_suite_name()) + "." + test->name() : "picture";
  std::replace(name.begin(), name.end(), '/', '_');
  static std::map<std::string, int> written;
  const int n = ++written[name];
  return n == 1 ? name : name + "-" + std::to_string(n);
}

// want faded to a third of its contrast, with the pixels that differ (or lie
// outside one of the two) in red.
QImage DiffPicture(const QImage& got, const QImage& want) {
  const int w = std::max(got.width(), want.width()), h = std::max(got.height(), want.height());
  QImage diff(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool inBoth = got.valid(x, y) && want.valid(x, y);
      if (!inBoth || got.pixel(x, y) != want.pixel(x, y)) {
        diff.setPixel(x, y, qRgb(255, 0, 0));
      } else {
        const int grey = 170 + qGray(want.pixel(x, y)) / 3;
        diff.setPixel(x, y, qRgb(grey, grey, grey));
      }
    }
  return diff;
}

// Writes the three pictures; their common path without the ending, or an
// empty text if they could not be written.
std::string Write(const QImage& got, const QImage& want) {
  const QString folder = QStringLiteral(QUENLO_TEST_PICTURES);
  if (!QDir().mkpath(folder)) return {};
  const QString base = folder + QLatin1Char('/') + QString::fromStdString(PictureName());
  const bool written = got.save(base + QStringLiteral("-got.png")) && want.save(base + QStringLiteral("-want.png")) &&
                       DiffPicture(got, want).save(base + QStringLiteral("-diff.png"));
  return written ? base.toStdString() : std::string();
}

std::string Hex(QRgb c) { return QColor::fromRgba(c).name(QColor::HexArgb).toStdString(); }

}  // namespace

::testing::AssertionResult SamePicture(const QImage& got, const QImage& want) {
  std::ostringstream s;
  if (got.size() != want.size()) {
    s << "size " << got.width() << "x" << got.height() << " instead of " << want.width() << "x" << want.height();
  } else {
    int n = 0;
    QPoint first;
    for (int y = 0; y < want.height(); ++y)
      for (int x = 0; x < want.width(); ++x)
        if (got.pixel(x, y) != want.pixel(x, y) && n++ == 0) first = QPoint(x, y);
    if (n == 0) return ::testing::AssertionSuccess();
    s << n << " pixels differ, the first at device pixel (" << first.x() << ", " << first.y()
      << "): " << Hex(got.pixel(first)) << " instead of " << Hex(want.pixel(first));
  }
  const std::string base = Write(got, want);
  if (base.empty())
    s << "; the pictures could not be written to " << QUENLO_TEST_PICTURES;
  else
    s << "; pictures: " << base << "-got.png, -want.png, -diff.png";
  return ::testing::AssertionFailure() << s.str();
}

}  // namespace fwtest
