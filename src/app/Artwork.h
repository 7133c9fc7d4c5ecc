#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own pictures, drawn rather than shipped: the product logo of the information
// window, the artwork of the credits window and the red arrow that imports a member.
namespace Artwork {

QPixmap logo(int side);
// 625 x 380.
QPixmap credits();
// The picture of the buttons that fill a form from the member archive, as the guide describes it.
QIcon importArrow();

} // namespace Artwork
