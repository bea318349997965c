#pragma once

#include <QPixmap>
#include <vector>

// The project's own drawings of the program's pictures, for desktops whose icon theme
// has no fitting icon. Masks are black where the picture shows.
namespace PictureArt {

QPixmap folder(int size);
QPixmap document(int size);
QPixmap application(int size);
QPixmap volume(int size);
QPixmap trash(int size);
QPixmap arrow(int size, bool back);
QPixmap smallArrow(int size, bool up);
QPixmap aliasBadge(const QPixmap& picture); // adds the alias arrow in the corner
QPixmap maskOf(const QPixmap& picture);     // black where the picture is not transparent
QPixmap dimmed(const QPixmap& picture);
QPixmap fingerCursor();
// The picture an in-window row drag carries: one band per visible row, green and framed
// where the row is selected, see-through (the list shows through it in part) elsewhere
// transparent.
QPixmap dragBands(int width, int rowHeight, const std::vector<bool>& selectedBands);

} // namespace PictureArt
