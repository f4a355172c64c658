#pragma once

#include <QImage>

// The wooden strips of the main window, RGB.
// Header, 681 x 44: light oak with fine straight grain.
QImage MakeHeaderStrip();
// Footer, 681 x 87: warmer wood with a pronounced grain figure.
QImage MakeFooterStrip();
