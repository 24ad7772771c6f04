// Pixel for pixel comparison of a picture the program shows with the picture
// it must show, for the picture tests.
#pragma once

#include <gtest/gtest.h>

#include <QImage>

namespace fwtest {

// Whether got is want, pixel for pixel (device pixels, colours as QImage::pixel
// reads them). If not, the message tells how many pixels differ and where the
// first lies, and names three PNG files it wrote into the build's
// test-pictures folder: <test>-got.png, <test>-want.png and <test>-diff.png,
// the last with the pixels that differ in red over a pale copy of want.
::testing::AssertionResult SamePicture(const QImage& got, const QImage& want);

}  // namespace fwtest
