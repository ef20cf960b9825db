#include "printing/PreviewScale.h"

#include "league/Format.h"

#include <algorithm>

namespace grd {

int previewExtent(int printerPixels, int zoomPercent, int printerDpi, int screenDpi) {
    if (printerDpi <= 0)
        return 0;
    double extent =
        static_cast<double>(printerPixels) * zoomPercent / 100.0 * screenDpi / printerDpi;
    return static_cast<int>(roundHalfEven(extent));
}

int fitZoom(int clientExtent, int scrollBarExtent, int shadowOffset, int printerPixels,
            int printerDpi, int screenDpi) {
    if (printerPixels <= 0 || screenDpi <= 0)
        return 100;
    double room = clientExtent - scrollBarExtent - 2 * shadowOffset - 2;
    double zoom = 100.0 * room * printerDpi / screenDpi / printerPixels;
    return std::max(1, static_cast<int>(roundHalfEven(zoom)));
}

bool fitByWidth(int clientWidth, int clientHeight, int pageWidth, int pageHeight) {
    // Compare pageWidth / pageHeight with clientWidth / clientHeight without dividing.
    return static_cast<long long>(pageWidth) * clientHeight >
           static_cast<long long>(clientWidth) * pageHeight;
}

} // namespace grd
