#pragma once
// The start-up logo over the main window and the progress pyramid of the inventory stages.
void ShowLogo();
void HideLogo();
void OpenPyramid();
void AdvancePyramid();
void ClosePyramid();
