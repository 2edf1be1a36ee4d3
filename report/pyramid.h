// Geometry of the start-up pictures, kept apart from the drawing.
#pragma once

constexpr int kPyramidLevels = 9;

struct PicturePoint {
    int x, y;
};

// Where a level's point lies in a picture of the given size (bottom level first).
PicturePoint PyramidLevelPoint(int level, int width, int height);
// The two points of the background on either side of the pyramid.
PicturePoint PyramidBackgroundPoint(int side, int width, int height);
// Top-left corner of a picture centred over the main window, which stands at the screen's origin.
PicturePoint CentredPicture(int mainWidth, int mainHeight, int pictureWidth, int pictureHeight);
