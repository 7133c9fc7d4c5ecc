#pragma once

#include <QPixmap>

// The program's own pictures, drawn rather than shipped: the product logo of the information
// window and the artwork of the credits window.
namespace Artwork {

QPixmap logo(int side);
// 625 x 380.
QPixmap credits();

} // namespace Artwork
