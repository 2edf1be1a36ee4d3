#include "report/startup_pictures.h"

// The logo and the pyramid are drawn from their bitmaps once those pictures exist; until then start-up
// runs its stages without them.
void ShowLogo() {}
void HideLogo() {}
void OpenPyramid() {}
void AdvancePyramid() {}
void ClosePyramid() {}
