#pragma once

#include "printing/ui/PagePrinting.h"

#include <QFont>
#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <QRectF>
#include <QTextItem>

#include <memory>
#include <vector>

namespace grd::test {

// What a recorded page draws, in the device's coordinates.
struct DrawnText {
    QString text;
    QPointF baseline; // start of the text's baseline
    QFont font;
};
struct DrawnLine {
    QLineF line;
    qreal penWidth = 0;
};

struct DrawnOutline {
    QRectF rect;
    qreal penWidth = 0;
};

// Everything one replay drew.
struct Recording {
    std::vector<DrawnText> texts;
    std::vector<DrawnLine> lines;
    std::vector<DrawnOutline> outlines;
    std::vector<QRectF> fills;
};

// A paint engine that keeps texts, lines and rectangle outlines instead of pixels.
class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & DirtyTransform)
            transform_ = state.transform();
        if (state.state() & DirtyPen)
            pen_ = state.pen();
        if (state.state() & DirtyBrush)
            brush_ = state.brush();
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        rec.texts.push_back({item.text(), transform_.map(p), item.font()});
    }
    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i)
            rec.lines.push_back({transform_.map(lines[i]), pen_.widthF()});
    }
    void drawLines(const QLine* lines, int count) override {
        for (int i = 0; i < count; ++i)
            rec.lines.push_back({transform_.map(QLineF(lines[i])), pen_.widthF()});
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i) {
            QRectF r = transform_.mapRect(rects[i]);
            if (brush_.style() != Qt::NoBrush)
                rec.fills.push_back(r);
            else if (pen_.style() != Qt::NoPen)
                rec.outlines.push_back({r, pen_.widthF()});
        }
    }
    void drawRects(const QRect* rects, int count) override {
        for (int i = 0; i < count; ++i) {
            QRectF r(rects[i]);
            drawRects(&r, 1);
        }
    }
    // Played back pictures hand rectangles over as paths and lines as polylines.
    void drawPath(const QPainterPath& path) override {
        QRectF r = path.boundingRect();
        drawRects(&r, 1);
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        if (mode != PolylineMode)
            return;
        for (int i = 0; i + 1 < count; ++i) {
            QLineF line(points[i], points[i + 1]);
            drawLines(&line, 1);
        }
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

    Recording rec;

private:
    QTransform transform_;
    QPen pen_;
    QBrush brush_;
};

// A 300 dpi device that records what is painted on it.
class RecordingDevice : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return engine_.get(); }
    RecordingEngine& engine() { return *engine_; }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth:
        case PdmHeight:
            return 10000;
        case PdmWidthMM:
        case PdmHeightMM:
            return 847;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 300;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 0x7fffffff;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    std::unique_ptr<RecordingEngine> engine_ = std::make_unique<RecordingEngine>();
};

// Replays a recorded page picture and returns what it drew.
inline Recording replay(const QPicture& picture) {
    RecordingDevice device;
    QPainter painter(&device);
    playPicture(painter, picture);
    painter.end();
    return device.engine().rec;
}

} // namespace grd::test
