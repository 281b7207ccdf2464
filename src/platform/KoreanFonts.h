#pragma once

// The program's texts are Korean and its designs name 굴림 and 굴림체; where
// those are not installed, an installed Korean font stands in for them, and
// becomes the program's default font.
void InstallKoreanFonts();
