#pragma once

#include <QImage>

namespace velmoran {

// A picture of a megabyte or more on memory of its own: mapped so that the
// system fills it two megabytes at a time instead of page by page, and
// given back to the system the moment the last copy of the picture goes.
// Smaller pictures, or any when such memory cannot be had, are ordinary
// QImages. The contents start undefined, as a new QImage's do.
QImage largeImage(QSize size, QImage::Format format);

}  // namespace velmoran
