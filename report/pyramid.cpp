#include "report/pyramid.h"

namespace {

// In a 300 x 300 picture, bottom level first.
const PicturePoint kLevelPoints[kPyramidLevels] = {{30, 280}, {50, 260}, {70, 220}, {80, 200}, {85, 165},
                                                   {95, 140}, {120, 96}, {122, 80}, {150, 30}};
const PicturePoint kBackgroundPoints[2] = {{10, 10}, {290, 10}};

PicturePoint Scale(PicturePoint p, int width, int height) {
    return {p.x * width / 300, p.y * height / 300};
}

} // namespace

PicturePoint PyramidLevelPoint(int level, int width, int height) {
    return Scale(kLevelPoints[level], width, height);
}

PicturePoint PyramidBackgroundPoint(int side, int width, int height) {
    return Scale(kBackgroundPoints[side], width, height);
}

PicturePoint CentredPicture(int mainWidth, int mainHeight, int pictureWidth, int pictureHeight) {
    return {mainWidth / 2 - pictureWidth / 2, mainHeight / 2 - pictureHeight / 2};
}
