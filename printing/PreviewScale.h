#pragma once

namespace grd {

// How big a printer page looks in the preview, per axis: printer pixels scaled by the
// zoom and by the ratio of screen to printer resolution.
int previewExtent(int printerPixels, int zoomPercent, int printerDpi, int screenDpi);

// The zoom that makes a page of printerPixels fill clientExtent, less the scroll bar
// across it, the shadow on both sides and the page border.
int fitZoom(int clientExtent, int scrollBarExtent, int shadowOffset, int printerPixels,
            int printerDpi, int screenDpi);

// Whole page: fit by width when the page is relatively wider than the client area.
bool fitByWidth(int clientWidth, int clientHeight, int pageWidth, int pageHeight);

} // namespace grd
